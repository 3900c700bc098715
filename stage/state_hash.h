// The state hash: one 64-bit number for everything play depends on, and the same split into
// the parts a divergence is looked for in, so a replay can prove it runs as recorded and say
// where it went astray when it does not.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "stage/game_state.h"

namespace cindervane {

struct StateHashes {
    // The parts in the order a check names the first that differs.
    static constexpr std::array<std::string_view, 6> kNames = {"game",  "ship",  "enemies",
                                                               "shots", "items", "random"};

    std::array<std::uint64_t, kNames.size()> parts{};

    // The whole state's hash: the parts' hashes folded together in their order.
    std::uint64_t whole() const;
    // As the platform's check lines compare them.
    platform::StateHash forChecks() const;
};

StateHashes hashGameState(const GameState& state);

// Sixteen lowercase hex digits.
std::string hashText(std::uint64_t hash);

}  // namespace cindervane
