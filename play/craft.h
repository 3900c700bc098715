// Craft: an actor with hit points and armour, up to 75 guns and an explosion of its own.
// The player ship and every enemy are craft.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "play/actor.h"
#include "play/explosion.h"
#include "play/gun.h"

namespace cindervane {

class Craft : public Actor {
  public:
    static constexpr int kMaxGuns = 75;

    // No guns and no explosion yet; armour 0 of 10, one hit point, not firing.
    Craft() = default;
    // Destroys the explosion and every gun, and with them the guns' projectiles.
    ~Craft() override;

    // As an actor's draw, except that after a hit the frame is drawn once as a white
    // silhouette (turned when the angle asks for it) and the hit flash is then cleared.
    bool draw() override;
    // Every enabled gun in slots 0 to gunCount - 1 fires from the craft's top-left corner;
    // each gun adds its offset and keeps its own interval.
    virtual void fire();
    // One frame of the craft's own movement: here the plain motion step.
    virtual void move();
    // Destroys the craft: dead with no hit points, and its explosion centred on it and
    // started from its first frame.
    virtual void die();

    // Damage arrives as a negative amount. Armour removes a tenth of it per level (integer
    // division toward zero) and every hit costs at least 1 point; hit points stop at 0, and
    // an invulnerable craft loses nothing. Either way the craft flashes on its next draw.
    // Never kills by itself: the play frame calls die once the hit points are 0.
    void takeDamage(std::int32_t amount);

    // Never below 0.
    void setHp(std::int32_t hp) { hp_ = hp < 0 ? 0 : hp; }
    std::int32_t getHp() const { return hp_; }
    void setFullHp(std::int32_t hp) { fullHp_ = hp; }
    std::int32_t getFullHp() const { return fullHp_; }
    // At most 75.
    void setGunCount(std::int32_t count) { gunCount_ = count > kMaxGuns ? kMaxGuns : count; }
    std::int32_t getGunCount() const { return gunCount_; }
    void setAutoFire(bool on) { autoFire_ = on; }
    bool getAutoFire() const { return autoFire_; }
    void setInvulnerable(bool on) { invulnerable_ = on; }
    bool getInvulnerable() const { return invulnerable_; }
    void setHitFlash(bool on) { hitFlash_ = on; }
    bool getHitFlash() const { return hitFlash_; }
    void setArmorScale(std::int32_t scale) { armorScale_ = scale; }
    std::int32_t getArmorScale() const { return armorScale_; }
    // Kept below the armour scale.
    void setArmor(std::int32_t armor) { armor_ = armor < armorScale_ ? armor : armorScale_ - 1; }
    std::int32_t getArmor() const { return armor_; }

    // The gun in a slot; null for an empty slot or one outside 0..74.
    Gun* gun(int slot) const;
    void setGun(int slot, std::unique_ptr<Gun> gun);
    Explosion* explosion() const { return explosion_.get(); }
    void setExplosion(std::unique_ptr<Explosion> explosion) { explosion_ = std::move(explosion); }

    // Moves every projectile of the enabled guns in slots 0 to gunCount - 1 and advances
    // their sparks.
    void updateShots();
    // Draws every projectile of the enabled guns, each followed by its spark.
    void drawShots();
    // Whether any projectile of any gun in use is alive, enabled or not.
    bool anyShotAlive() const;
    // A craft is leaving the enemy list for good: every projectile of every gun, flying or
    // waiting to be fired again, lets it go as a target, so none ever steers by a craft that
    // no longer exists.
    void forgetTarget(const Craft& gone);

  protected:
    // Plain writes that skip the public setters' limits, for the ships and enemies that
    // set their hit points and gun count as their tables give them.
    void setHpUnchecked(std::int32_t hp) { hp_ = hp; }
    void setGunCountUnchecked(std::int32_t count) { gunCount_ = count; }

  private:
    bool autoFire_ = false;
    bool invulnerable_ = false;
    std::int32_t fullHp_ = 0;
    std::int32_t hp_ = 1;
    std::int32_t gunCount_ = 0;
    bool hitFlash_ = false;
    std::int32_t armorScale_ = 10;
    std::int32_t armor_ = 0;
    std::unique_ptr<Explosion> explosion_;
    std::array<std::unique_ptr<Gun>, kMaxGuns> guns_;
};

}  // namespace cindervane
