// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/ChangeStamp.h"
#include "data/DatabaseTarget.h"
#include "data/PoolJournal.h"
#include "data/ServerLink.h"
#include "data/SqliteFileGuard.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <functional>
#include <memory>
#include <vector>

// The program's one path to its database: one connection and one shared result ("recordset")
// that every statement replaces. A query's rows are read completely when it is opened, so the
// record count is exact and a caller reads rows by field name as text until the next statement.
// Failures are shown through the message service ("Error: %s") and returned as false.
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
    bool IsConnected() const;
    const DatabaseTarget& Target() const { return m_target; }
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
    QString RecoveryPath() const { return m_fileGuard.RecoveryPath(); }

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

    // Transactions on this connection; DatabaseTransaction is the scoped form. On SQLite the
    // write lock is taken at the start, so a transaction never fails halfway for a lock. On
    // both engines a failed statement undoes only itself; the transaction stays open.
    // Transactions do not nest. Failures show "Error: %s" and return false.
    bool BeginTransaction();
    bool CommitTransaction();
    // Undoes the open transaction; without one it does nothing.
    void RollbackTransaction();
    bool InTransaction() const { return m_inTransaction; }

    // A stamp that changes whenever the data may have changed since it was taken: after every
    // action statement run through this instance and after any commit by another connection.
    // Where changes of other connections cannot be seen (a lost connection) it changes on every
    // call. Take it before reading what it guards. It does not touch the shared result.
    ChangeStamp ChangeToken();
    // The count of changes through this instance, as the change token holds it.
    quint64 ChangeCount() const { return m_changeCount; }
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
    static bool IsReadOnlyError(const QSqlError& error);
    // A text to bind as the statements store text: never NULL, a null text is the empty text.
    static QVariant TextValue(const QString& text);

private:
    friend class PreparedStatement;

    QSqlQuery NewQuery() const;
    // Closes the shared result and makes sure a statement can run (connected, a dropped server
    // connection made again); otherwise reports the failure and returns false.
    bool ReadyForStatement();
    // Takes the result of a statement that ran: a query's rows become the shared result.
    bool TakeResult(QSqlQuery& query);
    // Records a failed statement, shows "Error: %s" and returns false. When the server could
    // not be reached, the box reads the plain notice instead, with the cause as its detail.
    bool StatementFailed(const QSqlError& error);
    // PostgreSQL: the link to the server (made at the first use after connecting) and the
    // watch over a statement's wait for the server; nothing on SQLite. EndWatch is true when
    // the statement was cut off because the server did not answer.
    ServerLink* Link();
    void BeginWatch();
    bool EndWatch();
    // Inside a transaction on PostgreSQL a failed statement would abort the whole transaction;
    // a savepoint around each statement undoes just that statement, as SQLite does, so a
    // transaction goes on past a refused row on both engines. The savepoint ends once the
    // result is read (kept) or in StatementFailed (undone).
    void BeginSavepoint();
    void EndSavepoint(bool keep);
    void CloseRecordset();
    void ReleaseConnection();
    void Fail(const QString& description, bool showBox);
    // Checks the database before anything is changed, sets the connection up and upgrades
    // an older database.
    bool ApplyConnectionSettings();
    // PostgreSQL: subscribes to the change notifications; false with m_lastError.
    bool Listen();
    // PostgreSQL: connects again after the server went away; false while it cannot be reached.
    // mayWait: a statement, which waits briefly for the server's answers; otherwise only what
    // has arrived is taken.
    bool RecoverConnection(bool mayWait);
    // Shows why the database cannot be used and returns false.
    bool Refuse(bool readOnly, const QString& reason);

    QString m_connectionName;
    DatabaseTarget m_target;
    QString m_lastError;
    bool m_connected = false;
    bool m_inTransaction = false;
    bool m_savepoint = false; // a statement's savepoint is open (PostgreSQL transactions)
    quint64 m_changeCount = 0;
    quint64 m_otherChanges = 0;      // PostgreSQL: changes announced by other connections
    quint64 m_otherWinsAdded = 0;    // PostgreSQL: ... of those, statements that stored wins
    SqliteFileGuard m_fileGuard;     // SQLite only, once the connection is set up
    bool m_fileGuardTripped = false; // ChangeToken found the files taken away (told once)
    QString m_protectedPath;         // the database file registered with ProtectedFiles
    std::unique_ptr<ServerLink> m_link;
    ServerLink::Limits m_serverLimits;
    bool m_listenPending = false; // PostgreSQL: connected again, LISTEN still to be sent
    QString m_lastNotice;
    bool m_quiet = false;
    PoolJournal m_journal;

    // The shared result.
    QStringList m_fields;
    std::vector<QVariant> m_values; // row-major
    int m_rowCount = 0;
    int m_row = 0;
};
