// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hotkeys/XcbHotKeyGrabber.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <X11/keysym.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>

namespace {

// No lock key, Caps Lock, Num Lock (Mod2 on every common keymap), both.
constexpr std::uint16_t LockVariants[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2,
                                          XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};

} // namespace

std::unique_ptr<XcbHotKeyGrabber> XcbHotKeyGrabber::Create()
{
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (app == nullptr) {
        return nullptr;
    }
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return nullptr;
    }
    return std::make_unique<XcbHotKeyGrabber>(x11->connection(), true);
}

XcbHotKeyGrabber::XcbHotKeyGrabber(xcb_connection_t* connection, bool installFilter)
    : m_connection(connection)
{
    const xcb_setup_t* setup = xcb_get_setup(m_connection);
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(setup);
    if (it.rem > 0) {
        m_root = it.data->root;
    }
    if (installFilter && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        m_filterInstalled = true;
    }
}

XcbHotKeyGrabber::~XcbHotKeyGrabber()
{
    if (m_filterInstalled && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
    for (const Grabbed& g : std::as_const(m_grabs)) {
        Ungrab(g.keycode);
    }
    xcb_flush(m_connection);
}

std::uint32_t XcbHotKeyGrabber::KeySymOf(Qt::Key key)
{
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35) {
        return XK_F1 + (key - Qt::Key_F1);
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return XK_a + (key - Qt::Key_A);
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return XK_0 + (key - Qt::Key_0);
    }
    switch (key) {
    case Qt::Key_Space:
        return XK_space;
    case Qt::Key_Pause:
        return XK_Pause;
    case Qt::Key_Print:
        return XK_Print;
    default:
        return 0;
    }
}

bool XcbHotKeyGrabber::Grab(int id, Qt::Key key)
{
    Release(id);
    const std::uint32_t sym = KeySymOf(key);
    if (sym == 0 || m_root == 0) {
        return false;
    }
    xcb_key_symbols_t* syms = xcb_key_symbols_alloc(m_connection);
    if (syms == nullptr) {
        return false;
    }
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(syms, sym);
    const std::uint8_t keycode = codes != nullptr ? codes[0] : 0;
    std::free(codes);
    xcb_key_symbols_free(syms);
    if (keycode == 0) {
        return false;
    }

    xcb_void_cookie_t cookies[std::size(LockVariants)];
    for (std::size_t i = 0; i < std::size(LockVariants); ++i) {
        cookies[i] = xcb_grab_key_checked(m_connection, 1, m_root, LockVariants[i], keycode,
                                          XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    }
    bool ok = true;
    for (xcb_void_cookie_t cookie : cookies) {
        if (xcb_generic_error_t* error = xcb_request_check(m_connection, cookie)) {
            ok = false; // BadAccess: another client holds the key
            std::free(error);
        }
    }
    if (!ok) {
        // Give back the variants that did succeed, so the other client keeps its key whole.
        Ungrab(keycode);
        xcb_flush(m_connection);
        return false;
    }
    m_grabs.insert(id, Grabbed{keycode});
    return true;
}

void XcbHotKeyGrabber::Ungrab(std::uint8_t keycode)
{
    for (std::uint16_t mods : LockVariants) {
        xcb_ungrab_key(m_connection, keycode, m_root, mods);
    }
}

void XcbHotKeyGrabber::Release(int id)
{
    auto it = m_grabs.find(id);
    if (it == m_grabs.end()) {
        return;
    }
    const std::uint8_t keycode = it->keycode;
    m_grabs.erase(it);
    // Another id may share the keycode; keep the grab while anyone holds it.
    for (const Grabbed& g : std::as_const(m_grabs)) {
        if (g.keycode == keycode) {
            return;
        }
    }
    Ungrab(keycode);
    xcb_flush(m_connection);
}

bool XcbHotKeyGrabber::HandleEvent(const void* message)
{
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS) {
        return false;
    }
    const auto* press = static_cast<const xcb_key_press_event_t*>(message);
    if (press->event != m_root) {
        return false;
    }
    const std::uint16_t others =
        press->state & ~(XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2) &
        (XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4);
    if (others != 0) {
        return false;
    }
    bool handled = false;
    for (auto it = m_grabs.cbegin(); it != m_grabs.cend(); ++it) {
        if (it->keycode == press->detail) {
            Fire(it.key());
            handled = true;
        }
    }
    return handled;
}

bool XcbHotKeyGrabber::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t" || message == nullptr) {
        return false;
    }
    return HandleEvent(message);
}
