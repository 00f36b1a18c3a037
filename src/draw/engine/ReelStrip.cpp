// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/engine/ReelStrip.h"

#include <cstring>

namespace {

// Interval factor of a reel that looks for its character: the right-hand reels slow down more.
constexpr int SlowDownFactor[ReelStrip::ReelCount] = {2, 2, 2, 2, 2, 3, 5, 8};

} // namespace

QString ReelStrip::Cell(const QString& id, int reel)
{
    if (reel < 1) {
        return QString();
    }
    // Counted in characters, not UTF-16 units, so a character outside the BMP fills one reel.
    int index = 0;
    for (qsizetype i = 0; i < id.size(); ++i) {
        const qsizetype width =
            id.at(i).isHighSurrogate() && i + 1 < id.size() && id.at(i + 1).isLowSurrogate() ? 2
                                                                                             : 1;
        if (++index == reel) {
            return id.mid(i, width);
        }
        i += width - 1;
    }
    return QString();
}

bool ReelStrip::Carries(const QString& cell)
{
    if (cell.size() != 1 || cell.at(0).unicode() > 0x7f) {
        return false;
    }
    const char c = static_cast<char>(cell.at(0).unicode());
    return c != '\0' && std::memchr(Characters, c, Size);
}

int ReelStrip::LookingIntervalMs(int reel, int slowDownCounter)
{
    return SlowDownFactor[reel - 1] * slowDownCounter + IntervalMs;
}
