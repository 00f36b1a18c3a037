// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/CAdoDatabase.h"
#include "data/DatabaseCreator.h"
#include "data/DatabaseTransaction.h"
#include "data/PreparedStatement.h"
#include "data/SqlStatements.h"
#include "support/RecordingMessageService.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The layer on both engines.
class CAdoDatabaseTest : public ::testing::TestWithParam<TestDatabase::Driver>
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

    void AddPerson(const QString& id, const QString& name, const QString& company = QString())
    {
        ASSERT_TRUE(db.OpenQuery(QLatin1String(SqlStatements::InsertPerson), {id, name, company}));
    }
};

TEST_P(CAdoDatabaseTest, KeyViolationReportsThenTheNextStatementWorks)
{
    AddPerson(QStringLiteral("A001"), QStringLiteral("张三"));
    EXPECT_FALSE(db.OpenQuery(QLatin1String(SqlStatements::InsertPerson),
                              {QStringLiteral("A001"), QStringLiteral("李四"), QString()}));
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].startsWith(QStringLiteral("Error: ")))
        << messages.texts[0].toStdString();
    EXPECT_TRUE(db.IsEOF()) << "a failed statement leaves the result closed";

    ASSERT_TRUE(db.OpenQuery(QLatin1String(SqlStatements::CountPersons)));
    EXPECT_EQ(db.GetFieldText(QStringLiteral("NUM")), QStringLiteral("1"));

    EXPECT_FALSE(db.OpenQuery(QStringLiteral("select * from nosuchtable")));
    EXPECT_FALSE(db.OpenQuery(QStringLiteral("selec broken")));
    EXPECT_EQ(messages.texts.size(), 3);
}

TEST_P(CAdoDatabaseTest, FieldsReadAsTextWhateverTheirType)
{
    ASSERT_TRUE(db.OpenQuery(QStringLiteral("insert into person(PersonID) values('N1')")));
    ASSERT_TRUE(db.OpenQuery(QStringLiteral("select PersonID, PersonName, 1 as one, 2.0 as two, "
                                            "2.5 as half, -7 as neg from person")));
    ASSERT_FALSE(db.IsEOF());
    EXPECT_EQ(db.GetFieldText(QStringLiteral("personname")), QString()) << "NULL is empty";
    EXPECT_EQ(db.GetFieldText(QStringLiteral("ONE")), QStringLiteral("1"));
    EXPECT_EQ(db.GetFieldText(QStringLiteral("two")), QStringLiteral("2"));
    EXPECT_EQ(db.GetFieldText(QStringLiteral("half")), QStringLiteral("2.5"));
    EXPECT_EQ(db.GetFieldText(QStringLiteral("neg")), QStringLiteral("-7"));
    EXPECT_EQ(db.GetFieldText(QStringLiteral("no_such_field")), QString());
    db.MoveNext();
    EXPECT_TRUE(db.IsEOF());
    db.MoveNext();
    EXPECT_TRUE(db.IsEOF());
    EXPECT_EQ(db.GetFieldText(QStringLiteral("PersonID")), QString()) << "no current row";
}

TEST_P(CAdoDatabaseTest, EachStatementReplacesTheResultAndCountsAreExact)
{
    for (int i = 0; i < 25; ++i) {
        AddPerson(QStringLiteral("P%1").arg(i, 2, 10, QLatin1Char('0')),
                  QStringLiteral("人%1").arg(i));
    }
    ASSERT_TRUE(db.OpenQuery(QLatin1String(SqlStatements::SelectAllPersons)));
    EXPECT_EQ(db.GetRecordCount(), 25);
    EXPECT_EQ(db.GetFieldText(QStringLiteral("personID")), QStringLiteral("P00"));
    db.MoveNext();
    EXPECT_EQ(db.GetFieldText(QStringLiteral("personID")), QStringLiteral("P01"));

    // A new statement with rows left unread starts afresh.
    ASSERT_TRUE(
        db.OpenQuery(QLatin1String(SqlStatements::SelectPersonById), {QStringLiteral("P24")}));
    EXPECT_EQ(db.GetRecordCount(), 1);
    EXPECT_EQ(db.GetFieldText(QStringLiteral("PersonName")), QStringLiteral("人24"));

    // An action statement leaves the result closed.
    ASSERT_TRUE(db.OpenQuery(QLatin1String(SqlStatements::DeletePerson), {QStringLiteral("P24")}));
    EXPECT_TRUE(db.IsEOF());
    EXPECT_EQ(db.GetRecordCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Engines, CAdoDatabaseTest, SORTILO_BOTH_DRIVERS);

TEST(DatabaseCreator, SplitsScriptsOutsideQuotesAndRefusesToOverwrite)
{
    EXPECT_EQ(DatabaseCreator::SplitStatements(QStringLiteral(
                  "-- head; comment\ncreate table t(a);\ninsert into t values('x;y');"
                  "insert into t values(\"q;\")  ;create function f() as $$ begin; end $$;")),
              (QStringList{QStringLiteral("create table t(a)"),
                           QStringLiteral("insert into t values('x;y')"),
                           QStringLiteral("insert into t values(\"q;\")"),
                           QStringLiteral("create function f() as $$ begin; end $$")}));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.db"));
    QFile bad(dir.filePath(QStringLiteral("bad.sql")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("create table t(a); this is not sql;");
    bad.close();
    QString error;
    EXPECT_FALSE(DatabaseCreator::CreateSqlite(path, {bad.fileName()}, &error));
    EXPECT_FALSE(QFile::exists(path)) << "a failed creation leaves nothing";
    EXPECT_FALSE(error.isEmpty());

    ASSERT_TRUE(DatabaseCreator::CreateSqlite(path, {TestDatabase::SchemaFile()}, &error));
    EXPECT_FALSE(DatabaseCreator::CreateSqlite(path, {TestDatabase::SchemaFile()}, &error));
}

TEST_P(CAdoDatabaseTest, TransactionsCommitOrRollBackAsAWhole)
{
    PreparedStatement insert(db, QLatin1String(SqlStatements::InsertPerson));
    {
        DatabaseTransaction transaction(db);
        ASSERT_TRUE(transaction.IsActive());
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(
                insert.Run({QStringLiteral("R%1").arg(i), QStringLiteral("撤"), QString()}));
        }
        EXPECT_EQ(test.Count(QLatin1String(SqlStatements::SelectAllPersons)), 3);
        EXPECT_FALSE(DatabaseTransaction(db).IsActive()) << "transactions do not nest";
        EXPECT_EQ(messages.texts.size(), 1);
    } // not committed
    EXPECT_EQ(test.Count(QLatin1String(SqlStatements::SelectAllPersons)), 0);

    CAdoDatabase other;
    ASSERT_TRUE(other.ConnectDatabase(db.Target()));
    DatabaseTransaction transaction(db);
    ASSERT_TRUE(insert.Run({QStringLiteral("C1"), QStringLiteral("存"), QString()}));
    ASSERT_TRUE(insert.Run({QStringLiteral("C2"), QStringLiteral("存"), QString()}));
    EXPECT_FALSE(insert.Run({QStringLiteral("C1"), QStringLiteral("重复"), QString()}));
    ASSERT_TRUE(other.OpenQuery(QLatin1String(SqlStatements::CountPersons)));
    EXPECT_EQ(other.GetFieldText(QStringLiteral("num")), QStringLiteral("0")) << "not yet seen";
    ASSERT_TRUE(transaction.Commit());
    EXPECT_FALSE(transaction.Commit());
    ASSERT_TRUE(other.OpenQuery(QLatin1String(SqlStatements::CountPersons)));
    EXPECT_EQ(other.GetFieldText(QStringLiteral("num")), QStringLiteral("2"));
}

TEST_P(CAdoDatabaseTest, PreparedQueriesFillTheSharedResult)
{
    AddPerson(QStringLiteral("Q1"), QStringLiteral("一"));
    AddPerson(QStringLiteral("Q2"), QStringLiteral("二"));
    PreparedStatement find(db, QLatin1String(SqlStatements::SelectPersonById));
    for (const char* id : {"q2", "Q1", "none"}) {
        ASSERT_TRUE(find.Run({QLatin1String(id)}));
        EXPECT_EQ(db.GetRecordCount(), QLatin1String(id) == u"none" ? 0 : 1) << id;
    }
    ASSERT_TRUE(find.Run({QStringLiteral("Q2")}));
    EXPECT_EQ(db.GetFieldText(QStringLiteral("PersonName")), QStringLiteral("二"));
    EXPECT_TRUE(messages.texts.isEmpty());

    PreparedStatement broken(db, QStringLiteral("select * from nosuchtable where a=?"));
    EXPECT_FALSE(broken.Run({1}));
    EXPECT_FALSE(broken.Run({2}));
    ASSERT_EQ(messages.texts.size(), 2) << "each failed run is reported";
    EXPECT_TRUE(messages.texts[1].contains(QStringLiteral("nosuchtable")))
        << messages.texts[1].toStdString();
}
