// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/CAdoDatabase.h"
#include "support/RecordingMessageService.h"
#include "data/SqlStatements.h"
#include "support/TestDatabase.h"

#include <QList>
#include <QStringList>

#include <gtest/gtest.h>

// Large reads step SQLite directly where the driver uses the program's library (as here), and
// read through the driver otherwise: both give the same rows and the same failures.
TEST(SqliteDirectReader, DirectAndDriverReadsGiveTheSameRowsAndFailures)
{
    RecordingMessageService messages;
    TestDatabase test;
    ASSERT_TRUE(test.ok()) << test.error().toStdString();
    CAdoDatabase& db = test.db();
    EXPECT_TRUE(db.ReadsDirectly()) << "the driver and the program share one SQLite library";

    test.Exec(QLatin1String(SqlStatements::InsertPerson), {"P1", "张三", "总部 😀"});
    test.Exec(QLatin1String(SqlStatements::InsertPerson), {"p2", "", ""});
    test.Exec(QStringLiteral("insert into person(PersonID) values('N3')"));
    const QString sql = QStringLiteral(
        "select PersonID, PersonName, Company, 1, -7, 2.0, 2.5, 1e20, null, x'e4b8ad' "
        "from person order by PersonID");
    const auto read = [&](bool direct) {
        db.SetDirectReads(direct);
        EXPECT_EQ(db.ReadsDirectly(), direct);
        QList<QStringList> rows;
        EXPECT_TRUE(db.ReadRows(sql, 10, [&rows](const QString* values) {
            rows.append(QStringList(values, values + 10));
        }));
        EXPECT_FALSE(db.ReadRows(QStringLiteral("select 1"), 2, [](const QString*) {}));
        EXPECT_FALSE(
            db.ReadRows(QStringLiteral("select * from nosuchtable"), 1, [](const QString*) {}));
        return rows;
    };
    const QList<QStringList> direct = read(true);
    const QList<QStringList> driver = read(false);
    ASSERT_EQ(direct.size(), 3);
    EXPECT_EQ(direct, driver);
    EXPECT_EQ(direct[0], (QStringList{"N3", "", "", "1", "-7", "2", "2.5", "1e+20", "", "中"}));
    EXPECT_EQ(direct[1][2], QStringLiteral("总部 😀"));
    ASSERT_EQ(messages.texts.size(), 4);
    EXPECT_EQ(messages.texts[0], messages.texts[2]);
    EXPECT_EQ(messages.texts[1], messages.texts[3]);
}
