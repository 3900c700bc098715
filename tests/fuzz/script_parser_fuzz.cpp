// Fuzzing the headless script parser: any text is either a list of events in frame order
// with points on the screen, or one error line that holds no raw control character.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "platform/headless_script.h"
#include "platform/platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using cindervane::platform::ScriptEvent;
    std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<ScriptEvent> events;
    std::string error;
    if (!cindervane::platform::parseScript(input, events, error)) {
        if (!events.empty()) __builtin_trap();
        for (const char c : error)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) __builtin_trap();
        return 0;
    }
    for (std::size_t i = 0; i < events.size(); ++i) {
        const ScriptEvent& event = events[i];
        if (i > 0 && events[i - 1].frame > event.frame) __builtin_trap();
        if (event.x < 0 || event.x >= cindervane::platform::kScreenWidth || event.y < 0 ||
            event.y >= cindervane::platform::kScreenHeight)
            __builtin_trap();
    }
    return 0;
}
