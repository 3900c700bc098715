// The Poseidon V3, boss of stage 6.
#include "enemies/bosses/poseidon_v3.h"

#include <algorithm>
#include <iterator>

#include <iterator>
#include <memory>

#include "enemies/bosses/poseidon_v3_part.h"
#include "enemies/enemy_gun_row.h"

namespace cindervane {

namespace {

constexpr std::int32_t kCoins = 10;
constexpr std::int32_t kPlating = 3;

// Its own long nose lasers, guns 43 and 44 after the body's 43 it shares with the stage 3
// boss. The aimed particles and the nose lasers fire from the start; the rest once both wings
// are gone.
constexpr EnemyGunRow kNoseLasers[] = {
    {96, 138, 2, 1, 1200, 31, 0, 22, 0, 1},
    {115, 138, 2, 1, 1200, 31, 0, 22, 0, 1},
};

// Where the parts sit on the body, by slot.
struct Placement {
    std::int32_t x;
    std::int32_t y;
};
constexpr Placement kPlacements[] = {{-143, 18}, {154, 18}, {-66, -125}, {133, -125}};

// Its age counts once its top is this far above the screen.
constexpr std::int32_t kEntryLine = -96;
constexpr std::int32_t kSweepFrames = 200;
constexpr std::int32_t kWinglessSpeedX = 2;
constexpr std::int32_t kBareSpeedX = 3;

// The counts on which the back sections fire, between the wings' rounds.
constexpr std::int32_t kBackVolleys[] = {95, 195, 295};

}  // namespace

PoseidonV3::PoseidonV3(RandomGenerator& random)
    : WingedPoseidon(kType, kFullHp, 1, 4, kCoins, random) {
    addEnemyGuns(*this, kNoseLasers);
    setPartCount(4);
    setPart(kLeftWing, std::make_unique<PoseidonV3Part>(PoseidonV3Part::Piece::LeftWing));
    setPart(kRightWing, std::make_unique<PoseidonV3Part>(PoseidonV3Part::Piece::RightWing));
    setPart(kLeftBack, std::make_unique<PoseidonV3Part>(PoseidonV3Part::Piece::LeftBack));
    setPart(kRightBack, std::make_unique<PoseidonV3Part>(PoseidonV3Part::Piece::RightBack));
    plate(kPlating);
}

void PoseidonV3::placeParts() {
    for (int i = 0; i < getPartCount() && i < static_cast<int>(std::size(kPlacements)); ++i) {
        Enemy* piece = part(i);
        if (!piece) continue;
        piece->setX(getX() + kPlacements[i].x);
        piece->setY(getY() + kPlacements[i].y);
    }
}

void PoseidonV3::arrive() {
    setDirX(1);
    setDirY(0);
    setSpeedX(1);
    setHpUnchecked(kFullHp);
    setInvulnerable(false);
    for (int i = 0; i < getPartCount(); ++i) {
        if (Enemy* piece = part(i)) {
            piece->setHp(piece->getFullHp());
            piece->setInvulnerable(false);
        }
    }
    volleyCounter_ = 0;
    phaseTimer_ = 0;
    // The right wing is shown first, the left one after the next sweep.
    nextSide_ = Side::Right;
    if (partAlive(kRightWing)) {
        setPattern(1);
        nextSide_ = Side::Left;
    }
}

void PoseidonV3::sweep() {
    phaseTimer_ += 1;
    if (phaseTimer_ >= kSweepFrames) {
        phaseTimer_ = 0;
        // A lost wing's side is passed over; with no wing left it sweeps on.
        Side side = nextSide_;
        if (!partAlive(side == Side::Left ? kLeftWing : kRightWing))
            side = side == Side::Left ? Side::Right : Side::Left;
        if (!partAlive(side == Side::Left ? kLeftWing : kRightWing)) return;
        setPattern(side == Side::Left ? 2 : 1);
        nextSide_ = side == Side::Left ? Side::Right : Side::Left;
    } else if (getX() < -30) {
        setDirX(1);
    } else if (getX() + width() > 270) {
        setDirX(-1);
    }
}

void PoseidonV3::bodyVolley(std::int32_t c, bool bare) {
    // Aimed particles and the nose lasers twice a round, whatever is left of it.
    aimedVolley(c);
    if (c % 150 == 60) fireGuns(43, 44);
    if (bare) bareVolley(c);
}

void PoseidonV3::fight() {
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
        for (int slot : {kLeftWing, kRightWing})
            if (partAlive(slot)) part(slot)->fire();
    for (std::int32_t each : kBackVolleys)
        if (each == c)
            for (int slot : {kLeftBack, kRightBack})
                if (partAlive(slot)) part(slot)->fire();

    const bool winged = partAlive(kLeftWing) || partAlive(kRightWing);
    // The wings shield the body: it can be hurt only once both are gone.
    setInvulnerable(winged);
    const bool backed = partAlive(kLeftBack) || partAlive(kRightBack);
    if (!winged) setSpeedX(backed ? kWinglessSpeedX : kBareSpeedX);
    bodyVolley(c, !winged);
}

void PoseidonV3::foretellBeams(BeamForecast& forecast) const {
    if (!isAlive() || getAge() < kFightAge) return;
    foretellWingAndBodyLasers(forecast);
    auto count = [&](std::int32_t k) { return (volleyCounter_ + k) % 300; };
    // The nose lasers, and the back sections' long lasers (their guns 5 and 6).
    for (int gun : {43, 44})
        foretellGun(forecast, *this, -1, gun, [&](std::int32_t k) { return count(k) % 150 == 60; });
    for (int slot : {kLeftBack, kRightBack}) {
        if (!partAlive(slot)) continue;
        for (int gun : {5, 6})
            foretellGun(forecast, *part(slot), slot, gun, [&](std::int32_t k) {
                const std::int32_t c = count(k);
                return std::find(std::begin(kBackVolleys), std::end(kBackVolleys), c) !=
                       std::end(kBackVolleys);
            });
    }
}

void PoseidonV3::move() {
    if (isAlive()) {
        moveStep();
        if (getY() >= kEntryLine || getAge() > 0) {
            if (getAge() < kFightAge) setAge(getAge() + 1);
            if (getAge() == kStopAge)
                setDirY(0);
            else if (getAge() == kArrivalAge)
                arrive();
            else if (getAge() == kFightAge)
                fight();
        }
    }
    updateOwned();
}

}  // namespace cindervane
