// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/DatabaseCreator.h"
#include "data/DrawLogCheck.h"
#include "data/EligibilityStore.h"
#include "data/PersonStore.h"
#include "data/SchemaVersion.h"
#include "data/SqlStatements.h"
#include "data/VersionOneSchema.h"
#include "data/WinnerStore.h"
#include "support/RecordingMessageService.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace S = SqlStatements;

// The shipped schema on both engines: the same statements, the same results.
class SchemaTest : public ::testing::TestWithParam<TestDatabase::Driver>
{
protected:
    RecordingMessageService messages;
    TestDatabase test{GetParam(), true};
    CAdoDatabase& db = test.db();

    void SetUp() override
    {
        SORTILO_SKIP_UNLESS_AVAILABLE(GetParam());
        ASSERT_TRUE(test.ok()) << test.error().toStdString();
    }

    void Win(const QString& id, int step = 1, int sNo = 1,
             const QString& prize = QStringLiteral("一等奖"),
             const QString& time = QStringLiteral("2026-12-07 20:00:00"))
    {
        test.Exec(QLatin1String(S::InsertWinner), {id, time, step, sNo, prize, id, id});
    }
    QStringList PoolIds()
    {
        QStringList ids;
        const QList<PersonRow> pool = WinnerStore(db).CandidatePool().value();
        for (const PersonRow& person : pool) {
            ids << person.PersonID;
        }
        return ids;
    }
};

TEST_P(SchemaTest, DemoDataAndPrizeRowAreThere)
{
    ASSERT_TRUE(db.OpenQuery(QLatin1String(S::CountPersons)));
    EXPECT_GE(db.GetFieldText(QStringLiteral("num")).toInt(), 60);
    ASSERT_TRUE(db.OpenQuery(QLatin1String(S::SelectPrizeNames)));
    ASSERT_EQ(db.GetRecordCount(), 1);
    EXPECT_EQ(db.GetFieldText(QStringLiteral("step1")), QStringLiteral("一等奖"));
    EXPECT_EQ(db.GetFieldText(QStringLiteral("STEP8")), QStringLiteral("八等奖"));
    EXPECT_EQ(
        test.Count(QStringLiteral("select * from person where personid in ('A001','1002','hr07')")),
        3);
}

TEST_P(SchemaTest, EveryCatalogueStatementRuns)
{
    const QString id = QStringLiteral("zz01");
    test.Exec(QLatin1String(S::InsertPerson), {id, QStringLiteral("赵六"), QStringLiteral("测试")});
    test.Exec(QLatin1String(S::UpdatePerson), {QStringLiteral("赵六六"), QStringLiteral("测"), id});
    test.Exec(QLatin1String(S::SelectPersonById), {id});
    EXPECT_EQ(db.GetFieldText(QStringLiteral("personName")), QStringLiteral("赵六六"));
    test.Exec(QLatin1String(S::SelectAllPersons));
    test.Exec(QLatin1String(S::SelectPersonsForExport));
    EXPECT_EQ(db.GetRecordCount(), test.Count(QLatin1String(S::SelectAllPersons)));
    Win(id, 2, 1, QStringLiteral("二等奖"));
    test.Exec(QLatin1String(S::SelectWinById), {id});
    EXPECT_FALSE(db.IsEOF());
    test.Exec(QLatin1String(S::SelectWinnerName), {id});
    test.Exec(QLatin1String(S::SelectWinnersRecord));
    ASSERT_EQ(db.GetRecordCount(), 1);
    for (const char* field :
         {"PersonID", "sNo", "PersonName", "sDateTime", "company", "step", "JP"}) {
        EXPECT_FALSE(db.GetFieldText(QLatin1String(field)).isEmpty()) << field;
    }
    test.Exec(QLatin1String(S::SelectWinnersForExport));
    test.Exec(QLatin1String(S::CountWinners));
    EXPECT_EQ(db.GetFieldText(QStringLiteral("num")), QStringLiteral("1"));
    test.Exec(QLatin1String(S::UpdatePrizeNames),
              {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"),
               QStringLiteral("e"), QStringLiteral("f"), QStringLiteral("g"), QStringLiteral("h")});
    test.Exec(QLatin1String(S::DeletePerson), {id});
    test.Exec(QLatin1String(S::DeleteAllWinners));
    test.Exec(QLatin1String(S::DeleteAllPersons));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'\n').toStdString();
}

TEST_P(SchemaTest, NamesAreAcceptedInEverySpelling)
{
    for (const char* sql :
         {"select * from PERSON where PERSONID='A001'", "select * from Person",
          "select personid, PERSONNAME, company from person", "select * from comePrize",
          "select * from COMEPRIZE", "select * from HadPrizeView", "select * from hadprizeview",
          "select * from jp where SNO=555"}) {
        EXPECT_TRUE(db.OpenQuery(QLatin1String(sql))) << sql;
    }
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_P(SchemaTest, ParticipantNumbersIgnoreCase)
{
    test.Exec(QLatin1String(S::InsertPerson),
              {QStringLiteral("abc"), QStringLiteral("小写"), QString()});
    EXPECT_FALSE(db.OpenQuery(QLatin1String(S::InsertPerson),
                              {QStringLiteral("ABC"), QStringLiteral("大写"), QString()}))
        << "one participant, whatever the case";
    messages.texts.clear();
    EXPECT_TRUE(PoolIds().contains(QStringLiteral("abc")));

    // The draw records the number upper-cased: the participant is no longer eligible.
    Win(QStringLiteral("ABC"));
    EXPECT_FALSE(PoolIds().contains(QStringLiteral("abc"), Qt::CaseInsensitive));
    EXPECT_EQ(test.Count(QLatin1String(S::SelectWinById), {QStringLiteral("abc")}), 1);
    test.Exec(QLatin1String(S::SelectWinnersRecord));
    EXPECT_EQ(db.GetFieldText(QStringLiteral("PersonName")), QStringLiteral("小写"));
}

TEST_P(SchemaTest, QuotesInValuesAreStoredUnchanged)
{
    const QString id = QStringLiteral("O'1");
    const QString name = QStringLiteral("O'Neil \"Jr\"; drop table person; --");
    test.Exec(QLatin1String(S::InsertPerson), {id, name, QStringLiteral("R&D's")});
    test.Exec(QLatin1String(S::SelectPersonById), {id});
    EXPECT_EQ(db.GetFieldText(QStringLiteral("PersonName")), name);
    Win(id, 3, 1, QStringLiteral("Chef's prize"));
    test.Exec(QLatin1String(S::SelectWinnersRecord));
    EXPECT_EQ(db.GetFieldText(QStringLiteral("JP")), QStringLiteral("Chef's prize"));
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_P(SchemaTest, WinsOutliveTheirParticipantsAndPrizeRenames)
{
    Win(QStringLiteral("A001"), 1, 1, QStringLiteral("一等奖"));
    Win(QStringLiteral("A002"), 1, 2, QStringLiteral("一等奖"));
    test.Exec(QLatin1String(S::UpdatePrizeNames),
              {QStringLiteral("汽车"), QString(), QString(), QString(), QString(), QString(),
               QString(), QString()});
    test.Exec(QLatin1String(S::DeletePerson), {QStringLiteral("A001")});

    EXPECT_EQ(test.Count(QStringLiteral("select * from ComePrize")), 2) << "the win stays";
    test.Exec(QLatin1String(S::SelectWinnersRecord));
    ASSERT_EQ(db.GetRecordCount(), 2) << "and so does its line in the record";
    EXPECT_EQ(db.GetFieldText(QStringLiteral("PersonID")), QStringLiteral("A001"));
    EXPECT_EQ(db.GetFieldText(QStringLiteral("PersonName")), QStringLiteral("史力"));
    EXPECT_EQ(db.GetFieldText(QStringLiteral("company")), QStringLiteral("采购部"));
    EXPECT_EQ(db.GetFieldText(QStringLiteral("JP")), QStringLiteral("一等奖")) << "a copy";

    const int eligible = PoolIds().size();
    test.Exec(QLatin1String(S::DeleteAllWinners));
    EXPECT_EQ(PoolIds().size(), eligible + 1);
}

TEST_P(SchemaTest, AVersionOneDatabaseIsUpgradedAndKeepsEveryWinWithItsName)
{
    for (const QString& statement : VersionOneStatements()) {
        test.Exec(statement);
    }
    test.Exec(GetParam() == TestDatabase::Driver::Sqlite
                  ? QStringLiteral("pragma user_version = 1")
                  : QStringLiteral("update SchemaVersion set version = 1"));
    const QString win = QStringLiteral("insert into ComePrize(PersonID,sDateTime,step,sNo,JP) "
                                       "values(?,'2026-12-07 20:00:00',?,1,'奖')");
    test.Exec(win, {QStringLiteral("a001"), 1});
    test.Exec(win, {QStringLiteral("1002"), 2});
    test.Exec(QLatin1String(S::DeletePerson), {QStringLiteral("1002")});

    CAdoDatabase upgraded;
    ASSERT_TRUE(upgraded.ConnectDatabase(test.target()));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'\n').toStdString();
    // The names of the wins are those their participants had at the upgrade; a participant
    // removed before it leaves a win without a name, but listed.
    test.Exec(QLatin1String(S::UpdatePerson),
              {QStringLiteral("改名"), QStringLiteral("别处"), QStringLiteral("A001")});
    WinnerStore winners(upgraded);
    const QList<WinnerRecordRow> records = winners.Records().value();
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[0].PersonID, QStringLiteral("a001"));
    EXPECT_EQ(records[0].PersonName, QStringLiteral("史力"));
    EXPECT_EQ(records[0].company, QStringLiteral("采购部"));
    EXPECT_EQ(records[1].PersonID, QStringLiteral("1002"));
    EXPECT_TRUE(records[1].PersonName.isEmpty());
    EXPECT_EQ(winners.Count(), 2);
    // The wins stored before the log existed open it, so the log agrees with the record.
    const DrawLogCheck::Result log = DrawLogCheck::Run(upgraded);
    EXPECT_EQ(log.finding, DrawLogCheck::Finding::Agrees) << log.detail.toStdString();
    EXPECT_EQ(log.wins, 2);

    // Upgraded once: a second connection finds the current version and changes nothing.
    CAdoDatabase again;
    ASSERT_TRUE(again.ConnectDatabase(test.target()));
    EXPECT_EQ(WinnerStore(again).Records(), records);
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_P(SchemaTest, AVersionTwoDatabaseGainsGroupsAndLevelRules)
{
    for (const QString& statement : VersionTwoStatements()) {
        test.Exec(statement);
    }
    test.Exec(GetParam() == TestDatabase::Driver::Sqlite
                  ? QStringLiteral("pragma user_version = 2")
                  : QStringLiteral("update SchemaVersion set version = 2"));
    Win(QStringLiteral("A001"));

    CAdoDatabase upgraded;
    ASSERT_TRUE(upgraded.ConnectDatabase(test.target()));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'\n').toStdString();
    // The win stored before groups existed was won under none, whatever the participant's
    // group becomes.
    PersonStore people(upgraded);
    ASSERT_TRUE(people.Update({"A001", "史力", "采购部", "销售部"}));
    ASSERT_TRUE(people.Update({"A002", "某人", "", "销售部"}));
    const QList<WinnerRecordRow> records = WinnerStore(upgraded).Records().value();
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0].PersonGroup, QString());
    EXPECT_EQ(people.Find(QStringLiteral("a002")).value().PersonGroup, QStringLiteral("销售部"));

    // The rules are shared: written here, read by another connection as written.
    EligibilityStore::Rules rules;
    rules[0] = EligibilityRule(EligibilityRule::Mode::Only, {"销售部", "研发部"});
    rules[7] = EligibilityRule(EligibilityRule::Mode::Except, {});
    ASSERT_TRUE(EligibilityStore(upgraded).Write(rules));
    CAdoDatabase again;
    ASSERT_TRUE(again.ConnectDatabase(test.target()));
    EligibilityStore shared(again);
    EXPECT_EQ(shared.Read().value(), rules);
    const EligibilityStore::Counts counts = shared.CandidateCounts().value();
    EXPECT_EQ(counts.perGroup.value(QStringLiteral("销售部")), 1) << "A001 has won";
    EXPECT_EQ(rules[0].Count(counts.perGroup, counts.total), 1);
    EXPECT_EQ(rules[7].Count(counts.perGroup, counts.total), counts.total);
}

TEST_P(SchemaTest, WinnersAreListedByLevelThenPlaceThenTime)
{
    Win(QStringLiteral("A003"), 2, 1, QStringLiteral("二等奖"),
        QStringLiteral("2026-12-07 21:00:00"));
    Win(QStringLiteral("A004"), 1, 2, QStringLiteral("一等奖"),
        QStringLiteral("2026-12-07 20:30:00"));
    Win(QStringLiteral("A005"), 1, 1, QStringLiteral("一等奖"),
        QStringLiteral("2026-12-07 20:40:00"));
    Win(QStringLiteral("A006"), 1, 1, QStringLiteral("一等奖"),
        QStringLiteral("2026-12-07 20:10:00"));
    QStringList order;
    test.Exec(QLatin1String(S::SelectWinnersRecord));
    for (; !db.IsEOF(); db.MoveNext()) {
        order << db.GetFieldText(QStringLiteral("PersonID"));
    }
    EXPECT_EQ(order, (QStringList{QStringLiteral("A006"), QStringLiteral("A005"),
                                  QStringLiteral("A004"), QStringLiteral("A003")}));
}

TEST(SharedDatabase, IsMadeOnceAndNeverOverwritten)
{
    SORTILO_SKIP_UNLESS_AVAILABLE(TestDatabase::Driver::PostgreSql);
    TestDatabase test(TestDatabase::Driver::PostgreSql, true);
    ASSERT_TRUE(test.ok()) << test.error().toStdString();
    const int persons = test.Count(QLatin1String(S::SelectAllPersons));
    QString error;
    EXPECT_FALSE(DatabaseCreator::CreatePostgreSql(test.target(), {}, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("already holds"))) << error.toStdString();
    EXPECT_EQ(test.Count(QLatin1String(S::SelectAllPersons)), persons);
    test.Exec(QStringLiteral("select version from SchemaVersion"));
    EXPECT_EQ(test.db().GetFieldText(QStringLiteral("version")),
              QString::number(SchemaVersion::Current));
}

INSTANTIATE_TEST_SUITE_P(Engines, SchemaTest, SORTILO_BOTH_DRIVERS);
