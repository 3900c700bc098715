// The sixteen screens of the game's state machine.
#pragma once

#include <cstdint>
#include <string_view>

namespace cindervane {

enum class GameScreen : std::int32_t {
    MainMenu = 0,
    Prologue = 1,
    Play = 2,
    Shop = 3,
    Pause = 4,
    StageIntro = 5,
    Story = 6,
    StageEnding = 7,
    HelpPage1 = 8,
    HelpPage2 = 9,
    HelpPage3 = 10,
    Credits = 11,
    Logo = 12,
    GameOver = 13,
    HighScores = 14,
    NickEntry = 15,
};

// The screen's name as state dumps show it; "Unknown" for a value outside the sixteen.
constexpr std::string_view gameScreenName(GameScreen screen) {
    constexpr std::string_view kNames[] = {
        "MainMenu", "Prologue",    "Play",       "Shop",      "Pause",     "StageIntro",
        "Story",    "StageEnding", "HelpPage1",  "HelpPage2", "HelpPage3", "Credits",
        "Logo",     "GameOver",    "HighScores", "NickEntry",
    };
    const auto value = static_cast<std::int32_t>(screen);
    return value >= 0 && value < 16 ? kNames[value] : "Unknown";
}

}  // namespace cindervane
