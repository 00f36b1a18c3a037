// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/PersonStore.h"
#include "data/VoidStore.h"
#include "data/WinnerStore.h"

#include <QList>
#include <QPair>

#include <array>

class CAdoDatabase;

// The open places that voided wins left, by prize level, and the replacement round that fills
// those of one level: one winner a place, in place order, each stored with the place (sNo) of
// the voided win and its VoidID, so that the store marks the place filled in the same
// transaction (or refuses the win when another station filled it meanwhile).
//
// It also keeps the winners of the engine's last round, as stored, for the operator who voids
// some of them right after the round: a winner voided since leaves the list, and comes back
// when the void is undone.
class ReplacementRound
{
public:
    static constexpr int Levels = 8;

    explicit ReplacementRound(CAdoDatabase& database);

    // Reads how many open places each level has; the counts read before stay when the read
    // fails (quietly: the next read tries again).
    void ReadCounts();
    // Open places of level 1..8 as last read; 0 outside 1..8.
    int OpenPlaces(int level) const
    {
        return level >= 1 && level <= Levels ? m_counts[level - 1] : 0;
    }

    // Reads the open places of level and begins the round that fills them; false when there
    // is none (or the read failed, the database layer's box shown).
    bool Begin(int level);
    // Ends the round (filled or not) and reads the counts again.
    void End();
    bool Active() const { return m_active; }
    // The last Begin found no place because the read failed.
    bool ReadFailed() const { return m_readFailed; }
    // Places the round fills.
    int Count() const { return static_cast<int>(m_places.size()); }
    // Sets the place and the voided win it fills on the win of pick 1..Count.
    void Fill(ComePrizeRow& win, int pick) const;
    // The place (sNo) of pick 1..Count; 0 outside.
    int Place(int pick) const;
    // Place and VoidID of every pick, in place order.
    QList<QPair<int, qint64>> Places() const;

    // The last round's winners: forgets them (a round starts), records one as stored.
    void ClearLastRound();
    void AddWinner(const PersonRow& winner, const ComePrizeRow& win);
    // Takes out of the list the winners whose win is voided now (and back those whose void was
    // undone): reads the voided wins; the list stays as it was when the read fails.
    void FollowVoids();
    const QList<PersonRow>& LastRoundWinners() const { return m_standing; }

private:
    CAdoDatabase& m_database;
    VoidStore m_voids;
    std::array<int, Levels> m_counts{};
    QList<VoidedWinRow> m_places;
    bool m_active = false;
    bool m_readFailed = false;
    QList<QPair<PersonRow, ComePrizeRow>> m_lastRound;
    QList<PersonRow> m_standing; // m_lastRound without the voided wins
};
