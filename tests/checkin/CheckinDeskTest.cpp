// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkin/desk/CCheckinDlg.h"
#include "data/DatabaseTransaction.h"
#include "data/PersonStore.h"
#include "platform/sound/SoundPlayer.h"
#include "support/RecordingMessageService.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QDateTime Evening(QDate(2027, 1, 20), QTime(18, 30, 0));

} // namespace

class CheckinDeskTest : public ::testing::TestWithParam<TestDatabase::Driver>
{
protected:
    RecordingMessageService messages;
    TestDatabase test{GetParam()};

    void SetUp() override
    {
        SORTILO_SKIP_UNLESS_AVAILABLE(GetParam());
        ASSERT_TRUE(test.ok()) << test.error().toStdString();
        ASSERT_TRUE(PersonStore(test.db()).Insert(
            {QStringLiteral("A001"), QStringLiteral("王小明"), QStringLiteral("研发部")}));
    }
};

INSTANTIATE_TEST_SUITE_P(Engines, CheckinDeskTest, SORTILO_BOTH_DRIVERS);

TEST_P(CheckinDeskTest, ThreeAnswersEachWithItsTextAndSoundAndNoBox)
{
    CheckinDesk desk(test.db(), QStringLiteral("door"), [] { return Evening; });
    EXPECT_EQ(desk.Tally(), QStringLiteral("已签到 0 / 1"));

    const CheckinDesk::Answer first = desk.Scan(QStringLiteral("a001\r"));
    EXPECT_EQ(first.name, QStringLiteral("王小明"));
    EXPECT_EQ(first.status, QStringLiteral("签到成功"));
    EXPECT_EQ(first.sound, CheckinDesk::Sound::CheckedIn);

    const CheckinDesk::Answer again = desk.Scan(QStringLiteral("A001"));
    EXPECT_EQ(again.name, QStringLiteral("王小明"));
    EXPECT_EQ(again.status, QStringLiteral("已签到 (18:30:00)"));
    EXPECT_EQ(again.sound, CheckinDesk::Sound::AlreadyCheckedIn);
    CheckinDesk nextDay(test.db(), QStringLiteral("door"), [] { return Evening.addDays(1); });
    EXPECT_EQ(nextDay.Scan(QStringLiteral("A001")).status,
              QStringLiteral("已签到 (2027-01-20 18:30:00)"));

    for (const QString& input : {QStringLiteral("B999"), QString(40, u'9')}) {
        const CheckinDesk::Answer unknown = desk.Scan(input);
        EXPECT_TRUE(unknown.name.isEmpty());
        EXPECT_EQ(unknown.status, QStringLiteral("查无此编号"));
        EXPECT_EQ(unknown.sound, CheckinDesk::Sound::Unknown);
    }
    EXPECT_EQ(desk.Tally(), QStringLiteral("已签到 1 / 1"));

    // A database that refuses: an answer on the screen, never a box that would take the
    // scanner's next keys.
    test.Exec(QStringLiteral("drop table Checkin"));
    const CheckinDesk::Answer failed = desk.Scan(QStringLiteral("A001"));
    EXPECT_EQ(failed.outcome, CheckinReply::Outcome::Failed);
    EXPECT_EQ(failed.status, QStringLiteral("签到失败，请再扫一次"));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'\n').toStdString();
}

// A thousand numbers read by a scanner, one after the other as fast as it types them.
TEST(CheckinDeskWindow, AThousandScansInARowAreAllStored)
{
    RecordingMessageService messages;
    TestDatabase test;
    ASSERT_TRUE(test.ok());
    constexpr int Scans = 1000;
    {
        DatabaseTransaction transaction(test.db());
        PersonStore persons(test.db());
        for (int i = 1; i <= Scans; ++i) {
            ASSERT_TRUE(persons.Insert({QStringLiteral("S%1").arg(i, 4, 10, QLatin1Char('0')),
                                        QStringLiteral("来宾%1").arg(i),
                                        {}}));
        }
        ASSERT_TRUE(transaction.Commit());
    }
    SoundPlayer sound(false, nullptr);
    CCheckinDlg desk(test.db(), test.folder(), QStringLiteral("door"), &sound);
    desk.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&desk));
    const QString shots = qEnvironmentVariable("SORTILO_DESK_SHOTS");
    const auto shoot = [&](const QString& name) {
        if (!shots.isEmpty()) {
            QCoreApplication::processEvents();
            desk.grab().save(QDir(shots).filePath(QStringLiteral("desk-%1.png").arg(name)));
        }
    };
    desk.activateWindow();
    (void)QTest::qWaitForWindowActive(&desk); // not on a server without a window manager
    // The keys go where the keyboard is: the input, which nothing else in the window takes.
    QWidget* typed = QApplication::focusWidget() ? QApplication::focusWidget() : desk.Input();
    EXPECT_EQ(typed, desk.Input());
    for (int i = 1; i <= Scans; ++i) {
        QTest::keyClicks(typed, QStringLiteral("s%1").arg(i, 4, 10, QLatin1Char('0')));
        QTest::keyClick(typed, Qt::Key_Return);
        if (i == 1) {
            shoot(QStringLiteral("checked-in"));
        }
    }
    EXPECT_TRUE(desk.isVisible()) << "Enter never closes the desk";
    EXPECT_EQ(desk.StatusText(), QStringLiteral("签到成功"));
    EXPECT_EQ(desk.NameText(), QStringLiteral("来宾1000"));
    EXPECT_EQ(test.Count(QStringLiteral("select * from Checkin where CheckedIn=1")), Scans);
    EXPECT_TRUE(desk.Input()->text().isEmpty());
    EXPECT_EQ(sound.LastAnswer(), test.folder() + QStringLiteral("Sound/checkin-ok.wav"));

    QTest::keyClicks(desk.Input(), QStringLiteral("S0007"));
    QTest::keyClick(desk.Input(), Qt::Key_Return);
    EXPECT_TRUE(desk.StatusText().startsWith(QStringLiteral("已签到 (")));
    EXPECT_EQ(sound.LastAnswer(), test.folder() + QStringLiteral("Sound/checkin-again.wav"));
    shoot(QStringLiteral("already"));
    QTest::keyClicks(desk.Input(), QStringLiteral("X1234"));
    QTest::keyClick(desk.Input(), Qt::Key_Return);
    EXPECT_EQ(desk.StatusText(), QStringLiteral("查无此编号"));
    EXPECT_EQ(sound.LastAnswer(), test.folder() + QStringLiteral("Sound/checkin-unknown.wav"));
    QTest::qWait(600);
    EXPECT_EQ(desk.TallyText(), QStringLiteral("已签到 1000 / 1000"));
    shoot(QStringLiteral("unknown"));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'\n').toStdString();
}
