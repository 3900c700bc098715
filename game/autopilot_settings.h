// The autopilot's settings as the command line gives them: a comma-separated list, in any
// order and each optional, of `refill`, `skill=expert|normal|novice`, `seed=N` and
// `hand=stylus|keys|pad`.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace cindervane {

// How well the autopilot flies: how late it sees, how far ahead it looks and how well it aims.
enum class AutopilotSkill { Expert, Normal, Novice };

// How its decisions reach the game: the stylus and the device's buttons straight into the
// input, or the desktop's keyboard or a gamepad played through the window's own controls.
enum class AutopilotHandKind { Stylus, Keys, Pad };

struct AutopilotSettings {
    // It refills the ship through the hidden corner when the hit points run low.
    bool refills = false;
    AutopilotSkill skill = AutopilotSkill::Expert;
    // The seed of the autopilot's own generator: its preferred side, tie breaks and small
    // delays. The game's generator is never touched.
    std::uint32_t seed = 0;
    AutopilotHandKind hand = AutopilotHandKind::Stylus;
};

// The settings of `--autopilot=LIST`; an empty list gives the defaults. Nothing for an unknown
// word, a repeated setting, an empty item, an unknown skill or hand, a seed that is not a
// whole number from 0 to 4294967295, or refills asked of the keys or a pad (their hand cannot
// reach the hidden corner during flight).
std::optional<AutopilotSettings> parseAutopilotSettings(std::string_view list);

}  // namespace cindervane
