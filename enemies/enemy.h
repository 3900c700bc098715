// Enemies: every hostile craft on the play field, and the separately destructible parts of
// bosses. An enemy is a craft with a score value, the coins and item box it releases when
// destroyed, up to ten parts that move with it and the ship it may aim at. This is the base
// every enemy kind builds on: the per-frame work they all share, the straight-line default
// movement, drawing and destruction.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "enemies/beam_forecast.h"
#include "play/coin.h"
#include "play/craft.h"
#include "play/item_box.h"

namespace cindervane {

class Enemy : public Craft {
  public:
    static constexpr int kMaxCoins = 25;
    static constexpr int kMaxParts = 10;

    // A craft that fires by itself, neither a boss nor invulnerable, carrying nothing yet.
    Enemy();
    // Destroys its coins, box and parts, then what every craft owns.
    ~Enemy() override;

    // Draws the enemy alone: false when dead or without a sprite, true without drawing when
    // wholly off the screen. After a hit an ordinary enemy is drawn once as a white
    // silhouette; bosses and boss parts never flash. The hit flash is cleared either way.
    bool draw() override;
    // The class's per-frame update, called for every listed enemy, alive or not. The base
    // flies in a straight line and dies silently on leaving by the bottom, left or right
    // (not the top). Every override must end with updateOwned. Must not allocate.
    void move() override;
    // Destroyed: dead, no hit points, the explosion centred on it and started, and every
    // live part destroyed with it.
    void die() override;
    // Drawn only: adds the beam and laser guns of the enemy and its parts that its counters
    // say will fire within the wind-up, and how soon. Changes nothing; ordinary enemies give
    // no warning.
    virtual void foretellBeams(BeamForecast& forecast) const { (void)forecast; }
    // Puts every live part in its place on the body before the part moves. The base puts
    // each on the body's corner; bosses with parts lay them out themselves.
    virtual void placeParts();

    // The per-frame work every enemy shares, alive or dead: its explosion, box, coins and
    // shots move on, and each part is placed, moved and its coins and shots moved.
    void updateOwned();
    // Picks every coin's drift and speed again, in slot order, as building the enemy did. An
    // enemy built ahead of time (the stage's pool) draws from the game's chance when it
    // comes on, just as one built at that moment would.
    void rollCoins(RandomGenerator& random);
    // Releases the coins centred on the enemy.
    void dropCoins();
    // Releases the box centred on the enemy (at the top of the screen for an enemy still
    // above it).
    void dropBox();
    // Draws the enemy with everything it owns in the game's order: the parts beneath, the
    // enemy, its explosion, coins, box and shots, then the parts above.
    void drawWithParts();
    // Whether the enemy and everything it owns (explosion, shots, box, coins, and each
    // part with its explosion, shots and coins) are all dead.
    bool isFinished() const;

    bool isBoss() const { return isBoss_; }
    std::int32_t getScoreValue() const { return scoreValue_; }
    void setScoreValue(std::int32_t value) { scoreValue_ = value; }
    bool isSteering() const { return steering_; }
    std::int32_t getTargetAngle() const { return targetAngle_; }
    void setTargetAngle(std::int32_t angle) { targetAngle_ = angle; }
    std::int32_t getHeading() const { return heading_; }
    void setHeading(std::int32_t heading) { heading_ = heading; }
    std::int32_t getOrbitRadius() const { return orbitRadius_; }
    void setOrbitRadius(std::int32_t radius) { orbitRadius_ = radius; }
    // 1: drawn beneath the body; 0: above everything of the body.
    std::int32_t getPartLayer() const { return partLayer_; }
    void setPartLayer(std::int32_t layer) { partLayer_ = layer; }
    // The player ship, set by the play frame each frame; not owned.
    Craft* getTarget() const { return target_; }
    void setTarget(Craft* target) { target_ = target; }

    // Counts are held to their slots: 0..25 coins, 0..10 parts, 0 or 1 box.
    std::int32_t getCoinCount() const { return coinCount_; }
    void setCoinCount(std::int32_t count);
    std::int32_t getPartCount() const { return partCount_; }
    void setPartCount(std::int32_t count);
    std::int32_t getBoxCount() const { return boxCount_; }
    void setBoxCount(std::int32_t count);
    // The coin or part in a slot; null for an empty slot or one out of range.
    Coin* coin(int slot) const;
    void setCoin(int slot, std::unique_ptr<Coin> coin);
    Enemy* part(int slot) const;
    void setPart(int slot, std::unique_ptr<Enemy> part);
    ItemBox* box() const { return box_.get(); }

  protected:
    // The part of the work the body and its parts share: explosion, coins and shots.
    void updateCoinsAndShots();
    // A part with its explosion, coins and shots.
    void drawAsPart();

    // For the kinds that build themselves: bosses and boss parts, steering turrets, and the
    // counts and box as their tables give them, written as they stand.
    void setBoss(bool boss) { isBoss_ = boss; }
    void setSteering(bool steering) { steering_ = steering; }
    void setBox(std::unique_ptr<ItemBox> box) { box_ = std::move(box); }
    void setCoinCountUnchecked(std::int32_t count) { coinCount_ = count; }
    void setPartCountUnchecked(std::int32_t count) { partCount_ = count; }
    void setBoxCountUnchecked(std::int32_t count) { boxCount_ = count; }

  private:
    bool isBoss_ = false;
    std::int32_t scoreValue_ = 0;
    std::int32_t coinCount_ = 0;
    std::int32_t partCount_ = 0;
    std::int32_t boxCount_ = 0;
    bool steering_ = false;
    std::int32_t targetAngle_ = 0;
    std::int32_t heading_ = 0;
    std::int32_t orbitRadius_ = 0;
    std::int32_t partLayer_ = 0;
    std::array<std::unique_ptr<Coin>, kMaxCoins> coins_;
    std::array<std::unique_ptr<Enemy>, kMaxParts> parts_;
    std::unique_ptr<ItemBox> box_;
    Craft* target_ = nullptr;
};

}  // namespace cindervane
