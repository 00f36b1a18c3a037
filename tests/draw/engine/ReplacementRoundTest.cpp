// SPDX-License-Identifier: GPL-3.0-or-later
// Replacement rounds: the places of voided wins filled again, through the reels or at once.
#include "draw/engine/DrawEngineFixture.h"

#include "data/PrizeStore.h"
#include "data/VoidStore.h"
#include "draw/engine/DrawTexts.h"

#include <QSet>

#include <algorithm>

namespace {

const QString Time = QStringLiteral("2026-12-08 20:15:00");

QStringList Ids(const QList<PersonRow>& people)
{
    QStringList ids;
    for (const PersonRow& person : people) {
        ids << person.PersonID;
    }
    return ids;
}

} // namespace

class ReplacementRoundTest : public DrawEngineDriverTest
{
protected:
    // Voids the wins of ids (as stored), and tells the engine.
    void Void(const QStringList& ids)
    {
        VoidStore voids(db(), QStringLiteral("A"));
        for (const QString& id : ids) {
            VoidRefusal refusal;
            ASSERT_TRUE(voids.Void(id, QStringLiteral("未到场"), Time, &refusal))
                << refusal.detail.toStdString();
        }
        engine().VoidsChanged();
    }
    // A first round of quota among people participants; its wins.
    QList<Win> FirstRound(int people, int quota)
    {
        AddPeople(people);
        SetQuota(quota);
        EXPECT_TRUE(DrawRound());
        return Wins();
    }
    bool DrawReplacementRound()
    {
        engine().StartReplacementRound();
        m_host.Advance(250);
        engine().StopRoll();
        return RunToRoundEnd();
    }
    static QStringList IdsOf(const QList<Win>& wins)
    {
        QStringList ids;
        for (const Win& win : wins) {
            ids << win.id;
        }
        return ids;
    }
    QList<VoidedWinRow> Voided()
    {
        return VoidStore(db(), QString()).Records().value_or(QList<VoidedWinRow>());
    }
    // The wins stored since before (taken after the voids), by place.
    QList<Win> NewWins(const QList<Win>& before)
    {
        QList<Win> wins = Wins();
        wins.removeIf([&before](const Win& win) {
            return std::any_of(before.begin(), before.end(), [&win](const Win& old) {
                return old.id == win.id && old.sNo == win.sNo;
            });
        });
        std::sort(wins.begin(), wins.end(),
                  [](const Win& a, const Win& b) { return a.sNo < b.sNo; });
        return wins;
    }
};

INSTANTIATE_TEST_SUITE_P(Engines, ReplacementRoundTest, SORTILO_BOTH_DRIVERS);

TEST_P(ReplacementRoundTest, TwoVoidedOfEightAreDrawnAgainInTheirPlacesThroughTheReels)
{
    const QList<Win> round = FirstRound(12, 8);
    ASSERT_EQ(round.size(), 8);
    const QStringList ids = IdsOf(round);
    EXPECT_EQ(Ids(engine().LastRoundWinners()), ids);

    Void({round[2].id, round[5].id});
    EXPECT_EQ(engine().OpenPlaces(1), 2);
    EXPECT_EQ(engine().LastRoundWinners().size(), 6);
    EXPECT_FALSE(Ids(engine().LastRoundWinners()).contains(round[2].id));

    const QList<Win> kept = Wins();
    engine().StartReplacementRound();
    ASSERT_FALSE(engine().IsIdle());
    EXPECT_TRUE(engine().IsReplacementRound());
    EXPECT_EQ(m_host.Text(DrawTexts::InfoName()), DrawTexts::ReplacementStarting());
    m_host.Advance(250);
    engine().StopRoll();
    ASSERT_TRUE(RunToRoundEnd());

    const QList<Win> filled = NewWins(kept);
    ASSERT_EQ(filled.size(), 2);
    EXPECT_EQ(filled[0].sNo, 3);
    EXPECT_EQ(filled[1].sNo, 6);
    QSet<QString> marked;
    for (const VoidedWinRow& row : Voided()) {
        marked.insert(row.ReplacedBy);
    }
    EXPECT_EQ(marked, (QSet<QString>{filled[0].id, filled[1].id}));
    for (const Win& win : filled) {
        EXPECT_FALSE(ids.contains(win.id)); // the voided two stay out by default
    }
    EXPECT_EQ(m_host.Text(QStringLiteral("ID_TEXT1")),
              DrawTexts::ReplacementLine(
                  3, DrawTexts::PaddedName(QStringLiteral("人") + filled[0].id.mid(1)),
                  filled[0].id, engine().PrizeName(1)));
    EXPECT_EQ(Ids(engine().LastRoundWinners()), (QStringList{filled[0].id, filled[1].id}));
    EXPECT_EQ(engine().OpenPlaces(1), 0);
    EXPECT_EQ(engine().RoundQuota(), 8);
    EXPECT_FALSE(engine().IsReplacementRound());
    EXPECT_TRUE(m_host.boxes.isEmpty());

    // Nothing is open any more: refused with one box, nothing started.
    engine().StartReplacementRound();
    EXPECT_TRUE(engine().IsIdle());
    EXPECT_EQ(m_host.boxes, QStringList{DrawTexts::NoOpenPlace(1, engine().PrizeName(1))});
}

TEST_P(ReplacementRoundTest, MoreThanEightOpenPlacesAreDrawnAtOnceAsABigRound)
{
    AddPeople(30);
    PrizeStore::RoundSizes sizes;
    sizes.fill(PrizeStore::DefaultRoundSize);
    sizes[0] = 12;
    ASSERT_TRUE(PrizeStore(db()).UpdateRoundSizes(sizes));
    SetQuota(8);
    engine().QuotaUp(); // the round size
    ASSERT_EQ(engine().RoundQuota(), 12);
    ASSERT_TRUE(DrawRound());
    const QList<Win> round = Wins();
    ASSERT_EQ(round.size(), 12);
    QStringList voided;
    for (int place = 2; place <= 10; ++place) {
        voided << round[place - 1].id;
    }
    Void(voided);
    ASSERT_EQ(engine().OpenPlaces(1), 9);

    const QList<Win> kept = Wins();
    ASSERT_TRUE(DrawReplacementRound());
    const QList<Win> filled = NewWins(kept);
    ASSERT_EQ(filled.size(), 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(filled[i].sNo, i + 2);
        EXPECT_FALSE(voided.contains(filled[i].id));
    }
    ASSERT_EQ(m_host.roundWinners.size(), 2);
    EXPECT_EQ(m_host.roundWinners.last().winners.size(), 9);
    EXPECT_EQ(engine().LastRoundWinners(), m_host.roundWinners.last().winners);
    EXPECT_EQ(engine().OpenPlaces(1), 0);
    EXPECT_EQ(engine().RoundQuota(), 12);
    for (const VoidedWinRow& row : Voided()) {
        EXPECT_FALSE(row.IsOpen()) << row.PersonID.toStdString();
    }
}

TEST_P(ReplacementRoundTest, APlaceFilledAtAnotherStationMeanwhileEndsTheRoundWithOneBox)
{
    const QList<Win> round = FirstRound(6, 2);
    ASSERT_EQ(round.size(), 2);
    Void({round[0].id, round[1].id});
    ASSERT_EQ(engine().OpenPlaces(1), 2);

    engine().StartReplacementRound();
    ASSERT_FALSE(engine().IsIdle());
    // Another station fills the first place while the reels roll here.
    CAdoDatabase other;
    ASSERT_TRUE(other.ConnectDatabase(m_data.target()));
    const QList<VoidedWinRow> open =
        VoidStore(other, QString()).OpenPlaces(1).value_or(QList<VoidedWinRow>());
    ASSERT_EQ(open.size(), 2);
    // The last participant who has not won: never the first entry of the pool here.
    const QString elsewhere = engine().Pool().At(engine().Pool().Size() - 1).PersonID;
    ComePrizeRow win{elsewhere, Time, 1, open[0].sNo, engine().PrizeName(1)};
    win.replaces = open[0].VoidID;
    ASSERT_TRUE(WinnerStore(other).InsertWinner(win));
    m_random->choose = [](std::uint64_t) { return 0; };

    m_host.Advance(250);
    engine().StopRoll();
    ASSERT_TRUE(RunToRoundEnd());
    EXPECT_EQ(Wins().size(), 1); // the other station's only
    ASSERT_EQ(m_host.boxes.size(), 1);
    EXPECT_TRUE(m_host.Text(QStringLiteral("ID_TEXT1")).isEmpty());
    EXPECT_TRUE(m_host.winnersList.isEmpty());
    EXPECT_FALSE(engine().IsReplacementRound());
    EXPECT_EQ(engine().OpenPlaces(1), 1);
}

TEST_P(ReplacementRoundTest, AVoidedParticipantIsDrawnAgainOnlyWhenTheEventPutsThemBack)
{
    const QList<Win> round = FirstRound(3, 2);
    ASSERT_EQ(round.size(), 2);
    Void({round[0].id});
    ASSERT_EQ(engine().Pool().Size(), 1); // the one who has not won
    ASSERT_TRUE(VoidStore(db(), QString()).SetReturnsToPool(true));
    Void({round[1].id});
    ASSERT_EQ(engine().Pool().Size(), 2);

    ASSERT_TRUE(DrawReplacementRound());
    const QStringList ids = IdsOf(Wins());
    EXPECT_TRUE(ids.contains(round[1].id));
    EXPECT_FALSE(ids.contains(round[0].id));
    EXPECT_EQ(ids.size(), 2);
}

TEST_F(DrawEngineTest, AReplacementRoundIsRefusedWhileARoundRuns)
{
    AddPeople(4);
    engine().StartRound();
    ASSERT_FALSE(engine().IsIdle());
    engine().StartReplacementRound();
    EXPECT_EQ(m_host.sysInfos.last(), DrawTexts::Load(DrawTexts::Text::DrawingNow));
    EXPECT_FALSE(engine().IsReplacementRound());
    m_host.Advance(250);
    engine().StopRoll();
    ASSERT_TRUE(RunToRoundEnd());
    EXPECT_EQ(Wins().size(), 1);
}
