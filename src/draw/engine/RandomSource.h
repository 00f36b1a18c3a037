// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The draw's source of chance. Every choice the draw makes (the winner, the reels' start
// positions) comes from here, so tests can replace it with a scripted one.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    // An integer in [0, bound), every value with the same probability. bound >= 1.
    virtual std::uint64_t Below(std::uint64_t bound) = 0;
    // Mixes in fresh entropy (the operator's stop); a reproducible source may ignore it.
    virtual void Reseed() = 0;
};
