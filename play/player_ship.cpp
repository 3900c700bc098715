// The player ship.
#include "play/player_ship.h"

#include <algorithm>
#include <cstdlib>

#include "play/beam_segment.h"
#include "play/homing_missile.h"
#include "play/laser_shot.h"
#include "play/pulse_shot.h"
#include "play/ship_guns.h"
#include "play/straight_shot.h"
#include "play/weapon_levels.h"

namespace cindervane {

namespace {

// The buttons as the ship knows them.
constexpr KeyIndex kKeyRight = 3;  // keys 0 to 3 are the four directions
constexpr KeyIndex kKeyA = 4;
constexpr KeyIndex kKeyB = 5;
constexpr KeyIndex kKeyStart = 7;

std::unique_ptr<Projectile> makeShot(ShotFamily family, std::int32_t kind) {
    switch (family) {
        case ShotFamily::Pulse:
            return std::make_unique<PulseShot>(kind);
        case ShotFamily::Missile:
            return std::make_unique<HomingMissile>(kind);
        case ShotFamily::Laser:
            return std::make_unique<LaserShot>(kind);
        case ShotFamily::Straight:
            break;
    }
    return std::make_unique<StraightShot>(kind);
}

// The kind of a gun's first projectile, by which the level setters know the gun; 0 for a
// gun without one.
std::int32_t gunKind(const Gun* gun) {
    const Projectile* first = gun ? gun->projectile(0) : nullptr;
    return first ? first->getKind() : 0;
}

std::int32_t levelIndex(std::int32_t level) {
    return std::clamp<std::int32_t>(level, 0, 9);
}

}  // namespace

PlayerShip::PlayerShip(ShipVariant variant) : variant_(variant) {
    const ShipVariantRow& row = shipVariantRow(variant);
    setKind(static_cast<std::int32_t>(variant));
    setFullHp(row.fullHp);
    setHpUnchecked(row.fullHp);
    evadeCap_ = row.evadeCap;
    evadeBar_ = row.evadeCap;
    auraX_ = row.auraX;
    auraY_ = row.auraY;
    setFrameDelay(5);
    setAngleUnchecked(360);
    setAlive(true);
    buildGuns(row);
    buildHyperGuns(row);

    aura_ = std::make_unique<Actor>();
    aura_->setKind(kAuraKind);
    aura_->setFrameDelay(2);
    setExplosion(std::make_unique<Explosion>());
}

PlayerShip::~PlayerShip() {
    for (auto& gun : hyperGuns_)
        gun.reset();
    aura_.reset();
}

void PlayerShip::buildGuns(const ShipVariantRow& row) {
    setGunCountUnchecked(kShipGunCount);
    for (int i = 0; i < kShipGunCount; ++i) {
        const ShipGunRow& layout = kShipGuns[i];
        auto gun = std::make_unique<Gun>();
        gun->setOffsetX(row.gunOffsetX[i]);
        gun->setOffsetY(layout.offsetY);
        gun->setEnabled(layout.enabled);
        gun->setInterval(layout.interval);
        gun->setDamage(layout.damage);
        gun->setProjectileCount(layout.projectiles);
        for (int j = 0; j < layout.projectiles; ++j) {
            std::unique_ptr<Projectile> shot = makeShot(layout.family, layout.kind);
            shot->setSpeedX(layout.speedX);
            shot->setSpeedY(layout.speedY);
            shot->setDirX(layout.dirX);
            shot->setDirY(layout.dirY);
            shot->setHoming(layout.homing);
            gun->setProjectile(j, std::move(shot));
        }
        setGun(i, std::move(gun));
    }
}

void PlayerShip::buildHyperGuns(const ShipVariantRow& row) {
    for (int i = 0; i < kHyperGunCount; ++i) {
        const HyperGunRow& beam = kHyperGuns[i];
        const HyperGunPlace& place = row.hyperGuns[i];
        auto gun = std::make_unique<Gun>();
        gun->setOffsetX(place.offsetX);
        gun->setOffsetY(place.offsetY);
        gun->setEnabled(false);
        gun->setInterval(1);
        gun->setDamage(beam.damage);
        gun->setProjectileCount(place.segments);
        for (int j = 0; j < place.segments; ++j)
            gun->setProjectile(
                j, std::make_unique<BeamSegment>(j == 0 ? beam.headKind : beam.bodyKind));
        hyperGuns_[i] = std::move(gun);
    }
}

Gun* PlayerShip::hyperGun(int slot) const {
    return slot >= 0 && slot < kHyperGunCount ? hyperGuns_[slot].get() : nullptr;
}

std::int32_t PlayerShip::barsReached(std::int32_t value) const {
    return static_cast<std::int32_t>(
        std::count_if(barThresholds_.begin(), barThresholds_.end(),
                      [value](std::int32_t threshold) { return threshold <= value; }));
}

std::int32_t PlayerShip::cutToThreshold(std::int32_t value) const {
    const std::int32_t reached = barsReached(value);
    return reached > 0 ? barThresholds_[reached - 1] : value;
}

// Buttons.

void PlayerShip::steerTo(std::int32_t px, std::int32_t py) {
    steering_ = true;
    targetX_ = px;
    targetY_ = py;
    const std::int32_t cx = getX() + width() / 2;
    const std::int32_t cy = getY() + height() / 2;
    if (cx > px) setDirX(-1);
    if (cx < px) setDirX(1);
    if (cy > py) setDirY(-1);
    if (cy < py) setDirY(1);
}

void PlayerShip::stopSteering() {
    steering_ = false;
    setDirX(0);
    setDirY(0);
}

void PlayerShip::keyDown(KeyIndex key) {
    if ((key < 0 || key > kKeyRight) && key != kKeyStart) return;
    if (!powerBarFull()) return;
    charging_ = !charging_;
    if (!charging_) releaseCharge();
}

void PlayerShip::releaseCharge() {
    const std::int32_t level = barsReached(charge_);
    if (level == 0) charge_ = 0;
    if (chargeLevel_ < level) {
        chargeLevel_ = level;
        if (power_ >= charge_) {
            hyperFiring_ = true;
            power_ -= charge_;
        }
    }
}

void PlayerShip::keyUp(KeyIndex key) {
    if (key == kKeyA) {
        if (chargeLevel_ < 1) setAutoFire(!getAutoFire());
    } else if (key == kKeyB) {
        if (evadeBarFull() && chargeLevel_ < 1 && !evading_) {
            evading_ = true;
            setFrameUnchecked(kRollFrame);
        }
    }
}

// The frame.

void PlayerShip::update() {
    if (isAlive()) {
        fillCharge();
        refillPower();
        if (steering_) steer();
        setY(getY() + getSpeedY() * getDirY());
        setX(getX() + getSpeedX() * getDirX());
        // Held above the panel; x is kept on screen by the stylus target alone.
        setY(std::clamp(getY(), 0, std::max(0, kBottomLimit - height())));
        if (tickAnimation() != 0) {
            if (chargeLevel_ > 0) {
                drainCharge();
            } else {
                rollAndBank();
            }
        }
    }
    fire();
    updateShots();
}

void PlayerShip::fillCharge() {
    if (!charging_ || charge_ >= power_ || chargeLevel_ != 0) return;
    chargeTick_ = (chargeTick_ + 1) % chargeDelay_;
    if (chargeTick_ != 0 || chargeBarFull()) return;
    charge_ += chargeRate_;
    if (chargeBarFull()) charge_ = cutToThreshold(charge_);
}

void PlayerShip::refillPower() {
    powerTick_ = (powerTick_ + 1) % powerDelay_;
    if (powerTick_ != 0 || powerBarFull()) return;
    power_ += rechargeRate_;
    if (powerBarFull()) power_ = cutToThreshold(power_);
}

void PlayerShip::steer() {
    const std::int32_t third = getSpeedCapX() / 3;
    const std::int32_t thirdY = getSpeedCapY() / 3;
    const std::int32_t cx = getX() + width() / 2;
    const std::int32_t cy = getY() + height() / 2;
    if (chargeBarFull() || hyperFiring_) {
        setSpeedX(third);
        setSpeedY(thirdY);
    } else {
        // Full speed from 19 pixels away, two thirds from 10, a third when close.
        const auto speedFor = [](std::int32_t distance, std::int32_t cap, std::int32_t part) {
            if (distance >= 19) return cap;
            if (distance >= 10) return 2 * part;
            return part;
        };
        setSpeedX(speedFor(std::abs(cx - targetX_), getSpeedCapX(), third));
        setSpeedY(speedFor(std::abs(cy - targetY_), getSpeedCapY(), thirdY));
    }
    if (cx - getSpeedX() < targetX_ && targetX_ < cx + getSpeedX()) setDirX(0);
    if (cy - getSpeedY() < targetY_ && targetY_ < cy + getSpeedY()) setDirY(0);
}

void PlayerShip::drainCharge() {
    if (charge_ < 1) {
        charge_ = 0;
        chargeLevel_ = 0;
        return;
    }
    charge_ -= std::max(chargeRate_ / 2, 1);
    setAutoFire(charge_ < 1);
}

void PlayerShip::rollAndBank() {
    if (evading_) {
        // The roll runs from frame 6 through the last frame, round to 0 and stops at 3.
        if (getFrame() == kLevelFrame) {
            evadeBar_ = 0;
            evading_ = false;
        } else {
            nextFrame();
        }
        return;
    }
    evadeTick_ = (evadeTick_ + 1) % evadeDelay_;
    if (evadeTick_ == 0) evadeBar_ = evadeBarFull() ? evadeCap_ : evadeBar_ + 2;
    // Frames 0 to 2 bank left, 3 is level, 4 to 6 bank right.
    const std::int32_t third = getSpeedCapX() / 3;
    if (getDirX() > 0) {
        setFrameUnchecked(getSpeedX() > 2 * third ? 6 : getSpeedX() > third ? 5 : 4);
    } else if (getDirX() < 0) {
        setFrameUnchecked(getSpeedX() > 2 * third ? 0 : getSpeedX() > third ? 1 : 2);
    } else if (getFrame() > kLevelFrame) {
        prevFrame();
    } else if (getFrame() < kLevelFrame) {
        nextFrame();
    }
}

void PlayerShip::fire() {
    if (!isAlive()) {
        clearHyperBeam();
        setAutoFire(false);
        hyperFiring_ = false;
        aura_->setAlive(false);
        setInvulnerable(false);
        return;
    }
    if (chargeLevel_ > 1 && charge_ > 0) {
        fireHyperBeam();
        hyperFiring_ = true;
        aura_->setAlive(true);
        setInvulnerable(true);
    } else if (getAutoFire()) {
        Craft::fire();
        clearHyperBeam();
        hyperFiring_ = false;
        aura_->setAlive(false);
        setInvulnerable(false);
    }
}

void PlayerShip::updateShots() {
    if (aura_->isAlive()) {
        aura_->setX(getX() + auraX_);
        aura_->setY(getY() + auraY_);
        aura_->animate();
    } else {
        aura_->setFrame(0);
    }
    explosion()->stepOnce();
    Craft::updateShots();
    for (int i = 0; i < hyperGunCount_; ++i) {
        Gun* beam = hyperGuns_[i].get();
        if (beam && beam->isEnabled()) beam->updateShots();
    }
}

void PlayerShip::die() {
    setAlive(false);
    explosion()->centreOn(*this);
    explosion()->setAlive(true);
    explosion()->setFrame(0);
    clearHyperBeam();
}

void PlayerShip::fireHyperBeam() {
    // Charge level 2 brings out the first grade (guns 0 and 1), 3 the second, 4 the third.
    const int pair = chargeLevel_ - 2;
    for (int i = 0; i < kHyperGunCount; ++i) {
        if (hyperGuns_[i]) hyperGuns_[i]->setEnabled(i / 2 == pair);
    }
    for (int i = 0; i < hyperGunCount_; ++i) {
        Gun* beam = hyperGuns_[i].get();
        if (!beam || !beam->isEnabled()) continue;
        std::int32_t segmentX = getX() + beam->getOffsetX();
        std::int32_t segmentY = getY() + beam->getOffsetY();
        for (int j = 0; j < beam->getProjectileCount(); ++j) {
            Projectile* segment = beam->projectile(j);
            if (!segment) continue;
            if (j > 0) segmentY -= segment->height();
            segment->setAlive(true);
            segment->setX(segmentX);
            segment->setY(segmentY);
        }
    }
}

void PlayerShip::clearHyperBeam() {
    for (const auto& beam : hyperGuns_) {
        if (!beam) continue;
        for (int j = 0; j < beam->getProjectileCount(); ++j) {
            Projectile* segment = beam->projectile(j);
            if (!segment) continue;
            segment->setFrame(0);
            segment->setAlive(false);
        }
    }
}

void PlayerShip::drawHyperBeam() {
    for (int i = 0; i < hyperGunCount_; ++i) {
        Gun* beam = hyperGuns_[i].get();
        if (!beam || !beam->isEnabled()) continue;
        for (int j = 0; j < beam->getProjectileCount(); ++j)
            if (Projectile* segment = beam->projectile(j)) segment->draw();
    }
    for (int i = 0; i < hyperGunCount_; ++i) {
        Gun* beam = hyperGuns_[i].get();
        if (!beam || !beam->isEnabled()) continue;
        for (int j = 0; j < beam->getProjectileCount(); ++j)
            if (Projectile* segment = beam->projectile(j)) segment->hitSpark().draw();
    }
}

// Items and levels.

void PlayerShip::applyItem(std::int32_t itemKind) {
    switch (itemKind) {
        case 0:
            setHpUnchecked(getFullHp());
            break;
        case 1:
            if (missileLevel_ < missileCap_) setMissileLevel(missileLevel_ + 1);
            break;
        case 2:
            if (machineGunLevel_ < machineGunCap_) setMachineGunLevel(machineGunLevel_ + 1);
            break;
        case 3:
            if (pulseLevel_ < pulseCap_) setPulseLevel(pulseLevel_ + 1);
            break;
        case 4:
            if (getArmor() < getArmorScale()) setArmor(getArmor() + 1);
            break;
        case 5:
            if (chargeRate_ < chargeRateCap_) setChargeRate(chargeRate_ + 1);
            break;
        case 6:
            if (laserLevel_ < laserCap_) setLaserLevel(laserLevel_ + 1);
            break;
        case 7:
            if (hyperBeamLevel_ < hyperBeamCap_) setHyperBeamLevel(hyperBeamLevel_ + 1);
            break;
        case 8:
            if (rechargeRate_ < rateCap_) setRechargeRate(rechargeRate_ + 1);
            break;
        default:
            break;
    }
}

void PlayerShip::switchGuns(std::int32_t kind, std::int32_t damage) {
    for (int i = 0; i < kShipGunCount; ++i) {
        Gun* gun = Craft::gun(i);
        if (gunKind(gun) != kind) continue;
        gun->setEnabled(damage != 0);
        if (damage != 0) gun->setDamage(damage);
    }
}

void PlayerShip::setMachineGunLevel(std::int32_t level) {
    level = levelIndex(level);
    const MachineGunLevel& row = kMachineGunLevels[level];
    switchGuns(kMachineGunKind, row.straight);
    switchGuns(kMachineGunLeftKind, row.diagonal);
    switchGuns(kMachineGunRightKind, row.diagonal);
    switchGuns(kHeavyGunKind, row.heavy);
    switchGuns(kHeavyGunLeftKind, row.heavyDiagonal);
    switchGuns(kHeavyGunRightKind, row.heavyDiagonal);
    machineGunLevel_ = level;
}

void PlayerShip::setMissileLevel(std::int32_t level) {
    level = levelIndex(level);
    std::int32_t left = kMissileGunsByLevel[level];
    for (int i = 0; i < kShipGunCount && left > 0; ++i) {
        Gun* gun = Craft::gun(i);
        if (gunKind(gun) != kMissileKind) continue;
        gun->setEnabled(true);
        gun->setDamage(kMissileDamage);
        --left;
    }
    missileLevel_ = level;
}

void PlayerShip::setPulseLevel(std::int32_t level) {
    level = levelIndex(level);
    for (int grade = 0; grade < 3; ++grade)
        switchGuns(kPulseKinds[grade], kPulseLevels[level].damage[grade]);
    pulseLevel_ = level;
}

void PlayerShip::setLaserLevel(std::int32_t level) {
    level = levelIndex(level);
    for (int grade = 0; grade < 3; ++grade)
        switchGuns(kLaserKinds[grade], kLaserLevels[level].damage[grade]);
    laserLevel_ = level;
}

void PlayerShip::setHyperBeamLevel(std::int32_t level) {
    level = levelIndex(level);
    const HyperBeamLevel& row = kHyperBeamLevels[level];
    for (const auto& beam : hyperGuns_) {
        const std::int32_t kind = gunKind(beam.get());
        for (int grade = 0; grade < 3; ++grade)
            if (kind == kBeamHeadKinds[grade]) beam->setDamage(row.damage[grade]);
    }
    chargeBarCap_ = row.barCap;
    powerBarCap_ = row.barCap;
    hyperBeamLevel_ = level;
}

void PlayerShip::setRechargeRate(std::int32_t rate) {
    rechargeRate_ = rate > rateCap_ ? rateCap_ : rate;
}

void PlayerShip::setChargeRate(std::int32_t rate) {
    chargeRate_ = rate > rateCap_ ? rateCap_ : rate;
}

void PlayerShip::hashOwnState(StateHasher& hasher) const {
    hasher.add(static_cast<std::int32_t>(variant_));
    for (const bool flag : {steering_, evading_, hyperFiring_, charging_})
        hasher.add(flag);
    for (const std::int32_t value :
         {auraX_,           auraY_,         targetX_,      targetY_,        evadeCap_,
          evadeBar_,        evadeDelay_,    evadeTick_,    chargeLevel_,    chargeScale_,
          charge_,          chargeDelay_,   chargeBarCap_, chargeTick_,     powerScale_,
          power_,           powerDelay_,    powerBarCap_,  powerTick_,      hyperGunCount_,
          machineGunLevel_, machineGunCap_, pulseLevel_,   pulseCap_,       missileLevel_,
          missileCap_,      laserLevel_,    laserCap_,     hyperBeamLevel_, hyperBeamCap_,
          rechargeRate_,    rateCap_,       chargeRate_,   chargeRateCap_})
        hasher.add(value);
    for (const std::int32_t threshold : barThresholds_)
        hasher.add(threshold);
}

}  // namespace cindervane
