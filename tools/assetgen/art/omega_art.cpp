// The stage 8 boss: the Alpha Zero core ship inside its rear, centre and front sections.
#include <array>
#include <cmath>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/boss_kit.h"

namespace cindervane::assetgen {

namespace {

using namespace boss;

// --- Stage 8: the last boss, a core ship inside three sections ---
//
// Boss space is the core's 90 x 90 frame. The rear section's frame is at (0, -85), the
// centre's at (-45, 0), drawn over the core with an opening through which the core shows,
// and the front's at (9, 94). The sections are drawn up to the rows where their frames meet
// (rear to centre at row 0, centre to front at row 94), with a neck across each join, so the
// three read as one ship. When the front falls the core fights alone and turns to aim, so it
// reads well at any angle.

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
    mesh.slab({{10, -80}, {80, -80}, {86, -30}, {78, 6}, {12, 6}, {4, -30}}, 0, 12, kOmegaHull,
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
    // Necks across the joins: up into the rear section and down into the front.
    mesh.slab({{14, -6}, {76, -6}, {70, 6}, {20, 6}}, 0, 12, kOmegaHull, kOmegaHull, 4);
    mesh.slab({{24, 84}, {66, 84}, {72, 100}, {18, 100}}, 0, 12, kOmegaHull, kOmegaHull, 4);
    mesh.slab({{30, 88}, {60, 88}, {62, 100}, {28, 100}}, 12, 13, kOmegaTrim, kOmegaTrim);
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
    mesh.slab({{16, 88}, {74, 88}, {72, 150}, {58, 196}, {45, 202}, {32, 196}, {18, 150}}, 0, 12,
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

constexpr PainterRow kPainters[] = {
    {"S0001.BAI", paintAlphaZero},
    {"S0022.BAI", paintOmegaFront},
    {"S0023.BAI", paintOmegaCenter},
    {"S0024.BAI", paintOmegaRear},
};

}  // namespace

std::span<const PainterRow> omegaPainters() {
    return kPainters;
}

}  // namespace cindervane::assetgen
