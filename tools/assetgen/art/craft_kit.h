// Materials, flames and lights shared by the ship, enemy and boss painters, so that all
// craft are built from the same parts and lit the same way.
#pragma once

#include <cstdint>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/mesh.h"
#include "tools/assetgen/mesh_renderer.h"

namespace cindervane::assetgen {

inline Material metal(std::uint32_t colour) {
    return {rgb(colour), Finish::Metal};
}
inline Material matte(std::uint32_t colour) {
    return {rgb(colour), Finish::Matte};
}
inline Material glass(std::uint32_t colour) {
    return {rgb(colour), Finish::Glass};
}
inline Material lit(std::uint32_t colour) {
    return {rgb(colour), Finish::Glow};
}

// A pose with the model's origin at the centre of the canvas.
Pose centredPose(Canvas& canvas, double yaw = 0, double roll = 0, double scale = 1);

// An engine flame leaving a nozzle: a bright core fading through the outer colour. The
// direction is in degrees on the screen: 90 points down, 270 up.
void engineFlame(cairo_t* cr, const Point2& nozzle, double width, double length, double direction,
                 const Colour& core, const Colour& outer);
// A flame leaving a nozzle of a posed model towards the model's tail (+y in model space).
void tailFlame(cairo_t* cr, const Pose& pose, const Vec3& nozzle, double width, double length,
               const Colour& core, const Colour& outer);
// Rotor blades turning round a hub of a posed model, seen from above.
void rotor(cairo_t* cr, const Pose& pose, const Vec3& hub, double radius, int blades, double angle,
           const Colour& colour);
// A small light: a bright dot with a soft halo.
void beacon(cairo_t* cr, const Point2& at, double radius, const Colour& colour);
// Fine panel lines scratched along the face of a hull (drawn after the mesh).
void panelLine(cairo_t* cr, const Point2& from, const Point2& to, const Colour& colour,
               double width = 0.8);

}  // namespace cindervane::assetgen
