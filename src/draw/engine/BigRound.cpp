// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/engine/BigRound.h"
#include "draw/engine/EligibleView.h"

#include "data/CAdoDatabase.h"
#include "draw/engine/CandidatePool.h"
#include "draw/engine/DrawEngine.h"
#include "draw/engine/DrawHost.h"
#include "draw/engine/DrawTexts.h"
#include "draw/engine/RandomSource.h"

#include <algorithm>
#include <bit>
#include <optional>

namespace {

// The entries still left of a pool, in pool order, with the k-th of them found and removed in
// logarithmic time (a Fenwick tree of ones): a thousand picks from a hundred thousand entries
// without moving any.
class LeftEntries
{
public:
    explicit LeftEntries(int size) : m_tree(static_cast<size_t>(size) + 1, 0), m_left(size)
    {
        for (int i = 1; i <= size; ++i) {
            m_tree[static_cast<size_t>(i)] += 1;
            if (const int parent = i + (i & -i); parent <= size) {
                m_tree[static_cast<size_t>(parent)] += m_tree[static_cast<size_t>(i)];
            }
        }
    }

    int Size() const { return m_left; }

    // Removes the k-th entry left (from 0) and returns its pool index.
    int Take(int k)
    {
        const int size = static_cast<int>(m_tree.size()) - 1;
        int position = 0;
        for (int step = static_cast<int>(std::bit_floor(static_cast<unsigned>(size))); step > 0;
             step /= 2) {
            const int next = position + step;
            if (next <= size && m_tree[static_cast<size_t>(next)] <= k) {
                position = next;
                k -= m_tree[static_cast<size_t>(next)];
            }
        }
        for (int i = position + 1; i <= size; i += i & -i) {
            m_tree[static_cast<size_t>(i)] -= 1;
        }
        --m_left;
        return position;
    }

private:
    std::vector<int> m_tree;
    int m_left;
};

} // namespace

std::vector<int> BigRound::Choose(const QList<PersonRow>& entries, const QSet<QString>& won,
                                  RandomSource& random, int count, bool halfRangeRule,
                                  bool& halfRangeToggle, std::vector<std::pair<int, int>>* ranges)
{
    std::vector<int> chosen;
    chosen.reserve(static_cast<size_t>(std::max(count, 0)));
    LeftEntries left(static_cast<int>(entries.size()));
    while (static_cast<int>(chosen.size()) < count && left.Size() > 0) {
        const int n = left.Size();
        const int range = halfRangeRule && halfRangeToggle && n > 4 ? n / 2 : n;
        halfRangeToggle = !halfRangeToggle;
        const int index = left.Take(DrawEngine::RandomInRange(random, 0, range));
        if (won.isEmpty() || !won.contains(PersonRow::IdKey(entries.at(index).PersonID))) {
            chosen.push_back(index);
            if (ranges) {
                ranges->emplace_back(n, range);
            }
        }
    }
    return chosen;
}

BigRound::Outcome BigRound::Draw(CandidatePool& pool, const EligibilityRule& rule,
                                 const QSet<QString>* checkedIn, RandomSource& random,
                                 const ComePrizeRow& round, int count, bool halfRangeRule,
                                 bool& halfRangeToggle, const QList<QPair<int, qint64>>& places)
{
    m_winners.clear();
    m_wins.clear();
    m_refusal = {};
    m_refusedId.clear();
    const bool toggleAtStart = halfRangeToggle;
    // Only the participants the level admits are candidates, in the pool's order.
    QList<PersonRow> entries;
    const EligibleView eligible(pool, rule, checkedIn);
    if (eligible.Size() == pool.Size()) {
        entries = pool.Entries();
    } else {
        entries.reserve(eligible.Size());
        for (qsizetype k = 0; k < eligible.Size(); ++k) {
            entries.append(pool.At(eligible.PoolIndex(k)));
        }
    }
    for (int attempt = 1;; ++attempt) {
        halfRangeToggle = toggleAtStart;
        const std::optional<QSet<QString>> won = [this] {
            const CAdoDatabase::QuietFailures quiet(m_database);
            return m_store.WinnerKeys();
        }();
        if (!won) {
            m_refusal = {WinRefusal::Cause::Failed, m_database.LastError()};
            return Outcome::Refused;
        }
        std::vector<std::pair<int, int>> ranges;
        const std::vector<int> chosen =
            Choose(entries, *won, random, count, halfRangeRule, halfRangeToggle, &ranges);
        if (static_cast<int>(chosen.size()) < count) {
            return Outcome::TooFew;
        }
        // Each win's log entry names the pool the round was drawn from (its size and digest as
        // the round began) and how many of the entries left its pick chose among.
        QList<ComePrizeRow> wins;
        QList<PickPool> pools;
        wins.reserve(count);
        pools.reserve(count);
        const QString digest = pool.Digest();
        for (size_t i = 0; i < chosen.size(); ++i) {
            ComePrizeRow win = round;
            win.PersonID = DrawEngine::UpperCaseId(entries.at(chosen[i]).PersonID);
            win.sNo = static_cast<int>(wins.size()) + 1;
            if (wins.size() < places.size()) {
                win.sNo = places.at(wins.size()).first;
                win.replaces = places.at(wins.size()).second;
            }
            wins.append(win);
            pools.append({entries.size(), ranges[i].second, digest, rule.Describe()});
        }
        if (m_store.InsertRound(wins, &m_winners, &m_refusal, &m_refusedId, pools)) {
            m_wins = wins;
            return Outcome::Stored;
        }
        if (m_refusedId.isEmpty()) {
            m_refusedId = wins.first().PersonID;
        }
        if (m_refusal.cause != WinRefusal::Cause::AlreadyWon || attempt == MaxAttempts) {
            return Outcome::Refused;
        }
    }
}

QString BigRound::Show(DrawHost& host, const QString& prize, int level, bool replacement) const
{
    host.ClearWinnersList();
    host.AppendWinner(QString(), DrawTexts::RoundWinnerCount(static_cast<int>(m_winners.size())));
    const int lines = std::min(static_cast<int>(m_winners.size()), DrawEngine::MaxValue);
    for (int place = 1; place <= lines; ++place) {
        const PersonRow& winner = m_winners.at(place - 1);
        const QString name = DrawTexts::PaddedName(winner.PersonName);
        host.SetSkinText(DrawTexts::WinnerLineName(place),
                         replacement ? DrawTexts::ReplacementLine(m_wins.value(place - 1).sNo, name,
                                                                  winner.PersonID, prize)
                                     : DrawTexts::WinnerLine(place, name, winner.PersonID, prize));
    }
    host.ShowRoundWinners(prize, level, m_winners);
    return m_winners.isEmpty()
               ? QString()
               : DrawTexts::WinnerInfo(DrawTexts::PaddedName(m_winners.first().PersonName));
}

void BigRound::TellFailure(DrawHost& host, Outcome outcome, int count) const
{
    if (outcome == Outcome::TooFew) {
        host.ShowMessageBox(DrawTexts::Load(DrawTexts::Text::QuotaTooLarge));
        return;
    }
    host.ShowDetailedMessageBox(DrawTexts::RefusedRound(count, m_refusedId, m_refusal,
                                                        m_database.Target().path,
                                                        m_database.RecoveryPath()),
                                m_refusal.detail);
}
