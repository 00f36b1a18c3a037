// SPDX-License-Identifier: GPL-3.0-or-later
// Rounds as the operator sees them: starting, stopping, refusals, the winner lines and records.
#include "draw/engine/DrawEngineFixture.h"

#include "data/SqlStatements.h"
#include "draw/engine/DrawTexts.h"
#include "draw/engine/PoolDigest.h"
#include "draw/engine/VirtualDrawClock.h"
#include "platform/core/StringTable.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <tuple>

namespace {

QString Str(int id)
{
    return StringTable::Load(id);
}

} // namespace

// Rounds run alike on both engines.
using DrawRoundTest = DrawEngineDriverTest;

INSTANTIATE_TEST_SUITE_P(Engines, DrawRoundTest, SORTILO_BOTH_DRIVERS);

TEST_P(DrawRoundTest, RoundOfThreeDrawsEveryEligibleParticipantThenEveryoneHasWon)
{
    AddPerson(QStringLiteral("A1"), QStringLiteral("张三"));     // 4 bytes: padded
    AddPerson(QStringLiteral("B2"), QStringLiteral("欧阳小明")); // 8 bytes: not padded
    AddPerson(QStringLiteral("C3"), QStringLiteral("Li"));
    SetQuota(3);

    // Each winner line appears only once its row is committed: look from a second connection.
    CAdoDatabase observer;
    ASSERT_TRUE(observer.ConnectDatabase(m_data.target()));
    QStringList committedAtLine;
    m_host.onSkinText = [&](const QString& name, const QString& text) {
        if (name.startsWith(QStringLiteral("ID_TEXT")) && !text.isEmpty()) {
            observer.OpenQuery(QStringLiteral("select count(*) as n from ComePrize"));
            committedAtLine << name + QLatin1Char('=') + observer.GetFieldText(QStringLiteral("n"));
        }
    };

    engine().StartRound();
    EXPECT_FALSE(engine().IsIdle());
    EXPECT_EQ(m_host.Text(QStringLiteral("ID_INFO")), Str(120));
    for (int reel = 1; reel <= 8; ++reel) {
        EXPECT_TRUE(m_host.IsTimerRunning(reel)) << reel;
    }
    m_host.Advance(300);
    engine().StopRoll();
    EXPECT_EQ(m_host.Text(QStringLiteral("ID_INFO")), Str(113) + QStringLiteral("1") + Str(114));
    ASSERT_TRUE(RunToRoundEnd());

    const QList<Win> wins = Wins();
    ASSERT_EQ(wins.size(), 3);
    QStringList ids;
    for (int i = 0; i < 3; ++i) {
        ids << wins[i].id;
        EXPECT_EQ(wins[i].sNo, i + 1);
        EXPECT_EQ(wins[i].step, 1);
        EXPECT_EQ(wins[i].prize, QStringLiteral("一等奖"));
        const QDateTime time =
            QDateTime::fromString(wins[i].time, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        EXPECT_TRUE(time.isValid()) << wins[i].time.toStdString();
        EXPECT_GE(time, VirtualDrawClock::Start());
    }
    ids.sort();
    EXPECT_EQ(ids, (QStringList{"A1", "B2", "C3"}));
    EXPECT_EQ(committedAtLine, (QStringList{"ID_TEXT1=1", "ID_TEXT2=2", "ID_TEXT3=3"}));

    // One line a winner, names of at most 4 bytes padded with four spaces.
    const QHash<QString, QString> expectedName{{"A1", QStringLiteral("张三    ")},
                                               {"B2", QStringLiteral("欧阳小明")},
                                               {"C3", QStringLiteral("Li    ")}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(m_host.Text(QStringLiteral("ID_TEXT%1").arg(i + 1)),
                  QStringLiteral("%1.%2   %3   (一等奖)")
                      .arg(i + 1)
                      .arg(expectedName[wins[i].id], wins[i].id));
    }
    // The small list holds the last winner only, unpadded.
    ASSERT_EQ(m_host.winnersList.size(), 1);
    EXPECT_EQ(m_host.winnersList[0].first, wins[2].id);
    EXPECT_EQ(m_host.Text(QStringLiteral("ID_INFO1")), QString());
    EXPECT_EQ(m_host.Text(QStringLiteral("ID_INFO")), Str(116));
    EXPECT_TRUE(m_host.buttons.value(QStringLiteral("BUTTON_START")));
    EXPECT_FALSE(m_host.buttons.value(QStringLiteral("BUTTON_STOP")));
    EXPECT_EQ(m_random->reseeds, 1); // only the operator's stop reseeds
    EXPECT_EQ(m_host.musicRestarts, 3);
    EXPECT_TRUE(m_host.boxes.isEmpty());

    // The last number keeps blinking white and black.
    m_host.Advance(500);
    const QColor first = m_host.reels[0].colour;
    m_host.Advance(500);
    EXPECT_NE(first, m_host.reels[0].colour);
    EXPECT_TRUE(first == DrawEngine::BlinkOnColour() || first == DrawEngine::BlinkOffColour());

    engine().StartRound();
    EXPECT_EQ(m_host.boxes, QStringList{Str(108)});
    EXPECT_TRUE(engine().IsIdle());
    EXPECT_EQ(Wins().size(), 3);
}

TEST_P(DrawRoundTest, TheWinnerIsShownAfterTheRecordWithCaptionAndPaddedName)
{
    AddPerson(QStringLiteral("Q7"), QStringLiteral("王五"));
    m_data.Exec(QStringLiteral("update JP set step2='笔记本电脑' where sNo=555"));
    SetLevel(2);
    ASSERT_TRUE(DrawRound());

    const QList<Win> wins = Wins();
    ASSERT_EQ(wins.size(), 1);
    EXPECT_EQ(wins[0].step, 2);
    EXPECT_EQ(wins[0].prize, QStringLiteral("笔记本电脑"));
    EXPECT_EQ(m_host.Text(QStringLiteral("ID_TEXT1")),
              QStringLiteral("1.王五       Q7   (笔记本电脑)"));
    EXPECT_EQ(m_host.texts.value(QStringLiteral("ID_INFO1"), QStringLiteral("?")), QString());
    EXPECT_EQ(engine().PrizeName(2), QStringLiteral("笔记本电脑"));

    // Between rounds the selected level's prize is on screen.
    engine().LevelDown();
    EXPECT_EQ(m_host.Text(QStringLiteral("ID_INFO")), QStringLiteral("奖品：一等奖"));
    engine().LevelUp();
    EXPECT_EQ(m_host.Text(QStringLiteral("ID_INFO")), QStringLiteral("奖品：笔记本电脑"));
}

TEST_P(DrawRoundTest, PrizeNamesAreReadAtEveryStartAndKeptWhenTheRowIsMissing)
{
    AddPerson(QStringLiteral("A1"), QStringLiteral("甲"));
    AddPerson(QStringLiteral("A2"), QStringLiteral("乙"));
    m_data.Exec(QStringLiteral("update JP set step1='Car' where sNo=555"));
    ASSERT_TRUE(DrawRound());
    m_data.Exec(QStringLiteral("delete from JP"));
    ASSERT_TRUE(DrawRound());
    const QList<Win> wins = Wins();
    ASSERT_EQ(wins.size(), 2);
    EXPECT_EQ(wins[0].prize, QStringLiteral("Car"));
    EXPECT_EQ(wins[1].prize, QStringLiteral("Car"));
}

TEST_P(DrawRoundTest, StartIsRefusedWithoutEnoughEligibleParticipants)
{
    // A new event: not "everyone has won", but where to add people.
    engine().StartRound();
    EXPECT_EQ(m_host.boxes, QStringList{DrawTexts::NoParticipants()});
    EXPECT_TRUE(engine().IsIdle());

    AddPerson(QStringLiteral("A1"), QStringLiteral("甲"));
    AddPerson(QStringLiteral("A2"), QStringLiteral("乙"));
    SetQuota(3);
    engine().StartRound();
    EXPECT_EQ(m_host.boxes.last(), Str(115));
    EXPECT_TRUE(engine().IsIdle());
    EXPECT_FALSE(engine().IsRolling());
    for (int reel = 1; reel <= 8; ++reel) {
        EXPECT_FALSE(m_host.IsTimerRunning(reel));
    }
    EXPECT_TRUE(Wins().isEmpty());
}

TEST_P(DrawRoundTest, RefusedQuotaWithAutoStopLeavesAHarmlessTimer)
{
    AddPerson(QStringLiteral("A1"), QStringLiteral("甲"));
    SetQuota(2);
    engine().SetAutoStop(true);
    engine().StartRound();
    EXPECT_EQ(m_host.boxes, QStringList{Str(115)});
    // The auto-stop timer was started before the quota check...
    EXPECT_TRUE(m_host.IsTimerRunning(DrawEngine::AutoStopTimer));
    m_host.Advance(6000);
    // ...and finds nothing to stop.
    EXPECT_FALSE(m_host.IsTimerRunning(DrawEngine::AutoStopTimer));
    EXPECT_FALSE(engine().IsRolling());
    EXPECT_FALSE(engine().ReelOneArmed());
    EXPECT_TRUE(m_host.sysInfos.isEmpty());
    EXPECT_TRUE(Wins().isEmpty());
}

TEST_P(DrawRoundTest, AutoStopChoosesTheFirstWinnerAfterFiveSecondsWithStopDisabled)
{
    AddPeople(4);
    SetQuota(2);
    engine().SetAutoStop(true);
    engine().StartRound();
    EXPECT_FALSE(m_host.buttons.value(QStringLiteral("BUTTON_STOP"), true));
    m_host.Advance(4990);
    EXPECT_FALSE(engine().ReelOneArmed());
    m_host.Advance(20);
    EXPECT_TRUE(engine().ReelOneArmed());
    EXPECT_EQ(m_random->reseeds, 1);
    ASSERT_TRUE(RunToRoundEnd());
    EXPECT_EQ(Wins().size(), 2);
    EXPECT_FALSE(m_host.buttonLog.contains(QStringLiteral("BUTTON_STOP=1")));
}

TEST_P(DrawRoundTest, OperatorActionsDuringARoundAreRefused)
{
    AddPerson(QStringLiteral("A1"), QStringLiteral("甲"));
    AddPerson(QStringLiteral("A2"), QStringLiteral("乙"));
    engine().StopRoll(); // nothing rolls: no effect
    EXPECT_TRUE(m_host.sysInfos.isEmpty());
    EXPECT_FALSE(engine().ReelOneArmed());

    engine().StartRound();
    engine().StartRound();
    engine().LevelUp();
    engine().QuotaDown();
    EXPECT_EQ(m_host.sysInfos, QStringList(3, Str(118)));
    EXPECT_EQ(engine().PrizeLevel(), 1);
    EXPECT_EQ(engine().RoundQuota(), 1);

    engine().StopRoll();
    const QString target = engine().TargetID();
    engine().StopRoll(); // the reels are already stopping
    EXPECT_EQ(m_host.sysInfos.last(), Str(118));
    EXPECT_EQ(engine().TargetID(), target);
    EXPECT_EQ(m_host.Text(QStringLiteral("ID_SYSINFO")), Str(118));
    ASSERT_TRUE(RunToRoundEnd());
    ASSERT_EQ(Wins().size(), 1);
    EXPECT_EQ(Wins()[0].id, target);
}

TEST_P(DrawRoundTest, LevelAndQuotaStayWithinOneToEight)
{
    engine().LevelDown();
    engine().QuotaDown();
    EXPECT_EQ(m_host.sysInfos, QStringList(2, Str(122)));
    for (int i = 0; i < 9; ++i) {
        engine().LevelUp();
        engine().QuotaUp();
    }
    EXPECT_EQ(engine().PrizeLevel(), 8);
    EXPECT_EQ(engine().RoundQuota(), 8);
    EXPECT_EQ(m_host.Text(QStringLiteral("ID_NUMBER")), QStringLiteral("8"));
    EXPECT_EQ(m_host.Text(QStringLiteral("ID_NUMBER1")), QStringLiteral("8"));
    EXPECT_EQ(m_host.sysInfos.mid(2), QStringList(4, Str(121)));
    engine().LevelDown();
    EXPECT_EQ(m_host.Text(QStringLiteral("ID_NUMBER")), QStringLiteral("7"));
}

TEST_P(DrawRoundTest, EverySecondPickOfTheWindowsLifeUsesTheFirstHalfOfALargePool)
{
    // The pool comes in the order the participants were stored.
    AddPeople(6);
    m_random->choose = [](std::uint64_t bound) { return bound - 1; }; // the last allowed entry
    SetQuota(2);
    ASSERT_TRUE(DrawRound());
    // First pick: the whole pool of 6. Second: 5 eligible, so only the first 5 / 2 = 2.
    EXPECT_EQ(m_random->PickBounds(), (std::vector<std::uint64_t>{6, 2}));
    QList<Win> wins = Wins();
    ASSERT_EQ(wins.size(), 2);
    EXPECT_EQ(wins[0].id, QStringLiteral("P6"));
    EXPECT_EQ(wins[1].id, QStringLiteral("P2"));
    // The log names the pool of each pick: its size, the entries chosen among and its digest.
    PoolDigest second;
    for (int i = 1; i <= 5; ++i) {
        second.Add(QStringLiteral("P%1").arg(i));
    }
    for (const auto& [seq, size, range, digest] :
         {std::tuple(1, 6, 6, QString()), std::tuple(2, 5, 2, second.Hex())}) {
        m_data.Exec(QStringLiteral("select payload from DrawLog where seq=?"), {seq});
        const QJsonObject pool =
            QJsonDocument::fromJson(db().GetFieldText(QStringLiteral("payload")).toUtf8()).object();
        EXPECT_EQ(pool.value(QStringLiteral("pool")).toInteger(), size);
        EXPECT_EQ(pool.value(QStringLiteral("range")).toInteger(), range);
        if (!digest.isEmpty()) {
            EXPECT_EQ(pool.value(QStringLiteral("poolDigest")).toString(), digest);
        }
    }

    // The toggle lives on across rounds: the third pick uses the whole pool again, and with 4
    // eligible a fourth (halving) pick uses the whole pool too.
    SetQuota(1);
    ASSERT_TRUE(DrawRound());
    AddPerson(QStringLiteral("P7"), QStringLiteral("人7"));
    ASSERT_TRUE(DrawRound());
    EXPECT_EQ(m_random->PickBounds(), (std::vector<std::uint64_t>{6, 2, 4, 4}));
    wins = Wins();
    ASSERT_EQ(wins.size(), 4);
    EXPECT_EQ(wins[2].id, QStringLiteral("P5"));
    EXPECT_EQ(wins[3].id, QStringLiteral("P7"));
}

TEST_F(DrawEngineTest, WithTheHalfRangeRuleOffEveryPickUsesTheWholePool)
{
    for (int i = 1; i <= 10; ++i) {
        AddPerson(QStringLiteral("P%1").arg(i, 2, 10, QLatin1Char('0')),
                  QStringLiteral("人%1").arg(i));
    }
    engine().SetHalfRangeRule(false);
    m_random->choose = [](std::uint64_t bound) { return bound - 1; }; // the last allowed entry
    SetQuota(3);
    ASSERT_TRUE(DrawRound());
    EXPECT_EQ(m_random->PickBounds(), (std::vector<std::uint64_t>{10, 9, 8}));
    ASSERT_EQ(Wins().size(), 3);
    EXPECT_EQ(Wins()[1].id, QStringLiteral("P09")); // the last of nine, not of the first half

    // Switched back on, the alternation goes on where it stands: the fourth pick halves.
    engine().SetHalfRangeRule(true);
    SetQuota(2);
    ASSERT_TRUE(DrawRound());
    EXPECT_EQ(m_random->PickBounds(), (std::vector<std::uint64_t>{10, 9, 8, 3, 6}));
    EXPECT_EQ(Wins()[3].id, QStringLiteral("P03"));
}

TEST_P(DrawRoundTest, ThePoolIsReadAgainOnlyWhenTheDataChanged)
{
    for (int i = 1; i <= 6; ++i) {
        AddPerson(QStringLiteral("C%1").arg(i), QStringLiteral("候选%1").arg(i));
    }
    ASSERT_TRUE(DrawRound());
    ASSERT_EQ(engine().Pool().Entries().size(), 5) << "the winner left the kept pool";
    const QString firstWinner = Wins().at(0).id;
    EXPECT_FALSE(std::any_of(engine().Pool().Entries().begin(), engine().Pool().Entries().end(),
                             [&](const auto& c) { return c.PersonID == firstWinner; }));

    // A participant removed through another connection (an import, another machine) is gone
    // from the next round's pool, and so is one removed through the engine's own connection.
    CAdoDatabase other;
    ASSERT_TRUE(other.ConnectDatabase(db().Target()));
    QStringList left;
    for (const auto& c : engine().Pool().Entries()) {
        left << c.PersonID;
    }
    ASSERT_TRUE(other.OpenQuery(QLatin1String(SqlStatements::DeletePerson), {left.at(0)}));
    ASSERT_TRUE(db().OpenQuery(QLatin1String(SqlStatements::DeletePerson), {left.at(1)}));
    ASSERT_TRUE(DrawRound());
    const QList<Win> wins = Wins();
    ASSERT_EQ(wins.size(), 2);
    EXPECT_NE(wins.at(1).id, left.at(0));
    EXPECT_NE(wins.at(1).id, left.at(1));
    EXPECT_EQ(engine().Pool().Entries().size(), 2);

    // Clearing the winners makes everyone eligible again at the next start.
    ASSERT_TRUE(other.OpenQuery(QLatin1String(SqlStatements::DeleteAllWinners)));
    ASSERT_TRUE(DrawRound());
    EXPECT_EQ(engine().Pool().Entries().size(), 3);
}
