// The animated picture screens and the scrolling text window.
#include "shell/picture_screens.h"

#include <algorithm>

#include "platform/draw/blit.h"
#include "shell/picture_slots.h"
#include "shell/screen_flow.h"
#include "shell/stage_texts.h"

namespace cindervane {

namespace {

constexpr int kLogoSwitchFrame = 75;
constexpr int kLogoEndFrame = 150;

// The part of the 240 x height window that lies inside the picture, copied to `top`.
void copyWindow(GameState& state, int top, int height, Surface& picture, bool keyed) {
    platform::DeviceContext* source = picture.memoryDC();
    if (!state.run.backDC || !source) return;
    const int firstRow = std::max(state.flow.scrollY, 0);
    const int lastRow = std::min(state.flow.scrollY + height, picture.height());
    if (lastRow <= firstRow) return;
    const int targetTop = top + (firstRow - state.flow.scrollY);
    const int rows = lastRow - firstRow;
    if (keyed) {
        platform::transparentImage(*state.run.backDC, 0, targetTop, 240, rows, *source,
                                   state.flow.scrollX, firstRow, 240, rows, platform::kKeyBlue);
    } else {
        platform::bitBlt(*state.run.backDC, 0, targetTop, 240, rows, *source, state.flow.scrollX,
                         firstRow);
    }
}

void setTextWindow(GameState& state, int startY, int wrap) {
    state.flow.scrollX = 0;
    state.flow.scrollY = startY;
    state.flow.scrollSpeed = 1;
    state.flow.scrollWrap = wrap;
}

// A stage's intro or closing text into the background slot, with its window at the top.
void loadStageText(GameState& state, int stage, bool opening) {
    if (stage < 1 || stage > 8) {
        state.flow.backgroundImage.reset();
        return;
    }
    const StageText& text = kStageTexts[stage - 1];
    const bool loaded = opening ? replacePicture(state, state.flow.backgroundImage,
                                                 text.openingSymbol, text.openingFile)
                                : replacePicture(state, state.flow.backgroundImage,
                                                 text.closingSymbol, text.closingFile);
    if (loaded) setTextWindow(state, -140, opening ? text.openingWrap : text.closingWrap);
}

}  // namespace

void advanceScroll(GameState& state, int reset) {
    state.flow.scrollY += state.flow.scrollSpeed;
    if (state.flow.scrollY > state.flow.scrollWrap) state.flow.scrollY = reset;
}

void drawTextWindow(GameState& state, int top, int height, Surface& picture) {
    copyWindow(state, top, height, picture, false);
}

void drawKeyedTextWindow(GameState& state, int top, int height, Surface& picture) {
    copyWindow(state, top, height, picture, true);
}

void drawLogo(GameState& state) {
    if (state.flow.frameCounter < kLogoSwitchFrame) {
        fillBox(state, kBrushWhite, 0, 0, 240, 320);
        drawPicture(state.run.logoImage, 11, 120);
    }
    if (state.flow.frameCounter == kLogoSwitchFrame) {
        replacePicture(state, state.run.logoImage, "IMG_LOGOORVEL1", "O0025.BAI");
        drawPicture(state.run.logoImage, 0, 0);
    }
    if (state.flow.frameCounter > kLogoSwitchFrame) {
        fillBox(state, kBrushBlack, 0, 0, 240, 320);
        drawPicture(state.run.logoImage, 0, 0);
        drawPicture(state.run.logoWwwImage, 4, 300);
    }
    if (state.flow.frameCounter == kLogoEndFrame) {
        state.flow.frameCounter = 0;
        replacePicture(state, state.run.logoImage, "IMG_LOGOORVEL2", "O0026.BAI");
        setTextWindow(state, -340, 540);
        replacePicture(state, state.flow.backgroundImage, "IMG_BGPROLOGUE", "O0006.BAI");
        state.flow.screen = GameScreen::Prologue;
    }
}

void drawPrologue(GameState& state) {
    fillBox(state, kBrushBlack, 0, 0, 240, 320);
    drawPicture(state.run.logoImage, 0, 0);
    advanceScroll(state, -320);
    if (state.flow.backgroundImage) drawKeyedTextWindow(state, 0, 320, *state.flow.backgroundImage);
    if (state.flow.scrollY >= state.flow.scrollWrap) beginStory(state);
}

void beginStory(GameState& state) {
    state.flow.frameCounter = 0;
    replacePicture(state, state.flow.introImage, "IMG_PROLOG", "O0029.BAI");
    setTextWindow(state, -140, 508);
    replacePicture(state, state.flow.backgroundImage, "IMG_BGSTORY", "O0017.BAI");
    state.flow.screen = GameScreen::Story;
}

void drawIntroOrStory(GameState& state) {
    fillBox(state, kBrushBlack, 0, 0, 240, 320);
    drawPicture(state.flow.introImage, 0, 0);
    advanceScroll(state, -140);
    if (state.flow.backgroundImage) drawTextWindow(state, 180, 140, *state.flow.backgroundImage);
    // The story ends by itself; a stage intro's text only starts again.
    if (state.flow.screen == GameScreen::Story && state.flow.scrollY >= state.flow.scrollWrap)
        showMainMenu(state);
}

void drawStageEnding(GameState& state) {
    fillBox(state, kBrushBlack, 0, 0, 240, 320);
    drawPicture(state.flow.endImage, 0, 0);
    advanceScroll(state, -140);
    if (state.flow.backgroundImage) drawTextWindow(state, 180, 140, *state.flow.backgroundImage);
}

void loadStageOpening(GameState& state, int stage) {
    loadStageText(state, stage, true);
}

void loadStageClosing(GameState& state, int stage) {
    loadStageText(state, stage, false);
}

}  // namespace cindervane
