// The generator's own random numbers: a fixed, seeded sequence, so every run draws and
// composes exactly the same files.
#pragma once

#include <cstdint>

namespace cindervane::assetgen {

class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        // splitmix64: small, fast and the same on every machine.
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 <= value < 1.
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double low, double high) { return low + (high - low) * unit(); }
    // low <= value <= high.
    int between(int low, int high) {
        return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1));
    }
    bool chance(double p) { return unit() < p; }

  private:
    std::uint64_t state_;
};

}  // namespace cindervane::assetgen
