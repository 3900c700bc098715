// Filling the game's picture slots.
#include "shell/picture_slots.h"

#include <string>

#include "gamelibrary/game_app.h"
#include "platform/draw/blit.h"

namespace cindervane {

bool replacePicture(GameState& state, std::unique_ptr<Surface>& slot, std::string_view symbol,
                    std::string_view file) {
    slot.reset();
    slot = std::make_unique<Surface>(state.run.backDC);
    if (slot->loadImage(state.run.app->pathBesideProgram(file))) return true;
    state.run.app->fatalError("Error loading " + std::string(symbol));
    return false;
}

void drawPicture(const std::unique_ptr<Surface>& slot, int x, int y) {
    if (slot) slot->drawAt(x, y);
}

void drawPictureKeyed(const std::unique_ptr<Surface>& slot, int x, int y) {
    if (slot) slot->drawKeyedAt(x, y, platform::kKeyBlue);
}

void fillBox(GameState& state, int brush, int left, int top, int right, int bottom) {
    if (!state.run.backDC || !state.run.brushes[brush]) return;
    platform::fillRect(*state.run.backDC, platform::Rect{left, top, right, bottom},
                       *state.run.brushes[brush]);
}

}  // namespace cindervane
