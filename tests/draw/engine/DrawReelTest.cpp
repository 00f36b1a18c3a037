// SPDX-License-Identifier: GPL-3.0-or-later
// The reels: what they show, when each stops, and how the prize level paces them.
#include "draw/engine/DrawEngineFixture.h"

#include "draw/engine/ReelStrip.h"
#include "platform/core/StringTable.h"

#include <map>

namespace {

// For one pick: when each reel's timer was last stopped, and the intervals each reel's timer
// was restarted with, from the moment the winner was chosen.
struct ReelTrace
{
    std::map<int, long long> stoppedAt;
    std::map<int, std::vector<int>> restarts;
};

ReelTrace Trace(const FakeDrawHost& host, long long from)
{
    ReelTrace trace;
    for (const auto& call : host.timerCalls) {
        if (call.at < from || call.id < 1 || call.id > 8) {
            continue;
        }
        if (call.interval < 0) {
            trace.stoppedAt[call.id] = call.at;
        } else {
            trace.restarts[call.id].push_back(call.interval);
        }
    }
    return trace;
}

} // namespace

TEST_F(DrawEngineTest, AShortIdEmptiesTheRemainingReelsAndTheLastOneRecords)
{
    AddPerson(QStringLiteral("AB1"), QStringLiteral("赵六"));
    SetLevel(4);
    engine().StartRound();
    m_host.Advance(100);
    engine().StopRoll();
    const long long armed = m_host.Now();
    ASSERT_TRUE(RunToRoundEnd());

    EXPECT_EQ(m_host.ReelLine(), QStringLiteral("AB1_____"));
    ASSERT_EQ(Wins().size(), 1);
    EXPECT_EQ(Wins()[0].id, QStringLiteral("AB1"));
    EXPECT_EQ(m_host.Text(QStringLiteral("ID_TEXT1")),
              QStringLiteral("1.赵六       AB1   (四等奖)"));
    // Reels 4 to 8 turn empty one after the other, each on its first look.
    const ReelTrace trace = Trace(m_host, armed);
    for (int reel = 4; reel <= 8; ++reel) {
        ASSERT_TRUE(trace.stoppedAt.count(reel)) << reel;
        const long long gap = trace.stoppedAt.at(reel) - trace.stoppedAt.at(reel - 1);
        EXPECT_GE(gap, 0) << reel;
        EXPECT_LE(gap, DrawEngine::ReelIntervalMs) << reel;
    }
    // Only the three reels that found a character make the drawing sound; the music restarts.
    EXPECT_EQ(m_host.drawingSounds, 3);
    EXPECT_EQ(m_host.musicRestarts, 1);
}

TEST_F(DrawEngineTest, ALowerCaseIdIsShownAndRecordedUpperCasedAndThenNoLongerEligible)
{
    AddPerson(QStringLiteral("ab12"), QStringLiteral("钱七"));
    engine().StartRound();
    m_host.Advance(100);
    engine().StopRoll();
    ASSERT_TRUE(m_host.RunUntil([this] { return engine().WinnerRevealed(); }, 60000));
    EXPECT_EQ(m_host.Text(QStringLiteral("ID_INFO")), QStringLiteral("     钱七    "));
    EXPECT_EQ(m_host.Text(QStringLiteral("ID_INFO1")), StringTable::Load(106));
    ASSERT_TRUE(RunToRoundEnd());
    EXPECT_EQ(engine().TargetID(), QStringLiteral("AB12"));
    EXPECT_EQ(m_host.ReelLine(), QStringLiteral("AB12____"));
    ASSERT_EQ(Wins().size(), 1);
    EXPECT_EQ(Wins()[0].id, QStringLiteral("AB12"));
    ASSERT_EQ(m_host.winnersList.size(), 1);
    EXPECT_EQ(m_host.winnersList[0], qMakePair(QStringLiteral("AB12"), QStringLiteral("钱七")));

    AddPerson(QStringLiteral("cd34"), QStringLiteral("孙八"));
    engine().StartRound();
    ASSERT_EQ(engine().Pool().Entries().size(), 1);
    EXPECT_EQ(engine().Pool().Entries()[0].PersonID, QStringLiteral("cd34"));
}

TEST_F(DrawEngineTest, LevelsFourToEightStopEveryReelWithin36TicksAtFullSpeed)
{
    for (int level = 4; level <= 8; ++level) {
        AddPerson(QStringLiteral("W0V9U8T%1").arg(level), QStringLiteral("人"));
        SetLevel(level);
        engine().StartRound();
        m_host.Advance(70);
        engine().StopRoll();
        const long long armed = m_host.Now();
        ASSERT_TRUE(RunToRoundEnd()) << level;
        EXPECT_EQ(m_host.ReelLine(), QStringLiteral("W0V9U8T%1").arg(level));

        const ReelTrace trace = Trace(m_host, armed);
        long long previous = armed;
        for (int reel = 1; reel <= 8; ++reel) {
            ASSERT_TRUE(trace.stoppedAt.count(reel)) << level << "/" << reel;
            EXPECT_LE(trace.stoppedAt.at(reel) - previous, 36 * DrawEngine::ReelIntervalMs)
                << level << "/" << reel;
            previous = trace.stoppedAt.at(reel);
            for (const int interval :
                 trace.restarts.count(reel) ? trace.restarts.at(reel) : std::vector<int>{}) {
                EXPECT_EQ(interval, DrawEngine::ReelIntervalMs) << level << "/" << reel;
            }
        }
        EXPECT_EQ(engine().SlowDownCounter(), 0);
    }
    EXPECT_EQ(Wins().size(), 5);
}

TEST_F(DrawEngineTest, LevelsOneToThreeSlowTheLookingReelDownTickByTick)
{
    AddPerson(QStringLiteral("9Z8Y7X6W"), QStringLiteral("人"));
    ASSERT_EQ(engine().PrizeLevel(), 1);
    engine().StartRound();
    m_host.Advance(70);
    engine().StopRoll();
    const long long armed = m_host.Now();
    ASSERT_TRUE(RunToRoundEnd());
    EXPECT_EQ(m_host.ReelLine(), QStringLiteral("9Z8Y7X6W"));

    // Reel i's interval grows by k each tick: 2 for reels 1 to 5, then 3, 5, 8. The counter is
    // 0 when reel 1 starts looking in a fresh window and 1 after each stop.
    const int factor[] = {2, 2, 2, 2, 2, 3, 5, 8};
    const ReelTrace trace = Trace(m_host, armed);
    for (int reel = 1; reel <= 8; ++reel) {
        ASSERT_TRUE(trace.restarts.count(reel)) << reel;
        const std::vector<int>& intervals = trace.restarts.at(reel);
        const int first = reel == 1 ? 0 : 1;
        for (size_t tick = 0; tick < intervals.size(); ++tick) {
            EXPECT_EQ(intervals[tick], factor[reel - 1] * (first + static_cast<int>(tick)) + 10)
                << reel << "/" << tick;
        }
    }
}

TEST(DrawEngineReels, CharactersAreCountedAsCharactersAndOnlyAsciiLettersUpperCased)
{
    EXPECT_EQ(ReelStrip::Cell(QStringLiteral("A中1"), 2), QStringLiteral("中"));
    EXPECT_EQ(ReelStrip::Cell(QStringLiteral("A中1"), 4), QString());
    EXPECT_EQ(ReelStrip::Cell(QStringLiteral("A中1"), 0), QString());
    // A character outside the basic plane is one reel, not two halves.
    const QString wide =
        QStringLiteral("X") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("Y");
    EXPECT_EQ(ReelStrip::Cell(wide, 2), QString::fromUcs4(U"\U0001F600"));
    EXPECT_EQ(ReelStrip::Cell(wide, 3), QStringLiteral("Y"));

    EXPECT_EQ(DrawEngine::UpperCaseId(QStringLiteral("az09é中ｂ")), QStringLiteral("AZ09é中ｂ"));
}
