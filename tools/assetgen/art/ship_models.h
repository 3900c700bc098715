// The player's ship models, for the screens that show the ship (menu, shop, story pictures).
#pragma once

#include <cairo.h>

namespace cindervane::assetgen {

enum class ShipVariant { RedPhoenix, RedPhoenixV, RedPhoenixX };

// Draws the ship with its centre at (x, y), nose up, scaled and banked.
void drawShip(cairo_t* cr, ShipVariant variant, double x, double y, double scale, double roll = 0,
              double yaw = 0);

}  // namespace cindervane::assetgen
