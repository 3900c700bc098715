// A wing of the stage 3 boss.
#include "enemies/bosses/poseidon_v2_wing.h"

#include <array>
#include <cstddef>
#include <iterator>
#include <memory>

#include "enemies/enemy_gun_row.h"

namespace cindervane {

namespace {

// The left wing's guns; the right wing's are the same mirrored. Guns 0 to 3 missiles under
// the wing, 4 and 5 the lasers at its tip, 6 to 9 a fan of particles from its root, the last
// one aimed at the ship.
constexpr EnemyGunRow kLeftGuns[] = {
    {40, 95, 2, 1, 1820, 5, 2, 9, 0, 1},   {70, 100, 2, 1, 1820, 5, 2, 9, 0, 1},
    {100, 100, 2, 1, 1820, 5, 2, 9, 0, 1}, {130, 95, 2, 1, 1820, 5, 2, 9, 0, 1},
    {10, 60, 2, 1, 1300, 12, 0, 20, 0, 1}, {25, 75, 2, 1, 1300, 12, 0, 20, 0, 1},
    {170, 90, 6, 1, 660, 8, 2, 3, -1, 1},  {170, 90, 6, 1, 660, 8, 0, 3, 0, 1},
    {170, 90, 6, 1, 660, 8, 2, 3, 1, 1},   {170, 90, 6, 1, 970, 8, 3, 3, 0, 1, true},
};

constexpr EnemyGunRow mirrored(EnemyGunRow row, std::int32_t shotWidth) {
    row.offsetX = PoseidonV2Wing::kWidth - row.offsetX - shotWidth;
    row.dirX = -row.dirX;
    return row;
}

// The widths of the shots, so a mirrored gun fires from the mirrored spot.
constexpr std::int32_t shotWidth(std::int32_t kind) {
    return kind == 5 ? 5 : kind == 12 ? 7 : 10;
}

constexpr auto makeRightGuns() {
    std::array<EnemyGunRow, std::size(kLeftGuns)> rows{};
    for (std::size_t g = 0; g < rows.size(); ++g)
        rows[g] = mirrored(kLeftGuns[g], shotWidth(kLeftGuns[g].kind));
    return rows;
}

constexpr auto kRightGuns = makeRightGuns();

}  // namespace

PoseidonV2Wing::PoseidonV2Wing(Side side)
    : BossPart(side == Side::Left ? kLeftKind : kRightKind, kFullHp, 0) {
    if (side == Side::Left)
        addEnemyGuns(*this, kLeftGuns);
    else
        addEnemyGuns(*this, kRightGuns);
}

}  // namespace cindervane
