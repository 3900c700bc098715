// The Poseidon V2, boss of stage 3.
#include "enemies/bosses/poseidon_v2.h"

#include <iterator>
#include <memory>

#include "enemies/bosses/poseidon_v2_wing.h"
#include "enemies/enemy_gun_row.h"

namespace cindervane {

namespace {

constexpr std::int32_t kCoins = 5;

// The body's guns, silent while a wing lives. Guns 0 to 7 missiles along its belly, 8 to 11
// lasers, 12 to 19 a fan of particles from its nose, 20 to 27 pulse beams, 28 to 35 particles
// aimed at the ship, 36 to 38 napalm, 39 to 42 particles thrown out to the sides.
constexpr EnemyGunRow kGuns[] = {
    {60, 130, 2, 1, 700, 5, 2, 10, 0, 1},       {70, 135, 2, 1, 700, 5, 2, 10, 0, 1},
    {80, 138, 2, 1, 700, 5, 2, 10, 0, 1},       {90, 140, 2, 1, 700, 5, 2, 10, 0, 1},
    {125, 140, 2, 1, 700, 5, 2, 10, 0, 1},      {135, 138, 2, 1, 700, 5, 2, 10, 0, 1},
    {145, 135, 2, 1, 700, 5, 2, 10, 0, 1},      {155, 130, 2, 1, 700, 5, 2, 10, 0, 1},
    {4, 40, 2, 1, 500, 32, 0, 25, 0, 1},        {206, 40, 2, 1, 500, 32, 0, 25, 0, 1},
    {30, 70, 2, 1, 500, 32, 0, 25, 0, 1},       {180, 70, 2, 1, 500, 32, 0, 25, 0, 1},
    {105, 130, 5, 1, 200, 8, 3, 3, -1, 1},      {105, 130, 5, 1, 200, 8, 2, 4, -1, 1},
    {105, 130, 5, 1, 200, 8, 1, 4, -1, 1},      {105, 130, 5, 1, 200, 8, 0, 4, 0, 1},
    {105, 130, 5, 1, 200, 8, 0, 6, 0, 1},       {105, 130, 5, 1, 200, 8, 1, 4, 1, 1},
    {105, 130, 5, 1, 200, 8, 2, 4, 1, 1},       {105, 130, 5, 1, 200, 8, 3, 3, 1, 1},
    {20, 110, 3, 1, 800, 26, 0, 5, 0, 1},       {20, 110, 3, 1, 800, 26, 2, 5, -1, 1},
    {45, 120, 3, 1, 800, 26, 0, 5, 0, 1},       {45, 120, 3, 1, 800, 26, 1, 5, -1, 1},
    {162, 120, 3, 1, 800, 26, 0, 5, 0, 1},      {162, 120, 3, 1, 800, 26, 1, 5, 1, 1},
    {187, 110, 3, 1, 800, 26, 0, 5, 0, 1},      {187, 110, 3, 1, 800, 26, 2, 5, 1, 1},
    {50, 120, 2, 1, 300, 8, 4, 4, 0, 1, true},  {165, 120, 2, 1, 300, 8, 4, 4, 0, 1, true},
    {80, 135, 2, 1, 300, 8, 4, 4, 0, 1, true},  {135, 135, 2, 1, 300, 8, 4, 4, 0, 1, true},
    {105, 140, 2, 1, 300, 8, 4, 4, 0, 1, true}, {20, 100, 2, 1, 300, 8, 4, 4, 0, 1, true},
    {195, 100, 2, 1, 300, 8, 4, 4, 0, 1, true}, {105, 120, 2, 1, 300, 8, 5, 5, 0, 1, true},
    {70, 100, 2, 1, 1000, 7, 0, 4, 0, 1},       {106, 100, 2, 1, 1000, 7, 0, 4, 0, 1},
    {142, 100, 2, 1, 1000, 7, 0, 4, 0, 1},      {60, 110, 2, 1, 200, 8, 4, 1, -1, 1},
    {150, 110, 2, 1, 200, 8, 4, 1, 1, 1},       {60, 110, 2, 1, 200, 8, 4, 2, -1, 1},
    {150, 110, 2, 1, 200, 8, 4, 2, 1, 1},
};
static_assert(std::size(kGuns) == 43);

// Where the wings sit on the body.
constexpr std::int32_t kLeftWingX = -143;
constexpr std::int32_t kRightWingX = 154;
constexpr std::int32_t kWingY = 18;

// Its age runs to the arrival and one frame past it, then holds: above the screen at a
// lower age it only comes down.
constexpr std::int32_t kArrivalAge = 5;
constexpr std::int32_t kHeldAge = 6;
constexpr std::int32_t kVolleyRound = 300;
constexpr std::int32_t kSweepFrames = 200;
constexpr std::int32_t kShowFrames = 300;
constexpr std::int32_t kBareSpeedX = 2;

// The counts on which the wings fire: three rounds of six, fifteen frames apart.
constexpr std::int32_t kWingVolleys[] = {10,  25,  40,  55,  70,  85,  110, 125, 140,
                                         155, 170, 185, 210, 225, 240, 255, 270, 285};

constexpr bool within(std::int32_t c, std::int32_t low, std::int32_t high) {
    return c >= low && c <= high;
}

}  // namespace

PoseidonV2::PoseidonV2(RandomGenerator& random) : Boss(kType, kFullHp, 1, 1, kCoins, random) {
    addEnemyGuns(*this, kGuns);
    setPartCount(2);
    parts_[kLeftWing] = std::make_unique<PoseidonV2Wing>(PoseidonV2Wing::Side::Left);
    parts_[kRightWing] = std::make_unique<PoseidonV2Wing>(PoseidonV2Wing::Side::Right);
}

bool PoseidonV2::isWingVolley(std::int32_t c) {
    for (std::int32_t each : kWingVolleys)
        if (each == c) return true;
    return false;
}

bool PoseidonV2::wingAlive(int slot) const {
    const Enemy* wing = part(slot);
    return wing && wing->isAlive();
}

void PoseidonV2::placeParts() {
    for (int i = 0; i < partCount_; ++i) {
        Enemy* wing = parts_[i].get();
        if (!wing) continue;
        wing->setX(x_ + (i == kLeftWing ? kLeftWingX : kRightWingX));
        wing->setY(y_ + kWingY);
    }
}

void PoseidonV2::bob() {
    const std::int32_t c = volleyCounter_;
    if (within(c, 11, 19) || within(c, 151, 159))
        dirY_ = -1;
    else if (within(c, 71, 79) || within(c, 281, 289))
        dirY_ = 1;
    else
        dirY_ = 0;
}

void PoseidonV2::arrive() {
    dirX_ = 1;
    dirY_ = 0;
    hp_ = kFullHp;
    invulnerable_ = false;
    for (int i = 0; i < partCount_; ++i) {
        if (Enemy* wing = parts_[i].get()) {
            wing->setHp(PoseidonV2Wing::kFullHp);
            wing->setInvulnerable(false);
        }
    }
    volleyCounter_ = 0;
    phaseTimer_ = 0;
    nextSide_ = Side::Right;
    if (wingAlive(kRightWing)) pattern_ = 1;
}

void PoseidonV2::advanceCounter() {
    volleyCounter_ = (volleyCounter_ + 1) % kVolleyRound;
}

void PoseidonV2::sweep() {
    advanceCounter();
    phaseTimer_ += 1;
    if (phaseTimer_ >= kSweepFrames) {
        phaseTimer_ = 0;
        if (nextSide_ == Side::Left) {
            pattern_ = 2;
            nextSide_ = Side::Right;
        } else {
            pattern_ = 1;
            nextSide_ = Side::Left;
        }
    } else if (x_ < -30) {
        dirX_ = 1;
    } else if (x_ + width() > 270) {
        dirX_ = -1;
    }
}

void PoseidonV2::showRightWing() {
    advanceCounter();
    const std::int32_t wingX = parts_[kRightWing]->getX();
    // First it slides left until the wing is near the screen's left edge.
    if (phaseTimer_ == 0 && wingX > -30) {
        dirX_ = -1;
        return;
    }
    phaseTimer_ += 1;
    if (phaseTimer_ >= kShowFrames) {
        pattern_ = 0;
        phaseTimer_ = 0;
    } else if (wingX < -30) {
        dirX_ = 1;
    } else if (wingX + width() - 30 > 270) {
        dirX_ = -1;
    }
}

void PoseidonV2::showLeftWing() {
    advanceCounter();
    const Enemy& wing = *parts_[kLeftWing];
    // First it slides right until the wing's right edge is near the screen's right edge.
    if (phaseTimer_ == 0 && wing.getX() + wing.width() < 270) {
        dirX_ = 1;
        return;
    }
    phaseTimer_ += 1;
    if (phaseTimer_ >= kShowFrames) {
        pattern_ = 0;
        phaseTimer_ = 0;
    } else if (wing.getX() < -60) {
        dirX_ = 1;
    } else if (width() + wing.getX() > 270) {
        dirX_ = -1;
    }
}

void PoseidonV2::fireGuns(int first, int last) {
    for (int g = first; g <= last; ++g)
        if (Gun* each = gun(g)) each->fire(x_, y_);
}

void PoseidonV2::bodyVolley(std::int32_t c) {
    // Missile pairs from the outside in, twice a minute of sixty frames.
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
    // One aimed particle every twenty frames, from each gun in turn.
    if (c % 20 == 7) fireGuns(28 + (c / 20) % 8, 28 + (c / 20) % 8);
    if (c % 150 == 90) fireGuns(36, 38);
    if (c % 150 == 100) fireGuns(39, 42);
}

void PoseidonV2::move() {
    if (alive_) {
        moveStep();
        if (y_ >= 1 || age_ >= kHeldAge) {
            bob();
            if (age_ < kHeldAge) age_ += 1;
            if (age_ == kArrivalAge) {
                arrive();
            } else if (age_ > kArrivalAge) {
                if (pattern_ == 1 && !wingAlive(kRightWing)) pattern_ = 0;
                if (pattern_ == 2 && !wingAlive(kLeftWing)) pattern_ = 0;
                if (pattern_ == 1)
                    showRightWing();
                else if (pattern_ == 2)
                    showLeftWing();
                else
                    sweep();
                const std::int32_t c = volleyCounter_;
                if (isWingVolley(c))
                    for (int i = 0; i < partCount_; ++i)
                        if (wingAlive(i)) parts_[i]->fire();
                if (!wingAlive(kLeftWing) && !wingAlive(kRightWing)) {
                    setSpeedX(kBareSpeedX);
                    bodyVolley(c);
                }
            }
        }
    }
    updateOwned();
}

}  // namespace cindervane
