// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/engine/CheckedInFilter.h"

#include "data/PersonStore.h"
#include "draw/engine/CandidatePool.h"

CheckedInFilter::CheckedInFilter(CAdoDatabase& database) : m_store(database, QString()) {}

bool CheckedInFilter::Update()
{
    const std::optional<bool> only = m_store.OnlyCheckedIn();
    if (!only) {
        return false;
    }
    m_only = *only;
    if (!m_only) {
        return true;
    }
    return m_store.Changes(m_seq, &m_seq, [this](const QString& personId, bool checkedIn) {
        if (checkedIn) {
            m_checkedIn.insert(PersonRow::IdKey(personId));
        } else {
            m_checkedIn.remove(PersonRow::IdKey(personId));
        }
    });
}

void CheckedInFilter::Select(const CandidatePool& pool)
{
    m_poolSize = pool.Size();
    m_indices.clear();
    if (!m_only) {
        return;
    }
    for (qsizetype i = 0; i < m_poolSize; ++i) {
        if (m_checkedIn.contains(PersonRow::IdKey(pool.At(i).PersonID))) {
            m_indices.push_back(i);
        }
    }
}

qsizetype CheckedInFilter::Size() const
{
    return m_only ? static_cast<qsizetype>(m_indices.size()) : m_poolSize;
}

qsizetype CheckedInFilter::PoolIndex(qsizetype i) const
{
    return m_only ? m_indices[static_cast<size_t>(i)] : i;
}
