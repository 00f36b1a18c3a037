// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/DrawLog.h"
#include "data/PersonStore.h"

#include <QList>
#include <QSet>
#include <QString>

#include <optional>

class CAdoDatabase;

// A win as the draw stores it in table ComePrize.
struct ComePrizeRow
{
    QString PersonID;
    QString sDateTime; // "yyyy-MM-dd HH:mm:ss", local time of the draw
    int step = 0;      // prize level 1..8
    int sNo = 0;       // place within its round, from 1
    QString JP;        // the prize name at the time of the draw
    // The voided win whose place this win fills (VoidedWinRow::VoidID); 0: an ordinary win.
    qint64 replaces = 0;
};

// Why a win was not stored, for the one box in which the draw tells the operator.
struct WinRefusal
{
    enum class Cause
    {
        // The participant has a stored win already: drawn at another station meanwhile (the
        // database refuses a second win).
        AlreadyWon,
        // The database file was deleted or replaced while the program ran (see
        // CAdoDatabase::CheckFileInPlace and its RecoveryPath).
        FileGone,
        // The win was to fill a voided place that is no longer open: filled or its void undone
        // meanwhile (at another station). Nothing was stored.
        PlaceTaken,
        // The database refused the win or could not be reached.
        Failed
    };
    Cause cause = Cause::Failed;
    QString detail; // the database's own words
};

// A win with the name, remark and group it was won under, as the winners record and its export read
// it from the view hadPrizeView. Every column is text, numbers in their plain decimal form.
struct WinnerRecordRow
{
    QString PersonID;
    QString PersonName;
    QString company;
    QString sDateTime;
    QString step;
    QString sNo;
    QString JP;
    QString PersonGroup{}; // the group it was won under; empty: none

    bool operator==(const WinnerRecordRow&) const = default;
};

// The winner statements of the catalogue with bound values. Every call reads all rows of its
// query before it returns. A failed statement has already shown the layer's "Error: %s" box;
// callers add their own text. InsertWinner alone shows nothing (see there).
class WinnerStore
{
public:
    explicit WinnerStore(CAdoDatabase& database) : m_database(database) {}

    // Participants without a win, in the order the database returns them (the draw's
    // half-range rule works on that order); nullopt when the query failed.
    std::optional<QList<PersonRow>> CandidatePool();
    // The participants with a stored win, by PersonRow::IdKey; nullopt when the query failed.
    std::optional<QSet<QString>> WinnerKeys();
    // True when the participant may not win: a stored win, or a voided one that did not put
    // them back into the pool. A failed query counts as not won: the insert of the win is the
    // final word.
    bool HasWon(const QString& personId);
    // Stores a win with the participant's present name and remark. Shows nothing: a refused
    // win (false) is described in refusal, for the caller to tell the operator in one box.
    // A file taken away meanwhile refuses every win, so none is lost with it. The win and its
    // draw log entry (naming pool) are stored in one transaction, or neither is. A win that
    // replaces a voided one fills its place in the same transaction, or is refused (PlaceTaken)
    // when the place is no longer open.
    bool InsertWinner(const ComePrizeRow& win, WinRefusal* refusal = nullptr,
                      const PickPool& pool = {});
    // Appends the draw log entry of a win stored in the open transaction: the win as stored
    // (read back), with the pool it was drawn from. For every store of wins, one call a win,
    // before the commit. False (with the reason in *error) when the entry could not be appended:
    // the transaction must then be rolled back.
    bool LogWin(const QString& personId, const PickPool& pool, QString* error, qint64 replaces = 0);
    // Stores the wins of one round (one time, one level, places 1..n) in one transaction: all of
    // them or, when any is refused, none. Shows nothing, as InsertWinner; refusal names the
    // participant refused in its cause (AlreadyWon: won meanwhile at another station). On
    // success stored holds each win's participant with the name and remark it was stored with,
    // in the order of wins. Replacements fill their places as InsertWinner's do (PlaceTaken).
    // Each win's draw log entry names pools[i], the pool it was drawn from (unknown past the end).
    bool InsertRound(const QList<ComePrizeRow>& wins, QList<PersonRow>* stored,
                     WinRefusal* refusal = nullptr, QString* refusedId = nullptr,
                     const QList<PickPool>& pools = {});
    // The name the participant's win was stored with; nullopt when there is no such win or the
    // query failed.
    std::optional<QString> WinnerName(const QString& personId);

    // Every stored win by level, then place, then time.
    std::optional<QList<WinnerRecordRow>> Records();
    // The same rows as the winners export reads them.
    std::optional<QList<WinnerRecordRow>> ExportRows();
    // Every stored win, including those of removed participants.
    std::optional<int> Count();
    // Removes every win and every voided win; the draw log keeps them and records the clearing.
    bool DeleteAll();

private:
    // Whether ComePrize holds a win of the participant (the cause of a refused insert).
    bool IsStored(const QString& personId);
    // Marks the voided place win replaces (none: nothing to do) as filled by win; false when
    // the place is not open any more, nullopt when a statement failed.
    std::optional<bool> FillPlace(const ComePrizeRow& win);

    std::optional<QList<WinnerRecordRow>> ReadRecords(const char* sql);

    CAdoDatabase& m_database;
};
