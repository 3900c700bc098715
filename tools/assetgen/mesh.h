// Craft are modelled as small meshes of flat faces, then drawn by the mesh renderer with one
// light and one outline style, so every ship, enemy and boss shares the same look. Model
// space is in pixels: x to the right, y down the screen (noses point to -y), z up out of
// the screen.
#pragma once

#include <vector>

#include "tools/assetgen/canvas.h"

namespace cindervane::assetgen {

struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

struct Point2 {
    double x = 0;
    double y = 0;
};

enum class Finish {
    Metal,  // shaded with a bright highlight
    Matte,  // shaded, almost no highlight
    Glass,  // dark, with a strong sharp highlight (canopies, lenses)
    Glow,   // not shaded: lights, engine fire, energy
};

struct Material {
    Colour colour;
    Finish finish = Finish::Metal;
};

struct Face {
    std::vector<Vec3> points;
    Vec3 normal;  // unit, pointing out of the solid
    Material material;
};

// One ring of a lofted hull: the right half of its outline (x >= 0) from the top centre
// round to the bottom centre, at a given y.
struct Section {
    double y = 0;
    std::vector<Point2> half;  // (x, z) pairs
};

class Mesh {
  public:
    // A face whose outward normal points the same way as `outward`.
    void addFace(std::vector<Vec3> points, const Material& material, const Vec3& outward);

    // A flat plate extruded from an outline in the x-y plane, from zLow to zHigh; with a
    // bevel the top face is inset and the sides slope up to it.
    void slab(const std::vector<Point2>& outline, double zLow, double zHigh, const Material& top,
              const Material& side, double bevel = 0);
    // A thin upright plate, such as a tail fin: the outline is given as (y, z) pairs in the
    // plane x = x, and the plate is `thickness` wide across x.
    void fin(double x, const std::vector<Point2>& outline, double thickness,
             const Material& material);
    // A hull lofted through the sections (front to back, each with the same number of points).
    void loft(const std::vector<Section>& sections, const Material& material, bool capEnds = true);
    // Half an ellipsoid standing on the plane z = base.
    void dome(double cx, double cy, double base, double rx, double ry, double height,
              const Material& material, int segments = 12);
    // A cylinder along y, from y0 to y1, round the axis (cx, cz).
    void tube(double cx, double cz, double y0, double y1, double radius, const Material& material,
              int segments = 8);
    // A box from corner to corner.
    void box(const Vec3& low, const Vec3& high, const Material& material);

    // Adds the mirror image of every face across x = 0 (most craft are symmetric).
    void mirrorX();
    // Adds another mesh's faces.
    void append(const Mesh& other);
    // Moves every face.
    void translate(double dx, double dy, double dz);
    // Scales every face about the origin.
    void scale(double factor);

    const std::vector<Face>& faces() const { return faces_; }

  private:
    std::vector<Face> faces_;
};

// An elliptical half ring (right half of an ellipse of half-width rx, from zTop to zBottom).
std::vector<Point2> ellipseHalf(double rx, double zTop, double zBottom, int steps = 5);
// The same half ring scaled.
std::vector<Point2> scaledHalf(const std::vector<Point2>& half, double sx, double sz,
                               double dz = 0);
// A mirrored outline: the points of the right half (x >= 0, from the nose round to the tail),
// followed by their mirror images in reverse.
std::vector<Point2> symmetricOutline(const std::vector<Point2>& rightHalf);

}  // namespace cindervane::assetgen
