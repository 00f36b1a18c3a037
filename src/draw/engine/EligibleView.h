// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/EligibilityRule.h"
#include "draw/engine/CandidatePool.h"

#include <QList>
#include <QSet>
#include <QString>

// The entries of the candidate pool that a prize level's rule admits, in the pool's order, as
// the pick sees them: Size() candidates, the k-th at pool index PoolIndex(k). Taken afresh for
// every pick, so a changed rule or group needs no new read of the pool: one pass over the kept
// entries, none for a rule that admits everyone. Valid until the pool changes.
class EligibleView
{
public:
    // checkedIn, when given, admits only the participants it holds (by PersonRow::IdKey): the
    // event lets only those checked in take part.
    EligibleView(const CandidatePool& pool, const EligibilityRule& rule,
                 const QSet<QString>* checkedIn = nullptr);

    qsizetype Size() const { return m_everyone ? m_poolSize : m_indices.size(); }
    qsizetype PoolIndex(qsizetype k) const { return m_everyone ? k : m_indices.at(k); }

private:
    bool m_everyone;
    qsizetype m_poolSize;
    QList<qsizetype> m_indices;
};
