// A section of the stage 8 boss.
#include "enemies/bosses/alpha_zero_section.h"

#include <array>
#include <cstddef>
#include <memory>

#include "enemies/enemy_gun_row.h"

namespace cindervane {

namespace {

// A slant of a particle: sideways and downward speeds.
struct Slant {
    std::int32_t speedX;
    std::int32_t speedY;
};
// Half a fan from steeply sideways to straight down; the other half mirrors it.
constexpr Slant kHalfFan[] = {{4, 1}, {4, 2}, {3, 2}, {3, 3}, {2, 3}, {2, 4}, {1, 4}, {0, 5}};
// Its twin: each spoke between two of the fan's (the first beyond its flattest), none
// straight down, so a ship that slipped between the fan's spokes must move again.
constexpr Slant kHalfSteepFan[] = {{6, 1}, {5, 2}, {5, 3}, {5, 4}, {4, 5}, {3, 5}, {2, 5}, {1, 6}};

// The front's guns. 0 to 15 a fan of particles from its nose, 16 to 31 its twin, whose
// spokes lie between the fan's; 32 to 47 pulse beams, straight then crossing, along its nose;
// 48 to 55 particles aimed at the ship; 56 to 61 napalm; 62 the broad beam; 63 the stream of
// aimed shots of the opening.
constexpr std::array<EnemyGunRow, 64> frontGuns() {
    std::array<EnemyGunRow, 64> rows{};
    for (int i = 0; i < 16; ++i) {
        const Slant& s = kHalfFan[i < 8 ? i : 15 - i];
        const Slant& steep = kHalfSteepFan[i < 8 ? i : 15 - i];
        const std::int32_t dirX = i < 8 ? -1 : 1;
        rows[i] = {31, 100, 2, 1, 990, 8, s.speedX, s.speedY, dirX, 1};
        rows[16 + i] = {31, 100, 2, 1, 990, 8, steep.speedX, steep.speedY, dirX, 1};
    }
    for (int i = 0; i < 16; ++i) {
        const std::int32_t slant = i < 8 ? 0 : 1;
        // The slanting eight cross under the nose: the left four lean right, the right four
        // left, so beside the front it stays clear.
        const std::int32_t inward = i % 8 < 4 ? 1 : -1;
        rows[32 + i] = {4 + (i % 8) * 8, 95, 2, 1, 3170, 26, slant, 5, slant ? inward : 0, 1};
    }
    for (int i = 0; i < 8; ++i)
        rows[48 + i] = {4 + i * 8, 100, 2, 1, 1190, 8, 4, 4, 0, 1, true};
    for (int i = 0; i < 6; ++i)
        rows[56 + i] = {6 + i * 11, 100, 2, 1, 3960, 7, 0, 4, 0, 1};
    rows[AlphaZeroSection::kBeamGun] = {4, 105, 1, 1, 550, 35, 0, 0, 0, 1};
    rows[AlphaZeroSection::kStreamGun] = {31, 100, 3, 3, 1190, 8, 5, 5, 0, 1, true};
    return rows;
}

// The centre's guns. 0 to 29 a curtain of particles from its left half, inner guns steeper,
// 30 to 59 the same from its right half: the opening fires them a pair a frame, outside in.
// 60 to 67 missiles along its lower edge, 68 to 71 lasers at its wingtips and sides, 72 and
// 73 particles aimed at the ship.
constexpr std::array<EnemyGunRow, 74> centreGuns() {
    std::array<EnemyGunRow, 74> rows{};
    for (int i = 0; i < 30; ++i) {
        // None falls straight down: the middle under the front stays open.
        const std::int32_t speedX = (29 - i) / 10 + 1;
        rows[i] = {8 + 2 * i, 80, 1, 1, 1190, 8, speedX, 4, -1, 1};
        rows[30 + i] = {162 - 2 * i, 80, 1, 1, 1190, 8, speedX, 4, 1, 1};
    }
    for (int i = 0; i < 8; ++i)
        rows[60 + i] = {20 + i * 20, 88, 2, 1, 2770, 5, 0, 7, 0, 1};
    rows[68] = {4, 60, 2, 1, 1980, 32, 0, 20, 0, 1};
    rows[69] = {30, 80, 2, 1, 1980, 32, 0, 20, 0, 1};
    rows[70] = {140, 80, 2, 1, 1980, 32, 0, 20, 0, 1};
    rows[71] = {166, 60, 2, 1, 1980, 32, 0, 20, 0, 1};
    rows[72] = {40, 85, 3, 1, 1190, 8, 4, 4, 0, 1, true};
    rows[73] = {130, 85, 3, 1, 1190, 8, 4, 4, 0, 1, true};
    return rows;
}

constexpr auto kFrontGuns = frontGuns();
constexpr auto kCentreGuns = centreGuns();

constexpr std::int32_t kKinds[] = {AlphaZeroSection::kFrontKind, AlphaZeroSection::kCentreKind,
                                   AlphaZeroSection::kRearKind};

}  // namespace

AlphaZeroSection::AlphaZeroSection(Piece piece)
    : BossPart(kKinds[static_cast<int>(piece)], kFullHp, 0) {
    if (piece == Piece::Front) addEnemyGuns(*this, kFrontGuns);
    if (piece == Piece::Centre) addEnemyGuns(*this, kCentreGuns);
}

}  // namespace cindervane
