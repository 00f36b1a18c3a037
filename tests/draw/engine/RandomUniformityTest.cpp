// SPDX-License-Identifier: GPL-3.0-or-later
// The winner choice gives every pool entry the same chance, whatever the pool size.
#include "draw/engine/DrawEngine.h"
#include "draw/engine/SystemRandomSource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// The choice the draw once made: the product of two 15-bit rand() values, modulo 10000 times
// the range, divided by 10000. Kept here only to prove that the test below catches it.
class ProductOfRandsSource final : public RandomSource
{
public:
    std::uint64_t Below(std::uint64_t bound) override
    {
        const std::uint64_t product = static_cast<std::uint64_t>(Rand()) * Rand();
        return (product % (10000 * bound)) / 10000;
    }
    void Reseed() override {}

private:
    // A classic 15-bit linear congruential rand().
    int Rand()
    {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7fff);
    }
    std::uint32_t m_state = 12345;
};

// Chi-square statistic of samples drawn through the engine's choice over a pool of bins entries.
double ChiSquare(RandomSource& random, int bins, int samples)
{
    std::vector<int> counts(bins, 0);
    for (int i = 0; i < samples; ++i) {
        const int index = DrawEngine::RandomInRange(random, 0, bins);
        EXPECT_GE(index, 0);
        EXPECT_LT(index, bins);
        if (index < 0 || index >= bins) {
            return INFINITY;
        }
        ++counts[index];
    }
    const double expected = static_cast<double>(samples) / bins;
    double sum = 0;
    for (const int count : counts) {
        sum += (count - expected) * (count - expected) / expected;
    }
    return sum;
}

// The value a chi-square statistic with df degrees of freedom exceeds with a probability of
// about 3e-7 (Wilson-Hilferty with z = 5): a fair source never fails by chance in practice.
double Critical(int df)
{
    const double a = 2.0 / (9.0 * df);
    return df * std::pow(1 - a + 5 * std::sqrt(a), 3);
}

struct PoolCase
{
    int bins;
    int samples;
};
const PoolCase kPools[] = {{10, 100000}, {1000, 6000000}, {100000, 2000000}};

} // namespace

TEST(DrawChoice, EveryEntryOfPoolsOfTenToHundredThousandIsEquallyLikely)
{
    SystemRandomSource random(20241231);
    for (const PoolCase& pool : kPools) {
        const double statistic = ChiSquare(random, pool.bins, pool.samples);
        EXPECT_LT(statistic, Critical(pool.bins - 1)) << "pool of " << pool.bins;
    }
}

TEST(DrawChoice, TheSameTestRejectsTheProductOfTwoRands)
{
    // Small pools hide the bias of the product in the wrap-around of the modulo; from a
    // thousand entries on it is plain, and at a hundred thousand the first entries win most.
    ProductOfRandsSource product;
    for (const PoolCase& pool : kPools) {
        if (pool.bins < 1000) {
            continue;
        }
        EXPECT_GT(ChiSquare(product, pool.bins, pool.samples), Critical(pool.bins - 1))
            << "pool of " << pool.bins;
    }
}

TEST(DrawChoice, SystemSourceStaysInRangeAndSeedsFromEntropy)
{
    SystemRandomSource random;
    EXPECT_EQ(random.Below(1), 0u);
    EXPECT_EQ(random.Below(0), 0u);
    const std::uint64_t huge = std::uint64_t{1} << 40;
    for (int i = 0; i < 1000; ++i) {
        EXPECT_LT(random.Below(huge), huge);
    }
    EXPECT_EQ(DrawEngine::RandomInRange(random, 5, 5), 5);
    EXPECT_EQ(DrawEngine::RandomInRange(random, 5, 6), 5);

    // Two sources from entropy: 4 values of 2^40 agree by chance with probability 2^-160.
    SystemRandomSource other;
    bool differ = false;
    for (int i = 0; i < 4; ++i) {
        differ = differ || random.Below(huge) != other.Below(huge);
    }
    EXPECT_TRUE(differ);

    // A fixed seed keeps its sequence through a reseed (benchmarks, tests).
    SystemRandomSource a(42);
    SystemRandomSource b(42);
    b.Reseed();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(a.Below(huge), b.Below(huge));
    }
}
