// The stage 8 boss: its entry and the front's arrival at y -25, its sections laid on the body
// every frame, the opening volley's gun pairs, the first form's attack loop, the fall of the
// front ending the first form, and the order of the second form's attacks with the bare
// body's guns shut until then. (Its fight to the end is in the beam warnings' test.)
#include <gtest/gtest.h>

#include <vector>

#include "boss_fight.h"
#include "enemies/bosses/alpha_zero.h"
#include "enemies/bosses/alpha_zero_section.h"
#include "enemies/timetables/stage8.h"

namespace cindervane {
namespace {

class AlphaZeroTest : public ::testing::Test {
  protected:
    AlphaZeroTest() : boss(static_cast<AlphaZero&>(fight.spawn(kStage8Timetable, 1))) {}

    void moves(int count) {
        for (int i = 0; i < count; ++i)
            boss.move();
    }
    // Down from y -250, 4 pixels in the first frame and 5 after: the front arrives on the 46th
    // frame, at y -21.
    void arrive() { moves(46); }
    Enemy& piece(int slot) { return *boss.part(slot); }
    void expectPartsPlaced() {
        const std::int32_t x = boss.getX();
        const std::int32_t y = boss.getY();
        EXPECT_EQ(piece(0).getX(), x + 9);
        EXPECT_EQ(piece(0).getY(), y + 94);
        EXPECT_EQ(piece(1).getX(), x - 45);
        EXPECT_EQ(piece(1).getY(), y);
        EXPECT_EQ(piece(2).getX(), x);
        EXPECT_EQ(piece(2).getY(), y - 85);
    }

    BossFight fight;
    AlphaZero& boss;
};

TEST_F(AlphaZeroTest, ComesDownCentredAndInvulnerableUntilTheFrontReachesMinus25) {
    ASSERT_EQ(boss.getPartCount(), 3);
    EXPECT_EQ(boss.getGunCount(), 65);
    EXPECT_EQ(boss.getHp(), 600000);
    EXPECT_EQ(boss.getCoinCount(), 10);
    const std::int32_t widths[] = {72, 180, 90};
    const int guns[] = {64, 74, 0};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(piece(i).width(), widths[i]) << i;
        EXPECT_EQ(piece(i).getGunCount(), guns[i]) << i;
        EXPECT_EQ(piece(i).getPartLayer(), 0) << "drawn above " << i;
    }
    moves(45);
    EXPECT_EQ(boss.getY(), -26);
    EXPECT_EQ(boss.getX(), 75) << "centred";
    EXPECT_EQ(boss.getPattern(), 0);
    piece(0).setHp(5);
    for (Enemy* each : {static_cast<Enemy*>(&boss), &piece(0), &piece(1), &piece(2)}) {
        EXPECT_TRUE(each->getInvulnerable());
        const std::int32_t hp = each->getHp();
        each->takeDamage(-5000);
        EXPECT_EQ(each->getHp(), hp);
    }
    boss.move();
    EXPECT_EQ(boss.getY(), -21);
    EXPECT_EQ(boss.getPattern(), 1);
    EXPECT_EQ(piece(0).getHp(), 1000000);
    EXPECT_FALSE(piece(0).getInvulnerable());
    EXPECT_TRUE(boss.getInvulnerable());
    EXPECT_TRUE(piece(1).getInvulnerable());
    EXPECT_TRUE(piece(2).getInvulnerable());
}

TEST_F(AlphaZeroTest, OpensWithACurtainAPairAFrameAndABeamThatFollowsTheFront) {
    arrive();
    Enemy& centre = piece(1);
    const Gun& beamGun = *piece(0).gun(AlphaZeroSection::kBeamGun);
    for (int age = 1; age <= 70; ++age) {
        boss.move();
        expectPartsPlaced();
        // Gun g of each half fires at age g + 11 and not before.
        for (int g = 0; g < 30; ++g) {
            const bool fired = age >= g + 11;
            if (age <= 40) {
                EXPECT_EQ(centre.gun(g)->projectile(0)->isAlive(), fired) << g << " at " << age;
                EXPECT_EQ(centre.gun(g + 30)->projectile(0)->isAlive(), fired)
                    << g + 30 << " at " << age;
            }
        }
        const Projectile& beam = *beamGun.projectile(0);
        if (age < 21) {
            EXPECT_FALSE(beam.isAlive()) << age;
        }
        if (age == 21) {
            EXPECT_TRUE(beam.isAlive());
        }
        if (age <= 68 && beam.isAlive()) {
            EXPECT_EQ(beam.getX(), piece(0).getX() + beamGun.getOffsetX()) << age;
            EXPECT_EQ(beam.getY(), piece(0).getY() + beamGun.getOffsetY()) << age;
        }
    }
    EXPECT_LT(boss.getY(), -25) << "it rose";
    EXPECT_EQ(boss.getPattern(), 2);
    EXPECT_EQ(boss.getAge(), 0);
    EXPECT_EQ(boss.getPhaseCounter(), 0);
    EXPECT_FALSE(piece(0).getInvulnerable());
}

TEST_F(AlphaZeroTest, LoopsItsThreeAttacksWithTheSectionsInPlaceUntilTheFrontFalls) {
    arrive();
    moves(70);
    const Gun& beamGun = *piece(0).gun(AlphaZeroSection::kBeamGun);
    const Projectile& beam = *beamGun.projectile(0);
    for (int round = 0; round < 2; ++round)
        for (std::int32_t next : {3, 4, 2}) {
            const std::int32_t phase = boss.getPattern();
            std::int32_t burnedAt = -1000;
            bool beamMoved = false;
            bool burned = false;
            for (int f = 0; f < 1000 && boss.getPattern() == phase; ++f) {
                boss.move();
                expectPartsPlaced();
                if (!beam.isAlive()) continue;
                // The beam stays under the front, which stands while it burns.
                burned = true;
                EXPECT_EQ(beam.getX(), piece(0).getX() + beamGun.getOffsetX());
                EXPECT_EQ(beam.getY(), piece(0).getY() + beamGun.getOffsetY());
                if (burnedAt == -1000) burnedAt = beam.getX();
                beamMoved = beamMoved || beam.getX() != burnedAt;
            }
            EXPECT_EQ(boss.getPattern(), next);
            EXPECT_EQ(boss.getAge(), 0);
            EXPECT_EQ(burned, phase == 4) << phase;
            EXPECT_FALSE(beamMoved) << phase;
        }
    EXPECT_TRUE(boss.getInvulnerable()) << "the body waits for its second form";

    piece(0).die();
    boss.move();
    EXPECT_FALSE(piece(1).isAlive());
    EXPECT_FALSE(piece(2).isAlive());
    EXPECT_FALSE(boss.getInvulnerable());
    EXPECT_TRUE(boss.isSteering());
    EXPECT_EQ(boss.getPhaseCounter(), 1);
    EXPECT_EQ(boss.getPattern(), 1);
    expectPartsPlaced();
}

TEST_F(AlphaZeroTest, TheBareBodyChoosesItsAttacksInAFixedOrderAndFiresEveryGun) {
    arrive();
    // Shut while the front stands, so nothing below the body warns of a gun that never fires.
    for (int g = 0; g < boss.getGunCount(); ++g)
        ASSERT_FALSE(boss.gun(g)->isEnabled()) << g;
    piece(0).die();
    boss.move();
    for (int g = 0; g < boss.getGunCount(); ++g)
        ASSERT_TRUE(boss.gun(g)->isEnabled()) << g;
    const std::int32_t order[] = {1, 2, 1, 5, 4, 1, 3, 4, 1, 5, 1, 4, 1, 2};
    std::vector<bool> fired(boss.getGunCount(), false);
    for (std::int32_t expected : order) {
        if (boss.getPattern() == 0) boss.move();
        EXPECT_EQ(boss.getPattern(), expected);
        const std::int32_t counter = boss.getPhaseCounter();
        while (boss.getPattern() != 0) {
            boss.move();
            for (int g = 0; g < boss.getGunCount(); ++g)
                if (boss.gun(g)->anyShotAlive()) fired[g] = true;
        }
        EXPECT_EQ(boss.getPhaseCounter(), counter);
    }
    for (int g = 0; g < boss.getGunCount(); ++g)
        EXPECT_TRUE(fired[g]) << g;
}

}  // namespace
}  // namespace cindervane
