// SPDX-License-Identifier: GPL-3.0-or-later
// The draw log on both engines: what it records, what its check finds after a database tool
// changed the log or the winners, and stations appending at once.
#include "data/DrawLog.h"
#include "data/DatabaseTransaction.h"
#include "data/DrawLogCheck.h"
#include "data/PersonStore.h"
#include "data/WinnerStore.h"
#include "support/RecordingMessageService.h"
#include "support/TestDatabase.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using Finding = DrawLogCheck::Finding;

class DrawLogTest : public ::testing::TestWithParam<TestDatabase::Driver>
{
protected:
    RecordingMessageService messages;
    TestDatabase test{GetParam()};
    WinnerStore winners{test.db()};

    void SetUp() override
    {
        SORTILO_SKIP_UNLESS_AVAILABLE(GetParam());
        ASSERT_TRUE(test.ok()) << test.error().toStdString();
        PersonStore persons(test.db());
        for (const char* id : {"A1", "B2", "C3", "D4"}) {
            ASSERT_TRUE(persons.Insert({QLatin1String(id), QStringLiteral("名") + id, "部"}));
        }
    }

    bool Win(const char* id, int sNo)
    {
        return winners.InsertWinner(
            {QLatin1String(id), QStringLiteral("2026-12-07 20:00:00"), 1, sNo, "一等奖"}, nullptr,
            {4, 2, QStringLiteral("ab12"), QString()});
    }
    DrawLogCheck::Result Check() { return DrawLogCheck::Run(test.db()); }
    // The check after statement, which is then undone.
    DrawLogCheck::Result Tampered(const QString& statement)
    {
        DatabaseTransaction transaction(test.db());
        test.Exec(statement);
        return Check();
    }
    QJsonObject Payload(int seq)
    {
        test.Exec(QStringLiteral("select payload from DrawLog where seq=?"), {seq});
        return QJsonDocument::fromJson(test.db().GetFieldText("payload").toUtf8()).object();
    }
};

INSTANTIATE_TEST_SUITE_P(Engines, DrawLogTest, SORTILO_BOTH_DRIVERS);

} // namespace

TEST_P(DrawLogTest, TheUntouchedLogAgreesAndAClearingKeepsTheHistory)
{
    ASSERT_TRUE(Win("A1", 1));
    ASSERT_TRUE(Win("B2", 2));
    const QJsonObject win = Payload(1);
    EXPECT_EQ(win.value("id").toString(), QStringLiteral("A1"));
    EXPECT_EQ(win.value("name").toString(), QStringLiteral("名A1")) << "the name as stored";
    EXPECT_EQ(win.value("pool").toInteger(), 4);
    EXPECT_EQ(win.value("range").toInteger(), 2);
    EXPECT_EQ(win.value("poolDigest").toString(), QStringLiteral("ab12"));

    ASSERT_TRUE(winners.DeleteAll());
    EXPECT_EQ(Payload(3).value("removed").toInteger(), 2);
    ASSERT_TRUE(Win("A1", 1)) << "eligible again after the clearing";
    {
        DatabaseTransaction transaction(test.db());
        ASSERT_TRUE(DrawLog(test.db()).Append(DrawLog::Import, {{"file", "p.xlsx"}}));
        ASSERT_TRUE(transaction.Commit());
    }
    const DrawLogCheck::Result result = Check();
    EXPECT_EQ(result.finding, Finding::Agrees) << result.detail.toStdString();
    EXPECT_EQ(result.entries, 5);
    EXPECT_EQ(result.wins, 3) << "the cleared wins stay in the log";
    EXPECT_EQ(result.clearings, 1);
    EXPECT_EQ(result.imports, 1);
    EXPECT_EQ(result.winners, 1);
    EXPECT_EQ(result.lastDigest, DrawLog(test.db()).Head()->second);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'\n').toStdString();
}

TEST_P(DrawLogTest, EveryChangeMadeBehindTheProgramsBackIsNamed)
{
    // Entries 1 to 5: A1, B2, the clearing, C3, D4.
    ASSERT_TRUE(Win("A1", 1));
    ASSERT_TRUE(Win("B2", 2));
    ASSERT_TRUE(winners.DeleteAll());
    ASSERT_TRUE(Win("C3", 1));
    ASSERT_TRUE(Win("D4", 2));
    ASSERT_EQ(Check().finding, Finding::Agrees);

    struct Case
    {
        const char* statement;
        Finding finding;
        qint64 seq;
        const char* personId;
    };
    const Case cases[] = {
        {"update DrawLog set payload = replace(payload, '\"place\":1', '\"place\":2') "
         "where seq = 4",
         Finding::EntryBroken, 4, ""},
        {"update DrawLog set station = 'elsewhere' where seq = 1", Finding::EntryBroken, 1, ""},
        {"delete from DrawLog where seq = 2", Finding::EntryBroken, 3, ""},
        {"delete from DrawLog where seq = 5", Finding::HeadDiffers, 5, ""},
        {"insert into ComePrize(PersonID, sDateTime, step, sNo, JP) "
         "values('A1', '2026-12-07 21:00:00', 1, 3, 'x')",
         Finding::WinUnlogged, 0, "A1"},
        {"delete from ComePrize where PersonID = 'C3'", Finding::WinMissing, 4, "C3"},
        {"update ComePrize set step = 2 where PersonID = 'D4'", Finding::WinChanged, 5, "D4"},
        {"update ComePrize set PersonName = 'x' where PersonID = 'C3'", Finding::WinChanged, 4,
         "C3"},
    };
    for (const Case& tampering : cases) {
        const DrawLogCheck::Result result = Tampered(QLatin1String(tampering.statement));
        EXPECT_EQ(result.finding, tampering.finding) << tampering.statement;
        EXPECT_EQ(result.seq, tampering.seq) << tampering.statement;
        EXPECT_EQ(result.personId, QLatin1String(tampering.personId)) << tampering.statement;
    }
    EXPECT_EQ(Check().finding, Finding::Agrees) << "each change was undone";
}

TEST_P(DrawLogTest, AWinIsStoredWithItsEntryOrNotAtAll)
{
    test.Exec(QStringLiteral("delete from DrawLogHead"));
    WinRefusal refusal;
    EXPECT_FALSE(winners.InsertWinner({"A1", "2026-12-07 20:00:00", 1, 1, ""}, &refusal));
    EXPECT_EQ(refusal.cause, WinRefusal::Cause::Failed);
    EXPECT_TRUE(refusal.detail.contains("DrawLogHead")) << refusal.detail.toStdString();
    EXPECT_FALSE(winners.HasWon("A1"));
    EXPECT_EQ(test.Count(QStringLiteral("select * from DrawLog")), 0);
}

TEST_P(DrawLogTest, StationsWinningAtOnceAppendToOneChain)
{
    // Two stations try to store the same 30 wins at the same moments: each participant wins
    // once, and every win has its entry in one unbroken chain.
    PersonStore persons(test.db());
    QStringList ids;
    for (int i = 0; i < 30; ++i) {
        ids << QStringLiteral("S%1").arg(i);
        ASSERT_TRUE(persons.Insert({ids.last(), QStringLiteral("站"), QString()}));
    }
    std::atomic<int> stored{0};
    std::atomic<int> failed{0};
    const auto station = [&] {
        CAdoDatabase connection;
        if (!connection.ConnectDatabase(test.target())) {
            ++failed;
            return;
        }
        WinnerStore store(connection);
        for (const QString& id : ids) {
            WinRefusal refusal;
            if (store.InsertWinner({id, "2026-12-07 20:00:00", 2, 1, ""}, &refusal,
                                   {30, 30, "", ""})) {
                ++stored;
            } else if (refusal.cause != WinRefusal::Cause::AlreadyWon) {
                ++failed;
            }
        }
    };
    std::thread first(station);
    std::thread second(station);
    // A check meanwhile sees the log and the winners of one moment: never a difference.
    QString difference;
    for (int checks = 0; stored + failed < 30 && checks < 200 && difference.isEmpty(); ++checks) {
        if (const DrawLogCheck::Result meanwhile = Check(); meanwhile.finding != Finding::Agrees) {
            difference = meanwhile.personId + u' ' + meanwhile.detail;
        }
    }
    first.join();
    second.join();
    EXPECT_TRUE(difference.isEmpty()) << difference.toStdString();
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(stored, 30);
    const DrawLogCheck::Result result = Check();
    EXPECT_EQ(result.finding, Finding::Agrees) << result.detail.toStdString();
    EXPECT_EQ(result.entries, 30);
}
