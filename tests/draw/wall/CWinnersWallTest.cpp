// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/wall/CWinnersWall.h"

#include <QFontMetrics>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

// count winners: numbers of up to 8 characters, names from two characters up to 20 GBK bytes
// (ten Chinese characters, or twenty Latin letters with descenders).
std::vector<WallCard> Winners(int count)
{
    const QStringList names = {
        QStringLiteral("王芳"), QStringLiteral("欧阳明轩"), QStringLiteral("司马云飞（研发部）"),
        QStringLiteral("爱新觉罗·玉霞玉霞"), QStringLiteral("Gregory Appleyard Jr")};
    std::vector<WallCard> winners;
    for (int i = 0; i < count; ++i) {
        winners.push_back(
            {QStringLiteral("%1").arg(i + 1, 8, 10, QLatin1Char('0')), names[i % names.size()]});
    }
    return winners;
}

void Wheel(QWidget& widget, int delta)
{
    QWheelEvent wheel(QPointF(10, 10), widget.mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&widget, &wheel);
}

} // namespace

TEST(CWinnersWall, KeysAndWheelTurnPagesWithinTheEndsAndEscapeReturns)
{
    QWidget drawWindow;
    drawWindow.resize(640, 400);
    drawWindow.show();
    CWinnersWall wall(&drawWindow);
    wall.ShowRound(QStringLiteral("一等奖"), 1, Winners(300));
    wall.Present();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&wall));
    EXPECT_EQ(wall.geometry(), drawWindow.screen()->geometry()); // the draw window's screen
    // Pages turned faster than the neighbours are drawn ahead keep no more than three pictures.
    for (int page = 0; page < 4; ++page) {
        wall.repaint();
        QTest::keyClick(&wall, Qt::Key_F6);
    }
    wall.repaint();
    EXPECT_LE(wall.KeptPictures(), 3u);
    QTest::keyClick(&wall, Qt::Key_Home);
    QSignalSpy pages(&wall, &CWinnersWall::pageChanged);
    QSignalSpy closed(&wall, &CWinnersWall::closed);
    const int last = wall.PageCount() - 1;
    ASSERT_GE(last, 4);

    QTest::keyClick(&wall, Qt::Key_PageUp); // already at the first page
    EXPECT_EQ(wall.CurrentPage(), 0);
    for (const Qt::Key key : {Qt::Key_F6, Qt::Key_Right, Qt::Key_Down, Qt::Key_PageDown}) {
        QTest::keyClick(&wall, key);
    }
    EXPECT_EQ(wall.CurrentPage(), 4);
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_PageUp}) {
        QTest::keyClick(&wall, key);
    }
    EXPECT_EQ(wall.CurrentPage(), 1);
    Wheel(wall, -120);
    EXPECT_EQ(wall.CurrentPage(), 2);
    Wheel(wall, 60); // half a notch waits for the other half
    EXPECT_EQ(wall.CurrentPage(), 2);
    Wheel(wall, 60);
    EXPECT_EQ(wall.CurrentPage(), 1);
    QTest::keyClick(&wall, Qt::Key_End);
    QTest::keyClick(&wall, Qt::Key_F6);
    EXPECT_EQ(wall.CurrentPage(), last);
    EXPECT_EQ(pages.size(), 10); // one signal a turn, none at the ends
    EXPECT_EQ(pages.last().at(0).toInt(), last);
    EXPECT_EQ(wall.PageText(), QStringLiteral("第 %1 / %1 页").arg(last + 1));
    wall.grab(); // paints the last page, and the fade from the page before

    QTest::keyClick(&wall, Qt::Key_Escape);
    EXPECT_EQ(closed.size(), 1);
    EXPECT_FALSE(wall.isVisible());
}

TEST(CWinnersWall, EveryCardTextFitsItsCardAtProjectorSizes)
{
    for (const QSize size : {QSize(1920, 1080), QSize(1280, 800), QSize(1024, 768)}) {
        SCOPED_TRACE(size.width());
        CWinnersWall wall;
        wall.resize(size);
        std::vector<WallCard> winners = Winners(1000);
        winners[997].name = QString(200, QChar(0x9F8D)); // past any card: elided, not clipped
        wall.ShowRound(QStringLiteral("特等奖"), 1, winners);
        if (size.height() == 1080) {
            EXPECT_GE(wall.Layout().Grid().perPage, 40);
            EXPECT_LE(wall.Layout().Grid().perPage, 60);
        }
        const QRect window(QPoint(0, 0), size);
        int elided = 0;
        for (int page = 0; page < wall.PageCount(); ++page) {
            const WallPageView& view = wall.CurrentView();
            const QFontMetrics number(view.numberFont);
            const QFontMetrics name(view.nameFont);
            EXPECT_GE(view.nameFont.pixelSize(), size.height() * WallLayout::ShrunkNamePx / 1080);
            for (const WallCardView& card : view.cards) {
                EXPECT_TRUE(window.contains(card.card));
                const QRectF numberInk =
                    QRectF(number.tightBoundingRect(card.number)).translated(card.numberOrigin);
                const QRectF nameInk =
                    QRectF(name.tightBoundingRect(card.name)).translated(card.nameOrigin);
                EXPECT_TRUE(QRectF(card.card).contains(numberInk)) << card.number.toStdString();
                EXPECT_TRUE(QRectF(card.card).contains(nameInk)) << card.name.toStdString();
                EXPECT_LE(numberInk.bottom(), nameInk.top());
                elided += card.elided ? 1 : 0;
            }
            wall.NextPage();
        }
        EXPECT_EQ(elided, 1);
    }
}

TEST(CWinnersWall, AutomaticPagingFollowsItsClock)
{
    qint64 now = 1000;
    CWinnersWall wall;
    wall.resize(1280, 800);
    wall.SetClock([&now] { return now; });
    wall.ShowRound(QString(), 3, Winners(200));
    EXPECT_EQ(wall.TitleText(), QStringLiteral("第 3 级奖项 中奖名单"));
    wall.SetAutoPaging(4000);
    now = 4999;
    wall.PollAutoPaging();
    EXPECT_EQ(wall.CurrentPage(), 0);
    now = 5000;
    wall.PollAutoPaging();
    EXPECT_EQ(wall.CurrentPage(), 1);
    wall.SetAutoPaging(0);
    now = 60000;
    wall.PollAutoPaging();
    EXPECT_EQ(wall.CurrentPage(), 1);
}
