// The enemy drones: the round Gashiings, the Scroop insects, the rolling Vazna crescent, the
// Windchart kites and the spinning Whitecross. All are drawn facing down the screen.
#include <array>
#include <cmath>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/enemy_kit.h"

namespace cindervane::assetgen {

namespace {

using namespace enemy;

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

constexpr PainterRow kPainters[] = {
    {"S0009.BAI", paintGashiing},     {"S0010.BAI", paintGashiingAlpha},
    {"S0011.BAI", paintGashiingBeta}, {"S0012.BAI", paintGashiingGamma},
    {"S0038.BAI", paintScroop},       {"S0039.BAI", paintScroopBuru},
    {"S0040.BAI", paintScroopKing},   {"S0043.BAI", paintVazna},
    {"S0046.BAI", paintWindchart},    {"S0045.BAI", paintWindchartDrill},
    {"S0044.BAI", paintWhitecross},
};

}  // namespace

std::span<const PainterRow> dronePainters() {
    return kPainters;
}

}  // namespace cindervane::assetgen
