// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/PrizeStore.h"

#include <QString>

class CAdoDatabase;
class DrawHost;

// The prize level and the round quota the operator selects on the draw window (ID_NUMBER,
// ID_NUMBER1), with the prize names and round sizes of the levels as last read from the
// database. Both values move by one within 1..8; past 8 the quota takes one value more, the
// selected level's round size when that is above 8: up from 8 goes straight to it, down from it
// straight back to 8. While the quota is above 8 it follows the level's round size
// (FollowRoundSize). Whether a change is allowed at all (not during a round) is the engine's
// decision.
class LevelSelector
{
public:
    static constexpr int MaxValue = PrizeStore::Levels; // of the level and of the quota up to 8

    LevelSelector(DrawHost& host, CAdoDatabase& database);

    int PrizeLevel() const { return m_level; }
    int RoundQuota() const { return m_quota; }
    // Prize name of level 1..8 as last read from the database; empty outside 1..8.
    QString PrizeName(int level) const
    {
        return level >= 1 && level <= MaxValue ? m_prizeNames[level - 1] : QString();
    }
    // Round size of level 1..8 as last read from the database; 8 outside 1..8.
    int RoundSize(int level) const
    {
        return level >= 1 && level <= MaxValue ? m_roundSizes[level - 1] : MaxValue;
    }

    // Reads the prize names and round sizes; when the row cannot be read they keep their values.
    void LoadPrizeNames();
    // The level or the quota up or down by one (delta +1 or -1), shown on the window; at a bound
    // the host's notice tells the operator and nothing changes. The quota reads the round sizes
    // before it goes past 8 (a database box may show meanwhile).
    void ChangeLevel(int delta);
    void ChangeQuota(int delta);
    // Above 8 the quota is the selected level's round size (or 8 again when that is 8).
    void FollowRoundSize();

private:
    void Change(int& value, int changed, int maximum, const QString& skinName);

    DrawHost& m_host;
    PrizeStore m_prizes;
    int m_level = 1;
    int m_quota = 1;
    PrizeStore::PrizeNames m_prizeNames; // levels 1..8 at 0..7
    PrizeStore::RoundSizes m_roundSizes; // levels 1..8 at 0..7
};
