// What the ordinary enemy craft share: the turn that faces them down the screen, the roll of
// the banking sheets, the dark metals and flame colours, and the small shape helpers their
// models are built from.
#pragma once

#include <array>
#include <vector>

#include "tools/assetgen/art/craft_kit.h"

namespace cindervane::assetgen::enemy {

inline constexpr double kFacingDown = 180;
// Roll of the seven-frame sheets: 0 to 2 banking left, 3 level, 4 to 6 banking right.
inline constexpr std::array<double, 7> kRoll7 = {-45, -30, -15, 0, 15, 30, 45};

inline const Material kDark = metal(0x2E323A);
inline const Material kGunmetal = metal(0x4A505A);
inline const Colour kFlameCore = rgb(0xFFF2B0);
inline const Colour kFlameOrange = rgb(0xFF7A18);
inline const Colour kFlameBlue = rgb(0x40A8FF);
inline const Colour kFlameGreen = rgb(0x60F070);

// A plate turned to point outwards at the angle (degrees, 0 up the model, clockwise).
void radialPlate(Mesh& mesh, double angle, double inner, double outer, double halfWidth, double z0,
                 double z1, const Material& material);
// A regular polygon outline.
std::vector<Point2> polygon(int sides, double radius, double turn = 0, double squash = 1);
// A star outline with alternating outer and inner points.
std::vector<Point2> star(int points, double outer, double inner, double turn = 0);
// A standard fuselage between nose and tail.
void hull(Mesh& mesh, double nose, double tail, double width, double height,
          const Material& material, double bellyDepth = 1.5);
void draw(Canvas& canvas, const Mesh& mesh, const Pose& pose);

}  // namespace cindervane::assetgen::enemy
