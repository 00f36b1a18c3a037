// SPDX-License-Identifier: GPL-3.0-or-later
// The draw window on a real X11 display: the screen around the window's irregular outline shows
// what lies beneath it, and the window itself is not blank. Run by run-under-xvfb.sh.
#include "draw/window/AppFolder.h"
#include "data/CAdoDatabase.h"
#include "draw/window/CDrawDlg.h"
#include "support/RecordingMessageService.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The draw window on a fresh application folder, on an X11 display.
class ShapedWindowSmoke : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            GTEST_SKIP() << "needs an X11 display";
        }
        ASSERT_FALSE(folder.path().isEmpty()) << folder.error().toStdString();
        ASSERT_TRUE(db.ConnectDatabase(QString(), folder.database()));
        owned = std::make_unique<CDrawDlg>(db, folder.path());
    }

    RecordingMessageService messages;
    AppFolder folder{5};
    CAdoDatabase db;
    std::unique_ptr<CDrawDlg> owned;
};

} // namespace

TEST_F(ShapedWindowSmoke, ScreenshotShowsAShapedNonBlankWindow)
{
    CDrawDlg& window = *owned;
    window.move(40, 30);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(500);

    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    const QImage ownPicture = window.grab().toImage();
    ASSERT_FALSE(screen.isNull());
    const QRect frame = window.frameGeometry();
    ASSERT_GT(frame.width(), 600);
    ASSERT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'\n').toStdString();

    // Within the window's rectangle some pixels lie outside its mask: there the screen shows the
    // black root window, not the window's own painting.
    const QRegion mask = window.mask();
    ASSERT_FALSE(mask.isEmpty()) << "the window is shaped";
    int outside = 0;
    int showingBeneath = 0;
    for (int y = 0; y < frame.height(); y += 3) {
        for (int x = 0; x < frame.width(); x += 3) {
            if (mask.contains(QPoint(x, y))) {
                continue;
            }
            ++outside;
            const QColor seen = screen.pixelColor(frame.left() + x, frame.top() + y);
            const QColor own = ownPicture.pixelColor(x, y);
            if (seen == QColor(Qt::black) && own != seen) {
                ++showingBeneath;
            }
        }
    }
    EXPECT_GT(outside, 100);
    EXPECT_GT(showingBeneath, outside * 9 / 10);

    // Inside, the skin is painted: many colours, not a flat fill.
    QSet<QRgb> colours;
    for (int y = 0; y < frame.height(); y += 7) {
        for (int x = 0; x < frame.width(); x += 7) {
            if (mask.contains(QPoint(x, y))) {
                colours.insert(screen.pixel(frame.left() + x, frame.top() + y));
            }
        }
    }
    EXPECT_GT(colours.size(), 200);
    screen.copy(frame).save(QStringLiteral("draw-window-smoke.png"));
}

TEST_F(ShapedWindowSmoke, PresentationFillsTheScreenWithTheScaledFaceOnItsEdgeColour)
{
    CDrawDlg& window = *owned;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QSize own = window.size();
    window.SetPresentation(true);
    QTest::qWait(500);

    const QRect area = window.screen()->geometry();
    EXPECT_EQ(window.geometry(), area);
    const QRect face = window.SkinToWindow(QRect(QPoint(0, 0), own));
    EXPECT_TRUE(face.width() == area.width() || face.height() == area.height());
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    // The screen's corners lie outside the face's outline: the edge colour, not the root window.
    for (const QPoint corner : {QPoint(1, 1), QPoint(area.width() - 2, area.height() - 2)}) {
        const QColor seen = screen.pixelColor(corner);
        const QColor edge = window.EdgeColour();
        EXPECT_LE(std::abs(seen.red() - edge.red()) + std::abs(seen.green() - edge.green()) +
                      std::abs(seen.blue() - edge.blue()),
                  6)
            << corner.x() << "," << corner.y();
    }
    QSet<QRgb> colours;
    for (int y = face.top(); y < face.bottom(); y += 9) {
        for (int x = face.left(); x < face.right(); x += 9) {
            colours.insert(screen.pixel(x, y));
        }
    }
    EXPECT_GT(colours.size(), 200);
    screen.save(QStringLiteral("draw-window-presentation.png"));

    window.SetPresentation(false);
    QTest::qWait(200);
    EXPECT_EQ(window.size(), own);
    EXPECT_FALSE(window.mask().isEmpty());
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'\n').toStdString();
}
