// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QHostAddress>

// Slows down a client that guesses: after RefusalsAllowed refused check-ins within Window, an
// address is shut out for a while, twice as long after each further refusal (up to MaxBlock).
// IPv6 addresses count by their /64 network, since one device may use many of them. The table
// holds at most Capacity addresses; when full, the one whose last refusal is oldest goes.
// Times are milliseconds of a monotonic clock, given by the caller.
class GuessThrottle
{
public:
    struct Limits
    {
        int RefusalsAllowed = 5;
        qint64 Window = 10 * 60 * 1000;
        qint64 FirstBlock = 5 * 1000;
        qint64 MaxBlock = 5 * 60 * 1000;
        int Capacity = 4096;
    };

    GuessThrottle() = default;
    explicit GuessThrottle(Limits limits) : m_limits(limits) {}

    // How long the address must still wait before it is heard again; 0 when it may ask now.
    qint64 WaitFor(const QHostAddress& client, qint64 now) const;
    void RecordRefusal(const QHostAddress& client, qint64 now);
    int Size() const { return static_cast<int>(m_entries.size()); }

private:
    struct Entry
    {
        qint64 windowStart = 0;
        qint64 lastRefusal = 0;
        qint64 blockedUntil = 0;
        int refusals = 0;
    };
    static QByteArray Key(const QHostAddress& client);
    void MakeRoom(qint64 now);

    Limits m_limits;
    QHash<QByteArray, Entry> m_entries;
};
