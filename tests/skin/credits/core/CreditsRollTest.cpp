// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/credits/core/CreditsRoll.h"
#include "skin/credits/core/CreditsTestSupport.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace credits_test;

TEST(CreditsRoll, BannerTextGivesThreeStyledLinesAndEachWaitsItsOwnHeight)
{
    CreditsRoll roll;
    ASSERT_TRUE(roll.SetCredits(QStringLiteral("|Vantor软件开发\t|廠慶抽獎活動\n"), '|'));
    ASSERT_EQ(roll.Lines().size(), 3);
    EXPECT_EQ(roll.StyleOf(roll.Lines()[0]), CreditsRoll::Style::Normal);
    EXPECT_EQ(roll.StyleOf(roll.Lines()[1]), CreditsRoll::Style::Title);
    EXPECT_EQ(roll.StyleOf(roll.Lines()[2]), CreditsRoll::Style::Heading);
    ASSERT_TRUE(roll.Start());

    TickTimes(roll, 15); // the empty first line: one normal line height
    EXPECT_EQ(roll.CurrentLine(), "");
    EXPECT_EQ(roll.Offset(), 1);
    TickTimes(roll, 15);
    EXPECT_EQ(roll.CurrentLine(), QStringLiteral("Vantor软件开发\t"));
    EXPECT_EQ(roll.LineHeight(), 38);
    TickTimes(roll, 37);
    EXPECT_EQ(roll.Offset(), 38);
    TickTimes(roll, 1);
    EXPECT_EQ(roll.CurrentLine(), QStringLiteral("廠慶抽獎活動\n"));
    EXPECT_EQ(roll.LineHeight(), 25);
    TickTimes(roll, 25); // wraps to the first line again
    EXPECT_EQ(roll.CurrentLine(), "");
    EXPECT_EQ(roll.Offset(), 1);
    // The title is drawn in the title colour (red), without its tab.
    EXPECT_GT(CountColour(roll.Canvas(), Qt::red), 20);
}

TEST(CreditsRoll, SplittingKeepsEmptyPiecesAndTheLastPiece)
{
    CreditsRoll roll;
    roll.SetCredits("a||b|", '|');
    EXPECT_EQ(roll.Lines(), QStringList({"a", "", "b", ""}));
    roll.SetCredits("", '|');
    EXPECT_EQ(roll.Lines(), QStringList({""}));
    roll.SetCredits("no delimiter", '|');
    EXPECT_EQ(roll.Lines(), QStringList({"no delimiter"}));
}

TEST(CreditsRoll, MissingPictureShowsNothingAndTheNextLineFollowsAfterOneLineHeight)
{
    CreditsRoll roll;
    roll.SetBitmapLoader(TestLoader);
    roll.SetCredits("nosuch^|After", '|');
    ASSERT_TRUE(roll.Start());
    TickTimes(roll, 15);
    EXPECT_EQ(roll.CurrentLine(), "nosuch^");
    EXPECT_FALSE(roll.BitmapScrolling());
    TickTimes(roll, 14);
    EXPECT_EQ(CountColour(roll.Canvas(), Qt::black), Client.width() * Client.height());
    TickTimes(roll, 1);
    EXPECT_EQ(roll.CurrentLine(), "After");
}

TEST(CreditsRoll, PictureLineHoldsTheTextUntilItHasRisenWhole)
{
    CreditsRoll roll;
    roll.SetBitmapLoader(TestLoader);
    roll.SetCredits("red^|Next", '|');
    ASSERT_TRUE(roll.Start());
    TickTimes(roll, 15);
    EXPECT_TRUE(roll.BitmapScrolling());
    TickTimes(roll, 18); // offset 19 of 20
    EXPECT_TRUE(roll.BitmapScrolling());
    // Centred, 10 wide, rising from the inner bottom (two rows above the edge).
    const QImage& canvas = roll.Canvas();
    EXPECT_EQ(CountColour(canvas, Qt::red), 10 * 19);
    EXPECT_EQ(canvas.pixelColor(95, Client.height() - 3), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(94, Client.height() - 3), QColor(Qt::black));
    EXPECT_EQ(canvas.pixelColor(95, Client.height() - 2), QColor(Qt::black));
    TickTimes(roll, 1);
    EXPECT_FALSE(roll.BitmapScrolling());
    EXPECT_EQ(roll.CurrentLine(), "");
    TickTimes(roll, 14);
    EXPECT_EQ(roll.CurrentLine(), "");
    TickTimes(roll, 1);
    EXPECT_EQ(roll.CurrentLine(), "Next");
}

TEST(CreditsRoll, StaticPictureListsTheLinesFromTheTop)
{
    CreditsRoll roll;
    roll.SetCredits("Big\t||small", '|');
    const QImage frame = roll.Frame(Client);
    ASSERT_EQ(frame.size(), Client);
    const int title = CountColour(frame, Qt::red, QRect(0, 0, 200, 38));
    EXPECT_GT(title, 20);
    // The empty line holds one line of space: the normal text starts below both.
    EXPECT_EQ(CountColour(frame, Qt::white, QRect(0, 0, 200, 38)), 0);
    const int white = CountColour(frame, Qt::white, QRect(0, 38, 200, 22));
    EXPECT_EQ(white, 0); // "small" sits lower than 38 + 15 rows, clipped by the 60-row client
    const QImage tall = roll.Frame(QSize(200, 120));
    EXPECT_GT(CountColour(tall, Qt::white, QRect(0, 50, 200, 70)), 5);
    EXPECT_EQ(CountColour(tall, Qt::white, QRect(0, 0, 200, 45)), 0);
}

TEST(CreditsRoll, SettingsChangedWhileIdleShowInTheNextStaticPicture)
{
    CreditsRoll roll;
    roll.SetCredits("one", '|');
    const QImage before = roll.Frame(Client);
    EXPECT_GT(CountColour(before, Qt::white), 5);
    roll.SetColour(0, Qt::blue);
    roll.SetColour(4, Qt::yellow);
    const QImage after = roll.Frame(Client);
    EXPECT_EQ(after.pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_GT(CountColour(after, Qt::yellow), 5);
    EXPECT_EQ(CountColour(after, Qt::white), 0);
}

TEST(CreditsRoll, IndexesOutsideTheTablesAreIgnored)
{
    CreditsRoll roll;
    roll.SetSpeed(3, 5);
    roll.SetSpeed(-1, 5);
    roll.SetColour(5, Qt::green);
    roll.SetColour(-1, Qt::green);
    EXPECT_EQ(roll.Speed(0), 800);
    EXPECT_EQ(roll.Speed(1), 400);
    EXPECT_EQ(roll.Speed(2), 100);
    EXPECT_EQ(roll.Period(), 400); // the speed index stayed 1
    for (int i = 0; i < CreditsRoll::ColourCount; ++i) {
        EXPECT_NE(roll.Colour(i), QColor(Qt::green));
    }
    roll.SetSpeed(0, 250);
    EXPECT_EQ(roll.Period(), 250);
}

TEST(CreditsRoll, BackgroundTilesShowThroughTheKeyColour)
{
    QImage tile(3, 2, QImage::Format_RGB32);
    tile.fill(Qt::green);
    tile.setPixelColor(1, 0, Qt::magenta);

    CreditsRoll roll;
    roll.SetCredits("X", '|');
    roll.SetColour(0, Qt::blue);
    roll.SetTransparent(true);
    roll.SetBackgroundImage(tile);
    QImage frame = roll.Frame(Client);
    // The canvas is filled with the key colour, so the tiles show everywhere but under the text.
    EXPECT_EQ(frame.pixelColor(1, 0), QColor(Qt::magenta));
    EXPECT_EQ(frame.pixelColor(4, 2), QColor(Qt::magenta)); // tiled by the tile's size
    EXPECT_EQ(frame.pixelColor(100, 59), QColor(Qt::green));
    EXPECT_EQ(CountColour(frame, Qt::blue), 0);
    EXPECT_EQ(CountColour(frame, CreditsRoll::TransparentKey()), 0);
    EXPECT_GT(CountColour(frame, Qt::white), 5); // the text, not antialiased into the key

    // Not transparent: the background colour is the key instead.
    roll.SetTransparent(false);
    frame = roll.Frame(Client);
    EXPECT_EQ(frame.pixelColor(1, 0), QColor(Qt::magenta));
    EXPECT_EQ(CountColour(frame, Qt::blue), 0);

    // A picture that cannot be found leaves the plain colour.
    roll.SetBitmapLoader(TestLoader);
    EXPECT_FALSE(roll.SetBackgroundBitmap("143"));
    frame = roll.Frame(Client);
    EXPECT_EQ(frame.pixelColor(1, 0), QColor(Qt::blue));
}

TEST(CreditsRoll, TransparentPictureLineLeavesItsKeyPixelsOut)
{
    CreditsRoll roll;
    roll.SetBitmapLoader(TestLoader);
    roll.SetColour(0, Qt::darkGreen);
    roll.SetTransparent(true); // no background picture: the line's grey is see-through
    roll.SetCredits("grey^", '|');
    ASSERT_TRUE(roll.Start());
    TickTimes(roll, 18);
    EXPECT_EQ(CountColour(roll.Canvas(), CreditsRoll::TransparentKey()), 0);
    EXPECT_EQ(CountColour(roll.Canvas(), Qt::blue), 4);

    CreditsRoll opaque;
    opaque.SetBitmapLoader(TestLoader);
    opaque.SetCredits("grey^", '|');
    ASSERT_TRUE(opaque.Start());
    TickTimes(opaque, 18);
    EXPECT_EQ(CountColour(opaque.Canvas(), CreditsRoll::TransparentKey()), 9 * 4);
}

TEST(CreditsRoll, OddSizesNeverBreakTheTicks)
{
    CreditsRoll roll;
    roll.SetCredits("a\t|b\n|c\r|d", '|');
    ASSERT_TRUE(roll.Start());
    TickTimes(roll, 50, QSize(0, 0));
    TickTimes(roll, 50, QSize(7, 3)); // no inner rows at all
    TickTimes(roll, 50, QSize(300, 80));
    EXPECT_EQ(roll.Canvas().size(), QSize(300, 80)); // follows the client size
    roll.Stop();
    EXPECT_TRUE(roll.Canvas().isNull());
    EXPECT_EQ(roll.Frame(QSize(300, 80)).size(), QSize(300, 80));
}
