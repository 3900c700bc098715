// Guns and the ship's shot families: firing intervals and pools, the move rule of every
// family with its screen exits, striking and sparks, and the homing missile's turns.
#include "play/gun.h"

#include <gtest/gtest.h>

#include "play/craft.h"
#include "play/homing_missile.h"
#include "play/laser_shot.h"
#include "play/pulse_shot.h"
#include "play/straight_shot.h"
#include "play_field.h"

namespace cindervane {
namespace {

class GunTest : public ::testing::Test {
  protected:
    // A gun of count resolved shots of the kind, each moving up at 10 pixels a frame.
    template <class Shot>
    std::unique_ptr<Gun> gunOf(int count, std::int32_t kind, int interval) {
        auto gun = std::make_unique<Gun>();
        gun->setEnabled(true);
        gun->setInterval(interval);
        gun->setProjectileCount(count);
        for (int i = 0; i < count; ++i) {
            auto shot = std::make_unique<Shot>(kind);
            shot->setDirY(-1);
            shot->setSpeedY(10);
            shot->resolveSprite(field.state.run.projectileSheets);
            shot->hitSpark().resolveSprite(field.state.run.effectSheets);
            gun->setProjectile(i, std::move(shot));
        }
        return gun;
    }

    PlayField field;
};

TEST_F(GunTest, FiresOnEveryIntervalthCallAndKeepsCountingWhenThePoolIsFull) {
    auto gun = gunOf<StraightShot>(1, 3, 10);
    gun->setOffsetX(22);
    gun->setOffsetY(3);
    std::vector<int> shots;
    for (int call = 1; call <= 30; ++call) {
        if (gun->fire(100, 200)) shots.push_back(call);
        if (call == 10) {
            EXPECT_EQ(gun->projectile(0)->getX(), 122);
            EXPECT_EQ(gun->projectile(0)->getY(), 203);
        }
        if (call == 15) gun->projectile(0)->setAlive(false);
    }
    // Call 20 finds the one shot free again; at 30 it is still flying.
    EXPECT_EQ(shots, (std::vector<int>{10, 20}));
    EXPECT_EQ(gun->getFireTick(), 0);
}

TEST_F(GunTest, APoolOfTenKeepsAtMostTenShotsOutAndTheEleventhWaitsForAFreeSlot) {
    auto gun = gunOf<StraightShot>(10, 3, 2);
    for (int call = 0; call < 40; ++call)
        gun->fire(100, 300);
    EXPECT_EQ(gun->liveProjectiles(), 10);
    gun->projectile(4)->setAlive(false);
    gun->fire(50, 300);
    EXPECT_FALSE(gun->projectile(4)->isAlive());  // an odd call: not due
    gun->fire(50, 300);
    EXPECT_TRUE(gun->projectile(4)->isAlive());
    EXPECT_EQ(gun->projectile(4)->getX(), 50);
}

TEST_F(GunTest, APulseShotEndsWhenItsTopReachesRowZeroAStraightShotWhenItsBottomLeaves) {
    auto pulse = gunOf<PulseShot>(1, 9, 1);        // 15 x 23
    auto straight = gunOf<StraightShot>(1, 3, 1);  // 5 x 10
    Projectile& slug = *pulse->projectile(0);
    Projectile& round = *straight->projectile(0);
    slug.setAlive(true);
    slug.setY(10);
    slug.move();
    EXPECT_FALSE(slug.isAlive());  // top edge at 0
    round.setAlive(true);
    round.setY(9);
    round.move();  // y -1: its bottom rows still show
    EXPECT_TRUE(round.isAlive());
    round.move();  // y -11: bottom edge at -1
    EXPECT_FALSE(round.isAlive());

    round.setAlive(true);
    round.setY(100);
    round.setX(236);
    round.setDirX(1);
    round.setSpeedX(5);
    round.move();  // x 241
    EXPECT_FALSE(round.isAlive());
}

TEST_F(GunTest, AStrikeStartsTheSparkCentredOnThePointUnlessItIsStillPlaying) {
    auto pulse = gunOf<PulseShot>(1, 9, 1);
    auto straight = gunOf<StraightShot>(1, 3, 1);
    Projectile& slug = *pulse->projectile(0);
    slug.setAlive(true);
    slug.strike(100, 50);
    EXPECT_TRUE(slug.isAlive());              // pulse shots pass through
    const HitSpark& spark = slug.hitSpark();  // 23 x 26
    EXPECT_TRUE(spark.isAlive());
    EXPECT_EQ(spark.getX(), 100 - 11);
    EXPECT_EQ(spark.getY(), 50 - 13);
    slug.hitSpark().stepOnce();
    slug.strike(10, 10);
    EXPECT_EQ(spark.getX(), 89);
    EXPECT_EQ(spark.getFrame(), 1);

    Projectile& round = *straight->projectile(0);
    round.setAlive(true);
    round.setAge(7);
    round.strike(30, 30);
    EXPECT_FALSE(round.isAlive());
    EXPECT_EQ(round.getAge(), 0);
}

TEST_F(GunTest, ALaserStandsWhereFiredShowsEachFrameTwiceAndIsGoneAfterItsLast) {
    auto laser = gunOf<LaserShot>(1, 11, 20);  // 3 frames
    Projectile& flash = *laser->projectile(0);
    flash.setAlive(true);
    flash.setY(-250);
    std::vector<int> frames;
    for (int i = 0; i < 4; ++i) {
        flash.move();
        frames.push_back(flash.getFrame());
    }
    EXPECT_EQ(frames, (std::vector<int>{0, 1, 1, 2}));
    EXPECT_TRUE(flash.isAlive());
    EXPECT_EQ(flash.getY(), -250);
    flash.move();
    EXPECT_FALSE(flash.isAlive());
    EXPECT_EQ(flash.getFrame(), 0);
}

class MissileTest : public GunTest {
  protected:
    MissileTest() {
        missile.resolveSprite(field.state.run.projectileSheets);  // 15 x 15
        missile.setHoming(true);
        missile.setAlive(true);
        missile.setSpeedX(5);
        missile.setSpeedY(15);
        missile.setDirY(-1);
        missile.setX(100);
        missile.setY(200);
        target.setKind(4);  // 42 x 42
        target.resolveSprite(field.state.run.craftSheets);
        target.setAlive(true);
        missile.setTarget(&target);
    }

    HomingMissile missile;
    Craft target;
};

TEST_F(MissileTest, TurnsTowardATargetAboveItAndTurnsItsPictureFiveDegreesAFrame) {
    target.setX(10);  // up and to the left
    target.setY(20);
    missile.move();
    EXPECT_EQ(missile.getDirX(), -1);
    EXPECT_EQ(missile.getDirY(), -1);
    EXPECT_EQ(missile.getAngle(), 355);
    missile.move();
    EXPECT_EQ(missile.getAngle(), 350);

    target.setX(200);  // up and to the right
    missile.move();
    EXPECT_EQ(missile.getDirX(), 1);
    EXPECT_EQ(missile.getAngle(), 355);

    target.setX(missile.getX() - 10);  // straight above
    missile.move();
    EXPECT_EQ(missile.getDirX(), 0);
    EXPECT_EQ(missile.getAngle(), 360);

    target.setX(0);  // up and left again, but the tenth frame sends it straight up
    missile.setAge(9);
    missile.move();
    EXPECT_EQ(missile.getDirX(), 0);
    target.setY(300);  // never toward a target below
    missile.move();
    EXPECT_EQ(missile.getDirX(), 0);
}

TEST_F(MissileTest, SwingsRightUnderATargetJustAboveAndLeavesTheTopUprightKeepingItsTarget) {
    target.setX(0);
    target.setY(-3);
    missile.setY(3);  // centre after the move -5: below the target's top, above twice it
    missile.move();
    EXPECT_EQ(missile.getDirX(), 1);
    EXPECT_EQ(missile.getDirY(), 0);
    EXPECT_EQ(missile.getAngle(), 5);

    // Leaving the screen keeps the target, but a strike lets it go.
    target.setY(-500);
    missile.setDirY(-1);
    missile.setY(0);
    missile.move();  // bottom edge at 0
    EXPECT_FALSE(missile.isAlive());
    EXPECT_EQ(missile.getAngle(), 360);
    EXPECT_EQ(missile.getAge(), 0);
    EXPECT_EQ(missile.getTarget(), &target);
    missile.setAlive(true);
    missile.strike(50, 50);
    EXPECT_EQ(missile.getTarget(), nullptr);
}

}  // namespace
}  // namespace cindervane
