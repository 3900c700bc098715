// Loading the six sheet catalogues at start-up: every sprite sheet of the game, in the order
// of the tables.
#pragma once

#include "platform/draw/bitmap.h"
#include "stage/game_state.h"

namespace cindervane {

// Loads the craft, part, projectile, effect, coin and box sheets, in that order, each
// catalogue in the order of its table. Every sheet draws onto backDC and is kept in the
// run's sheet store; craft and part sheets start visible. A sheet that cannot be loaded
// is reported through fatalError ("Error loading Enemy IMG_ENEMY_KRAPHY", or without
// "Enemy " outside the craft and part catalogues and in the rows marked so) and is listed
// all the same; loading goes on with the next row.
void loadSheetCatalogues(RunResources& run, platform::DeviceContext* backDC);

}  // namespace cindervane
