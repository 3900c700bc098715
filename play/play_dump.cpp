// The play field's part of a state dump.
#include "play/play_dump.h"

#include <nlohmann/json.hpp>

namespace cindervane {

void reportPlayState(const GameState&, nlohmann::json& dump) {
    // No ship exists until a stage starts.
    dump["ship"] = nullptr;
    dump["enemies"] = nlohmann::json::array();
}

}  // namespace cindervane
