// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QVariantList>
#include <QtGlobal>

#include <optional>

class CAdoDatabase;

// A win the operator declared void (the winner was not in the hall), as table VoidedWin keeps
// it: the win as it was stored, when and why it was voided, and the replacement drawn for it.
struct VoidedWinRow
{
    qint64 VoidID = 0; // identifies the void (a participant may be voided more than once)
    // The win as it was stored in ComePrize.
    QString PersonID;
    QString PersonName;
    QString Company;
    QString PersonGroup;
    QString sDateTime;
    int step = 0;
    int sNo = 0;
    QString JP;
    // The void.
    QString VoidTime; // "yyyy-MM-dd HH:mm:ss", local time
    QString Reason;   // may be empty
    QString Station;
    bool ReturnToPool = false; // the participant may win again at this event
    // The replacement; empty while the place is open.
    QString ReplacedBy;
    QString ReplacedTime;

    bool IsOpen() const { return ReplacedBy.isEmpty(); }
};

// Why a void or an undo was refused, for the one box the caller shows.
struct VoidRefusal
{
    enum class Cause
    {
        NoSuchWin, // the participant has no stored win (voided or cleared at another station)
        NotVoided, // undo: no open void of that number
        Replaced,  // undo: a replacement was drawn already
        WonAgain,  // undo: the participant, put back into the pool, has won again meanwhile
        Failed     // the database refused or could not be reached
    };
    Cause cause = Cause::Failed;
    QString detail; // the database's own words
};

// Voided wins (table VoidedWin). Voiding moves the win out of ComePrize, so it no longer counts
// for its level and every reader of ComePrize sees the valid wins only; the row keeps the win
// with the void's time, reason and station, and later the replacement drawn for its place. A
// void, its undo and each replacement are appended to the draw log in their own transaction.
//
// By default a voided participant stays out of the pool (they may not win again at this event);
// the event option "voidReturnsToPool" (table EventOption, shared by every station) puts them
// back instead. The option is read at the moment of the void and kept with it.
class VoidStore
{
public:
    // station: the name this station's voids are stored with.
    VoidStore(CAdoDatabase& database, QString station);

    // Voids the stored win of personId at time with reason; false with refusal.
    bool Void(const QString& personId, const QString& reason, const QString& time,
              VoidRefusal* refusal = nullptr);
    // Undoes the open, not yet replaced void of personId: the win returns to ComePrize as it was.
    bool Undo(const QString& personId, VoidRefusal* refusal = nullptr);

    // Every voided win, by level, place and void time; nullopt when the query failed.
    std::optional<QList<VoidedWinRow>> Records();
    // The open (not replaced) places of level 1..8, by place then void time.
    std::optional<QList<VoidedWinRow>> OpenPlaces(int level);
    // How many open places each level 1..8 has (index 0 is level 1).
    std::optional<QList<int>> OpenPlaceCounts();

    // The event option: whether a voided participant goes back into the pool (off when unset).
    std::optional<bool> ReturnsToPool();
    bool SetReturnsToPool(bool on);

private:
    std::optional<QList<VoidedWinRow>> ReadRows(const char* sql, const QVariantList& values);

    CAdoDatabase& m_database;
    QString m_station;
};
