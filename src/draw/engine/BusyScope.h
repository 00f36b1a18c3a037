// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks the draw engine at work for the length of one call from its host, so that a call that
// reaches it through a message box's event loop meanwhile can be refused.
class BusyScope
{
public:
    explicit BusyScope(bool& busy) : m_busy(busy) { m_busy = true; }
    ~BusyScope() { m_busy = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& m_busy;
};
