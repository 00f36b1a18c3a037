#pragma once

#include "PersonStore.h"

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

// A win with its participant's data, as the winners record and its export read it from the
// view hadPrizeView. Every column is text, numbers in their plain decimal form.
struct WinnerRecordRow
{
    QString PersonID;
    QString PersonName;
    QString company;
    QString sDateTime;
    QString step;
    QString sNo;
    QString JP;

    bool operator==(const WinnerRecordRow&) const = default;
};

// The winner statements of the catalogue with bound values. Every call reads all rows of its
// query before it returns. A failed statement has already shown the layer's "Error: %s" box;
// callers add their own text.
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
    // Refused (false, the operator told) when the database file was taken away meanwhile.
    bool InsertWinner(const ComePrizeRow& win);
    // The participant's name; nullopt when there is no such participant or the query failed.
    std::optional<QString> WinnerName(const QString& personId);

    // Wins of known participants by level, then place, then time.
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
