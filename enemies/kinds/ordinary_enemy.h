// The common ground of the ordinary enemy kinds: the constructor that builds a kind from its
// row of the enemy types table and its gun layout, and the frame skeleton every script hangs
// on: one motion step, the exit rule, the animation, the age, then the script.
#pragma once

#include <cstdint>
#include <span>

#include "enemies/enemy.h"
#include "enemies/enemy_gun_row.h"
#include "gamelibrary/random_generator.h"

namespace cindervane {

class OrdinaryEnemy : public Enemy {
  public:
    // Frames an enemy may spend outside the screen while it enters.
    static constexpr std::int32_t kGrace = 50;

    // One frame, alive or not: while alive, the motion step, the exit rule, the animation,
    // the age counted up and, when it runs, the script; then, in every case, the shared work
    // of updateOwned. Must not allocate.
    void move() override;
    void hashOwnState(StateHasher& hasher) const override { hasher.add(animates_); }

  protected:
    // A live enemy of the type at its first frame, upright, falling (the spawn row then
    // gives its position, direction and pattern), with the hit points, speeds and coins of
    // its row of the enemy types table (coins of the kind that makes the row's value), the
    // item box when the row carries one, its guns from the rows given, and its explosion.
    OrdinaryEnemy(std::int32_t type, std::int32_t frameDelay, std::span<const EnemyGunRow> guns,
                  RandomGenerator& random);

    // The kind's timetable of actions, run after the age has counted up. Must not allocate.
    virtual void script() = 0;
    // Whether the script runs this frame; most kinds wait until they have reached the screen.
    virtual bool scriptRuns() const { return getY() >= 0; }
    // Whether the enemy leaves the game now, silently; by default once it lies wholly outside
    // the screen after its first 50 frames, so it may enter from any side.
    virtual bool leavesNow() const { return outsideScreen() && getAge() > kGrace; }

    // The frame lies wholly outside the screen box.
    bool outsideScreen() const {
        return getY() < -height() || getY() >= kScreenHeight + 1 || getX() < -width() ||
               getX() >= kScreenWidth + 1;
    }
    // The base enemy's exit: below the screen, or beyond its left or right edge (never the
    // top), for the kinds that enter from above without a grace period.
    bool belowOrBesideScreen() const {
        return getY() >= kScreenHeight + 1 || getX() < -width() || getX() >= kScreenWidth + 1;
    }
    // Beyond the left or right edge (the rule of the kinds that die there at once).
    bool pastSideEdge() const { return getX() < -width() || getX() > kScreenWidth; }
    // Gone without an explosion or drops.
    void leaveSilently() {
        setAlive(false);
        setAge(0);
    }
    void head(std::int32_t dirX, std::int32_t dirY) {
        setDirX(dirX);
        setDirY(dirY);
    }
    void stop() { head(0, 0); }
    // One gun fired from the enemy's corner, keeping its own interval.
    void fireGun(int slot);
    // Each gun of a range [first, last] fired once.
    void fireGuns(int first, int last);
    // Whether the age is one of the marks.
    bool ageIsOneOf(std::span<const std::int32_t> marks) const {
        for (std::int32_t mark : marks)
            if (mark == getAge()) return true;
        return false;
    }
    // Whether the age lies in [from, to].
    bool ageIn(std::int32_t from, std::int32_t to) const {
        return getAge() >= from && getAge() <= to;
    }

    // Whether the looping animation runs (not for kinds drawn in one pose).
    bool animates_ = true;
};

// The coin kind worth a value: 50 is kind 1, 100 kind 2, 500 kind 3, 1000 kind 4; 0 for any
// other value.
constexpr std::int32_t coinKindOfValue(std::int32_t value) {
    for (std::int32_t kind = 1; kind <= 4; ++kind)
        if (Coin::valueOfKind(kind) == value) return kind;
    return 0;
}

}  // namespace cindervane
