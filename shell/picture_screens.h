// The animated picture screens: the maker's logo, the prologue, the story, the stage intros
// and the stage endings, with the scrolling text window they share.
#pragma once

#include "stage/game_state.h"

namespace cindervane {

// One frame of the logo, prologue, story, stage intro or stage ending screen.
void drawLogo(GameState& state);
void drawPrologue(GameState& state);
void drawIntroOrStory(GameState& state);
void drawStageEnding(GameState& state);

// Moves the text window down one step; past the limit it starts again at `reset`.
void advanceScroll(GameState& state, int reset);

// Copies the 240 x height window of the picture at (scrollX, scrollY) to row `top` of the
// back buffer, opaque or with the colour key. Rows outside the picture are left alone.
void drawTextWindow(GameState& state, int top, int height, Surface& picture);
void drawKeyedTextWindow(GameState& state, int top, int height, Surface& picture);

// The prologue's end, by itself or by a tap: the story begins.
void beginStory(GameState& state);

// The intro text of stage n, or its closing text, into the background slot with a fresh
// scroll window. A stage outside 1..8 leaves the slot empty.
void loadStageOpening(GameState& state, int stage);
void loadStageClosing(GameState& state, int stage);

}  // namespace cindervane
