// The stage 4 boss: its climb from below while invulnerable and away from the ship, its
// arrival, the dives and weaves of its script, its fury below a quarter of its hit points,
// and that it never leaves the screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "boss_fight.h"
#include "enemies/bosses/silver_hawk.h"
#include "enemies/timetables/stage4.h"

namespace cindervane {
namespace {

class SilverHawkTest : public ::testing::Test {
  protected:
    SilverHawkTest() : boss(static_cast<SilverHawk&>(fight.spawn(kStage4Timetable, 38))) {}

    void moves(int count) {
        for (int i = 0; i < count; ++i)
            boss.move();
    }
    void expectOnScreen() {
        EXPECT_GE(boss.getX(), 0);
        EXPECT_LE(boss.getX() + boss.width(), 240);
        EXPECT_GE(boss.getY(), 0);
        EXPECT_LE(boss.getY() + boss.height(), 320);
    }

    BossFight fight;
    SilverHawk& boss;
};

TEST_F(SilverHawkTest, ItClimbsFromBelowInvulnerableAndArrivesWithFullHitPoints) {
    EXPECT_EQ(boss.getY(), 320) << "below the screen";
    EXPECT_EQ(fight.field.state.flow.scrollSpeed, 9);
    moves(25);
    EXPECT_EQ(boss.getY(), 320) << "it waits below the screen";
    moves(9);
    EXPECT_EQ(boss.getY(), 320 - 9 * 11) << "then climbs fast";
    EXPECT_EQ(boss.getX(), 8) << "on the left without a ship";
    EXPECT_TRUE(boss.getInvulnerable());
    boss.takeDamage(-5000);
    EXPECT_EQ(boss.getHp(), 400000);
    boss.setHp(1000);
    moves(1);
    EXPECT_EQ(boss.getAge(), 35);
    EXPECT_EQ(boss.getHp(), 400000);
    EXPECT_FALSE(boss.getInvulnerable());
    EXPECT_EQ(boss.getPattern(), 1);
    boss.takeDamage(-5000);
    EXPECT_EQ(boss.getHp(), 395000);
    moves(20);
    EXPECT_EQ(boss.getY(), 36) << "its row near the top";
    EXPECT_NEAR(boss.getX(), 12, 4) << "the weave picks up where the lane ends";
}

TEST_F(SilverHawkTest, ItClimbsOnTheSideAwayFromTheShip) {
    PlayerShip& ship = *fight.field.state.field.ship;
    boss.setTarget(&ship);
    ship.setX(20);
    moves(30);
    EXPECT_EQ(boss.getX(), 240 - 57 - 8);
    for (int i = 0; i < 30; ++i) {
        boss.move();
        EXPECT_GE(boss.getX(), 150);
    }
}

TEST_F(SilverHawkTest, ItDivesAndClimbsBackThenWeavesOnAndItsRoundComesBack) {
    moves(300);
    EXPECT_EQ(boss.getPattern(), 1);
    const std::int32_t row = boss.getY();
    boss.setHp(300000);
    moves(1);
    EXPECT_EQ(boss.getPattern(), 2);
    std::int32_t deepest = row;
    for (int i = 0; i < 30; ++i) {
        moves(1);
        deepest = std::max(deepest, boss.getY());
    }
    EXPECT_EQ(deepest, row + 90);
    EXPECT_EQ(boss.getY(), row) << "back on its row";
    EXPECT_EQ(boss.getPattern(), 3);
    moves(170);
    EXPECT_EQ(boss.getPattern(), 2);
    moves(30);
    EXPECT_EQ(boss.getY(), row);
    EXPECT_EQ(boss.getAge(), 35) << "the round starts again";
    EXPECT_EQ(boss.getPattern(), 1);
    EXPECT_EQ(boss.getHp(), 300000) << "its hit points are not renewed";
}

TEST_F(SilverHawkTest, BelowAQuarterOfItsHitPointsItGoesOverToItsFuryButNotMidDive) {
    moves(100);
    boss.setHp(100000);
    moves(1);
    EXPECT_EQ(boss.getPattern(), 1);
    moves(204);
    ASSERT_EQ(boss.getPattern(), 2);
    boss.setHp(99999);
    moves(10);
    EXPECT_EQ(boss.getPattern(), 2) << "the dive is finished first";
    moves(16);
    EXPECT_EQ(boss.getPattern(), 4);
    moves(400);
    EXPECT_EQ(boss.getPattern(), 4) << "no more dives";
}

TEST_F(SilverHawkTest, ItStaysOnTheScreenThroughEveryPhase) {
    moves(60);
    for (int i = 0; i < 3000; ++i) {
        if (i == 2000) boss.setHp(50000);
        boss.move();
        expectOnScreen();
        ASSERT_TRUE(boss.isAlive());
    }
    EXPECT_EQ(boss.getPattern(), 4);
}

TEST_F(SilverHawkTest, ARoundOfItsScriptFiresEveryGun) {
    const std::vector<bool> fired = gunsFiring(boss, 531);
    for (int g = 0; g < boss.getGunCount(); ++g)
        EXPECT_TRUE(fired[g]) << g;
}

}  // namespace
}  // namespace cindervane
