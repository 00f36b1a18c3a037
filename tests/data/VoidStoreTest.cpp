// SPDX-License-Identifier: GPL-3.0-or-later
// Voided wins on both engines: a void and its undo with each refusal, the pool a void leaves,
// replacements filling places (once, also across stations), the clearing, and what the draw
// log's check finds when VoidedWin is changed behind the program's back.
#include "data/VoidStore.h"
#include "data/DatabaseTransaction.h"
#include "data/DrawLogCheck.h"
#include "data/EligibilityStore.h"
#include "data/PersonStore.h"
#include "data/WinnerStore.h"
#include "support/RecordingMessageService.h"
#include "support/TestDatabase.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

using Cause = VoidRefusal::Cause;
using Finding = DrawLogCheck::Finding;

class VoidStoreTest : public ::testing::TestWithParam<TestDatabase::Driver>
{
protected:
    RecordingMessageService messages;
    TestDatabase test{GetParam()};
    WinnerStore winners{test.db()};
    VoidStore voids{test.db(), QStringLiteral("desk-1")};

    void SetUp() override
    {
        SORTILO_SKIP_UNLESS_AVAILABLE(GetParam());
        ASSERT_TRUE(test.ok()) << test.error().toStdString();
        PersonStore persons(test.db());
        for (const char* id : {"A1", "B2", "C3", "D4", "E5"}) {
            ASSERT_TRUE(persons.Insert({QLatin1String(id), QStringLiteral("名") + id, "部"}));
        }
        for (const char* id : {"A1", "B2"}) {
            ASSERT_TRUE(Win(id, id[0] - 'A' + 1));
        }
    }

    bool Win(const char* id, int sNo, qint64 replaces = 0, WinRefusal* refusal = nullptr)
    {
        return winners.InsertWinner({QLatin1String(id), QStringLiteral("2026-12-07 20:00:00"), 3,
                                     sNo, QStringLiteral("三等奖"), replaces},
                                    refusal);
    }
    bool Void(const char* id, Cause* cause = nullptr)
    {
        VoidRefusal refusal;
        const bool done = voids.Void(QLatin1String(id), QStringLiteral("不在场"),
                                     QStringLiteral("2026-12-07 20:05:00"), &refusal);
        if (cause) {
            *cause = refusal.cause;
        }
        return done;
    }
    Cause UndoRefused(VoidStore& store, const char* id)
    {
        VoidRefusal refusal;
        EXPECT_FALSE(store.Undo(QLatin1String(id), &refusal)) << id;
        return refusal.cause;
    }
    bool InPool(const char* id)
    {
        const QList<PersonRow> pool = winners.CandidatePool().value();
        for (const PersonRow& person : pool) {
            if (person.PersonID == QLatin1String(id)) {
                return true;
            }
        }
        return false;
    }
    qint64 LastVoidId() { return voids.Records().value().constLast().VoidID; }
    DrawLogCheck::Result Check() { return DrawLogCheck::Run(test.db()); }
};

INSTANTIATE_TEST_SUITE_P(Engines, VoidStoreTest, SORTILO_BOTH_DRIVERS);

} // namespace

TEST_P(VoidStoreTest, AVoidMovesTheWinOutAndItsUndoBringsItBackAsItWas)
{
    Cause cause = Cause::Failed;
    EXPECT_FALSE(Void("C3", &cause));
    EXPECT_EQ(cause, Cause::NoSuchWin);
    EXPECT_EQ(UndoRefused(voids, "A1"), Cause::NotVoided);

    ASSERT_TRUE(Void("a1")) << "the number in any case";
    EXPECT_FALSE(winners.WinnerName("A1"));
    EXPECT_EQ(winners.Count(), 1);
    const QList<VoidedWinRow> rows = voids.Records().value();
    ASSERT_EQ(rows.size(), 1);
    const VoidedWinRow& row = rows.first();
    EXPECT_EQ(row.PersonID, QStringLiteral("A1"));
    EXPECT_EQ(row.PersonName, QStringLiteral("名A1")) << "the name the win was stored with";
    EXPECT_EQ(row.step, 3);
    EXPECT_EQ(row.sNo, 1);
    EXPECT_EQ(row.Reason, QStringLiteral("不在场"));
    EXPECT_EQ(row.Station, QStringLiteral("desk-1"));
    EXPECT_FALSE(row.ReturnToPool);
    EXPECT_TRUE(row.IsOpen());
    EXPECT_EQ(row.VoidID, DrawLog(test.db()).Head()->first) << "numbered by its log entry";
    EXPECT_EQ(voids.OpenPlaces(3).value().size(), 1);
    EXPECT_EQ(voids.OpenPlaceCounts().value(), (QList<int>{0, 0, 1, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(Void("A1", &cause)) << "voided once";
    EXPECT_EQ(cause, Cause::NoSuchWin);

    ASSERT_TRUE(voids.Undo(QStringLiteral("A1")));
    EXPECT_EQ(winners.WinnerName("A1"), QStringLiteral("名A1"));
    EXPECT_TRUE(voids.Records().value().isEmpty());
    EXPECT_EQ(UndoRefused(voids, "A1"), Cause::NotVoided);

    const DrawLogCheck::Result result = Check();
    EXPECT_EQ(result.finding, Finding::Agrees) << result.detail.toStdString();
    EXPECT_EQ(result.voids, 1);
    EXPECT_EQ(result.undone, 1);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'\n').toStdString();
}

TEST_P(VoidStoreTest, AVoidedParticipantStaysOutOfThePoolUnlessTheEventPutsThemBack)
{
    const qsizetype eligible = EligibilityStore(test.db()).CandidateCounts()->total;
    const quint64 before = test.db().ChangeCount();
    ASSERT_TRUE(Void("A1"));
    EXPECT_FALSE(test.db().Journal().Between(before, test.db().ChangeCount()))
        << "a void leaves a gap, so kept pools are read again";
    EXPECT_FALSE(InPool("A1"));
    EXPECT_TRUE(winners.WinnerKeys()->contains(QStringLiteral("A1")));
    EXPECT_TRUE(winners.HasWon(QStringLiteral("a1")));
    EXPECT_EQ(EligibilityStore(test.db()).CandidateCounts()->total, eligible);

    ASSERT_EQ(voids.ReturnsToPool(), false);
    ASSERT_TRUE(voids.SetReturnsToPool(true));
    EXPECT_EQ(VoidStore(test.db(), QString()).ReturnsToPool(), true);
    ASSERT_TRUE(Void("B2"));
    EXPECT_TRUE(voids.Records()->constLast().ReturnToPool);
    EXPECT_TRUE(InPool("B2"));
    EXPECT_FALSE(winners.HasWon(QStringLiteral("B2")));
    EXPECT_EQ(EligibilityStore(test.db()).CandidateCounts()->total, eligible + 1);
    EXPECT_FALSE(InPool("A1")) << "the option counts at the moment of the void";

    // Back in the pool, B2 wins again: the voided win cannot come back beside it.
    ASSERT_TRUE(Win("B2", 4));
    EXPECT_EQ(UndoRefused(voids, "B2"), Cause::WonAgain);
    EXPECT_EQ(voids.Records()->size(), 2);

    // Clearing the winners clears the voids: everyone is back in the pool.
    ASSERT_TRUE(winners.DeleteAll());
    EXPECT_TRUE(voids.Records()->isEmpty());
    EXPECT_TRUE(InPool("A1"));
    const DrawLogCheck::Result result = Check();
    EXPECT_EQ(result.finding, Finding::Agrees) << result.detail.toStdString();
}

TEST_P(VoidStoreTest, AReplacementFillsAnOpenPlaceOnce)
{
    ASSERT_TRUE(Void("A1"));
    const qint64 place = LastVoidId();
    WinRefusal otherLevel;
    EXPECT_FALSE(winners.InsertWinner(
        {"C3", "2026-12-07 20:00:00", 5, 1, QStringLiteral("五等奖"), place}, &otherLevel))
        << "a place is filled at its own level only";
    EXPECT_EQ(otherLevel.cause, WinRefusal::Cause::PlaceTaken);
    ASSERT_TRUE(Win("C3", 1, place));
    VoidedWinRow row = voids.Records()->first();
    EXPECT_EQ(row.ReplacedBy, QStringLiteral("C3"));
    EXPECT_EQ(row.ReplacedTime, QStringLiteral("2026-12-07 20:00:00"));
    EXPECT_TRUE(voids.OpenPlaces(3)->isEmpty());
    EXPECT_EQ(UndoRefused(voids, "A1"), Cause::Replaced);
    test.Exec(QStringLiteral("select payload from DrawLog where seq=?"),
              {DrawLog(test.db()).Head()->first});
    EXPECT_EQ(QJsonDocument::fromJson(test.db().GetFieldText("payload").toUtf8())
                  .object()
                  .value("replaces")
                  .toInteger(),
              place);

    // The place is taken: neither a single win nor a round is stored for it.
    const qint64 entries = DrawLog(test.db()).Head()->first;
    WinRefusal refusal;
    EXPECT_FALSE(Win("D4", 1, place, &refusal));
    EXPECT_EQ(refusal.cause, WinRefusal::Cause::PlaceTaken);
    QString refusedId;
    EXPECT_FALSE(winners.InsertRound({{"D4", "2026-12-07 20:10:00", 3, 1, "三等奖", 0},
                                      {"E5", "2026-12-07 20:10:00", 3, 2, "三等奖", place}},
                                     nullptr, &refusal, &refusedId));
    EXPECT_EQ(refusal.cause, WinRefusal::Cause::PlaceTaken);
    EXPECT_EQ(refusedId, QStringLiteral("E5"));
    EXPECT_FALSE(winners.HasWon(QStringLiteral("D4")));
    EXPECT_EQ(DrawLog(test.db()).Head()->first, entries);

    // A round fills open places too.
    ASSERT_TRUE(Void("B2"));
    QList<PersonRow> stored;
    ASSERT_TRUE(winners.InsertRound({{"D4", "2026-12-07 20:20:00", 3, 1, "三等奖", LastVoidId()}},
                                    &stored));
    EXPECT_EQ(voids.Records()->constLast().ReplacedBy, QStringLiteral("D4"));
    const DrawLogCheck::Result result = Check();
    EXPECT_EQ(result.finding, Finding::Agrees) << result.detail.toStdString();
    EXPECT_EQ(result.replacements, 2);
    EXPECT_EQ(result.voided, 2);
}

TEST_P(VoidStoreTest, ASecondStationSeesTheVoidAndItsUndo)
{
    CAdoDatabase other;
    ASSERT_TRUE(other.ConnectDatabase(test.target()));
    VoidStore otherVoids(other, QStringLiteral("desk-2"));
    WinnerStore otherWinners(other);

    ASSERT_TRUE(otherVoids.Void(QStringLiteral("A1"), QString(), "2026-12-07 20:06:00"));
    Cause cause = Cause::Failed;
    EXPECT_FALSE(Void("A1", &cause));
    EXPECT_EQ(cause, Cause::NoSuchWin) << "voided at the other station";
    const qint64 place = LastVoidId();

    // The other station undoes the void: a replacement drawn here for it is refused.
    ASSERT_TRUE(otherVoids.Undo(QStringLiteral("A1")));
    WinRefusal refusal;
    EXPECT_FALSE(Win("C3", 1, place, &refusal));
    EXPECT_EQ(refusal.cause, WinRefusal::Cause::PlaceTaken);

    // Voided again and replaced there: an undo here is refused.
    ASSERT_TRUE(otherVoids.Void(QStringLiteral("A1"), QString(), "2026-12-07 20:07:00"));
    ASSERT_TRUE(otherWinners.InsertWinner(
        {"C3", "2026-12-07 20:08:00", 3, 1, "三等奖", otherVoids.Records()->first().VoidID}));
    EXPECT_EQ(UndoRefused(voids, "A1"), Cause::Replaced);
    const DrawLogCheck::Result result = Check();
    EXPECT_EQ(result.finding, Finding::Agrees) << result.detail.toStdString();
    EXPECT_EQ(result.voids, 2);
}

TEST_P(VoidStoreTest, TheLogCheckNamesEveryChangeOfTheVoidedWins)
{
    ASSERT_TRUE(Void("A1"));
    ASSERT_TRUE(Win("C3", 1, LastVoidId()));
    ASSERT_TRUE(Void("B2"));
    ASSERT_EQ(Check().finding, Finding::Agrees);
    const qint64 placeOfA1 = voids.Records()->first().VoidID;

    struct Case
    {
        QString statement;
        Finding finding;
        const char* personId;
    };
    const Case cases[] = {
        {QStringLiteral("update VoidedWin set Reason='x' where PersonID='B2'"),
         Finding::VoidChanged, "B2"},
        {QStringLiteral("update VoidedWin set ReplacedBy=null where PersonID='A1'"),
         Finding::VoidChanged, "A1"},
        {QStringLiteral("delete from VoidedWin where PersonID='B2'"), Finding::VoidMissing, "B2"},
        {QStringLiteral("insert into VoidedWin(VoidID,PersonID,VoidTime) values(999,'D4','t')"),
         Finding::VoidUnlogged, "D4"},
        {QStringLiteral("insert into ComePrize select PersonID,sDateTime,step,sNo,JP,PersonName,"
                        "Company,PersonGroup from VoidedWin where VoidID=%1")
             .arg(placeOfA1),
         Finding::WinUnlogged, "A1"},
    };
    for (const Case& tampering : cases) {
        DatabaseTransaction transaction(test.db());
        test.Exec(tampering.statement);
        const DrawLogCheck::Result result = Check();
        EXPECT_EQ(result.finding, tampering.finding) << tampering.statement.toStdString();
        EXPECT_EQ(result.personId, QLatin1String(tampering.personId))
            << tampering.statement.toStdString();
    }
    EXPECT_EQ(Check().finding, Finding::Agrees) << "each change was undone";
}
