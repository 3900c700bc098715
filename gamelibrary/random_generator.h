// The game's one source of chance: a small seeded generator (PCG, 32-bit output), so the
// same seed gives the same coins and the same game on every machine.
#pragma once

#include <cstdint>

namespace cindervane {

class RandomGenerator {
  public:
    explicit RandomGenerator(std::uint32_t seed = 0) { reseed(seed); }

    // Starts the sequence again from a seed (the tick count at start-up, or a chosen one).
    void reseed(std::uint32_t seed) {
        state_ = 0;
        next();
        state_ += seed;
        next();
    }

    // The next number of the sequence, uniform over all 32-bit values.
    std::uint32_t next() {
        const std::uint64_t old = state_;
        state_ = old * 6364136223846793005ull + kIncrement;
        const auto xorShifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
        const auto rotation = static_cast<std::uint32_t>(old >> 59u);
        return (xorShifted >> rotation) | (xorShifted << ((32u - rotation) & 31u));
    }

    // Where the sequence stands, for the state hash.
    std::uint64_t state() const { return state_; }

  private:
    static constexpr std::uint64_t kIncrement = 1442695040888963407ull;
    std::uint64_t state_ = 0;
};

}  // namespace cindervane
