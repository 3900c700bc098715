// The Poseidon V3, boss of stage 6.
#include "enemies/bosses/poseidon_v3.h"

#include <iterator>
#include <memory>

#include "enemies/bosses/poseidon_v3_part.h"
#include "enemies/enemy_gun_row.h"

namespace cindervane {

namespace {

constexpr std::int32_t kCoins = 10;

// The body's guns. Guns 0 to 7 missiles along its belly, 8 to 11 lasers, 12 to 19 a fan of
// particles from its nose, 20 to 27 pulse beams, 28 to 35 particles aimed at the ship, 36 to
// 38 napalm, 39 to 42 particles thrown out to the sides, 43 and 44 the long nose lasers. The
// aimed particles and the nose lasers fire from the start; the rest once both wings are gone.
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
    {150, 110, 2, 1, 200, 8, 4, 2, 1, 1},       {96, 138, 2, 1, 600, 31, 0, 22, 0, 1},
    {115, 138, 2, 1, 600, 31, 0, 22, 0, 1},
};
static_assert(std::size(kGuns) == 45);

// Where the parts sit on the body, by slot.
struct Placement {
    std::int32_t x;
    std::int32_t y;
};
constexpr Placement kPlacements[] = {{-143, 18}, {154, 18}, {-66, -125}, {133, -125}};

// Its age counts once its top is this far above the screen.
constexpr std::int32_t kEntryLine = -96;
constexpr std::int32_t kVolleyRound = 300;
constexpr std::int32_t kSweepFrames = 200;
constexpr std::int32_t kShowFrames = 300;
constexpr std::int32_t kWinglessSpeedX = 2;
constexpr std::int32_t kBareSpeedX = 3;

// The counts on which the wings fire: three rounds of six, fifteen frames apart.
constexpr std::int32_t kWingVolleys[] = {10,  25,  40,  55,  70,  85,  110, 125, 140,
                                         155, 170, 185, 210, 225, 240, 255, 270, 285};
// The counts on which the back sections fire, between the wings' rounds.
constexpr std::int32_t kBackVolleys[] = {95, 195, 295};

}  // namespace

PoseidonV3::PoseidonV3(RandomGenerator& random) : Boss(kType, kFullHp, 1, 4, kCoins, random) {
    addEnemyGuns(*this, kGuns);
    setPartCount(4);
    parts_[kLeftWing] = std::make_unique<PoseidonV3Part>(PoseidonV3Part::Piece::LeftWing);
    parts_[kRightWing] = std::make_unique<PoseidonV3Part>(PoseidonV3Part::Piece::RightWing);
    parts_[kLeftBack] = std::make_unique<PoseidonV3Part>(PoseidonV3Part::Piece::LeftBack);
    parts_[kRightBack] = std::make_unique<PoseidonV3Part>(PoseidonV3Part::Piece::RightBack);
}

bool PoseidonV3::isWingVolley(std::int32_t c) {
    for (std::int32_t each : kWingVolleys)
        if (each == c) return true;
    return false;
}

bool PoseidonV3::partAlive(int slot) const {
    const Enemy* piece = part(slot);
    return piece && piece->isAlive();
}

void PoseidonV3::placeParts() {
    for (int i = 0; i < partCount_ && i < static_cast<int>(std::size(kPlacements)); ++i) {
        Enemy* piece = parts_[i].get();
        if (!piece) continue;
        piece->setX(x_ + kPlacements[i].x);
        piece->setY(y_ + kPlacements[i].y);
    }
}

void PoseidonV3::arrive() {
    dirX_ = 1;
    dirY_ = 0;
    setSpeedX(1);
    hp_ = kFullHp;
    invulnerable_ = false;
    for (int i = 0; i < partCount_; ++i) {
        if (Enemy* piece = parts_[i].get()) {
            piece->setHp(piece->getFullHp());
            piece->setInvulnerable(false);
        }
    }
    volleyCounter_ = 0;
    phaseTimer_ = 0;
    // The right wing is shown first, the left one after the next sweep.
    nextSide_ = Side::Right;
    if (partAlive(kRightWing)) {
        pattern_ = 1;
        nextSide_ = Side::Left;
    }
}

void PoseidonV3::advanceCounter() {
    volleyCounter_ = (volleyCounter_ + 1) % kVolleyRound;
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
        pattern_ = side == Side::Left ? 2 : 1;
        nextSide_ = side == Side::Left ? Side::Right : Side::Left;
    } else if (x_ < -30) {
        dirX_ = 1;
    } else if (x_ + width() > 270) {
        dirX_ = -1;
    }
}

void PoseidonV3::showRightWing() {
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

void PoseidonV3::showLeftWing() {
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

void PoseidonV3::fireGuns(int first, int last) {
    for (int g = first; g <= last; ++g)
        if (Gun* each = gun(g)) each->fire(x_, y_);
}

void PoseidonV3::bodyVolley(std::int32_t c, bool bare) {
    // One aimed particle every twenty frames, from each gun in turn, and the nose lasers twice
    // a round, whatever is left of it.
    if (c % 20 == 7) fireGuns(28 + (c / 20) % 8, 28 + (c / 20) % 8);
    if (c % 150 == 60) fireGuns(43, 44);
    if (!bare) return;
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

void PoseidonV3::fight() {
    if (pattern_ == 1 && !partAlive(kRightWing)) pattern_ = 0;
    if (pattern_ == 2 && !partAlive(kLeftWing)) pattern_ = 0;
    advanceCounter();
    if (pattern_ == 1)
        showRightWing();
    else if (pattern_ == 2)
        showLeftWing();
    else
        sweep();

    const std::int32_t c = volleyCounter_;
    if (isWingVolley(c))
        for (int slot : {kLeftWing, kRightWing})
            if (partAlive(slot)) parts_[slot]->fire();
    for (std::int32_t each : kBackVolleys)
        if (each == c)
            for (int slot : {kLeftBack, kRightBack})
                if (partAlive(slot)) parts_[slot]->fire();

    const bool winged = partAlive(kLeftWing) || partAlive(kRightWing);
    const bool backed = partAlive(kLeftBack) || partAlive(kRightBack);
    if (!winged) setSpeedX(backed ? kWinglessSpeedX : kBareSpeedX);
    bodyVolley(c, !winged);
}

void PoseidonV3::move() {
    if (alive_) {
        moveStep();
        if (y_ >= kEntryLine || age_ > 0) {
            if (age_ < kFightAge) age_ += 1;
            if (age_ == kStopAge)
                dirY_ = 0;
            else if (age_ == kArrivalAge)
                arrive();
            else if (age_ == kFightAge)
                fight();
        }
    }
    updateOwned();
}

}  // namespace cindervane
