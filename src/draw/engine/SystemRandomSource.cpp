// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/engine/SystemRandomSource.h"

#include <array>

SystemRandomSource::SystemRandomSource()
{
    SeedFromEntropy();
}

SystemRandomSource::SystemRandomSource(std::uint64_t seed) : m_engine(seed), m_fixedSeed(true) {}

std::uint64_t SystemRandomSource::Below(std::uint64_t bound)
{
    if (bound <= 1) {
        return 0;
    }
    std::uniform_int_distribution<std::uint64_t> distribution(0, bound - 1);
    return distribution(m_engine);
}

void SystemRandomSource::Reseed()
{
    if (!m_fixedSeed) {
        SeedFromEntropy();
    }
}

void SystemRandomSource::SeedFromEntropy()
{
    // The whole state of the generator deserves more than one 32-bit word of entropy.
    std::random_device device;
    std::array<std::uint32_t, 8> words{};
    for (auto& word : words) {
        word = device();
    }
    std::seed_seq sequence(words.begin(), words.end());
    m_engine.seed(sequence);
}
