// The look of each world's surface as a colour at any point of a plane that repeats every
// 240 columns and 960 rows: the stage backgrounds are this plane seen from above, and the
// planets of the story pictures are it wrapped round a sphere.
#pragma once

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/noise.h"

namespace cindervane::assetgen {

// The eight stage worlds, and the Moon, which the story pictures show on the way to space.
enum class World { Earth, Space, Mars, Jupiter, Saturnus, Uranus, Neptunus, Pluto, Moon };

class WorldSurface {
  public:
    explicit WorldSurface(World world);

    // The colour at (x, y), x in 0..240 and y in 0..960 (both wrap).
    Colour at(double x, double y) const;

  private:
    World world_;
    Noise a_, b_, c_, d_;
};

// A planet: the world's surface wrapped round a sphere lit from the upper left, with an
// atmosphere's rim of light. `tint` is mixed into the surface by its alpha; `turn` moves
// the surface round the sphere.
void drawPlanet(cairo_t* cr, const WorldSurface& surface, double cx, double cy, double radius,
                const Colour& atmosphere, const Colour& tint = {0, 0, 0, 0}, double turn = 0);

// The planet of a stage as the story pictures show it: Earth, the Moon for space, and the
// others with their own surface, haze and, for Saturnus, rings.
void drawStagePlanet(cairo_t* cr, World world, double cx, double cy, double radius);

}  // namespace cindervane::assetgen
