// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/ChangeMonitor.h"
#include "data/ChangeStamp.h"
#include "data/DatabaseConnection.h"
#include "data/DatabaseTarget.h"
#include "data/PoolJournal.h"
#include "data/ServerLink.h"
#include "data/SqliteDirectReader.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <functional>
#include <memory>
#include <vector>

// The program's one path to its database: one connection (DatabaseConnection) and one shared
// result ("recordset") that every statement replaces. A query's rows are read completely when it is
// opened, so the record count is exact and a caller reads rows by field name as text until the next
// statement. Failures are shown through the message service ("Error: %s") and returned as false.
//
// Each instance owns its own connection; an instance must be used on the thread that connected
// it (a worker thread connects an instance of its own to the same target).
//
// On PostgreSQL no statement waits for the server longer than a few seconds (ServerLink): one
// that does is cut off and fails, and so does every statement while the server cannot be
// reached, each after a brief wait and with a plain notice that the program keeps connecting.
// The connection is made again step by step, at later statements and change tokens, without
// holding the thread up; the first statement after the server is back works again.
class CAdoDatabase
{
public:
    // How commits reach the disk. Durable commits are synced before they return, so a recorded
    // winner survives a power cut; Bulk lets a connection doing many inserts (an import) skip
    // the per-commit sync. The database file stays consistent either way.
    enum class Durability
    {
        Durable,
        Bulk
    };

    CAdoDatabase();
    ~CAdoDatabase();
    CAdoDatabase(const CAdoDatabase&) = delete;
    CAdoDatabase& operator=(const CAdoDatabase&) = delete;

    // Opens the SQLite file at dataSource read-write. The file is never created: a missing file
    // is a connection failure with a clear description. So is a file without the program's
    // tables, one of a newer version of the program (both left unchanged) and one that can
    // only be read. An older database is upgraded; what the upgrade has to tell is shown once.
    bool ConnectDatabase(const QString& password, const QString& dataSource);
    // Opens any supported target; the description of a failure is shown and false returned.
    bool ConnectDatabase(const DatabaseTarget& target);
    bool IsConnected() const { return m_connection.IsConnected(); }
    const DatabaseTarget& Target() const { return m_connection.Target(); }
    // Text of the last failure (connection or statement), also when no box was shown.
    QString LastError() const { return m_lastError; }
    // What the operator reads about the last failed statement when the database server could
    // not be reached (that it does not answer and that the program keeps trying); empty when
    // the statement failed for another reason. LastError() then holds the technical cause.
    QString LastNotice() const { return m_lastNotice; }

    // While one lives, failed statements of the database show no box: the caller reports the
    // failure in one box of its own (LastNotice() or its own text, LastError() as the detail).
    class QuietFailures
    {
    public:
        explicit QuietFailures(CAdoDatabase& database)
            : m_database(database), m_wasQuiet(database.m_quiet)
        {
            database.m_quiet = true;
        }
        ~QuietFailures() { m_database.m_quiet = m_wasQuiet; }
        QuietFailures(const QuietFailures&) = delete;
        QuietFailures& operator=(const QuietFailures&) = delete;

    private:
        CAdoDatabase& m_database;
        bool m_wasQuiet;
    };

    // PostgreSQL: how long statements wait for the server (see ServerLink::Limits).
    void SetServerLimits(const ServerLink::Limits& limits);

    void SetDurability(Durability durability);

    // Whether the SQLite files this connection opened are still in place (see SqliteFileGuard:
    // the database deleted, replaced or overwritten, its log or index deleted or replaced).
    // Otherwise anything stored from then on could vanish: a recovery copy is written, the
    // operator is told and false is returned. Other databases always pass.
    bool CheckFileInPlace();
    // The recovery copy made by CheckFileInPlace, empty while none was needed.
    QString RecoveryPath() const { return m_connection.FileGuard().RecoveryPath(); }

    // Runs one statement. Values for its "?" placeholders are bound, never spliced into the
    // text. A query leaves the shared result on its first row; an action statement leaves it
    // closed. On failure shows "Error: %s", leaves the result closed and returns false.
    bool OpenQuery(const QString& sql, const QVariantList& values = {});
    // Runs a query without keeping its rows: each row's first columns are handed to row as text
    // (as GetFieldText gives them) while the statement steps. For reads of up to 100,000 rows,
    // where the shared result's copies cost more than the statement itself. The shared result
    // is left closed; failures are shown and returned as OpenQuery's are.
    bool ReadRows(const QString& sql, int columns,
                  const std::function<void(const QString* values)>& row);
    // SQLite: whether ReadRows may step the driver's connection straight through libsqlite3
    // (SqliteDirectReader), which it does where the libraries match; otherwise it reads through
    // the driver, with the same results. On by default.
    void SetDirectReads(bool allowed) { m_directReads = allowed; }
    bool ReadsDirectly() const { return m_directReads && m_reader.Handle(); }

    // Transactions on this connection; DatabaseTransaction is the scoped form. On SQLite the
    // write lock is taken at the start, so a transaction never fails halfway for a lock. On
    // both engines a failed statement undoes only itself; the transaction stays open.
    // Transactions do not nest. Failures show "Error: %s" and return false.
    bool BeginTransaction();
    // A read-only transaction in which every read sees the data as it was at the first one,
    // while other connections go on writing (a check that reads several tables); ended by
    // RollbackTransaction.
    bool BeginReadSnapshot();
    bool CommitTransaction();
    // Undoes the open transaction; without one it does nothing.
    void RollbackTransaction();
    bool InTransaction() const { return m_connection.InTransaction(); }

    // A stamp that changes whenever the data may have changed since it was taken: after every
    // action statement run through this instance and after any commit by another connection.
    // Where changes of other connections cannot be seen (a lost connection) it changes on every
    // call. Take it before reading what it guards. It does not touch the shared result.
    ChangeStamp ChangeToken();
    // The count of changes through this instance, as the change token holds it.
    quint64 ChangeCount() const { return m_monitor.OwnChanges(); }
    // What the stores changed through this instance, for the draw's candidate pool.
    PoolJournal& Journal() { return m_journal; }

    bool IsEOF() const;
    void MoveNext();
    // The field of the current row as text: NULL gives "", numbers their plain decimal text.
    // Names are matched case-insensitively; an unknown field or no current row gives "".
    QString GetFieldText(const QString& field) const;
    int GetRecordCount() const;

    // Plain text of a value as GetFieldText gives it.
    static QString ValueText(const QVariant& value);
    // True for SQLite's "attempt to write a readonly database" (the file or its folder).
    static bool IsReadOnlyError(const QSqlError& error)
    {
        return DatabaseConnection::IsReadOnlyError(error);
    }
    // A text to bind as the statements store text: never NULL, a null text is the empty text.
    static QVariant TextValue(const QString& text);

private:
    friend class PreparedStatement;

    QSqlQuery NewQuery() const { return m_connection.NewQuery(); }
    // Closes the shared result and makes sure a statement can run (connected, a dropped server
    // connection made again); otherwise reports the failure and returns false.
    bool ReadyForStatement();
    // Takes the result of a statement that ran: a query's rows become the shared result.
    bool TakeResult(QSqlQuery& query);
    // Records a failed statement, shows "Error: %s" and returns false. When the server could
    // not be reached, the box reads the plain notice instead, with the cause as its detail.
    bool StatementFailed(const QSqlError& error);
    // Reports a call that does not fit the connection's state (a transaction open or not).
    bool Misuse(const QString& description);
    void BeginWatch() { m_connection.BeginWatch(); }
    bool EndWatch() { return m_connection.EndWatch(); }
    void BeginSavepoint() { m_connection.BeginSavepoint(); }
    void CloseRecordset();
    bool Begin(bool snapshot);
    void ReleaseConnection();
    // PostgreSQL: connects again after the server went away and subscribes the new session to
    // the change notifications; false while the server cannot be reached. mayWait: a
    // statement, which waits briefly for the server's answers; otherwise only what has arrived
    // is taken.
    bool RecoverConnection(bool mayWait);

    DatabaseConnection m_connection;
    ChangeMonitor m_monitor{m_connection};
    SqliteDirectReader m_reader; // SQLite, where the libraries match
    bool m_directReads = true;
    QString m_lastError;
    QString m_lastNotice;
    bool m_quiet = false;
    PoolJournal m_journal;

    // The shared result.
    QStringList m_fields;
    std::vector<QVariant> m_values; // row-major
    int m_rowCount = 0;
    int m_row = 0;
};
