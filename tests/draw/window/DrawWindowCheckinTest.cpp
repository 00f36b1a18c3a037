// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/window/DrawWindowCheckin.h"
#include "checkin/widgets/CheckinQrPanel.h"
#include "data/CAdoDatabase.h"
#include "data/CheckinPageSettings.h"
#include "data/CheckinStore.h"
#include "data/EventSettings.h"
#include "draw/engine/DrawEngine.h"
#include "draw/window/AppFolder.h"
#include "draw/window/CDrawDlg.h"
#include "draw/window/CheckinPageHost.h"
#include "platform/core/IniFile.h"
#include "skin/widgets/CSkinButton.h"
#include "support/RecordingMessageService.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Serves nothing: answers as a server would, or refuses with the error it was given.
class FakePageHost final : public CheckinPageHost
{
public:
    bool StartPage(quint16 port, QString* errorText) override
    {
        startedOn = port;
        if (!refusal.isEmpty()) {
            *errorText = refusal;
            return false;
        }
        serving = true;
        return true;
    }
    void StopPage() override { serving = false; }
    bool IsServing() const override { return serving; }
    QString PageUrl() const override
    {
        return serving ? QStringLiteral("http://192.0.2.7:8080/c/AbCdEfGhIjKlMnOpQrStUv")
                       : QString();
    }

    bool serving = false;
    quint16 startedOn = 0;
    QString refusal;
};

class DrawWindowCheckinTest : public ::testing::Test
{
protected:
    RecordingMessageService messages;
    AppFolder folder{10};
    CAdoDatabase db;
    FakePageHost page;
    std::unique_ptr<CDrawDlg> window;

    void SetUp() override
    {
        ASSERT_FALSE(folder.path().isEmpty()) << folder.error().toStdString();
        ASSERT_TRUE(db.ConnectDatabase(QString(), folder.database()));
    }
    void Open(bool withPage = true)
    {
        window = std::make_unique<CDrawDlg>(db, folder.path());
        window->SetTimerDivisor(10);
        if (withPage) {
            Checkin().SetPageHost(&page);
        }
        window->resize(1200, 800);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    DrawWindowCheckin& Checkin() { return window->Checkin(); }
    QString Config() const { return folder.path() + QLatin1String(EventSettings::FileName); }
};

} // namespace

TEST(CheckinPageSettings, OffOnPort8080UntilWrittenAndKeptBesideTheEventSettings)
{
    AppFolder folder(0);
    const QString config = folder.path() + QLatin1String(EventSettings::FileName);
    EXPECT_FALSE(CheckinPageSettings::Read(config).serve);
    EXPECT_EQ(CheckinPageSettings::Read(config).port, 8080);

    EventSettings event;
    event.company = QStringLiteral("某公司");
    ASSERT_TRUE(event.Write(config));
    CheckinPageSettings page;
    page.serve = true;
    page.port = 9123;
    ASSERT_TRUE(page.Write(config));
    EXPECT_TRUE(CheckinPageSettings::Read(config).serve);
    EXPECT_EQ(CheckinPageSettings::Read(config).port, 9123);
    EXPECT_EQ(EventSettings::Read(config).company, QStringLiteral("某公司"));
    // Saving the event settings later leaves the page's section alone.
    ASSERT_TRUE(event.Write(config));
    EXPECT_TRUE(CheckinPageSettings::Read(config).serve);

    // A port no server can use reads as the default.
    for (const char* port : {"0", "70000", "-5", "abc"}) {
        ASSERT_TRUE(IniFile::WriteValue(config, QStringLiteral("CHECKINPAGE"),
                                        QStringLiteral("PORT"), QLatin1String(port)));
        EXPECT_EQ(CheckinPageSettings::Read(config).port, 8080) << port;
    }
}

TEST_F(DrawWindowCheckinTest, TheCodeFollowsMenuAndF9OnlyWhileServedAndMakesWayForARound)
{
    Open();
    EXPECT_FALSE(page.serving) << "an event that never chose it serves nothing";
    EXPECT_FALSE(Checkin().CodeAction().isEnabled());
    QTest::keyClick(window.get(), Qt::Key_F9);
    EXPECT_FALSE(Checkin().IsCodeShown());

    Checkin().ServeAction().trigger();
    ASSERT_TRUE(page.serving);
    EXPECT_EQ(page.startedOn, 8080);
    EXPECT_TRUE(Checkin().ServeAction().isChecked());
    EXPECT_TRUE(CheckinPageSettings::Read(Config()).serve);

    QTest::keyClick(window.get(), Qt::Key_F9);
    ASSERT_TRUE(Checkin().IsCodeShown());
    EXPECT_EQ(Checkin().CodePanel().Address(), page.PageUrl());
    const int side = Checkin().CodePanel().CodeSide();
    EXPECT_GE(side, window->height() * 4 / 10) << side;
    EXPECT_LE(side, window->height() * 6 / 10) << side;
    QTest::keyClick(window.get(), Qt::Key_F9);
    EXPECT_FALSE(Checkin().IsCodeShown());
    Checkin().CodeAction().trigger();
    EXPECT_TRUE(Checkin().IsCodeShown());
    EXPECT_TRUE(Checkin().CodeAction().isChecked());

    // Start hides it, and F9 brings it back only after the round.
    CSkinButton* start = window->FindSkinButton(QStringLiteral("BUTTON_START"));
    ASSERT_NE(start, nullptr);
    QTest::mouseClick(start, Qt::LeftButton, {}, start->rect().center());
    ASSERT_FALSE(window->Engine().IsIdle());
    EXPECT_FALSE(Checkin().IsCodeShown());
    QTest::keyClick(window.get(), Qt::Key_F9);
    EXPECT_FALSE(Checkin().IsCodeShown());
    QTest::keyClick(window.get(), Qt::Key_F6);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->Engine().IsIdle(); }, 20000));

    // Switched off: the code goes, and the next start of the program serves nothing.
    QTest::keyClick(window.get(), Qt::Key_F9);
    EXPECT_TRUE(Checkin().IsCodeShown());
    Checkin().ServeAction().trigger();
    EXPECT_FALSE(page.serving);
    EXPECT_FALSE(Checkin().IsCodeShown());
    EXPECT_FALSE(CheckinPageSettings::Read(Config()).serve);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'\n').toStdString();
}

TEST_F(DrawWindowCheckinTest, APageThatCannotBeServedIsToldAndTheSettingStaysOff)
{
    page.refusal = QStringLiteral("端口 8080 无法使用");
    Open();
    Checkin().ServeAction().trigger();
    EXPECT_FALSE(page.serving);
    EXPECT_FALSE(Checkin().ServeAction().isChecked());
    EXPECT_FALSE(CheckinPageSettings::Read(Config()).serve);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(page.refusal)) << messages.texts[0].toStdString();

    // Stored as on, but refused at the start: told once, and the window works on.
    CheckinPageSettings stored;
    stored.serve = true;
    stored.port = 8181;
    ASSERT_TRUE(stored.Write(Config()));
    Open();
    EXPECT_EQ(page.startedOn, 8181);
    EXPECT_EQ(messages.texts.size(), 2);
    EXPECT_FALSE(Checkin().ServeAction().isChecked());
}

TEST_F(DrawWindowCheckinTest, TheTallyShowsOnceCheckInIsUsedAndWaitsForTheEndOfARound)
{
    Open(false);
    Checkin().RefreshTally();
    EXPECT_FALSE(Checkin().TallyLabel().isVisible()) << "nobody checked in, nobody restricted";

    CheckinStore store(db, QStringLiteral("door"));
    ASSERT_TRUE(store.SetOnlyCheckedIn(true));
    Checkin().RefreshTally();
    ASSERT_TRUE(Checkin().TallyLabel().isVisible());
    EXPECT_EQ(Checkin().TallyLabel().text(), QStringLiteral("已签到 0 / 10"));
    // In the top right corner.
    const QRect place = Checkin().TallyLabel().geometry();
    EXPECT_GT(place.left(), window->width() / 2);
    EXPECT_LT(place.bottom(), window->height() / 5);

    ASSERT_TRUE(store.SetOnlyCheckedIn(false));
    for (const char* id : {"E001", "E002", "E003"}) {
        ASSERT_EQ(store.CheckIn(QLatin1String(id), QStringLiteral("2024-01-01 18:00:00")).outcome,
                  CheckinReply::Outcome::CheckedIn);
    }
    // A participant deleted after checking in no longer counts.
    ASSERT_TRUE(db.OpenQuery(QStringLiteral("delete from person where PersonID='E003'")));
    Checkin().RefreshTally();
    EXPECT_TRUE(Checkin().TallyLabel().isVisible());
    EXPECT_EQ(Checkin().TallyLabel().text(), QStringLiteral("已签到 2 / 9"));

    // Not while the reels turn: the next look after the round tells.
    window->Engine().StartRound();
    ASSERT_FALSE(window->Engine().IsIdle());
    ASSERT_EQ(store.CheckIn(QStringLiteral("E004"), QStringLiteral("2024-01-01 18:01:00")).outcome,
              CheckinReply::Outcome::CheckedIn);
    Checkin().RefreshTally();
    EXPECT_EQ(Checkin().TallyLabel().text(), QStringLiteral("已签到 2 / 9"));
    window->Engine().StopRoll();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->Engine().IsIdle(); }, 20000));
    Checkin().RefreshTally();
    EXPECT_EQ(Checkin().TallyLabel().text(), QStringLiteral("已签到 3 / 9"));
}
