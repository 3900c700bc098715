// Fixed random numbers and noise within their ranges, and noise smooth. (That both are the
// same on every run is the generation test's; that the noise repeats where the worlds wrap
// is the world surface test's.)
#include "tools/assetgen/noise.h"

#include <gtest/gtest.h>

#include "tools/assetgen/random.h"

namespace cindervane::assetgen {
namespace {

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
