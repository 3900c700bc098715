// The input script of a headless run.
#include "platform/headless_script.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
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
    {"check", ScriptEvent::Kind::Check},
};

// The button names in key index order.
constexpr const char* kKeyNames[] = {"up", "down", "left",  "right", "a",
                                     "b",  "c",    "start", "x1",    "x2"};

bool parseHash(const std::string& text, std::uint64_t& value) {
    if (text.empty() || text.size() > 16) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return error == std::errc() && end == text.data() + text.size();
}

// "check HASH [part=HASH ...]"; false with what is wrong.
bool parseCheck(const std::vector<std::string>& parts, StateHash& hash, std::string& what) {
    what = "check needs the state hash (16 hex digits), then any part=hash";
    if (parts.size() < 3 || !parseHash(parts[2], hash.whole)) return false;
    for (std::size_t i = 3; i < parts.size(); ++i) {
        const auto equals = parts[i].find('=');
        std::uint64_t value = 0;
        if (equals == std::string::npos || equals == 0 ||
            !parseHash(parts[i].substr(equals + 1), value))
            return false;
        hash.parts.emplace_back(parts[i].substr(0, equals), value);
    }
    return true;
}

bool parseNick(const std::string& text, std::u16string& nick) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            nick += static_cast<char16_t>(static_cast<unsigned char>(text[i]));
            continue;
        }
        unsigned code = 0;
        if (text.compare(i, 2, "\\u") != 0 || i + 6 > text.size()) return false;
        const auto [end, error] = std::from_chars(&text[i + 2], &text[i + 6], code, 16);
        if (error != std::errc() || end != &text[i + 6]) return false;
        nick += static_cast<char16_t>(code);
        i += 5;
    }
    return nick.size() <= 3;
}

// A header line ("seed N", "stage N", "highscore SCORE [NICK]"); false with what is wrong.
bool parseHeaderLine(const std::vector<std::string>& parts, ScriptHeader& header,
                     std::string& what) {
    long long value = 0;
    const bool number = parts.size() >= 2 && parseInteger(parts[1], value);
    if (parts[0] == "seed") {
        what = "seed needs one whole number from 0 to 4294967295, once";
        if (parts.size() != 2 || !number || value < 0 || value > 0xFFFFFFFFll || header.seed)
            return false;
        header.seed = static_cast<std::uint32_t>(value);
        return true;
    }
    if (parts[0] == "stage") {
        what = "stage needs one stage number from 1 to 8, once";
        if (parts.size() != 2 || !number || value < 1 || value > 8 || header.stage) return false;
        header.stage = static_cast<int>(value);
        return true;
    }
    what = "highscore needs a score and at most a three-character nick, ten lines at most";
    ScriptHighScore entry;
    if (parts.size() < 2 || parts.size() > 3 || !number || value < INT32_MIN || value > INT32_MAX ||
        header.highScores.size() >= 10 || (parts.size() == 3 && !parseNick(parts[2], entry.nick)))
        return false;
    entry.score = static_cast<std::int32_t>(value);
    header.highScores.push_back(std::move(entry));
    return true;
}

}  // namespace

const char* scriptKeyName(int keyIndex) {
    return keyIndex >= 0 && keyIndex < 10 ? kKeyNames[keyIndex] : "";
}

std::string checkText(const StateHash& hash) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash.whole));
    std::string line = text;
    for (const auto& [name, value] : hash.parts) {
        std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
        line += ' ' + name + '=' + text;
    }
    return line;
}

std::string nickScriptText(const std::u16string& nick) {
    std::string text;
    for (const char16_t c : nick) {
        if (c > 0x20 && c < 0x7F && c != '#' && c != '\\') {
            text += static_cast<char>(c);
        } else {
            char escape[7];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            text += escape;
        }
    }
    return text;
}

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

bool parseScript(std::istream& input, std::vector<ScriptEvent>& events, std::string& error,
                 ScriptHeader* header) {
    events.clear();
    ScriptHeader read;
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

        if (parts[0] == "seed" || parts[0] == "stage" || parts[0] == "highscore") {
            std::string what;
            if (!events.empty()) return fail("header lines come before the first event");
            if (!parseHeaderLine(parts, read, what)) return fail(what);
            continue;
        }

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
            case Kind::Check: {
                std::string what;
                if (!parseCheck(parts, event.hash, what)) return fail(what);
                break;
            }
        }
        events.push_back(std::move(event));
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const ScriptEvent& a, const ScriptEvent& b) { return a.frame < b.frame; });
    if (header) *header = std::move(read);
    return true;
}

}  // namespace cindervane::platform
