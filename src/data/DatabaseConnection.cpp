// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/DatabaseConnection.h"

#include "data/SchemaVersion.h"
#include "data/SqlDialect.h"
#include "platform/core/MessageService.h"
#include "platform/core/ProtectedFiles.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDriver>
#include <QUrl>

#include <libpq-fe.h>

namespace {

QAtomicInt g_connectionCounter;

QString DriverName(DatabaseTarget::Driver driver)
{
    return driver == DatabaseTarget::Driver::Sqlite ? QStringLiteral("QSQLITE")
                                                    : QStringLiteral("QPSQL");
}

// The libpq connection under a QPSQL connection (documented as the driver's handle): the
// server link watches its socket and makes it again in place.
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

} // namespace

DatabaseConnection::DatabaseConnection()
    : m_name(QStringLiteral("sortilo-db-%1").arg(g_connectionCounter.fetchAndAddOrdered(1)))
{}

DatabaseConnection::~DatabaseConnection()
{
    Close();
}

QSqlDatabase DatabaseConnection::Database() const
{
    return QSqlDatabase::database(m_name, false);
}

QSqlQuery DatabaseConnection::NewQuery() const
{
    QSqlQuery query(Database());
    query.setForwardOnly(true);
    return query;
}

sqlite3* DatabaseConnection::SqliteHandle() const
{
    const QSqlDatabase db = Database();
    if (!db.isValid() || !db.driver()) {
        return nullptr;
    }
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) {
        return nullptr;
    }
    return *static_cast<sqlite3* const*>(handle.constData());
}

void DatabaseConnection::Close()
{
    m_link.reset();
    if (QSqlDatabase::contains(m_name)) {
        {
            QSqlDatabase db = Database();
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    m_connected = false;
    m_inTransaction = false;
    m_savepoint = false;
    m_fileGuard.Closed();
    if (!m_protectedPath.isEmpty()) {
        ProtectedFiles::Release(m_protectedPath);
        m_protectedPath.clear();
    }
}

void DatabaseConnection::Fail(const QString& description)
{
    m_lastError = description;
    ShowMessage(description);
}

bool DatabaseConnection::Open(const DatabaseTarget& target,
                              const std::function<bool(QString* error)>& sessionSetUp)
{
    Close();
    m_target = target;
    if (!OpenDriver(target)) {
        return false;
    }
    m_connected = true;
    if (IsSqlite()) {
        // Nothing of the program may open the database's files from now on.
        m_protectedPath = target.path;
        ProtectedFiles::Protect(m_protectedPath);
    }
    if (!ApplyConnectionSettings(sessionSetUp)) {
        m_connected = false;
        Database().close();
        return false;
    }
    return true;
}

bool DatabaseConnection::OpenDriver(const DatabaseTarget& target)
{
    const QString driver = DriverName(target.driver);
    if (!QSqlDatabase::isDriverAvailable(driver)) {
        Fail(
            QStringLiteral("The database driver %1 is not available on this machine.").arg(driver));
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(driver, m_name);
    if (!db.isValid()) {
        Fail(QStringLiteral("The database driver %1 could not be loaded.").arg(driver));
        return false;
    }
    if (target.driver == DatabaseTarget::Driver::Sqlite) {
        // A recovery copy left by the file guard of an earlier run takes the file's place first.
        QString notice;
        const bool adopted = SqliteFileGuard::AdoptRecoveryCopy(target.path, &notice);
        if (!notice.isEmpty()) {
            Fail(notice);
        }
        if (!adopted) {
            return false;
        }
        const QFileInfo info(target.path);
        if (!info.exists()) {
            Fail(QStringLiteral("Could not find the database file '%1'.").arg(target.path));
            return false;
        }
        if (!info.isFile()) {
            Fail(QStringLiteral("'%1' is not a database file.").arg(target.path));
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
        Fail(ErrorText(db.lastError()));
        return false;
    }
    return true;
}

bool DatabaseConnection::ApplyConnectionSettings(
    const std::function<bool(QString* error)>& sessionSetUp)
{
    QSqlDatabase db = Database();
    SchemaVersion schema(db, m_target.driver);
    // Nothing is changed before the database is known to be this program's, of a version it
    // knows: another program's file or a newer one stays byte for byte as it was.
    if (!schema.Check()) {
        return Refuse(schema.ReadOnly(),
                      schema.ErrorText() + QStringLiteral(". It was left unchanged."));
    }
    QString error;
    if (IsPostgreSql() && sessionSetUp && !sessionSetUp(&error)) {
        return Refuse(false, error);
    }
    if (IsSqlite()) {
        QSqlQuery query(db);
        // SQLite opens a file it cannot write (a read-only file or folder) for reading only;
        // the draw would then show winners it cannot store. Only a write tells (in WAL mode
        // even the write lock is granted): the version is written unchanged and rolled back.
        if (query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
            const bool written =
                query.exec(QStringLiteral("PRAGMA user_version = %1").arg(schema.Version()));
            const QSqlError failure = query.lastError();
            query.exec(QStringLiteral("ROLLBACK"));
            if (!written && IsReadOnlyError(failure)) {
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
        SetDurable(true);
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

bool DatabaseConnection::Refuse(bool readOnly, const QString& reason)
{
    const QString name = m_target.Describe();
    Fail(readOnly ? QStringLiteral("The database '%1' can only be read, so no winner could be "
                                   "stored. Make the file and its folder writeable.")
                        .arg(name)
                  : QStringLiteral("Cannot use '%1' as a database: %2").arg(name, reason));
    return false;
}

void DatabaseConnection::SetDurable(bool durable)
{
    if (!m_connected || !IsSqlite()) {
        return;
    }
    QSqlQuery query(Database());
    query.exec(durable ? QStringLiteral("PRAGMA synchronous=FULL")
                       : QStringLiteral("PRAGMA synchronous=NORMAL"));
}

ServerLink* DatabaseConnection::Link()
{
    if (!m_connected) {
        // A connection that failed its set-up is closed: its handle is gone.
        m_link.reset();
        return nullptr;
    }
    if (!m_link && IsPostgreSql()) {
        if (PGconn* conn = PostgreSqlHandle(Database())) {
            m_link = std::make_unique<ServerLink>(conn);
            m_link->SetLimits(m_serverLimits);
        }
    }
    return m_link.get();
}

void DatabaseConnection::SetServerLimits(const ServerLink::Limits& limits)
{
    m_serverLimits = limits;
    if (m_link) {
        m_link->SetLimits(limits);
    }
}

void DatabaseConnection::BeginWatch()
{
    if (ServerLink* link = Link()) {
        link->BeginWatch();
    }
}

bool DatabaseConnection::EndWatch()
{
    return m_link && m_link->EndWatch();
}

ServerLink::State DatabaseConnection::Recover(bool mayWait)
{
    if (!m_connected || !IsPostgreSql()) {
        return ServerLink::State::Up;
    }
    ServerLink* link = Link();
    if (!link) {
        return ServerLink::State::Down;
    }
    if (QSqlDriver* driver = Database().driver(); driver && !link->IsUp()) {
        // After a statement the driver posts itself a call that reads the socket for change
        // notifications. Run while the link makes the connection again, that read would take
        // the server's answers from the handshake, which then stalls; run now, before the
        // attempt starts, it reads at most what is left of the lost connection.
        QCoreApplication::sendPostedEvents(driver, QEvent::MetaCall);
    }
    const ServerLink::State state = link->Ensure(mayWait);
    if (state == ServerLink::State::Reconnected) {
        // The server went away (restarted, or the network failed) and the connection was made
        // again in place: the driver keeps using the same handle. An open transaction is gone.
        m_inTransaction = false;
        m_savepoint = false;
    }
    return state;
}

bool DatabaseConnection::BeginTransaction(QSqlError* error, bool snapshot)
{
    QSqlDatabase db = Database();
    if (IsSqlite()) {
        // The write lock is taken at the start, so a transaction never fails halfway for a lock.
        QSqlQuery query = NewQuery();
        if (!query.exec(snapshot ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"))) {
            *error = query.lastError();
            return false;
        }
    } else {
        BeginWatch();
        if (!db.transaction()) {
            *error = db.lastError();
            return false;
        }
        QSqlQuery level = NewQuery();
        if (snapshot && !level.exec(QStringLiteral(
                            "SET TRANSACTION ISOLATION LEVEL REPEATABLE READ, READ ONLY"))) {
            *error = level.lastError();
            db.rollback();
            return false;
        }
        EndWatch();
    }
    m_inTransaction = true;
    return true;
}

bool DatabaseConnection::CommitTransaction(QSqlError* error)
{
    QSqlDatabase db = Database();
    BeginWatch();
    if (!db.commit()) {
        // Still open: the caller's rollback (or the scope's end) undoes it.
        *error = db.lastError();
        return false;
    }
    EndWatch();
    m_inTransaction = false;
    return true;
}

void DatabaseConnection::RollbackTransaction()
{
    m_inTransaction = false;
    BeginWatch();
    Database().rollback();
    EndWatch();
}

void DatabaseConnection::BeginSavepoint()
{
    m_savepoint = false;
    if (m_inTransaction && IsPostgreSql()) {
        QSqlQuery savepoint = NewQuery();
        m_savepoint = savepoint.exec(QStringLiteral("SAVEPOINT sortilo_statement"));
    }
}

void DatabaseConnection::EndSavepoint(bool keep)
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

QString DatabaseConnection::ErrorText(const QSqlError& error)
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

bool DatabaseConnection::IsReadOnlyError(const QSqlError& error)
{
    // SQLITE_READONLY and its extended codes.
    bool number = false;
    const int code = error.nativeErrorCode().toInt(&number);
    return number && (code & 0xff) == 8;
}
