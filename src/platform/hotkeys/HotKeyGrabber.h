// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

#include <functional>

// One display system's way of grabbing a key for the whole screen. GlobalHotKeys picks the
// implementation for the running platform and keeps the focus fallback itself.
class HotKeyGrabber
{
public:
    using Callback = std::function<void(int id)>;

    virtual ~HotKeyGrabber() = default;
    // Grabs key without modifiers under id; false when the key cannot be grabbed (unknown to
    // the keyboard, or held by another program).
    virtual bool Grab(int id, Qt::Key key) = 0;
    virtual void Release(int id) = 0;
    void SetCallback(Callback callback) { m_callback = std::move(callback); }

protected:
    void Fire(int id) const
    {
        if (m_callback) {
            m_callback(id);
        }
    }

private:
    Callback m_callback;
};
