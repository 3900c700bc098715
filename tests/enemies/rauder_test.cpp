// The stage 2 boss: its fast entry, its arrival on the top of its circle, the circle and its
// volleys, the faster circle of its fury, and a dash out and back onto the circle.
#include <gtest/gtest.h>

#include <cmath>

#include "../play/play_field.h"
#include "enemies/bosses/make_boss.h"
#include "enemies/bosses/rauder.h"
#include "stage/enemy_factory.h"

namespace cindervane {
namespace {

class RauderTest : public ::testing::Test {
  protected:
    Rauder& spawn() {
        admitEnemy(field.state.field, field.state.run,
                   makeBoss(Rauder::kType, field.state.run.random),
                   {Rauder::kType, 1, 0, 10, -205, 0, 1, 0});
        return static_cast<Rauder&>(*field.state.field.enemies.tail()->object);
    }
    // Moves until the boss reaches the age.
    void ageTo(Rauder& boss, int age) {
        for (int guard = 0; boss.getAge() < age && guard < 10000; ++guard)
            boss.move();
    }
    static int distanceFromCentre(const Rauder& boss) {
        const double dx = boss.getX() - boss.getOrbitX();
        const double dy = boss.getY() - boss.getOrbitY();
        return static_cast<int>(std::lround(std::sqrt(dx * dx + dy * dy)));
    }
    static int liveShots(const Rauder& boss, int gun) { return boss.gun(gun)->liveProjectiles(); }

    PlayField field;
};

TEST_F(RauderTest, ComesInFastThenStandsOnTheTopOfItsCircleAndArrives) {
    Rauder& boss = spawn();
    EXPECT_EQ(boss.getGunCount(), 27);
    for (int i = 0; i < 20; ++i)
        boss.move();
    EXPECT_EQ(boss.getY(), -205 + 20 * 3);
    EXPECT_EQ(boss.getAge(), 11) << "held at 10 while above -100";
    EXPECT_TRUE(boss.getInvulnerable());

    boss.setHp(5);
    ageTo(boss, 30);
    EXPECT_EQ(boss.getHp(), 400000);
    EXPECT_FALSE(boss.getInvulnerable());
    EXPECT_EQ(boss.getOrbitX(), boss.getX());
    EXPECT_EQ(boss.getOrbitY(), boss.getY() + 30);
    EXPECT_EQ(boss.getOrbitRadius(), 30);
    EXPECT_EQ(boss.getOrbitAngle(), 270);
    const int x = boss.getX();
    const int y = boss.getY();
    ageTo(boss, 54);
    EXPECT_EQ(boss.getX(), x);
    EXPECT_EQ(boss.getY(), y);
}

TEST_F(RauderTest, CirclesSevenDegreesAFrameAndTenInItsFury) {
    Rauder& boss = spawn();
    ageTo(boss, 55);
    EXPECT_EQ(boss.getOrbitAngle(), 263);
    EXPECT_EQ(boss.getVolleyCounter(), 1);
    // At count 1 the outer missiles of the first triple leave, not the middle one.
    EXPECT_EQ(liveShots(boss, 9), 1);
    EXPECT_EQ(liveShots(boss, 10), 0);
    EXPECT_EQ(liveShots(boss, 11), 1);
    while (boss.getVolleyCounter() < 30) {
        boss.move();
        EXPECT_NEAR(distanceFromCentre(boss), 30, 1);
        EXPECT_EQ(liveShots(boss, 0), 0);
    }
    boss.move();
    // Count 31 fires the six lasers.
    for (int laser = 0; laser <= 5; ++laser)
        EXPECT_EQ(liveShots(boss, laser), 1) << laser;

    boss.setHp(99999);
    const int angle = boss.getOrbitAngle();
    boss.move();
    EXPECT_EQ(boss.getOrbitAngle(), angle - 10);
}

TEST_F(RauderTest, AtAgeTwoHundredItDashesDownLeftAndBackWithoutFiring) {
    Rauder& boss = spawn();
    ageTo(boss, 199);
    EXPECT_EQ(boss.getPattern(), 0);
    boss.move();
    EXPECT_EQ(boss.getPattern(), 3);
    int shots = 0;
    for (int g = 0; g < boss.getGunCount(); ++g)
        shots += liveShots(boss, g);

    ageTo(boss, 205);
    const int standX = boss.getX();
    const int standY = boss.getY();
    EXPECT_EQ(boss.getSpeedX(), 0);
    ageTo(boss, 225);
    EXPECT_LT(boss.getX(), standX);
    EXPECT_GT(boss.getY(), standY);
    int later = 0;
    for (int g = 0; g < boss.getGunCount(); ++g)
        later += liveShots(boss, g);
    EXPECT_LE(later, shots) << "no gun fires while it dashes";

    ageTo(boss, 246);
    EXPECT_EQ(boss.getPattern(), 0);
    boss.move();
    EXPECT_NEAR(distanceFromCentre(boss), 30, 1) << "back on its circle";
}

TEST_F(RauderTest, TheDashesFollowTheRoundsOfItsAge) {
    Rauder& boss = spawn();
    ageTo(boss, 300);
    EXPECT_EQ(boss.getPattern(), 2);
    ageTo(boss, 400);
    EXPECT_EQ(boss.getPattern(), 1);
    ageTo(boss, 401);
    ageTo(boss, 410);
    EXPECT_EQ(boss.getDirX(), 0);
    EXPECT_EQ(boss.getDirY(), 1);
    EXPECT_EQ(boss.getSpeedY(), 9);
}

}  // namespace
}  // namespace cindervane
