// A part of the stage 6 boss.
#include "enemies/bosses/poseidon_v3_part.h"

#include <array>
#include <cstddef>
#include <iterator>
#include <memory>

#include "enemies/enemy_gun_row.h"

namespace cindervane {

namespace {

// The left wing's guns; the right wing's are the same mirrored. Guns 0 to 3 missiles under
// the wing, 4 and 5 the lasers at its tip, 6 to 10 a fan of particles from its root, 11 and
// 12 pulse beams, 13 a particle aimed at the ship.
constexpr EnemyGunRow kLeftWingGuns[] = {
    {40, 125, 2, 1, 1120, 5, 2, 9, 0, 1},   {70, 130, 2, 1, 1120, 5, 2, 9, 0, 1},
    {100, 132, 2, 1, 1120, 5, 2, 9, 0, 1},  {130, 128, 2, 1, 1120, 5, 2, 9, 0, 1},
    {10, 80, 2, 3, 640, 12, 0, 20, 0, 1},   {25, 100, 2, 3, 640, 12, 0, 20, 0, 1},
    {170, 120, 6, 2, 320, 8, 3, 3, -1, 1},  {170, 120, 6, 2, 320, 8, 1, 4, -1, 1},
    {170, 120, 6, 2, 320, 8, 0, 4, 0, 1},   {170, 120, 6, 2, 320, 8, 1, 4, 1, 1},
    {170, 120, 6, 2, 320, 8, 3, 3, 1, 1},   {95, 115, 3, 3, 1280, 26, 0, 5, 0, 1},
    {120, 118, 3, 3, 1280, 26, 1, 5, 1, 1}, {150, 110, 6, 1, 480, 8, 3, 3, 0, 1, true},
};
static_assert(std::size(kLeftWingGuns) == 14);

// The left back section's guns; the right one's mirrored. Only its outer edge shows past the
// body, so it fires from there: 0 and 1 napalm, 2 to 4 a spray of particles outwards, 5 and 6
// long lasers.
constexpr EnemyGunRow kLeftBackGuns[] = {
    {20, 215, 2, 1, 1600, 7, 0, 4, 0, 1},  {50, 218, 2, 1, 1600, 7, 0, 4, 0, 1},
    {30, 210, 4, 1, 320, 8, 4, 2, -1, 1},  {30, 210, 4, 1, 320, 8, 2, 4, -1, 1},
    {30, 210, 4, 1, 320, 8, 0, 5, 0, 1},   {10, 200, 2, 1, 800, 31, 0, 24, 0, 1},
    {40, 205, 2, 1, 800, 31, 0, 24, 0, 1},
};
static_assert(std::size(kLeftBackGuns) == 7);

// The widths of the shots, so a mirrored gun fires from the mirrored spot.
constexpr std::int32_t shotWidth(std::int32_t kind) {
    switch (kind) {
        case 5:
            return 5;
        case 7:
            return 8;
        case 12:
            return 7;
        case 26:
            return 13;
        case 31:
            return 9;
        default:
            return 10;
    }
}

template <std::size_t N>
constexpr std::array<EnemyGunRow, N> mirrored(const EnemyGunRow (&rows)[N], std::int32_t width) {
    std::array<EnemyGunRow, N> out{};
    for (std::size_t g = 0; g < N; ++g) {
        out[g] = rows[g];
        out[g].offsetX = width - rows[g].offsetX - shotWidth(rows[g].kind);
        out[g].dirX = -rows[g].dirX;
    }
    return out;
}

constexpr auto kRightWingGuns = mirrored(kLeftWingGuns, PoseidonV3Part::kWingWidth);
constexpr auto kRightBackGuns = mirrored(kLeftBackGuns, PoseidonV3Part::kBackWidth);

struct PieceRow {
    std::int32_t kind;
    std::int32_t hp;
    std::int32_t layer;  // 0 above the body, 1 beneath it
};

constexpr PieceRow kPieces[] = {
    {PoseidonV3Part::kLeftWingKind, PoseidonV3Part::kWingHp, 0},
    {PoseidonV3Part::kRightWingKind, PoseidonV3Part::kWingHp, 0},
    {PoseidonV3Part::kLeftBackKind, PoseidonV3Part::kBackHp, 1},
    {PoseidonV3Part::kRightBackKind, PoseidonV3Part::kBackHp, 1},
};

constexpr const PieceRow& rowOf(PoseidonV3Part::Piece piece) {
    return kPieces[static_cast<int>(piece)];
}

}  // namespace

PoseidonV3Part::PoseidonV3Part(Piece piece)
    : BossPart(rowOf(piece).kind, rowOf(piece).hp, rowOf(piece).layer) {
    switch (piece) {
        case Piece::LeftWing:
            addEnemyGuns(*this, kLeftWingGuns);
            break;
        case Piece::RightWing:
            addEnemyGuns(*this, kRightWingGuns);
            break;
        case Piece::LeftBack:
            addEnemyGuns(*this, kLeftBackGuns);
            break;
        case Piece::RightBack:
            addEnemyGuns(*this, kRightBackGuns);
            break;
    }
}

}  // namespace cindervane
