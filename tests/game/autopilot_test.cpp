// The autopilot's hand on a started game: through the screens, auto fire, the refill
// corner, dodging a shot and rolling out of one it cannot dodge, and the nick it enters.
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

TEST_F(AutopilotTest, RollsOutOfAShotItCannotDodgeOnlyWhenTheHitWouldHurtMost) {
    // A shot just above the ship; whether it rolls with these hit points left.
    const auto rollsWith = [this](std::int32_t hp) {
        startPlay();
        TestEnemyLayout layout;
        layout.guns = 1;
        layout.shotsPerGun = 1;
        layout.damage = 700;
        TestEnemy& shooter = spawnTestEnemy(state, layout, 0, -200);
        shooter.setDirY(0);
        PlayerShip& ship = *state.field.ship;
        EXPECT_TRUE(ship.evadeBarFull());
        ship.setHp(hp);
        shotAt(shooter, ship.getX() + ship.width() / 2 - 5, ship.getY() - 10, 10);
        Autopilot pilot;
        step(pilot);
        return ship.isEvading();
    };
    EXPECT_FALSE(rollsWith(5000)) << "with most of its hit points the roll is kept";
    EXPECT_TRUE(rollsWith(2000)) << "low, away from bosses";
    EXPECT_TRUE(rollsWith(600)) << "a hit that would end the ship";
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
