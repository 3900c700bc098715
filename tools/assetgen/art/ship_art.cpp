// The player's ships (the three Red Phoenix variants) and the firebird aura of the hyper
// beam. A ship sheet has 13 frames: 0 to 2 banking left (strongest first), 3 level, 4 to 6
// banking right, and 7 to 12 the evade roll, which carries on from the strongest right bank
// all the way round to the strongest left bank.
#include <array>
#include <cmath>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/craft_kit.h"
#include "tools/assetgen/art/ship_models.h"
#include "tools/assetgen/random.h"

namespace cindervane::assetgen {

namespace {

// Roll of each frame in degrees; positive dips the right wing.
constexpr std::array<double, 13> kRoll = {-45, -30, -15, 0,   15,  30, 45,
                                          84,  122, 161, 199, 238, 276};

struct ShipColours {
    Material hull;
    Material trim;
    Material dark;
    Material canopy;
    Colour flameCore;
    Colour flameOuter;
};

const ShipColours kPhoenixColours{metal(0xE23A36), metal(0xF4F6FA), metal(0x3A404E),
                                  lit(0x70C8FF),   rgb(0xFFF4C0),   rgb(0xFF8A20)};
const ShipColours kPhoenixVColours{metal(0xEA4048), metal(0xF8D860), metal(0x34384A),
                                   lit(0x80D8FF),   rgb(0xFFF8D0),   rgb(0xFFA030)};
const ShipColours kPhoenixXColours{metal(0xEA4048), metal(0xF4F6FA), metal(0x23262E),
                                   lit(0x90F0FF),   rgb(0xE8FFFF),   rgb(0x30B8FF)};

void fuselage(Mesh& mesh, const ShipColours& c, double nose, double tail, double width,
              double height) {
    const double span = tail - nose;
    mesh.loft({{nose, ellipseHalf(0.4, 1.2, 0.4, 4)},
               {nose + span * 0.14, ellipseHalf(width * 0.55, height * 0.7, -1.0, 4)},
               {nose + span * 0.38, ellipseHalf(width * 0.9, height, -1.6, 4)},
               {nose + span * 0.66, ellipseHalf(width, height * 0.95, -1.8, 4)},
               {nose + span * 0.88, ellipseHalf(width * 0.92, height * 0.8, -1.6, 4)},
               {tail, ellipseHalf(width * 0.75, height * 0.65, -1.2, 4)}},
              c.hull);
}

// The first Red Phoenix: a red delta with white leading edges, twin fins and twin engines.
Mesh phoenixMesh() {
    const ShipColours& c = kPhoenixColours;
    Mesh mesh;
    mesh.slab({{3.5, -5}, {26, 9}, {27, 13}, {22, 14.5}, {4, 11}}, -0.6, 0.9, c.hull, c.hull, 0.9);
    mesh.slab({{5.5, -3.4}, {25, 8.2}, {25.6, 10.6}, {5.5, 0.2}}, 0.9, 1.3, c.trim, c.trim);
    mesh.slab({{21, 10}, {27, 13}, {22, 14.5}, {20, 12.5}}, 0.9, 1.3, c.trim, c.trim);
    mesh.slab({{6, 3}, {14, 7}, {14, 10.5}, {6, 9}}, 0.9, 1.2, c.dark, c.dark);
    mesh.slab({{2.5, -13.5}, {8.5, -9.5}, {8.5, -8}, {2.5, -9.5}}, 0, 0.8, c.trim, c.trim);
    mesh.slab({{3, 9}, {11, 15}, {11, 17.2}, {3, 15.5}}, -0.3, 0.6, c.hull, c.hull);
    mesh.fin(5.2, {{7, 2}, {14, 2}, {16.5, 8.5}, {13.5, 8.5}}, 0.9, c.hull);
    mesh.tube(3.4, 0.6, 8, 18.2, 2.1, c.dark);
    mesh.tube(22.5, 0.6, 4, 11, 0.9, c.dark);
    mesh.mirrorX();
    fuselage(mesh, c, -19.5, 16.5, 4.8, 4.6);
    mesh.dome(0, -7.5, 3.4, 2.5, 5, 2.6, c.canopy);
    return mesh;
}

Mesh phoenixVMesh() {
    const ShipColours& c = kPhoenixVColours;
    Mesh mesh;
    mesh.slab({{4, -6}, {20, 3}, {27, 12}, {27, 17}, {20, 17}, {5, 13}}, -0.8, 1.0, c.hull, c.hull,
              1.0);
    mesh.slab({{6.5, -3.6}, {19.5, 3.8}, {26, 12.4}, {24.8, 13.6}, {18.5, 6.4}, {6.5, -0.2}}, 1.0,
              1.4, c.trim, c.trim);
    mesh.slab({{7, 4}, {17, 9}, {17, 14}, {7, 12}}, 1.0, 1.3, c.dark, c.dark);
    // Forward-swept canards in gold.
    mesh.slab({{3, -17}, {10, -20}, {11, -18.5}, {3.5, -13}}, 0, 0.9, c.trim, c.trim);
    mesh.slab({{3.5, 12}, {12, 18}, {12.5, 21.5}, {3.5, 18.5}}, -0.4, 0.7, c.hull, c.hull);
    mesh.fin(6, {{9, 2}, {17, 2}, {20.5, 10}, {16.5, 10}}, 1.0, c.hull);
    mesh.tube(4, 0.6, 10, 22, 2.4, c.dark);
    mesh.tube(24.5, 0.9, 4, 16, 1.2, c.dark);
    mesh.mirrorX();
    fuselage(mesh, c, -24, 20, 5.4, 5.2);
    mesh.dome(0, -10, 3.8, 2.8, 6, 2.9, c.canopy);
    return mesh;
}

Mesh phoenixXMesh() {
    const ShipColours& c = kPhoenixXColours;
    Mesh mesh;
    // A double delta with outer weapon pods.
    mesh.slab({{4.5, -8}, {18, 2}, {34, 10}, {35, 15}, {24, 16}, {5, 14}}, -0.8, 1.0, c.hull,
              c.hull, 1.0);
    mesh.slab({{7, -5.4}, {17.5, 4}, {32, 11}, {31.5, 13.2}, {17, 7.4}, {7, -2.2}}, 1.0, 1.4,
              c.trim, c.trim);
    mesh.slab({{3, -16}, {11, -11}, {11, -9}, {3, -11}}, 0, 0.9, c.dark, c.dark);
    mesh.slab({{4, 12}, {13, 18}, {14, 21.5}, {4, 18.5}}, -0.4, 0.7, c.hull, c.hull);
    mesh.fin(6.5, {{8, 2}, {16, 2}, {20, 11}, {16, 11}}, 1.0, c.dark);
    mesh.tube(4.2, 0.6, 10, 22, 2.5, c.dark);
    mesh.tube(26, 0.6, -6, 15, 2.0, c.dark);
    mesh.dome(26, -2, 1.8, 1.6, 4, 1.6, c.canopy);
    mesh.mirrorX();
    fuselage(mesh, c, -23.5, 20, 5.2, 5.0);
    mesh.dome(0, -9, 3.7, 2.7, 5.8, 2.8, c.canopy);
    return mesh;
}

struct ShipDesign {
    Mesh (*build)();
    const ShipColours* colours;
    double engineX;  // nozzle position of the twin engines, model space
    double engineY;
    double flameWidth;
    std::vector<Point2> podEngines;  // further nozzles (x for the right side)
};

void drawShipAt(cairo_t* cr, const ShipDesign& design, const Pose& pose) {
    const Mesh mesh = design.build();
    // Flames behind the hull: they sit under the ship's tail.
    std::vector<Point2> nozzles{{design.engineX, design.engineY},
                                {-design.engineX, design.engineY}};
    for (const Point2& p : design.podEngines)
        nozzles.push_back(p), nozzles.push_back({-p.x, p.y});
    for (const Point2& n : nozzles)
        tailFlame(cr, pose, {n.x, n.y, 0.6}, design.flameWidth, design.flameWidth * 2.2,
                  design.colours->flameCore, design.colours->flameOuter);
    MeshRenderer::draw(cr, mesh, pose);
}

const ShipDesign& designOf(ShipVariant variant);

void paintShip(Canvas& canvas, double roll, const ShipDesign& design) {
    // A little smaller than the frame allows, and lifted, to leave room for the flames.
    Pose pose = centredPose(canvas, 0, roll, 0.92);
    pose.originY -= 1.0;
    drawShipAt(canvas.cr(), design, pose);
    // A dark rim round hull and flames alike keeps the ship clear on light ground.
    canvas.darkRim(0.06);
}

void paintPhoenix(Canvas& canvas, int frame) {
    paintShip(canvas, kRoll[frame], designOf(ShipVariant::RedPhoenix));
}

void paintPhoenixV(Canvas& canvas, int frame) {
    paintShip(canvas, kRoll[frame], designOf(ShipVariant::RedPhoenixV));
}

void paintPhoenixX(Canvas& canvas, int frame) {
    paintShip(canvas, kRoll[frame], designOf(ShipVariant::RedPhoenixX));
}

// The firebird: wings of fire spread round the ship while the hyper beam is out. The ship
// sits in the middle (the aura is placed 20 pixels left of it and about 15 above), which is
// left open so the ship shows through.
void paintFirebird(Canvas& canvas, int frame) {
    cairo_t* cr = canvas.cr();
    const double cx = 50, cy = 36;
    Random random(700 + frame);
    const Colour outer = rgb(0xFF5A10), middle = rgb(0xFFA020), core = rgb(0xFFF0A0);
    cairo_save(cr);
    // Keep the ship's own outline clear.
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 0, 100, 71);
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy + 1);
    cairo_scale(cr, 26, 17);
    cairo_arc_negative(cr, 0, 0, 1, 0, -2 * M_PI);
    cairo_restore(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_clip(cr);
    const double flap = std::sin(frame * 2 * M_PI / 3) * 4;
    for (int side = -1; side <= 1; side += 2) {
        // Each wing is a fan of flame feathers.
        for (int f = 0; f < 7; ++f) {
            const double t = f / 6.0;
            const double angle = (-60 + t * 95) * M_PI / 180;  // from up-out to down-out
            const double length = 30 + 12 * std::sin(t * M_PI) + random.range(-3, 3);
            const double baseX = cx + side * (12 + t * 6);
            const double baseY = cy - 2 + t * 6;
            const double tipX = baseX + side * std::cos(angle) * length;
            const double tipY = baseY + std::sin(angle) * length * 0.7 - flap * (1 - t);
            for (int layer = 0; layer < 3; ++layer) {
                const double w = (7 - layer * 2.2) * (1 - t * 0.4);
                const Colour c = layer == 0 ? outer : layer == 1 ? middle : core;
                const double reach = 1 - layer * 0.22;
                const double ex = baseX + (tipX - baseX) * reach;
                const double ey = baseY + (tipY - baseY) * reach;
                cairo_new_path(cr);
                cairo_move_to(cr, baseX, baseY - w / 2);
                cairo_curve_to(cr, (baseX + ex) / 2, baseY - w, ex - side * 4, ey - 2, ex, ey);
                cairo_curve_to(cr, ex - side * 5, ey + 3, (baseX + ex) / 2, baseY + w, baseX,
                               baseY + w / 2);
                cairo_close_path(cr);
                setColour(cr, withAlpha(c, 0.9));
                cairo_fill(cr);
            }
        }
    }
    // The firebird's tail, a plume under the ship, and its crest before the nose.
    for (int layer = 0; layer < 3; ++layer) {
        const Colour c = layer == 0 ? outer : layer == 1 ? middle : core;
        const double w = 14 - layer * 4;
        const double l = 20 - layer * 5 + (frame == 1 ? 3 : 0);
        cairo_new_path(cr);
        cairo_move_to(cr, cx - w / 2, cy + 12);
        cairo_curve_to(cr, cx - w, cy + 12 + l * 0.6, cx - 2, cy + 12 + l, cx + (frame - 1) * 2,
                       cy + 14 + l);
        cairo_curve_to(cr, cx + 2, cy + 12 + l, cx + w, cy + 12 + l * 0.6, cx + w / 2, cy + 12);
        cairo_close_path(cr);
        setColour(cr, withAlpha(c, 0.9));
        cairo_fill(cr);
        const double h = 12 - layer * 3 + (frame == 2 ? 2 : 0);
        cairo_new_path(cr);
        cairo_move_to(cr, cx - (6 - layer * 1.5), cy - 18);
        cairo_curve_to(cr, cx - 4, cy - 18 - h * 0.6, cx - 1, cy - 18 - h, cx, cy - 20 - h);
        cairo_curve_to(cr, cx + 1, cy - 18 - h, cx + 4, cy - 18 - h * 0.6, cx + (6 - layer * 1.5),
                       cy - 18);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    // Sparks thrown off the feathers.
    for (int i = 0; i < 14; ++i) {
        const double a = random.range(0, 2 * M_PI);
        const double r = random.range(24, 44);
        fillCircle(cr, cx + std::cos(a) * r, cy + std::sin(a) * r * 0.62, random.range(0.8, 1.6),
                   random.chance(0.5) ? core : middle);
    }
    cairo_restore(cr);
}

const ShipDesign& designOf(ShipVariant variant) {
    static const ShipDesign designs[] = {
        {phoenixMesh, &kPhoenixColours, 3.4, 18, 3.6, {}},
        {phoenixVMesh, &kPhoenixVColours, 4, 22, 4, {}},
        {phoenixXMesh, &kPhoenixXColours, 4.2, 22, 4, {{26, 15}}},
    };
    return designs[static_cast<int>(variant)];
}

constexpr PainterRow kShipPainters[] = {
    {"S0054.BAI", paintPhoenix},
    {"S0055.BAI", paintPhoenixV},
    {"S0056.BAI", paintPhoenixX},
    {"S0057.BAI", paintFirebird},
};

}  // namespace

std::span<const PainterRow> shipPainters() {
    return kShipPainters;
}

void drawShip(cairo_t* cr, ShipVariant variant, double x, double y, double scale, double roll,
              double yaw) {
    Pose pose;
    pose.originX = x;
    pose.originY = y;
    pose.scale = scale;
    pose.roll = roll;
    pose.yaw = yaw;
    pose.outline = scale;
    drawShipAt(cr, designOf(variant), pose);
}

}  // namespace cindervane::assetgen
