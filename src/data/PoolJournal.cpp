// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/PoolJournal.h"

void PoolJournal::Record(quint64 count, Kind kind, const PersonRow& person)
{
    // A count that does not follow the last one starts the journal again: the gap could not
    // be bridged anyway.
    if (!m_entries.empty() && m_entries.back().count >= count) {
        m_entries.clear();
    }
    m_entries.push_back({count, kind, person});
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
    if (m_entries.empty() || m_entries.front().count > from + 1 || m_entries.back().count != to) {
        return std::nullopt;
    }
    // Counts are increasing; the ones wanted are the last to - from entries, without a gap.
    const size_t wanted = static_cast<size_t>(to - from);
    if (wanted > m_entries.size()) {
        return std::nullopt;
    }
    quint64 expected = from + 1;
    for (auto it = m_entries.end() - static_cast<std::ptrdiff_t>(wanted); it != m_entries.end();
         ++it) {
        if (it->count != expected++) {
            return std::nullopt;
        }
        entries.append(*it);
    }
    return entries;
}
