// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <functional>

struct sqlite3;

// Steps queries of a QSQLITE connection straight through libsqlite3, for reads of up to
// 100,000 rows: the driver copies every value twice on the way (into its row cache, then out as
// a QVariant), which at that size costs more than the statement.
//
// That is only sound when the driver and the program use one and the same SQLite library. It is
// checked once, when the connection is attached: the driver's handle must be SQLite's, and the
// library's version, source and compile options as the driver's connection reports them (SQL
// functions run by the driver's library) must be those of the library the program calls.
// Otherwise the reader stays unusable and the caller reads through the driver.
class SqliteDirectReader
{
public:
    // Checks the connection (once) and takes its handle when the libraries match.
    void Attach(const QSqlDatabase& database, sqlite3* handle);
    void Detach();
    // The connection's handle when the program's library may use it, else null.
    sqlite3* Handle() const { return m_handle; }
    // Why the handle may not be used, empty when it may (or nothing is attached).
    QString Mismatch() const { return m_mismatch; }

    // Runs sql on the attached handle and hands each row's first columns to row as text, as
    // CAdoDatabase::ValueText gives the driver's values. On failure error holds the cause.
    bool Read(const QString& sql, int columns,
              const std::function<void(const QString* values)>& row, QSqlError* error) const;

private:
    // What differs between the program's SQLite library and the driver's, empty when nothing.
    static QString CompareLibraries(const QSqlDatabase& database, sqlite3* handle);

    sqlite3* m_handle = nullptr;
    QString m_mismatch;
};
