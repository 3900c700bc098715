// The pause and game over screens.
#include "shell/play_overlays.h"

#include "shell/picture_slots.h"

namespace cindervane {

void drawCaption(const GameState& state, int caption, int x, int y) {
    Sprite* sprite = state.run.captions[caption].get();
    if (!sprite) return;
    sprite->setPosition(x, y);
    sprite->drawKeyed(platform::kKeyBlue);
}

void drawPause(GameState& state) {
    fillBox(state, kBrushBlack, 0, 0, 240, 320);
    drawCaption(state, kCaptionPause, 32, 59);
    drawCaption(state, kCaptionResume, 59, 116);
    drawCaption(state, kCaptionOr, 100, 146);
    drawCaption(state, kCaptionGiveUp, 66, 168);
}

void drawGameOver(GameState& state) {
    drawCaption(state, kCaptionGameOver, 7, 75);
    drawCaption(state, kCaptionContinue, 54, 116);
    drawCaption(state, kCaptionOr, 100, 146);
    drawCaption(state, kCaptionGiveUp, 66, 168);
}

}  // namespace cindervane
