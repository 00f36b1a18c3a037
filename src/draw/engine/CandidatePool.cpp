// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/engine/CandidatePool.h"

#include "data/CAdoDatabase.h"
#include "data/PoolJournal.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <utility>

namespace {

// Whether two IDs are equal once upper-cased as PersonRow::IdKey does, without copying either:
// the winner is looked for in a pool of up to 100,000 entries right after the last reel stops.
bool SameIdUpperCased(const QString& a, const QString& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    const auto upper = [](char16_t c) { return c >= u'a' && c <= u'z' ? c - u'a' + u'A' : c; };
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (upper(a.at(i).unicode()) != upper(b.at(i).unicode())) {
            return false;
        }
    }
    return true;
}

} // namespace

CandidatePool::CandidatePool(CAdoDatabase& database) : m_database(database), m_winners(database) {}

bool CandidatePool::Update()
{
    m_readFailed = false;
    // The token is taken before the query: a change another station commits while the query
    // runs then makes the next token differ instead of leaving its pool looking current.
    const ChangeStamp token = m_database.ChangeToken();
    const quint64 count = m_database.ChangeCount();
    if (CatchUp(token, count)) {
        return !m_entries.isEmpty();
    }
    m_entries.clear();
    m_digest.Clear();
    m_token.reset();
    ++m_revision;
    if (std::optional<QList<PersonRow>> pool = m_winners.CandidatePool()) {
        m_entries = std::move(*pool);
        for (const PersonRow& candidate : std::as_const(m_entries)) {
            m_digest.Add(candidate.PersonID);
        }
        m_token = token;
        m_count = count;
    } else {
        m_readFailed = true;
    }
    return !m_entries.isEmpty();
}

bool CandidatePool::Refresh()
{
    const ChangeStamp token = m_database.ChangeToken();
    // Without a working connection the next Update reads the pool and reports the cause.
    if (token == m_token || token == m_refreshFailedToken || !token.OthersKnown()) {
        return false;
    }
    Update();
    m_refreshFailedToken =
        m_readFailed ? std::optional<ChangeStamp>(m_database.ChangeToken()) : std::nullopt;
    return true;
}

bool CandidatePool::ConfirmAt(qsizetype index)
{
    if (m_winners.HasWon(m_entries.at(index).PersonID)) {
        m_digest.Remove(m_entries.at(index).PersonID);
        m_entries.removeAt(index);
        return false;
    }
    return true;
}

bool CandidatePool::CatchUp()
{
    return CatchUp(m_database.ChangeToken(), m_database.ChangeCount());
}

bool CandidatePool::CatchUp(const ChangeStamp& token, quint64 count)
{
    if (!m_token || !token.OthersKnown() || token.others != m_token->others ||
        token.otherWins - m_token->otherWins > MaxOtherWins) {
        return false;
    }
    // Only this connection changed the data, apart from wins stored elsewhere: apply what the
    // stores journalled, if they journalled all of it. Reading 100,000 participants again
    // costs far more.
    if (count != m_count && !ApplyJournal(m_count, count)) {
        return false;
    }
    m_token = token;
    m_count = count;
    return true;
}

bool CandidatePool::Drop(const PersonRow& candidate)
{
    m_digest.Remove(candidate.PersonID);
    return true;
}

bool CandidatePool::ApplyJournal(quint64 from, quint64 to)
{
    const std::optional<QList<PoolJournal::Entry>> entries = m_database.Journal().Between(from, to);
    if (!entries) {
        return false;
    }
    // The changes are gathered first so that the pool is walked once: participants that left
    // it (removed or won), changed names, and the participants added, in their order (new rows
    // come last in the database's order too).
    QSet<QString> leaving;
    QHash<QString, PersonRow> changed;
    QList<PersonRow> added;
    bool allRemoved = false;
    bool participantsChanged = false;
    const auto indexOfAdded = [&added](const QString& id) {
        for (qsizetype i = 0; i < added.size(); ++i) {
            if (SameIdUpperCased(added[i].PersonID, id)) {
                return i;
            }
        }
        return qsizetype(-1);
    };
    for (const PoolJournal::Entry& entry : *entries) {
        const QString key = PersonRow::IdKey(entry.person.PersonID);
        if (entry.kind == PoolJournal::Kind::NothingForPool ||
            entry.kind == PoolJournal::Kind::CheckinChanged) {
            continue; // another table (rules, check-ins: kept apart from the pool)
        }
        participantsChanged = participantsChanged || entry.kind != PoolJournal::Kind::WinAdded;
        switch (entry.kind) {
        case PoolJournal::Kind::PersonAdded:
            added.append(entry.person);
            break;
        case PoolJournal::Kind::PersonChanged:
            if (const qsizetype i = indexOfAdded(key); i >= 0) {
                added[i].PersonName = entry.person.PersonName;
                added[i].Company = entry.person.Company;
                added[i].PersonGroup = entry.person.PersonGroup;
            } else {
                changed.insert(key, entry.person);
            }
            break;
        case PoolJournal::Kind::PersonRemoved:
        case PoolJournal::Kind::WinAdded:
            if (const qsizetype i = indexOfAdded(key); i >= 0) {
                added.removeAt(i);
            } else {
                leaving.insert(key);
            }
            break;
        case PoolJournal::Kind::AllPersonsRemoved:
            allRemoved = true;
            leaving.clear();
            changed.clear();
            added.clear();
            break;
        case PoolJournal::Kind::NothingForPool:
        case PoolJournal::Kind::CheckinChanged:
            break;
        }
        // Each participant added is checked for an earlier win below, one query each: beyond
        // a few hundred, reading the pool again is cheaper.
        if (added.size() > MaxJournalledAdditions) {
            return false;
        }
    }
    for (PersonRow& candidate : added) {
        // A win of a participant removed earlier stays stored: such a participant, added
        // again, has already won.
        if (m_winners.HasWon(candidate.PersonID)) {
            candidate.PersonID.clear();
        }
    }
    added.removeIf([](const PersonRow& candidate) { return candidate.PersonID.isEmpty(); });
    if (participantsChanged) {
        ++m_revision;
    }
    if (allRemoved) {
        m_entries.clear();
        m_digest.Clear();
    }
    if (!changed.isEmpty()) {
        for (PersonRow& candidate : m_entries) {
            if (const auto it = changed.constFind(PersonRow::IdKey(candidate.PersonID));
                it != changed.constEnd()) {
                candidate.PersonName = it->PersonName;
                candidate.Company = it->Company;
                candidate.PersonGroup = it->PersonGroup;
            }
        }
    }
    if (leaving.size() <= 8) {
        // The usual case, the winner of the last pick: compared in place, without a copy.
        const QList<QString> ids = leaving.values();
        m_entries.removeIf([&](const PersonRow& candidate) {
            return std::any_of(ids.begin(), ids.end(),
                               [&candidate](const QString& id) {
                                   return SameIdUpperCased(candidate.PersonID, id);
                               }) &&
                   Drop(candidate);
        });
    } else {
        m_entries.removeIf([&](const PersonRow& candidate) {
            return leaving.contains(PersonRow::IdKey(candidate.PersonID)) && Drop(candidate);
        });
    }
    for (const PersonRow& candidate : std::as_const(added)) {
        m_digest.Add(candidate.PersonID);
    }
    m_entries.append(added);
    return true;
}
