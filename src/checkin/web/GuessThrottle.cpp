// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkin/web/GuessThrottle.h"

#include <algorithm>

QByteArray GuessThrottle::Key(const QHostAddress& client)
{
    bool isV4 = false;
    const quint32 v4 = client.toIPv4Address(&isV4); // also an IPv4 address mapped into IPv6
    if (isV4) {
        return QByteArray::number(v4);
    }
    const Q_IPV6ADDR v6 = client.toIPv6Address();
    return QByteArray(reinterpret_cast<const char*>(v6.c), 8);
}

qint64 GuessThrottle::WaitFor(const QHostAddress& client, qint64 now) const
{
    const auto found = m_entries.constFind(Key(client));
    if (found == m_entries.constEnd()) {
        return 0;
    }
    return std::max<qint64>(0, found->blockedUntil - now);
}

void GuessThrottle::RecordRefusal(const QHostAddress& client, qint64 now)
{
    const QByteArray key = Key(client);
    if (!m_entries.contains(key) && m_entries.size() >= m_limits.Capacity) {
        MakeRoom(now);
    }
    Entry& entry = m_entries[key];
    if (entry.refusals == 0 || now - entry.windowStart > m_limits.Window) {
        entry = Entry{now, now, 0, 0};
    }
    ++entry.refusals;
    entry.lastRefusal = now;
    const int beyond = entry.refusals - m_limits.RefusalsAllowed;
    if (beyond >= 0) {
        const qint64 block = m_limits.FirstBlock << std::min(beyond, 20);
        entry.blockedUntil = now + std::min(block, m_limits.MaxBlock);
        // Once shut out, an address is forgiven only a whole window after its last refusal.
        entry.windowStart = now;
    }
}

void GuessThrottle::MakeRoom(qint64 now)
{
    // Addresses whose window has passed and that are not shut out go first.
    m_entries.removeIf([&](const QHash<QByteArray, Entry>::iterator& it) {
        return now - it->windowStart > m_limits.Window && it->blockedUntil <= now;
    });
    if (m_entries.size() < m_limits.Capacity) {
        return;
    }
    auto oldest = m_entries.begin();
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->lastRefusal < oldest->lastRefusal) {
            oldest = it;
        }
    }
    m_entries.erase(oldest);
}
