// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <optional>

class CAdoDatabase;

// One entry of the draw log as stored in table DrawLog.
struct DrawLogEntry
{
    qint64 seq = 0;   // 1, 2, 3... without a gap
    QString kind;     // DrawLog::Win, Clear, Import, Existing, Void, Unvoid
    QString time;     // when it was appended, UTC, "yyyy-MM-ddTHH:mm:ss.zzzZ"
    QString station;  // the host name of the machine that appended it
    QString payload;  // what happened, as compact JSON with its keys in order
    QString previous; // the digest of the entry before (DrawLog::FirstPrevious() for the first)
    QString digest;

    // SHA-256, as 64 lower-case hexadecimal digits, of the UTF-8 text of seq, kind, time,
    // station, payload and previous, each followed by a line feed except the last. Neither
    // kind nor station nor the compact payload holds a line feed, so the text is unambiguous.
    QString ComputeDigest() const;
};

// A win as the log names it: the columns of its ComePrize row as text (GetFieldText's form).
struct LoggedWin
{
    QString PersonID;
    QString sDateTime;
    QString step;
    QString sNo;
    QString JP;
    QString PersonName;
    QString Company;

    bool operator==(const LoggedWin&) const = default;
};

// The candidate pool a win was drawn from, for its draw log entry: how many participants it
// held, how many of them the pick chose among (the first range entries) and the digest of their
// numbers (see the draw's PoolDigest). A size below 0: not known (the entry names no pool).
struct PickPool
{
    qint64 size = -1;
    qint64 range = -1;
    QString digest;
    QString rule; // who the prize level admitted (EligibilityRule::Describe); empty: everyone
};

// The draw log: every event that changes who won, appended to table DrawLog and never
// rewritten. Each entry carries the digest of the entry before it, so changing or removing an
// entry breaks the chain; the one-row table DrawLogHead holds the last entry's number and digest,
// so removing entries at the end shows too. An entry is appended in the transaction of the
// change it records: both are stored or neither.
//
// Appends serialise on the head row: the first statement of an append updates it, which on
// PostgreSQL holds the row until the transaction ends, so stations sharing a database append to
// one chain in turn; on SQLite the write transaction already excludes every other writer.
class DrawLog
{
public:
    // The kinds of entries this program writes. A win drawn; a win stored before the database
    // kept a log, taken in when it was upgraded; the winners cleared; participants imported.
    static constexpr const char* Win = "win";
    static constexpr const char* Existing = "existing";
    static constexpr const char* Clear = "clear";
    static constexpr const char* Import = "import";
    // A win voided (the win's payload with voidId, reason, returnToPool, voidTime and station)
    // and a void undone (voidId and id). A win drawn for a voided place names it ("replaces").
    static constexpr const char* Void = "void";
    static constexpr const char* Unvoid = "unvoid";

    // The previous digest of the first entry: 64 zeros.
    static QString FirstPrevious();
    // The name entries are appended under: the machine's host name.
    static QString Station();

    explicit DrawLog(CAdoDatabase& database);

    // Holds the head for the open transaction: other stations' appends wait until it ends. A
    // change whose effect depends on what others stored (the clearing of every win) takes it
    // before the change, so that its entry falls where its effect did.
    bool Lock();
    // Appends entries of kind with payload, in order, in the open transaction. False when no
    // transaction is open, the head row is gone or a statement failed (see Error).
    bool Append(const QList<QPair<QString, QJsonObject>>& entries);
    bool Append(const QString& kind, const QJsonObject& payload)
    {
        return Append({{kind, payload}});
    }
    // Why the last Lock or Append failed.
    QString Error() const { return m_error; }

    // Hands every entry to entry in order, until it returns false; false when the read failed.
    bool Read(const std::function<bool(const DrawLogEntry&)>& entry);
    // The head's last entry number and digest; nullopt when the row is missing or unreadable.
    std::optional<QPair<qint64, QString>> Head();

    // The win stored for a participant, as the log names it; nullopt when there is none.
    std::optional<LoggedWin> StoredWin(const QString& personId);
    // The payload of a win: its stored columns and the pool it was drawn from, when known;
    // replaces: the voided place it fills (VoidedWinRow::VoidID), 0 for none.
    static QJsonObject WinPayload(const LoggedWin& win, const PickPool& pool = {},
                                  qint64 replaces = 0);
    // The win a payload names (the reverse of WinPayload).
    static LoggedWin WinOf(const QJsonObject& payload);

    // Upgrade of a database without a log: its stored wins become the log's first entries (kind
    // Existing), by level, place and time. Runs on the upgrade's connection inside its
    // transaction; false with error.
    static bool TakeInExisting(QSqlDatabase database, QString* error);

    // The clock the entries' time comes from (tests fix it).
    void SetClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

private:
    CAdoDatabase& m_database;
    std::function<QDateTime()> m_clock;
    QString m_error;
};
