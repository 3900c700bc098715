// The Alpha Zero, boss of stage 8.
#include "enemies/bosses/alpha_zero.h"

#include <array>
#include <iterator>
#include <memory>

#include "enemies/bosses/alpha_zero_section.h"
#include "enemies/enemy_gun_row.h"
#include "enemies/motion.h"

namespace cindervane {

namespace {

constexpr std::int32_t kCoins = 10;
constexpr std::int32_t kPlating = 3;

// A ring's quarter, from straight along one axis towards the next.
struct Slant {
    std::int32_t speedX;
    std::int32_t speedY;
};
constexpr Slant kQuarter[] = {{6, 0}, {6, 2}, {5, 3}, {4, 4}, {3, 5}, {2, 6}};

// The bare body's guns, all silent while its sections stand. 0 to 23 a ring of particles
// from its middle, 24 to 35 particles aimed at the ship, 36 to 43 missiles along its lower
// edge, 44 to 51 a fan of pulse beams with no beam straight down, 52 to 59 lasers, 60 to 63
// napalm, 64 the broad beam.
constexpr std::array<EnemyGunRow, 65> bodyGuns() {
    std::array<EnemyGunRow, 65> rows{};
    // Each quarter turns the last by a right angle: right, down, left, up.
    constexpr std::int32_t kSignX[] = {1, -1, -1, 1};
    constexpr std::int32_t kSignY[] = {1, 1, -1, -1};
    for (int q = 0; q < 4; ++q)
        for (int i = 0; i < 6; ++i) {
            const Slant& s = kQuarter[i];
            const bool swap = q % 2 == 1;
            rows[q * 6 + i] = {40,
                               40,
                               2,
                               1,
                               1040,
                               8,
                               swap ? s.speedY : s.speedX,
                               swap ? s.speedX : s.speedY,
                               kSignX[q],
                               kSignY[q]};
        }
    for (int i = 0; i < 12; ++i)
        rows[24 + i] = {5 + i * 7, 85, 2, 1, 1370, 8, 4, 4, 0, 1, true};
    for (int i = 0; i < 8; ++i)
        rows[36 + i] = {5 + i * 11, 88, 2, 1, 3650, 5, 0, 7, 0, 1};
    constexpr Slant kPulseFan[] = {{4, 3}, {3, 4}, {2, 5}, {1, 5}};
    for (int i = 0; i < 4; ++i) {
        rows[44 + i] = {37, 85, 2, 1, 4090, 27, kPulseFan[i].speedX, kPulseFan[i].speedY, -1, 1};
        rows[51 - i] = {37, 85, 2, 1, 4090, 27, kPulseFan[i].speedX, kPulseFan[i].speedY, 1, 1};
    }
    for (int i = 0; i < 8; ++i)
        rows[52 + i] = {2 + i * 11, 80, 2, 1, 2740, 31, 0, 22, 0, 1};
    for (int i = 0; i < 4; ++i)
        rows[60 + i] = {10 + i * 22, 88, 2, 1, 4550, 7, 0, 4, 0, 1};
    rows[64] = {13, 88, 1, 1, 630, 35, 0, 0, 0, 1};
    return rows;
}
constexpr auto kGuns = bodyGuns();
constexpr int kBodyBeamGun = 64;

// Where the sections sit on the body, by slot.
struct Placement {
    std::int32_t x;
    std::int32_t y;
};
constexpr Placement kPlacements[] = {{9, 94}, {-45, 0}, {0, -85}};

// The entry's and the opening's speeds, unless the caps hold them lower.
constexpr std::int32_t kEntrySpeedY = 5;
constexpr std::int32_t kRiseSpeedY = 1;
// The bare body's speeds between its attacks, and how fast it sinks to its fighting line.
constexpr std::int32_t kSelectorSpeed = 10;
constexpr std::int32_t kFightLineY = 20;

// The first form's sway about the middle of the screen: the front stays over the middle.
constexpr std::int32_t kSwayLeft = 55;
constexpr std::int32_t kSwayRight = 95;
// How long each first-form attack lasts, in frames.
constexpr std::int32_t kWallFrames = 240;
constexpr std::int32_t kFanFrames = 150;
constexpr std::int32_t kBeamFrames = 200;
// The first of the ten curtain guns on each side of the centre that slant one pixel sideways
// for four down.
constexpr int kWallWings = 10;

// The selector's order of the bare body's attacks, by its counter 1 to 12.
constexpr std::int32_t kSecondFormOrder[] = {1, 2, 1, 5, 4, 1, 3, 4, 1, 5, 1, 4};

}  // namespace

AlphaZero::AlphaZero(RandomGenerator& random) : Boss(kType, kFullHp, 4, 4, kCoins, random) {
    addEnemyGuns(*this, kGuns);
    // The bare body's guns stay shut while its sections stand; the selector opens them.
    setBodyGunsOpen(false);
    setPartCount(3);
    setPart(kFront, std::make_unique<AlphaZeroSection>(AlphaZeroSection::Piece::Front));
    setPart(kCentre, std::make_unique<AlphaZeroSection>(AlphaZeroSection::Piece::Centre));
    setPart(kRear, std::make_unique<AlphaZeroSection>(AlphaZeroSection::Piece::Rear));
    plate(kPlating);
}

void AlphaZero::setBodyGunsOpen(bool open) {
    for (int g = 0; g < getGunCount(); ++g)
        if (Gun* each = gun(g)) each->setEnabled(open);
}

bool AlphaZero::partAlive(int slot) const {
    const Enemy* piece = part(slot);
    return piece && piece->isAlive();
}

void AlphaZero::placeParts() {
    for (int i = 0; i < getPartCount() && i < static_cast<int>(std::size(kPlacements)); ++i) {
        Enemy* piece = part(i);
        if (!piece) continue;
        piece->setX(getX() + kPlacements[i].x);
        piece->setY(getY() + kPlacements[i].y);
    }
}

void AlphaZero::fireGuns(Enemy& from, int first, int last) {
    for (int g = first; g <= last; ++g)
        if (Gun* each = from.gun(g)) each->fire(from.getX(), from.getY());
}

void AlphaZero::holdBeam() {
    Enemy& front = *part(kFront);
    const Gun* beam = front.gun(AlphaZeroSection::kBeamGun);
    Projectile* shot = beam ? beam->projectile(0) : nullptr;
    if (!shot || !shot->isAlive()) return;
    // Where the front is laid this frame, so the beam never trails it.
    shot->setX(getX() + kPlacements[kFront].x + beam->getOffsetX());
    shot->setY(getY() + kPlacements[kFront].y + beam->getOffsetY());
}

void AlphaZero::enter() {
    setX(120 - width() / 2);
    setInvulnerable(true);
    for (int i = 0; i < getPartCount(); ++i)
        if (Enemy* piece = part(i)) piece->setInvulnerable(true);
    setDirX(0);
    setDirY(1);
    setSpeedY(getSpeedCapY() <= kEntrySpeedY && getSpeedCapY() != 0 ? getSpeedCapY()
                                                                    : kEntrySpeedY);
    setSpeedX(getSpeedCapX() < 0 ? getSpeedCapX() : 0);
    if (getY() >= kArrivalY) {
        setPattern(1);
        setDirY(0);
        part(kFront)->setHp(AlphaZeroSection::kFullHp);
        part(kFront)->setInvulnerable(false);
    }
}

void AlphaZero::openingVolley() {
    setAge(getAge() + 1);
    Enemy& front = *part(kFront);
    Enemy& centre = *part(kCentre);
    if (getAge() >= 11 && getAge() <= 40) {
        fireGuns(centre, getAge() - 11, getAge() - 11);
        fireGuns(centre, getAge() + 19, getAge() + 19);
    }
    if (getAge() >= 11 && getAge() <= 19)
        fireGuns(front, AlphaZeroSection::kStreamGun, AlphaZeroSection::kStreamGun);
    if (getAge() == 21) fireGuns(front, AlphaZeroSection::kBeamGun, AlphaZeroSection::kBeamGun);
    if (getAge() >= 21 && getAge() <= 68) holdBeam();
    if (getAge() >= 62 && getAge() <= 67) {
        setDirY(-1);
        setSpeedY(getSpeedCapY() < 2 && getSpeedCapY() != 0 ? getSpeedCapY() : kRiseSpeedY);
    }
    if (getAge() == 70) {
        setDirY(0);
        front.setInvulnerable(false);
        setAge(0);
        setPattern(2);
        phaseCounter_ = 0;
    }
}

void AlphaZero::sway() {
    setSpeedX(1);
    if (getAge() == 1 || getX() <= kSwayLeft) setDirX(1);
    if (getX() >= kSwayRight) setDirX(-1);
}

void AlphaZero::firstFormAttack() {
    setAge(getAge() + 1);
    Enemy& front = *part(kFront);
    Enemy& centre = *part(kCentre);
    if (getPattern() == 2) {
        // Sway over the middle; walls of missiles from the centre, one pair missing, the gap
        // moving along from wall to wall; an aimed shot from the front in between.
        sway();
        if (getAge() % 40 == 10) {
            const int gap = 2 * ((getAge() / 40) % 4);
            for (int g = 0; g < 8; ++g)
                if (g != gap && g != gap + 1) fireGuns(centre, 60 + g, 60 + g);
            // The wall's wings: the curtain's gentler slants reach the corners beyond its
            // ends, so no corner of the screen stays quiet while the walls fall.
            fireGuns(centre, kWallWings, kWallWings + 9);
            fireGuns(centre, 30 + kWallWings, 30 + kWallWings + 9);
        }
        // An aimed shot halfway between two walls, from each of the front's guns in turn.
        if (getAge() % 40 == 30)
            fireGuns(front, 48 + (getAge() / 40) % 8, 48 + (getAge() / 40) % 8);
        if (getAge() >= kWallFrames) {
            setDirX(0);
            setAge(0);
            setPattern(3);
        }
    } else if (getPattern() == 3) {
        // Standing, the nose's fan and its twin in turn, each through the other's
        // gaps; the wingtip lasers to close.
        if (getAge() % 40 == 10 && getAge() < 130) fireGuns(front, 0, 15);
        if (getAge() % 40 == 30 && getAge() < 130) fireGuns(front, 16, 31);
        if (getAge() == 130) fireGuns(centre, 68, 71);
        if (getAge() >= kFanFrames) {
            setAge(0);
            setPattern(4);
        }
    } else {
        // Standing: napalm as the warning, then the broad beam under the front for as long as
        // it burns, with aimed shots from the centre to move a ship beside it; once it is out,
        // the pulse beams, straight then crossing under the nose.
        if (getAge() == 10) fireGuns(front, 56, 61);
        if (getAge() == 40) fireGuns(front, AlphaZeroSection::kBeamGun, AlphaZeroSection::kBeamGun);
        holdBeam();
        if (getAge() == 100 || getAge() == 120 || getAge() == 140) fireGuns(centre, 72, 73);
        if (getAge() == 170) fireGuns(front, 32, 39);
        if (getAge() == 185) fireGuns(front, 40, 47);
        if (getAge() >= kBeamFrames) {
            setDirX(0);
            setAge(0);
            setPattern(2);
        }
    }
}

void AlphaZero::selectAttack() {
    setSteering(true);
    setBodyGunsOpen(true);
    if (getFrame() >= 1 && getFrame() <= frameCount()) setFrameUnchecked(getFrame() - 1);
    setInvulnerable(false);
    setDirX(0);
    setDirY(0);
    setSpeedX(getSpeedCapX() <= kSelectorSpeed && getSpeedCapX() != 0 ? getSpeedCapX()
                                                                      : kSelectorSpeed);
    setSpeedY(getSpeedCapY() <= kSelectorSpeed && getSpeedCapY() != 0 ? getSpeedCapY()
                                                                      : kSelectorSpeed);
    setAge(0);
    phaseCounter_ = (phaseCounter_ % 12) + 1;
    setPattern(kSecondFormOrder[phaseCounter_ - 1]);
}

void AlphaZero::settle() {
    // The bare body sinks to its fighting line a pixel a frame, then holds it.
    setSpeedY(1);
    setDirY(getY() < kFightLineY ? 1 : 0);
}

void AlphaZero::secondFormAttack() {
    setAge(getAge() + 1);
    settle();
    std::int32_t length = 80;
    switch (getPattern()) {
        case 1:
            // Two rings, thirty frames apart.
            if (getAge() == 10 || getAge() == 40) fireGuns(0, 23);
            length = 70;
            break;
        case 2:
            // A stream of aimed shots, each from the next gun along.
            if (getAge() % 6 == 0 && getAge() <= 72) {
                fireGuns(24 + loopIndex_ % 12, 24 + loopIndex_ % 12);
                loopIndex_ += 1;
            }
            break;
        case 3:
            // A slide to one side and back, the side changing each time, dropping two walls
            // of missiles with a moving gap.
            setSpeedX(2);
            if (getAge() == 1) setDirX(loopIndex_ % 2 == 0 ? -1 : 1);
            if (getAge() == 21) setDirX(-getDirX());
            if (getAge() == 41) setDirX(0);
            if (getAge() == 10 || getAge() == 35) {
                const int gap = 2 * (loopIndex_ % 4);
                for (int g = 0; g < 8; ++g)
                    if (g != gap && g != gap + 1) fireGuns(36 + g, 36 + g);
                loopIndex_ += 1;
            }
            length = 70;
            break;
        case 4:
            // The pulse fan, open down the middle, with every other laser between.
            if (getAge() == 10 || getAge() == 40) fireGuns(44, 51);
            for (int g = 0; g < 8; g += 2) {
                if (getAge() == 25) fireGuns(52 + g, 52 + g);
                if (getAge() == 55) fireGuns(53 + g, 53 + g);
            }
            break;
        default: {
            // Napalm as the warning, then the broad beam straight down under the body.
            if (getAge() == 10) fireGuns(60, 63);
            if (getAge() == 30) fireGuns(kBodyBeamGun, kBodyBeamGun);
            const Gun* beam = gun(kBodyBeamGun);
            if (Projectile* shot = beam->projectile(0); shot && shot->isAlive()) {
                shot->setX(getX() + beam->getOffsetX());
                shot->setY(getY() + beam->getOffsetY());
            }
            length = 100;
            break;
        }
    }
    if (getAge() >= length) {
        setDirX(0);
        setDirY(0);
        setPattern(0);
    }
}

void AlphaZero::foretellBeams(BeamForecast& forecast) const {
    if (!isAlive() || getPattern() == 0) return;
    std::array<bool, 80> warned{};  // by gun, body and parts together: each warned once
    auto warn = [&](const Enemy& from, int part, int gun, std::int32_t k) {
        const std::size_t key = static_cast<std::size_t>(gun % 80);
        if (warned[key]) return;
        warned[key] = true;
        forecast.add(from, part, gun, k);
    };
    std::int32_t pattern = getPattern();
    std::int32_t age = getAge();
    std::int32_t phase = phaseCounter_;
    if (partAlive(kFront)) {
        const Enemy& front = *part(kFront);
        const Enemy& centre = *part(kCentre);
        for (std::int32_t k = 1; k <= kWindUpFrames; ++k) {
            age += 1;
            if ((pattern == 1 && age == 21) || (pattern == 4 && age == 40))
                warn(front, kFront, AlphaZeroSection::kBeamGun, k);
            if (pattern == 3 && age == 130)
                for (int g = 68; g <= 71; ++g)
                    warn(centre, kCentre, g, k);
            const std::int32_t length = pattern == 1   ? 70
                                        : pattern == 2 ? kWallFrames
                                        : pattern == 3 ? kFanFrames
                                                       : kBeamFrames;
            if (age >= length) {
                age = 0;
                pattern = pattern == 4 ? 2 : pattern + 1;
            }
        }
        return;
    }
    for (std::int32_t k = 1; k <= kWindUpFrames; ++k) {
        if (pattern == 0) {
            // The selector's frame: the next attack in the order begins after it.
            age = 0;
            phase = phase % 12 + 1;
            pattern = kSecondFormOrder[phase - 1];
            continue;
        }
        age += 1;
        if (pattern == 4 && (age == 25 || age == 55))
            for (int g = 0; g < 8; g += 2)
                warn(*this, -1, (age == 25 ? 52 : 53) + g, k);
        if (pattern == 5 && age == 30) warn(*this, -1, kBodyBeamGun, k);
        const std::int32_t length = pattern == 1 || pattern == 3 ? 70 : pattern == 5 ? 100 : 80;
        if (age >= length) pattern = 0;
    }
}

void AlphaZero::move() {
    if (isAlive()) {
        moveStep();
        if (partAlive(kFront)) {
            if (getPattern() == 0)
                enter();
            else if (getPattern() == 1)
                openingVolley();
            else
                firstFormAttack();
        } else {
            for (int i = 0; i < getPartCount(); ++i) {
                if (!partAlive(i)) continue;
                part(i)->die();
                setPattern(0);
                phaseCounter_ = 0;
            }
            if (getPattern() == 0)
                selectAttack();
            else
                secondFormAttack();
        }
        if (isSteering()) aimAtTarget(*this);
    }
    updateOwned();
}

}  // namespace cindervane
