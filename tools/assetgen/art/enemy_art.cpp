// The ordinary enemy craft. Each family has its own silhouette and colours; all are modelled
// nose up and drawn turned to face down the screen, towards the player.
#include <array>
#include <cmath>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/craft_kit.h"

namespace cindervane::assetgen {

namespace {

constexpr double kFacingDown = 180;
// Roll of the seven-frame sheets: 0 to 2 banking left, 3 level, 4 to 6 banking right.
constexpr std::array<double, 7> kRoll7 = {-45, -30, -15, 0, 15, 30, 45};

const Material kDark = metal(0x2E323A);
const Material kGunmetal = metal(0x4A505A);
const Colour kFlameCore = rgb(0xFFF2B0);
const Colour kFlameOrange = rgb(0xFF7A18);
const Colour kFlameBlue = rgb(0x40A8FF);
const Colour kFlameGreen = rgb(0x60F070);

// A plate turned to point outwards at the angle (degrees, 0 up the model, clockwise).
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
std::vector<Point2> polygon(int sides, double radius, double turn = 0, double squash = 1) {
    std::vector<Point2> points;
    for (int i = 0; i < sides; ++i) {
        const double a = (turn + 360.0 * i / sides) * M_PI / 180;
        points.push_back({std::sin(a) * radius, -std::cos(a) * radius * squash});
    }
    return points;
}

// A star outline with alternating outer and inner points.
std::vector<Point2> star(int points, double outer, double inner, double turn = 0) {
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
          const Material& material, double bellyDepth = 1.5) {
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

// --- Choppers ---

void paintChopter(Canvas& canvas, int frame) {
    const Material olive = metal(0x6A8440), oliveDark = metal(0x3E4C2A);
    Mesh mesh;
    mesh.slab({{5, -3}, {11, -2}, {11, 3}, {5, 3}}, 0.5, 2, oliveDark, oliveDark);
    mesh.tube(11, 1.2, -6, 5, 1.7, kGunmetal);
    mesh.slab({{0, 15}, {6, 16}, {6, 18.5}, {0, 18.5}}, 1, 2, olive, olive);
    mesh.mirrorX();
    mesh.loft({{-13, ellipseHalf(1.5, 2.5, 0.5, 4)},
               {-9, ellipseHalf(5.5, 5, -1, 4)},
               {0, ellipseHalf(6.5, 5.5, -1.5, 4)},
               {6, ellipseHalf(4.5, 4.2, -1, 4)},
               {10, ellipseHalf(2, 2.8, 0.5, 4)}},
              olive);
    mesh.tube(0, 2.2, 9, 19, 1.3, oliveDark);
    mesh.dome(0, -7.5, 3.8, 4, 3.6, 2.4, glass(0x60C8E0));
    const Pose pose = centredPose(canvas, kFacingDown);
    draw(canvas, mesh, pose);
    rotor(canvas.cr(), pose, {0, -1, 7}, 17.5, 4, 20 + frame * 45, rgb(0xA8AEB6));
}

void paintChopterGattling(Canvas& canvas, int frame) {
    const Material khaki = metal(0x8A7A44), stripe = metal(0xB03828);
    Mesh mesh;
    mesh.tube(5.5, 0.5, -13, 1, 1.9, kGunmetal);
    mesh.tube(5.5, 0.5, -17.5, -13, 0.9, kDark);
    mesh.slab({{3, -5}, {6, -5}, {6, -2}, {3, -2}}, 0.5, 1.5, khaki, khaki);
    mesh.mirrorX();
    mesh.loft({{-17, ellipseHalf(1.5, 2, 0.5, 4)},
               {-12, ellipseHalf(4.2, 4.5, -1, 4)},
               {10, ellipseHalf(4.4, 4.8, -1, 4)},
               {17, ellipseHalf(2.5, 3.5, 0, 4)}},
              khaki);
    mesh.slab({{-3.8, -4}, {3.8, -4}, {3.8, -1.5}, {-3.8, -1.5}}, 3.5, 5.2, stripe, stripe);
    mesh.dome(0, -11, 3.6, 3, 3.2, 2, glass(0x60C8E0));
    mesh.box({-1.5, 7, 4}, {1.5, 13, 6}, khaki);
    const Pose pose = centredPose(canvas, kFacingDown);
    draw(canvas, mesh, pose);
    rotor(canvas.cr(), pose, {0, -10, 6.5}, 11.5, 3, 10 + frame * 60, rgb(0xB0B4BA));
    rotor(canvas.cr(), pose, {0, 10, 6.5}, 11.5, 3, 40 - frame * 60, rgb(0xB0B4BA));
}

// --- The item carrier ---

void paintEgMixer(Canvas& canvas, int) {
    const Material yellow = metal(0xD8B024), black = metal(0x2A2A26), hull_ = metal(0x7A7A70);
    Mesh mesh;
    // Cargo pods with hazard stripes.
    mesh.slab({{10, -18}, {27, -18}, {27, 20}, {10, 20}}, 0, 8, yellow, yellow, 1.5);
    for (int i = 0; i < 4; ++i) {
        const double y = -14 + i * 9;
        mesh.slab({{12, y}, {25, y + 4}, {25, y + 7}, {12, y + 3}}, 8, 8.5, black, black);
    }
    mesh.tube(31, 2, 8, 28, 3.2, kGunmetal);
    mesh.tube(31, 2, -22, -10, 2.6, kGunmetal);
    mesh.slab({{6, -2}, {31, 8}, {31, 14}, {6, 10}}, 1, 3, hull_, hull_);
    mesh.mirrorX();
    mesh.loft({{-34, ellipseHalf(2, 3, 0, 4)},
               {-26, ellipseHalf(8, 7, -2, 4)},
               {18, ellipseHalf(10, 8, -2, 4)},
               {30, ellipseHalf(6, 5, -1, 4)}},
              hull_);
    mesh.tube(0, 3, -38, -30, 2.2, kDark);
    mesh.dome(0, -24, 6, 4.5, 4, 2.5, glass(0x70D0F0));
    // The item it carries, glowing in a cradle on its back.
    mesh.dome(0, 4, 7.5, 7, 9, 5, lit(0x60F0C0));
    mesh.dome(0, 4, 7.5, 4, 5, 6.2, lit(0xE0FFF0));
    const Pose pose = centredPose(canvas, kFacingDown);
    for (double x : {-31.0, 31.0})
        tailFlame(canvas.cr(), pose, {x, 28, 2}, 5, 8, kFlameCore, kFlameOrange);
    draw(canvas, mesh, pose);
}

// --- The Gashiing family: round drones ---

void paintGashiing(Canvas& canvas, int frame) {
    const Material purple = metal(0x7A3FA8), ring = metal(0x9AA0AC);
    Mesh mesh;
    mesh.slab(polygon(16, 15), 0, 2.5, ring, ring, 0.8);
    for (int i = 0; i < 8; ++i)
        radialPlate(mesh, i * 45 + 22.5, 13, 17.5, 1.4, 1, 3, kGunmetal);
    mesh.dome(0, 0, 2.5, 11, 11, 8, purple);
    mesh.dome(0, -1, 9.5, 3.8, 3.8, 2.2, frame ? lit(0xFF5070) : glass(0xC02040));
    draw(canvas, mesh, centredPose(canvas, kFacingDown));
    if (frame)
        beacon(canvas.cr(), MeshRenderer::project({0, -1, 11}, centredPose(canvas, kFacingDown)), 2,
               rgb(0xFF4060));
}

void paintGashiingAlpha(Canvas& canvas, int frame) {
    const Material magenta = metal(0x9A2E74), steel = metal(0x8890A0);
    Mesh mesh;
    mesh.slab(polygon(8, 27, 22.5), 0, 6, steel, steel, 3);
    mesh.slab(polygon(8, 19, 22.5), 6, 8, magenta, magenta, 1.5);
    // Eight guns on the edges of its frame, each shooting outwards.
    for (int i = 0; i < 8; ++i) {
        const bool diagonal = i % 2 == 1;
        radialPlate(mesh, i * 45, 24, diagonal ? 43 : 32, 2.6, 1.5, 5, kGunmetal);
    }
    mesh.dome(0, 0, 8, 10, 10, 6, magenta);
    mesh.dome(0, 0, 13.5, 4, 4, 2, frame ? lit(0xFFE060) : glass(0xC09020));
    const Pose pose = centredPose(canvas, kFacingDown);
    draw(canvas, mesh, pose);
    for (int i = 0; i < 8; ++i) {
        const double a = (i * 45 + (frame ? 22.5 : 0)) * M_PI / 180;
        beacon(canvas.cr(), MeshRenderer::project({std::sin(a) * 15, -std::cos(a) * 15, 8}, pose),
               1.1, frame ? rgb(0xFFE060) : rgb(0xFF50A0));
    }
}

void paintGashiingBeta(Canvas& canvas, int frame) {
    const Material teal = metal(0x28A0A0), blade = metal(0xC8D4D8);
    Mesh mesh;
    mesh.slab(star(12, 37, 30), 0, 2.5, blade, blade, 1);
    mesh.slab(polygon(24, 28), 2.5, 5, teal, teal, 1.5);
    for (int i = 0; i < 3; ++i)
        radialPlate(mesh, i * 120, 8, 26, 3, 5, 7, kGunmetal);
    mesh.dome(0, 0, 5, 10, 10, 5, teal);
    mesh.dome(0, 0, 9.5, 4, 4, 2.4, lit(0x80FFF0));
    Pose pose = centredPose(canvas, kFacingDown);
    pose.yaw += frame * 10;  // twelve teeth: three 10-degree steps loop smoothly
    draw(canvas, mesh, pose);
}

void paintGashiingGamma(Canvas& canvas, int) {
    const Material violet = metal(0x5A2A8A), gold = metal(0xD0A040);
    Mesh mesh;
    // Four prongs, the forward one longest: a hunter that turns to its prey.
    const std::vector<Point2> prong{{0, -36}, {5, -14}, {0, -10}, {-5, -14}};
    for (int i = 0; i < 4; ++i) {
        std::vector<Point2> p;
        const double a = i * 90 * M_PI / 180;
        const double length = i == 0 ? 1.0 : 0.72;
        for (const Point2& q : prong)
            p.push_back({(q.x * std::cos(a) - q.y * length * std::sin(a)),
                         (q.x * std::sin(a) + q.y * length * std::cos(a))});
        mesh.slab(p, 0, 4, i == 0 ? gold : violet, violet, 1.2);
    }
    mesh.slab(polygon(8, 15, 22.5), 0, 6, violet, violet, 2);
    mesh.dome(0, 0, 6, 9, 9, 6, gold);
    mesh.dome(0, -2, 11, 4.2, 4.2, 2.4, lit(0xFF3050));
    const Pose pose = centredPose(canvas, kFacingDown);
    draw(canvas, mesh, pose);
    beacon(canvas.cr(), MeshRenderer::project({0, -2, 13}, pose), 2.2, rgb(0xFF4060));
}

// --- The Kraphy family: heavy fighters ---

struct KraphyLook {
    Material hull;
    Material trim;
    double span;
};

Mesh kraphyBase(const KraphyLook& look) {
    Mesh mesh;
    mesh.slab({{6, -7}, {look.span, 7}, {look.span, 13}, {7, 12}}, -0.5, 2, look.hull, look.hull,
              1.2);
    mesh.slab({{8, -3}, {look.span - 2, 8.5}, {look.span - 2, 10}, {8, -0.5}}, 2, 2.4, look.trim,
              look.trim);
    mesh.tube(10, 1.5, 2, 22, 3.6, kGunmetal);
    mesh.slab({{4, 14}, {12, 20}, {12, 23}, {4, 20}}, 0, 1.5, look.hull, look.hull);
    mesh.mirrorX();
    hull(mesh, -26, 21, 7, 6, look.hull);
    mesh.dome(0, -12, 5.5, 3.2, 6, 2.8, glass(0x60D0FF));
    return mesh;
}

void kraphyFlames(Canvas& canvas, const Pose& pose) {
    for (double x : {-10.0, 10.0})
        tailFlame(canvas.cr(), pose, {x, 22, 1.5}, 5.5, 7, kFlameCore, kFlameBlue);
}

const KraphyLook kKraphy{metal(0x4A6E98), metal(0xC0CAD6), 25};

void paintKraphy(Canvas& canvas, int) {
    const Mesh mesh = kraphyBase(kKraphy);
    const Pose pose = centredPose(canvas, kFacingDown);
    kraphyFlames(canvas, pose);
    draw(canvas, mesh, pose);
}

void paintKraphyCannon(Canvas& canvas, int) {
    Mesh mesh = kraphyBase({metal(0x5A6A7C), metal(0xD08A30), 24});
    mesh.tube(0, 6.5, -29, -6, 2.8, kGunmetal);
    mesh.tube(0, 6.5, -29.5, -26, 3.4, kDark);
    mesh.box({-4, -6, 4}, {4, 4, 8}, metal(0x5A6A7C));
    const Pose pose = centredPose(canvas, kFacingDown);
    kraphyFlames(canvas, pose);
    draw(canvas, mesh, pose);
}

void paintKraphyMissile(Canvas& canvas, int) {
    Mesh mesh = kraphyBase({metal(0x3E7A6C), metal(0xC8D0C8), 25});
    Mesh racks;
    for (double x : {15.5, 20.5}) {
        racks.tube(x, 3.2, -4, 9, 1.4, metal(0xE4E4E0));
        racks.dome(x, -4, 3.2, 1.4, 2.2, 0.1, metal(0xD03030));
    }
    racks.mirrorX();
    mesh.append(racks);
    const Pose pose = centredPose(canvas, kFacingDown);
    kraphyFlames(canvas, pose);
    draw(canvas, mesh, pose);
}

void paintKraphyLeader(Canvas& canvas, int) {
    const Material navy = metal(0x2C3A64), gold = metal(0xD8A838);
    Mesh mesh = kraphyBase({navy, gold, 28});
    Mesh extra;
    extra.slab({{3, -20}, {12, -24}, {13, -22}, {4, -16}}, 0.5, 2, gold, gold);
    extra.tube(24, 1, -6, 10, 1.3, kGunmetal);
    extra.mirrorX();
    extra.slab({{-1.2, 4}, {1.2, 4}, {0.6, 20}, {-0.6, 20}}, 5, 9, gold, gold);
    mesh.append(extra);
    const Pose pose = centredPose(canvas, kFacingDown);
    kraphyFlames(canvas, pose);
    draw(canvas, mesh, pose);
    beacon(canvas.cr(), MeshRenderer::project({0, -4, 7}, pose), 1.6, rgb(0xFF4030));
}

// --- Lightning: forward-swept jets that bank as they weave ---

void paintLightning(Canvas& canvas, int frame, const Material& body, const Material& stripe,
                    bool twinTail, const Colour& flame) {
    Mesh mesh;
    mesh.slab({{3, 8}, {19, -5}, {21, -2}, {5, 14}}, -0.4, 1.2, body, body, 0.8);
    mesh.slab({{8, 4}, {17, -4}, {18, -2.6}, {9, 6}}, 1.2, 1.5, stripe, stripe);
    mesh.slab({{3, 15}, {11, 19}, {11, 21}, {3, 20}}, 0, 1, body, body);
    if (twinTail) {
        mesh.slab({{3, -15}, {9, -12}, {9, -10.5}, {3, -11}}, 0.5, 1.5, stripe, stripe);
        mesh.slab({{4, 12}, {5.5, 12}, {6.5, 21}, {5, 21}}, 1, 7, stripe, stripe);
    }
    mesh.mirrorX();
    hull(mesh, -22, 21, 4.2, 4.5, body);
    if (!twinTail) mesh.slab({{-0.8, 11}, {0.8, 11}, {0.5, 21}, {-0.5, 21}}, 3, 8, stripe, stripe);
    mesh.dome(0, -9, 3.2, 2.4, 5, 2.2, glass(0x70D8FF));
    const Pose pose = centredPose(canvas, kFacingDown, kRoll7[frame]);
    tailFlame(canvas.cr(), pose, {0, 21, 0.5}, 4, 5, kFlameCore, flame);
    draw(canvas, mesh, pose);
}

void paintLightning8(Canvas& canvas, int frame) {
    paintLightning(canvas, frame, metal(0xE0B428), metal(0x26262A), false, kFlameOrange);
}

void paintLightning9(Canvas& canvas, int frame) {
    paintLightning(canvas, frame, metal(0x2AA8C8), metal(0x1E2A44), true, kFlameBlue);
}

// --- Mantarays: wide gliding wings ---

void paintMantaray(Canvas& canvas, double halfSpan, double halfLength, const Material& body,
                   const Material& belly, std::uint32_t lights, int gills) {
    const double s = halfSpan, l = halfLength;
    Mesh mesh;
    mesh.slab(symmetricOutline({{0, -l * 0.62},
                                {s * 0.22, -l * 0.58},
                                {s * 0.55, -l * 0.25},
                                {s * 0.92, l * 0.18},
                                {s, l * 0.38},
                                {s * 0.7, l * 0.36},
                                {s * 0.4, l * 0.5},
                                {s * 0.14, l * 0.86},
                                {0, l * 0.9}}),
              0, 5, body, belly, 3);
    Mesh horns;
    horns.slab(
        {{s * 0.06, -l * 0.6}, {s * 0.14, -l * 0.96}, {s * 0.18, -l * 0.94}, {s * 0.16, -l * 0.55}},
        1, 4, belly, belly);
    horns.mirrorX();
    mesh.append(horns);
    mesh.loft({{-l * 0.7, ellipseHalf(s * 0.05, 5, 2, 4)},
               {-l * 0.35, ellipseHalf(s * 0.14, 10, 2, 4)},
               {l * 0.3, ellipseHalf(s * 0.12, 9, 2, 4)},
               {l * 0.85, ellipseHalf(s * 0.03, 6, 2, 4)}},
              body);
    for (int i = 0; i < gills; ++i) {
        Mesh gill;
        const double x = s * (0.28 + i * 0.12), y = -l * 0.05 + i * l * 0.1;
        gill.slab({{x, y}, {x + s * 0.07, y + 1.5}, {x + s * 0.07, y + 3}, {x, y + 1.5}}, 5, 5.4,
                  lit(lights), lit(lights));
        gill.mirrorX();
        mesh.append(gill);
    }
    mesh.dome(0, -l * 0.35, 9.5, s * 0.06, l * 0.14, 2.5, lit(lights));
    draw(canvas, mesh, centredPose(canvas, kFacingDown));
}

void paintMantarayV1(Canvas& canvas, int) {
    paintMantaray(canvas, 52, 26, metal(0x2E7F78), metal(0x1E4A48), 0x80FFD0, 3);
}
void paintMantarayV2(Canvas& canvas, int) {
    paintMantaray(canvas, 57, 28, metal(0x6A3A8C), metal(0x3A2050), 0xFF80F0, 4);
}
void paintMantarayV3(Canvas& canvas, int) {
    paintMantaray(canvas, 57, 28.5, metal(0x8A2030), metal(0x2A1418), 0xFFC040, 5);
}

// --- Owlions: owl-faced fighters ---

struct OwlLook {
    Material body;
    Material face;
    std::uint32_t eyes;
};

Mesh owlMesh(const OwlLook& look, double span, double length) {
    Mesh mesh;
    // Wings with a feathered trailing edge.
    std::vector<Point2> wing{
        {4, -length * 0.2}, {span * 0.55, -length * 0.32}, {span, -length * 0.05}};
    for (int i = 0; i < 4; ++i) {
        const double t = i / 3.0;
        wing.push_back({span * (1 - t * 0.8), length * (0.18 + 0.14 * t)});
        wing.push_back({span * (0.93 - t * 0.8), length * (0.08 + 0.12 * t)});
    }
    wing.push_back({4, length * 0.3});
    mesh.slab(wing, 0, 2.2, look.body, look.body, 1);
    mesh.mirrorX();
    mesh.loft({{-length * 0.5, ellipseHalf(span * 0.18, 4, 0, 4)},
               {-length * 0.3, ellipseHalf(span * 0.3, 8, -1, 4)},
               {length * 0.15, ellipseHalf(span * 0.26, 7, -1, 4)},
               {length * 0.45, ellipseHalf(span * 0.1, 4, 0, 4)}},
              look.body);
    // The face: a pale disc with two round eyes.
    mesh.dome(0, -length * 0.3, 6, span * 0.26, length * 0.16, 2.5, look.face);
    Mesh eye;
    eye.dome(span * 0.11, -length * 0.32, 8.2, span * 0.09, span * 0.09, 1.6, lit(look.eyes));
    eye.mirrorX();
    mesh.append(eye);
    return mesh;
}

void paintOwlion(Canvas& canvas, int) {
    const Mesh mesh = owlMesh({metal(0x8C5A32), metal(0xE2CC98), 0xFFC020}, 25, 46);
    const Pose pose = centredPose(canvas, kFacingDown);
    tailFlame(canvas.cr(), pose, {0, 22, 1}, 5, 5, kFlameCore, kFlameOrange);
    draw(canvas, mesh, pose);
}

void paintOwlionLaser(Canvas& canvas, int) {
    Mesh mesh = owlMesh({metal(0x6A6A78), metal(0xC8D0E0), 0x40C0FF}, 25, 34);
    mesh.tube(0, 3, -18, -12, 1.8, lit(0x60C0FF));
    const Pose pose = centredPose(canvas, kFacingDown);
    draw(canvas, mesh, pose);
    beacon(canvas.cr(), MeshRenderer::project({0, -18, 3}, pose), 2, rgb(0x60C0FF));
}

void paintOwlionLeader(Canvas& canvas, int) {
    Mesh mesh = owlMesh({metal(0x7A3A24), metal(0xE8C060), 0xFF3020}, 25, 34);
    Mesh crest;
    crest.slab({{2, -14}, {8, -19}, {9, -17}, {4, -12}}, 5, 7.5, metal(0xE0B040), metal(0xE0B040));
    crest.mirrorX();
    mesh.append(crest);
    const Pose pose = centredPose(canvas, kFacingDown);
    draw(canvas, mesh, pose);
}

void paintOwlionNapalm(Canvas& canvas, int) {
    Mesh mesh = owlMesh({metal(0x5A6A3A), metal(0xD8D0A0), 0xFF8020}, 25, 34);
    Mesh tanks;
    tanks.tube(14, 2.8, -6, 6, 2.4, metal(0xE07020));
    tanks.dome(14, -6, 2.8, 2.4, 2.4, 0.1, metal(0xE07020));
    tanks.mirrorX();
    mesh.append(tanks);
    const Pose pose = centredPose(canvas, kFacingDown);
    draw(canvas, mesh, pose);
}

// --- The Oyster: an armoured clam with a pearl cannon ---

void paintOyster(Canvas& canvas, int) {
    const Material shell = metal(0xD0BCC4), rib = metal(0xA88C98), inner = metal(0x703848);
    Mesh mesh;
    mesh.slab(polygon(28, 62, 0, 0.66), 0, 6, shell, shell, 4);
    for (int r = 0; r < 5; ++r) {
        const double radius = 56 - r * 8;
        Mesh ring;
        for (int i = -5; i <= 5; ++i) {
            const double a = i * 14 * M_PI / 180;
            const double x = std::sin(a) * radius, y = std::cos(a) * radius * 0.66 - 6;
            ring.slab({{x - 2.2, y - 1}, {x + 2.2, y - 1}, {x + 1.6, y + 2}, {x - 1.6, y + 2}}, 6,
                      7.5, rib, rib);
        }
        if (r % 2 == 0) mesh.append(ring);
    }
    // The opening at the front and the pearl inside it.
    mesh.slab(polygon(20, 24, 0, 0.45), 5, 7, inner, inner, 2);
    mesh.translate(0, 4, 0);
    mesh.dome(0, -20, 7, 11, 8, 8, lit(0xF8E8F4));
    mesh.dome(-3, -22, 13, 4, 3, 2.5, lit(0xFFFFFF));
    for (double x : {-40.0, -20.0, 20.0, 40.0}) {
        const double y = -20 + std::abs(x) * 0.55;
        mesh.dome(x, y, 6, 5, 5, 4, kGunmetal);
        mesh.tube(x, 9, y - 9, y, 1.3, kDark);
    }
    draw(canvas, mesh, centredPose(canvas, kFacingDown));
    glow(canvas.cr(), canvas.width() / 2.0, canvas.height() / 2.0 + 16, 16, rgb(0xFFD0F0, 0.8));
}

// --- Scroops: insect drones ---

void insectWings(Mesh& mesh, double length, double width, double y, const Material& material) {
    Mesh wing;
    wing.slab({{2, y - 2},
               {width * 0.6, y - length * 0.4},
               {width, y - length * 0.1},
               {width * 0.8, y + length * 0.5},
               {2, y + 3}},
              4, 4.6, material, material);
    wing.mirrorX();
    mesh.append(wing);
}

void paintScroop(Canvas& canvas, int frame) {
    const Material green = metal(0x48A040), wing = metal(0xB8E0B0);
    Mesh mesh;
    insectWings(mesh, frame ? 12 : 16, frame ? 8 : 11.5, -1, wing);
    mesh.dome(0, -12, 0, 5, 5.5, 5.5, green);
    mesh.dome(0, -2, 0, 6.5, 7, 7, green);
    mesh.dome(0, 10, 0, 5, 8, 5.5, metal(0x387030));
    Mesh eyes;
    eyes.dome(2.8, -14.5, 3, 1.8, 1.8, 1.5, lit(0xFF4020));
    eyes.slab({{1.5, -16}, {4, -19}, {3, -15.5}}, 2, 3.5, metal(0x387030), metal(0x387030));
    eyes.mirrorX();
    mesh.append(eyes);
    draw(canvas, mesh, centredPose(canvas, kFacingDown));
}

void paintBeetle(Canvas& canvas, int frame, double size, const Material& shell,
                 const Material& trim, std::uint32_t eyes, bool crown) {
    const double k = size / 40;
    Mesh mesh;
    // Legs/thrusters at the sides, alternating between the frames.
    for (int i = 0; i < 3; ++i) {
        const double y = (-6 + i * 7) * k + (frame ? (i % 2 ? 1.5 : -1.5) : 0);
        mesh.slab({{8 * k, y}, {17 * k, y - 2 * k}, {18 * k, y}, {8 * k, y + 2 * k}}, 0, 1.5, trim,
                  trim);
    }
    mesh.dome(9 * k, 1 * k, 0, 2.5 * k, 2.5 * k, 2, lit(eyes));
    mesh.mirrorX();
    mesh.slab({{-1 * k, -13 * k}, {1 * k, -13 * k}, {1 * k, 12 * k}, {-1 * k, 12 * k}}, 6 * k,
              8.5 * k, trim, trim);
    mesh.dome(0, 2 * k, 0, 12 * k, 13 * k, 8 * k, shell);
    mesh.dome(0, -12 * k, 0, 7 * k, 5 * k, 5 * k, trim);
    Mesh horn;
    horn.slab({{2 * k, -14 * k}, {6 * k, -19 * k}, {4 * k, -13 * k}}, 2, 4, trim, trim);
    if (crown) horn.slab({{5 * k, -11 * k}, {11 * k, -17 * k}, {8 * k, -10 * k}}, 2, 4, trim, trim);
    horn.dome(3 * k, -13 * k, 3 * k, 1.3 * k, 1.3 * k, 1, lit(eyes));
    horn.mirrorX();
    mesh.append(horn);
    const Pose pose = centredPose(canvas, kFacingDown);
    tailFlame(canvas.cr(), pose, {0, 14 * k, 2}, 4 * k, 5 * k, kFlameCore,
              crown ? kFlameOrange : kFlameBlue);
    draw(canvas, mesh, pose);
}

void paintScroopBuru(Canvas& canvas, int frame) {
    paintBeetle(canvas, frame, 36, metal(0x3050C0), metal(0x1E2A58), 0x80F0FF, false);
}

void paintScroopKing(Canvas& canvas, int frame) {
    paintBeetle(canvas, frame, 41, metal(0xB02A24), metal(0xD8A838), 0xFFF060, true);
}

// --- Arrowinds: diving darts ---

void paintArrowind(Canvas& canvas, const Material& body, const Material& tip, std::uint32_t light) {
    Mesh mesh;
    mesh.slab({{1.5, 12}, {9, 22}, {9, 26}, {1.5, 22}}, 0, 1, tip, tip);
    mesh.mirrorX();
    mesh.loft({{-28, ellipseHalf(0.3, 1, 0.5, 4)},
               {-20, ellipseHalf(2, 2.5, -0.5, 4)},
               {-4, ellipseHalf(3.2, 3.4, -1, 4)},
               {18, ellipseHalf(3, 3, -1, 4)},
               {26, ellipseHalf(2, 2, -0.5, 4)}},
              body);
    mesh.loft({{-28.5, ellipseHalf(0.3, 1, 0.5, 4)},
               {-22, ellipseHalf(2.0, 2.4, -0.4, 4)},
               {-18, ellipseHalf(2.3, 2.7, -0.5, 4)}},
              tip);
    mesh.slab({{-0.6, 8}, {0.6, 8}, {0.4, 25}, {-0.4, 25}}, 2, 6, tip, tip);
    const Pose pose = centredPose(canvas, kFacingDown);
    tailFlame(canvas.cr(), pose, {0, 26, 0.5}, 3.5, 4, kFlameCore, kFlameOrange);
    draw(canvas, mesh, pose);
    beacon(canvas.cr(), MeshRenderer::project({0, -6, 3.2}, pose), 1.3, rgb(light));
}

void paintArrowindPlain(Canvas& canvas, int) {
    paintArrowind(canvas, metal(0xB8C0CA), metal(0xC83030), 0xFF6040);
}

void paintArrowindLaser(Canvas& canvas, int) {
    paintArrowind(canvas, metal(0x50586A), metal(0x3088FF), 0x80D0FF);
}

// --- Steiner: an armoured gun platform ---

void paintSteiner(Canvas& canvas, int) {
    const Material grey = metal(0x747C86), orange = metal(0xD07020);
    Mesh mesh;
    mesh.slab(polygon(6, 27, 30), 0, 5, grey, grey, 2.5);
    mesh.slab(polygon(6, 18, 30), 5, 7, orange, orange, 1);
    for (int i = 0; i < 6; ++i) {
        const double a = (30 + i * 60) * M_PI / 180;
        const double x = std::sin(a) * 22, y = -std::cos(a) * 22;
        mesh.dome(x, y, 5, 3.5, 3.5, 3, kGunmetal);
        mesh.tube(x, 7, y - 7, y, 0.9, kDark);
    }
    mesh.dome(0, 0, 7, 9, 9, 6, grey);
    for (double x : {-2.8, 2.8})
        mesh.tube(x, 10, -16, -4, 1.3, kDark);
    draw(canvas, mesh, centredPose(canvas, kFacingDown));
    beacon(canvas.cr(), {canvas.width() / 2.0, canvas.height() / 2.0 - 3}, 1.8, rgb(0xFF9030));
}

// --- Vazna: a crescent that rolls as it weaves ---

void paintVazna(Canvas& canvas, int frame) {
    const Material pink = metal(0xB8408A), dark = metal(0x3A1A36);
    Mesh mesh;
    std::vector<Point2> wing;
    for (int i = 0; i <= 8; ++i) {
        const double a = (i / 8.0) * 110 * M_PI / 180;
        wing.push_back({std::sin(a) * 32, -std::cos(a) * 20 + 6});
    }
    for (int i = 8; i >= 0; --i) {
        const double a = (i / 8.0) * 100 * M_PI / 180;
        wing.push_back({std::sin(a) * 22, -std::cos(a) * 10 + 10});
    }
    mesh.slab(wing, -0.5, 3, pink, dark, 1.5);
    mesh.tube(29, 1.5, 10, 24, 1.2, dark);
    mesh.mirrorX();
    mesh.loft({{-16, ellipseHalf(1, 2, 0, 4)},
               {-8, ellipseHalf(5, 6, -1, 4)},
               {8, ellipseHalf(5, 6, -1, 4)},
               {18, ellipseHalf(2, 3, 0, 4)}},
              dark);
    mesh.dome(0, -2, 5.5, 3.5, 3.5, 3, lit(0xFF80E0));
    const Pose pose = centredPose(canvas, kFacingDown, kRoll7[frame]);
    draw(canvas, mesh, pose);
    beacon(canvas.cr(), MeshRenderer::project({0, -2, 8}, pose), 2.4, rgb(0xFF90E8));
}

// --- Windcharts: kites ---

Mesh kiteMesh(double size, const Material& frame_, const Material& sail) {
    const double s = size;
    Mesh mesh;
    mesh.slab({{0, -s}, {s * 0.9, s * 0.55}, {s * 0.55, s * 0.7}, {0, s * 0.35}}, 0, 2.5, frame_,
              frame_, 1.2);
    mesh.slab({{0, -s * 0.7}, {s * 0.62, s * 0.42}, {s * 0.45, s * 0.5}, {0, s * 0.22}}, 2.5, 3.2,
              sail, sail);
    mesh.mirrorX();
    mesh.loft({{-s * 0.8, ellipseHalf(0.5, 1.5, 0, 4)},
               {-s * 0.3, ellipseHalf(3.5, 5, -1, 4)},
               {s * 0.4, ellipseHalf(3, 4, -1, 4)},
               {s * 0.6, ellipseHalf(1.5, 2, 0, 4)}},
              frame_);
    return mesh;
}

void paintWindchart(Canvas& canvas, int) {
    const Mesh mesh = kiteMesh(21, metal(0x2E8A62), metal(0xDCEFE4));
    const Pose pose = centredPose(canvas, kFacingDown);
    tailFlame(canvas.cr(), pose, {0, 13, 1}, 4, 6, kFlameCore, kFlameGreen);
    draw(canvas, mesh, pose);
}

void paintWindchartDrill(Canvas& canvas, int) {
    Mesh mesh = kiteMesh(19, metal(0x50586A), metal(0xD08030));
    // The drill: a cone of alternating bright and dark rings.
    for (int i = 0; i < 5; ++i) {
        const double y0 = -24 + i * 2.4, y1 = y0 + 2.4;
        const double r0 = 0.4 + i * 1.3, r1 = 0.4 + (i + 1) * 1.3;
        mesh.loft(
            {{y0, ellipseHalf(r0, 3 + r0, 3 - r0, 4)}, {y1, ellipseHalf(r1, 3 + r1, 3 - r1, 4)}},
            i % 2 ? metal(0xE8A040) : metal(0x707880), false);
    }
    const Pose pose = centredPose(canvas, kFacingDown);
    tailFlame(canvas.cr(), pose, {0, 12, 1}, 4, 6, kFlameCore, kFlameOrange);
    draw(canvas, mesh, pose);
}

// --- Whitecross: a spinning cross ---

void paintWhitecross(Canvas& canvas, int frame) {
    const Material white = metal(0xE8EAF2), red = metal(0xC02828);
    Mesh mesh;
    std::vector<Point2> cross;
    const double arm = 22, half = 5;
    for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 2;
        auto turn = [&](double x, double y) {
            return Point2{x * std::cos(a) - y * std::sin(a), x * std::sin(a) + y * std::cos(a)};
        };
        cross.push_back(turn(-half, -half));
        cross.push_back(turn(-half * 1.3, -arm));
        cross.push_back(turn(half * 1.3, -arm));
    }
    mesh.slab(cross, 0, 4, white, white, 1.5);
    for (int i = 0; i < 4; ++i)
        radialPlate(mesh, i * 90, 8, 19, 1.2, 4, 4.8, red);
    mesh.dome(0, 0, 4, 6, 6, 4, red);
    mesh.dome(0, 0, 7.5, 2.5, 2.5, 1.5, lit(0xFFE0E0));
    Pose pose = centredPose(canvas, kFacingDown);
    pose.yaw += frame * 90.0 / 7;  // a quarter turn over the seven frames
    draw(canvas, mesh, pose);
}

// --- The flying turret ---

void paintFlyingTurret(Canvas& canvas, int) {
    const Material plate = metal(0x5C6E62), rim = metal(0x8A9890), armour = metal(0x3E4A44);
    Mesh mesh;
    mesh.slab(polygon(20, 45), 0, 6, rim, rim, 3);
    mesh.slab(polygon(20, 36), 6, 8, plate, plate, 1.5);
    for (int i = 0; i < 4; ++i) {
        const double a = (45 + i * 90) * M_PI / 180;
        const double x = std::sin(a) * 33, y = -std::cos(a) * 33;
        mesh.dome(x, y, 8, 5.5, 5.5, 4, armour);
        mesh.tube(x, 11, y - 10, y, 1.3, kDark);
    }
    for (int i = 0; i < 8; ++i)
        radialPlate(mesh, i * 45, 38, 44, 3, 6, 7, armour);
    mesh.dome(0, 2, 8, 15, 15, 9, plate);
    for (double x : {-4.0, 4.0})
        mesh.tube(x, 13, -34, -10, 2.0, kGunmetal);
    mesh.box({-7, -12, 10}, {7, -4, 15}, armour);
    const Pose pose = centredPose(canvas, kFacingDown);
    draw(canvas, mesh, pose);
    for (int i = 0; i < 4; ++i) {
        const double a = (i * 90) * M_PI / 180;
        beacon(canvas.cr(), MeshRenderer::project({std::sin(a) * 40, -std::cos(a) * 40, 8}, pose),
               1.3, rgb(0xFF9030));
    }
}

// --- Riders: hoverbikes that bank as they swerve ---

void paintRider(Canvas& canvas, int frame, const Material& paint, std::uint32_t visor) {
    Mesh mesh;
    mesh.slab({{4, -6}, {16, 4}, {17, 12}, {5, 10}}, 0, 2.5, paint, paint, 1);
    mesh.tube(12, 1, 2, 22, 2.5, kGunmetal);
    mesh.tube(7, 1, -22, -12, 1.2, kDark);
    mesh.mirrorX();
    mesh.loft({{-24, ellipseHalf(1, 2, 0, 4)},
               {-14, ellipseHalf(5, 5, -1, 4)},
               {6, ellipseHalf(6, 6, -1, 4)},
               {22, ellipseHalf(3.5, 4, -1, 4)}},
              paint);
    // The rider, crouched over the bike.
    mesh.dome(0, 2, 5, 4.5, 7, 4, kDark);
    mesh.dome(0, -4, 7, 3.2, 3.2, 3.2, metal(0xE0E0E8));
    mesh.dome(0, -6, 8.5, 2.2, 1.6, 1.2, lit(visor));
    const Pose pose = centredPose(canvas, kFacingDown, kRoll7[frame]);
    for (double x : {-12.0, 12.0})
        tailFlame(canvas.cr(), pose, {x, 22, 1}, 4, 5, kFlameCore, kFlameOrange);
    draw(canvas, mesh, pose);
}

void paintWRider(Canvas& canvas, int frame) {
    paintRider(canvas, frame, metal(0xC02828), 0x60E0FF);
}
void paintYRider(Canvas& canvas, int frame) {
    paintRider(canvas, frame, metal(0xD8B020), 0xFF5030);
}

// --- Zaphongs: flying wings that weave ---

Mesh zaphongMesh(double scale, const Material& body, const Material& trim) {
    const double k = scale;
    Mesh mesh;
    mesh.slab({{0, -20 * k},
               {9 * k, -12 * k},
               {25 * k, 7 * k},
               {24 * k, 13 * k},
               {14 * k, 8 * k},
               {6 * k, 13 * k},
               {0, 10 * k}},
              0, 3, body, body, 1.2);
    mesh.slab({{3 * k, -13 * k},
               {9 * k, -9 * k},
               {22 * k, 7 * k},
               {20 * k, 8 * k},
               {8 * k, -6 * k},
               {3 * k, -9 * k}},
              3, 3.5, trim, trim);
    mesh.mirrorX();
    mesh.loft({{-20 * k, ellipseHalf(0.5, 2, 0, 4)},
               {-10 * k, ellipseHalf(4 * k, 6, -1, 4)},
               {8 * k, ellipseHalf(4 * k, 5, -1, 4)}},
              body);
    mesh.dome(0, -9 * k, 5, 2.6 * k, 4 * k, 2.2, glass(0xFFB040));
    return mesh;
}

void zaphongFlames(Canvas& canvas, const Pose& pose, double k) {
    for (double x : {-6.0, 6.0})
        tailFlame(canvas.cr(), pose, {x * k, 12 * k, 1}, 3.5, 4, kFlameCore, kFlameOrange);
}

void paintZaphong(Canvas& canvas, int) {
    const Mesh mesh = zaphongMesh(1.0, metal(0xD86020), metal(0x2A2A32));
    const Pose pose = centredPose(canvas, kFacingDown);
    zaphongFlames(canvas, pose, 1);
    draw(canvas, mesh, pose);
}

void paintZaphongLaser(Canvas& canvas, int) {
    Mesh mesh = zaphongMesh(1.0, metal(0x2A6AC8), metal(0xD8E0E8));
    mesh.tube(0, 3, -24, -14, 1.5, lit(0x70D0FF));
    const Pose pose = centredPose(canvas, kFacingDown);
    zaphongFlames(canvas, pose, 1);
    draw(canvas, mesh, pose);
    beacon(canvas.cr(), MeshRenderer::project({0, -24, 3}, pose), 2, rgb(0x70D0FF));
}

void paintZaphongMissile(Canvas& canvas, int) {
    Mesh mesh = zaphongMesh(1.0, metal(0x6A8A30), metal(0x2A2A32));
    Mesh pods;
    pods.tube(13, 3.5, -6, 6, 2.2, metal(0xE0E0D8));
    pods.dome(13, -6, 3.5, 2.2, 2.8, 0.1, metal(0xC83030));
    pods.mirrorX();
    mesh.append(pods);
    const Pose pose = centredPose(canvas, kFacingDown);
    zaphongFlames(canvas, pose, 1);
    draw(canvas, mesh, pose);
}

void paintZaphongLeader(Canvas& canvas, int) {
    Mesh mesh = zaphongMesh(1.12, metal(0x8A1E2A), metal(0xE0B040));
    Mesh tails;
    tails.slab({{5, 2}, {6.5, 2}, {8, 14}, {6.5, 14}}, 3, 9, metal(0xE0B040), metal(0xE0B040));
    tails.mirrorX();
    mesh.append(tails);
    const Pose pose = centredPose(canvas, kFacingDown);
    zaphongFlames(canvas, pose, 1.12);
    draw(canvas, mesh, pose);
}

constexpr PainterRow kEnemyPainters[] = {
    {"S0004.BAI", paintChopter},       {"S0005.BAI", paintChopterGattling},
    {"S0007.BAI", paintEgMixer},       {"S0009.BAI", paintGashiing},
    {"S0010.BAI", paintGashiingAlpha}, {"S0011.BAI", paintGashiingBeta},
    {"S0012.BAI", paintGashiingGamma}, {"S0013.BAI", paintKraphy},
    {"S0014.BAI", paintKraphyCannon},  {"S0015.BAI", paintKraphyLeader},
    {"S0016.BAI", paintKraphyMissile}, {"S0017.BAI", paintLightning8},
    {"S0018.BAI", paintLightning9},    {"S0019.BAI", paintMantarayV1},
    {"S0020.BAI", paintMantarayV2},    {"S0021.BAI", paintMantarayV3},
    {"S0025.BAI", paintOwlion},        {"S0026.BAI", paintOwlionLaser},
    {"S0027.BAI", paintOwlionLeader},  {"S0029.BAI", paintOwlionNapalm},
    {"S0030.BAI", paintOyster},        {"S0038.BAI", paintScroop},
    {"S0039.BAI", paintScroopBuru},    {"S0040.BAI", paintScroopKing},
    {"S0002.BAI", paintArrowindPlain}, {"S0003.BAI", paintArrowindLaser},
    {"S0042.BAI", paintSteiner},       {"S0043.BAI", paintVazna},
    {"S0046.BAI", paintWindchart},     {"S0045.BAI", paintWindchartDrill},
    {"S0044.BAI", paintWhitecross},    {"S0008.BAI", paintFlyingTurret},
    {"S0048.BAI", paintWRider},        {"S0049.BAI", paintYRider},
    {"S0050.BAI", paintZaphong},       {"S0051.BAI", paintZaphongLaser},
    {"S0052.BAI", paintZaphongLeader}, {"S0053.BAI", paintZaphongMissile},
};

}  // namespace

std::span<const PainterRow> enemyPainters() {
    return kEnemyPainters;
}

}  // namespace cindervane::assetgen
