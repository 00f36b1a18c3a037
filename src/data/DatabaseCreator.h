#pragma once

#include <QString>
#include <QStringList>

// Makes a new SQLite database file from SQL scripts (the schema, then optional data). The
// program itself never creates its database; the build and the tests do, through this.
namespace DatabaseCreator {

// Statements of a script, split at semicolons outside quotes; "--" comments are dropped.
QStringList SplitStatements(const QString& script);

// Creates path from the scripts, all in one transaction, writing a temporary file first so a
// failure leaves nothing behind. Refuses when path already exists. False with errorText on
// failure.
bool CreateSqlite(const QString& path, const QStringList& scriptFiles,
                  QString* errorText = nullptr);

} // namespace DatabaseCreator
