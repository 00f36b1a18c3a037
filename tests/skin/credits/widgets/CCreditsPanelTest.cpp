// SPDX-License-Identifier: GPL-3.0-or-later
// The credits panel widgets around the roll: timers, variants and painting.
#include "skin/credits/widgets/CCreditsPanel.h"
#include "skin/credits/widgets/CCreditsPanelB.h"
#include "skin/credits/core/CreditsTestSupport.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace credits_test;

TEST(CCreditsPanel, SingleNormalLineRisesAfterOneLineHeightAndRepeats)
{
    CCreditsPanel panel;
    panel.resize(Client);
    panel.SetCredits("Hello", '|');
    panel.SetSpeed(2, 0);
    ASSERT_TRUE(panel.Start());
    EXPECT_TRUE(panel.IsRunning());
    EXPECT_EQ(panel.TimerInterval(), 100);

    CreditsRoll& roll = panel.Roll();
    for (int i = 0; i < 14; ++i) {
        panel.Tick();
    }
    EXPECT_EQ(roll.CurrentLine(), "");
    EXPECT_EQ(CountColour(roll.Canvas(), Qt::white), 0);
    panel.Tick(); // the 15th tick
    EXPECT_EQ(roll.CurrentLine(), "Hello");
    EXPECT_EQ(roll.Offset(), 1);
    for (int i = 0; i < 14; ++i) {
        panel.Tick();
    }
    EXPECT_EQ(roll.Offset(), 15);
    // The line has risen 15 rows out of the bottom edge; nothing above that.
    const QImage& canvas = roll.Canvas();
    EXPECT_GT(CountColour(canvas, Qt::white, QRect(0, Client.height() - 17, 200, 15)), 10);
    EXPECT_EQ(CountColour(canvas, Qt::white, QRect(0, 0, 200, Client.height() - 18)), 0);
    panel.Tick(); // 15 ticks later the next copy starts
    EXPECT_EQ(roll.CurrentLine(), "Hello");
    EXPECT_EQ(roll.Offset(), 1);
    panel.Stop();
    EXPECT_FALSE(panel.IsRunning());
}

TEST(CCreditsPanel, StartWithoutLinesFailsAndStartsNoTimer)
{
    CCreditsPanel panel;
    EXPECT_FALSE(panel.Start());
    EXPECT_FALSE(panel.IsRunning());
    CCreditsPanelB second;
    second.SetSpeed(2, 0);
    EXPECT_FALSE(second.Start());
    EXPECT_FALSE(second.IsRunning());
    second.Stop(); // stopping an idle panel is harmless
    EXPECT_FALSE(second.IsRunning());
}

TEST(CCreditsPanel, SecondVariantRunsFastAndPicturesDoNotHoldTheText)
{
    CCreditsPanelB panel;
    panel.resize(Client);
    const CreditsRoll& roll = panel.Roll();
    EXPECT_EQ(roll.Speed(0), 40);
    EXPECT_EQ(roll.Speed(2), 40);
    EXPECT_EQ(roll.Height(2), 16);
    EXPECT_EQ(roll.Height(0), 38);
    panel.Roll().SetBitmapLoader(TestLoader);
    panel.SetCredits("red^|Next", '|');
    panel.SetSpeed(2, 0);
    ASSERT_TRUE(panel.Start());
    EXPECT_EQ(panel.TimerInterval(), 40);
    for (int i = 0; i < 20; ++i) {
        panel.Tick();
    }
    EXPECT_GT(CountColour(roll.Canvas(), Qt::red), 0);
    for (int i = 0; i < 10; ++i) {
        panel.Tick();
    }
    EXPECT_EQ(roll.CurrentLine(), "Next"); // 15 ticks after the picture, not 20 + 15
}

TEST(CCreditsPanel, PanelPaintsItsFrame)
{
    CCreditsPanel panel;
    panel.resize(Client);
    panel.SetColour(0, Qt::blue);
    panel.SetCredits("Hi", '|');
    QImage image = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_GT(CountColour(image, Qt::white), 5); // static picture: the line at the top
    ASSERT_TRUE(panel.Start());
    image = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(CountColour(image, Qt::white), 0); // scrolling starts from an empty panel
}
