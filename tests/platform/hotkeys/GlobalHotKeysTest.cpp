// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hotkeys/GlobalHotKeys.h"

#include <QKeyEvent>
#include <QSignalSpy>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

bool Press(QWidget& window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    event.ignore();
    QCoreApplication::sendEvent(&window, &event);
    return event.isAccepted();
}

} // namespace

TEST(GlobalHotKeys, WithoutAGlobalGrabTheWindowsOwnKeysServe)
{
    QWidget window;
    GlobalHotKeys keys(&window);
    EXPECT_FALSE(keys.HasGlobalGrab()); // offscreen has no system-wide grab
    EXPECT_FALSE(keys.Register(1000, Qt::Key_F5));
    EXPECT_FALSE(keys.Register(1001, Qt::Key_F6));
    EXPECT_FALSE(keys.IsGlobal(1000));

    QSignalSpy spy(&keys, &GlobalHotKeys::Activated);
    Press(window, Qt::Key_F5);
    Press(window, Qt::Key_F6);
    Press(window, Qt::Key_F5, Qt::KeypadModifier); // not a modifier key
    ASSERT_EQ(spy.count(), 3);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 1000);
    EXPECT_EQ(spy.at(1).at(0).toInt(), 1001);
    EXPECT_EQ(spy.at(2).at(0).toInt(), 1000);
}

TEST(GlobalHotKeys, ModifiedAndOtherKeysPassThrough)
{
    QWidget window;
    GlobalHotKeys keys(&window);
    keys.Register(1000, Qt::Key_F5);
    QSignalSpy spy(&keys, &GlobalHotKeys::Activated);
    EXPECT_FALSE(keys.HandleKeyPress(Qt::Key_F5, Qt::ShiftModifier));
    EXPECT_FALSE(keys.HandleKeyPress(Qt::Key_F5, Qt::ControlModifier));
    EXPECT_FALSE(keys.HandleKeyPress(Qt::Key_F5, Qt::AltModifier));
    EXPECT_FALSE(keys.HandleKeyPress(Qt::Key_F7, Qt::NoModifier));
    EXPECT_FALSE(keys.HandleKeyPress(Qt::Key_Escape, Qt::NoModifier));
    EXPECT_EQ(spy.count(), 0);
    EXPECT_TRUE(keys.HandleKeyPress(Qt::Key_F5, Qt::NoModifier)); // forwarded by the window
    EXPECT_EQ(spy.count(), 1);
}

TEST(GlobalHotKeys, RegisteringAnIdAgainReplacesItsKey)
{
    QWidget window;
    GlobalHotKeys keys(&window);
    keys.Register(1000, Qt::Key_F5);
    keys.Register(1000, Qt::Key_F8);
    QSignalSpy spy(&keys, &GlobalHotKeys::Activated);
    EXPECT_FALSE(keys.HandleKeyPress(Qt::Key_F5, Qt::NoModifier));
    EXPECT_TRUE(keys.HandleKeyPress(Qt::Key_F8, Qt::NoModifier));
    EXPECT_FALSE(keys.Register(1000, Qt::Key_unknown)); // drops the id
    EXPECT_FALSE(keys.HandleKeyPress(Qt::Key_F8, Qt::NoModifier));
    EXPECT_EQ(spy.count(), 1);
}

TEST(GlobalHotKeys, OutlivingTheWindowIsHarmless)
{
    auto window = std::make_unique<QWidget>();
    GlobalHotKeys keys(window.get());
    keys.Register(1000, Qt::Key_F5);
    window.reset();
    EXPECT_TRUE(keys.HandleKeyPress(Qt::Key_F5, Qt::NoModifier));
}

TEST(GlobalHotKeys, KeysReachTheWindowThroughAFocusedChildButNotFromOtherWindows)
{
    QWidget window;
    auto* child = new QWidget(&window);
    auto* grandChild = new QWidget(child);
    QWidget otherWindow;
    GlobalHotKeys keys(&window);
    keys.Register(1001, Qt::Key_F6);
    QSignalSpy spy(&keys, &GlobalHotKeys::Activated);

    EXPECT_TRUE(Press(*grandChild, Qt::Key_F6));
    EXPECT_EQ(spy.count(), 1);
    EXPECT_FALSE(Press(otherWindow, Qt::Key_F6)); // another window's keys are its own
    EXPECT_FALSE(Press(*child, Qt::Key_A));
    EXPECT_EQ(spy.count(), 1);
}
