// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

#include <memory>

class HotKeyGrabber;

// Keys without modifiers that reach one window whatever program has the keyboard focus.
//
// Where the display system allows a system-wide grab (X11, also XWayland) the key is grabbed
// for the whole screen. Where it does not (Wayland, offscreen) or the grab is refused (another
// program holds the key), the key still works while the window itself has the focus: an event
// filter catches it on the window and its children. A refused grab is not reported: the key
// silently falls back.
class GlobalHotKeys : public QObject
{
    Q_OBJECT

public:
    // window: the widget or window whose own key presses serve as the fallback (not owned).
    explicit GlobalHotKeys(QObject* window, QObject* parent = nullptr);
    ~GlobalHotKeys() override;

    // Holds key (for example Qt::Key_F5) under id until this object is destroyed. Returns true
    // when the key is held system-wide, false when only the focus fallback serves it (or the key
    // is Qt::Key_unknown, which is ignored). Registering an id again replaces its key.
    bool Register(int id, Qt::Key key);
    bool IsGlobal(int id) const;

    // For a window that handles its own keys: a key press forwarded from keyPressEvent.
    // Returns true (and emits Activated) when it is one of the registered keys.
    bool HandleKeyPress(int key, Qt::KeyboardModifiers modifiers);

    // Whether the current display system offers a system-wide grab at all.
    bool HasGlobalGrab() const { return m_grabber != nullptr; }

signals:
    void Activated(int id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnGrabbedKey(int id);
    // The window itself or one of its children.
    bool IsInWindow(const QObject* receiver) const;

    QPointer<QObject> m_window;
    std::unique_ptr<HotKeyGrabber> m_grabber;
    QHash<int, Qt::Key> m_keys;
    QHash<int, bool> m_global;
};
