// Actors, effects and craft: angles, frames, animation, speed caps, drawing at the screen's
// edges, the hit flash, armour and destruction.
#include "play/actor.h"

#include <gtest/gtest.h>

#include "play/craft.h"
#include "play/effect.h"
#include "play_field.h"

namespace cindervane {
namespace {

class ActorTest : public ::testing::Test {
  protected:
    // A craft drawn with the first ship's sheet: 13 frames of 60 x 42.
    Craft& shipSizedCraft() {
        craft.setKind(32);
        craft.resolveSprite(field.state.craftSheets);
        craft.setAlive(true);
        return craft;
    }

    PlayField field;
    Craft craft;
};

TEST(Actor, AnglesAreKeptInOneTo360WithOneCorrection) {
    Actor actor;
    const std::pair<int, int> cases[] = {{0, 360},   {-90, 270}, {400, 40}, {-360, 0},
                                         {721, 361}, {360, 360}, {1, 1}};
    for (const auto& [given, stored] : cases) {
        actor.setAngle(given);
        EXPECT_EQ(actor.getAngle(), stored) << given;
    }
}

TEST(Actor, WithoutASpriteHasNoSizeNoFramesAndDrawsNothing) {
    Actor actor;
    actor.setAlive(true);
    actor.setFrame(2);
    EXPECT_EQ(actor.getFrame(), 0);
    EXPECT_EQ(actor.width(), 0);
    EXPECT_EQ(actor.frameCount(), 0);
    EXPECT_FALSE(actor.syncSprite());
    EXPECT_FALSE(actor.draw());
}

TEST_F(ActorTest, FramesOutsideTheSheetBecomeZeroAndAnimationLoopsByItsDelay) {
    Craft& ship = shipSizedCraft();
    ship.setFrame(12);
    EXPECT_EQ(ship.getFrame(), 12);
    ship.setFrame(13);
    EXPECT_EQ(ship.getFrame(), 0);
    ship.setFrame(-1);
    EXPECT_EQ(ship.getFrame(), 0);
    ship.prevFrame();
    EXPECT_EQ(ship.getFrame(), 12);
    ship.nextFrame();
    EXPECT_EQ(ship.getFrame(), 0);

    ship.setFrameDelay(3);
    std::vector<int> shown;
    for (int i = 0; i < 7; ++i) {
        ship.animate();
        shown.push_back(ship.getFrame());
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 0, 1, 1, 1, 2, 2}));
}

TEST_F(ActorTest, AnEffectShowsItsLastFrameAndIsGoneAtTheNextStep) {
    Effect effect;
    effect.setKind(1);  // 5 frames
    effect.resolveSprite(field.state.effectSheets);
    effect.setAlive(true);
    for (int i = 0; i < 4; ++i)
        effect.stepOnce();
    EXPECT_TRUE(effect.isAlive());
    EXPECT_EQ(effect.getFrame(), 4);
    effect.stepOnce();
    EXPECT_FALSE(effect.isAlive());
    EXPECT_EQ(effect.getFrame(), 0);
    effect.stepOnce();  // a dead effect stays as it is
    EXPECT_FALSE(effect.isAlive());
}

TEST(Actor, SpeedsAreHeldAtTheirCap) {
    Actor actor;
    actor.setSpeedX(20);
    EXPECT_EQ(actor.getSpeedX(), 20);
    actor.setSpeedCapX(12);
    actor.setSpeedX(20);
    EXPECT_EQ(actor.getSpeedX(), 12);
    actor.setSpeedX(11);
    EXPECT_EQ(actor.getSpeedX(), 11);
    actor.setSpeedCapY(8);
    actor.setSpeedY(8);
    EXPECT_EQ(actor.getSpeedY(), 8);
}

TEST_F(ActorTest, AnActorIsDrawnOnlyOnceItsRightEdgeReachesTheScreen) {
    // A frame's border is the key colour, so what was drawn shows in the shared sheet,
    // which only a drawn actor moves.
    Craft& ship = shipSizedCraft();
    ship.setY(100);
    ship.setX(10);
    ship.draw();
    ship.setX(-60);  // x + width = 0
    EXPECT_TRUE(ship.draw());
    EXPECT_EQ(ship.sheet()->x(), 10);
    ship.setX(-59);  // x + width = 1
    EXPECT_TRUE(ship.draw());
    EXPECT_EQ(ship.sheet()->x(), -59);
    ship.setX(240);
    ship.draw();
    EXPECT_EQ(ship.sheet()->x(), -59);
    ship.setX(239);
    ship.draw();
    EXPECT_EQ(ship.sheet()->x(), 239);
}

TEST_F(ActorTest, ACraftFlashesWhiteForExactlyOneDrawnFramePerHit) {
    Craft& ship = shipSizedCraft();
    ship.setX(50);
    ship.setY(50);
    ship.setHp(500);
    ship.takeDamage(-100);
    ASSERT_TRUE(ship.getHitFlash());
    ship.draw();
    EXPECT_EQ(field.pixel(70, 70), kScreenWhite);
    EXPECT_FALSE(ship.getHitFlash());
    ship.draw();
    EXPECT_EQ(field.pixel(70, 70), kScreenRed);
    ship.setAngle(90);  // turned, the flash is turned too
    ship.setHitFlash(true);
    ship.draw();
    EXPECT_EQ(field.pixel(80, 71), kScreenWhite);
}

TEST(Craft, ArmourRemovesATenthPerLevelAndEveryHitCostsAtLeastOne) {
    Craft craft;
    const struct {
        int armor;
        int amount;
        int lost;
    } cases[] = {{0, -100, 100}, {5, -100, 50}, {9, -100, 10}, {9, -5, 1}, {3, 0, 0}, {0, 40, 0}};
    for (const auto& hit : cases) {
        craft.setHp(1000);
        craft.setArmor(hit.armor);
        craft.takeDamage(hit.amount);
        EXPECT_EQ(1000 - craft.getHp(), hit.lost) << hit.armor << " " << hit.amount;
    }
    craft.setArmor(10);
    EXPECT_EQ(craft.getArmor(), 9);

    craft.setArmor(0);
    craft.setHp(30);
    craft.takeDamage(-100);
    EXPECT_EQ(craft.getHp(), 0);  // never below 0
    craft.setHp(-4);
    EXPECT_EQ(craft.getHp(), 0);
}

TEST(Craft, AnInvulnerableCraftLosesNothingButStillFlashes) {
    Craft craft;
    craft.setHp(300);
    craft.setInvulnerable(true);
    craft.takeDamage(-5000);
    EXPECT_EQ(craft.getHp(), 300);
    EXPECT_TRUE(craft.getHitFlash());
}

TEST_F(ActorTest, DyingStartsTheExplosionCentredOnTheCraft) {
    Craft& ship = shipSizedCraft();
    ship.setExplosion(std::make_unique<Explosion>());
    ship.explosion()->resolveSprite(field.state.effectSheets);  // 71 x 71
    ship.explosion()->setFrame(3);
    ship.setX(100);
    ship.setY(200);
    ship.die();
    EXPECT_FALSE(ship.isAlive());
    EXPECT_EQ(ship.getHp(), 0);
    const Explosion& blast = *ship.explosion();
    EXPECT_TRUE(blast.isAlive());
    EXPECT_EQ(blast.getFrame(), 0);
    EXPECT_EQ(blast.getX(), 100 + (60 - 71) / 2);  // -11 / 2 is -5: toward zero
    EXPECT_EQ(blast.getY(), 200 + (42 - 71) / 2);
}

}  // namespace
}  // namespace cindervane
