// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/engine/EligibleView.h"

EligibleView::EligibleView(const CandidatePool& pool, const EligibilityRule& rule,
                           const QSet<QString>* checkedIn)
    : m_everyone(rule.AdmitsEveryone() && !checkedIn), m_poolSize(pool.Size())
{
    if (m_everyone) {
        return;
    }
    const QList<PersonRow>& entries = pool.Entries();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (rule.Admits(entries[i].PersonGroup) &&
            (!checkedIn || checkedIn->contains(PersonRow::IdKey(entries[i].PersonID)))) {
            m_indices.append(i);
        }
    }
}
