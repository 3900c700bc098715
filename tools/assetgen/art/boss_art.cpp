// The single-bodied bosses: the stage 2 crimson fortress, the stage 4 silver hawk, the
// stage 5 winged bear and the stage 7 death bringer.
#include <array>
#include <cmath>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/boss_kit.h"

namespace cindervane::assetgen {

namespace {

using namespace boss;

// --- Stage 2: the crimson fortress ---

void paintRauder(Canvas& canvas, int) {
    const Material crimson = metal(0x8A1E28), black = metal(0x22202A), ember = metal(0xC05A20);
    const double cx = 112, cy = 100;
    Mesh side;
    // Two claws reaching down, with the laser emitters at their tips.
    side.slab({{cx + 30, 100},
               {cx + 86, 128},
               {cx + 92, 160},
               {cx + 88, 186},
               {cx + 74, 190},
               {cx + 64, 150},
               {cx + 28, 140}},
              0, 10, crimson, crimson, 3);
    for (int i = 0; i < 3; ++i)
        side.tube(cx + 67 + i * 9, 11, 150 + i * 10, 160 + i * 10 + 6, 2.2, kGunmetal, 6);
    side.slab({{cx + 50, 40}, {cx + 100, 56}, {cx + 104, 84}, {cx + 86, 104}, {cx + 56, 96}}, 0, 12,
              black, black, 3);
    turret(side, cx + 80, 74, 12, 7, 12, ember, 2);
    side.tube(cx + 40, 8, 6, 26, 8, kGunmetal);
    mirrorAbout(side, cx);
    Mesh mesh = side;
    mesh.slab(
        [&] {
            std::vector<Point2> p;
            for (int i = 0; i < 12; ++i) {
                const double a = (15 + i * 30) * M_PI / 180;
                p.push_back({cx + std::sin(a) * 70, cy - std::cos(a) * 74});
            }
            return p;
        }(),
        0, 14, crimson, crimson, 5);
    mesh.dome(cx, cy - 8, 14, 46, 46, 14, black);
    // Six missile triples on the ring (x 67 to 151, y 92).
    for (double x : {67.0, 77.0, 86.0, 132.0, 142.0, 151.0})
        mesh.tube(x + 2, 20, 84, 96, 2.2, ember, 6);
    mesh.dome(cx, cy - 12, 27, 16, 16, 9, ember);
    mesh.dome(cx, cy - 14, 35, 8, 8, 5, lit(0xFFB040));
    turret(mesh, cx, 150, 14, 9, 26, black, 1);
    const Pose pose = bossPose();
    for (double x : {cx - 40, cx + 40})
        tailFlame(canvas.cr(), pose, {x, 6, 8}, 14, 12, kFlameCore, kFlameOrange);
    MeshRenderer::draw(canvas.cr(), mesh, pose);
    beacon(canvas.cr(), MeshRenderer::project({cx, cy - 14, 40}, pose), 5, rgb(0xFFB040));
    beacon(canvas.cr(), MeshRenderer::project({cx + 2, 176, 16}, pose), 3, rgb(0x80E0FF));
    lights(canvas.cr(), pose, {cx - 60, 150}, {cx - 40, 120}, 10, 3, rgb(0xFF5030));
    lights(canvas.cr(), pose, {cx + 40, 120}, {cx + 60, 150}, 10, 3, rgb(0xFF5030));
}

// --- Stage 4: the silver hawk, small and fast, beating its wings ---

void paintSilverhawk(Canvas& canvas, int frame) {
    const Material silver = metal(0xC8D0DC), blue = metal(0x2A5AB0);
    const double beat = std::sin(frame * 2 * M_PI / 9);
    Mesh mesh;
    const double spread = 24 + beat * 3, sweep = beat * 5;
    mesh.slab({{3, -6},
               {spread * 0.6, -10 - sweep},
               {spread, -4 - sweep},
               {spread * 0.9, 2 - sweep},
               {spread * 0.7, 0},
               {spread * 0.55, 6},
               {spread * 0.35, 4},
               {4, 10}},
              0, 2.5, silver, silver, 1);
    mesh.slab({{6, -5}, {spread * 0.6, -8 - sweep}, {spread * 0.8, -5 - sweep}, {6, -2}}, 2.5, 3,
              blue, blue);
    mesh.slab({{2, 12}, {8, 20}, {5, 24}, {1, 20}}, 0, 1.5, silver, silver);
    mesh.mirrorX();
    mesh.loft({{-24, ellipseHalf(0.5, 2, 0, 4)},
               {-16, ellipseHalf(3.5, 4.5, -1, 4)},
               {4, ellipseHalf(4.5, 5, -1, 4)},
               {20, ellipseHalf(2.5, 3, 0, 4)}},
              silver);
    mesh.dome(0, -9, 4, 2.6, 5, 2.4, glass(0x50B0FF));
    Pose pose;
    pose.originX = canvas.width() / 2.0;
    pose.originY = canvas.height() / 2.0;
    pose.yaw = 180;
    pose.pitch = beat * 6;
    tailFlame(canvas.cr(), pose, {0, 20, 0.5}, 4, 5, kFlameCore, kFlameBlue);
    MeshRenderer::draw(canvas.cr(), mesh, pose);
}

// --- Stage 5: the winged bear ---

void paintWingedBear(Canvas& canvas, int) {
    const Material bronze = metal(0x8A6038), fur = metal(0x5A3A24), gold = metal(0xD8A840);
    const double cx = 120;
    Mesh side;
    // Great feathered wings to the frame's edges.
    std::vector<Point2> wing{{cx + 30, 40}, {cx + 80, 14}, {cx + 116, 20}, {cx + 118, 40}};
    for (int i = 0; i < 5; ++i) {
        const double t = i / 4.0;
        wing.push_back({cx + 116 - t * 70, 62 + t * 36});
        wing.push_back({cx + 104 - t * 70, 58 + t * 34});
    }
    wing.push_back({cx + 32, 96});
    side.slab(wing, 0, 8, bronze, bronze, 3);
    side.slab({{cx + 40, 40}, {cx + 80, 24}, {cx + 108, 30}, {cx + 72, 46}}, 8, 9, gold, gold);
    for (int i = 0; i < 4; ++i)
        turret(side, cx + 50 + i * 15, 56 + i * 6, 8, 4.5, 9, gold, 1);
    // Paws with claws, reaching forward.
    side.slab({{cx + 18, 110},
               {cx + 42, 112},
               {cx + 46, 150},
               {cx + 40, 162},
               {cx + 22, 160},
               {cx + 16, 140}},
              0, 10, fur, fur, 3);
    for (int i = 0; i < 3; ++i)
        side.slab({{cx + 23.0 + i * 7, 158}, {cx + 27.0 + i * 7, 158}, {cx + 25.0 + i * 7, 167}}, 4,
                  8, gold, gold);
    side.tube(cx + 26, 10, 4, 24, 7, kGunmetal);
    mirrorAbout(side, cx);
    Mesh mesh = side;
    hullAt(mesh, cx,
           {{6, ellipseHalf(20, 14, -2, 5)},
            {40, ellipseHalf(40, 24, -3, 5)},
            {96, ellipseHalf(40, 24, -3, 5)},
            {132, ellipseHalf(28, 18, -2, 5)}},
           fur);
    // The head: a broad muzzle, ears and two burning eyes.
    mesh.dome(cx, 132, 8, 26, 22, 14, bronze);
    mesh.dome(cx, 148, 10, 12, 10, 8, fur);
    Mesh ear;
    ear.dome(cx + 20, 114, 16, 7, 7, 6, fur);
    ear.dome(cx + 12, 130, 20, 5, 4, 3, lit(0xFF4020));
    mirrorAbout(ear, cx);
    mesh.append(ear);
    turret(mesh, cx, 64, 24, 9, 20, gold, 3);
    const Pose pose = bossPose();
    for (double x : {cx - 26, cx + 26})
        tailFlame(canvas.cr(), pose, {x, 4, 10}, 12, 10, kFlameCore, kFlameOrange);
    MeshRenderer::draw(canvas.cr(), mesh, pose);
    beacon(canvas.cr(), MeshRenderer::project({cx - 12, 130, 24}, pose), 3, rgb(0xFF6020));
    beacon(canvas.cr(), MeshRenderer::project({cx + 12, 130, 24}, pose), 3, rgb(0xFF6020));
}

// --- Stage 7: the death bringer, a spiked black dreadnought ---

void paintDeathbringer(Canvas& canvas, int) {
    const Material black = metal(0x24222A), red = metal(0x9A1824), steel = metal(0x5C5E6A);
    const double cx = 130;
    Mesh side;
    side.slab({{cx + 30, 30},
               {cx + 96, 20},
               {cx + 128, 46},
               {cx + 122, 100},
               {cx + 104, 92},
               {cx + 96, 130},
               {cx + 70, 120},
               {cx + 56, 170},
               {cx + 30, 150}},
              0, 12, black, black, 4);
    side.slab({{cx + 40, 40}, {cx + 92, 32}, {cx + 112, 50}, {cx + 60, 60}}, 12, 13, red, red);
    for (int i = 0; i < 4; ++i)
        side.slab({{cx + 70.0 + i * 12, 96.0 - i * 8},
                   {cx + 76.0 + i * 12, 96.0 - i * 8},
                   {cx + 76.0 + i * 12, 116.0 - i * 8}},
                  4, 14, red, red);
    turret(side, cx + 60, 80, 12, 8, 14, steel, 2);
    turret(side, cx + 100, 64, 12, 6, 12, steel, 2);
    turret(side, cx + 44, 124, 12, 6, 12, steel, 1);
    side.tube(cx + 40, 10, 4, 30, 10, kGunmetal);
    side.tube(cx + 80, 8, 10, 28, 7, kGunmetal);
    mirrorAbout(side, cx);
    Mesh mesh = side;
    hullAt(mesh, cx,
           {{4, ellipseHalf(26, 16, -2, 5)},
            {40, ellipseHalf(44, 26, -3, 5)},
            {130, ellipseHalf(40, 24, -3, 5)},
            {184, ellipseHalf(18, 14, -2, 5)},
            {206, ellipseHalf(4, 5, 0, 5)}},
           black);
    mesh.slab({{cx - 6, 20}, {cx + 6, 20}, {cx + 4, 190}, {cx - 4, 190}}, 26, 29, red, red);
    mesh.dome(cx, 80, 26, 18, 22, 10, steel);
    mesh.dome(cx, 76, 34, 8, 10, 4, lit(0xFF3030));
    turret(mesh, cx, 150, 24, 9, 24, steel, 2);
    const Pose pose = bossPose();
    for (double x : {cx - 80, cx - 40, cx + 40, cx + 80})
        tailFlame(canvas.cr(), pose, {x, 6, 10}, 14, 12, kFlameCore, rgb(0xFF3040));
    MeshRenderer::draw(canvas.cr(), mesh, pose);
    beacon(canvas.cr(), MeshRenderer::project({cx, 76, 38}, pose), 5, rgb(0xFF3030));
    lights(canvas.cr(), pose, {cx - 110, 50}, {cx - 50, 36}, 12, 4, rgb(0xFF4040));
    lights(canvas.cr(), pose, {cx + 50, 36}, {cx + 110, 50}, 12, 4, rgb(0xFF4040));
}

constexpr PainterRow kPainters[] = {
    {"S0037.BAI", paintRauder},
    {"S0041.BAI", paintSilverhawk},
    {"S0047.BAI", paintWingedBear},
    {"S0006.BAI", paintDeathbringer},
};

}  // namespace

std::span<const PainterRow> bossPainters() {
    return kPainters;
}

}  // namespace cindervane::assetgen
