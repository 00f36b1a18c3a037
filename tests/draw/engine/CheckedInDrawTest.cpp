// SPDX-License-Identifier: GPL-3.0-or-later
// The event that admits only checked-in participants to the draw.
#include "draw/engine/DrawEngineFixture.h"

#include "data/CheckinStore.h"
#include "draw/engine/DrawTexts.h"

using CheckedInDrawTest = DrawEngineDriverTest;

INSTANTIATE_TEST_SUITE_P(Engines, CheckedInDrawTest, SORTILO_BOTH_DRIVERS);

TEST_P(CheckedInDrawTest, OnlyCheckedInParticipantsAreDrawnWhenTheEventSaysSo)
{
    AddPeople(6);
    m_random->choose = [](std::uint64_t bound) { return bound - 1; };
    ASSERT_TRUE(DrawRound());
    EXPECT_EQ(m_random->PickBounds().back(), 6u) << "off: everyone takes part";
    EXPECT_EQ(Wins().last().id, QStringLiteral("P6"));

    CAdoDatabase door;
    ASSERT_TRUE(door.ConnectDatabase(m_data.target()));
    CheckinStore desk(door, QStringLiteral("door"));
    ASSERT_TRUE(desk.SetOnlyCheckedIn(true));
    for (const char* id : {"P2", "P4", "P6"}) {
        ASSERT_EQ(desk.CheckIn(QLatin1String(id), QStringLiteral("t")).outcome,
                  CheckinReply::Outcome::CheckedIn);
    }
    const quint64 revision = engine().Pool().Revision();
    ASSERT_TRUE(DrawRound());
    EXPECT_EQ(m_random->PickBounds().back(), 2u) << "P2 and P4: P6 has won";
    EXPECT_EQ(Wins().last().id, QStringLiteral("P4"));
    if (GetParam() == TestDatabase::Driver::PostgreSql) {
        EXPECT_EQ(engine().Pool().Revision(), revision) << "check-ins elsewhere keep the pool";
    }

    ASSERT_TRUE(desk.SetCheckedIn(QStringLiteral("P2"), false, QString()));
    engine().StartRound();
    EXPECT_TRUE(engine().IsIdle());
    ASSERT_FALSE(m_host.boxes.isEmpty());
    EXPECT_EQ(m_host.boxes.last(), DrawTexts::NoneCheckedIn());

    // Checked in through the draw's own connection (the desk opened from its menu): the pool
    // takes the change from the journal and is not read again.
    const quint64 before = engine().Pool().Revision();
    ASSERT_EQ(CheckinStore(db(), QStringLiteral("hall")).CheckIn(QStringLiteral("p1"), {}).outcome,
              CheckinReply::Outcome::CheckedIn);
    ASSERT_TRUE(DrawRound());
    EXPECT_EQ(Wins().last().id, QStringLiteral("P1"));
    EXPECT_EQ(engine().Pool().Revision(), before);
}
