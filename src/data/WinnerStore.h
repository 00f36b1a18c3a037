// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/PersonStore.h"

#include <QList>
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
    // True when the participant has a win. A failed query counts as not won: the insert of the
    // win is the final word.
    bool HasWon(const QString& personId);
    // Stores a win with the participant's present name and remark. Shows nothing: a refused
    // win (false) is described in refusal, for the caller to tell the operator in one box.
    // A file taken away meanwhile refuses every win, so none is lost with it.
    bool InsertWinner(const ComePrizeRow& win, WinRefusal* refusal = nullptr);
    // The name the participant's win was stored with; nullopt when there is no such win or the
    // query failed.
    std::optional<QString> WinnerName(const QString& personId);

    // Every stored win by level, then place, then time.
    std::optional<QList<WinnerRecordRow>> Records();
    // The same rows as the winners export reads them.
    std::optional<QList<WinnerRecordRow>> ExportRows();
    // Every stored win, including those of removed participants.
    std::optional<int> Count();
    bool DeleteAll();

private:
    std::optional<QList<WinnerRecordRow>> ReadRecords(const char* sql);

    CAdoDatabase& m_database;
};
