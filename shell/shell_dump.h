// The screen machine's part of a state dump.
#pragma once

#include <nlohmann/json_fwd.hpp>

#include "stage/game_state.h"

namespace cindervane {

void reportShellState(const GameState& state, nlohmann::json& dump);

}  // namespace cindervane
