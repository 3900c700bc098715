// The parts the bosses are built from.
#include "tools/assetgen/art/boss_kit.h"

#include <algorithm>

namespace cindervane::assetgen::boss {

// A pose that draws boss space through a frame placed at (offsetX, offsetY) of the body.
Pose bossPose(double offsetX, double offsetY) {
    Pose pose;
    pose.originX = -offsetX;
    pose.originY = -offsetY;
    return pose;
}

// A gun turret: a dome with barrels pointing down the screen (or up with direction -1).
void turret(Mesh& mesh, double x, double y, double z, double radius, double barrel,
            const Material& material, int barrels, double direction) {
    mesh.dome(x, y, z, radius, radius, radius * 0.7, material, 10);
    for (int b = 0; b < barrels; ++b) {
        const double bx = x + (b - (barrels - 1) / 2.0) * radius * 0.7;
        mesh.tube(bx, z + radius * 0.45, y, y + barrel * direction, std::max(0.8, radius * 0.22),
                  kDark, 6);
    }
}

// A row of lights along a line.
void lights(cairo_t* cr, const Pose& pose, Point2 from, Point2 to, double z, int count,
            const Colour& colour, double radius) {
    for (int i = 0; i < count; ++i) {
        const double t = count == 1 ? 0.5 : i / double(count - 1);
        beacon(cr,
               MeshRenderer::project(
                   {from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t, z}, pose),
               radius, colour);
    }
}

// A hull lofted along the line x = axis.
void hullAt(Mesh& mesh, double axis, const std::vector<Section>& sections,
            const Material& material) {
    Mesh hull;
    hull.loft(sections, material);
    hull.translate(axis, 0, 0);
    mesh.append(hull);
}

// Mirror a mesh built on the right of x = axis onto the left as well.
void mirrorAbout(Mesh& mesh, double axis) {
    mesh.translate(-axis, 0, 0);
    mesh.mirrorX();
    mesh.translate(axis, 0, 0);
}

}  // namespace cindervane::assetgen::boss
