// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/reels/CReelDisplay.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QColor Red189(189, 0, 0);

// Counts the pixels of a colour (give or take antialiasing) inside r.
int CountNear(const QImage& image, const QRect& r, const QColor& colour, int tolerance = 40)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) <= tolerance &&
                std::abs(c.green() - colour.green()) <= tolerance &&
                std::abs(c.blue() - colour.blue()) <= tolerance) {
                ++n;
            }
        }
    }
    return n;
}

// What is on screen (the backing store), unlike grab(), which paints everything afresh.
QImage OnScreen(QWidget& w)
{
    return w.screen()->grabWindow(w.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(CReelDisplay, CellsFollowTheMarginAndTheCellArithmetic)
{
    // Client 450 wide: w = (450 - 50) / 8 = 50.
    const QRect client(0, 0, 450, 130);
    EXPECT_EQ(CReelDisplay::CellRect(client, 1), QRect(25, 25, 50, 80)); // 25..75
    EXPECT_EQ(CReelDisplay::CellRect(client, 2), QRect(76, 25, 49, 80)); // 76..125
    EXPECT_EQ(CReelDisplay::CellRect(client, 8), QRect(376, 25, 49, 80));
    // One background column separates neighbouring cells.
    for (int k = 2; k <= 8; ++k) {
        EXPECT_EQ(CReelDisplay::CellRect(client, k).left(),
                  CReelDisplay::CellRect(client, k - 1).right() + 2);
    }
    // Integer division leaves the rest of the width to the right margin.
    EXPECT_EQ(CReelDisplay::CellRect(QRect(0, 0, 457, 130), 8).right() + 1, 425);
    // A client offset moves everything; out-of-range cells and too small clients give nothing.
    EXPECT_EQ(CReelDisplay::CellRect(QRect(10, 20, 450, 130), 1), QRect(35, 45, 50, 80));
    EXPECT_TRUE(CReelDisplay::CellRect(client, 0).isEmpty());
    EXPECT_TRUE(CReelDisplay::CellRect(client, 9).isEmpty());
    EXPECT_TRUE(CReelDisplay::CellRect(QRect(0, 0, 40, 40), 1).isEmpty());
}

TEST(CReelDisplay, TextsStartAtZeroAndAreStoredUpperCased)
{
    CReelDisplay reels;
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(reels.ReelText(k), "0");
    }
    reels.SetReelText(3, "a", Qt::black);
    reels.SetReelText(4, "", Qt::black);
    reels.SetReelText(0, "x", Qt::black); // ignored
    reels.SetReelText(9, "x", Qt::black); // ignored
    EXPECT_EQ(reels.ReelText(3), "A");
    EXPECT_EQ(reels.ReelText(4), "");
    EXPECT_EQ(reels.ReelText(0), "");
    EXPECT_EQ(reels.ReelText(2), "0");
}

TEST(CReelDisplay, FontIsArialOrItsMetricTwin)
{
    const QFont font = CReelDisplay::ReelFont();
    EXPECT_EQ(font.pixelSize(), 140);
    EXPECT_EQ(font.weight(), QFont::Normal);
    const QString family = QFontInfo(font).family();
    EXPECT_TRUE(family == "Arial" || family == "Liberation Sans") << family.toStdString();
}

TEST(CReelDisplay, FullRepaintDrawsRedBackgroundAndWhiteCentredTexts)
{
    CReelDisplay reels;
    reels.resize(650, 220); // cells 75 x 170: a 140-pixel "0" fits
    reels.SetReelText(2, "7", Qt::green);
    const QImage image = reels.grab().toImage().convertToFormat(QImage::Format_RGB32);

    EXPECT_EQ(image.pixelColor(5, 5), Red189);     // margin
    EXPECT_EQ(image.pixelColor(640, 210), Red189); // margin
    for (int k = 1; k <= 8; ++k) {
        const QRect cell = reels.CellRect(k);
        // Every cell shows its text in white, also the one last set in green.
        EXPECT_GT(CountNear(image, cell, Qt::white), 100) << "cell " << k;
        EXPECT_EQ(CountNear(image, cell, Qt::green), 0) << "cell " << k;
    }
    // Centred: the white of cell 1 is balanced around the cell's middle.
    const QRect c1 = reels.CellRect(1);
    long sumX = 0;
    long sumY = 0;
    long n = 0;
    for (int y = c1.top(); y <= c1.bottom(); ++y) {
        for (int x = c1.left(); x <= c1.right(); ++x) {
            if (image.pixelColor(x, y) == Qt::white) {
                sumX += x;
                sumY += y;
                ++n;
            }
        }
    }
    ASSERT_GT(n, 0);
    EXPECT_NEAR(static_cast<double>(sumX) / n, c1.center().x(), 4.0);
    EXPECT_NEAR(static_cast<double>(sumY) / n, c1.center().y(), 12.0);
}

TEST(CReelDisplay, WideTextStaysInsideItsCell)
{
    CReelDisplay reels;
    reels.resize(650, 220);
    reels.SetReelText(1, "", Qt::white);
    reels.SetReelText(2, "WWWW", Qt::white);
    const QImage image = reels.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(CountNear(image, reels.CellRect(1), Qt::white), 0);
    EXPECT_GT(CountNear(image, reels.CellRect(2), Qt::white), 100);
}

TEST(CReelDisplay, FontFitsTheWidestCharacterAndKeeps140WhereItFits)
{
    // Ink on a cell's outermost rows or columns means the glyph was cut by the cell's clip.
    const auto inkOnBorder = [](const QImage& image, const QRect& cell) {
        return CountNear(image, QRect(cell.left(), cell.top(), 1, cell.height()), Qt::white) +
               CountNear(image, QRect(cell.right(), cell.top(), 1, cell.height()), Qt::white) +
               CountNear(image, QRect(cell.left(), cell.top(), cell.width(), 1), Qt::white) +
               CountNear(image, QRect(cell.left(), cell.bottom(), cell.width(), 1), Qt::white);
    };

    CReelDisplay reels;
    reels.resize(8 * 70 + 50, 120 + 50); // cells of 70 x 120, as the window's own template
    EXPECT_LT(reels.CellFontPixelSize(), CReelDisplay::FontPixelSize);
    const QStringList texts = {"W", "M", "0", "Q", "中", "W", "8", "J"};
    for (int k = 1; k <= 8; ++k) {
        reels.SetReelText(k, texts[k - 1], Qt::white);
    }
    const QImage image = reels.grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int k = 1; k <= 8; ++k) {
        const QRect cell = reels.CellRect(k);
        EXPECT_GT(CountNear(image, cell, Qt::white), 150) << "cell " << k;
        EXPECT_EQ(inkOnBorder(image, cell), 0) << "cell " << k;
    }
    // Not needlessly small: a W fills most of the cell's width.
    EXPECT_GT(reels.CellFontPixelSize(), 55);

    // Cells wide and tall enough keep the 140-pixel font; a resize fits it again.
    reels.resize(8 * 160 + 50, 200 + 50);
    EXPECT_EQ(reels.CellFontPixelSize(), CReelDisplay::FontPixelSize);
    reels.resize(8 * 70 + 50, 120 + 50);
    EXPECT_LT(reels.CellFontPixelSize(), CReelDisplay::FontPixelSize);

    // A face scaled by two scales the margin and the largest size alike.
    reels.SetScale(2.0);
    reels.resize(8 * 320 + 100, 400 + 100);
    EXPECT_EQ(reels.CellRect(1).topLeft(), QPoint(50, 50));
    EXPECT_EQ(reels.CellFontPixelSize(), 2 * CReelDisplay::FontPixelSize);
}

TEST(CReelDisplay, SetReelTextRepaintsOnlyItsCellInItsColour)
{
    CReelDisplay reels;
    reels.resize(650, 220);
    reels.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&reels));
    QCoreApplication::processEvents();

    reels.SetReelText(3, "b", QColor(0, 50, 0));
    reels.SetReelText(5, "", Qt::black);
    QCoreApplication::processEvents();
    QImage image = OnScreen(reels);
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(CountNear(image, reels.CellRect(3), QColor(0, 50, 0), 10), 100);
    EXPECT_EQ(CountNear(image, reels.CellRect(3), Qt::white), 0);
    EXPECT_EQ(CountNear(image, reels.CellRect(5), Red189, 0),
              reels.CellRect(5).width() * reels.CellRect(5).height());
    // The other cells keep their white "0".
    EXPECT_GT(CountNear(image, reels.CellRect(4), Qt::white), 100);

    // A later full repaint draws the stored texts in white.
    reels.update();
    QCoreApplication::processEvents();
    image = OnScreen(reels);
    EXPECT_GT(CountNear(image, reels.CellRect(3), Qt::white), 100);
    EXPECT_EQ(CountNear(image, reels.CellRect(3), QColor(0, 50, 0), 10), 0);
}
