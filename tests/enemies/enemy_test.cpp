// The enemy base: leaving the screen, the shared per-frame work with parts, the flash rule,
// destruction with parts, drops, and the sweep of the enemy list.
#include "enemies/enemy.h"

#include <gtest/gtest.h>

#include "../play/play_field.h"
#include "stage/enemy_sweep.h"
#include "test_enemy.h"

namespace cindervane {
namespace {

class EnemyTest : public ::testing::Test {
  protected:
    std::size_t listed() { return listedEnemies(field.state).size(); }

    PlayField field;
};

TEST_F(EnemyTest, LeavingByTheBottomKillsSilentlyWhileItsShotsFlyOnUntilItIsSwept) {
    TestEnemy& enemy = spawnTestEnemy(field.state, {.guns = 1, .shotSpeed = 2}, 100, 270);
    enemy.setSpeedY(100);
    enemy.fire();
    enemy.move();  // y 370
    EXPECT_FALSE(enemy.isAlive());
    EXPECT_FALSE(enemy.explosion()->isAlive());
    const Projectile& shot = *enemy.gun(0)->projectile(0);
    ASSERT_TRUE(shot.isAlive());
    const int shotY = shot.getY();
    enemy.move();
    EXPECT_EQ(shot.getY(), shotY + 2);

    sweepEnemies(field.state.field);
    EXPECT_EQ(listed(), 1u);
    for (int i = 0; i < 30; ++i)
        enemy.move();
    sweepEnemies(field.state.field);
    EXPECT_EQ(listed(), 0u);
}

TEST_F(EnemyTest, AnEnemyAboveTheScreenStaysAliveButTheBottomAndSidesEndIt) {
    for (const auto& [x, y, dirX, dirY, alive] : {std::tuple{100, -400, 0, -1, true},
                                                  {238, 100, 1, 0, false},
                                                  {-40, 100, -1, 0, false},
                                                  {100, 318, 0, 1, false},
                                                  {100, 317, 0, 1, true}}) {
        TestEnemy& enemy = spawnTestEnemy(field.state, {}, x, y);
        enemy.setDirX(dirX);
        enemy.setDirY(dirY);
        enemy.setSpeedX(3);
        enemy.setSpeedY(3);
        enemy.move();
        EXPECT_EQ(enemy.isAlive(), alive) << x << " " << y;
    }
}

TEST_F(EnemyTest, OrdinaryEnemiesFlashAfterEveryHitAndBossesNever) {
    TestEnemy& ordinary = spawnTestEnemy(field.state, {}, 20, 20);
    TestEnemy& boss = spawnTestEnemy(field.state, {.kind = kPoseidon, .boss = true}, 0, 100);
    for (int frame = 0; frame < 2; ++frame) {
        ordinary.takeDamage(-10);
        boss.takeDamage(-10);
        ordinary.draw();
        boss.draw();
        EXPECT_EQ(field.pixel(40, 40), kScreenWhite) << frame;
        EXPECT_EQ(field.pixel(100, 150), kScreenRed) << frame;
        EXPECT_FALSE(boss.getHitFlash());
    }
    ordinary.draw();
    EXPECT_EQ(field.pixel(40, 40), kScreenRed);
}

TEST_F(EnemyTest, PartsArePlacedBeforeEachMovesAndDieWithTheBody) {
    auto body = makeTestEnemy(field.state, {.kind = kPoseidon, .boss = true});
    auto part = makeTestEnemy(field.state, {.kind = kOmegaRear, .guns = 1, .coins = 1});
    part->setSpeedY(4);
    Enemy* wing = part.get();
    body->addPart(std::move(part), 0);
    TestEnemy& boss = listEnemy(field.state, std::move(body), 10, 20);
    boss.setSpeedY(1);
    boss.move();
    // The body moved to 21, the part was put there and then made its own move.
    EXPECT_EQ(wing->getY(), 25);
    EXPECT_EQ(wing->getX(), 10);

    boss.die();
    EXPECT_FALSE(wing->isAlive());
    EXPECT_EQ(wing->getHp(), 0);
    EXPECT_TRUE(wing->explosion()->isAlive());
    EXPECT_TRUE(boss.explosion()->isAlive());
    EXPECT_FALSE(boss.isFinished());
}

TEST_F(EnemyTest, DropsAreCentredOnTheEnemyAndABoxNeverStartsAboveTheScreen) {
    TestEnemy& carrier =
        spawnTestEnemy(field.state, {.coins = 2, .coinKind = 3, .box = true}, 100, -10);
    carrier.dropCoins();
    carrier.dropBox();
    EXPECT_TRUE(carrier.coin(1)->isAlive());
    EXPECT_EQ(carrier.coin(1)->getX(), 100 + (42 - 31) / 2);
    EXPECT_EQ(carrier.coin(1)->getY(), -10 + (42 - 31) / 2);
    EXPECT_EQ(carrier.box()->getX(), 100 + (42 - 37) / 2);
    EXPECT_EQ(carrier.box()->getY(), 0);
}

TEST_F(EnemyTest, TheSweepStopsAtTheFirstUnfinishedEnemy) {
    TestEnemy& first = spawnTestEnemy(field.state, {}, 10, 10);
    TestEnemy& second = spawnTestEnemy(field.state, {}, 60, 10);
    TestEnemy& third = spawnTestEnemy(field.state, {}, 110, 10);
    first.setAlive(false);
    third.setAlive(false);
    sweepEnemies(field.state.field);
    EXPECT_EQ(listed(), 2u);  // the first went; the third waits behind the second
    EXPECT_EQ(field.state.field.enemies.head()->object.get(), &second);
    second.setAlive(false);
    sweepEnemies(field.state.field);
    EXPECT_EQ(listed(), 0u);
}

}  // namespace
}  // namespace cindervane
