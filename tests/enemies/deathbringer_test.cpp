// The stage 7 boss: its slow glide to the middle while invulnerable, its arrival with full hit
// points, its sway, its fierce volleys below the threshold, every gun firing in a round and a
// ship standing under it bringing it down.
#include <gtest/gtest.h>

#include <cstdio>
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
    boss.takeDamage(-5000);
    EXPECT_EQ(boss.getHp(), 1495000);
    for (int i = 0; i < 1000; ++i) {
        boss.move();
        ASSERT_EQ(boss.getY(), -51);
        ASSERT_GE(boss.getX(), -20) << "it sways about the middle";
        ASSERT_LE(boss.getX(), 0);
        ASSERT_EQ(boss.getPattern(), 0);
    }
}

TEST_F(DeathbringerTest, BelowTheThresholdItGrowsFierceAndFiresMore) {
    moves(30);
    boss.setHp(375000);
    const int calm = shotsInARound();
    EXPECT_FALSE(boss.isFierce()) << "not below the threshold";
    boss.setHp(374999);
    boss.move();
    EXPECT_TRUE(boss.isFierce());
    const int fierce = shotsInARound();
    EXPECT_GT(fierce, calm + calm / 2);
    std::printf("a round of the calm boss sends off %d shots, of the fierce %d\n", calm, fierce);
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

TEST(DeathbringerFightTest, AShipStandingUnderItBringsItDown) {
    BossFight fight;
    Enemy& boss = fight.spawn(kStage7Timetable, 6);
    // Four minutes of play.
    const int frames = fight.fight(7200);
    EXPECT_TRUE(fight.field.state.field.stageCleared) << "after " << frames;
    EXPECT_FALSE(boss.isAlive()) << boss.getHp() << " hit points left";
    std::printf("boss type 6 fell after %d frames\n", frames);
}

}  // namespace
}  // namespace cindervane
