// The eight bosses and their separately destructible sections. Each boss is modelled in the
// pixel space of its body's frame (origin at the body's top-left corner, facing down the
// screen); a section is the same model drawn through its own frame, shifted by the placement
// the game gives it, so the pieces meet exactly where the game puts them.
#include <array>
#include <cmath>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/craft_kit.h"
#include "tools/assetgen/random.h"

namespace cindervane::assetgen {

namespace {

const Material kDark = metal(0x2A2E36);
const Material kGunmetal = metal(0x4C525C);
const Colour kFlameCore = rgb(0xFFF2B0);
const Colour kFlameOrange = rgb(0xFF7A18);
const Colour kFlameBlue = rgb(0x50B0FF);

// A pose that draws boss space through a frame placed at (offsetX, offsetY) of the body.
Pose bossPose(double offsetX = 0, double offsetY = 0) {
    Pose pose;
    pose.originX = -offsetX;
    pose.originY = -offsetY;
    return pose;
}

// A gun turret: a dome with barrels pointing down the screen (or up with direction -1).
void turret(Mesh& mesh, double x, double y, double z, double radius, double barrel,
            const Material& material, int barrels = 1, double direction = 1) {
    mesh.dome(x, y, z, radius, radius, radius * 0.7, material, 10);
    for (int b = 0; b < barrels; ++b) {
        const double bx = x + (b - (barrels - 1) / 2.0) * radius * 0.7;
        mesh.tube(bx, z + radius * 0.45, y, y + barrel * direction, std::max(0.8, radius * 0.22),
                  kDark, 6);
    }
}

// A row of lights along a line.
void lights(cairo_t* cr, const Pose& pose, Point2 from, Point2 to, double z, int count,
            const Colour& colour, double radius = 1.2) {
    for (int i = 0; i < count; ++i) {
        const double t = count == 1 ? 0.5 : i / double(count - 1);
        beacon(cr,
               MeshRenderer::project(
                   {from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t, z}, pose),
               radius, colour);
    }
}

// A hull lofted along the line x = axis.
void hullAt(Mesh& mesh, double axis, const std::vector<Section>& sections,
            const Material& material) {
    Mesh hull;
    hull.loft(sections, material);
    hull.translate(axis, 0, 0);
    mesh.append(hull);
}

// Mirror a mesh built on the right of x = axis onto the left as well.
void mirrorAbout(Mesh& mesh, double axis) {
    mesh.translate(-axis, 0, 0);
    mesh.mirrorX();
    mesh.translate(axis, 0, 0);
}

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

// --- Stages 3 and 6: the second battleship, its wings and its engine towers ---
//
// Boss space is the body's 220 x 145 frame. The left wing's frame sits at (-143, 18) and the
// right wing's at (154, 18), both 208 wide; the wing covers the body's side mounts. The wing
// pictures are cut at 110 rows for the stage 3 boss and at 145 for the stage 6 boss: the
// wing itself stays above row 109 of its frame and the escort pods hang below it.

const Material kV2Hull = metal(0x1F5F7A);
const Material kV2Trim = metal(0xC8D0D8);
const Material kV2Deck = metal(0x3E7C94);

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
    lights(canvas.cr(), pose, {cx - 36, 30}, {cx - 36, 110}, 16, 5, rgb(0x80F0FF), 1.0);
    lights(canvas.cr(), pose, {cx + 36, 30}, {cx + 36, 110}, 16, 5, rgb(0x80F0FF), 1.0);
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
    const Material armour = metal(0x4A90A8);
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
    const Material hull = metal(0x25546C), plate = metal(0x7A8C98), warning = metal(0xD89020);
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

// --- Stage 8: the last boss, a core ship inside three sections ---
//
// Boss space is the core's 90 x 90 frame. The rear section's frame is at (0, -85), the
// centre's at (-45, 0), drawn over the core with an opening through which the core shows,
// and the front's at (9, 94). When the front falls the core fights alone and turns to aim,
// so it reads well at any angle.

const Material kOmegaHull = metal(0x3A3A48);
const Material kOmegaTrim = metal(0x9A7AD8);
const Material kOmegaDark = metal(0x1C1C24);

void paintAlphaZero(Canvas& canvas, int frame) {
    Mesh mesh;
    std::vector<Point2> body;
    for (int i = 0; i < 16; ++i) {
        const double a = i * 22.5 * M_PI / 180;
        const double r = (i % 2 ? 30 : 36) + (i == 8 ? 6 : 0);
        body.push_back({45 + std::sin(a) * r, 45 - std::cos(a) * r});
    }
    mesh.slab(body, 0, 10, kOmegaHull, kOmegaHull, 4);
    // Forward spike, pointing down the screen (towards the player).
    mesh.slab({{41, 70}, {49, 70}, {45, 88}}, 4, 12, kOmegaTrim, kOmegaTrim);
    mesh.dome(45, 45, 10, 22, 22, 12, kOmegaDark);
    for (int i = 0; i < 6; ++i) {
        const double a = (i * 60 + 30) * M_PI / 180;
        mesh.dome(45 + std::sin(a) * 26, 45 - std::cos(a) * 26, 10, 4, 4, 3, kOmegaTrim);
    }
    const std::array<std::uint32_t, 3> core = {0xA060FF, 0xD080FF, 0xFFD0FF};
    mesh.dome(45, 45, 21, 10, 10, 6, lit(core[frame]));
    const Pose pose = bossPose();
    MeshRenderer::draw(canvas.cr(), mesh, pose);
    beacon(canvas.cr(), MeshRenderer::project({45, 45, 27}, pose), 4 + frame * 2, rgb(core[frame]));
}

void paintOmegaRear(Canvas& canvas, int) {
    Mesh mesh;
    mesh.slab({{10, -80}, {80, -80}, {86, -30}, {80, -2}, {10, -2}, {4, -30}}, 0, 12, kOmegaHull,
              kOmegaHull, 4);
    for (double x : {22.0, 45.0, 68.0}) {
        mesh.tube(x, 14, -82, -50, 8, kGunmetal, 10);
        mesh.tube(x, 14, -83, -82, 5, kOmegaDark, 10);
    }
    mesh.slab({{16, -40}, {74, -40}, {70, -10}, {20, -10}}, 12, 14, kOmegaTrim, kOmegaTrim);
    const Pose pose = bossPose(0, -85);
    for (double x : {22.0, 45.0, 68.0})
        tailFlame(canvas.cr(), pose, {x, -83, 14}, 11, 10, kFlameCore, rgb(0xB070FF));
    MeshRenderer::draw(canvas.cr(), mesh, pose);
    lights(canvas.cr(), pose, {18, -24}, {72, -24}, 14, 5, rgb(0xD0A0FF), 1.0);
}

void paintOmegaCenter(Canvas& canvas, int) {
    Mesh mesh;
    // A ring round the core, with broad wings; the opening shows the core.
    std::vector<Point2> ring;
    for (int i = 0; i <= 24; ++i) {
        const double a = i * 15 * M_PI / 180;
        ring.push_back({45 + std::sin(a) * 44, 45 - std::cos(a) * 44});
    }
    Mesh side;
    side.slab({{82, 14}, {128, 4}, {134, 30}, {130, 76}, {100, 90}, {86, 72}}, 0, 12, kOmegaHull,
              kOmegaHull, 4);
    side.slab({{96, 18}, {124, 12}, {126, 40}, {98, 44}}, 12, 13, kOmegaTrim, kOmegaTrim);
    for (int i = 0; i < 3; ++i)
        turret(side, 104 + i * 9, 60 + i * 6, 12, 4, 8, kOmegaTrim, 1);
    mirrorAbout(side, 45);
    mesh.append(side);
    // The ring itself in segments, leaving the middle open.
    for (int i = 0; i < 12; ++i) {
        const double a0 = i * 30 * M_PI / 180, a1 = (i + 1) * 30 * M_PI / 180;
        mesh.slab({{45 + std::sin(a0) * 44, 45 - std::cos(a0) * 44},
                   {45 + std::sin(a1) * 44, 45 - std::cos(a1) * 44},
                   {45 + std::sin(a1) * 37, 45 - std::cos(a1) * 37},
                   {45 + std::sin(a0) * 37, 45 - std::cos(a0) * 37}},
                  4, 16, i % 3 == 0 ? kOmegaTrim : kOmegaHull, kOmegaHull);
    }
    const Pose pose = bossPose(-45, 0);
    MeshRenderer::draw(canvas.cr(), mesh, pose);
    for (int i = 0; i < 12; ++i) {
        const double a = (i * 30 + 15) * M_PI / 180;
        beacon(canvas.cr(),
               MeshRenderer::project({45 + std::sin(a) * 40.5, 45 - std::cos(a) * 40.5, 16}, pose),
               1.0, rgb(0xD0A0FF));
    }
}

void paintOmegaFront(Canvas& canvas, int) {
    Mesh mesh;
    mesh.slab({{14, 96}, {76, 96}, {72, 150}, {58, 196}, {45, 202}, {32, 196}, {18, 150}}, 0, 12,
              kOmegaHull, kOmegaHull, 4);
    mesh.slab({{26, 104}, {64, 104}, {60, 150}, {30, 150}}, 12, 14, kOmegaTrim, kOmegaTrim);
    mesh.tube(45, 16, 140, 198, 5, kGunmetal, 10);
    mesh.tube(45, 16, 198, 201, 3.5, lit(0xFF60A0), 10);
    turret(mesh, 24, 168, 8, 4, 8, kOmegaTrim, 1);
    turret(mesh, 66, 168, 8, 4, 8, kOmegaTrim, 1);
    const Pose pose = bossPose(9, 94);
    MeshRenderer::draw(canvas.cr(), mesh, pose);
    beacon(canvas.cr(), MeshRenderer::project({45, 200, 16}, pose), 3, rgb(0xFF60A0));
    lights(canvas.cr(), pose, {28, 118}, {62, 118}, 14, 4, rgb(0xD0A0FF), 1.0);
}

constexpr PainterRow kBossPainters[] = {
    {"S0031.BAI", paintPoseidon},          {"S0037.BAI", paintRauder},
    {"S0034.BAI", paintPoseidonV2Body},    {"S0032.BAI", paintPoseidonLeftWing},
    {"S0033.BAI", paintPoseidonRightWing}, {"S0035.BAI", paintPoseidonBackLeft},
    {"S0036.BAI", paintPoseidonBackRight}, {"S0041.BAI", paintSilverhawk},
    {"S0047.BAI", paintWingedBear},        {"S0006.BAI", paintDeathbringer},
    {"S0001.BAI", paintAlphaZero},         {"S0022.BAI", paintOmegaFront},
    {"S0023.BAI", paintOmegaCenter},       {"S0024.BAI", paintOmegaRear},
};

}  // namespace

std::span<const PainterRow> bossPainters() {
    return kBossPainters;
}

}  // namespace cindervane::assetgen
