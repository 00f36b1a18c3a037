// Failures and awkward input: a refused insert, IDs the reels cannot show, stops that race the
// automatic pick, participants who won after the pool was read.
#include "DrawEngineFixture.h"

#include "SqlStatements.h"
#include "StringTable.h"

TEST_F(DrawEngineTest, AFailedInsertIsReportedTheWinnerShownAndTheParticipantStaysEligible)
{
    AddPerson(QStringLiteral("A1"), QStringLiteral("甲"));
    AddPerson(QStringLiteral("A2"), QStringLiteral("乙"));
    m_data.Exec(QStringLiteral("create trigger refuse before insert on ComePrize "
                               "begin select raise(abort, 'disk says no'); end"));
    SetQuota(2);
    ASSERT_TRUE(DrawRound());

    EXPECT_TRUE(Wins().isEmpty());
    EXPECT_EQ(m_host.boxes, QStringList(2, QString::fromLatin1(DrawEngine::FailedInputText)));
    ASSERT_EQ(m_messages.texts.size(), 2); // the database layer's own "Error: ..." first
    EXPECT_TRUE(m_messages.texts[0].startsWith(QStringLiteral("Error: ")));
    EXPECT_TRUE(m_messages.texts[0].contains(QStringLiteral("disk says no")));
    // The round went on to its second winner, shown as usual.
    EXPECT_FALSE(m_host.Text(QStringLiteral("ID_TEXT1")).isEmpty());
    EXPECT_FALSE(m_host.Text(QStringLiteral("ID_TEXT2")).isEmpty());
    EXPECT_EQ(m_host.Text(QStringLiteral("ID_INFO")), StringTable::Load(116));

    m_data.Exec(QStringLiteral("drop trigger refuse"));
    engine().StartRound();
    EXPECT_EQ(engine().CandidatePool().size(), 2);
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
    for (int i = 1; i <= 5; ++i) {
        AddPerson(QStringLiteral("P%1").arg(i), QStringLiteral("人%1").arg(i));
    }
    // Each choice takes a different entry, so a second choice would show.
    int choices = 0;
    m_random->choose = [&choices](std::uint64_t bound) -> std::uint64_t {
        return bound == 36 ? 0 : static_cast<std::uint64_t>(choices++) % bound;
    };
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
    m_data.Exec(
        QString::fromLatin1(SqlStatements::InsertWinner),
        {QStringLiteral("A1"), QStringLiteral("2024-01-01 00:00:00"), 1, 1, QStringLiteral("")});
    m_host.Advance(100);
    engine().StopRoll();
    EXPECT_EQ(engine().TargetID(), QStringLiteral("A2"));
    ASSERT_TRUE(RunToRoundEnd());
    EXPECT_EQ(m_data.Count(QStringLiteral("select * from ComePrize where PersonID='A1'")), 1);
}

TEST_F(DrawEngineTest, WhenEveryPooledParticipantHasWonMeanwhileTheStopChoosesNoOne)
{
    AddPerson(QStringLiteral("A1"), QStringLiteral("甲"));
    AddPerson(QStringLiteral("A2"), QStringLiteral("乙"));
    engine().StartRound();
    m_data.Exec(
        QStringLiteral("insert into ComePrize(PersonID,step,sNo) select PersonID,1,1 from person"));
    m_host.Advance(100);
    engine().StopRoll(); // must end, without a winner
    EXPECT_FALSE(engine().ReelOneArmed());
    EXPECT_TRUE(engine().IsRolling());
    EXPECT_EQ(m_data.Count(QStringLiteral("select * from ComePrize")), 2);
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
