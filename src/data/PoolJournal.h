// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/PersonStore.h"

#include <QList>
#include <QtGlobal>

#include <deque>
#include <optional>

// The changes the stores made through one connection that a reader keeping the participants
// without a win in memory (the draw's candidate pool) can apply instead of reading them all
// again: a participant added, changed or removed, all participants removed, a win added.
//
// Each entry carries the connection's change count after its statement. A reader that took the
// pool at count N can bring it to count M only when the entries hold every count from N + 1 to
// M: any other change through the connection (a transaction's commit or rollback, a statement
// that is not journalled, such as clearing the wins) leaves a gap, and the reader then reads the
// pool again. Changes by other connections are not seen here at all: the reader tells them by
// the change token.
class PoolJournal
{
public:
    enum class Kind
    {
        PersonAdded,
        PersonChanged, // name and remark of person.PersonID
        PersonRemoved,
        AllPersonsRemoved,
        WinAdded, // person.PersonID won
        // A statement or commit that changed nothing the pool holds (another table, such as the
        // levels' rules): the reader only steps over it.
        NothingForPool,
        CheckinChanged // person.PersonID was checked in or out: the pool stays as it is
    };

    struct Entry
    {
        quint64 count = 0;
        // The count before the change: a change of several statements (a win stored with its
        // draw log entry in one transaction) covers the counts from + 1 to count.
        quint64 from = 0;
        Kind kind = Kind::PersonAdded;
        PersonRow person;
    };

    // Entries older than this many are dropped; a reader that far behind reads the pool again.
    static constexpr size_t MaxEntries = 10000;

    void Record(quint64 count, Kind kind, const PersonRow& person)
    {
        Record(count - 1, count, kind, person);
    }
    void Record(quint64 from, quint64 count, Kind kind, const PersonRow& person);
    // The entries that lead from count from to count to, in order; nullopt when one is missing.
    std::optional<QList<Entry>> Between(quint64 from, quint64 to) const;
    void Clear() { m_entries.clear(); }

private:
    std::deque<Entry> m_entries;
};
