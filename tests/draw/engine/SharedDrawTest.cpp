// SPDX-License-Identifier: GPL-3.0-or-later
// Stations that share one database: two draws at once, and a server that goes away.
#include "draw/engine/DrawEngineFixture.h"

#include "draw/engine/DrawTexts.h"
#include "data/SqlStatements.h"
#include "draw/engine/VirtualDrawClock.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <random>

namespace {

// A second station on the same data: its own connection, window and random choices.
struct Station
{
    CAdoDatabase db;
    FakeDrawHost host;
    ScriptedRandomSource* random = nullptr; // owned by the engine
    std::unique_ptr<DrawEngine> engine;

    bool Connect(const DatabaseTarget& target)
    {
        if (!db.ConnectDatabase(target)) {
            return false;
        }
        auto source = std::make_unique<ScriptedRandomSource>();
        random = source.get();
        engine = std::make_unique<DrawEngine>(host, db, std::move(source),
                                              std::make_unique<VirtualDrawClock>(host));
        host.Attach(engine.get());
        return true;
    }
};

// The participant number of a winner line "n.name   ID   (prize)".
QString LineId(const QString& line)
{
    return line.split(u' ', Qt::SkipEmptyParts).value(1);
}

} // namespace

using SharedDrawTest = DrawEngineDriverTest;

INSTANTIATE_TEST_SUITE_P(Engines, SharedDrawTest, SORTILO_BOTH_DRIVERS);

TEST_P(SharedDrawTest, TwoStationsDrawingAtOnceNeverAwardOnePersonTwice)
{
    AddPeople(7);
    Station other;
    ASSERT_TRUE(other.Connect(m_data.target()));
    QStringList shown; // every winner either station shows
    const auto collect = [&](const QString& name, const QString& text) {
        if (name.startsWith(QStringLiteral("ID_TEXT")) && !text.isEmpty()) {
            shown << LineId(text);
        }
    };
    m_host.onSkinText = collect;
    other.host.onSkinText = collect;
    // The first round: both stop on the same person before either has stored the win.
    m_random->choose = [](std::uint64_t) { return 0; };
    other.random->choose = [](std::uint64_t) { return 0; };

    int rounds = 0;
    for (; rounds < 30; ++rounds) {
        engine().StartRound();
        other.engine->StartRound();
        if (engine().IsIdle() && other.engine->IsIdle()) {
            break;
        }
        m_host.Advance(250);
        other.host.Advance(250);
        engine().StopRoll();
        other.engine->StopRoll();
        ASSERT_TRUE(RunToRoundEnd());
        ASSERT_TRUE(other.host.RunUntil(
            [&] { return other.engine->IsIdle() && !other.engine->IsRolling(); }, 600000));
        if (rounds == 0) {
            ASSERT_EQ(other.host.boxes.size(), 1)
                << "the second insert fails and takes the failure path";
            EXPECT_TRUE(other.host.boxes[0].startsWith(
                QString::fromLatin1(DrawTexts::FailedInputText) + u'\n'));
            // From now on each station chooses by its own random sequence.
            m_random->choose = nullptr;
            other.random->choose = [generator = std::mt19937(11)](std::uint64_t bound) mutable {
                return std::uniform_int_distribution<std::uint64_t>(0, bound - 1)(generator);
            };
        }
    }
    EXPECT_LT(rounds, 30);

    QStringList stored;
    for (const Win& win : Wins()) {
        stored << win.id;
    }
    EXPECT_EQ(stored.size(), 7) << "everyone won once";
    QStringList distinct = stored;
    distinct.removeDuplicates();
    EXPECT_EQ(distinct.size(), stored.size());
    std::sort(stored.begin(), stored.end());
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, stored) << "every stored winner shown once, nobody else";
}

TEST_P(SharedDrawTest, RegistrationAtAnotherStationReachesTheNextDraw)
{
    AddPeople(2);
    Station desk;
    ASSERT_TRUE(desk.db.ConnectDatabase(m_data.target()));
    ASSERT_TRUE(DrawRound());
    ASSERT_EQ(engine().Pool().Entries().size(), 1);
    const ChangeStamp before = db().ChangeToken();
    EXPECT_EQ(db().ChangeToken(), before) << "unchanged data keeps the token (and the pool)";
    ASSERT_TRUE(desk.db.OpenQuery(QLatin1String(SqlStatements::InsertPerson),
                                  {QStringLiteral("N1"), QStringLiteral("新"), QString()}));
    AwaitOtherChange(before);
    SetQuota(2);
    ASSERT_TRUE(DrawRound()) << "a stale pool of one would refuse a quota of two";
    QStringList ids;
    for (const Win& win : Wins()) {
        ids << win.id;
    }
    EXPECT_EQ(ids.size(), 3);
    EXPECT_TRUE(ids.contains(QStringLiteral("N1")));
}

TEST_P(SharedDrawTest, WinsAtAnotherStationAreNeverDrawnAgainAndNeedNoFreshRead)
{
    AddPeople(4);
    engine().RefreshCandidatePool(); // as the idle window does
    ASSERT_EQ(engine().Pool().Entries().size(), 4);
    Station other;
    ASSERT_TRUE(other.db.ConnectDatabase(m_data.target()));
    const ChangeStamp before = db().ChangeToken();
    QStringList won;
    for (int i = 1; i < 4; ++i) {
        won << engine().Pool().Entries().at(i).PersonID;
        ASSERT_TRUE(WinnerStore(other.db).InsertWinner({won.last(), QString(), 1, i, QString()}));
    }
    AwaitOtherChange(before);
    engine().RefreshCandidatePool();
    if (GetParam() == TestDatabase::Driver::PostgreSql) {
        // The server says the other station only stored wins: the pool is kept, and a pick
        // that meets one of its winners drops it.
        EXPECT_EQ(engine().Pool().Entries().size(), 4);
    }
    m_random->choose = [](std::uint64_t bound) { return bound - 1; };
    ASSERT_TRUE(DrawRound());
    const QList<Win> wins = Wins();
    ASSERT_EQ(wins.size(), 4);
    EXPECT_FALSE(won.contains(wins.last().id, Qt::CaseInsensitive)) << "nobody wins twice";
    EXPECT_TRUE(m_host.boxes.isEmpty());
}

// A server that drops the station's connection in the middle of a round.
using ServerLossTest = DrawEngineDriverTest;

INSTANTIATE_TEST_SUITE_P(Engines, ServerLossTest,
                         ::testing::Values(TestDatabase::Driver::PostgreSql),
                         [](const auto& test) { return TestDatabase::DriverName(test.param); });

TEST_P(ServerLossTest, NoWinnerIsShownAndTheStationRecovers)
{
    AddPeople(3);
    // The server's side, from its maintenance database.
    const QString name = m_data.target().name;
    QSqlDatabase admin = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    admin.setHostName(m_data.target().host);
    admin.setPort(m_data.target().port);
    admin.setUserName(m_data.target().user);
    admin.setDatabaseName(QStringLiteral("postgres"));
    ASSERT_TRUE(admin.open());
    const auto administer = [&](const QString& sql) {
        QSqlQuery query(admin);
        ASSERT_TRUE(query.exec(sql)) << query.lastError().text().toStdString();
    };
    const QString dropOthers = QStringLiteral("select pg_terminate_backend(pid) from "
                                              "pg_stat_activity where datname = '%1'")
                                   .arg(name);
    // The server drops the station while its reels run and accepts no connection for a while.
    engine().StartRound();
    m_host.Advance(250);
    engine().StopRoll();
    ASSERT_FALSE(engine().TargetID().isEmpty());
    administer(QStringLiteral("alter database %1 allow_connections false").arg(name));
    administer(dropOthers);
    ASSERT_TRUE(RunToRoundEnd());

    ASSERT_EQ(m_host.boxes.size(), 1);
    EXPECT_TRUE(m_host.boxes[0].startsWith(QString::fromLatin1(DrawTexts::FailedInputText)));
    EXPECT_TRUE(m_host.boxDetails[0].contains(QStringLiteral("connection"))) << "a clear cause";
    EXPECT_TRUE(m_messages.texts.isEmpty()) << "one box only";
    EXPECT_TRUE(m_host.winnersList.isEmpty());
    EXPECT_TRUE(m_host.Text(QStringLiteral("ID_TEXT1")).isEmpty());
    // Start while the server is still away: its cause is told, never "everyone has won".
    engine().StartRound();
    EXPECT_TRUE(engine().IsIdle());
    EXPECT_EQ(m_host.boxes.size(), 1);
    EXPECT_FALSE(m_messages.texts.isEmpty());

    // Back: the next statement connects again and the draw goes on with nothing lost.
    administer(QStringLiteral("alter database %1 allow_connections true").arg(name));
    EXPECT_TRUE(Wins().isEmpty());
    ASSERT_TRUE(DrawRound());
    EXPECT_EQ(Wins().size(), 1);
    EXPECT_EQ(m_host.winnersList.size(), 1);

    // A connection dropped and at once accepted again costs the round nothing.
    engine().StartRound();
    m_host.Advance(250);
    engine().StopRoll();
    administer(dropOthers);
    ASSERT_TRUE(RunToRoundEnd());
    EXPECT_EQ(Wins().size(), 2);
    EXPECT_EQ(m_host.winnersList.size(), 1);
    EXPECT_EQ(m_host.boxes.size(), 1);
    admin.close();
    admin = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}
