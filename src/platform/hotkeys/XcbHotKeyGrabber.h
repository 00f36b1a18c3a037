// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/hotkeys/HotKeyGrabber.h"

#include <QAbstractNativeEventFilter>
#include <QHash>
#include <QList>

#include <cstdint>
#include <memory>

struct xcb_connection_t;

// Passive key grabs on the X11 root window. A grab is taken for every combination of the lock
// modifiers (Caps Lock, Num Lock), so the key works whatever their state, but never with Shift,
// Control or Alt held.
class XcbHotKeyGrabber : public HotKeyGrabber, public QAbstractNativeEventFilter
{
public:
    // nullptr unless the application runs on xcb with a live connection (under offscreen the
    // X11 interface exists but has no connection).
    static std::unique_ptr<XcbHotKeyGrabber> Create();
    // Works on any connection: tests use one of their own.
    XcbHotKeyGrabber(xcb_connection_t* connection, bool installFilter);
    ~XcbHotKeyGrabber() override;

    bool Grab(int id, Qt::Key key) override;
    void Release(int id) override;

    // The X11 key symbol of a key without modifiers; 0 for keys this class does not map.
    static std::uint32_t KeySymOf(Qt::Key key);
    // Handles one X event; true when it was the press of a grabbed key.
    bool HandleEvent(const void* event);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    struct Grabbed
    {
        std::uint8_t keycode = 0;
    };

    void Ungrab(std::uint8_t keycode);

    xcb_connection_t* m_connection = nullptr;
    std::uint32_t m_root = 0;
    bool m_filterInstalled = false;
    QHash<int, Grabbed> m_grabs;
};
