// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "draw/engine/DrawClock.h"
#include "draw/engine/FakeDrawHost.h"

// Local time that follows the fake host's virtual clock from a fixed start.
class VirtualDrawClock final : public DrawClock
{
public:
    explicit VirtualDrawClock(const FakeDrawHost& host) : m_host(host) {}
    QDateTime Now() const override { return Start().addMSecs(m_host.Now()); }
    static QDateTime Start() { return QDateTime(QDate(2024, 12, 31), QTime(23, 59, 58)); }

private:
    const FakeDrawHost& m_host;
};
