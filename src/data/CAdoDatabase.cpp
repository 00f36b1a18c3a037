// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/CAdoDatabase.h"

#include "platform/core/MessageService.h"
#include "platform/core/ProtectedFiles.h"
#include "data/SchemaVersion.h"
#include "data/SqlDialect.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

#include <QFile>

#include <cmath>

#include <libpq-fe.h>
#include <sqlite3.h>

namespace {

QAtomicInt g_connectionCounter;

QString DriverName(DatabaseTarget::Driver driver)
{
    return driver == DatabaseTarget::Driver::Sqlite ? QStringLiteral("QSQLITE")
                                                    : QStringLiteral("QPSQL");
}

QString ErrorText(const QSqlError& error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty()) {
        text = error.text().trimmed();
    }
    if (text.isEmpty()) {
        text = error.driverText().trimmed();
    }
    return text.isEmpty() ? QStringLiteral("unknown database error") : text;
}

// The technical cause of a statement that could not reach the server.
QString LostConnectionText(const QString& cause)
{
    return QStringLiteral("no connection to the database server, the program keeps connecting "
                          "again (%1)")
        .arg(cause);
}

QString ServerNotice()
{
    return QCoreApplication::translate(
        "CAdoDatabase",
        "数据库服务器没有响应，程序正在自动重新连接。本次操作没有完成，请稍后再试。");
}

// The libpq connection under a QPSQL connection (documented as the driver's handle).
PGconn* PostgreSqlHandle(const QSqlDatabase& db)
{
    if (!db.isValid() || !db.driver()) {
        return nullptr;
    }
    const QVariant handle = db.driver()->handle();
    // Qt 6 names the type after the structure behind libpq's typedef.
    if (!handle.isValid() || (qstrcmp(handle.typeName(), "PGconn*") != 0 &&
                              qstrcmp(handle.typeName(), "pg_conn*") != 0)) {
        return nullptr;
    }
    return *static_cast<PGconn* const*>(handle.constData());
}

// The SQLite connection under a QSQLITE connection (documented as the driver's handle).
sqlite3* SqliteHandle(const QSqlDatabase& db)
{
    if (!db.isValid() || !db.driver()) {
        return nullptr;
    }
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) {
        return nullptr;
    }
    return *static_cast<sqlite3* const*>(handle.constData());
}

// A value of the current row as ValueText gives it, read straight from SQLite.
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

CAdoDatabase::CAdoDatabase()
    : m_connectionName(
          QStringLiteral("sortilo-db-%1").arg(g_connectionCounter.fetchAndAddOrdered(1)))
{}

CAdoDatabase::~CAdoDatabase()
{
    ReleaseConnection();
}

void CAdoDatabase::ReleaseConnection()
{
    m_link.reset();
    m_listenPending = false;
    CloseRecordset();
    if (QSqlDatabase::contains(m_connectionName)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    m_connected = false;
    m_inTransaction = false;
    m_fileGuard.Closed();
    m_fileGuardTripped = false;
    if (!m_protectedPath.isEmpty()) {
        ProtectedFiles::Release(m_protectedPath);
        m_protectedPath.clear();
    }
    m_journal.Clear();
}

bool CAdoDatabase::ConnectDatabase(const QString& password, const QString& dataSource)
{
    return ConnectDatabase(DatabaseTarget::SqliteFile(dataSource, password));
}

bool CAdoDatabase::ConnectDatabase(const DatabaseTarget& target)
{
    ReleaseConnection();
    m_target = target;

    const QString driver = DriverName(target.driver);
    if (!QSqlDatabase::isDriverAvailable(driver)) {
        Fail(QStringLiteral("The database driver %1 is not available on this machine.").arg(driver),
             true);
        return false;
    }

    QSqlDatabase db = QSqlDatabase::addDatabase(driver, m_connectionName);
    if (!db.isValid()) {
        Fail(QStringLiteral("The database driver %1 could not be loaded.").arg(driver), true);
        return false;
    }

    if (target.driver == DatabaseTarget::Driver::Sqlite) {
        // A recovery copy left by the file guard of an earlier run takes the file's place first.
        QString notice;
        const bool adopted = SqliteFileGuard::AdoptRecoveryCopy(target.path, &notice);
        if (!notice.isEmpty()) {
            Fail(notice, true);
        }
        if (!adopted) {
            return false;
        }
        const QFileInfo info(target.path);
        if (!info.exists()) {
            Fail(QStringLiteral("Could not find the database file '%1'.").arg(target.path), true);
            return false;
        }
        if (!info.isFile()) {
            Fail(QStringLiteral("'%1' is not a database file.").arg(target.path), true);
            return false;
        }
        // A URI with mode=rw opens an existing file read-write and refuses to create one.
        db.setDatabaseName(
            QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded) +
            QStringLiteral("?mode=rw"));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
        if (!target.password.isEmpty()) {
            db.setPassword(target.password);
        }
    } else {
        SqlDialect::ConfigurePostgreSql(db, target);
    }

    if (!db.open()) {
        Fail(ErrorText(db.lastError()), true);
        return false;
    }
    m_connected = true;
    if (target.driver == DatabaseTarget::Driver::Sqlite) {
        // Nothing of the program may open the database's files from now on.
        m_protectedPath = target.path;
        ProtectedFiles::Protect(m_protectedPath);
    }
    if (!ApplyConnectionSettings()) {
        m_connected = false;
        db.close();
        return false;
    }
    if (target.driver == DatabaseTarget::Driver::Sqlite) {
        // Taken once the log and index exist, so files swapped in later are told apart.
        m_fileGuard.Opened(target.path, SqliteHandle(db));
    }
    return true;
}

bool CAdoDatabase::ApplyConnectionSettings()
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    SchemaVersion schema(db, m_target.driver);
    // Nothing is changed before the database is known to be this program's, of a version it
    // knows: another program's file or a newer one stays byte for byte as it was.
    if (!schema.Check()) {
        return Refuse(schema.ReadOnly(),
                      schema.ErrorText() + QStringLiteral(". It was left unchanged."));
    }
    if (m_target.driver == DatabaseTarget::Driver::PostgreSql && !Listen()) {
        return Refuse(false, m_lastError);
    }
    if (m_target.driver == DatabaseTarget::Driver::Sqlite) {
        QSqlQuery query(db);
        // SQLite opens a file it cannot write (a read-only file or folder) for reading only;
        // the draw would then show winners it cannot store. Only a write tells (in WAL mode
        // even the write lock is granted): the version is written unchanged and rolled back.
        if (query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
            const bool written =
                query.exec(QStringLiteral("PRAGMA user_version = %1").arg(schema.Version()));
            const QSqlError error = query.lastError();
            query.exec(QStringLiteral("ROLLBACK"));
            if (!written && IsReadOnlyError(error)) {
                return Refuse(true, QString());
            }
        } else if (IsReadOnlyError(query.lastError())) {
            return Refuse(true, QString());
        }
        // Write-ahead logging keeps readers and the one writer apart and makes each commit a
        // single append; with synchronous=FULL that append is synced, so every commit is durable.
        if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL"))) {
            return Refuse(IsReadOnlyError(query.lastError()), ErrorText(query.lastError()));
        }
        SetDurability(Durability::Durable);
    }
    if (!schema.Upgrade()) {
        return Refuse(
            schema.ReadOnly(),
            QStringLiteral("it could not be upgraded to database version %1: %2. Its data "
                           "was left unchanged.")
                .arg(SchemaVersion::Current)
                .arg(schema.ErrorText()));
    }
    for (const QString& notice : schema.Notices()) {
        ShowMessage(notice);
    }
    return true;
}

bool CAdoDatabase::Listen()
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    BeginWatch();
    const bool listening =
        query.exec(QStringLiteral("LISTEN %1").arg(QLatin1String(SqlDialect::ChangeChannel)));
    EndWatch();
    if (!listening) {
        m_lastError = ErrorText(query.lastError());
        return false;
    }
    return true;
}

ServerLink* CAdoDatabase::Link()
{
    if (!m_connected) {
        // A connection that failed its set-up is closed: its handle is gone.
        m_link.reset();
        return nullptr;
    }
    if (!m_link && m_target.driver == DatabaseTarget::Driver::PostgreSql) {
        if (PGconn* conn = PostgreSqlHandle(QSqlDatabase::database(m_connectionName, false))) {
            m_link = std::make_unique<ServerLink>(conn);
            m_link->SetLimits(m_serverLimits);
        }
    }
    return m_link.get();
}

void CAdoDatabase::BeginWatch()
{
    if (ServerLink* link = Link()) {
        link->BeginWatch();
    }
}

bool CAdoDatabase::EndWatch()
{
    return m_link && m_link->EndWatch();
}

void CAdoDatabase::SetServerLimits(const ServerLink::Limits& limits)
{
    m_serverLimits = limits;
    if (m_link) {
        m_link->SetLimits(limits);
    }
}

bool CAdoDatabase::RecoverConnection(bool mayWait)
{
    if (!m_connected || m_target.driver != DatabaseTarget::Driver::PostgreSql) {
        return true;
    }
    ServerLink* link = Link();
    if (!link) {
        return false;
    }
    switch (link->Ensure(mayWait)) {
    case ServerLink::State::Down:
        return false;
    case ServerLink::State::Reconnected:
        // The server went away (restarted, or the network failed) and the connection was made
        // again in place: the driver keeps using the same handle. Notifications sent meanwhile
        // are lost, so whatever was kept from before counts as changed; an open transaction is
        // gone.
        ++m_changeCount;
        m_inTransaction = false;
        m_listenPending = true;
        break;
    case ServerLink::State::Up:
        break;
    }
    if (m_listenPending && !Listen()) {
        return false;
    }
    m_listenPending = false;
    return true;
}

bool CAdoDatabase::Refuse(bool readOnly, const QString& reason)
{
    const QString name = m_target.Describe();
    Fail(readOnly ? QStringLiteral("The database '%1' can only be read, so no winner could be "
                                   "stored. Make the file and its folder writeable.")
                        .arg(name)
                  : QStringLiteral("Cannot use '%1' as a database: %2").arg(name, reason),
         true);
    return false;
}

bool CAdoDatabase::IsReadOnlyError(const QSqlError& error)
{
    // SQLITE_READONLY and its extended codes.
    bool number = false;
    const int code = error.nativeErrorCode().toInt(&number);
    return number && (code & 0xff) == 8;
}

void CAdoDatabase::SetDurability(Durability durability)
{
    if (!m_connected || m_target.driver != DatabaseTarget::Driver::Sqlite) {
        return;
    }
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.exec(durability == Durability::Durable ? QStringLiteral("PRAGMA synchronous=FULL")
                                                 : QStringLiteral("PRAGMA synchronous=NORMAL"));
}

bool CAdoDatabase::CheckFileInPlace()
{
    if (!m_connected || m_target.driver != DatabaseTarget::Driver::Sqlite) {
        return true;
    }
    if (m_fileGuard.CheckInPlace(!m_quiet)) {
        return true;
    }
    m_lastError = m_fileGuard.LastError();
    return false;
}

bool CAdoDatabase::IsConnected() const
{
    return m_connected;
}

void CAdoDatabase::Fail(const QString& description, bool showBox)
{
    m_lastError = description;
    if (showBox) {
        ShowMessage(description);
    }
}

void CAdoDatabase::CloseRecordset()
{
    m_fields.clear();
    m_values.clear();
    m_rowCount = 0;
    m_row = 0;
}

QSqlQuery CAdoDatabase::NewQuery() const
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    return query;
}

bool CAdoDatabase::StatementFailed(const QSqlError& error)
{
    EndSavepoint(false);
    // Before any box: a box waits for the operator, the watch only for the server.
    const bool cut = EndWatch();
    CloseRecordset();
    m_lastNotice.clear();
    if (!m_connected) {
        m_lastError = QStringLiteral("not connected to a database");
    } else if (m_link && (cut || !m_link->IsUp())) {
        // The server did not answer, or the connection is lost and not back yet.
        m_lastError =
            LostConnectionText(cut || !error.isValid() ? m_link->DownReason() : ErrorText(error));
        m_lastNotice = ServerNotice();
    } else {
        m_lastError = ErrorText(error);
    }
    const QString detail = QStringLiteral("Error: %1").arg(m_lastError);
    if (!m_quiet) {
        if (m_lastNotice.isEmpty()) {
            ShowMessage(detail);
        } else {
            ShowMessage(m_lastNotice, detail);
        }
    }
    return false;
}

bool CAdoDatabase::ReadyForStatement()
{
    CloseRecordset();
    if (!m_connected || (!m_inTransaction && !RecoverConnection(true))) {
        return StatementFailed(QSqlError());
    }
    return true;
}

bool CAdoDatabase::OpenQuery(const QString& sql, const QVariantList& values)
{
    if (!ReadyForStatement()) {
        return false;
    }
    QSqlQuery query = NewQuery();
    BeginWatch();
    BeginSavepoint();
    if (values.isEmpty()) {
        if (!query.exec(sql)) {
            return StatementFailed(query.lastError());
        }
    } else {
        if (!query.prepare(sql)) {
            return StatementFailed(query.lastError());
        }
        for (const QVariant& value : values) {
            query.addBindValue(value);
        }
        if (!query.exec()) {
            return StatementFailed(query.lastError());
        }
    }
    return TakeResult(query);
}

bool CAdoDatabase::ReadRows(const QString& sql, int columns,
                            const std::function<void(const QString* values)>& row)
{
    if (!ReadyForStatement()) {
        return false;
    }
    BeginWatch();
    std::vector<QString> values(static_cast<size_t>(columns));
    if (sqlite3* handle = SqliteHandle(QSqlDatabase::database(m_connectionName, false))) {
        // The driver copies every value twice on the way (into its row cache, then out as a
        // QVariant): at 100,000 rows that costs more than the statement.
        sqlite3_stmt* statement = nullptr;
        const QByteArray text = sql.toUtf8();
        int status =
            sqlite3_prepare_v2(handle, text.constData(), int(text.size()), &statement, nullptr);
        if (status == SQLITE_OK && sqlite3_column_count(statement) < columns) {
            sqlite3_finalize(statement);
            return StatementFailed(QSqlError(QStringLiteral("the query has too few columns")));
        }
        while (status == SQLITE_OK && (status = sqlite3_step(statement)) == SQLITE_ROW) {
            for (int c = 0; c < columns; ++c) {
                values[static_cast<size_t>(c)] = SqliteText(statement, c);
            }
            row(values.data());
            status = SQLITE_OK;
        }
        sqlite3_finalize(statement);
        if (status != SQLITE_DONE) {
            return StatementFailed(QSqlError(QString(), QString::fromUtf8(sqlite3_errmsg(handle)),
                                             QSqlError::StatementError, QString::number(status)));
        }
        return true;
    }
    QSqlQuery query = NewQuery();
    BeginSavepoint();
    if (!query.exec(sql)) {
        return StatementFailed(query.lastError());
    }
    if (query.record().count() < columns) {
        query.finish();
        EndSavepoint(false);
        return StatementFailed(QSqlError(QStringLiteral("the query has fewer columns than read")));
    }
    while (query.next()) {
        for (int c = 0; c < columns; ++c) {
            values[static_cast<size_t>(c)] = ValueText(query.value(c));
        }
        row(values.data());
    }
    const QSqlError error = query.lastError();
    query.finish();
    EndSavepoint(!error.isValid());
    if (error.isValid()) {
        return StatementFailed(error);
    }
    // Every row arrived: the statement is done, even if the watch cut the connection just now.
    EndWatch();
    return true;
}

void CAdoDatabase::BeginSavepoint()
{
    m_savepoint = false;
    if (m_inTransaction && m_target.driver == DatabaseTarget::Driver::PostgreSql) {
        QSqlQuery savepoint = NewQuery();
        m_savepoint = savepoint.exec(QStringLiteral("SAVEPOINT sortilo_statement"));
    }
}

void CAdoDatabase::EndSavepoint(bool keep)
{
    if (!m_savepoint) {
        return;
    }
    m_savepoint = false;
    QSqlQuery query = NewQuery();
    if (!keep) {
        query.exec(QStringLiteral("ROLLBACK TO SAVEPOINT sortilo_statement"));
    }
    query.exec(QStringLiteral("RELEASE SAVEPOINT sortilo_statement"));
}

bool CAdoDatabase::TakeResult(QSqlQuery& query)
{
    if (!query.isSelect()) {
        ++m_changeCount;
        query.finish();
        EndSavepoint(true);
        EndWatch();
        return true;
    }
    const QSqlRecord record = query.record();
    const int columns = record.count();
    for (int c = 0; c < columns; ++c) {
        m_fields << record.fieldName(c);
    }
    while (query.next()) {
        for (int c = 0; c < columns; ++c) {
            m_values.push_back(query.value(c));
        }
        ++m_rowCount;
    }
    const QSqlError error = query.lastError();
    // Reset the statement so it holds no read snapshot until it runs again; the rows are read
    // before the savepoint ends (the connection carries one statement at a time).
    query.finish();
    EndSavepoint(!error.isValid());
    if (error.isValid()) {
        return StatementFailed(error);
    }
    // Every row arrived: the statement is done, even if the watch cut the connection just now.
    EndWatch();
    return true;
}

bool CAdoDatabase::BeginTransaction()
{
    if (!m_connected) {
        return StatementFailed(QSqlError());
    }
    if (m_inTransaction) {
        m_lastError = QStringLiteral("a transaction is already open on this connection");
        ShowMessage(QStringLiteral("Error: %1").arg(m_lastError));
        return false;
    }
    if (!RecoverConnection(true)) {
        return StatementFailed(QSqlError());
    }
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (m_target.driver == DatabaseTarget::Driver::Sqlite) {
        QSqlQuery query = NewQuery();
        if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
            return StatementFailed(query.lastError());
        }
    } else {
        BeginWatch();
        if (!db.transaction()) {
            return StatementFailed(db.lastError());
        }
        EndWatch();
    }
    m_inTransaction = true;
    return true;
}

bool CAdoDatabase::CommitTransaction()
{
    if (!m_inTransaction) {
        m_lastError = QStringLiteral("no transaction is open on this connection");
        ShowMessage(QStringLiteral("Error: %1").arg(m_lastError));
        return false;
    }
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    BeginWatch();
    if (!db.commit()) {
        // Still open: the caller's rollback (or the scope's end) undoes it.
        return StatementFailed(db.lastError());
    }
    EndWatch();
    m_inTransaction = false;
    ++m_changeCount;
    return true;
}

void CAdoDatabase::RollbackTransaction()
{
    if (!m_inTransaction) {
        return;
    }
    m_inTransaction = false;
    ++m_changeCount;
    BeginWatch();
    QSqlDatabase::database(m_connectionName, false).rollback();
    EndWatch();
}

ChangeStamp CAdoDatabase::ChangeToken()
{
    if (m_connected && m_target.driver == DatabaseTarget::Driver::Sqlite) {
        // The idle window asks for tokens every few seconds: a file taken away is noticed and
        // its recovery copy written then, once, not only when the next winner is stored.
        if (!m_fileGuardTripped && !m_fileGuard.CheckInPlace(!m_quiet)) {
            m_fileGuardTripped = true;
        }
        QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
        if (query.exec(QStringLiteral("PRAGMA data_version")) && query.next()) {
            return {m_changeCount, static_cast<quint64>(query.value(0).toLongLong()), 0};
        }
    }
    if (m_connected && m_target.driver == DatabaseTarget::Driver::PostgreSql) {
        // The triggers' notifications come on this connection. An empty statement is the
        // cheapest round trip: the server hands over every notification of a commit made
        // before it runs ahead of its answer, so a change another station has committed is
        // always seen. This connection's own changes are counted as they run. A lost
        // connection is made again here too (the idle window asks for tokens), taking only
        // what the server has answered so far.
        PGconn* conn = PostgreSqlHandle(QSqlDatabase::database(m_connectionName, false));
        PGresult* result = nullptr;
        if (conn && (m_inTransaction || RecoverConnection(false)) &&
            PQstatus(conn) == CONNECTION_OK) {
            BeginWatch();
            result = PQexec(conn, "");
            EndWatch();
        }
        const bool answered = result && PQresultStatus(result) == PGRES_EMPTY_QUERY;
        PQclear(result);
        if (answered) {
            const int self = PQbackendPID(conn);
            while (PGnotify* notice = PQnotifies(conn)) {
                if (notice->be_pid == self) {
                } else if (qstrcmp(notice->extra, SqlDialect::WinAddedNotice) == 0) {
                    ++m_otherWinsAdded;
                } else {
                    ++m_otherChanges;
                }
                PQfreemem(notice);
            }
            return {m_changeCount, m_otherChanges, m_otherWinsAdded};
        }
    }
    return {++m_changeCount, std::nullopt, 0};
}

bool CAdoDatabase::IsEOF() const
{
    return m_row >= m_rowCount;
}

void CAdoDatabase::MoveNext()
{
    if (m_row < m_rowCount) {
        ++m_row;
    }
}

QString CAdoDatabase::GetFieldText(const QString& field) const
{
    if (IsEOF()) {
        return QString();
    }
    // A linear scan beats hashing here: results have a handful of columns, and the draw reads
    // two fields of every one of up to 100,000 rows before each pick.
    const qsizetype columns = m_fields.size();
    for (qsizetype c = 0; c < columns; ++c) {
        if (m_fields[c].compare(field, Qt::CaseInsensitive) == 0) {
            return ValueText(m_values[static_cast<size_t>(m_row * columns + c)]);
        }
    }
    return QString();
}

int CAdoDatabase::GetRecordCount() const
{
    return m_rowCount;
}

QString CAdoDatabase::ValueText(const QVariant& value)
{
    if (value.isNull() || !value.isValid()) {
        return QString();
    }
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: {
        const double number = value.toDouble();
        if (std::isfinite(number) && std::trunc(number) == number && std::fabs(number) < 1e15) {
            return QString::number(static_cast<long long>(number));
        }
        return QString::number(number, 'g', 15);
    }
    case QMetaType::QByteArray:
        return QString::fromUtf8(value.toByteArray());
    default:
        return value.toString();
    }
}

QVariant CAdoDatabase::TextValue(const QString& text)
{
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}
