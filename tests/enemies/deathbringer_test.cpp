// The stage 7 boss: its slow glide to the middle while invulnerable, its arrival with full hit
// points, its plating, its sway, its withdrawal and fierce volleys below the threshold and
// every gun firing in a round. (Its fight to the end is in the beam warnings' test.)
#include <gtest/gtest.h>

#include <vector>

#include "boss_fight.h"
#include "enemies/bosses/deathbringer.h"
#include "enemies/timetables/stage7.h"

namespace cindervane {
namespace {

class DeathbringerTest : public ::testing::Test {
  protected:
    DeathbringerTest() : boss(static_cast<Deathbringer&>(fight.spawn(kStage7Timetable, 6))) {}

    void moves(int count) {
        for (int i = 0; i < count; ++i)
            boss.move();
    }
    // Moves it once; for each gun, how many shots it sent off in that frame.
    std::vector<int> shotsOfAMove() {
        std::vector<std::vector<bool>> before;
        for (int g = 0; g < boss.getGunCount(); ++g) {
            before.emplace_back();
            for (int p = 0; p < boss.gun(g)->getProjectileCount(); ++p)
                before[g].push_back(boss.gun(g)->projectile(p)->isAlive());
        }
        boss.move();
        std::vector<int> shots(boss.getGunCount(), 0);
        for (int g = 0; g < boss.getGunCount(); ++g)
            for (int p = 0; p < boss.gun(g)->getProjectileCount(); ++p)
                if (!before[g][p] && boss.gun(g)->projectile(p)->isAlive()) ++shots[g];
        return shots;
    }
    int shotsInARound() {
        int total = 0;
        for (int i = 0; i < Deathbringer::kVolleyRound; ++i)
            for (int each : shotsOfAMove())
                total += each;
        return total;
    }

    BossFight fight;
    Deathbringer& boss;
};

TEST_F(DeathbringerTest, HitsCostNothingUntilItArrivesWithFullHitPoints) {
    EXPECT_EQ(boss.width(), 260);
    EXPECT_EQ(boss.getGunCount(), 34);
    EXPECT_EQ(boss.getPartCount(), 0);
    moves(29);
    EXPECT_TRUE(boss.getInvulnerable());
    boss.takeDamage(-5000);
    EXPECT_EQ(boss.getHp(), 1500000);
    boss.setHp(1000);
    moves(1);
    EXPECT_EQ(boss.getX(), -10) << "centred on the screen";
    EXPECT_EQ(boss.getY(), -51);
    EXPECT_EQ(boss.getHp(), 1500000);
    EXPECT_FALSE(boss.getInvulnerable());
    // Its plating turns aside most of a blow, but not all.
    boss.takeDamage(-5000);
    EXPECT_LT(boss.getHp(), 1500000);
    EXPECT_GT(boss.getHp(), 1495000);
    for (int i = 0; i < 1000; ++i) {
        boss.move();
        ASSERT_EQ(boss.getY(), -51);
        ASSERT_GE(boss.getX(), -20) << "it sways about the middle";
        ASSERT_LE(boss.getX(), 0);
        ASSERT_EQ(boss.getPattern(), 0);
    }
}

TEST_F(DeathbringerTest, BelowTheThresholdItDrawsBackUnhurtThenReturnsFierceAndFiresMore) {
    moves(30);
    boss.setHp(375000);
    const int calm = shotsInARound();
    EXPECT_FALSE(boss.isFierce()) << "not below the threshold";
    const int y = boss.getY();
    boss.setHp(374999);
    for (int i = 0; i < Deathbringer::kRetreatFrames; ++i) {
        for (int each : shotsOfAMove())
            ASSERT_EQ(each, 0) << "silent while it draws back, frame " << i;
        ASSERT_EQ(boss.getInvulnerable(), i + 1 < Deathbringer::kRetreatFrames) << i;
        ASSERT_LT(boss.getY(), y + (i + 1 < Deathbringer::kRetreatFrames ? 0 : 1));
    }
    EXPECT_TRUE(boss.isFierce());
    EXPECT_FALSE(boss.getInvulnerable());
    EXPECT_EQ(boss.getY(), y) << "back where it hung";
    const int fierce = shotsInARound();
    EXPECT_GT(fierce, calm + calm / 2);
}

TEST_F(DeathbringerTest, ARoundOfItsCounterFiresEveryGunWithAGapInEachMissileWall) {
    moves(30);
    for (int i = 0; i < Deathbringer::kVolleyRound; ++i) {
        const std::vector<int> shots = shotsOfAMove();
        int missiles = 0;
        for (int g = 0; g < 8; ++g)
            missiles += shots[g];
        EXPECT_TRUE(missiles == 0 || missiles == 6) << "a wall of six, a pair left out " << i;
    }
    const std::vector<bool> fired = gunsFiring(boss, Deathbringer::kVolleyRound);
    for (int g = 0; g < boss.getGunCount(); ++g)
        EXPECT_TRUE(fired[g]) << g;
}

}  // namespace
}  // namespace cindervane
