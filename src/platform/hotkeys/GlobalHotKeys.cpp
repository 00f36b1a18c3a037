// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hotkeys/GlobalHotKeys.h"

#include "platform/hotkeys/XcbHotKeyGrabber.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace {

// The one place that maps a display system to its way of grabbing keys.
std::unique_ptr<HotKeyGrabber> GrabberForPlatform()
{
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        return XcbHotKeyGrabber::Create();
    }
    return nullptr; // Wayland, offscreen and the rest: the focus fallback only
}

} // namespace

GlobalHotKeys::GlobalHotKeys(QObject* window, QObject* parent)
    : QObject(parent), m_window(window), m_grabber(GrabberForPlatform())
{
    if (m_grabber) {
        m_grabber->SetCallback([this](int id) { OnGrabbedKey(id); });
    }
    // Watch the whole application, not only the window: while one of the window's children
    // (a button, a list) has the focus, the key press goes to that child.
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->installEventFilter(this);
    }
}

GlobalHotKeys::~GlobalHotKeys()
{
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
    m_grabber.reset(); // releases the grabs
}

bool GlobalHotKeys::Register(int id, Qt::Key key)
{
    if (m_grabber) {
        m_grabber->Release(id);
    }
    m_keys.remove(id);
    m_global.remove(id);
    if (key == Qt::Key_unknown || key == 0) {
        return false;
    }
    const bool global = m_grabber && m_grabber->Grab(id, key);
    m_keys.insert(id, key);
    m_global.insert(id, global);
    return global;
}

bool GlobalHotKeys::IsGlobal(int id) const
{
    return m_global.value(id, false);
}

bool GlobalHotKeys::HandleKeyPress(int key, Qt::KeyboardModifiers modifiers)
{
    // Like the system-wide grab: no Shift, Control, Alt or Meta (the keypad flag is no
    // modifier key).
    if ((modifiers & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    bool handled = false;
    for (auto it = m_keys.cbegin(); it != m_keys.cend(); ++it) {
        if (it.value() == key) {
            emit Activated(it.key());
            handled = true;
        }
    }
    return handled;
}

bool GlobalHotKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && IsInWindow(watched)) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (HandleKeyPress(keyEvent->key(), keyEvent->modifiers())) {
            keyEvent->accept(); // else the press travels on to the parents and fires again
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool GlobalHotKeys::IsInWindow(const QObject* receiver) const
{
    for (const QObject* o = receiver; o != nullptr && m_window; o = o->parent()) {
        if (o == m_window) {
            return true;
        }
    }
    return false;
}

void GlobalHotKeys::OnGrabbedKey(int id)
{
    if (m_keys.contains(id)) {
        emit Activated(id);
    }
}
