// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "draw/engine/RandomSource.h"
#include "draw/engine/SystemRandomSource.h"

#include <functional>
#include <vector>

// A random source whose choices a test can dictate; it records every bound asked for.
class ScriptedRandomSource final : public RandomSource
{
public:
    std::uint64_t Below(std::uint64_t bound) override
    {
        bounds.push_back(bound);
        const std::uint64_t value = choose ? choose(bound) : m_fallback.Below(bound);
        return value < bound ? value : bound - 1;
    }
    void Reseed() override { ++reseeds; }

    // Bounds of the winner choices: every bound except the reels' 36 start positions.
    std::vector<std::uint64_t> PickBounds() const
    {
        std::vector<std::uint64_t> picks;
        for (const std::uint64_t bound : bounds) {
            if (bound != 36) {
                picks.push_back(bound);
            }
        }
        return picks;
    }

    std::function<std::uint64_t(std::uint64_t bound)> choose; // unset: seeded pseudo-random
    std::vector<std::uint64_t> bounds;
    int reseeds = 0;

private:
    SystemRandomSource m_fallback{7};
};
