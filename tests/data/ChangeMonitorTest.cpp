// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/CAdoDatabase.h"
#include "data/SqlStatements.h"
#include "support/RecordingMessageService.h"
#include "support/TestDatabase.h"

#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

// The change token on both engines.
class ChangeMonitorTest : public ::testing::TestWithParam<TestDatabase::Driver>
{
protected:
    RecordingMessageService messages;
    TestDatabase test{GetParam()};
    CAdoDatabase& db = test.db();

    void SetUp() override
    {
        SORTILO_SKIP_UNLESS_AVAILABLE(GetParam());
        ASSERT_TRUE(test.ok()) << test.error().toStdString();
    }

    void AddPerson(CAdoDatabase& database, const char* id)
    {
        ASSERT_TRUE(database.OpenQuery(QLatin1String(SqlStatements::InsertPerson),
                                       {QLatin1String(id), QStringLiteral("名"), QString()}));
    }
};

INSTANTIATE_TEST_SUITE_P(Engines, ChangeMonitorTest, SORTILO_BOTH_DRIVERS);

TEST_P(ChangeMonitorTest, TheTokenFollowsEveryWriterAndLeavesTheResultAlone)
{
    AddPerson(db, "T1");
    AddPerson(db, "T2");
    ASSERT_TRUE(db.OpenQuery(QLatin1String(SqlStatements::SelectAllPersons)));
    const ChangeStamp token = db.ChangeToken();
    EXPECT_EQ(db.GetFieldText(QStringLiteral("PersonID")), QStringLiteral("T1")) << "result kept";
    EXPECT_EQ(db.GetRecordCount(), 2);
    ASSERT_TRUE(db.OpenQuery(QLatin1String(SqlStatements::CountPersons)));
    EXPECT_EQ(db.ChangeToken(), token) << "queries change nothing";

    ASSERT_TRUE(db.OpenQuery(QLatin1String(SqlStatements::DeletePerson), {QStringLiteral("T2")}));
    const ChangeStamp afterOwnWrite = db.ChangeToken();
    EXPECT_NE(afterOwnWrite, token);

    CAdoDatabase other;
    ASSERT_TRUE(other.ConnectDatabase(db.Target()));
    ASSERT_TRUE(
        other.OpenQuery(QLatin1String(SqlStatements::DeletePerson), {QStringLiteral("T1")}));
    EXPECT_NE(db.ChangeToken(), afterOwnWrite) << "another connection's commit is seen";
}

// The driver hands over the notifications of other connections' commits, made while this one
// ran nothing and without an event loop: other changes and stored wins are counted apart, this
// connection's own announcements not at all, and a connection made again listens again.
TEST(ChangeMonitor, NotificationsOfOtherConnectionsAreCountedAlsoAfterAReconnect)
{
    SORTILO_SKIP_UNLESS_AVAILABLE(TestDatabase::Driver::PostgreSql);
    RecordingMessageService messages;
    TestDatabase test(TestDatabase::Driver::PostgreSql);
    ASSERT_TRUE(test.ok()) << test.error().toStdString();
    CAdoDatabase& db = test.db();
    CAdoDatabase other;
    ASSERT_TRUE(other.ConnectDatabase(test.target()));

    const ChangeStamp start = db.ChangeToken();
    ASSERT_TRUE(start.OthersKnown());
    ASSERT_TRUE(db.OpenQuery(QLatin1String(SqlStatements::InsertPerson), {"A1", "Ann", ""}));
    const ChangeStamp own = db.ChangeToken();
    EXPECT_EQ(own.others, start.others);
    EXPECT_EQ(own.own, start.own + 1);

    ASSERT_TRUE(other.OpenQuery(QLatin1String(SqlStatements::InsertPerson), {"B2", "Bob", ""}));
    const ChangeStamp changed = db.ChangeToken();
    EXPECT_EQ(changed.others, *own.others + 1);
    EXPECT_EQ(changed.otherWins, own.otherWins);
    const QVariantList win{"B2", "2024-01-01 20:00:00", 1, 1, "Prize", "B2", "B2"};
    ASSERT_TRUE(other.OpenQuery(QLatin1String(SqlStatements::InsertWinner), win));
    const ChangeStamp won = db.ChangeToken();
    EXPECT_EQ(won.others, changed.others);
    EXPECT_EQ(won.otherWins, changed.otherWins + 1);

    // The server ends this connection's session; change tokens make it again.
    ASSERT_TRUE(db.OpenQuery(QStringLiteral("select pg_backend_pid() as pid")));
    const QString pid = db.GetFieldText(QStringLiteral("pid"));
    ASSERT_TRUE(other.OpenQuery(QStringLiteral("select pg_terminate_backend(%1)").arg(pid)));
    QElapsedTimer clock;
    clock.start();
    ChangeStamp back = db.ChangeToken();
    while (!back.OthersKnown() && clock.elapsed() < 20000) {
        QThread::msleep(50);
        back = db.ChangeToken();
    }
    ASSERT_TRUE(back.OthersKnown());
    ASSERT_TRUE(other.OpenQuery(QLatin1String(SqlStatements::InsertPerson), {"C3", "Cy", ""}));
    EXPECT_EQ(db.ChangeToken().others, *back.others + 1);
    EXPECT_TRUE(messages.texts.isEmpty());
}
