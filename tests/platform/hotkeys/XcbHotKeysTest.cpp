// SPDX-License-Identifier: GPL-3.0-or-later
// Runs under an Xvfb server of its own (see run-under-xvfb.sh): a key pressed while another
// window has the focus must reach the hot keys, and a key another client holds must fall back.
#include "platform/hotkeys/GlobalHotKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <X11/keysym.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class KeyCounter : public QWidget
{
public:
    int presses = 0;

protected:
    void keyPressEvent(QKeyEvent*) override { ++presses; }
};

bool XdoTool(const QStringList& arguments)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), arguments);
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished();
        return false;
    }
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

class XcbHotKeys : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            GTEST_SKIP() << "needs an X server";
        }
    }
};

TEST_F(XcbHotKeys, KeysReachTheWindowWhileAnotherHasTheFocus)
{
    QWidget window;
    window.setGeometry(0, 0, 200, 100);
    window.show();
    GlobalHotKeys keys(&window);
    ASSERT_TRUE(keys.HasGlobalGrab());
    EXPECT_TRUE(keys.Register(1000, Qt::Key_F5));
    EXPECT_TRUE(keys.Register(1001, Qt::Key_F6));
    EXPECT_TRUE(keys.IsGlobal(1000));

    KeyCounter other;
    other.setGeometry(300, 0, 200, 100);
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    ASSERT_TRUE(XdoTool({"windowfocus", "--sync", QString::number(other.winId())}));
    QTest::qWait(100);

    QSignalSpy spy(&keys, &GlobalHotKeys::Activated);
    ASSERT_TRUE(XdoTool({"key", "F5"}));
    ASSERT_TRUE(spy.wait(3000));
    ASSERT_TRUE(XdoTool({"key", "F6"}));
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 2, 3000);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 1000);
    EXPECT_EQ(spy.at(1).at(0).toInt(), 1001);
    EXPECT_EQ(other.presses, 0); // the grab took the keys

    // With Shift held the key is not ours: the focused window gets it.
    ASSERT_TRUE(XdoTool({"key", "shift+F5"}));
    QTRY_VERIFY_WITH_TIMEOUT(other.presses > 0, 3000);
    EXPECT_EQ(spy.count(), 2);
}

TEST_F(XcbHotKeys, AKeyHeldByAnotherClientFallsBackToTheWindow)
{
    // Another client grabs F7 on the root window first.
    xcb_connection_t* rival = xcb_connect(nullptr, nullptr);
    ASSERT_EQ(xcb_connection_has_error(rival), 0);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(rival)).data->root;
    xcb_key_symbols_t* syms = xcb_key_symbols_alloc(rival);
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(syms, XK_F7);
    ASSERT_NE(codes, nullptr);
    const xcb_keycode_t f7 = codes[0];
    std::free(codes);
    xcb_key_symbols_free(syms);
    xcb_generic_error_t* error =
        xcb_request_check(rival, xcb_grab_key_checked(rival, 1, root, 0, f7, XCB_GRAB_MODE_ASYNC,
                                                      XCB_GRAB_MODE_ASYNC));
    ASSERT_EQ(error, nullptr);

    QWidget window;
    GlobalHotKeys keys(&window);
    EXPECT_FALSE(keys.Register(1002, Qt::Key_F7));
    EXPECT_FALSE(keys.IsGlobal(1002));
    QSignalSpy spy(&keys, &GlobalHotKeys::Activated);
    EXPECT_TRUE(keys.HandleKeyPress(Qt::Key_F7, Qt::NoModifier));
    EXPECT_EQ(spy.count(), 1);

    // The refused grab gave back the lock variants it did get: once the rival lets go, the key
    // can be grabbed whole.
    xcb_ungrab_key(rival, f7, root, 0);
    xcb_flush(rival);
    xcb_disconnect(rival);
    QTest::qWait(50);
    EXPECT_TRUE(keys.Register(1002, Qt::Key_F7));
}
