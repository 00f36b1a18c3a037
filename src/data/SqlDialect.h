// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/DatabaseTarget.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The few places where SQLite and PostgreSQL need different text. Every statement of the
// catalogue (SqlStatements.h) and the views run unchanged on both; what differs is the schema:
//  - participant numbers compare without regard to case: SQLite declares the columns
//    "text collate nocase", PostgreSQL uses the citext type of its extension of that name
//    (shipped with the server), so "abc" and "ABC" are one participant and one winner;
//  - the database version is SQLite's file header field (pragma user_version) and a one-row
//    table SchemaVersion on PostgreSQL;
//  - on PostgreSQL triggers announce every change of the participants and the winners
//    (NOTIFY on ChangeChannel, the table and the kind of statement as payload: "comeprize
//    INSERT", "person DELETE"...), so other stations see that their kept pools are stale, or
//    only that some of their entries won elsewhere;
//  - PL/pgSQL bodies are dollar-quoted, which the script splitter keeps whole.
// The transaction statements differ too (SQLite's write lock is taken at BEGIN); they live with
// the connection in DatabaseConnection.
namespace SqlDialect {

inline constexpr const char* ChangeChannel = "sortilo_change";
// The payload of a statement that stored wins. Databases created before the payload existed
// announce every change with an empty one.
inline constexpr const char* WinAddedNotice = "comeprize INSERT";

// Statements of a schema or upgrade script written for SQLite, as driver runs them.
QStringList ScriptStatements(DatabaseTarget::Driver driver, const QString& script);

// What a new PostgreSQL database needs before the schema script (the extension) and after it
// (change triggers and the version table at version).
QStringList PostgreSqlPrologue();
QStringList PostgreSqlEpilogue(int version);

// Sets a QPSQL connection up for target: server, port, database, user, service, password
// (when a program set one), bounded waits for an unreachable server and for statements, and
// keep-alives.
void ConfigurePostgreSql(QSqlDatabase& database, const DatabaseTarget& target);

} // namespace SqlDialect
