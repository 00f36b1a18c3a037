// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/PoolJournal.h"

void PoolJournal::Record(quint64 from, quint64 count, Kind kind, const PersonRow& person)
{
    // A count that does not follow the last one starts the journal again: the gap could not
    // be bridged anyway.
    if (!m_entries.empty() && m_entries.back().count >= count) {
        m_entries.clear();
    }
    m_entries.push_back({count, from, kind, person});
    if (m_entries.size() > MaxEntries) {
        m_entries.pop_front();
    }
}

std::optional<QList<PoolJournal::Entry>> PoolJournal::Between(quint64 from, quint64 to) const
{
    QList<Entry> entries;
    if (to < from) {
        return std::nullopt;
    }
    if (to == from) {
        return entries;
    }
    if (m_entries.empty() || m_entries.back().count != to) {
        return std::nullopt;
    }
    // Counts are increasing; the entries wanted are the last ones, back to the one that begins
    // at from, each beginning where the one before it ended.
    auto it = m_entries.end();
    quint64 end = to;
    while (end > from) {
        if (it == m_entries.begin()) {
            return std::nullopt;
        }
        --it;
        if (it->count != end || it->from >= end || it->from < from) {
            return std::nullopt;
        }
        end = it->from;
    }
    for (; it != m_entries.end(); ++it) {
        entries.append(*it);
    }
    return entries;
}
