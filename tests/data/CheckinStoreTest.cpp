// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/CheckinStore.h"
#include "data/PersonStore.h"
#include "support/RecordingMessageService.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using Outcome = CheckinReply::Outcome;

class CheckinStoreTest : public ::testing::TestWithParam<TestDatabase::Driver>
{
protected:
    RecordingMessageService messages;
    TestDatabase test{GetParam()};
    CheckinStore door{test.db(), QStringLiteral("door")};

    void SetUp() override
    {
        SORTILO_SKIP_UNLESS_AVAILABLE(GetParam());
        ASSERT_TRUE(test.ok()) << test.error().toStdString();
        PersonStore persons(test.db());
        ASSERT_TRUE(persons.Insert({QStringLiteral("A1"), QStringLiteral("张 三"), QString()}));
        ASSERT_TRUE(persons.Insert({QStringLiteral("b2"), QStringLiteral("Li Si"), QString()}));
        ASSERT_TRUE(persons.Insert({QStringLiteral("C3"), QString(), QString()}));
    }
};

INSTANTIATE_TEST_SUITE_P(Engines, CheckinStoreTest, SORTILO_BOTH_DRIVERS);

TEST_P(CheckinStoreTest, CheckInOnceThenAlreadyWithTheFirstTime)
{
    const CheckinReply first =
        door.CheckIn(QStringLiteral(" a1 "), QStringLiteral("2027-01-20 18:00:01"));
    EXPECT_EQ(first.outcome, Outcome::CheckedIn);
    EXPECT_EQ(first.PersonID, QStringLiteral("A1"));
    EXPECT_EQ(first.PersonName, QStringLiteral("张 三"));
    const CheckinReply again =
        door.CheckIn(QStringLiteral("A1"), QStringLiteral("2027-01-20 18:05:00"));
    EXPECT_EQ(again.outcome, Outcome::AlreadyCheckedIn);
    EXPECT_EQ(again.time, QStringLiteral("2027-01-20 18:00:01"));
    EXPECT_EQ(door.CheckIn(QStringLiteral("Z9"), QString()).outcome, Outcome::Unknown);
    EXPECT_EQ(door.CheckIn(QStringLiteral("  "), QString()).outcome, Outcome::Unknown);
    EXPECT_EQ(door.CheckedInCount(), 1);

    ASSERT_TRUE(door.SetCheckedIn(QStringLiteral("a1"), false, QString()));
    EXPECT_EQ(door.CheckedInCount(), 0);
    EXPECT_EQ(door.CheckIn(QStringLiteral("A1"), QStringLiteral("t2")).outcome, Outcome::CheckedIn);
    EXPECT_EQ(door.CheckedIn()->value(QStringLiteral("A1")), QStringLiteral("t2"));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'\n').toStdString();
}

TEST_P(CheckinStoreTest, AWrongNameIsAnsweredAsAnUnknownNumber)
{
    const CheckinReply unknown =
        door.CheckInByNumberAndName(QStringLiteral("Z9"), QStringLiteral("张三"), QString());
    const CheckinReply wrong =
        door.CheckInByNumberAndName(QStringLiteral("A1"), QStringLiteral("李四"), QString());
    EXPECT_EQ(wrong.outcome, Outcome::Unknown);
    EXPECT_EQ(wrong.PersonID, unknown.PersonID);
    EXPECT_EQ(wrong.PersonName, unknown.PersonName);
    EXPECT_EQ(wrong.time, unknown.time);
    EXPECT_EQ(
        door.CheckInByNumberAndName(QStringLiteral("C3"), QStringLiteral(""), QString()).outcome,
        Outcome::Unknown)
        << "a participant without a name cannot be checked in with an empty one";
    EXPECT_EQ(door.CheckedInCount(), 0);

    EXPECT_EQ(door.CheckInByNumberAndName(QStringLiteral("A1"), QStringLiteral("张三"),
                                          QStringLiteral("t"))
                  .outcome,
              Outcome::CheckedIn);
    EXPECT_EQ(door.CheckInByNumberAndName(QStringLiteral("B2"), QStringLiteral(" li  SI"),
                                          QStringLiteral("t"))
                  .outcome,
              Outcome::CheckedIn);
    EXPECT_EQ(door.CheckInByNumberAndName(QStringLiteral("A1"), QStringLiteral("张三"),
                                          QStringLiteral("u"))
                  .outcome,
              Outcome::AlreadyCheckedIn);
}

TEST_P(CheckinStoreTest, TwoStationsShareTheStateAndReadOnlyWhatChanged)
{
    CAdoDatabase otherDb;
    ASSERT_TRUE(otherDb.ConnectDatabase(test.target()));
    CheckinStore hall(otherDb, QStringLiteral("hall"));
    EXPECT_EQ(hall.OnlyCheckedIn(), false) << "off until the event turns it on";
    ASSERT_TRUE(door.SetOnlyCheckedIn(true));
    EXPECT_EQ(hall.OnlyCheckedIn(), true);

    EXPECT_EQ(door.CheckIn(QStringLiteral("A1"), QStringLiteral("t1")).outcome, Outcome::CheckedIn);
    EXPECT_EQ(hall.CheckIn(QStringLiteral("a1"), QStringLiteral("t2")).outcome,
              Outcome::AlreadyCheckedIn);
    EXPECT_EQ(hall.CheckIn(QStringLiteral("B2"), QStringLiteral("t3")).outcome, Outcome::CheckedIn);

    QStringList seen;
    const auto collect = [&seen](const QString& id, bool in) {
        seen << (in ? QStringLiteral("+") : QStringLiteral("-")) + id;
    };
    qint64 last = 0;
    ASSERT_TRUE(door.Changes(0, &last, collect));
    EXPECT_EQ(seen, (QStringList{QStringLiteral("+A1"), QStringLiteral("+b2")}));
    seen.clear();
    ASSERT_TRUE(hall.SetCheckedIn(QStringLiteral("A1"), false, QString()));
    ASSERT_TRUE(door.Changes(last, &last, collect));
    EXPECT_EQ(seen, QStringList{QStringLiteral("-A1")}) << "only the change since the last read";
    EXPECT_EQ(door.CheckedInCount(), 1);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'\n').toStdString();
}
