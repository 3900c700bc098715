// The stage 5 boss: its slow entry while invulnerable, its arrival, its circle kept for good
// without a change of phase, and its volleys.
#include <gtest/gtest.h>

#include <vector>

#include "boss_fight.h"
#include "enemies/bosses/winged_bear.h"
#include "enemies/timetables/stage5.h"

namespace cindervane {
namespace {

class WingedBearTest : public ::testing::Test {
  protected:
    WingedBearTest() : boss(static_cast<WingedBear&>(fight.spawn(kStage5Timetable, 44))) {}

    void moves(int count) {
        for (int i = 0; i < count; ++i)
            boss.move();
    }

    BossFight fight;
    WingedBear& boss;
};

TEST_F(WingedBearTest, HitsCostNothingUntilItArrivesWithFullHitPoints) {
    EXPECT_EQ(boss.width(), 240);
    EXPECT_EQ(boss.getY(), -170);
    moves(29);
    EXPECT_TRUE(boss.getInvulnerable());
    boss.takeDamage(-5000);
    EXPECT_EQ(boss.getHp(), 1000000);
    boss.setHp(1000);
    moves(1);
    EXPECT_EQ(boss.getY(), -170 + 10 * 4 + 20 * 3) << "slower from age 10";
    EXPECT_EQ(boss.getHp(), 1000000);
    EXPECT_FALSE(boss.getInvulnerable());
    // Its plating turns aside part of a blow, but not all.
    boss.takeDamage(-5000);
    EXPECT_LT(boss.getHp(), 1000000);
    EXPECT_GT(boss.getHp(), 995000);
    moves(24);
    EXPECT_EQ(boss.getY(), -70) << "it stands until age 55";
    for (int g = 0; g < boss.getGunCount(); ++g)
        EXPECT_FALSE(boss.gun(g)->projectile(0)->isAlive()) << g;
}

TEST_F(WingedBearTest, ItCirclesOverTheTopForGoodWithoutAChangeOfPhase) {
    moves(55);
    boss.setHp(1000);
    for (int i = 0; i < 2000; ++i) {
        boss.move();
        const std::int32_t dx = boss.getX();
        const std::int32_t dy = boss.getY() + 50;
        // Every point lies on the circle of radius 20 round (0, -50), within truncation.
        EXPECT_NEAR(dx * dx + dy * dy, 400, 41) << i;
        EXPECT_LE(boss.getY() + boss.height(), 140) << "the lower screen stays open";
        ASSERT_TRUE(boss.isAlive());
        ASSERT_EQ(boss.getPattern(), 0);
    }
}

TEST_F(WingedBearTest, ARoundOfItsCounterFiresEveryGun) {
    moves(55);
    const std::vector<bool> fired = gunsFiring(boss, 100);
    for (int g = 0; g < boss.getGunCount(); ++g)
        EXPECT_TRUE(fired[g]) << g;
}

}  // namespace
}  // namespace cindervane
