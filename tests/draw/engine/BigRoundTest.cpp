// SPDX-License-Identifier: GPL-3.0-or-later
// Rounds of more than eight winners: a fair choice without repetition, the half-range rule as a
// sequence of picks, all or nothing stored, and two stations drawing such rounds at once.
#include "draw/engine/DrawEngineFixture.h"

#include "data/DrawLogCheck.h"
#include "data/PrizeStore.h"
#include "data/SqlStatements.h"
#include "draw/engine/BigRound.h"
#include "draw/engine/DrawTexts.h"
#include "draw/engine/SystemRandomSource.h"
#include "draw/engine/VirtualDrawClock.h"

#include <QSet>

#include <cmath>
#include <thread>

namespace {

// Leans towards the first quarter of every range, twice as likely as the rest.
class BiasedSource final : public RandomSource
{
public:
    std::uint64_t Below(std::uint64_t bound) override
    {
        return m_fair.Below(bound + (bound + 3) / 4) % bound;
    }
    void Reseed() override {}

private:
    SystemRandomSource m_fair{99};
};

QList<PersonRow> Pool(int size)
{
    QList<PersonRow> pool;
    for (int i = 0; i < size; ++i) {
        pool.append({QStringLiteral("P%1").arg(i), QString(), QString()});
    }
    return pool;
}

// Chi-square of how often each entry took the first and the last place of rounds of 10 from a
// pool of 40 (each entry equally likely at every place when the choice is fair), failing the
// test on a repeated entry. Critical value for 2 x 39 degrees of freedom at about 1e-6: 150.
double PlaceChiSquare(RandomSource& random)
{
    constexpr int Size = 40;
    constexpr int Count = 10;
    constexpr int Rounds = 40000;
    const QList<PersonRow> pool = Pool(Size);
    std::vector<int> first(Size, 0);
    std::vector<int> last(Size, 0);
    bool toggle = false;
    for (int round = 0; round < Rounds; ++round) {
        const std::vector<int> chosen = BigRound::Choose(pool, {}, random, Count, false, toggle);
        EXPECT_EQ(chosen.size(), size_t{Count});
        EXPECT_EQ(QSet<int>(chosen.begin(), chosen.end()).size(), Count) << "no repetition";
        ++first[static_cast<size_t>(chosen.front())];
        ++last[static_cast<size_t>(chosen.back())];
    }
    const double expected = static_cast<double>(Rounds) / Size;
    double sum = 0;
    for (int i = 0; i < Size; ++i) {
        for (const int count : {first[static_cast<size_t>(i)], last[static_cast<size_t>(i)]}) {
            sum += (count - expected) * (count - expected) / expected;
        }
    }
    return sum;
}

constexpr double Critical = 150;

void SetRoundSize(CAdoDatabase& db, int level, int size)
{
    PrizeStore::RoundSizes sizes;
    sizes.fill(PrizeStore::DefaultRoundSize);
    sizes[static_cast<size_t>(level - 1)] = size;
    ASSERT_TRUE(PrizeStore(db).UpdateRoundSizes(sizes));
}

} // namespace

TEST(BigRoundChoice, EveryEntryIsEquallyLikelyAtEveryPlaceAndNoneComesTwice)
{
    SystemRandomSource fair(20261207);
    EXPECT_LT(PlaceChiSquare(fair), Critical);
    BiasedSource biased; // the same test rejects a choice that favours a quarter of the pool
    EXPECT_GT(PlaceChiSquare(biased), Critical);
}

TEST(BigRoundChoice, WinnersAlreadyStoredAreSkippedAndTooSmallAPoolGivesFewer)
{
    SystemRandomSource random(5);
    const QList<PersonRow> pool = Pool(12);
    bool toggle = false;
    const std::vector<int> chosen = BigRound::Choose(
        pool, {QStringLiteral("P3"), QStringLiteral("P7")}, random, 10, true, toggle);
    ASSERT_EQ(chosen.size(), 10u);
    EXPECT_FALSE(std::count(chosen.begin(), chosen.end(), 3) ||
                 std::count(chosen.begin(), chosen.end(), 7));
    EXPECT_EQ(BigRound::Choose(pool, {}, random, 13, true, toggle).size(), 12u);
}

using BigRoundTest = DrawEngineDriverTest;

INSTANTIATE_TEST_SUITE_P(Engines, BigRoundTest, SORTILO_BOTH_DRIVERS);

TEST_P(BigRoundTest, QuotaReachesTheRoundSizeAndTheWholeRoundIsStoredThenShown)
{
    AddPeople(30);
    // Every level at the default: the quota stops at 8 as ever.
    SetQuota(8);
    engine().QuotaUp();
    EXPECT_EQ(engine().RoundQuota(), 8);
    SetRoundSize(db(), 1, 20);
    engine().QuotaUp();
    ASSERT_EQ(engine().RoundQuota(), 20);
    EXPECT_EQ(m_host.Text(QStringLiteral("ID_NUMBER1")), QStringLiteral("20"));
    engine().QuotaUp();
    EXPECT_EQ(m_host.sysInfos.last(), DrawTexts::MaximumQuota(20));

    // Nothing is shown before the whole round is committed: look from a second connection.
    CAdoDatabase observer;
    ASSERT_TRUE(observer.ConnectDatabase(m_data.target()));
    int storedWhenShown = -1;
    m_host.onSkinText = [&](const QString& name, const QString& text) {
        if (name == QStringLiteral("ID_TEXT1") && !text.isEmpty()) {
            observer.OpenQuery(QStringLiteral("select count(*) as n from ComePrize"));
            storedWhenShown = observer.GetFieldText(QStringLiteral("n")).toInt();
        }
    };
    m_random->bounds.clear();
    ASSERT_TRUE(DrawRound());
    EXPECT_EQ(storedWhenShown, 20);

    const QList<Win> wins = Wins();
    ASSERT_EQ(wins.size(), 20);
    QSet<QString> ids;
    for (int i = 0; i < wins.size(); ++i) {
        ids.insert(wins[i].id);
        EXPECT_EQ(wins[i].sNo, i + 1);
        EXPECT_EQ(wins[i].step, 1);
        EXPECT_EQ(wins[i].time, wins[0].time);
    }
    EXPECT_EQ(ids.size(), 20);
    // The picks follow the half-range rule as single picks would: 30, 29 / 2, 28, 27 / 2...
    const std::vector<std::uint64_t> bounds = m_random->PickBounds();
    ASSERT_GE(bounds.size(), 4u);
    EXPECT_EQ(std::vector<std::uint64_t>(bounds.begin(), bounds.begin() + 4),
              (std::vector<std::uint64_t>{30, 14, 28, 13}));

    ASSERT_EQ(m_host.roundWinners.size(), 1);
    const FakeDrawHost::RoundShown& shown = m_host.roundWinners[0];
    EXPECT_EQ(shown.level, 1);
    EXPECT_EQ(shown.prize, QStringLiteral("一等奖"));
    ASSERT_EQ(shown.winners.size(), 20);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(shown.winners[i].PersonID, wins[i].id);
        EXPECT_EQ(shown.winners[i].PersonName, QStringLiteral("人") + wins[i].id.mid(1));
    }
    ASSERT_EQ(m_host.winnersList.size(), 1);
    EXPECT_EQ(m_host.winnersList[0].second, DrawTexts::RoundWinnerCount(20));
    EXPECT_EQ(m_host.ReelLine().left(wins[0].id.size()), wins[0].id);
    EXPECT_TRUE(m_host.Text(QStringLiteral("ID_TEXT8")).contains(wins[7].id));
    EXPECT_TRUE(m_host.boxes.isEmpty());
    // The round's wins are in the draw log, which agrees with the record.
    const DrawLogCheck::Result log = DrawLogCheck::Run(db());
    EXPECT_EQ(log.finding, DrawLogCheck::Finding::Agrees) << log.detail.toStdString();
    EXPECT_EQ(log.wins, 20);

    // Ten are left: the next round of 20 is refused at Start; down goes back to 8.
    engine().StartRound();
    EXPECT_TRUE(engine().IsIdle());
    EXPECT_EQ(m_host.boxes.size(), 1);
    engine().QuotaDown();
    EXPECT_EQ(engine().RoundQuota(), 8);
}

TEST_P(BigRoundTest, AnInsertRefusedInTheMiddleStoresAndShowsNothing)
{
    AddPeople(30);
    SetRoundSize(db(), 1, 12);
    for (int press = 0; press < 8; ++press) {
        engine().QuotaUp(); // 1 to 8, then the round size
    }
    ASSERT_EQ(engine().RoundQuota(), 12);
    if (GetParam() == TestDatabase::Driver::Sqlite) {
        m_data.Exec(QStringLiteral("create trigger refuse before insert on ComePrize when "
                                   "new.sNo = 5 begin select raise(abort, 'disk says no'); end"));
    } else {
        m_data.Exec(QStringLiteral("create function refuse() returns trigger language plpgsql as "
                                   "$$ begin if new.sNo = 5 then raise exception 'disk says no'; "
                                   "end if; return new; end $$"));
        m_data.Exec(QStringLiteral("create trigger refuse before insert on ComePrize for each row "
                                   "execute function refuse()"));
    }
    ASSERT_TRUE(DrawRound());
    EXPECT_TRUE(Wins().isEmpty());
    ASSERT_EQ(m_host.boxes.size(), 1);
    EXPECT_TRUE(m_host.boxes[0].startsWith(QString::fromLatin1(DrawTexts::FailedInputText)));
    EXPECT_TRUE(m_host.boxDetails[0].contains(QStringLiteral("disk says no")));
    EXPECT_TRUE(m_messages.texts.isEmpty()) << "one box only";
    EXPECT_TRUE(m_host.roundWinners.isEmpty());
    EXPECT_TRUE(m_host.winnersList.isEmpty());
    EXPECT_EQ(m_host.ReelLine(), QStringLiteral("________"));
    EXPECT_TRUE(m_host.Text(QStringLiteral("ID_TEXT1")).isEmpty());
    EXPECT_TRUE(m_host.buttons.value(QStringLiteral("BUTTON_START")));
}

TEST_P(BigRoundTest, TwoStationsDrawingBigRoundsAtOnceNeverAwardOnePersonTwice)
{
    constexpr int People = 200;
    constexpr int Size = 20;
    AddPeople(People);
    SetRoundSize(db(), 1, Size);
    // Both stations always take the first entries left, so their rounds collide.
    const auto station = [&](CAdoDatabase& database, FakeDrawHost& host, QList<PersonRow>& shown) {
        auto random = std::make_unique<ScriptedRandomSource>();
        random->choose = [](std::uint64_t) { return 0; };
        DrawEngine drawer(host, database, std::move(random),
                          std::make_unique<VirtualDrawClock>(host));
        host.Attach(&drawer);
        drawer.SetHalfRangeRule(false);
        drawer.QuotaUp();
        while (drawer.RoundQuota() < Size) {
            drawer.QuotaUp();
        }
        for (int round = 0; round < People; ++round) {
            drawer.StartRound();
            if (drawer.IsIdle()) {
                break;
            }
            host.Advance(250);
            drawer.StopRoll();
            host.RunUntil([&] { return drawer.IsIdle() && !drawer.IsRolling(); }, 600000);
        }
        for (const FakeDrawHost::RoundShown& round : host.roundWinners) {
            shown += round.winners;
        }
    };
    FakeDrawHost otherHost;
    QList<PersonRow> shownHere;
    QList<PersonRow> shownThere;
    std::thread other([&] {
        CAdoDatabase database;
        if (database.ConnectDatabase(m_data.target())) {
            station(database, otherHost, shownThere);
        }
    });
    station(db(), m_host, shownHere);
    other.join();

    QStringList stored;
    for (const Win& win : Wins()) {
        stored << win.id;
    }
    EXPECT_EQ(stored.size() % Size, 0) << "whole rounds only";
    EXPECT_GE(stored.size(), People - Size);
    EXPECT_EQ(QSet<QString>(stored.begin(), stored.end()).size(), stored.size());
    QStringList shown;
    for (const PersonRow& winner : shownHere + shownThere) {
        shown << winner.PersonID;
    }
    std::sort(stored.begin(), stored.end());
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, stored) << "every stored winner shown once, nobody else";
}
