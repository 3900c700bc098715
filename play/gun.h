// Guns: firing points fixed to a craft. A gun has an offset from the craft's corner, a firing
// interval, the damage its shots deal and a pool of up to 30 projectiles it reuses.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "play/projectile.h"

namespace cindervane {

class Gun {
  public:
    static constexpr int kMaxProjectiles = 30;

    Gun() = default;
    // Destroys the projectiles, and with them their sparks.
    virtual ~Gun();
    Gun(const Gun&) = delete;
    Gun& operator=(const Gun&) = delete;

    // Counts one call; on every interval-th call the first dead projectile in slot order is
    // switched alive at (x + offsetX, y + offsetY), keeping its direction, speed, frame and
    // angle. At most one leaves per call, and none while all are alive. True when one left.
    bool fire(std::int32_t x, std::int32_t y);

    void setOffsetX(std::int32_t offset) { offsetX_ = offset; }
    std::int32_t getOffsetX() const { return offsetX_; }
    void setOffsetY(std::int32_t offset) { offsetY_ = offset; }
    std::int32_t getOffsetY() const { return offsetY_; }
    // A disabled gun neither fires nor moves, tests or draws its projectiles.
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool isEnabled() const { return enabled_; }
    void setInterval(std::int32_t interval) { interval_ = interval; }
    std::int32_t getInterval() const { return interval_; }
    void setDamage(std::int32_t damage) { damage_ = damage; }
    std::int32_t getDamage() const { return damage_; }
    // At most 30.
    void setProjectileCount(std::int32_t count) {
        projectileCount_ = count > kMaxProjectiles ? kMaxProjectiles : count;
    }
    std::int32_t getProjectileCount() const { return projectileCount_; }
    std::int32_t getFireTick() const { return fireTick_; }

    // The projectile in a slot; null for an empty slot or one outside 0..29.
    Projectile* projectile(int slot) const {
        return slot >= 0 && slot < kMaxProjectiles ? projectiles_[slot].get() : nullptr;
    }
    void setProjectile(int slot, std::unique_ptr<Projectile> projectile);

    // Every projectile in use runs its own move and its spark one step.
    void updateShots();
    // Every projectile in use draws itself, followed by its spark.
    void drawShots();
    bool anyShotAlive() const;
    std::int32_t liveProjectiles() const;

  private:
    std::int32_t offsetX_ = 0;
    std::int32_t offsetY_ = 0;
    bool enabled_ = false;
    std::int32_t interval_ = 1;
    std::int32_t damage_ = 0;
    std::int32_t projectileCount_ = 0;
    std::int32_t fireTick_ = 0;
    std::array<std::unique_ptr<Projectile>, kMaxProjectiles> projectiles_;
};

}  // namespace cindervane
