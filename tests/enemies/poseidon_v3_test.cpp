// The stage 6 boss: nothing lost before it arrives, its four parts laid on the body every
// frame alive or not, the back sections beneath, a lost wing's side passed over, every gun of
// its parts and of its bare body firing. (Its fight to the end is in the beam warnings' test.)
#include <gtest/gtest.h>

#include <vector>

#include "boss_fight.h"
#include "enemies/bosses/poseidon_v3.h"
#include "enemies/timetables/stage6.h"

namespace cindervane {
namespace {

// Three minutes of play.

class PoseidonV3Test : public ::testing::Test {
  protected:
    PoseidonV3Test() : boss(static_cast<PoseidonV3&>(fight.spawn(kStage6Timetable, 30))) {}

    void moves(int count) {
        for (int i = 0; i < count; ++i)
            boss.move();
    }
    // Down from its row at y -320: its age counts from y -96, 24 frames later it stands at
    // the top of the screen, and ten frames after that it arrives.
    void arrive() { moves(56 + 34); }
    Enemy& piece(int slot) { return *boss.part(slot); }
    void expectPartsPlaced() {
        const std::int32_t x = boss.getX();
        const std::int32_t y = boss.getY();
        EXPECT_EQ(piece(0).getX(), x - 143);
        EXPECT_EQ(piece(0).getY(), y + 18);
        EXPECT_EQ(piece(1).getX(), x + 154);
        EXPECT_EQ(piece(1).getY(), y + 18);
        EXPECT_EQ(piece(2).getX(), x - 66);
        EXPECT_EQ(piece(2).getY(), y - 125);
        EXPECT_EQ(piece(3).getX(), x + 133);
        EXPECT_EQ(piece(3).getY(), y - 125);
    }

    BossFight fight;
    PoseidonV3& boss;
};

TEST_F(PoseidonV3Test, HitsCostNothingUntilItArrivesWithFullHitPointsForItAndItsParts) {
    ASSERT_EQ(boss.getPartCount(), 4);
    EXPECT_EQ(boss.width(), 220);
    const std::int32_t widths[] = {208, 208, 151, 151};
    const std::int32_t layers[] = {0, 0, 1, 1};
    const std::int32_t fullHp[] = {300000, 300000, 400000, 400000};
    const int guns[] = {14, 14, 7, 7};
    EXPECT_EQ(boss.getGunCount(), 45);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(piece(i).width(), widths[i]) << i;
        EXPECT_EQ(piece(i).getPartLayer(), layers[i]) << "wings above, backs beneath " << i;
        EXPECT_EQ(piece(i).getGunCount(), guns[i]) << i;
        EXPECT_TRUE(piece(i).isBoss());
    }

    moves(56 + 33);
    EXPECT_EQ(boss.getY(), 0) << "it stands at the top of the screen";
    std::vector<Enemy*> all = {&boss, &piece(0), &piece(1), &piece(2), &piece(3)};
    for (Enemy* each : all) {
        const std::int32_t hp = each->getHp();
        each->takeDamage(-5000);
        EXPECT_EQ(each->getHp(), hp);
        EXPECT_TRUE(each->getInvulnerable());
        each->setHp(1000);
    }
    moves(1);
    EXPECT_EQ(boss.getHp(), 850000);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(piece(i).getHp(), fullHp[i]) << i;
        EXPECT_FALSE(piece(i).getInvulnerable()) << i;
    }
    EXPECT_FALSE(boss.getInvulnerable());
    EXPECT_EQ(boss.getPattern(), 1) << "the right wing is shown first";
    EXPECT_EQ(boss.getNextSide(), PoseidonV3::Side::Left);
    // Its plating, and its parts', turns aside part of a blow, but not all.
    boss.takeDamage(-5000);
    EXPECT_LT(boss.getHp(), 850000);
    EXPECT_GT(boss.getHp(), 845000);
    piece(0).takeDamage(-5000);
    EXPECT_EQ(piece(0).getHp() - fullHp[0], boss.getHp() - 850000);
}

TEST_F(PoseidonV3Test, ThePartsSitOnTheBodyEveryFrameAliveOrNot) {
    moves(1);
    expectPartsPlaced();
    arrive();
    piece(1).die();
    piece(2).die();
    bool leftShown = false;
    for (int i = 0; i < 900; ++i) {
        boss.move();
        expectPartsPlaced();
        ASSERT_NE(boss.getPattern(), 1) << "no right wing to show";
        leftShown = leftShown || boss.getPattern() == 2;
    }
    EXPECT_TRUE(leftShown) << "the left wing is shown instead";
}

TEST_F(PoseidonV3Test, EveryGunOfItsPartsFiresThenARoundFiresEveryGunOfTheBareBody) {
    arrive();
    std::vector<std::vector<bool>> partFired;
    for (int i = 0; i < 4; ++i)
        partFired.emplace_back(piece(i).getGunCount(), false);
    // Each wing is away off the screen while the other is shown: the right wing is shown
    // first, then after a sweep the left.
    for (int f = 0; f < 1000; ++f) {
        boss.move();
        for (int i = 0; i < 4; ++i)
            for (int g = 0; g < piece(i).getGunCount(); ++g)
                if (piece(i).gun(g)->projectile(0)->isAlive()) partFired[i][g] = true;
    }
    for (int i = 0; i < 4; ++i)
        for (int g = 0; g < piece(i).getGunCount(); ++g)
            EXPECT_TRUE(partFired[i][g]) << "part " << i << " gun " << g;

    piece(0).die();
    piece(1).die();
    EXPECT_EQ(boss.getSpeedX(), 1);
    const std::vector<bool> fired = gunsFiring(boss, 300);
    for (int g = 0; g < boss.getGunCount(); ++g)
        EXPECT_TRUE(fired[g]) << g;
    EXPECT_EQ(boss.getSpeedX(), 2) << "faster without its wings";
    piece(2).die();
    piece(3).die();
    boss.move();
    EXPECT_EQ(boss.getSpeedX(), 3) << "faster still with nothing left";
}

}  // namespace
}  // namespace cindervane
