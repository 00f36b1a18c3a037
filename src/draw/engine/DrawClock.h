// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

// The local time the draw writes into each winner's record; tests set it.
class DrawClock
{
public:
    virtual ~DrawClock() = default;
    virtual QDateTime Now() const = 0;
};
