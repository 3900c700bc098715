// The stage 1 boss: its entry while invulnerable, its arrival, the turns of its sweep, its
// first volley and its change of phase.
#include <gtest/gtest.h>

#include "../play/play_field.h"
#include "enemies/bosses/make_boss.h"
#include "enemies/bosses/poseidon.h"
#include "stage/enemy_factory.h"

namespace cindervane {
namespace {

class PoseidonTest : public ::testing::Test {
  protected:
    // Spawned through the factory at (x, y), coming down.
    Poseidon& spawn(int x, int y) {
        admitEnemy(field.state.field, field.state.run,
                   makeBoss(Poseidon::kType, field.state.run.random),
                   {Poseidon::kType, 1, 0, x, y, 0, 1, 0});
        return static_cast<Poseidon&>(*field.state.field.enemies.tail()->object);
    }
    void moves(Poseidon& boss, int count) {
        for (int i = 0; i < count; ++i)
            boss.move();
    }

    PlayField field;
};

TEST_F(PoseidonTest, HitsCostNothingUntilItArrivesWithFullHitPoints) {
    Poseidon& boss = spawn(10, -150);
    EXPECT_TRUE(boss.isBoss());
    EXPECT_EQ(boss.width(), 220);
    moves(boss, 150);
    EXPECT_EQ(boss.getY(), 0);
    EXPECT_EQ(boss.getAge(), 0) << "nothing but the entry above the screen";
    boss.takeDamage(-5000);
    EXPECT_EQ(boss.getHp(), 200000);
    EXPECT_TRUE(boss.getInvulnerable());

    boss.setHp(120000);
    moves(boss, 4);
    EXPECT_TRUE(boss.getInvulnerable());
    moves(boss, 1);
    EXPECT_EQ(boss.getAge(), 5);
    EXPECT_EQ(boss.getHp(), 200000);
    EXPECT_FALSE(boss.getInvulnerable());
    EXPECT_EQ(boss.getDirX(), 1);
    EXPECT_EQ(boss.getDirY(), 0);
    EXPECT_EQ(boss.getSpeedY(), 4);
    boss.takeDamage(-5000);
    EXPECT_EQ(boss.getHp(), 195000);
}

TEST_F(PoseidonTest, ItsFirstVolleyCallsGunsZeroSevenAndTenToThirteen) {
    Poseidon& boss = spawn(10, 0);
    moves(boss, 15);
    for (int g = 0; g < 17; ++g)
        EXPECT_EQ(boss.gun(g)->getFireTick(), 0) << "no gun before age 16: " << g;
    EXPECT_EQ(boss.getVolleyCounter(), 0);
    moves(boss, 1);
    for (int g = 0; g < 17; ++g) {
        const bool called = g == 0 || g == 7 || (g >= 10 && g <= 13);
        EXPECT_EQ(boss.gun(g)->getFireTick(), called ? 1 : 0) << g;
    }
    EXPECT_EQ(boss.getVolleyCounter(), 1);
    // The swing began at 180 degrees. The game's pi of 3.1415 keeps the cosine there just
    // short of -1, so the row is 15 - truncate(9.99999...) = 6.
    EXPECT_EQ(boss.getY(), 6);
    EXPECT_EQ(boss.getSwingAngle(), 184);
}

TEST_F(PoseidonTest, ItTurnsPastMinusThirtyAndAtTwoHundredSeventyOne) {
    Poseidon& boss = spawn(10, 0);
    moves(boss, 16);
    boss.setX(49);
    boss.setDirX(1);
    moves(boss, 1);
    EXPECT_EQ(boss.getX(), 50);
    EXPECT_EQ(boss.getDirX(), 1) << "its right edge at 270";
    moves(boss, 1);
    EXPECT_EQ(boss.getX(), 51);
    EXPECT_EQ(boss.getDirX(), -1) << "its right edge at 271";

    boss.setX(-29);
    moves(boss, 1);
    EXPECT_EQ(boss.getX(), -30);
    EXPECT_EQ(boss.getDirX(), -1);
    moves(boss, 1);
    EXPECT_EQ(boss.getDirX(), 1);
}

TEST_F(PoseidonTest, BelowFiftyThousandItSweepsThreeTimesAsFast) {
    Poseidon& boss = spawn(10, 0);
    moves(boss, 20);
    boss.setHp(50000);
    moves(boss, 1);
    EXPECT_EQ(boss.getPattern(), 0);
    EXPECT_EQ(boss.getSpeedX(), 1);
    boss.setHp(49999);
    moves(boss, 1);
    EXPECT_EQ(boss.getPattern(), 1);
    EXPECT_EQ(boss.getSpeedX(), 3);
    // The second phase swings ten rows higher: from 0 to 20.
    for (int i = 0; i < 90; ++i) {
        moves(boss, 1);
        EXPECT_GE(boss.getY(), 0);
        EXPECT_LE(boss.getY(), 20);
    }
}

}  // namespace
}  // namespace cindervane
