// The play field's part of a state dump: the ship and the enemies.
#pragma once

#include <nlohmann/json_fwd.hpp>

#include "stage/game_state.h"

namespace cindervane {

void reportPlayState(const FieldState& field, nlohmann::json& dump);

}  // namespace cindervane
