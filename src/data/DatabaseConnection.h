// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/DatabaseTarget.h"
#include "data/ServerLink.h"
#include "data/SqliteFileGuard.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

#include <functional>
#include <memory>

struct sqlite3;

// One connection of Qt's SQL module to a database target, under a name of its own: opening it
// (refusing what is not the program's database, upgrading an older one), its transactions and
// the savepoints around statements inside them, and on PostgreSQL the link that bounds waits
// for the server and connects again after the server went away (ServerLink). Failures while
// opening are shown through the message service; failures of statements are returned for the
// caller to report.
class DatabaseConnection
{
public:
    DatabaseConnection();
    ~DatabaseConnection();
    DatabaseConnection(const DatabaseConnection&) = delete;
    DatabaseConnection& operator=(const DatabaseConnection&) = delete;

    // Opens target (see CAdoDatabase::ConnectDatabase); false with LastError() after its box.
    // PostgreSQL: sessionSetUp prepares the new session once the database is known to be the
    // program's and before it is upgraded; its failure (with the reason) refuses the database.
    bool Open(const DatabaseTarget& target,
              const std::function<bool(QString* error)>& sessionSetUp = {});
    // Closes the connection and forgets its transaction, link and file guard.
    void Close();
    bool IsConnected() const { return m_connected; }
    const DatabaseTarget& Target() const { return m_target; }
    bool IsSqlite() const { return m_target.driver == DatabaseTarget::Driver::Sqlite; }
    bool IsPostgreSql() const { return m_target.driver == DatabaseTarget::Driver::PostgreSql; }
    QString LastError() const { return m_lastError; }

    QSqlDatabase Database() const;
    // A forward-only query on this connection.
    QSqlQuery NewQuery() const;
    // The SQLite handle under the driver's connection; null on other databases.
    sqlite3* SqliteHandle() const;

    // PostgreSQL: the link to the server (made at the first use after opening); nothing on
    // SQLite. EndWatch is true when the statement was cut off because the server did not answer.
    ServerLink* Link();
    void SetServerLimits(const ServerLink::Limits& limits);
    void BeginWatch();
    bool EndWatch();
    // Whether the server could not be reached for the statement just failed (cut is EndWatch's
    // answer), and why.
    bool ServerUnreachable(bool cut) const { return m_link && (cut || !m_link->IsUp()); }
    QString DownReason() const { return m_link ? m_link->DownReason() : QString(); }
    // PostgreSQL: connects again after the server went away (see ServerLink::Ensure). An open
    // transaction is gone once connected again. Always Up on SQLite.
    ServerLink::State Recover(bool mayWait);

    // Transactions (see CAdoDatabase). On failure error holds the cause.
    // snapshot: a read-only transaction that sees the data as it was at its first read, taking
    // no write lock (SQLite: a deferred transaction; PostgreSQL: repeatable read).
    bool BeginTransaction(QSqlError* error, bool snapshot = false);
    bool CommitTransaction(QSqlError* error);
    void RollbackTransaction();
    bool InTransaction() const { return m_inTransaction; }
    // Inside a transaction on PostgreSQL a failed statement would abort the whole transaction;
    // a savepoint around each statement undoes just that statement, as SQLite does, so a
    // transaction goes on past a refused row on both engines. The savepoint ends once the
    // result is read (kept) or the statement failed (undone).
    void BeginSavepoint();
    void EndSavepoint(bool keep);

    // SQLite: the synchronous mode of commits (durable: synced before the commit returns).
    void SetDurable(bool durable);
    // SQLite: the guard over the connection's files, set up once the connection is.
    SqliteFileGuard& FileGuard() { return m_fileGuard; }
    const SqliteFileGuard& FileGuard() const { return m_fileGuard; }

    // The most telling text of a driver's error.
    static QString ErrorText(const QSqlError& error);
    // True for SQLite's "attempt to write a readonly database" (the file or its folder).
    static bool IsReadOnlyError(const QSqlError& error);

private:
    // Opens the driver's connection to target; false with the reason shown.
    bool OpenDriver(const DatabaseTarget& target);
    // Checks the database before anything is changed, sets the connection up and upgrades
    // an older database.
    bool ApplyConnectionSettings(const std::function<bool(QString* error)>& sessionSetUp);
    void Fail(const QString& description);
    // Shows why the database cannot be used and returns false.
    bool Refuse(bool readOnly, const QString& reason);

    QString m_name;
    DatabaseTarget m_target;
    QString m_lastError;
    bool m_connected = false;
    bool m_inTransaction = false;
    bool m_savepoint = false;    // a statement's savepoint is open (PostgreSQL transactions)
    QString m_protectedPath;     // the database file registered with ProtectedFiles
    SqliteFileGuard m_fileGuard; // SQLite only, once the connection is set up
    std::unique_ptr<ServerLink> m_link;
    ServerLink::Limits m_serverLimits;
};
