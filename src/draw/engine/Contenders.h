// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/EligibilityStore.h"
#include "draw/engine/CheckedInFilter.h"
#include "draw/engine/EligibleView.h"

#include <QSet>
#include <QString>

class CAdoDatabase;
class CandidatePool;

// Who may take part in a pick of a prize level: the participants of the candidate pool (those
// who have not won) that the level's rule admits and, while the event lets only those checked
// in take part, who checked in. The rules are read at every Start; the checked-in set follows
// the pool. Neither needs the pool read again.
class Contenders
{
public:
    static constexpr int Levels = EligibilityStore::Levels;

    Contenders(CAdoDatabase& database, CandidatePool& pool);

    // Reads every level's rule; false (the database layer's box shown) when the read failed,
    // the rules read before staying in force.
    bool LoadRules();
    // Brings the pool and the checked-in set up to date; true when anyone takes part.
    bool Update();
    // The pool's entries that take part in a pick of level 1..8, in the pool's order.
    EligibleView Of(int level) const;
    // The rule of level 1..8 as read at the last Start (everyone outside 1..8 and before it).
    const EligibilityRule& RuleInForce(int level) const
    {
        return level >= 1 && level <= Levels ? m_rules[level - 1] : m_everyone;
    }
    // The numbers checked in (PersonRow::IdKey) while only they take part, else null.
    const QSet<QString>* CheckedIn() const { return m_takingPart.Admitted(); }
    // Takes the pool's entries again after it dropped one.
    void Reselect();
    // Why nobody takes part at all (the pool's read did not fail): nobody checked in is left,
    // there are no participants, or everyone has won.
    QString NobodyLeftText() const;
    // Why nobody takes part in a pick of level, named with its prize.
    QString NobodyForLevelText(int level, const QString& prize) const;

private:
    CAdoDatabase& m_database;
    CandidatePool& m_pool;
    EligibilityStore m_eligibility;
    EligibilityStore::Rules m_rules; // levels 1..8 at 0..7
    const EligibilityRule m_everyone;
    CheckedInFilter m_takingPart;
};
