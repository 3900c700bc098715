// What the bosses share: their dark metals and flame colours, the pose that draws boss space
// through a section's frame, and the turrets, light rows and hulls they are built from.
//
// Each boss is modelled in the pixel space of its body's frame (origin at the body's top-left
// corner, facing down the screen); a section is the same model drawn through its own frame,
// shifted by the placement the game gives it, so the pieces meet where the game puts them.
#pragma once

#include <vector>

#include "tools/assetgen/art/craft_kit.h"

namespace cindervane::assetgen::boss {

inline const Material kDark = metal(0x2A2E36);
inline const Material kGunmetal = metal(0x4C525C);
inline const Colour kFlameCore = rgb(0xFFF2B0);
inline const Colour kFlameOrange = rgb(0xFF7A18);
inline const Colour kFlameBlue = rgb(0x50B0FF);

// A pose that draws boss space through a frame placed at (offsetX, offsetY) of the body.
Pose bossPose(double offsetX = 0, double offsetY = 0);
// A gun turret: a dome with barrels pointing down the screen (or up with direction -1).
void turret(Mesh& mesh, double x, double y, double z, double radius, double barrel,
            const Material& material, int barrels = 1, double direction = 1);
// A row of lights along a line.
void lights(cairo_t* cr, const Pose& pose, Point2 from, Point2 to, double z, int count,
            const Colour& colour, double radius = 1.2);
// A hull lofted along the line x = axis.
void hullAt(Mesh& mesh, double axis, const std::vector<Section>& sections,
            const Material& material);
// Mirror a mesh built on the right of x = axis onto the left as well.
void mirrorAbout(Mesh& mesh, double axis);

}  // namespace cindervane::assetgen::boss
