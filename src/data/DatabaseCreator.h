// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/DatabaseTarget.h"

#include <QString>
#include <QStringList>

// Makes a new database from SQL scripts (the schema, then optional data): an SQLite file, or
// the tables of an empty PostgreSQL database that several stations share. The program itself
// never creates its database; the database tool and the tests do, through this.
namespace DatabaseCreator {

// Statements of a script, split at semicolons outside quotes; "--" comments are dropped.
QStringList SplitStatements(const QString& script);

// Creates path from the scripts, all in one transaction, writing a temporary file first so a
// failure leaves nothing behind. Refuses when path already exists. False with errorText on
// failure.
bool CreateSqlite(const QString& path, const QStringList& scriptFiles,
                  QString* errorText = nullptr);

// The schema, as shipped inside the program.
inline constexpr const char* SchemaResource = ":/schema/schema.sql";

// Creates the schema (and whatever else the scripts hold; none: the shipped schema) in the
// PostgreSQL database of target, all in one transaction, with the change triggers and the
// version table. Refuses a database that already holds any of the program's tables.
bool CreatePostgreSql(const DatabaseTarget& target, const QStringList& scriptFiles = {},
                      QString* errorText = nullptr);

} // namespace DatabaseCreator
