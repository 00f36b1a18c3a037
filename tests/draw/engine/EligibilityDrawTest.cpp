// SPDX-License-Identifier: GPL-3.0-or-later
// Prize levels open to some groups only: who the picks draw from, and a level nobody may win.
#include "data/DrawLog.h"
#include "draw/engine/DrawEngineFixture.h"

#include "data/EligibilityStore.h"
#include "data/PersonStore.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <vector>

namespace {

using Mode = EligibilityRule::Mode;

class EligibilityDrawTest : public DrawEngineDriverTest
{
protected:
    // Participants with the groups given, numbered P1.. in that order.
    void AddGrouped(const QStringList& groups)
    {
        PersonStore people(db());
        for (int i = 0; i < groups.size(); ++i) {
            ASSERT_TRUE(people.Insert(
                {QStringLiteral("P%1").arg(i + 1), QStringLiteral("人"), QString(), groups[i]}));
        }
    }
    static void SetRule(CAdoDatabase& database, int level, const EligibilityRule& rule)
    {
        EligibilityStore store(database);
        EligibilityStore::Rules rules = store.Read().value();
        rules[level - 1] = rule;
        ASSERT_TRUE(store.Write(rules));
    }
    // Draws one winner of level, always the last candidate; the candidates' count is returned.
    std::uint64_t DrawLast(int level)
    {
        SetLevel(level);
        m_random->choose = [](std::uint64_t bound) {
            return bound == DrawEngine::ReelAlphabetSize ? 0 : bound - 1;
        };
        m_random->bounds.clear();
        EXPECT_TRUE(DrawRound());
        const std::vector<std::uint64_t> picks = m_random->PickBounds();
        return picks.empty() ? 0 : picks.back();
    }
    QString LastWinner() { return Wins().isEmpty() ? QString() : Wins().back().id; }
};

INSTANTIATE_TEST_SUITE_P(Engines, EligibilityDrawTest, SORTILO_BOTH_DRIVERS);

} // namespace

TEST_P(EligibilityDrawTest, EachRuleDrawsFromItsGroupsOnlyInThePoolsOrder)
{
    AddGrouped({"A", "B", "A", "", "B", "A"});
    SetRule(db(), 1, EligibilityRule(Mode::Only, {"A"}));
    SetRule(db(), 2, EligibilityRule(Mode::Except, {"A", " B "}));
    EXPECT_EQ(DrawLast(1), 3u); // P1, P3, P6
    EXPECT_EQ(LastWinner(), QStringLiteral("P6"));
    EXPECT_EQ(DrawLast(2), 1u); // P4, who has no group
    EXPECT_EQ(LastWinner(), QStringLiteral("P4"));
    EXPECT_EQ(engine().RuleInForce(2).Describe(), QStringLiteral("except:\"A\",\"B\""));
    EXPECT_EQ(engine().RuleInForce(3).Describe(), QStringLiteral("everyone"));
    EXPECT_EQ(DrawLast(3), 4u); // P1, P2, P3, P5
    EXPECT_EQ(LastWinner(), QStringLiteral("P5"));

    // A group changed here and a rule changed between rounds hold at the next Start, the
    // kept pool taking the group from the journal instead of being read again.
    const quint64 revision = engine().Pool().Revision();
    ASSERT_TRUE(PersonStore(db()).Update({"P2", "人", "", "A"}));
    SetRule(db(), 1, EligibilityRule(Mode::Only, {"A", "C"}));
    EXPECT_EQ(DrawLast(1), 3u); // P1, P2, P3 (in the order the database returns them)
    if (GetParam() == TestDatabase::Driver::Sqlite) {
        EXPECT_EQ(engine().Pool().Revision(), revision + 1);
    }
    EXPECT_TRUE(m_host.boxes.isEmpty()) << m_host.boxes.join(u'\n').toStdString();

    // The winners record keeps the group each prize was won under.
    const QList<WinnerRecordRow> records = WinnerStore(db()).Records().value();
    QStringList groups;
    for (const WinnerRecordRow& record : records) {
        groups << record.PersonID + u'=' + record.PersonGroup;
    }
    EXPECT_TRUE(groups.contains(QStringLiteral("P6=A"))) << groups.join(u' ').toStdString();
    EXPECT_TRUE(groups.contains(QStringLiteral("P4="))) << groups.join(u' ').toStdString();

    // The draw log names the rule each win was drawn under.
    QStringList rules;
    DrawLog(db()).Read([&](const DrawLogEntry& entry) {
        rules << QJsonDocument::fromJson(entry.payload.toUtf8())
                     .object()
                     .value(QStringLiteral("rule"))
                     .toString();
        return true;
    });
    EXPECT_EQ(rules,
              (QStringList{QStringLiteral("only:\"A\""), QStringLiteral("except:\"A\",\"B\""),
                           QStringLiteral("everyone"), QStringLiteral("only:\"A\",\"C\"")}));
}

TEST_P(EligibilityDrawTest, TheHalfRangeRuleHalvesTheLevelsCandidates)
{
    QStringList groups;
    for (int i = 0; i < 20; ++i) {
        groups << (i % 2 == 0 ? QStringLiteral("A") : QStringLiteral("B"));
    }
    AddGrouped(groups);
    SetRule(db(), 1, EligibilityRule(Mode::Only, {"A"}));
    engine().SetHalfRangeRule(true);
    EXPECT_EQ(DrawLast(1), 10u);
    EXPECT_EQ(LastWinner(), QStringLiteral("P19"));
    EXPECT_EQ(DrawLast(1), 4u); // the first half of the nine left
    EXPECT_EQ(LastWinner(), QStringLiteral("P7"));
}

TEST_P(EligibilityDrawTest, ALevelWithNobodyEligibleRefusesStartNamingIt)
{
    AddGrouped({"A", "B"});
    // Set at another station, and in force here at the next Start.
    CAdoDatabase other;
    ASSERT_TRUE(other.ConnectDatabase(m_data.target()));
    SetRule(other, 2, EligibilityRule(Mode::Only, {"C"}));
    SetLevel(2);
    engine().StartRound();
    EXPECT_TRUE(engine().IsIdle());
    EXPECT_FALSE(engine().IsRolling());
    ASSERT_EQ(m_host.boxes.size(), 1);
    EXPECT_TRUE(m_host.boxes[0].contains(engine().PrizeName(2))) << m_host.boxes[0].toStdString();
    EXPECT_TRUE(Wins().isEmpty());

    // A group the other station gives a participant opens the level.
    const ChangeStamp before = db().ChangeToken();
    ASSERT_TRUE(PersonStore(other).Update({"P2", "人", "", "C"}));
    AwaitOtherChange(before);
    EXPECT_EQ(DrawLast(2), 1u);
    EXPECT_EQ(LastWinner(), QStringLiteral("P2"));
}
