// Filling the game's picture slots: a slot is always emptied before it is filled again, so
// no picture is ever held twice, and a picture that cannot be loaded is reported by its
// symbol.
#pragma once

#include <memory>
#include <string_view>

#include "stage/game_state.h"

namespace cindervane {

// Replaces the slot's picture with the file beside the program. On failure the slot keeps
// the surface that failed (it draws nothing) and "Error loading <symbol>" is shown.
bool replacePicture(GameState& state, std::unique_ptr<Surface>& slot, std::string_view symbol,
                    std::string_view file);

// Draws the slot's picture opaque at (x, y), if it holds one.
void drawPicture(const std::unique_ptr<Surface>& slot, int x, int y);

// Draws the slot's picture with the colour key at (x, y), if it holds one.
void drawPictureKeyed(const std::unique_ptr<Surface>& slot, int x, int y);

// Fills a rectangle (left, top)-(right, bottom) of the back buffer with one of the brushes.
void fillBox(GameState& state, int brush, int left, int top, int right, int bottom);

}  // namespace cindervane
