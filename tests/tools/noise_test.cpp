// Fixed random numbers and periodic noise: the same on every run, within range, and
// repeating exactly where the backgrounds wrap.
#include "tools/assetgen/noise.h"

#include <gtest/gtest.h>

#include "tools/assetgen/random.h"

namespace cindervane::assetgen {
namespace {

TEST(Random, TheSameSeedGivesTheSameSequence) {
    Random a(42), b(42), c(43);
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        const std::uint64_t value = a.next();
        EXPECT_EQ(value, b.next());
        differs |= value != c.next();
    }
    EXPECT_TRUE(differs);
}

TEST(Random, StaysWithinItsRanges) {
    Random random(7);
    bool sawLow = false, sawHigh = false;
    for (int i = 0; i < 2000; ++i) {
        const double u = random.unit();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        const int n = random.between(-2, 2);
        ASSERT_GE(n, -2);
        ASSERT_LE(n, 2);
        sawLow |= n == -2, sawHigh |= n == 2;
    }
    EXPECT_TRUE(sawLow && sawHigh);  // both ends are included
}

TEST(Noise, RepeatsAcrossItsPeriodInEveryOctave) {
    const Noise noise(11, 4, 16);
    for (double x : {0.3, 1.7, 3.9})
        for (double y : {0.1, 5.5, 15.2}) {
            const double value = noise.fractal(x, y, 5);
            EXPECT_NEAR(noise.fractal(x + 4, y, 5), value, 1e-12);
            EXPECT_NEAR(noise.fractal(x, y + 16, 5), value, 1e-12);
            EXPECT_NEAR(noise.at(x + 4, y + 16), noise.at(x, y), 1e-12);
        }
}

TEST(Noise, IsSmoothAndWithinRange) {
    const Noise noise(12, 8, 8);
    for (int i = 0; i < 800; ++i) {
        const double x = i * 0.01;
        const double value = noise.fractal(x, 2.5, 4);
        ASSERT_GE(value, 0.0);
        ASSERT_LE(value, 1.0);
        EXPECT_LT(std::abs(noise.fractal(x + 0.001, 2.5, 4) - value), 0.02);
    }
}

}  // namespace
}  // namespace cindervane::assetgen
