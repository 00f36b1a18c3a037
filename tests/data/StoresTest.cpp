// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/PersonStore.h"
#include "data/PrizeStore.h"
#include "data/WinnerStore.h"
#include "support/RecordingMessageService.h"
#include "support/TestDatabase.h"

#include <QFile>

#include <gtest/gtest.h>

// On both engines: the same statements, the same results.
class StoresTest : public ::testing::TestWithParam<TestDatabase::Driver>
{
protected:
    RecordingMessageService messages;
    TestDatabase test{GetParam()};
    PersonStore persons{test.db()};
    PrizeStore prizes{test.db()};
    WinnerStore winners{test.db()};

    void SetUp() override
    {
        SORTILO_SKIP_UNLESS_AVAILABLE(GetParam());
        ASSERT_TRUE(test.ok()) << test.error().toStdString();
    }

    static QStringList Ids(const QList<PersonRow>& rows)
    {
        QStringList ids;
        for (const PersonRow& row : rows) {
            ids << row.PersonID;
        }
        return ids;
    }
};

TEST_P(StoresTest, PersonsRoundTrip)
{
    const PersonRow quoted{QStringLiteral("b'2"), QStringLiteral("O'Neil"), QString()};
    ASSERT_TRUE(
        persons.Insert({QStringLiteral("C3"), QStringLiteral("丙"), QStringLiteral("财务")}));
    ASSERT_TRUE(persons.Insert(quoted));
    ASSERT_TRUE(
        persons.Insert({QStringLiteral("A1"), QStringLiteral("甲"), QStringLiteral("人事")}));

    EXPECT_EQ(Ids(persons.All().value()),
              (QStringList{QStringLiteral("A1"), QStringLiteral("b'2"), QStringLiteral("C3")}));
    EXPECT_EQ(persons.ExportRows(), persons.All());
    EXPECT_EQ(persons.Count(), 3);
    EXPECT_TRUE(persons.Exists(QStringLiteral("B'2"))) << "numbers ignore case";
    EXPECT_FALSE(persons.Exists(QStringLiteral("Z9")));
    EXPECT_EQ(persons.Find(QStringLiteral("b'2")), quoted);

    ASSERT_TRUE(persons.Update({QStringLiteral("a1"), QStringLiteral("甲甲"), QString()}));
    EXPECT_EQ(persons.Find(QStringLiteral("A1")),
              (PersonRow{QStringLiteral("A1"), QStringLiteral("甲甲"), QString()}));
    ASSERT_TRUE(persons.Delete(QStringLiteral("C3")));
    EXPECT_EQ(persons.Count(), 2);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'\n').toStdString();

    EXPECT_FALSE(persons.Insert({QStringLiteral("A1"), QStringLiteral("重复"), QString()}));
    EXPECT_EQ(messages.texts.size(), 1) << "the layer's box, once";
    ASSERT_TRUE(persons.DeleteAll());
    EXPECT_EQ(persons.All().value().size(), 0);
}

TEST_P(StoresTest, ChangingAParticipantNoLongerStoredIsToldApart)
{
    const PersonRow person{QStringLiteral("A1"), QStringLiteral("甲"), QString()};
    ASSERT_TRUE(persons.Insert(person));
    EXPECT_EQ(persons.UpdateStored({QStringLiteral("a1"), QStringLiteral("乙"), QString()}),
              PersonStore::Change::Done);
    EXPECT_EQ(persons.DeleteStored(QStringLiteral("A1")), PersonStore::Change::Done);
    EXPECT_EQ(persons.UpdateStored(person), PersonStore::Change::Missing);
    EXPECT_EQ(persons.DeleteStored(QStringLiteral("A1")), PersonStore::Change::Missing);
    EXPECT_EQ(persons.Count(), 0);
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_P(StoresTest, PrizeNamesReadAndWriteTheOneRow)
{
    const auto initial = prizes.Names();
    ASSERT_TRUE(initial.has_value());
    EXPECT_EQ((*initial)[0], QStringLiteral("一等奖"));
    EXPECT_EQ((*initial)[7], QStringLiteral("八等奖"));

    PrizeStore::PrizeNames names;
    names[0] = QStringLiteral("汽车");
    names[7] = QStringLiteral("Chef's knife");
    ASSERT_TRUE(prizes.UpdateNames(names));
    EXPECT_EQ(prizes.Names(), names);

    // Without the row the names are not dropped: the row is made with them.
    test.Exec(QStringLiteral("delete from JP"));
    EXPECT_EQ(prizes.Names(), std::nullopt) << "no row, no names";
    ASSERT_TRUE(prizes.UpdateNames(names));
    EXPECT_EQ(prizes.Names(), names);
    EXPECT_EQ(test.Count(QStringLiteral("select * from JP")), 1);

    // Round sizes: 8 each in a new row; stored and read within 8..1000, whatever the row holds.
    PrizeStore::RoundSizes sizes;
    sizes.fill(PrizeStore::DefaultRoundSize);
    EXPECT_EQ(prizes.ReadRoundSizes(), sizes);
    sizes[0] = 1000;
    sizes[1] = 150;
    sizes[2] = 5000;
    sizes[3] = -3;
    ASSERT_TRUE(prizes.UpdateRoundSizes(sizes));
    if (test.target().driver == TestDatabase::Driver::Sqlite) {
        test.Exec(QStringLiteral("update JP set roundSize5 = 'many'")); // SQLite keeps any text
    }
    const auto read = prizes.ReadRoundSizes();
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ((*read)[0], 1000);
    EXPECT_EQ((*read)[1], 150);
    EXPECT_EQ((*read)[2], 1000);
    EXPECT_EQ((*read)[3], 8);
    EXPECT_EQ((*read)[4], 8);
    EXPECT_EQ(prizes.Names(), names) << "the sizes leave the names alone";
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_P(StoresTest, WinsLeaveThePoolAndAppearInTheRecord)
{
    for (const char* id : {"P1", "P2", "P3"}) {
        ASSERT_TRUE(persons.Insert(
            {QLatin1String(id), QStringLiteral("名") + QLatin1String(id), QStringLiteral("部门")}));
    }
    EXPECT_EQ(winners.CandidatePool().value().size(), 3);
    ASSERT_TRUE(winners.InsertWinner(
        {QStringLiteral("P2"), QStringLiteral("2026-12-07 20:00:00"), 3, 2, QStringLiteral("奖")}));
    ASSERT_TRUE(winners.InsertWinner(
        {QStringLiteral("P1"), QStringLiteral("2026-12-07 20:01:00"), 3, 1, QString()}));
    EXPECT_EQ(Ids(winners.CandidatePool().value()), QStringList{QStringLiteral("P3")});
    EXPECT_TRUE(winners.HasWon(QStringLiteral("p2")));
    EXPECT_FALSE(winners.HasWon(QStringLiteral("P3")));
    EXPECT_EQ(winners.WinnerName(QStringLiteral("P2")), QStringLiteral("名P2"));
    EXPECT_EQ(winners.WinnerName(QStringLiteral("nobody")), std::nullopt);

    const QList<WinnerRecordRow> records = winners.Records().value();
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[0],
              (WinnerRecordRow{QStringLiteral("P1"), QStringLiteral("名P1"), QStringLiteral("部门"),
                               QStringLiteral("2026-12-07 20:01:00"), QStringLiteral("3"),
                               QStringLiteral("1"), QString()}));
    EXPECT_EQ(records[1].PersonID, QStringLiteral("P2"));
    EXPECT_EQ(winners.ExportRows(), winners.Records());

    ASSERT_TRUE(persons.Delete(QStringLiteral("P1")));
    EXPECT_EQ(winners.Count(), 2) << "a removed participant's win is still counted";
    EXPECT_EQ(winners.Records().value(), records) << "and listed, under its name";
    EXPECT_EQ(winners.WinnerName(QStringLiteral("P1")), QStringLiteral("名P1"));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'\n').toStdString();
    WinRefusal refusal;
    EXPECT_FALSE(winners.InsertWinner({QStringLiteral("p2"), QString(), 1, 9, QString()}, &refusal))
        << "one win per participant, whatever the case of the number";
    EXPECT_EQ(refusal.cause, WinRefusal::Cause::AlreadyWon);
    EXPECT_FALSE(refusal.detail.isEmpty());
    EXPECT_TRUE(messages.texts.isEmpty()) << "the caller tells the operator";
    ASSERT_TRUE(winners.DeleteAll());
    EXPECT_EQ(winners.Count(), 0);
}

TEST_P(StoresTest, FailedQueriesAreNotEmptyResults)
{
    test.Exec(QStringLiteral("drop view hadPrizeView"));
    test.Exec(QStringLiteral("drop table ComePrize"));
    EXPECT_EQ(winners.CandidatePool(), std::nullopt);
    EXPECT_EQ(winners.Records(), std::nullopt);
    EXPECT_EQ(winners.Count(), std::nullopt);
    EXPECT_FALSE(winners.HasWon(QStringLiteral("P1")));
    WinRefusal refusal;
    EXPECT_FALSE(
        winners.InsertWinner({QStringLiteral("P1"), QString(), 1, 1, QString()}, &refusal));
    EXPECT_EQ(refusal.cause, WinRefusal::Cause::Failed);
    EXPECT_TRUE(refusal.detail.contains(QStringLiteral("comeprize"), Qt::CaseInsensitive))
        << refusal.detail.toStdString();
    EXPECT_EQ(messages.texts.size(), 4) << "a box for each but the refused win";
}

TEST_P(StoresTest, NoWinIsStoredIntoADatabaseFileTakenAway)
{
    if (GetParam() != TestDatabase::Driver::Sqlite) {
        GTEST_SKIP() << "only an SQLite database is a file of the program's own";
    }
    ASSERT_TRUE(persons.Insert({QStringLiteral("A1"), QStringLiteral("甲"), QString()}));
    ASSERT_TRUE(persons.Insert({QStringLiteral("B2"), QStringLiteral("乙"), QString()}));
    ASSERT_TRUE(winners.InsertWinner({QStringLiteral("A1"), QString(), 1, 1, QString()}));
    ASSERT_TRUE(messages.texts.isEmpty());

    // Replaced by another file under the same name (deleting it is the same case: no inode).
    ASSERT_TRUE(QFile::rename(test.path(), test.path() + QStringLiteral(".old")));
    ASSERT_TRUE(QFile::copy(test.path() + QStringLiteral(".old"), test.path()));
    WinRefusal refusal;
    EXPECT_FALSE(
        winners.InsertWinner({QStringLiteral("B2"), QString(), 1, 2, QString()}, &refusal));
    EXPECT_TRUE(messages.texts.isEmpty()) << "the caller tells the operator";
    EXPECT_EQ(refusal.cause, WinRefusal::Cause::FileGone);
    EXPECT_TRUE(refusal.detail.contains(QStringLiteral("已被另一个文件替换")));
    const QString recovery = test.db().RecoveryPath();
    ASSERT_FALSE(recovery.isEmpty());
    EXPECT_EQ(test.Count(QStringLiteral("select * from ComePrize")), 1) << "B2 was not stored";

    refusal = {};
    EXPECT_FALSE(
        winners.InsertWinner({QStringLiteral("B2"), QString(), 1, 2, QString()}, &refusal));
    EXPECT_EQ(refusal.cause, WinRefusal::Cause::FileGone) << "refused again, the same copy kept";
    EXPECT_EQ(test.db().RecoveryPath(), recovery);

    CAdoDatabase copy;
    ASSERT_TRUE(copy.ConnectDatabase(QString(), recovery));
    ASSERT_TRUE(copy.OpenQuery(QStringLiteral("pragma integrity_check")));
    EXPECT_EQ(copy.GetFieldText(QStringLiteral("integrity_check")), QStringLiteral("ok"));
    WinnerStore recovered(copy);
    EXPECT_EQ(recovered.Count(), 1) << "the win stored before is in the recovery copy";
}

INSTANTIATE_TEST_SUITE_P(Engines, StoresTest, SORTILO_BOTH_DRIVERS);
