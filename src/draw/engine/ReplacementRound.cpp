// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/engine/ReplacementRound.h"

#include "data/CAdoDatabase.h"

#include <QSet>
#include <QString>

#include <optional>

namespace {

// What tells one win from every other: the participant, the level, the place and the time.
QString WinKey(const QString& personId, int step, int sNo, const QString& time)
{
    return PersonRow::IdKey(personId) + u'\n' + QString::number(step) + u'\n' +
           QString::number(sNo) + u'\n' + time;
}

} // namespace

ReplacementRound::ReplacementRound(CAdoDatabase& database)
    : m_database(database), m_voids(database, QString())
{}

void ReplacementRound::ReadCounts()
{
    const CAdoDatabase::QuietFailures quiet(m_database);
    if (const std::optional<QList<int>> counts = m_voids.OpenPlaceCounts()) {
        for (int level = 1; level <= Levels; ++level) {
            m_counts[level - 1] = counts->value(level - 1);
        }
    }
}

bool ReplacementRound::Begin(int level)
{
    m_active = false;
    std::optional<QList<VoidedWinRow>> places = m_voids.OpenPlaces(level);
    m_readFailed = !places;
    m_places = places.value_or(QList<VoidedWinRow>());
    if (level >= 1 && level <= Levels) {
        m_counts[level - 1] = static_cast<int>(m_places.size());
    }
    m_active = !m_places.isEmpty();
    return m_active;
}

void ReplacementRound::End()
{
    if (m_active) {
        m_active = false;
        m_places.clear();
        ReadCounts();
    }
}

void ReplacementRound::Fill(ComePrizeRow& win, int pick) const
{
    if (pick >= 1 && pick <= Count()) {
        win.sNo = m_places.at(pick - 1).sNo;
        win.replaces = m_places.at(pick - 1).VoidID;
    }
}

int ReplacementRound::Place(int pick) const
{
    return pick >= 1 && pick <= Count() ? m_places.at(pick - 1).sNo : 0;
}

QList<QPair<int, qint64>> ReplacementRound::Places() const
{
    QList<QPair<int, qint64>> places;
    places.reserve(m_places.size());
    for (const VoidedWinRow& place : m_places) {
        places.append({place.sNo, place.VoidID});
    }
    return places;
}

void ReplacementRound::ClearLastRound()
{
    m_lastRound.clear();
    m_standing.clear();
}

void ReplacementRound::AddWinner(const PersonRow& winner, const ComePrizeRow& win)
{
    m_lastRound.append({winner, win});
    m_standing.append(winner);
}

void ReplacementRound::FollowVoids()
{
    if (m_lastRound.isEmpty()) {
        return;
    }
    const std::optional<QList<VoidedWinRow>> voided = m_voids.Records();
    if (!voided) {
        return;
    }
    QSet<QString> keys;
    for (const VoidedWinRow& row : *voided) {
        keys.insert(WinKey(row.PersonID, row.step, row.sNo, row.sDateTime));
    }
    m_standing.clear();
    for (const auto& [winner, win] : std::as_const(m_lastRound)) {
        if (!keys.contains(WinKey(win.PersonID, win.step, win.sNo, win.sDateTime))) {
            m_standing.append(winner);
        }
    }
}
