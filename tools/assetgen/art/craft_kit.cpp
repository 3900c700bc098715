// Parts shared by the craft painters.
#include "tools/assetgen/art/craft_kit.h"

#include <cmath>

namespace cindervane::assetgen {

Pose centredPose(Canvas& canvas, double yaw, double roll, double scale) {
    Pose pose;
    pose.originX = canvas.width() / 2.0;
    pose.originY = canvas.height() / 2.0;
    pose.yaw = yaw;
    pose.roll = roll;
    pose.scale = scale;
    return pose;
}

void engineFlame(cairo_t* cr, const Point2& nozzle, double width, double length, double direction,
                 const Colour& core, const Colour& outer) {
    cairo_save(cr);
    cairo_translate(cr, nozzle.x, nozzle.y);
    cairo_rotate(cr, direction * M_PI / 180 - M_PI / 2);  // flame drawn along +y
    for (int layer = 0; layer < 2; ++layer) {
        const double w = layer == 0 ? width : width * 0.5;
        const double l = layer == 0 ? length : length * 0.6;
        const Colour c = layer == 0 ? outer : core;
        cairo_new_path(cr);
        cairo_move_to(cr, -w / 2, 0);
        cairo_curve_to(cr, -w / 2, l * 0.4, -w * 0.15, l * 0.8, 0, l);
        cairo_curve_to(cr, w * 0.15, l * 0.8, w / 2, l * 0.4, w / 2, 0);
        cairo_close_path(cr);
        cairo_pattern_t* gradient = cairo_pattern_create_linear(0, 0, 0, l);
        cairo_pattern_add_color_stop_rgba(gradient, 0, c.red, c.green, c.blue, 1);
        cairo_pattern_add_color_stop_rgba(gradient, 0.6, c.red, c.green, c.blue, 0.85);
        cairo_pattern_add_color_stop_rgba(gradient, 1, c.red, c.green, c.blue, 0.0);
        cairo_set_source(cr, gradient);
        cairo_fill(cr);
        cairo_pattern_destroy(gradient);
    }
    cairo_restore(cr);
}

void tailFlame(cairo_t* cr, const Pose& pose, const Vec3& nozzle, double width, double length,
               const Colour& core, const Colour& outer) {
    const Point2 a = MeshRenderer::project(nozzle, pose);
    const Point2 b = MeshRenderer::project({nozzle.x, nozzle.y + 1, nozzle.z}, pose);
    const double direction = std::atan2(b.y - a.y, b.x - a.x) * 180 / M_PI;
    engineFlame(cr, a, width * pose.scale, length * pose.scale, direction, core, outer);
}

void rotor(cairo_t* cr, const Pose& pose, const Vec3& hub, double radius, int blades, double angle,
           const Colour& colour) {
    const Point2 centre = MeshRenderer::project(hub, pose);
    cairo_save(cr);
    cairo_translate(cr, centre.x, centre.y);
    cairo_scale(cr, pose.scale, pose.scale);
    for (int b = 0; b < blades; ++b) {
        cairo_save(cr);
        cairo_rotate(cr, (angle + 360.0 * b / blades) * M_PI / 180);
        cairo_new_path(cr);
        cairo_move_to(cr, 0, -1.2);
        cairo_line_to(cr, radius - 1.5, -1.6);
        cairo_line_to(cr, radius, 0);
        cairo_line_to(cr, radius - 1.5, 1.0);
        cairo_line_to(cr, 0, 1.2);
        cairo_close_path(cr);
        setColour(cr, scaled(colour, 0.25));
        cairo_set_line_width(cr, 1.4);
        cairo_stroke_preserve(cr);
        setColour(cr, colour);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    fillCircle(cr, 0, 0, 2.2, scaled(colour, 0.3));
    fillCircle(cr, -0.4, -0.4, 1.4, scaled(colour, 1.3));
    cairo_restore(cr);
}

void beacon(cairo_t* cr, const Point2& at, double radius, const Colour& colour) {
    glow(cr, at.x, at.y, radius * 2.2, withAlpha(colour, 0.8));
    fillCircle(cr, at.x, at.y, radius * 0.7, scaled(colour, 1.5));
}

void panelLine(cairo_t* cr, const Point2& from, const Point2& to, const Colour& colour,
               double width) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, from.x, from.y);
    cairo_line_to(cr, to.x, to.y);
    cairo_set_line_width(cr, width);
    setColour(cr, colour);
    cairo_stroke(cr);
    cairo_restore(cr);
}

}  // namespace cindervane::assetgen
