// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/engine/EligibleView.h"

EligibleView::EligibleView(const CandidatePool& pool, const EligibilityRule& rule)
    : m_everyone(rule.AdmitsEveryone()), m_poolSize(pool.Size())
{
    if (m_everyone) {
        return;
    }
    const QList<PersonRow>& entries = pool.Entries();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (rule.Admits(entries[i].PersonGroup)) {
            m_indices.append(i);
        }
    }
}
