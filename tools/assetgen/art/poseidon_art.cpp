// The Poseidon battleships: the stage 1 boss, and the second battleship that the stage 3 and
// stage 6 bosses share, with its wings and the stage 6 boss's engine towers.
#include <array>
#include <cmath>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/boss_kit.h"

namespace cindervane::assetgen {

namespace {

using namespace boss;

// --- Stage 1: the sea-green battleship ---

void paintPoseidon(Canvas& canvas, int) {
    const Material hullGreen = metal(0x2F7A6A), bronze = metal(0xB88A40), deck = metal(0x5A8C7C);
    const double cx = 110;
    Mesh side;
    // Swept sponsons carrying the laser cannons at their tips (guns at x 4 and 210, y 30).
    side.slab({{cx + 24, 10}, {cx + 102, 24}, {cx + 106, 34}, {cx + 100, 44}, {cx + 28, 54}}, 0, 7,
              hullGreen, hullGreen, 3);
    side.slab({{cx + 40, 22}, {cx + 96, 30}, {cx + 94, 36}, {cx + 42, 40}}, 7, 8, bronze, bronze);
    side.tube(cx + 101, 5, 20, 44, 3.2, kGunmetal);
    side.tube(cx + 101, 5, 44, 50, 1.8, lit(0xFF6040));
    side.tube(cx + 38, 4, -2, 14, 6, kGunmetal);  // engines at the stern
    turret(side, cx + 66, 38, 8, 5, 9, bronze, 2);
    side.slab({{cx + 14, 86}, {cx + 48, 96}, {cx + 46, 120}, {cx + 14, 126}}, 0, 6, hullGreen,
              hullGreen, 2);
    mirrorAbout(side, cx);
    Mesh mesh = side;
    hullAt(mesh, cx,
           {{2, ellipseHalf(22, 14, -2, 5)},
            {30, ellipseHalf(30, 18, -3, 5)},
            {80, ellipseHalf(34, 18, -3, 5)},
            {112, ellipseHalf(26, 14, -2, 5)},
            {131, ellipseHalf(8, 6, 0, 5)}},
           hullGreen);
    // Deck, bridge and the missile bay in the bow.
    Mesh top;
    top.slab({{cx - 18, 24}, {cx + 18, 24}, {cx + 14, 92}, {cx - 14, 92}}, 17, 19, deck, deck);
    top.box({cx - 10, 36}, {cx + 10, 58}, bronze);
    top.dome(cx, 44, 25, 7, 8, 5, glass(0x60E0FF));
    turret(top, cx, 72, 19, 6, 14, bronze, 2);
    for (int i = 0; i < 8; ++i)
        top.tube(62 + i * 13.6, 10, 112, 124, 2.2, kGunmetal, 6);
    mesh.append(top);
    const Pose pose = bossPose();
    for (double x : {cx - 38, cx + 38})
        tailFlame(canvas.cr(), pose, {x, -2, 4}, 9, 10, kFlameCore, kFlameOrange);
    MeshRenderer::draw(canvas.cr(), mesh, pose);
    lights(canvas.cr(), pose, {cx - 90, 40}, {cx - 40, 48}, 7, 4, rgb(0xFFD060), 1.0);
    lights(canvas.cr(), pose, {cx + 40, 48}, {cx + 90, 40}, 7, 4, rgb(0xFFD060), 1.0);
    beacon(canvas.cr(), MeshRenderer::project({cx, 112, 12}, pose), 3, rgb(0x80FFE0));
}

// --- Stages 3 and 6: the second battleship, its wings and its engine towers ---
//
// Boss space is the body's 220 x 145 frame. The left wing's frame sits at (-143, 18) and the
// right wing's at (154, 18), both 208 wide; the wing covers the body's side mounts. The wing
// pictures are cut at 110 rows for the stage 3 boss and at 145 for the stage 6 boss: the
// wing itself stays above row 109 of its frame and the escort pods hang below it.
//
// Both bosses load the one body picture, so the body is painted in a plum that neither the
// red-brown Mars nor the grey-green Uranus shares; the stage 6 boss is told apart by its
// bronze engine towers and the pods of its taller wing cut.

const Material kV2Hull = metal(0x4E2A64);
const Material kV2Trim = metal(0xC8D0D8);
const Material kV2Deck = metal(0x6E4488);

Mesh poseidonV2Body() {
    const double cx = 110;
    Mesh side;
    // Wing mounts on both sides (covered while the wings live).
    side.slab({{cx + 40, 34}, {cx + 108, 42}, {cx + 108, 104}, {cx + 40, 112}}, 0, 8, kGunmetal,
              kGunmetal, 2);
    side.box({cx + 60, 50, 8}, {cx + 100, 96, 11}, kDark);
    side.tube(cx + 30, 5, -1, 18, 7, kGunmetal);
    mirrorAbout(side, cx);
    Mesh mesh = side;
    hullAt(mesh, cx,
           {{1, ellipseHalf(30, 14, -2, 5)},
            {30, ellipseHalf(44, 20, -3, 5)},
            {90, ellipseHalf(46, 20, -3, 5)},
            {124, ellipseHalf(30, 15, -2, 5)},
            {142, ellipseHalf(10, 7, 0, 5)}},
           kV2Hull);
    mesh.slab({{cx - 22, 22}, {cx + 22, 22}, {cx + 18, 106}, {cx - 18, 106}}, 19, 21, kV2Deck,
              kV2Deck);
    mesh.box({cx - 12, 34, 21}, {cx + 12, 58, 25}, kV2Trim);
    mesh.dome(cx, 44, 25, 8, 8, 5, glass(0x60E0FF));
    turret(mesh, cx - 26, 70, 18, 6, 12, kV2Trim, 2);
    turret(mesh, cx + 26, 70, 18, 6, 12, kV2Trim, 2);
    turret(mesh, cx, 84, 21, 8, 18, kV2Trim, 2);
    for (int i = 0; i < 6; ++i)
        mesh.tube(cx - 30 + i * 12, 10, 124, 136, 2.4, kGunmetal, 6);
    return mesh;
}

void poseidonV2BodyLights(Canvas& canvas, const Pose& pose) {
    const double cx = 110;
    lights(canvas.cr(), pose, {cx - 36, 30}, {cx - 36, 110}, 16, 5, rgb(0xFFD080), 1.0);
    lights(canvas.cr(), pose, {cx + 36, 30}, {cx + 36, 110}, 16, 5, rgb(0xFFD080), 1.0);
    beacon(canvas.cr(), MeshRenderer::project({cx, 128, 12}, pose), 3, rgb(0x80FFE0));
}

void paintPoseidonV2Body(Canvas& canvas, int) {
    const Pose pose = bossPose();
    for (double x : {80.0, 140.0})
        tailFlame(canvas.cr(), pose, {x, -1, 5}, 11, 10, kFlameCore, kFlameBlue);
    MeshRenderer::draw(canvas.cr(), poseidonV2Body(), pose);
    poseidonV2BodyLights(canvas, pose);
}

// The left wing in boss space: its root lies over the body's left mount (x 0 to 65), its
// tip far out to the left, swept back towards the top of the screen.
Mesh poseidonLeftWing() {
    const Material armour = metal(0x7A5A98);
    Mesh mesh;
    mesh.slab(
        {{62, 32}, {-100, 28}, {-137, 27}, {-138, 42}, {-118, 58}, {-40, 90}, {20, 112}, {62, 118}},
        0, 9, kV2Hull, kV2Hull, 4);
    // A raised armour spine and a pale stripe along the leading edge.
    mesh.slab({{56, 48}, {-96, 38}, {-120, 44}, {-40, 74}, {20, 96}, {56, 102}}, 9, 12, armour,
              armour, 2);
    mesh.slab({{-118, 55}, {-40, 86}, {20, 108}, {20, 104}, {-40, 82}, {-112, 53}}, 9, 9.6, kV2Trim,
              kV2Trim);
    // The engine nacelle, its exhaust towards the top of the screen.
    Mesh nacelle;
    nacelle.loft({{30, ellipseHalf(7, 16, 4, 6)},
                  {36, ellipseHalf(10, 19, 2, 6)},
                  {78, ellipseHalf(10, 19, 2, 6)},
                  {92, ellipseHalf(5, 14, 6, 6)}},
                 kGunmetal);
    nacelle.translate(-68, 0, 0);
    mesh.append(nacelle);
    mesh.tube(-68, 12, 27, 30, 6.5, kDark, 10);
    // Guns: a pod at the tip and turrets along the leading edge.
    mesh.tube(-128, 8, 34, 62, 3.2, kGunmetal, 8);
    turret(mesh, -100, 60, 12, 6, 12, kV2Trim, 2);
    turret(mesh, -30, 84, 12, 6, 12, kV2Trim, 2);
    turret(mesh, 10, 100, 12, 6, 12, kV2Trim, 2);
    turret(mesh, 44, 78, 12, 7, 14, kV2Trim, 2);
    return mesh;
}

// Gun pods under the wing's root, beside the body's bow; seen only in the taller cut.
Mesh poseidonLeftPods() {
    Mesh pods;
    for (double x : {10.0, 34.0, 58.0}) {
        Mesh one;
        one.loft({{133, ellipseHalf(4, 7, 1, 4)},
                  {138, ellipseHalf(9, 10, -1, 4)},
                  {152, ellipseHalf(9, 10, -1, 4)},
                  {158, ellipseHalf(4, 7, 1, 4)}},
                 kV2Hull);
        one.dome(0, 142, 9, 4, 4, 2.5, glass(0x60E0FF));
        one.translate(x, 0, 0);
        one.tube(x, 5, 152, 160, 1.8, kDark, 6);
        pods.append(one);
    }
    return pods;
}

void paintWing(Canvas& canvas, bool right) {
    Mesh mesh = poseidonLeftWing();
    mesh.append(poseidonLeftPods());
    if (right) mirrorAbout(mesh, 110);
    // Left frame at (-143, 18); the right one is its mirror image at (154, 18).
    const Pose pose = bossPose(right ? 154 : -143, 18);
    auto at = [&](double x) { return right ? 220 - x : x; };
    tailFlame(canvas.cr(), pose, {at(-68), 28, 12}, 12, 12, kFlameCore, kFlameBlue);
    MeshRenderer::draw(canvas.cr(), mesh, pose);
    lights(canvas.cr(), pose, {at(-126), 58}, {at(-50), 86}, 9.6, 5, rgb(0x80F0FF), 1.0);
    lights(canvas.cr(), pose, {at(-60), 40}, {at(40), 52}, 12, 4, rgb(0xFFB040), 1.0);
}

void paintPoseidonLeftWing(Canvas& canvas, int) {
    paintWing(canvas, false);
}
void paintPoseidonRightWing(Canvas& canvas, int) {
    paintWing(canvas, true);
}

// The stage 6 boss's engine towers, drawn beneath the body: the left one's frame is at
// (-66, -125), the right one's at (133, -125), each 151 x 226.
void paintEngineTower(Canvas& canvas, bool right) {
    const Material hull = metal(0x8A5220), plate = metal(0xA89070), warning = metal(0xE8B030);
    Mesh mesh;
    const double cx = 10;  // the tower's axis in boss space (left tower)
    // A tapering tower: narrow at the top, where its engines are, broad at its foot.
    mesh.slab({{cx - 44, -112},
               {cx + 44, -112},
               {cx + 56, -70},
               {cx + 72, 40},
               {cx + 60, 96},
               {cx - 40, 96},
               {cx - 72, 50},
               {cx - 60, -70}},
              0, 12, hull, hull, 5);
    // Armour ribs down its face and a striped band under the engines.
    for (int i = 0; i < 5; ++i) {
        const double y = -50.0 + i * 22;
        mesh.slab({{cx - 54, y}, {cx + 58, y}, {cx + 60, y + 12}, {cx - 56, y + 12}}, 12, 15, plate,
                  plate, 1.5);
    }
    for (int i = 0; i < 6; ++i) {
        const double x = cx - 42 + i * 16;
        mesh.slab({{x, -76}, {x + 8, -76}, {x + 2, -66}, {x - 6, -66}}, 12, 13, warning, warning);
    }
    // Three great engines at the top.
    for (double x : {cx - 28, cx + 2, cx + 32}) {
        Mesh engine;
        engine.loft({{-122, ellipseHalf(10, 26, 4, 8)},
                     {-116, ellipseHalf(13, 28, 2, 8)},
                     {-86, ellipseHalf(13, 28, 2, 8)},
                     {-78, ellipseHalf(9, 22, 6, 8)}},
                    kGunmetal);
        engine.translate(x, 0, 0);
        mesh.append(engine);
        mesh.tube(x, 15, -124, -121, 8, kDark, 10);
    }
    // A radar dome and two turrets on the lower face.
    mesh.dome(cx + 30, -34, 15, 9, 9, 6, plate);
    mesh.dome(cx + 30, -34, 21, 3, 3, 2, lit(0xFF6040));
    turret(mesh, cx - 50, 60, 12, 7, 14, plate, 2);
    turret(mesh, cx + 44, 66, 12, 7, 14, plate, 2);
    if (right) mirrorAbout(mesh, 110);
    const Pose pose = bossPose(right ? 133 : -66, -125);
    for (double x : {cx - 28, cx + 2, cx + 32}) {
        const double mx = right ? 220 - x : x;
        tailFlame(canvas.cr(), pose, {mx, -124, 15}, 15, 12, kFlameCore, kFlameBlue);
    }
    MeshRenderer::draw(canvas.cr(), mesh, pose);
    const double lx = right ? 220 - (cx - 62) : cx - 62;
    lights(canvas.cr(), pose, {lx, -40}, {lx, 30}, 12, 4, rgb(0xFFC050), 1.1);
}

void paintPoseidonBackLeft(Canvas& canvas, int) {
    paintEngineTower(canvas, false);
}
void paintPoseidonBackRight(Canvas& canvas, int) {
    paintEngineTower(canvas, true);
}

constexpr PainterRow kPainters[] = {
    {"S0031.BAI", paintPoseidon},         {"S0034.BAI", paintPoseidonV2Body},
    {"S0032.BAI", paintPoseidonLeftWing}, {"S0033.BAI", paintPoseidonRightWing},
    {"S0035.BAI", paintPoseidonBackLeft}, {"S0036.BAI", paintPoseidonBackRight},
};

}  // namespace

std::span<const PainterRow> poseidonPainters() {
    return kPainters;
}

}  // namespace cindervane::assetgen
