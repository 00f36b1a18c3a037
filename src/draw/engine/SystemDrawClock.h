#pragma once

#include "DrawClock.h"

// The machine's local time.
class SystemDrawClock final : public DrawClock
{
public:
    QDateTime Now() const override { return QDateTime::currentDateTime(); }
};
