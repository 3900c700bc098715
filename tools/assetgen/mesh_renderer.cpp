// Drawing craft meshes.
#include "tools/assetgen/mesh_renderer.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace cindervane::assetgen {

namespace {

// The view leans towards the bottom of the screen, so a point 10 pixels up shows 3 pixels
// higher; walls that face south are seen, walls that face north are not.
constexpr double kTilt = 0.3;

Vec3 unit(double x, double y, double z) {
    const double length = std::sqrt(x * x + y * y + z * z);
    return {x / length, y / length, z / length};
}

const Vec3 kLight = unit(-0.5, -0.6, 0.75);
const Vec3 kView = unit(0, kTilt, 1);
const Vec3 kHalf = unit(kLight.x + kView.x, kLight.y + kView.y, kLight.z + kView.z);

double dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 turn(const Vec3& p, const Pose& pose) {
    const double yaw = pose.yaw * M_PI / 180, roll = pose.roll * M_PI / 180;
    const double pitch = pose.pitch * M_PI / 180;
    Vec3 a{p.x * std::cos(yaw) - p.y * std::sin(yaw), p.x * std::sin(yaw) + p.y * std::cos(yaw),
           p.z};
    Vec3 b{a.x * std::cos(roll) + a.z * std::sin(roll), a.y,
           -a.x * std::sin(roll) + a.z * std::cos(roll)};
    return {b.x, b.y * std::cos(pitch) - b.z * std::sin(pitch),
            b.y * std::sin(pitch) + b.z * std::cos(pitch)};
}

Colour shade(const Material& material, const Vec3& normal) {
    const Colour& base = material.colour;
    if (material.finish == Finish::Glow) return base;
    const double diffuse = std::max(0.0, dot(normal, kLight));
    const double facing = std::max(0.0, dot(normal, kHalf));
    double ambient = 0.3, strength = 0.85, highlight = 0.55, sharpness = 16;
    switch (material.finish) {
        case Finish::Matte:
            highlight = 0.1, sharpness = 8;
            break;
        case Finish::Glass:
            ambient = 0.5, strength = 0.5, highlight = 0.95, sharpness = 36;
            break;
        default:
            break;
    }
    Colour c = scaled(base, ambient + strength * diffuse);
    const double s = highlight * std::pow(facing, sharpness);
    return {c.red + (1 - c.red) * s, c.green + (1 - c.green) * s, c.blue + (1 - c.blue) * s,
            base.alpha};
}

struct Drawn {
    std::vector<Point2> points;
    Colour colour;
    Colour outline;
    double depth;
};

void tracePath(cairo_t* cr, const std::vector<Point2>& points) {
    cairo_new_path(cr);
    cairo_move_to(cr, points[0].x, points[0].y);
    for (std::size_t i = 1; i < points.size(); ++i)
        cairo_line_to(cr, points[i].x, points[i].y);
    cairo_close_path(cr);
}

}  // namespace

Point2 MeshRenderer::project(const Vec3& point, const Pose& pose) {
    const Vec3 p = turn(point, pose);
    return {pose.originX + p.x * pose.scale, pose.originY + (p.y - kTilt * p.z) * pose.scale};
}

void MeshRenderer::draw(cairo_t* cr, const Mesh& mesh, const Pose& pose) {
    std::vector<Drawn> drawn;
    for (const Face& face : mesh.faces()) {
        const Vec3 normal = turn(face.normal, pose);
        if (dot(normal, kView) <= 0.01) continue;  // facing away
        Drawn d;
        Vec3 centre;
        for (const Vec3& p : face.points) {
            d.points.push_back(project(p, pose));
            const Vec3 t = turn(p, pose);
            centre = {centre.x + t.x, centre.y + t.y, centre.z + t.z};
        }
        d.depth = dot(centre, kView) / static_cast<double>(face.points.size());
        d.colour = shade(face.material, normal);
        d.outline = face.material.finish == Finish::Glow ? scaled(face.material.colour, 0.45)
                                                         : scaled(face.material.colour, 0.1);
        drawn.push_back(std::move(d));
    }
    std::vector<std::size_t> order(drawn.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return drawn[a].depth < drawn[b].depth; });

    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // The silhouette: every face grown by the outline width in a dark shade of its colour.
    if (pose.outline > 0) {
        cairo_set_line_width(cr, 2 * pose.outline);
        for (std::size_t i : order) {
            tracePath(cr, drawn[i].points);
            setColour(cr, drawn[i].outline);
            cairo_fill_preserve(cr);
            cairo_stroke(cr);
        }
    }
    // The faces, far to near, each with a slight gradient towards the light.
    cairo_set_line_width(cr, 0.6);
    for (std::size_t i : order) {
        const Drawn& d = drawn[i];
        double x0 = d.points[0].x, y0 = d.points[0].y, x1 = x0, y1 = y0;
        for (const Point2& p : d.points) {
            x0 = std::min(x0, p.x), y0 = std::min(y0, p.y);
            x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
        }
        cairo_pattern_t* gradient = cairo_pattern_create_linear(x0, y0, x1, y1);
        const Colour light = scaled(d.colour, 1.1), dark = scaled(d.colour, 0.86);
        cairo_pattern_add_color_stop_rgba(gradient, 0, light.red, light.green, light.blue,
                                          light.alpha);
        cairo_pattern_add_color_stop_rgba(gradient, 1, dark.red, dark.green, dark.blue, dark.alpha);
        tracePath(cr, d.points);
        cairo_set_source(cr, gradient);
        cairo_fill_preserve(cr);
        cairo_stroke(cr);
        cairo_pattern_destroy(gradient);
    }
    cairo_restore(cr);
}

}  // namespace cindervane::assetgen
