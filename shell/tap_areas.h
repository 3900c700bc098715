// Where taps count on the menus and the play screen, (left, top)-(right, bottom) with both
// edges inside.
#pragma once

namespace cindervane {

struct TapArea {
    int left;
    int top;
    int right;
    int bottom;
};

constexpr TapArea kNewGameArea = {10, 225, 115, 240};
constexpr TapArea kHighScoresArea = {10, 241, 115, 255};
constexpr TapArea kHelpArea = {10, 256, 55, 270};
constexpr TapArea kCreditsArea = {10, 271, 75, 285};
constexpr TapArea kExitArea = {10, 286, 55, 305};
constexpr TapArea kHelpPreviousArea = {9, 290, 111, 314};
constexpr TapArea kHelpNextArea = {81, 290, 232, 314};
constexpr TapArea kSpeakerArea = {0, 0, 20, 20};
constexpr TapArea kRefillCornerArea = {235, 315, 240, 320};
constexpr TapArea kContinueArea = {54, 116, 179, 146};
constexpr TapArea kResumeArea = {59, 116, 185, 146};
constexpr TapArea kGiveUpArea = {66, 168, 172, 196};

}  // namespace cindervane
