// The stage 3 boss: nothing lost before it arrives, the wings laid on the body every frame,
// the showing of each wing and the skipping of a lost one, the counts of the wings'
// volleys, and the bare body's speed and guns.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "boss_fight.h"
#include "enemies/bosses/poseidon_v2.h"
#include "enemies/bosses/poseidon_v2_wing.h"
#include "enemies/timetables/stage3.h"

namespace cindervane {
namespace {

class PoseidonV2Test : public ::testing::Test {
  protected:
    PoseidonV2Test() : boss(static_cast<PoseidonV2&>(fight.spawn(kStage3Timetable, 29))) {}

    void moves(int count) {
        for (int i = 0; i < count; ++i)
            boss.move();
    }
    // Comes down from its row at y -200 and arrives.
    void arrive() { moves(205); }
    Enemy& leftWing() { return *boss.part(PoseidonV2::kLeftWing); }
    Enemy& rightWing() { return *boss.part(PoseidonV2::kRightWing); }
    void expectWingsPlaced() {
        EXPECT_EQ(leftWing().getX(), boss.getX() - 143);
        EXPECT_EQ(leftWing().getY(), boss.getY() + 18);
        EXPECT_EQ(rightWing().getX(), boss.getX() + 154);
        EXPECT_EQ(rightWing().getY(), boss.getY() + 18);
    }

    BossFight fight;
    PoseidonV2& boss;
};

TEST_F(PoseidonV2Test, HitsCostNothingUntilItArrivesWithFullHitPointsForItAndItsWings) {
    EXPECT_TRUE(boss.isBoss());
    EXPECT_EQ(boss.getPartCount(), 2);
    EXPECT_EQ(leftWing().width(), 208) << "its picture from the part catalogue";
    EXPECT_EQ(leftWing().getPartLayer(), 0) << "drawn above the body";

    moves(200);
    EXPECT_EQ(boss.getY(), 0);
    EXPECT_EQ(boss.getAge(), 0) << "nothing but the entry above the screen";
    for (Enemy* each : {static_cast<Enemy*>(&boss), &leftWing(), &rightWing()}) {
        const std::int32_t hp = each->getHp();
        each->takeDamage(-5000);
        EXPECT_EQ(each->getHp(), hp);
        EXPECT_TRUE(each->getInvulnerable());
        each->setHp(1000);
    }
    moves(4);
    EXPECT_TRUE(boss.getInvulnerable());
    moves(1);
    EXPECT_EQ(boss.getHp(), 500000);
    EXPECT_EQ(leftWing().getHp(), 150000);
    EXPECT_EQ(rightWing().getHp(), 150000);
    EXPECT_FALSE(boss.getInvulnerable());
    EXPECT_FALSE(leftWing().getInvulnerable());
    EXPECT_FALSE(rightWing().getInvulnerable());
    EXPECT_EQ(boss.getPattern(), 1) << "the right wing is shown first";
    boss.takeDamage(-5000);
    EXPECT_EQ(boss.getHp(), 495000);
}

TEST_F(PoseidonV2Test, TheWingsSitOnTheBodyEveryFrameAliveOrNot) {
    moves(1);
    expectWingsPlaced();
    arrive();
    rightWing().die();
    for (int i = 0; i < 400; ++i) {
        boss.move();
        expectWingsPlaced();
    }
}

TEST_F(PoseidonV2Test, ItShowsTheRightWingThenSweepsThenShowsTheLeft) {
    arrive();
    ASSERT_EQ(boss.getPattern(), 1);
    // It slides left until the right wing is near the left edge of the screen.
    int slide = 0;
    while (boss.getPhaseTimer() == 0 && slide < 400) {
        boss.move();
        ++slide;
        if (boss.getPhaseTimer() == 0) {
            EXPECT_EQ(boss.getDirX(), -1);
        }
    }
    EXPECT_LE(rightWing().getX(), -30);
    EXPECT_GE(rightWing().getX(), -32);
    // Then it stays with the wing on the screen for 300 frames.
    for (int i = 0; i < 298; ++i) {
        boss.move();
        EXPECT_GE(rightWing().getX(), -32);
        EXPECT_LE(rightWing().getX() + boss.width() - 30, 272);
    }
    EXPECT_EQ(boss.getPattern(), 1);
    boss.move();
    EXPECT_EQ(boss.getPattern(), 0);
    // The right side was asked for on arrival, so it comes again; the left follows.
    moves(200);
    EXPECT_EQ(boss.getPattern(), 1);
    EXPECT_EQ(boss.getNextSide(), PoseidonV2::Side::Left);
    boss.setPattern(0);
    boss.setPhaseTimer(199);
    boss.move();
    EXPECT_EQ(boss.getPattern(), 2);
    boss.move();
    EXPECT_EQ(boss.getDirX(), 1) << "it slides right to show the left wing";
}

TEST_F(PoseidonV2Test, ALostWingsPhaseIsSkippedAndWithoutWingsTheBodyFliesFasterAndWakesToFire) {
    arrive();
    rightWing().die();
    boss.move();
    EXPECT_EQ(boss.getPattern(), 0) << "no right wing to show";
    boss.setPhaseTimer(199);
    boss.move();
    boss.move();
    EXPECT_EQ(boss.getPattern(), 0);
    EXPECT_EQ(boss.getNextSide(), PoseidonV2::Side::Left);
    EXPECT_EQ(boss.getSpeedX(), 1) << "one wing still flies";
    for (int g = 0; g < boss.getGunCount(); ++g)
        EXPECT_EQ(boss.gun(g)->projectile(0)->isAlive(), false) << g;

    leftWing().die();
    // The body wakes a wind-up after its last wing fell, on the count of its first missiles.
    boss.setVolleyCounter(300 - kWindUpFrames);
    for (int i = 1; i < kWindUpFrames; ++i)
        boss.move();
    EXPECT_FALSE(boss.gun(0)->projectile(0)->isAlive()) << "not awake yet";
    boss.move();
    EXPECT_EQ(boss.getPattern(), 0) << "no left wing to show either";
    EXPECT_EQ(boss.getSpeedX(), 2);
    EXPECT_TRUE(boss.gun(0)->projectile(0)->isAlive()) << "the body's guns take over";
    EXPECT_TRUE(boss.gun(7)->projectile(0)->isAlive());
}

TEST_F(PoseidonV2Test, TheWingsFireOnTheirCountsOnly) {
    const std::set<std::int32_t> expected = {10,  25,  40,  55,  70,  85,  110, 125, 140,
                                             155, 170, 185, 210, 225, 240, 255, 270, 285};
    arrive();
    std::set<std::int32_t> left;
    std::set<std::int32_t> right;
    // A wing fired when a shot of its gun 4, dead before the move, is alive after it.
    auto shots = [](const Enemy& wing) {
        std::vector<bool> alive;
        for (int p = 0; p < wing.gun(4)->getProjectileCount(); ++p)
            alive.push_back(wing.gun(4)->projectile(p)->isAlive());
        return alive;
    };
    auto fired = [&](const std::vector<bool>& before, const Enemy& wing) {
        const std::vector<bool> after = shots(wing);
        for (std::size_t p = 0; p < after.size(); ++p)
            if (after[p] && !before[p]) return true;
        return false;
    };
    for (int i = 0; i < 300; ++i) {
        const std::vector<bool> leftBefore = shots(leftWing());
        const std::vector<bool> rightBefore = shots(rightWing());
        boss.move();
        if (fired(leftBefore, leftWing())) left.insert(boss.getVolleyCounter());
        if (fired(rightBefore, rightWing())) right.insert(boss.getVolleyCounter());
    }
    EXPECT_EQ(left, expected);
    EXPECT_EQ(right, expected);
    for (int g = 0; g < boss.getGunCount(); ++g)
        EXPECT_EQ(boss.gun(g)->getFireTick(), 0) << "the body is silent while a wing lives";
}

TEST_F(PoseidonV2Test, ARoundOfTheBareBodysCounterFiresEveryGun) {
    arrive();
    leftWing().die();
    rightWing().die();
    const std::vector<bool> fired = gunsFiring(boss, 300);
    for (int g = 0; g < boss.getGunCount(); ++g)
        EXPECT_TRUE(fired[g]) << g;
}

}  // namespace
}  // namespace cindervane
