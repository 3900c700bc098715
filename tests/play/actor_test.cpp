// Actors, effects and craft: angles, frames and animation, speed caps, drawing at the
// screen's edges, the hit flash, armour and destruction.
#include "play/actor.h"

#include <gtest/gtest.h>

#include "play/craft.h"
#include "play_field.h"

namespace cindervane {
namespace {

class ActorTest : public ::testing::Test {
  protected:
    // A live craft drawn with the first ship's sheet: 13 frames of 60 x 42.
    ActorTest() {
        ship.setKind(32);
        ship.resolveSprite(field.state.run.craftSheets);
        ship.setAlive(true);
    }

    PlayField field;
    Craft ship;
};

TEST(Actor, AnglesAreKeptInOneTo360WithOneCorrectionAndSpeedsAtTheirCap) {
    Actor actor;
    for (const auto& [given, stored] :
         {std::pair{0, 360}, {-90, 270}, {400, 40}, {-360, 0}, {721, 361}, {360, 360}}) {
        actor.setAngle(given);
        EXPECT_EQ(actor.getAngle(), stored) << given;
    }
    actor.setSpeedX(20);
    EXPECT_EQ(actor.getSpeedX(), 20);  // no cap
    actor.setSpeedCapX(12);
    actor.setSpeedX(20);
    EXPECT_EQ(actor.getSpeedX(), 12);
}

TEST(Actor, WithoutASpriteHasNoSizeOrFramesAndDrawsNothing) {
    Actor actor;
    actor.setAlive(true);
    actor.setFrame(2);
    EXPECT_EQ(actor.getFrame(), 0);
    EXPECT_EQ(actor.width(), 0);
    EXPECT_FALSE(actor.draw());
}

TEST_F(ActorTest, FramesOutsideTheSheetBecomeZeroAnimationLoopsAndAnEffectEndsAfterItsLast) {
    ship.setFrame(13);
    EXPECT_EQ(ship.getFrame(), 0);
    ship.setFrame(-1);
    EXPECT_EQ(ship.getFrame(), 0);
    ship.prevFrame();
    EXPECT_EQ(ship.getFrame(), 12);
    ship.setFrameDelay(3);
    std::vector<int> shown;
    for (int i = 0; i < 7; ++i) {
        ship.animate();
        shown.push_back(ship.getFrame());
    }
    EXPECT_EQ(shown, (std::vector<int>{12, 12, 0, 0, 0, 1, 1}));

    Explosion blast;  // 5 frames, each shown once
    blast.resolveSprite(field.state.run.effectSheets);
    blast.setAlive(true);
    for (int i = 0; i < 4; ++i)
        blast.stepOnce();
    EXPECT_TRUE(blast.isAlive());
    EXPECT_EQ(blast.getFrame(), 4);
    blast.stepOnce();
    EXPECT_FALSE(blast.isAlive());
    EXPECT_EQ(blast.getFrame(), 0);
}

TEST_F(ActorTest, AnActorIsDrawnOnlyOnceItsRightEdgeReachesTheScreen) {
    // A frame's border is the key colour, so what was drawn shows in the shared sheet,
    // which only a drawn actor moves.
    for (const auto& [x, drawnAt] :
         {std::pair{10, 10}, {-60, 10}, {-59, -59}, {240, -59}, {239, 239}}) {
        ship.setX(x);
        EXPECT_TRUE(ship.draw());
        EXPECT_EQ(ship.sheet()->x(), drawnAt) << x;
    }
}

TEST_F(ActorTest, ACraftFlashesWhiteForExactlyOneDrawnFramePerHitTurnedOrNot) {
    ship.setX(50);
    ship.setY(50);
    ship.setHp(500);
    ship.takeDamage(-100);
    ship.draw();
    EXPECT_EQ(field.pixel(70, 70), kScreenWhite);
    EXPECT_FALSE(ship.getHitFlash());
    ship.draw();
    EXPECT_EQ(field.pixel(70, 70), kScreenRed);
    ship.setAngle(90);
    ship.setHitFlash(true);
    ship.draw();
    EXPECT_EQ(field.pixel(80, 71), kScreenWhite);
}

TEST(Craft, ArmourRemovesATenthPerLevelEveryHitCostsOneAndInvulnerabilityOnlyFlashes) {
    Craft craft;
    for (const auto& [armor, amount, lost] :
         {std::tuple{0, -100, 100}, {5, -100, 50}, {9, -100, 10}, {9, -5, 1}, {3, 40, 0}}) {
        craft.setHp(1000);
        craft.setArmor(armor);
        craft.takeDamage(amount);
        EXPECT_EQ(1000 - craft.getHp(), lost) << armor << " " << amount;
    }
    craft.setArmor(10);
    EXPECT_EQ(craft.getArmor(), 9);
    craft.setHp(30);
    craft.takeDamage(-5000);
    EXPECT_EQ(craft.getHp(), 0);  // never below 0

    craft.setHp(300);
    craft.setHitFlash(false);
    craft.setInvulnerable(true);
    craft.takeDamage(-5000);
    EXPECT_EQ(craft.getHp(), 300);
    EXPECT_TRUE(craft.getHitFlash());
}

TEST_F(ActorTest, DyingStartsTheExplosionCentredOnTheCraft) {
    ship.setExplosion(std::make_unique<Explosion>());
    ship.explosion()->resolveSprite(field.state.run.effectSheets);  // 71 x 71
    ship.explosion()->setFrame(3);
    ship.setX(100);
    ship.setY(200);
    ship.die();
    EXPECT_FALSE(ship.isAlive());
    EXPECT_EQ(ship.getHp(), 0);
    const Explosion& blast = *ship.explosion();
    EXPECT_TRUE(blast.isAlive());
    EXPECT_EQ(blast.getFrame(), 0);
    EXPECT_EQ(blast.getX(), 100 - 5);  // (60 - 71) / 2 truncates toward zero
    EXPECT_EQ(blast.getY(), 200 - 14);
}

}  // namespace
}  // namespace cindervane
