// SPDX-License-Identifier: GPL-3.0-or-later
// Where windows open under a window manager that reparents and places them (openbox, started by
// run-under-openbox.sh): the shaped draw window's menu, its boxes and its drag follow where the
// window really is, and a box over the import's results opens above them. Positions are asked
// of the X server (xwininfo), not of Qt. Screenshots are left in the working folder.
#include "data/CAdoDatabase.h"
#include "draw/window/AppFolder.h"
#include "draw/window/CDrawDlg.h"
#include "platform/core/MessageService.h"
#include "platform/widgets/WidgetMessageService.h"
#include "registry/CImportResultDlg.h"
#include "registry/CPersonDlg.h"
#include "skin/widgets/CSkinButton.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// The top-left corner of widget's window on the screen, as the X server has it.
QPoint ServerPosition(const QWidget& widget)
{
    QProcess xwininfo;
    xwininfo.start(QStringLiteral("xwininfo"),
                   {QStringLiteral("-id"), QString::number(widget.window()->winId())});
    xwininfo.waitForFinished(5000);
    QPoint at(-1, -1);
    for (const QByteArray& line : xwininfo.readAllStandardOutput().split('\n')) {
        const QByteArray value = line.mid(line.indexOf(':') + 1).trimmed();
        if (line.contains("Absolute upper-left X:")) {
            at.setX(value.toInt());
        } else if (line.contains("Absolute upper-left Y:")) {
            at.setY(value.toInt());
        }
    }
    return at;
}

// Real pointer input through the X server, with time for the program to take it in.
void Pointer(const QStringList& arguments)
{
    QProcess::execute(QStringLiteral("xdotool"), arguments);
    QTest::qWait(150);
}
void MoveTo(const QPoint& at)
{
    Pointer({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
}

QImage Screen()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

// Runs look on the first message box shown while show runs, then closes the box.
void WhileABoxIsShown(const std::function<void()>& show,
                      const std::function<void(QMessageBox&)>& look)
{
    bool seen = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || seen) {
            return;
        }
        seen = true;
        QTest::qWait(500); // mapped, placed and painted
        look(*box);
        box->done(QMessageBox::Ok);
    });
    closer.start(50);
    show();
    EXPECT_TRUE(seen);
}

class PlacementUnderWindowManager : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            GTEST_SKIP() << "needs an X11 display with a window manager";
        }
        ASSERT_FALSE(folder.path().isEmpty()) << folder.error().toStdString();
        ASSERT_TRUE(db.ConnectDatabase(QString(), folder.database()));
        MessageService::Install(&messages);
    }
    void TearDown() override { MessageService::Install(nullptr); }

    WidgetMessageService messages;
    AppFolder folder{5};
    CAdoDatabase db;
};

} // namespace

TEST_F(PlacementUnderWindowManager, TheDrawWindowsMenuBoxesAndDragFollowWhereItIs)
{
    CDrawDlg window(db, folder.path());
    // As the program runs it: modal, so that its boxes belong to it.
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(500);
    const QPoint at = ServerPosition(window);
    EXPECT_EQ(window.mapToGlobal(QPoint(0, 0)), at) << "Qt knows where the window is";

    // The round menu button opens the menu at its place on the window.
    CSkinButton* menuButton = window.FindSkinButton(QStringLiteral("ID_ABOUT"));
    ASSERT_NE(menuButton, nullptr);
    MoveTo(at + menuButton->geometry().center());
    Pointer({QStringLiteral("click"), QStringLiteral("1")});
    QMenu& menu = window.ContextMenu();
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu.isVisible(); }, 3000));
    QTest::qWait(300);
    EXPECT_EQ(ServerPosition(menu), at + window.SkinToWindow(QRect(14, 50, 1, 1)).topLeft());
    Screen().save(QStringLiteral("placement-menu.png"));
    menu.hide();
    QTest::qWait(200);

    // A box opens centred on the window.
    const QPoint centre = at + window.rect().center();
    WhileABoxIsShown([] { ShowMessage(QStringLiteral("测试提示")); },
                     [&](QMessageBox& box) {
                         const QPoint boxCentre = ServerPosition(box) + box.rect().center();
                         EXPECT_LE(std::abs(boxCentre.x() - centre.x()), 10);
                         // Its title bar takes some of the height.
                         EXPECT_LE(std::abs(boxCentre.y() - centre.y()), 40);
                         Screen().save(QStringLiteral("placement-box.png"));
                     });

    // The top band drags the window by the pointer's way, without a jump at the start.
    QPoint grip(window.width() / 2, 30);
    while (window.childAt(grip) && grip.x() < window.width()) {
        grip.rx() += 20;
    }
    ASSERT_EQ(window.childAt(grip), nullptr);
    MoveTo(at + grip);
    Pointer({QStringLiteral("mousedown"), QStringLiteral("1")});
    MoveTo(at + grip + QPoint(30, 20));
    MoveTo(at + grip + QPoint(60, 40));
    Pointer({QStringLiteral("mouseup"), QStringLiteral("1")});
    QTest::qWait(300);
    EXPECT_EQ(ServerPosition(window), at + QPoint(60, 40));
    EXPECT_EQ(window.mapToGlobal(QPoint(0, 0)), at + QPoint(60, 40));
}

TEST_F(PlacementUnderWindowManager, ABoxOverTheImportResultsOpensAboveThem)
{
    CPersonDlg dlg(db, folder.path());
    dlg.setWindowModality(Qt::ApplicationModal);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    CImportResultDlg& results = dlg.ResultDialog();
    results.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&results));
    QTest::qWait(300);

    WhileABoxIsShown([] { ShowInformation(QStringLiteral("完成导入！")); },
                     [&](QMessageBox& box) {
                         EXPECT_EQ(box.parentWidget(), &results);
                         // What the screen shows where the box is, is the box.
                         const QImage screen = Screen();
                         const QImage own = box.grab().toImage();
                         const QPoint boxAt = ServerPosition(box);
                         int same = 0;
                         int all = 0;
                         for (int y = 0; y < own.height(); y += 4) {
                             for (int x = 0; x < own.width(); x += 4) {
                                 ++all;
                                 same += screen.pixel(boxAt + QPoint(x, y)) == own.pixel(x, y);
                             }
                         }
                         EXPECT_GT(same, all * 9 / 10);
                         screen.save(QStringLiteral("placement-box-over-import.png"));
                     });
}
