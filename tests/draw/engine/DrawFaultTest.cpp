// SPDX-License-Identifier: GPL-3.0-or-later
// Failures and awkward input: a refused insert (on both engines when another station stored the
// win first), keys and ticks that reach the engine through a message box, IDs the reels cannot
// show, stops that race the automatic pick, participants who won after the pool was read.
#include "draw/engine/DrawEngineFixture.h"

#include "draw/engine/DrawTexts.h"
#include "data/SqlStatements.h"
#include "platform/core/StringTable.h"

#include <functional>
#include <utility>

namespace {

// The database layer's box as a modal box behaves: while it is up, its event loop delivers what
// the test runs in meanwhile (the first time only). The previous service comes back afterwards.
class ReenteringMessages final : public MessageService
{
public:
    ReenteringMessages(MessageService& previous, std::function<void()> meanwhile)
        : m_previous(previous), m_meanwhile(std::move(meanwhile))
    {
        Install(this);
    }
    ~ReenteringMessages() override { Install(&m_previous); }

    Answer Show(const QString& text, const QString&, Buttons) override
    {
        texts << text;
        if (auto meanwhile = std::exchange(m_meanwhile, nullptr)) {
            meanwhile();
        }
        return Answer::Ok;
    }

    QStringList texts;

private:
    MessageService& m_previous;
    std::function<void()> m_meanwhile;
};

} // namespace

TEST_F(DrawEngineTest, AFailedInsertShowsNoWinnerEndsTheRoundAndLeavesTheParticipantEligible)
{
    AddPerson(QStringLiteral("A1"), QStringLiteral("甲"));
    AddPerson(QStringLiteral("A2"), QStringLiteral("乙"));
    m_data.Exec(QStringLiteral("create trigger refuse before insert on ComePrize "
                               "begin select raise(abort, 'disk says no'); end"));
    // While the failure box is up, the operator presses F5 and F6 and the timers run on.
    bool startedDuringBox = false;
    m_host.onBox = [&](const QString&) {
        engine().StartRound();
        engine().StopRoll();
        m_host.Advance(3000);
        startedDuringBox = !engine().IsIdle() || engine().IsRolling();
    };
    SetQuota(2);
    ASSERT_TRUE(DrawRound());

    EXPECT_TRUE(Wins().isEmpty());
    // One box: what happened and what to do, with the database's words apart.
    EXPECT_TRUE(m_messages.texts.isEmpty()) << "no box of the database layer";
    ASSERT_EQ(m_host.boxes.size(), 1);
    EXPECT_EQ(m_host.boxes[0], DrawTexts::RefusedWin(engine().TargetID(), {}, {}, {}));
    EXPECT_TRUE(m_host.boxDetails[0].contains(QStringLiteral("disk says no")));
    EXPECT_FALSE(startedDuringBox);
    // No winner is shown, not even the number, and the round is over without its second pick.
    EXPECT_EQ(m_host.ReelLine(), QStringLiteral("________"));
    EXPECT_TRUE(m_host.Text(QStringLiteral("ID_TEXT1")).isEmpty());
    EXPECT_TRUE(m_host.Text(QStringLiteral("ID_INFO")).isEmpty());
    EXPECT_TRUE(m_host.Text(QStringLiteral("ID_INFO1")).isEmpty());
    EXPECT_TRUE(m_host.winnersList.isEmpty());
    EXPECT_EQ(engine().PickNumber(), 1);
    EXPECT_FALSE(m_host.IsTimerRunning(DrawEngine::RevealTimer));
    EXPECT_TRUE(m_host.buttons.value(QStringLiteral("BUTTON_START")));
    EXPECT_FALSE(m_host.buttons.value(QStringLiteral("BUTTON_STOP")));

    m_data.Exec(QStringLiteral("drop trigger refuse"));
    m_host.onBox = nullptr;
    ASSERT_TRUE(DrawRound());
    EXPECT_EQ(Wins().size(), 2);
}

using DrawRefusalTest = DrawEngineDriverTest;

INSTANTIATE_TEST_SUITE_P(Engines, DrawRefusalTest, SORTILO_BOTH_DRIVERS);

TEST_P(DrawRefusalTest, AWinStoredFirstAtAnotherStationIsToldInOneBoxAndLeavesNoNumberShown)
{
    AddPeople(3);
    engine().StartRound();
    m_host.Advance(100);
    engine().StopRoll();
    const QString id = engine().TargetID();
    ASSERT_FALSE(id.isEmpty());
    // Another station stores the same participant's win while the reels stop.
    CAdoDatabase other;
    ASSERT_TRUE(other.ConnectDatabase(m_data.target()));
    ASSERT_TRUE(WinnerStore(other).InsertWinner(
        {id, QStringLiteral("2026-12-07 20:00:00"), 1, 1, QStringLiteral("一等奖")}));
    ASSERT_TRUE(RunToRoundEnd());

    EXPECT_TRUE(m_messages.texts.isEmpty()) << "no box of the database layer";
    ASSERT_EQ(m_host.boxes.size(), 1);
    EXPECT_EQ(m_host.boxes[0],
              DrawTexts::RefusedWin(id, {WinRefusal::Cause::AlreadyWon, {}}, {}, {}));
    EXPECT_TRUE(m_host.boxDetails[0].contains(QStringLiteral("unique"), Qt::CaseInsensitive))
        << m_host.boxDetails[0].toStdString();
    EXPECT_EQ(m_host.ReelLine(), QStringLiteral("________"));
    EXPECT_TRUE(m_host.Text(QStringLiteral("ID_TEXT1")).isEmpty());
    EXPECT_TRUE(m_host.winnersList.isEmpty());
    EXPECT_EQ(Wins().size(), 1);

    // Start works again, and the next winner is somebody else.
    m_host.boxes.clear();
    ASSERT_TRUE(DrawRound());
    EXPECT_TRUE(m_host.boxes.isEmpty());
    ASSERT_EQ(Wins().size(), 2);
    EXPECT_NE(Wins()[1].id, id);
}

TEST_F(DrawEngineTest, AFailingQueryDuringThePickLetsNoSecondPickInThroughItsBox)
{
    AddPeople(6);
    int choices = 0;
    ChooseInTurn(choices);
    engine().StartRound();
    m_host.Advance(100);
    // The winners table goes away under the draw: the test of the chosen participant fails and
    // the database layer shows its box, during which F6 is pressed and the reels' timers run.
    m_data.Exec(QStringLiteral("alter table ComePrize rename to ComePrizeAway"));
    {
        ReenteringMessages box(m_messages, [this] {
            engine().StopRoll();
            m_host.Advance(5000);
        });
        engine().StopRoll();
        ASSERT_FALSE(box.texts.isEmpty());
        EXPECT_EQ(choices, 1);
    }
    m_data.Exec(QStringLiteral("alter table ComePrizeAway rename to ComePrize"));
    ASSERT_TRUE(RunToRoundEnd());

    EXPECT_EQ(choices, 1);
    const QList<Win> wins = Wins();
    ASSERT_EQ(wins.size(), 1);
    EXPECT_EQ(wins[0].id, engine().TargetID());
    EXPECT_EQ(m_host.ReelLine(), engine().TargetID() + QStringLiteral("______"));
}

TEST_F(DrawEngineTest, CharactersTheReelsDoNotCarryStopOnThemselvesSoTheRoundFinishes)
{
    AddPerson(QStringLiteral("a-中1"), QStringLiteral("周九"));
    ASSERT_TRUE(DrawRound());
    EXPECT_EQ(m_host.ReelLine(), QStringLiteral("A-中1____"));
    ASSERT_EQ(Wins().size(), 1);
    EXPECT_EQ(Wins()[0].id, QStringLiteral("A-中1"));
}

TEST_F(DrawEngineTest, AnIdLongerThanEightReelsShowsItsFirstEightAndIsRecordedWhole)
{
    AddPerson(QStringLiteral("ABCDEFGHIJ"), QStringLiteral("吴十"));
    ASSERT_TRUE(DrawRound());
    EXPECT_EQ(m_host.ReelLine(), QStringLiteral("ABCDEFGH"));
    ASSERT_EQ(Wins().size(), 1);
    EXPECT_EQ(Wins()[0].id, QStringLiteral("ABCDEFGHIJ"));
    EXPECT_TRUE(m_host.Text(QStringLiteral("ID_TEXT1")).contains(QStringLiteral("ABCDEFGHIJ")));
}

TEST_F(DrawEngineTest, AStopDuringTheAutomaticPicksPauseRecordsTheWinnerItChose)
{
    AddPeople(5);
    // Each choice takes a different entry, so a second choice would show.
    int choices = 0;
    ChooseInTurn(choices);
    SetQuota(2);
    engine().StartRound();
    m_host.Advance(100);
    engine().StopRoll();
    // Up to the start of the second pick, then F6 within its 300 ms.
    ASSERT_TRUE(m_host.RunUntil([this] { return engine().PickNumber() == 2; }, 60000));
    m_host.Advance(100);
    ASSERT_FALSE(engine().ReelOneArmed());
    engine().StopRoll();
    const QString chosen = engine().TargetID();
    m_host.Advance(250); // the automatic pick falls due here
    EXPECT_EQ(engine().TargetID(), chosen);
    ASSERT_TRUE(RunToRoundEnd());

    EXPECT_EQ(choices, 2);
    const QList<Win> wins = Wins();
    ASSERT_EQ(wins.size(), 2);
    EXPECT_EQ(wins[1].id, chosen);
    EXPECT_EQ(m_host.ReelLine(), chosen + QStringLiteral("______"));
}

TEST_F(DrawEngineTest, AParticipantWhoWonAfterThePoolWasReadIsNotChosenAgain)
{
    AddPerson(QStringLiteral("A1"), QStringLiteral("甲"));
    AddPerson(QStringLiteral("A2"), QStringLiteral("乙"));
    AddPerson(QStringLiteral("A3"), QStringLiteral("丙"));
    m_random->choose = [](std::uint64_t bound) -> std::uint64_t { return bound == 36 ? 5 : 0; };
    engine().StartRound();
    // Another part of the program records A1 as a winner while the reels roll.
    ASSERT_TRUE(WinnerStore(db()).InsertWinner(
        {QStringLiteral("A1"), QStringLiteral("2024-01-01 00:00:00"), 1, 1, QString()}));
    m_host.Advance(100);
    engine().StopRoll();
    EXPECT_EQ(engine().TargetID(), QStringLiteral("A2"));
    ASSERT_TRUE(RunToRoundEnd());
    EXPECT_EQ(m_data.Count(QStringLiteral("select * from ComePrize where PersonID='A1'")), 1);
}

TEST_F(DrawEngineTest, WhenEveryPooledParticipantHasWonMeanwhileTheRoundEnds)
{
    const auto everyoneWinsElsewhere = [this] {
        m_data.Exec(QStringLiteral("insert into ComePrize(PersonID,step,sNo) select PersonID,1,1 "
                                   "from person where PersonID not in (select PersonID from "
                                   "ComePrize)"));
    };
    const auto expectEndedWith108 = [this](const char* where) {
        EXPECT_EQ(m_host.boxes, QStringList{StringTable::Load(108)}) << where;
        EXPECT_TRUE(engine().IsIdle()) << where;
        EXPECT_FALSE(engine().IsRolling()) << where;
        for (int id : {1, 8, DrawEngine::NextPickTimer}) {
            EXPECT_FALSE(m_host.IsTimerRunning(id)) << where << " timer " << id;
        }
        EXPECT_TRUE(m_host.buttons.value(QStringLiteral("BUTTON_START"))) << where;
        m_host.boxes.clear();
    };

    // At the operator's stop of the first pick.
    AddPerson(QStringLiteral("A1"), QStringLiteral("甲"));
    AddPerson(QStringLiteral("A2"), QStringLiteral("乙"));
    engine().StartRound();
    everyoneWinsElsewhere();
    m_host.Advance(100);
    engine().StopRoll();
    expectEndedWith108("at the stop");
    m_host.Advance(2000);
    EXPECT_TRUE(m_host.boxes.isEmpty());
    EXPECT_EQ(m_data.Count(QStringLiteral("select * from ComePrize")), 2);

    // Between the first winner and the second pick of a round.
    AddPerson(QStringLiteral("B1"), QStringLiteral("丙"));
    AddPerson(QStringLiteral("B2"), QStringLiteral("丁"));
    SetQuota(2);
    engine().StartRound();
    m_host.Advance(100);
    engine().StopRoll();
    ASSERT_TRUE(m_host.RunUntil([this] { return engine().WinnerRevealed(); }, 60000));
    everyoneWinsElsewhere();
    ASSERT_TRUE(RunToRoundEnd());
    expectEndedWith108("at the next pick");
    m_host.Advance(2000);
    EXPECT_TRUE(m_host.boxes.isEmpty());
    EXPECT_FALSE(m_host.Text(QStringLiteral("ID_TEXT1")).isEmpty());
}

TEST_F(DrawEngineTest, ALateTickOfAStoppedReelDoesNotSetItRollingAgain)
{
    AddPerson(QStringLiteral("K9"), QStringLiteral("甲"));
    engine().StartRound();
    m_host.Advance(50);
    engine().StopRoll();
    ASSERT_TRUE(m_host.RunUntil([this] { return engine().ReelStopped(1); }, 60000));
    const QString shown = m_host.reels[0].text;
    engine().OnTimer(1);
    EXPECT_FALSE(m_host.IsTimerRunning(1));
    EXPECT_EQ(m_host.reels[0].text, shown);
    ASSERT_TRUE(RunToRoundEnd());
    EXPECT_EQ(Wins().size(), 1);
}
