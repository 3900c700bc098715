// Writing the game's texts over the back buffer.
#include "shell/screen_text.h"

#include <string>

namespace cindervane {

void writeText(GameState& state, std::u16string_view text, int font, platform::ColourRef colour,
               int left, int top, int right, int bottom, platform::TextFormat format) {
    if (!state.run.backDC || !state.run.fonts[font]) return;
    state.run.backDC->selectFont(state.run.fonts[font].get());
    state.run.backDC->setTextColour(colour);
    platform::drawText(*state.run.backDC, text, platform::Rect{left, top, right, bottom}, format);
}

std::u16string numberText(int value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace cindervane
