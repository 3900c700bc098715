// The statistics of a game: hits told by the play frame land on the enemy kind and gun that
// dealt them, in the stage being played; a boss gun's volleys are counted, and a volley that
// hits counts once however many of its shots land; and watching a game changes nothing in it.
#include <gtest/gtest.h>

#include "../enemies/test_enemy.h"
#include "../shell/shell_fixture.h"
#include "game/play_statistics.h"
#include "shell/screen_flow.h"

namespace cindervane {
namespace {

class PlayStatisticsTest : public ShellTest {
  protected:
    // A new game's first stage; the watcher sees the intro give way to play.
    void startPlay() {
        startNewGame(state);
        statistics.afterFrame(state);
        beginStageFromIntro(state);
        state.field.spawnCount = 0;
    }
    void step(int count = 1) {
        for (int i = 0; i < count; ++i) {
            statistics.beforeFrame(state);
            frames(1);
            statistics.afterFrame(state);
        }
    }
    // An enemy of `kind` above the ship with one shot of gun 1 on the ship.
    TestEnemy& shooterWithShotOnShip(std::int32_t kind) {
        TestEnemy& enemy = spawnTestEnemy(
            state, {.kind = kind, .guns = 2, .shotsPerGun = 1, .damage = 700}, 0, -200);
        enemy.setDirY(0);
        Projectile* shot = enemy.gun(1)->projectile(0);
        shot->setAlive(true);
        shot->setX(state.field.ship->getX() + state.field.ship->width() / 2 - 5);
        shot->setY(state.field.ship->getY() + state.field.ship->height() / 2 - 5);
        shot->setSpeedY(0);
        return enemy;
    }
    PlayStatistics statistics;
};

TEST_F(PlayStatisticsTest, AHitIsCountedOnTheStageTheKindAndTheGunThatDealtIt) {
    state.run.observer = &statistics;
    startPlay();
    step();
    shooterWithShotOnShip(kChopter);
    const std::int32_t hp = state.field.ship->getHp();
    step();
    const std::int32_t lost = hp - state.field.ship->getHp();
    ASSERT_GT(lost, 0);
    const nlohmann::json report = statistics.report(state);
    ASSERT_EQ(report["stages"].size(), 1u);
    const auto& stage = report["stages"][0];
    EXPECT_EQ(stage["stage"], 1);
    EXPECT_FALSE(stage["cleared"]);
    EXPECT_EQ(stage["damage"], lost);
    EXPECT_EQ(stage["damageByKind"][std::to_string(kChopter)], lost);
    EXPECT_EQ(stage["guns"][gunKey(kChopter, -1, 1)]["hits"], 1);
    EXPECT_EQ(stage["guns"][gunKey(kChopter, -1, 1)]["damage"], lost);
}

TEST_F(PlayStatisticsTest, ABossGunsVolleyThatHitsCountsOnceHoweverManyOfItsShotsLand) {
    state.run.observer = &statistics;
    startPlay();
    TestEnemy& boss =
        spawnTestEnemy(state, {.kind = 31, .guns = 1, .damage = 300, .boss = true}, 0, -200);
    boss.setDirY(0);
    step();  // the boss can be hurt: its fight begins
    Gun& gun = *boss.gun(0);
    const PlayerShip& ship = *state.field.ship;
    // Shots `first` to `last` leave the gun in one frame, falling five pixels a frame, just
    // above the ship or beside it; they reach it in the frame after.
    auto volley = [&](int first, int last, bool onShip) {
        for (int p = first; p <= last; ++p) {
            Projectile& shot = *gun.projectile(p);
            shot.setAlive(true);
            shot.setX(onShip ? ship.getX() + ship.width() / 2 - 5 + (p - first) * 4
                             : ship.getX() + 120);
            shot.setY(ship.getY() + ship.height() / 4 - 16);
            shot.setSpeedY(5);
        }
        step(4);
    };
    volley(0, 0, true);
    volley(1, 1, false);
    volley(2, 3, true);
    const nlohmann::json report = statistics.report(state);
    ASSERT_EQ(report["stages"].size(), 1u);
    const nlohmann::json& record = report["stages"][0]["guns"].at(gunKey(31, -1, 0));
    EXPECT_EQ(record["volleys"], 3);
    EXPECT_EQ(record["hits"], 3);
    EXPECT_EQ(record["volleysHit"], 2);
}

TEST_F(PlayStatisticsTest, WatchingAGameLeavesItAsItWouldHaveBeen) {
    // The same hit with and without a watcher leaves the same ship.
    std::int32_t hpLeft[2] = {};
    for (int watched = 0; watched < 2; ++watched) {
        state.run.observer = watched ? &statistics : nullptr;
        state.field.enemies.clear();
        startPlay();
        shooterWithShotOnShip(kChopter);
        step(3);
        hpLeft[watched] = state.field.ship->getHp();
    }
    EXPECT_EQ(hpLeft[0], hpLeft[1]);
    EXPECT_LT(hpLeft[1], state.field.ship->getFullHp());
}

TEST(GunKeys, NameTheKindThePartAndTheGun) {
    EXPECT_EQ(gunKey(31, -1, 7), "31/7");
    EXPECT_EQ(gunKey(1, 2, 40), "1/2/40");
    EXPECT_EQ(gunKey(22, -1, -1), "22/body");
}

}  // namespace
}  // namespace cindervane
