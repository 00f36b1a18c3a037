// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/CAdoDatabase.h"
#include "data/SqlStatements.h"
#include "support/RecordingMessageService.h"
#include "support/TestDatabase.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

bool RunCluster(const char* action)
{
    return QProcess::execute(
               QStringLiteral(SORTILO_SOURCE_DIR "/tests/support/postgres-cluster.sh"),
               {QLatin1String(action), QStringLiteral(SORTILO_PG_STATE_FILE)}) == 0;
}

// The test cluster's server hangs (every process of it stopped, its kernel still acknowledging
// every packet) until the end of the scope, whatever the test's outcome.
class ServerPause
{
public:
    ServerPause() : m_paused(RunCluster("pause")) {}
    ~ServerPause() { RunCluster("resume"); }
    bool Paused() const { return m_paused; }

private:
    bool m_paused;
};

} // namespace

// A server that hangs while a station stores a winner, as the draw does: the change token's
// round trip first, then the insert.
TEST(ServerPause, StatementsFailWithinTheBoundAndTheStationComesBack)
{
    SORTILO_SKIP_UNLESS_AVAILABLE(TestDatabase::Driver::PostgreSql);
    RecordingMessageService messages;
    TestDatabase test(TestDatabase::Driver::PostgreSql);
    ASSERT_TRUE(test.ok()) << test.error().toStdString();
    CAdoDatabase& db = test.db();
    ServerLink::Limits limits;
    limits.answer = 2s;
    db.SetServerLimits(limits);
    test.Exec(QLatin1String(SqlStatements::InsertPerson), {"A1", "Ann", ""});
    const QVariantList win{"A1", "2024-01-01 20:00:00", 1, 1, "Prize", "A1", "A1"};
    {
        ServerPause pause;
        ASSERT_TRUE(pause.Paused());
        QElapsedTimer clock;
        clock.start();
        const ChangeStamp token = db.ChangeToken();
        EXPECT_FALSE(token.OthersKnown());
        EXPECT_FALSE(db.OpenQuery(QLatin1String(SqlStatements::InsertWinner), win));
        EXPECT_LT(clock.elapsed(), 10000) << "bounded by the answer limit, not by the pause";
        ASSERT_EQ(messages.texts.size(), 1);
        EXPECT_EQ(messages.texts[0], db.LastNotice());
        EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("没有响应")));
        EXPECT_TRUE(messages.details[0].contains(QLatin1String("did not answer")))
            << messages.details[0].toStdString();

        // While the server stays silent, statements fail without waiting for it; a caller
        // that reports the failure itself gets no box of the layer.
        clock.restart();
        {
            const CAdoDatabase::QuietFailures quiet(db);
            EXPECT_FALSE(db.OpenQuery(QStringLiteral("select * from ComePrize")));
        }
        EXPECT_LT(clock.elapsed(), 3000);
        EXPECT_EQ(messages.texts.size(), 1);
        EXPECT_FALSE(db.LastNotice().isEmpty());
    }
    // The idle window asks for change tokens; they take the station back to the server.
    QElapsedTimer clock;
    clock.start();
    while (!db.ChangeToken().OthersKnown() && clock.elapsed() < 20000) {
        QThread::msleep(100);
    }
    EXPECT_EQ(test.Count(QStringLiteral("select * from ComePrize")), 0) << "nothing was stored";
    EXPECT_TRUE(db.OpenQuery(QLatin1String(SqlStatements::InsertWinner), win));
    EXPECT_EQ(test.Count(QStringLiteral("select * from ComePrize")), 1);
    // ... and hears of the other stations' changes again.
    const ChangeStamp token = db.ChangeToken();
    CAdoDatabase other;
    ASSERT_TRUE(other.ConnectDatabase(test.target()));
    ASSERT_TRUE(other.OpenQuery(QLatin1String(SqlStatements::InsertPerson), {"B2", "Bob", ""}));
    EXPECT_NE(db.ChangeToken().others, token.others);
    EXPECT_EQ(messages.texts.size(), 1);
}
