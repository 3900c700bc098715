// The shape helpers the ordinary enemy craft are built from.
#include "tools/assetgen/art/enemy_kit.h"

#include <cmath>

namespace cindervane::assetgen::enemy {

void radialPlate(Mesh& mesh, double angle, double inner, double outer, double halfWidth, double z0,
                 double z1, const Material& material) {
    const double a = angle * M_PI / 180;
    const double s = std::sin(a), c = -std::cos(a);  // unit vector outwards
    const double px = -c, py = s;                    // across
    auto at = [&](double r, double w) { return Point2{s * r + px * w, c * r + py * w}; };
    mesh.slab({at(inner, -halfWidth), at(outer, -halfWidth * 0.8), at(outer, halfWidth * 0.8),
               at(inner, halfWidth)},
              z0, z1, material, material);
}

// A regular polygon outline.
std::vector<Point2> polygon(int sides, double radius, double turn, double squash) {
    std::vector<Point2> points;
    for (int i = 0; i < sides; ++i) {
        const double a = (turn + 360.0 * i / sides) * M_PI / 180;
        points.push_back({std::sin(a) * radius, -std::cos(a) * radius * squash});
    }
    return points;
}

// A star outline with alternating outer and inner points.
std::vector<Point2> star(int points, double outer, double inner, double turn) {
    std::vector<Point2> outline;
    for (int i = 0; i < points * 2; ++i) {
        const double a = (turn + 180.0 * i / points) * M_PI / 180;
        const double r = i % 2 ? inner : outer;
        outline.push_back({std::sin(a) * r, -std::cos(a) * r});
    }
    return outline;
}

// A standard fuselage between nose and tail.
void hull(Mesh& mesh, double nose, double tail, double width, double height,
          const Material& material, double bellyDepth) {
    const double span = tail - nose;
    mesh.loft({{nose, ellipseHalf(0.5, height * 0.3, 0, 4)},
               {nose + span * 0.18, ellipseHalf(width * 0.6, height * 0.75, -bellyDepth, 4)},
               {nose + span * 0.45, ellipseHalf(width, height, -bellyDepth, 4)},
               {nose + span * 0.8, ellipseHalf(width * 0.9, height * 0.85, -bellyDepth, 4)},
               {tail, ellipseHalf(width * 0.6, height * 0.55, -bellyDepth * 0.8, 4)}},
              material);
}

void draw(Canvas& canvas, const Mesh& mesh, const Pose& pose) {
    MeshRenderer::draw(canvas.cr(), mesh, pose);
}

}  // namespace cindervane::assetgen::enemy
