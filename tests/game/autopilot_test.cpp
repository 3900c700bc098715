// The autopilot's hand on a started game: through the screens, auto fire, the refill
// corner, dodging a shot and rolling out of one it cannot dodge (near a dashing boss too),
// keeping clear of the sides, leaving the column of a gun
// winding up, keeping the ship fast near a boss and while bodies a ram would end it on come
// by, and the nick it enters.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "../enemies/test_enemy.h"
#include "../shell/shell_fixture.h"
#include "game/autopilot.h"
#include "shell/screen_flow.h"

namespace cindervane {
namespace {

class AutopilotTest : public ShellTest {
  protected:
    // One frame: the autopilot's input, then the frame.
    void step(Autopilot& pilot, int count = 1) {
        for (int i = 0; i < count; ++i) {
            pilot.act(state);
            frames(1);
        }
    }
    void startPlay() {
        startNewGame(state);
        beginStageFromIntro(state);
        state.field.spawnCount = 0;  // an empty sky, but for what a test puts there
    }
    // A shot of the test enemy's gun 0 alive at (x, y), falling at the speed.
    void shotAt(TestEnemy& enemy, int x, int y, int speed) {
        Projectile* shot = enemy.gun(0)->projectile(0);
        shot->setAlive(true);
        shot->setX(x);
        shot->setY(y);
        shot->setSpeedY(speed);
    }
};

TEST_F(AutopilotTest, TapsFromTheMenuIntoPlayAndTurnsAutoFireOn) {
    Autopilot pilot;
    showMainMenu(state);
    step(pilot, 60);
    EXPECT_EQ(state.flow.screen, GameScreen::Play);
    ASSERT_NE(state.field.ship, nullptr);
    EXPECT_TRUE(state.field.ship->getAutoFire());
    EXPECT_TRUE(state.field.ship->isSteering());
    EXPECT_TRUE(state.run.soundOn) << "the first touch must miss the speaker";
}

TEST_F(AutopilotTest, RefillsOnlyWhenAllowedAndOnlyWhenLow) {
    startPlay();
    Autopilot careful;
    state.field.ship->setHp(1000);
    step(careful);
    EXPECT_EQ(state.field.ship->getHp(), 1000);

    Autopilot refilling({.refills = true});
    state.field.ship->setHp(3500);
    step(refilling);
    EXPECT_EQ(state.field.ship->getHp(), 3500) << "70% is not low yet";
    state.field.ship->setHp(2500);
    step(refilling);
    EXPECT_EQ(state.field.ship->getHp(), 5000);
    EXPECT_EQ(state.flow.refillTaps, 0);
}

TEST_F(AutopilotTest, SteersOutOfTheWayOfAShotComingDown) {
    startPlay();
    Autopilot pilot;
    TestEnemyLayout layout;
    layout.guns = 1;
    layout.shotsPerGun = 1;
    layout.damage = 700;
    TestEnemy& shooter = spawnTestEnemy(state, layout, 0, -200);
    shooter.setDirY(0);
    PlayerShip& ship = *state.field.ship;
    const int centre = ship.getX() + ship.width() / 2;
    shotAt(shooter, centre - 5, ship.getY() - 60, 8);
    const std::int32_t hp = ship.getHp();
    int farthest = 0;
    for (int i = 0; i < 12; ++i) {
        step(pilot);
        farthest = std::max(farthest, std::abs(ship.getX() + ship.width() / 2 - centre));
    }
    EXPECT_EQ(ship.getHp(), hp);
    EXPECT_FALSE(ship.isEvading()) << "there was time to fly aside";
    EXPECT_GE(farthest, 8);
}

TEST_F(AutopilotTest, RollsThroughAHeavyShotItCannotDodgeButNotThroughALightOne) {
    // A shot of the damage just above the ship, with or without a boss dashing down far above
    // it; whether it rolls.
    const auto rollsThrough = [this](std::int32_t damage, AutopilotSkill skill,
                                     bool dashingBoss = false) {
        startPlay();
        TestEnemyLayout layout;
        layout.guns = 1;
        layout.shotsPerGun = 1;
        layout.damage = damage;
        TestEnemy& shooter = spawnTestEnemy(state, layout, 0, -200);
        shooter.setDirY(0);
        if (dashingBoss) {
            TestEnemyLayout bossLayout;
            bossLayout.kind = kPoseidon;
            bossLayout.boss = true;
            spawnTestEnemy(state, bossLayout, 10, -120).setSpeedY(9);
        }
        PlayerShip& ship = *state.field.ship;
        EXPECT_TRUE(ship.evadeBarFull());
        shotAt(shooter, ship.getX() + ship.width() / 2 - 5, ship.getY() - 10, 10);
        Autopilot pilot({.skill = skill});
        step(pilot);
        return ship.isEvading();
    };
    EXPECT_TRUE(rollsThrough(700, AutopilotSkill::Expert)) << "an eighth of the hit points";
    EXPECT_FALSE(rollsThrough(300, AutopilotSkill::Expert)) << "the roll is kept for worse";
    EXPECT_FALSE(rollsThrough(700, AutopilotSkill::Novice)) << "the novice never rolls";
    EXPECT_TRUE(rollsThrough(700, AutopilotSkill::Expert, true))
        << "a shot is rolled through near a dashing boss too: moving out of its lanes at any "
           "cost would fly through its shots";
}

TEST_F(AutopilotTest, KeepsClearOfTheSideOfTheScreenItsTargetIsAt) {
    // With its target against the left side, it flies under it, but not into the corner
    // where a dashing body or boss would leave it no way out.
    startPlay();
    TestEnemyLayout layout;
    layout.hp = 1000000;
    TestEnemy& target = spawnTestEnemy(state, layout, -20, 60);
    target.setDirY(0);
    PlayerShip& ship = *state.field.ship;
    Autopilot pilot;
    step(pilot, 40);
    EXPECT_LT(ship.getX(), 40) << "under its target";
    EXPECT_GE(ship.getX(), 24) << "away from the side";
}

// A boss whose gun 0 shows its wind-up: its heavy shot falls from a muzzle above the ship
// `framesLeft` frames from now; the boss itself stands still and fires nothing.
class WindingUpBoss : public TestEnemy {
  public:
    WindingUpBoss(const TestEnemyLayout& layout, RandomGenerator& random, int framesLeft)
        : TestEnemy(layout, random), framesLeft_(framesLeft) {}
    void foretellBeams(BeamForecast& forecast) const override {
        forecast.add(*this, -1, 0, framesLeft_);
    }
    void move() override {
        framesLeft_ -= 1;
        updateOwned();
    }

  private:
    int framesLeft_;
};

TEST_F(AutopilotTest, LeavesTheColumnOfAGunItSeesWindingUpBeforeItFires) {
    // Whether the ship's hit box has left the column of a heavy gun winding up straight
    // above it by the time the gun fires.
    const auto leaves = [this](AutopilotSkill skill) {
        startPlay();
        TestEnemyLayout layout;
        layout.kind = kPoseidon;
        layout.boss = true;
        layout.guns = 1;
        layout.shotsPerGun = 1;
        layout.shotKind = kEnemyMissile;
        // Slower than the shots whose lines every hand keeps out of anyway.
        layout.shotSpeed = 9;
        layout.damage = 2000;
        auto boss = std::make_unique<WindingUpBoss>(layout, state.run.random, 6);
        PlayerShip& ship = *state.field.ship;
        const int column = ship.getX() + ship.width() / 2;
        boss->gun(0)->setOffsetX(110 - 2);
        boss->gun(0)->setOffsetY(130);
        boss->setDirY(0);
        listEnemy(state, std::move(boss), column - 110, 60);
        Autopilot pilot({.skill = skill});
        step(pilot, 5);
        const platform::Rect box = ship.hitBox();
        return box.right <= column - 3 || box.left >= column + 3;
    };
    EXPECT_TRUE(leaves(AutopilotSkill::Expert));
    EXPECT_TRUE(leaves(AutopilotSkill::Normal));
}

TEST_F(AutopilotTest, BeginsNoChargeNearABossItHasNotWatchedLongButDoesAwayFromIt) {
    const auto charges = [this](bool boss) {
        startPlay();
        if (boss) {
            TestEnemyLayout layout;
            layout.kind = kPoseidon;
            layout.boss = true;
            spawnTestEnemy(state, layout, 10, 0).setDirY(0);
        }
        PlayerShip& ship = *state.field.ship;
        ship.setPower(100);
        Autopilot pilot;
        step(pilot, 3);
        return ship.isCharging();
    };
    EXPECT_TRUE(charges(false));
    EXPECT_FALSE(charges(true)) << "it may dash, and a slow ship cannot get out of its way";
}

TEST_F(AutopilotTest, BeginsNoChargeWhileBodiesThatARamWouldEndTheShipOnComeBy) {
    // A body out of the ship's reach for now, standing still; a charge is then tried each
    // frame for a while after it has gone.
    const auto firstChargeAfter = [this](std::int32_t hp) {
        startPlay();
        PlayerShip& ship = *state.field.ship;
        TestEnemyLayout layout;
        layout.hp = hp;
        TestEnemy& body = spawnTestEnemy(state, layout, 0, ship.getY() - 170);
        body.setDirX(0);
        body.setDirY(0);
        Autopilot pilot;
        ship.setPower(100);
        step(pilot, 3);
        if (ship.isCharging()) return 0;
        body.setAlive(false);
        for (int frame = 1; frame <= 600; ++frame) {
            ship.setPower(100);
            step(pilot);
            if (ship.isCharging()) return frame;
        }
        return -1;
    };
    EXPECT_EQ(firstChargeAfter(500), 0) << "a light body is no reason to wait";
    const int wait = firstChargeAfter(state.field.ship->getFullHp() * 2);
    EXPECT_GT(wait, 100) << "the beam would keep the ship slow while the next one comes";
    EXPECT_LT(wait, 600) << "the charge is begun again once they have stopped coming";
}

TEST_F(AutopilotTest, GivesUpAfterGameOverAndEntersTheNickBot) {
    Autopilot pilot;
    startPlay();
    state.scores.score = 999999;
    state.flow.screen = GameScreen::GameOver;
    step(pilot, 60);
    EXPECT_EQ(state.flow.screen, GameScreen::MainMenu);
    ASSERT_NE(state.scores.highScores, nullptr);
    EXPECT_EQ(state.scores.highScores->entries[0].score, 999999);
    EXPECT_EQ(nickText(state.scores.highScores->entries[0]), "BOT");
}

}  // namespace
}  // namespace cindervane
