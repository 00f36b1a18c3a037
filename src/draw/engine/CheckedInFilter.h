// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/CheckinStore.h"

#include <QSet>
#include <QString>
#include <QtGlobal>

#include <vector>

class CAdoDatabase;
class CandidatePool;

// The entries of the candidate pool that take part in a pick: every entry, unless the event
// admits only checked-in participants, then those among them, in pool order. The checked-in
// set is kept apart from the pool and brought up to date from the check-ins changed since its
// last read, so that check-ins arriving by the thousand from the door never have the pool of
// 100,000 participants read again.
class CheckedInFilter
{
public:
    explicit CheckedInFilter(CAdoDatabase& database);

    // Reads the event's option and, while it is on, the check-ins changed since the last read.
    // False when a read failed (its box was shown): what was read before is kept.
    bool Update();
    // Takes the entries of pool that take part.
    void Select(const CandidatePool& pool);

    bool Restricted() const { return m_only; }
    // The numbers checked in (PersonRow::IdKey) while only they take part, else null.
    const QSet<QString>* Admitted() const { return m_only ? &m_checkedIn : nullptr; }
    qsizetype Size() const;
    // The index into the pool of taking-part entry i (0 <= i < Size()).
    qsizetype PoolIndex(qsizetype i) const;

private:
    CheckinStore m_store;
    QSet<QString> m_checkedIn; // numbers as PersonRow::IdKey gives them
    qint64 m_seq = 0;          // the last change read
    bool m_only = false;
    qsizetype m_poolSize = 0;
    std::vector<qsizetype> m_indices; // while restricted
};
