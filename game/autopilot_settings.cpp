// Reading the autopilot's settings list.
#include "game/autopilot_settings.h"

#include <charconv>

namespace cindervane {

namespace {

constexpr std::string_view kSkillPrefix = "skill=";
constexpr std::string_view kSeedPrefix = "seed=";
constexpr std::string_view kHandPrefix = "hand=";

std::optional<AutopilotSkill> skillNamed(std::string_view name) {
    if (name == "expert") return AutopilotSkill::Expert;
    if (name == "normal") return AutopilotSkill::Normal;
    if (name == "novice") return AutopilotSkill::Novice;
    return std::nullopt;
}

std::optional<AutopilotHandKind> handNamed(std::string_view name) {
    if (name == "stylus") return AutopilotHandKind::Stylus;
    if (name == "keys") return AutopilotHandKind::Keys;
    if (name == "pad") return AutopilotHandKind::Pad;
    return std::nullopt;
}

std::optional<std::uint32_t> wholeNumber(std::string_view text) {
    std::uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

}  // namespace

std::optional<AutopilotSettings> parseAutopilotSettings(std::string_view list) {
    AutopilotSettings settings;
    if (list.empty()) return settings;
    bool seenRefill = false, seenSkill = false, seenSeed = false, seenHand = false;
    while (true) {
        const std::size_t comma = list.find(',');
        const std::string_view item = list.substr(0, comma);
        if (item == "refill" && !seenRefill) {
            seenRefill = settings.refills = true;
        } else if (item.starts_with(kSkillPrefix) && !seenSkill) {
            const auto skill = skillNamed(item.substr(kSkillPrefix.size()));
            if (!skill) return std::nullopt;
            settings.skill = *skill;
            seenSkill = true;
        } else if (item.starts_with(kSeedPrefix) && !seenSeed) {
            const auto seed = wholeNumber(item.substr(kSeedPrefix.size()));
            if (!seed) return std::nullopt;
            settings.seed = *seed;
            seenSeed = true;
        } else if (item.starts_with(kHandPrefix) && !seenHand) {
            const auto hand = handNamed(item.substr(kHandPrefix.size()));
            if (!hand) return std::nullopt;
            settings.hand = *hand;
            seenHand = true;
        } else {
            return std::nullopt;
        }
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    if (settings.refills && settings.hand != AutopilotHandKind::Stylus) return std::nullopt;
    return settings;
}

}  // namespace cindervane
