// The Deathbringer, boss of stage 7.
#include "enemies/bosses/deathbringer.h"

#include <iterator>

#include "enemies/enemy_gun_row.h"

namespace cindervane {

namespace {

constexpr std::int32_t kCoins = 20;
constexpr std::int32_t kPlating = 6;

// Guns 0 to 7 heavy missiles along the lower hull, 8 to 11 lasers from the bow cannons, 12 to
// 21 a fan of particles from the keel (none straight down), 22 to 25 pulse beams, 26 to 29
// particles aimed at the ship, 30 and 31 napalm, 32 and 33 long lasers at the outer edges.
constexpr EnemyGunRow kGuns[] = {
    {30, 195, 3, 1, 3030, 5, 0, 7, 0, 1},        {60, 200, 3, 1, 3030, 5, 0, 7, 0, 1},
    {90, 203, 3, 1, 3030, 5, 0, 7, 0, 1},        {115, 205, 3, 1, 3030, 5, 0, 7, 0, 1},
    {140, 205, 3, 1, 3030, 5, 0, 7, 0, 1},       {165, 203, 3, 1, 3030, 5, 0, 7, 0, 1},
    {195, 200, 3, 1, 3030, 5, 0, 7, 0, 1},       {225, 195, 3, 1, 3030, 5, 0, 7, 0, 1},
    {20, 150, 2, 1, 1960, 32, 0, 20, 0, 1},      {45, 170, 2, 1, 1960, 32, 0, 20, 0, 1},
    {205, 170, 2, 1, 1960, 32, 0, 20, 0, 1},     {230, 150, 2, 1, 1960, 32, 0, 20, 0, 1},
    {125, 200, 3, 1, 910, 8, 4, 1, -1, 1},       {125, 200, 3, 1, 910, 8, 4, 2, -1, 1},
    {125, 200, 3, 1, 910, 8, 3, 3, -1, 1},       {125, 200, 3, 1, 910, 8, 2, 4, -1, 1},
    {125, 200, 3, 1, 910, 8, 1, 4, -1, 1},       {125, 200, 3, 1, 910, 8, 1, 4, 1, 1},
    {125, 200, 3, 1, 910, 8, 2, 4, 1, 1},        {125, 200, 3, 1, 910, 8, 3, 3, 1, 1},
    {125, 200, 3, 1, 910, 8, 4, 2, 1, 1},        {125, 200, 3, 1, 910, 8, 4, 1, 1, 1},
    {70, 195, 3, 1, 3030, 27, 1, 5, -1, 1},      {100, 198, 3, 1, 3030, 27, 0, 5, 0, 1},
    {145, 198, 3, 1, 3030, 27, 0, 5, 0, 1},      {175, 195, 3, 1, 3030, 27, 1, 5, 1, 1},
    {50, 180, 2, 1, 1060, 8, 4, 4, 0, 1, true},  {95, 190, 2, 1, 1060, 8, 4, 4, 0, 1, true},
    {155, 190, 2, 1, 1060, 8, 4, 4, 0, 1, true}, {200, 180, 2, 1, 1060, 8, 4, 4, 0, 1, true},
    {80, 195, 2, 1, 4080, 7, 0, 4, 0, 1},        {170, 195, 2, 1, 4080, 7, 0, 4, 0, 1},
    {5, 120, 2, 1, 2270, 31, 0, 25, 0, 1},       {246, 120, 2, 1, 2270, 31, 0, 25, 0, 1},
};
static_assert(std::size(kGuns) == 34);

// Its sway about the middle of the screen, a pixel every third frame, every frame when fierce.
constexpr std::int32_t kSwayLeft = -20;
constexpr std::int32_t kSwayRight = 0;
constexpr std::int32_t kSwayFrames = 3;

}  // namespace

Deathbringer::Deathbringer(RandomGenerator& random) : Boss(kType, kFullHp, 4, 4, kCoins, random) {
    addEnemyGuns(*this, kGuns);
    plate(kPlating);
}

void Deathbringer::sway() {
    if (!fierce_ && volleyCounter_ % kSwayFrames != 0) return;
    if (getX() <= kSwayLeft)
        swayDir_ = 1;
    else if (getX() >= kSwayRight)
        swayDir_ = -1;
    setX(getX() + swayDir_);
}

void Deathbringer::withdraw() {
    // Up a pixel a frame for the first half, down again for the second, silent.
    retreat_ -= 1;
    setY(getY() + (retreat_ >= kRetreatFrames / 2 ? -1 : 1));
    if (retreat_ == 0) setInvulnerable(false);
}

void Deathbringer::fireVolley(std::int32_t c) {
    // A wall of missiles with one pair missing; the gap moves along from wall to wall. Fierce,
    // a wall every twenty frames instead of forty.
    const std::int32_t wallEvery = fierce_ ? 16 : 32;
    if (c % wallEvery == 0) {
        const int gap = 2 * ((c / wallEvery) % 4);
        for (int g = 0; g < 8; ++g)
            if (g != gap && g != gap + 1) fireGuns(g, g);
    }
    // The bow lasers down the sides, the outer pair then the inner: the middle stays open.
    if (c == 20) {
        fireGuns(8, 8);
        fireGuns(11, 11);
    } else if (c == 100) {
        fireGuns(9, 10);
    }
    // The whole fan twice a round; fierce, four times.
    if (c == 60 || c == 140 || (fierce_ && (c == 20 || c == 100))) fireGuns(12, 21);
    if (c == 30 || c == 110 || (fierce_ && (c == 70 || c == 150))) fireGuns(22, 25);
    // An aimed particle every twenty frames from each gun in turn; fierce, every ten.
    const std::int32_t aimEvery = fierce_ ? 10 : 20;
    if (c % aimEvery == 10) fireGuns(26 + (c / aimEvery) % 4, 26 + (c / aimEvery) % 4);
    if (c == 70) fireGuns(30, 31);
    if (c == 150 || (fierce_ && c == 50)) fireGuns(32, 33);
}

void Deathbringer::foretellBeams(BeamForecast& forecast) const {
    if (!isAlive() || getAge() < kArrivalAge) return;
    for (int gun : {8, 9, 10, 11, 32, 33}) {
        foretellGun(forecast, *this, -1, gun, [&](std::int32_t k) {
            // Its counter stands still while it withdraws.
            if (k <= retreat_) return false;
            const std::int32_t c = (volleyCounter_ + k - retreat_) % kVolleyRound;
            if (gun == 8 || gun == 11) return c == 20;
            if (gun <= 10) return c == 100;
            return c == 150 || (fierce_ && c == 50);
        });
    }
}

void Deathbringer::move() {
    if (isAlive()) {
        moveStep();
        if (getAge() <= kArrivalAge) setAge(getAge() + 1);
        if (getAge() == 1) {
            // Glide slowly: to the middle of the screen and down.
            setSpeedX(1);
            setSpeedY(1);
            setDirX(-1);
            setDirY(1);
        } else if (getAge() == kCentredAge) {
            setDirX(0);
        } else if (getAge() == kArrivalAge) {
            setDirY(0);
            setHpUnchecked(kFullHp);
            setInvulnerable(false);
            volleyCounter_ = 0;
        } else if (getAge() > kArrivalAge) {
            if (getHp() < kFierceHp && !fierce_) {
                // Hurt, it draws back out of reach to ready its guns, then returns fierce.
                fierce_ = true;
                retreat_ = kRetreatFrames;
                setInvulnerable(true);
            }
            if (retreat_ > 0) {
                withdraw();
            } else {
                volleyCounter_ = (volleyCounter_ + 1) % kVolleyRound;
                sway();
                fireVolley(volleyCounter_);
            }
        }
    }
    updateOwned();
}

}  // namespace cindervane
