// What the two winged Poseidons share.
#include "enemies/bosses/winged_poseidon.h"

#include <iterator>

#include "enemies/enemy_gun_row.h"

namespace cindervane {

namespace {

// The body's guns. Guns 0 to 7 missiles along its belly, 8 to 11 lasers, 12 to 19 a fan of
// particles from its nose, 20 to 27 pulse beams, 28 to 35 particles aimed at the ship, 36 to
// 38 napalm, 39 to 42 particles thrown out to the sides.
constexpr EnemyGunRow kBodyGuns[] = {
    {60, 130, 2, 1, 1400, 5, 2, 10, 0, 1},      {70, 135, 2, 1, 1400, 5, 2, 10, 0, 1},
    {80, 138, 2, 1, 1400, 5, 2, 10, 0, 1},      {90, 140, 2, 1, 1400, 5, 2, 10, 0, 1},
    {125, 140, 2, 1, 1400, 5, 2, 10, 0, 1},     {135, 138, 2, 1, 1400, 5, 2, 10, 0, 1},
    {145, 135, 2, 1, 1400, 5, 2, 10, 0, 1},     {155, 130, 2, 1, 1400, 5, 2, 10, 0, 1},
    {4, 40, 2, 1, 1000, 32, 0, 25, 0, 1},       {206, 40, 2, 1, 1000, 32, 0, 25, 0, 1},
    {30, 70, 2, 1, 1000, 32, 0, 25, 0, 1},      {180, 70, 2, 1, 1000, 32, 0, 25, 0, 1},
    {105, 130, 5, 1, 400, 8, 3, 3, -1, 1},      {105, 130, 5, 1, 400, 8, 2, 4, -1, 1},
    {105, 130, 5, 1, 400, 8, 1, 4, -1, 1},      {105, 130, 5, 1, 400, 8, 0, 4, 0, 1},
    {105, 130, 5, 1, 400, 8, 0, 6, 0, 1},       {105, 130, 5, 1, 400, 8, 1, 4, 1, 1},
    {105, 130, 5, 1, 400, 8, 2, 4, 1, 1},       {105, 130, 5, 1, 400, 8, 3, 3, 1, 1},
    {20, 110, 3, 1, 1600, 26, 0, 5, 0, 1},      {20, 110, 3, 1, 1600, 26, 2, 5, -1, 1},
    {45, 120, 3, 1, 1600, 26, 0, 5, 0, 1},      {45, 120, 3, 1, 1600, 26, 1, 5, -1, 1},
    {162, 120, 3, 1, 1600, 26, 0, 5, 0, 1},     {162, 120, 3, 1, 1600, 26, 1, 5, 1, 1},
    {187, 110, 3, 1, 1600, 26, 0, 5, 0, 1},     {187, 110, 3, 1, 1600, 26, 2, 5, 1, 1},
    {50, 120, 2, 1, 600, 8, 4, 4, 0, 1, true},  {165, 120, 2, 1, 600, 8, 4, 4, 0, 1, true},
    {80, 135, 2, 1, 600, 8, 4, 4, 0, 1, true},  {135, 135, 2, 1, 600, 8, 4, 4, 0, 1, true},
    {105, 140, 2, 1, 600, 8, 4, 4, 0, 1, true}, {20, 100, 2, 1, 600, 8, 4, 4, 0, 1, true},
    {195, 100, 2, 1, 600, 8, 4, 4, 0, 1, true}, {105, 120, 2, 1, 600, 8, 5, 5, 0, 1, true},
    {70, 100, 2, 1, 2000, 7, 0, 4, 0, 1},       {106, 100, 2, 1, 2000, 7, 0, 4, 0, 1},
    {142, 100, 2, 1, 2000, 7, 0, 4, 0, 1},      {60, 110, 2, 1, 400, 8, 4, 1, -1, 1},
    {150, 110, 2, 1, 400, 8, 4, 1, 1, 1},       {60, 110, 2, 1, 400, 8, 4, 2, -1, 1},
    {150, 110, 2, 1, 400, 8, 4, 2, 1, 1},
};
static_assert(std::size(kBodyGuns) == 43);

constexpr std::int32_t kVolleyRound = 300;
constexpr std::int32_t kShowFrames = 300;

// The counts on which the wings fire: three rounds of six, fifteen frames apart.
constexpr std::int32_t kWingVolleys[] = {10,  25,  40,  55,  70,  85,  110, 125, 140,
                                         155, 170, 185, 210, 225, 240, 255, 270, 285};

}  // namespace

WingedPoseidon::WingedPoseidon(std::int32_t kind, std::int32_t hp, std::int32_t speedX,
                               std::int32_t speedY, std::int32_t coins, RandomGenerator& random)
    : Boss(kind, hp, speedX, speedY, coins, random) {
    addEnemyGuns(*this, kBodyGuns);
}

bool WingedPoseidon::isWingVolley(std::int32_t c) {
    for (std::int32_t each : kWingVolleys)
        if (each == c) return true;
    return false;
}

bool WingedPoseidon::partAlive(int slot) const {
    const Enemy* piece = part(slot);
    return piece && piece->isAlive();
}

void WingedPoseidon::advanceCounter() {
    volleyCounter_ = (volleyCounter_ + 1) % kVolleyRound;
}

void WingedPoseidon::showRightWing() {
    const std::int32_t wingX = part(kRightWing)->getX();
    // First it slides left until the wing is near the screen's left edge.
    if (phaseTimer_ == 0 && wingX > -30) {
        setDirX(-1);
        return;
    }
    phaseTimer_ += 1;
    if (phaseTimer_ >= kShowFrames) {
        setPattern(0);
        phaseTimer_ = 0;
    } else if (wingX < -30) {
        setDirX(1);
    } else if (wingX + width() - 30 > 270) {
        setDirX(-1);
    }
}

void WingedPoseidon::showLeftWing() {
    const Enemy& wing = *part(kLeftWing);
    // First it slides right until the wing's right edge is near the screen's right edge.
    if (phaseTimer_ == 0 && wing.getX() + wing.width() < 270) {
        setDirX(1);
        return;
    }
    phaseTimer_ += 1;
    if (phaseTimer_ >= kShowFrames) {
        setPattern(0);
        phaseTimer_ = 0;
    } else if (wing.getX() < -60) {
        setDirX(1);
    } else if (width() + wing.getX() > 270) {
        setDirX(-1);
    }
}

void WingedPoseidon::bareVolley(std::int32_t c) {
    if (bareFrames_ < kWindUpFrames) {
        bareFrames_ += 1;
        if (bareFrames_ < kWindUpFrames) return;
    }
    // Missile pairs from the outside in, twice in sixty frames.
    const std::int32_t r = c % 60;
    if (r == 0 || r == 30) {
        fireGuns(0, 0);
        fireGuns(7, 7);
    } else if (r == 5 || r == 35) {
        fireGuns(1, 1);
        fireGuns(6, 6);
    } else if (r == 10 || r == 40) {
        fireGuns(2, 2);
        fireGuns(5, 5);
    } else if (r == 15 || r == 45) {
        fireGuns(3, 4);
    }
    if (r == 20) fireGuns(8, 9);
    if (r == 50) fireGuns(10, 11);
    if (r == 25) fireGuns(12, 19);
    if (r == 55) fireGuns(20, 27);
    if (c % 150 == 90) fireGuns(36, 38);
    if (c % 150 == 100) fireGuns(39, 42);
}

void WingedPoseidon::foretellWingAndBodyLasers(BeamForecast& forecast, std::int32_t wait) const {
    // A count no volley is keyed on while the counter still waits.
    auto count = [&](std::int32_t k) {
        return k <= wait ? -1 : (volleyCounter_ + k - wait) % kVolleyRound;
    };
    for (int slot : {kLeftWing, kRightWing}) {
        if (!partAlive(slot)) continue;
        for (int gun : {4, 5})
            foretellGun(forecast, *part(slot), slot, gun,
                        [&](std::int32_t k) { return isWingVolley(count(k)); });
    }
    if (partAlive(kLeftWing) || partAlive(kRightWing)) return;
    for (int gun = 8; gun <= 11; ++gun) {
        const std::int32_t due = gun <= 9 ? 20 : 50;
        foretellGun(forecast, *this, -1, gun, [&](std::int32_t k) {
            return bareFrames_ + k >= kWindUpFrames && count(k) % 60 == due;
        });
    }
}

void WingedPoseidon::aimedVolley(std::int32_t c) {
    if (c % 20 == 7) fireGuns(28 + (c / 20) % 8, 28 + (c / 20) % 8);
    if (c % 20 == 17) fireGuns(28 + (c / 20 + 4) % 8, 28 + (c / 20 + 4) % 8);
}

}  // namespace cindervane
