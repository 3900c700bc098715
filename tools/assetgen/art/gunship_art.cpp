// The large enemy craft: the EgMixer item carrier, the Mantaray gliders, the armoured
// Oyster, the Steiner gun platform and the flying turret. All are drawn facing down the
// screen.
#include <array>
#include <cmath>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/enemy_kit.h"

namespace cindervane::assetgen {

namespace {

using namespace enemy;

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

constexpr PainterRow kPainters[] = {
    {"S0007.BAI", paintEgMixer},      {"S0019.BAI", paintMantarayV1},
    {"S0020.BAI", paintMantarayV2},   {"S0021.BAI", paintMantarayV3},
    {"S0030.BAI", paintOyster},       {"S0042.BAI", paintSteiner},
    {"S0008.BAI", paintFlyingTurret},
};

}  // namespace

std::span<const PainterRow> gunshipPainters() {
    return kPainters;
}

}  // namespace cindervane::assetgen
