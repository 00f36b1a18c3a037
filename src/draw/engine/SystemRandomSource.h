// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "draw/engine/RandomSource.h"

#include <random>

// A 64-bit Mersenne Twister seeded from the operating system's entropy. Choices below a bound
// go through std::uniform_int_distribution, which rejects the uneven tail, so no value is
// favoured for any bound. A fixed seed gives a reproducible sequence for benchmarks and tests.
class SystemRandomSource final : public RandomSource
{
public:
    SystemRandomSource();
    explicit SystemRandomSource(std::uint64_t seed);

    std::uint64_t Below(std::uint64_t bound) override;
    // Seeds again from the operating system; a source made with a fixed seed keeps its sequence.
    void Reseed() override;

private:
    void SeedFromEntropy();

    std::mt19937_64 m_engine;
    bool m_fixedSeed = false;
};
