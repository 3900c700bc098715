// The enemy fighters: choppers, the Kraphy heavy fighters, the Lightning jets, the Owlions,
// the Arrowind darts, the riders' hoverbikes and the Zaphong flying wings. All are modelled
// nose up and drawn turned to face down the screen, towards the player.
#include <array>
#include <cmath>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/enemy_kit.h"

namespace cindervane::assetgen {

namespace {

using namespace enemy;

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

constexpr PainterRow kPainters[] = {
    {"S0004.BAI", paintChopter},       {"S0005.BAI", paintChopterGattling},
    {"S0013.BAI", paintKraphy},        {"S0014.BAI", paintKraphyCannon},
    {"S0015.BAI", paintKraphyLeader},  {"S0016.BAI", paintKraphyMissile},
    {"S0017.BAI", paintLightning8},    {"S0018.BAI", paintLightning9},
    {"S0025.BAI", paintOwlion},        {"S0026.BAI", paintOwlionLaser},
    {"S0027.BAI", paintOwlionLeader},  {"S0029.BAI", paintOwlionNapalm},
    {"S0002.BAI", paintArrowindPlain}, {"S0003.BAI", paintArrowindLaser},
    {"S0048.BAI", paintWRider},        {"S0049.BAI", paintYRider},
    {"S0050.BAI", paintZaphong},       {"S0051.BAI", paintZaphongLaser},
    {"S0052.BAI", paintZaphongLeader}, {"S0053.BAI", paintZaphongMissile},
};

}  // namespace

std::span<const PainterRow> fighterPainters() {
    return kPainters;
}

}  // namespace cindervane::assetgen
