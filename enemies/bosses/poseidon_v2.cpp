// The Poseidon V2, boss of stage 3.
#include "enemies/bosses/poseidon_v2.h"

#include <memory>

#include "enemies/bosses/poseidon_v2_wing.h"

namespace cindervane {

namespace {

constexpr std::int32_t kCoins = 5;

// Where the wings sit on the body.
constexpr std::int32_t kLeftWingX = -143;
constexpr std::int32_t kRightWingX = 154;
constexpr std::int32_t kWingY = 18;

// Its age runs to the arrival and one frame past it, then holds: above the screen at a
// lower age it only comes down.
constexpr std::int32_t kArrivalAge = 5;
constexpr std::int32_t kHeldAge = 6;
constexpr std::int32_t kSweepFrames = 200;
constexpr std::int32_t kBareSpeedX = 2;

constexpr bool within(std::int32_t c, std::int32_t low, std::int32_t high) {
    return c >= low && c <= high;
}

}  // namespace

// The body's guns stay silent while a wing lives.
PoseidonV2::PoseidonV2(RandomGenerator& random)
    : WingedPoseidon(kType, kFullHp, 1, 1, kCoins, random) {
    setPartCount(2);
    setPart(kLeftWing, std::make_unique<PoseidonV2Wing>(PoseidonV2Wing::Side::Left));
    setPart(kRightWing, std::make_unique<PoseidonV2Wing>(PoseidonV2Wing::Side::Right));
}

void PoseidonV2::placeParts() {
    for (int i = 0; i < getPartCount(); ++i) {
        Enemy* wing = part(i);
        if (!wing) continue;
        wing->setX(getX() + (i == kLeftWing ? kLeftWingX : kRightWingX));
        wing->setY(getY() + kWingY);
    }
}

void PoseidonV2::bob() {
    const std::int32_t c = volleyCounter_;
    if (within(c, 11, 19) || within(c, 151, 159))
        setDirY(-1);
    else if (within(c, 71, 79) || within(c, 281, 289))
        setDirY(1);
    else
        setDirY(0);
}

void PoseidonV2::arrive() {
    setDirX(1);
    setDirY(0);
    setHpUnchecked(kFullHp);
    setInvulnerable(false);
    for (int i = 0; i < getPartCount(); ++i) {
        if (Enemy* wing = part(i)) {
            wing->setHp(PoseidonV2Wing::kFullHp);
            wing->setInvulnerable(false);
        }
    }
    volleyCounter_ = 0;
    phaseTimer_ = 0;
    nextSide_ = Side::Right;
    if (partAlive(kRightWing)) setPattern(1);
}

void PoseidonV2::sweep() {
    phaseTimer_ += 1;
    if (phaseTimer_ >= kSweepFrames) {
        phaseTimer_ = 0;
        if (nextSide_ == Side::Left) {
            setPattern(2);
            nextSide_ = Side::Right;
        } else {
            setPattern(1);
            nextSide_ = Side::Left;
        }
    } else if (getX() < -30) {
        setDirX(1);
    } else if (getX() + width() > 270) {
        setDirX(-1);
    }
}

void PoseidonV2::foretellBeams(BeamForecast& forecast) const {
    // Its counter runs from the frame after its arrival on. Coming down, its age counts from
    // the frame its top reaches the screen, a pixel a frame, so the arrival can be foreseen:
    // the wings' lasers fire ten frames after it.
    if (!isAlive()) return;
    if (getAge() >= kArrivalAge) {
        foretellWingAndBodyLasers(forecast);
    } else {
        const std::int32_t toScreen = getY() >= 1 ? 0 : -getY();
        foretellWingAndBodyLasers(forecast, toScreen + kArrivalAge - getAge());
    }
}

void PoseidonV2::move() {
    if (isAlive()) {
        moveStep();
        if (getY() >= 1 || getAge() >= kHeldAge) {
            bob();
            if (getAge() < kHeldAge) setAge(getAge() + 1);
            if (getAge() == kArrivalAge) {
                arrive();
            } else if (getAge() > kArrivalAge) {
                if (getPattern() == 1 && !partAlive(kRightWing)) setPattern(0);
                if (getPattern() == 2 && !partAlive(kLeftWing)) setPattern(0);
                advanceCounter();
                if (getPattern() == 1)
                    showRightWing();
                else if (getPattern() == 2)
                    showLeftWing();
                else
                    sweep();
                const std::int32_t c = volleyCounter_;
                if (isWingVolley(c))
                    for (int i = 0; i < getPartCount(); ++i)
                        if (partAlive(i)) part(i)->fire();
                if (!partAlive(kLeftWing) && !partAlive(kRightWing)) {
                    setSpeedX(kBareSpeedX);
                    bareVolley(c);
                    aimedVolley(c);
                }
            }
        }
    }
    updateOwned();
}

}  // namespace cindervane
