// Writing the game's texts over the back buffer: a font, a colour and a rectangle.
#pragma once

#include <string_view>

#include "platform/draw/colour.h"
#include "platform/draw/draw_text.h"
#include "stage/game_state.h"

namespace cindervane {

constexpr platform::ColourRef kWhiteText = 0xFFFFFF;
constexpr platform::ColourRef kBlackText = 0x000000;
constexpr platform::ColourRef kRedText = 0x0000FF;

// Draws the text on a transparent background with font `font` (0 to 4) in the colour,
// inside (left, top)-(right, bottom).
void writeText(GameState& state, std::u16string_view text, int font, platform::ColourRef colour,
               int left, int top, int right, int bottom,
               platform::TextFormat format = platform::TextFormat::Left);

// A number as the game prints it ("%i").
std::u16string numberText(int value);

}  // namespace cindervane
