// Projectiles: actors fired by a gun that move by their own rule, strike what they hit and
// show a hit spark there. Each family of shots is a class of its own.
#pragma once

#include <cstdint>
#include <memory>

#include "play/actor.h"
#include "play/hit_spark.h"

namespace cindervane {

class Craft;

class Projectile : public Actor {
  public:
    // Dead, with its spark (dead too); the owner sets speed and direction.
    Projectile();
    // Destroys the spark.
    ~Projectile() override;

    // One frame of the family's movement, including its screen-exit test. Called once per
    // frame for every projectile of an enabled gun; a dead projectile does nothing. Must not
    // allocate.
    virtual void move() = 0;

    // Strikes at (px, py): a shot that dies on hitting goes dead (a homing one also forgets
    // its target and turns upright), and the spark, unless it is still playing, starts
    // centred on the point.
    void strike(std::int32_t px, std::int32_t py);

    // Never below 0.
    void setToughness(std::int32_t toughness) { toughness_ = toughness < 0 ? 0 : toughness; }
    std::int32_t getToughness() const { return toughness_; }
    void setDiesOnHit(bool dies) { diesOnHit_ = dies; }
    bool getDiesOnHit() const { return diesOnHit_; }
    void setShootable(bool shootable) { shootable_ = shootable; }
    bool getShootable() const { return shootable_; }
    void setHoming(bool homing) { homing_ = homing; }
    bool getHoming() const { return homing_; }
    // The craft a homing shot steers toward; not owned. Set by the play frame.
    void setTarget(Craft* target) { target_ = target; }
    Craft* getTarget() const { return target_; }
    HitSpark& hitSpark() { return *hitSpark_; }
    const HitSpark& hitSpark() const { return *hitSpark_; }

  protected:
    std::int32_t toughness_ = 0;
    bool diesOnHit_ = false;
    bool shootable_ = false;
    bool homing_ = false;
    std::unique_ptr<HitSpark> hitSpark_;
    Craft* target_ = nullptr;
};

}  // namespace cindervane
