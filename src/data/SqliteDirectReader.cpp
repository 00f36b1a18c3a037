// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/SqliteDirectReader.h"

#include "data/CAdoDatabase.h"

#include <QSqlQuery>
#include <QStringList>

#include <vector>

#include <sqlite3.h>

namespace {

// A value of the current row as CAdoDatabase::ValueText gives the driver's value of it.
QString SqliteText(sqlite3_stmt* statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_NULL:
        return QString();
    case SQLITE_INTEGER:
        return QString::number(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
        return CAdoDatabase::ValueText(sqlite3_column_double(statement, column));
    default: {
        const auto* text = static_cast<const QChar*>(sqlite3_column_text16(statement, column));
        const int bytes = sqlite3_column_bytes16(statement, column);
        return text ? QString(text, bytes / 2) : QString();
    }
    }
}

} // namespace

void SqliteDirectReader::Attach(const QSqlDatabase& database, sqlite3* handle)
{
    m_mismatch = CompareLibraries(database, handle);
    m_handle = m_mismatch.isEmpty() ? handle : nullptr;
}

void SqliteDirectReader::Detach()
{
    m_handle = nullptr;
    m_mismatch.clear();
}

QString SqliteDirectReader::CompareLibraries(const QSqlDatabase& database, sqlite3* handle)
{
    if (!handle) {
        return QStringLiteral("the driver gives no SQLite handle");
    }
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("select sqlite_version(), sqlite_source_id()")) ||
        !query.next()) {
        return QStringLiteral("the driver's connection does not tell its SQLite version");
    }
    const QString version = query.value(0).toString();
    const QString source = query.value(1).toString();
    if (version != QLatin1String(sqlite3_libversion()) ||
        source != QLatin1String(sqlite3_sourceid())) {
        return QStringLiteral("the driver uses SQLite %1 (%2), the program SQLite %3 (%4)")
            .arg(version, source, QLatin1String(sqlite3_libversion()),
                 QLatin1String(sqlite3_sourceid()));
    }
    // Options change the library's structures (the handle's among them) for the same source.
    QStringList driverOptions;
    if (!query.exec(QStringLiteral("pragma compile_options"))) {
        return QStringLiteral("the driver's connection does not tell its compile options");
    }
    while (query.next()) {
        driverOptions << query.value(0).toString();
    }
    QStringList ownOptions;
    for (int i = 0; const char* option = sqlite3_compileoption_get(i); ++i) {
        ownOptions << QString::fromUtf8(option);
    }
    if (driverOptions != ownOptions) {
        return QStringLiteral("the driver's SQLite library was built with other options");
    }
    // The program's library must find the driver's open database behind the handle.
    if (sqlite3_initialize() != SQLITE_OK || !sqlite3_db_filename(handle, "main")) {
        return QStringLiteral("the program's SQLite library cannot use the driver's handle");
    }
    return QString();
}

bool SqliteDirectReader::Read(const QString& sql, int columns,
                              const std::function<void(const QString* values)>& row,
                              QSqlError* error) const
{
    sqlite3_stmt* statement = nullptr;
    const QByteArray text = sql.toUtf8();
    int status =
        sqlite3_prepare_v2(m_handle, text.constData(), int(text.size()), &statement, nullptr);
    if (status == SQLITE_OK && sqlite3_column_count(statement) < columns) {
        sqlite3_finalize(statement);
        *error = QSqlError(QStringLiteral("the query has fewer columns than read"));
        return false;
    }
    std::vector<QString> values(static_cast<size_t>(columns));
    while (status == SQLITE_OK && (status = sqlite3_step(statement)) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            values[static_cast<size_t>(c)] = SqliteText(statement, c);
        }
        row(values.data());
        status = SQLITE_OK;
    }
    sqlite3_finalize(statement);
    if (status != SQLITE_DONE) {
        *error = QSqlError(QString(), QString::fromUtf8(sqlite3_errmsg(m_handle)),
                           QSqlError::StatementError, QString::number(status));
        return false;
    }
    return true;
}
