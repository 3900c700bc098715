// The Silver Hawk, boss of stage 4.
#include "enemies/bosses/silver_hawk.h"

#include <iterator>

#include "enemies/enemy_gun_row.h"
#include "enemies/motion.h"

namespace cindervane {

namespace {

constexpr std::int32_t kCoins = 12;

// Guns 0 and 1 the twin stream, 2 and 3 its slanted pair, 4 to 7 aimed particles, 8 and 9
// missiles, 10 and 11 pulse beams, 12 to 19 a fan of particles thrown all round its belly.
constexpr EnemyGunRow kGuns[] = {
    {12, 50, 8, 1, 600, 8, 0, 8, 0, 1},       {35, 50, 8, 1, 600, 8, 0, 8, 0, 1},
    {23, 50, 6, 1, 600, 8, 3, 7, -1, 1},      {23, 50, 6, 1, 600, 8, 3, 7, 1, 1},
    {23, 45, 3, 1, 900, 8, 5, 5, 0, 1, true}, {23, 45, 3, 1, 900, 8, 5, 5, 0, 1, true},
    {23, 45, 3, 1, 900, 8, 5, 5, 0, 1, true}, {23, 45, 3, 1, 900, 8, 5, 5, 0, 1, true},
    {8, 40, 3, 1, 2100, 5, 0, 11, 0, 1},      {44, 40, 3, 1, 2100, 5, 0, 11, 0, 1},
    {21, 50, 3, 1, 2400, 27, 0, 9, 0, 1},     {21, 50, 3, 1, 2400, 27, 0, 10, 0, 1},
    {23, 30, 3, 1, 600, 8, 4, 1, -1, 1},      {23, 30, 3, 1, 600, 8, 3, 3, -1, 1},
    {23, 30, 3, 1, 600, 8, 2, 4, -1, 1},      {23, 30, 3, 1, 600, 8, 0, 4, 0, 1},
    {23, 30, 3, 1, 600, 8, 2, 4, 1, 1},       {23, 30, 3, 1, 600, 8, 3, 3, 1, 1},
    {23, 30, 3, 1, 600, 8, 4, 1, 1, 1},       {23, 30, 3, 1, 600, 8, 0, 6, 0, 1},
};
static_assert(std::size(kGuns) == 20);

// The marks of its script.
constexpr std::int32_t kWaitAge = 1;
constexpr std::int32_t kClimbAge = 25;
constexpr std::int32_t kWeaveAge = 35;
constexpr std::int32_t kFirstDiveAge = 301;
constexpr std::int32_t kSecondWeaveAge = 331;
constexpr std::int32_t kSecondDiveAge = 501;
constexpr std::int32_t kRoundAge = 531;

constexpr std::int32_t kClimbSpeed = 11;
// It climbs in a lane along the side of the screen away from the ship, as a ram would be
// deadly, and weaves on this row.
constexpr std::int32_t kLeftLane = 8;
constexpr std::int32_t kRightLane = 240 - 57 - 8;
constexpr std::int32_t kWeaveRow = 36;
// A dive: fifteen frames down and fifteen back up, at this speed.
constexpr std::int32_t kDiveSpeed = 6;
constexpr std::int32_t kDiveFrames = 15;
// The weave of the sine weavers, narrowed and shifted for its width so it stays whole on
// the screen: its x runs between 12 and 172, at 90 degrees on the left and 270 on the right.
constexpr std::int32_t kWeaveFactor = 80;
constexpr std::int32_t kWeaveShift = -8;
constexpr std::int32_t kWeaveStep = 2;
constexpr std::int32_t kSecondWeaveStep = 3;
constexpr std::int32_t kFuryWeaveStep = 3;
constexpr std::int32_t kLeftWeaveAngle = 90;
constexpr std::int32_t kRightWeaveAngle = 270;
constexpr std::int32_t kVolleyRound = 60;

}  // namespace

SilverHawk::SilverHawk(RandomGenerator& random)
    : Boss(kType, kFullHp, kClimbSpeed, kClimbSpeed, kCoins, random) {
    addEnemyGuns(*this, kGuns);
}

void SilverHawk::chooseLane() {
    const Craft* ship = getTarget();
    const bool shipOnTheLeft = ship && ship->getX() + ship->width() / 2 < 120;
    setX(shipOnTheLeft ? kRightLane : kLeftLane);
    // The weave picks up where the lane ends.
    setOrbitAngle(shipOnTheLeft ? kRightWeaveAngle : kLeftWeaveAngle);
}

void SilverHawk::weave(std::int32_t step) {
    setDirX(0);
    if (getY() > kWeaveRow) {
        // Still climbing its lane: the last step lands on the row.
        setDirY(-1);
        setSpeedY(getY() - kWeaveRow < kClimbSpeed ? getY() - kWeaveRow : kClimbSpeed);
        return;
    }
    setDirY(0);
    setOrbitAngle((getOrbitAngle() + step) % 360);
    setX(weaveX(getOrbitAngle(), kWeaveFactor) + kWeaveShift);
}

void SilverHawk::dive() {
    // The dive starts at its mark; the frames after it count down, then up.
    const std::int32_t r = getAge() - (getAge() >= kSecondDiveAge ? kSecondDiveAge : kFirstDiveAge);
    setSpeedY(kDiveSpeed);
    setDirX(0);
    setDirY(r < kDiveFrames ? 1 : -1);
    if (r == 5) fireGuns(8, 9);
    if (r == kDiveFrames) fireGuns(12, 19);
}

void SilverHawk::firstVolley(std::int32_t c) {
    if (c % 6 == 0) fireGuns(0, 1);
    if (c == 15 || c == 45) fireGuns(8, 9);
    if (c == 30) fireGuns(12, 19);
    // One aimed particle every fifteen frames, from each gun in turn.
    if (c % 15 == 10) fireGuns(4 + c / 15, 4 + c / 15);
}

void SilverHawk::secondVolley(std::int32_t c) {
    if (c % 4 == 0) fireGuns(0, 1);
    if (c % 12 == 2) fireGuns(2, 3);
    if (c == 20 || c == 50) fireGuns(10, 11);
    if (c == 35) fireGuns(12, 19);
}

void SilverHawk::script() {
    if (getAge() == kWaitAge) {
        // It waits below the screen while the warning shows.
        setDirX(0);
        setDirY(0);
    } else if (getAge() == kClimbAge) {
        chooseLane();
        setDirY(-1);
        setSpeedY(kClimbSpeed);
    } else if (getAge() == kWeaveAge) {
        if (getInvulnerable()) {
            setHpUnchecked(kFullHp);
            setInvulnerable(false);
        }
        if (getPattern() != 4) setPattern(1);
    } else if (getAge() == kFirstDiveAge || getAge() == kSecondDiveAge) {
        if (getPattern() != 4) setPattern(2);
    } else if (getAge() == kSecondWeaveAge) {
        if (getPattern() != 4) setPattern(3);
    } else if (getAge() == kRoundAge) {
        setAge(kWeaveAge);
        if (getPattern() != 4) setPattern(1);
    }
}

void SilverHawk::move() {
    if (isAlive()) {
        moveStep();
        setAge(getAge() + 1);
        script();
        const std::int32_t c = volleyCounter_;
        if (getAge() >= kWeaveAge) {
            switch (getPattern()) {
                case 1:
                    weave(kWeaveStep);
                    firstVolley(c);
                    break;
                case 2:
                    dive();
                    break;
                case 3:
                    weave(kSecondWeaveStep);
                    secondVolley(c);
                    break;
                case 4:
                    weave(kFuryWeaveStep);
                    firstVolley(c);
                    secondVolley(c);
                    break;
                default:
                    break;
            }
            volleyCounter_ = (c + 1) % kVolleyRound;
            // Its fury waits until it is back on its row from a dive.
            if (getHp() < kFuryHp && getPattern() != 2) setPattern(4);
        }
    }
    updateOwned();
}

}  // namespace cindervane
