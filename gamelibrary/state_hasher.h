// The state hasher: folds explicit values, one after another, into a 64-bit hash (FNV-1a
// over each value's little-endian bytes). Only values go in, never addresses or the bytes
// of a whole object with its padding, so the same game gives the same hash on any machine,
// build type and compiler.
#pragma once

#include <bit>
#include <cstdint>

namespace cindervane {

class StateHasher {
  public:
    static constexpr std::uint64_t kStart = 0xcbf29ce484222325ull;

    void add(std::uint64_t value) { addBytes(value, 8); }
    void add(std::int64_t value) { addBytes(static_cast<std::uint64_t>(value), 8); }
    void add(std::uint32_t value) { addBytes(value, 4); }
    void add(std::int32_t value) { addBytes(static_cast<std::uint32_t>(value), 4); }
    void add(bool value) { addBytes(value ? 1u : 0u, 1); }
    // A double by its bits: the game computes the same bits wherever it runs.
    void add(double value) { add(std::bit_cast<std::uint64_t>(value)); }

    std::uint64_t value() const { return hash_; }

  private:
    static constexpr std::uint64_t kPrime = 0x100000001b3ull;

    void addBytes(std::uint64_t value, int count) {
        for (int i = 0; i < count; ++i) {
            hash_ ^= (value >> (8 * i)) & 0xFFu;
            hash_ *= kPrime;
        }
    }

    std::uint64_t hash_ = kStart;
};

}  // namespace cindervane
