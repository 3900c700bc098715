// The worlds' surfaces wrap without a seam in both directions, since the stage backgrounds
// scroll round and the planets turn them round a sphere; and the planets are round.
#include "tools/assetgen/art/world_surface.h"

#include <gtest/gtest.h>

#include <cmath>

namespace cindervane::assetgen {
namespace {

double difference(const Colour& a, const Colour& b) {
    return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
}

TEST(WorldSurface, WrapsWithoutASeamAcrossAndDown) {
    for (World world : {World::Earth, World::Space, World::Mars, World::Jupiter, World::Saturnus,
                        World::Uranus, World::Neptunus, World::Pluto, World::Moon}) {
        const WorldSurface surface(world);
        for (double y = 0.5; y < 960; y += 37) {
            // Just either side of the join at x 240 = x 0 the colours agree.
            const double seam = difference(surface.at(240 - 1e-5, y), surface.at(1e-5, y));
            EXPECT_LT(seam, 0.01) << static_cast<int>(world) << " at row " << y;
            EXPECT_LT(difference(surface.at(17.3, y), surface.at(17.3 + 240, y)), 1e-9);
        }
        for (double x = 0.5; x < 240; x += 13) {
            EXPECT_LT(difference(surface.at(x, 960 - 1e-5), surface.at(x, 1e-5)), 0.01)
                << static_cast<int>(world) << " at column " << x;
            EXPECT_LT(difference(surface.at(x, 100), surface.at(x, 1060)), 1e-9);
        }
    }
}

TEST(WorldSurface, PlanetsAreDiscs) {
    Canvas canvas(100, 100);
    drawPlanet(canvas.cr(), WorldSurface(World::Mars), 50, 50, 30, {0, 0, 0, 0});
    EXPECT_EQ(canvas.pixel(50, 50).alpha, 1.0);
    EXPECT_EQ(canvas.pixel(50, 22).alpha, 1.0);
    EXPECT_EQ(canvas.pixel(50, 17).alpha, 0.0);
    EXPECT_EQ(canvas.pixel(85, 85).alpha, 0.0);
    // Lit from the upper left: that side is brighter than the lower right.
    const Colour lit = canvas.pixel(40, 40), dark = canvas.pixel(70, 70);
    EXPECT_GT(lit.red + lit.green + lit.blue, dark.red + dark.green + dark.blue);
}

}  // namespace
}  // namespace cindervane::assetgen
