// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "draw/engine/DrawClock.h"

// The machine's local time.
class SystemDrawClock final : public DrawClock
{
public:
    QDateTime Now() const override { return QDateTime::currentDateTime(); }
};
