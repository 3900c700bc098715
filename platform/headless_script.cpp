// The input script of a headless run.
#include "platform/headless_script.h"

#include <algorithm>
#include <charconv>
#include <sstream>

#include "platform/keys.h"
#include "platform/platform.h"
#include "platform/printable.h"

namespace cindervane::platform {

namespace {

bool parseInteger(const std::string& text, long long& value) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last;
}

struct KindName {
    const char* name;
    ScriptEvent::Kind kind;
};

constexpr KindName kKinds[] = {
    {"tap", ScriptEvent::Kind::Tap},     {"down", ScriptEvent::Kind::Down},
    {"move", ScriptEvent::Kind::Move},   {"up", ScriptEvent::Kind::Up},
    {"press", ScriptEvent::Kind::Press}, {"keydown", ScriptEvent::Kind::KeyDown},
    {"keyup", ScriptEvent::Kind::KeyUp}, {"screenshot", ScriptEvent::Kind::Screenshot},
    {"dump", ScriptEvent::Kind::Dump},   {"quit", ScriptEvent::Kind::Quit},
};

}  // namespace

std::uint16_t scriptKeyCode(const std::string& name) {
    const KeyList keys = defaultKeyList();
    if (name == "up") return static_cast<std::uint16_t>(keys.vkUp);
    if (name == "down") return static_cast<std::uint16_t>(keys.vkDown);
    if (name == "left") return static_cast<std::uint16_t>(keys.vkLeft);
    if (name == "right") return static_cast<std::uint16_t>(keys.vkRight);
    if (name == "a") return static_cast<std::uint16_t>(keys.vkA);
    if (name == "b") return static_cast<std::uint16_t>(keys.vkB);
    if (name == "c") return static_cast<std::uint16_t>(keys.vkC);
    if (name == "start") return static_cast<std::uint16_t>(keys.vkStart);
    if (name == "x1") return VK_EXTRA1;
    if (name == "x2") return VK_EXTRA2;
    return 0;
}

bool parseScript(std::istream& input, std::vector<ScriptEvent>& events, std::string& error) {
    events.clear();
    std::string text;
    int lineNumber = 0;
    while (std::getline(input, text)) {
        ++lineNumber;
        if (const auto hash = text.find('#'); hash != std::string::npos) text.erase(hash);
        std::istringstream words(text);
        std::vector<std::string> parts;
        for (std::string word; words >> word;)
            parts.push_back(word);
        if (parts.empty()) continue;

        const auto fail = [&](const std::string& what) {
            // A damaged line may hold anything: never echo its bytes raw to the terminal.
            error = "line " + std::to_string(lineNumber) + ": " + printable(what);
            events.clear();
            return false;
        };

        ScriptEvent event;
        event.line = lineNumber;
        if (!parseInteger(parts[0], event.frame) || event.frame < 0)
            return fail("'" + parts[0] + "' is not a frame number");
        if (parts.size() < 2) return fail("an event is missing after the frame number");
        const auto kind = std::find_if(std::begin(kKinds), std::end(kKinds),
                                       [&](const KindName& k) { return parts[1] == k.name; });
        if (kind == std::end(kKinds)) return fail("unknown event '" + parts[1] + "'");
        event.kind = kind->kind;

        using Kind = ScriptEvent::Kind;
        switch (event.kind) {
            case Kind::Tap:
            case Kind::Down:
            case Kind::Move:
            case Kind::Up: {
                if (parts.size() != 4) return fail(parts[1] + " needs X and Y");
                long long x = 0;
                long long y = 0;
                if (!parseInteger(parts[2], x) || !parseInteger(parts[3], y))
                    return fail("X and Y must be whole numbers");
                if (x < 0 || x >= kScreenWidth || y < 0 || y >= kScreenHeight)
                    return fail("the point " + parts[2] + " " + parts[3] +
                                " is off the 240 x 320 screen");
                event.x = static_cast<int>(x);
                event.y = static_cast<int>(y);
                break;
            }
            case Kind::Press:
            case Kind::KeyDown:
            case Kind::KeyUp:
                if (parts.size() != 3) return fail(parts[1] + " needs one key name");
                event.keyCode = scriptKeyCode(parts[2]);
                if (event.keyCode == 0)
                    return fail("unknown key '" + parts[2] +
                                "' (up down left right a b c start x1 x2)");
                break;
            case Kind::Screenshot:
            case Kind::Dump:
                if (parts.size() != 3) return fail(parts[1] + " needs one file name");
                event.file = parts[2];
                break;
            case Kind::Quit:
                if (parts.size() != 2) return fail("quit takes no arguments");
                break;
        }
        events.push_back(std::move(event));
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const ScriptEvent& a, const ScriptEvent& b) { return a.frame < b.frame; });
    return true;
}

}  // namespace cindervane::platform
