// The player ship: the craft the player steers with the stylus. It owns 25 ordinary guns,
// 6 hyper beam guns, an explosion and the charge aura, and carries the weapon levels, the
// power, charge and evade bars and the rules of the buttons.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "gamelibrary/key_mapping.h"
#include "play/craft.h"
#include "play/ship_variants.h"

namespace cindervane {

class PlayerShip : public Craft {
  public:
    static constexpr int kShipGunCount = 25;
    static constexpr int kHyperGunCount = 6;
    // The aura's picture in the part catalogue.
    static constexpr std::int32_t kAuraKind = 10;
    // The ship's last frame of level flight and the first of the evade roll.
    static constexpr std::int32_t kLevelFrame = 3;
    static constexpr std::int32_t kRollFrame = 6;
    // The lowest row the ship's bottom edge may reach: the top of the panel.
    static constexpr std::int32_t kBottomLimit = 298;

    // The variant with its hit points, evade bar, guns and their projectiles, hyper beam,
    // aura and explosion; levels and caps are 0 until the stage start sets them.
    explicit PlayerShip(ShipVariant variant);
    // Releases the hyper guns and the aura, then what every craft owns.
    ~PlayerShip() override;

    // While the ship lives: the hyper beam while a charge of level 2 or more is out (the
    // ship is then invulnerable and shows its aura), otherwise every enabled gun when auto
    // fire is on. A dead ship clears the beam and stops firing.
    void fire() override;
    // The ship's move is its whole per-frame update.
    void move() override { update(); }
    // One frame: charge and power bars, steering speed, movement held above the panel, then
    // four frames in five the beam's drain or the evade roll and banking; every frame the
    // guns fire and the shots move. A dead ship only fires (which stops everything) and
    // moves its shots. Must not allocate.
    virtual void update();
    // Dead, the explosion centred on it and started, the beam cleared. Hit points are left as
    // they are (the play frame calls it once they are 0).
    void die() override;
    // Gives the ship what a taken item box holds (0 to 8); other kinds do nothing, and an
    // upgrade already at its cap changes nothing.
    virtual void applyItem(std::int32_t itemKind);
    // Places and animates the aura, steps the explosion, moves every shot of the enabled
    // guns and hyper guns and advances their sparks.
    virtual void updateShots();

    // Weapon levels 0 to 9: each switches guns on and off and sets their damage by the kind
    // of their first projectile, then keeps the level. Levels outside 0..9 count as the
    // nearest of them.
    virtual void setMachineGunLevel(std::int32_t level);
    // Switches on the first 0, 2, 4 or 8 missile guns; guns beyond those are left as they
    // are, so lowering the level switches none off.
    virtual void setMissileLevel(std::int32_t level);
    virtual void setPulseLevel(std::int32_t level);
    virtual void setLaserLevel(std::int32_t level);
    // Sets the hyper guns' damage by grade and both bar caps.
    virtual void setHyperBeamLevel(std::int32_t level);
    // Both rates are held at rateCap.
    virtual void setRechargeRate(std::int32_t rate);
    virtual void setChargeRate(std::int32_t rate);

    // Lays the beam of the released charge level out above the ship: the pair of hyper guns
    // of that grade is switched on (the other four off) and every segment placed alive, the
    // head at the gun's offset and each further segment directly above the one before.
    void fireHyperBeam();
    // Every segment of every hyper gun back to frame 0 and dead.
    void clearHyperBeam();

    // The stylus is down at (px, py): the ship turns toward it on each axis where it is not
    // level with it already.
    void steerTo(std::int32_t px, std::int32_t py);
    // The stylus is up: the ship stops.
    void stopSteering();
    // A direction key or Start pressed: the charge button. With the power bar full it starts
    // the charge, or on the next press releases it.
    void keyDown(KeyIndex key);
    // A released (auto fire on or off) and B (the evade roll); other keys do nothing.
    void keyUp(KeyIndex key);

    // How many of the four bar thresholds (5, 32, 67, 100) the value has reached.
    std::int32_t barsReached(std::int32_t value) const;
    bool chargeBarFull() const { return charge_ >= barThresholds_[chargeBarCap_]; }
    bool powerBarFull() const { return power_ >= barThresholds_[powerBarCap_]; }
    bool evadeBarFull() const { return evadeBar_ >= evadeCap_; }

    ShipVariant variant() const { return variant_; }
    Gun* hyperGun(int slot) const;
    std::int32_t getHyperGunCount() const { return hyperGunCount_; }
    Actor& aura() { return *aura_; }
    const Actor& aura() const { return *aura_; }
    // Draws every segment of the enabled hyper guns, then their sparks.
    void drawHyperBeam();
    // The steering target, bars, charge, levels, caps and rates; the aura and the hyper
    // guns are hashed with the ship's other guns and effects.
    void hashOwnState(StateHasher& hasher) const override;

    std::int32_t getTargetX() const { return targetX_; }
    std::int32_t getTargetY() const { return targetY_; }
    bool isSteering() const { return steering_; }
    bool isEvading() const { return evading_; }
    bool isHyperFiring() const { return hyperFiring_; }
    bool isCharging() const { return charging_; }
    std::int32_t getEvadeCap() const { return evadeCap_; }
    std::int32_t getEvadeBar() const { return evadeBar_; }
    void setEvadeBar(std::int32_t value) { evadeBar_ = value; }
    std::int32_t getChargeLevel() const { return chargeLevel_; }
    std::int32_t getChargeScale() const { return chargeScale_; }
    std::int32_t getCharge() const { return charge_; }
    void setCharge(std::int32_t value) { charge_ = value; }
    std::int32_t getPowerScale() const { return powerScale_; }
    std::int32_t getPower() const { return power_; }
    void setPower(std::int32_t value) { power_ = value; }
    std::int32_t getChargeBarCap() const { return chargeBarCap_; }
    std::int32_t getPowerBarCap() const { return powerBarCap_; }

    std::int32_t getMachineGunLevel() const { return machineGunLevel_; }
    std::int32_t getMachineGunCap() const { return machineGunCap_; }
    void setMachineGunCap(std::int32_t cap) { machineGunCap_ = cap; }
    std::int32_t getPulseLevel() const { return pulseLevel_; }
    std::int32_t getPulseCap() const { return pulseCap_; }
    void setPulseCap(std::int32_t cap) { pulseCap_ = cap; }
    std::int32_t getMissileLevel() const { return missileLevel_; }
    std::int32_t getMissileCap() const { return missileCap_; }
    void setMissileCap(std::int32_t cap) { missileCap_ = cap; }
    std::int32_t getLaserLevel() const { return laserLevel_; }
    std::int32_t getLaserCap() const { return laserCap_; }
    void setLaserCap(std::int32_t cap) { laserCap_ = cap; }
    std::int32_t getHyperBeamLevel() const { return hyperBeamLevel_; }
    std::int32_t getHyperBeamCap() const { return hyperBeamCap_; }
    void setHyperBeamCap(std::int32_t cap) { hyperBeamCap_ = cap; }
    std::int32_t getRechargeRate() const { return rechargeRate_; }
    std::int32_t getRateCap() const { return rateCap_; }
    void setRateCap(std::int32_t cap) { rateCap_ = cap; }
    std::int32_t getChargeRate() const { return chargeRate_; }
    std::int32_t getChargeRateCap() const { return chargeRateCap_; }
    void setChargeRateCap(std::int32_t cap) { chargeRateCap_ = cap; }

  private:
    void buildGuns(const ShipVariantRow& row);
    void buildHyperGuns(const ShipVariantRow& row);
    void fillCharge();
    void refillPower();
    void steer();
    void drainCharge();
    void rollAndBank();
    void releaseCharge();
    // On with the damage, or off for a damage of 0, every ordinary gun whose first
    // projectile is of the kind.
    void switchGuns(std::int32_t kind, std::int32_t damage);
    // The value cut back to the highest threshold it has reached.
    std::int32_t cutToThreshold(std::int32_t value) const;

    ShipVariant variant_;
    std::int32_t auraX_ = 0;
    std::int32_t auraY_ = 0;

    std::int32_t targetX_ = 0;
    std::int32_t targetY_ = 0;
    bool steering_ = false;
    bool evading_ = false;
    bool hyperFiring_ = false;
    std::int32_t evadeCap_ = 0;
    std::int32_t evadeBar_ = 0;
    std::int32_t evadeDelay_ = 1;
    std::int32_t evadeTick_ = 0;
    std::int32_t chargeLevel_ = 0;
    std::int32_t chargeScale_ = 100;
    std::int32_t charge_ = 0;
    std::int32_t chargeDelay_ = 5;
    std::int32_t chargeBarCap_ = 1;
    std::int32_t chargeTick_ = 0;
    std::int32_t powerScale_ = 100;
    std::int32_t power_ = 0;
    std::int32_t powerDelay_ = 10;
    std::int32_t powerBarCap_ = 1;
    std::int32_t powerTick_ = 0;
    std::array<std::int32_t, 4> barThresholds_{5, 32, 67, 100};
    bool charging_ = false;
    std::int32_t hyperGunCount_ = kHyperGunCount;
    std::int32_t machineGunLevel_ = 0;
    std::int32_t machineGunCap_ = 0;
    std::int32_t pulseLevel_ = 0;
    std::int32_t pulseCap_ = 0;
    std::int32_t missileLevel_ = 0;
    std::int32_t missileCap_ = 0;
    std::int32_t laserLevel_ = 0;
    std::int32_t laserCap_ = 0;
    std::int32_t hyperBeamLevel_ = 0;
    std::int32_t hyperBeamCap_ = 0;
    std::int32_t rechargeRate_ = 1;
    std::int32_t rateCap_ = 9;
    std::int32_t chargeRate_ = 1;
    std::int32_t chargeRateCap_ = 9;
    std::unique_ptr<Actor> aura_;
    std::array<std::unique_ptr<Gun>, kHyperGunCount> hyperGuns_;
};

}  // namespace cindervane
