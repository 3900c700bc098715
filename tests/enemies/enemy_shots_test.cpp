// The enemy shots: each family's movement and end, the aimed particle's one turn, the flags
// of the table, and gun layouts built from rows.
#include "enemies/shots/enemy_shots.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "../play/play_field.h"
#include "enemies/enemy.h"
#include "enemies/enemy_gun_row.h"

namespace cindervane {
namespace {

class EnemyShotTest : public ::testing::Test {
  protected:
    // A shot of the kind with its picture, alive at (x, y) and flying (dirX, dirY) at speed.
    std::unique_ptr<Projectile> shot(std::int32_t kind, std::int32_t x, std::int32_t y,
                                     std::int32_t dirX = 0, std::int32_t dirY = 1,
                                     std::int32_t speed = 4) {
        auto made = makeEnemyShot(kind);
        made->resolveSprite(field.state.run.projectileSheets);
        made->setX(x);
        made->setY(y);
        made->setDirX(dirX);
        made->setDirY(dirY);
        made->setSpeedX(speed);
        made->setSpeedY(speed);
        made->setAlive(true);
        return made;
    }

    // Moves the shot until it dies; the number of moves it lived through.
    static int movesUntilDead(Projectile& shot, int limit = 1000) {
        int moves = 0;
        while (shot.isAlive() && moves < limit) {
            shot.move();
            ++moves;
        }
        return moves;
    }

    PlayField field;
};

TEST_F(EnemyShotTest, EveryKindHasAPictureAndOnlyShotsWithPowerCanBeShotDown) {
    for (const EnemyShotRow& row : kEnemyShots) {
        EXPECT_TRUE(std::any_of(kProjectileSheets.begin(), kProjectileSheets.end(),
                                [&](const SheetRow& sheet) { return sheet.id == row.kind; }))
            << row.kind;
        auto made = makeEnemyShot(row.kind);
        ASSERT_TRUE(made) << row.kind;
        EXPECT_EQ(made->getKind(), row.kind);
        EXPECT_FALSE(made->isAlive());
        EXPECT_EQ(made->getShootable(), made->getToughness() > 0) << row.kind;
    }
    EXPECT_FALSE(makeEnemyShot(3));  // the ship's machine gun
}

TEST_F(EnemyShotTest, AnAimedParticleTurnsOnceOnItsSecondFrameAndFliesOnAsTurned) {
    Craft ship;
    ship.setKind(32);
    ship.resolveSprite(field.state.run.craftSheets);
    ship.setX(10);
    ship.setY(200);  // below and to the left
    auto particle = shot(8, 100, 50, 0, 1, 3);
    particle->setHoming(true);
    particle->setTarget(&ship);
    particle->move();
    EXPECT_EQ(particle->getDirX(), 0);
    particle->move();
    EXPECT_EQ(particle->getDirX(), -1);
    EXPECT_EQ(particle->getDirY(), 1);
    ship.setX(300);  // never followed again
    particle->move();
    EXPECT_EQ(particle->getDirX(), -1);
    EXPECT_EQ(particle->getX(), 100 - 3);  // the turn follows the second step
    EXPECT_EQ(particle->getY(), 50 + 9);

    // Far off the screen it dies; fired again, it keeps the direction it turned to.
    particle->setX(-230);
    for (int i = 0; i < 4; ++i)
        particle->move();
    EXPECT_FALSE(particle->isAlive());
    particle->setAlive(true);
    particle->setTarget(nullptr);
    particle->move();
    particle->move();
    EXPECT_EQ(particle->getDirX(), -1);
    EXPECT_EQ(particle->getDirY(), 1);
}

TEST_F(EnemyShotTest, StraightFamiliesDieAtTheirOwnBounds) {
    // A particle flies far beyond the screen; a pulse beam ends when its corner leaves
    // 1..240 x 1..320; a falling shot only when its row leaves 1..320.
    auto particle = shot(8, 100, 300);
    EXPECT_EQ(movesUntilDead(*particle), 86);  // y 644 is beyond 640
    auto beam = shot(26, 100, 300);
    EXPECT_EQ(movesUntilDead(*beam), 6);  // y 324
    auto sideways = shot(10, 230, 100, 1, 0);
    EXPECT_EQ(movesUntilDead(*sideways), 3);  // x 242
    auto rising = shot(27, 100, 9, 0, -1);
    EXPECT_EQ(movesUntilDead(*rising), 3);  // y -3
    auto bolt = shot(31, 238, 300, 1, 1);
    EXPECT_EQ(movesUntilDead(*bolt), 6);  // sideways off the screen it still flies on
    EXPECT_EQ(bolt->getX(), 238 + 24);
}

TEST_F(EnemyShotTest, AMissileWornDownInOneFlightStartsTheNextAsWornAsItWas) {
    auto missile = shot(5, 100, 100);
    missile->setToughness(30);
    missile->setY(330);  // leaves the screen
    missile->move();
    EXPECT_FALSE(missile->isAlive());
    missile->setAlive(true);
    missile->setY(100);
    missile->move();
    EXPECT_EQ(missile->getToughness(), 30);
    missile->setToughness(0);
    missile->strike(100, 110);
    missile->setAlive(true);
    missile->move();
    EXPECT_EQ(missile->getToughness(), 0);  // the next hit downs it at once
}

TEST_F(EnemyShotTest, StandingShotsStayWhereFiredForTheirOwnSpans) {
    auto laser = shot(33, 50, 40);  // three frames shown twice, the last one once
    EXPECT_EQ(movesUntilDead(*laser), 5);
    EXPECT_EQ(laser->getY(), 40);
    EXPECT_EQ(laser->getFrame(), 0);
    auto line = shot(34, 50, 40);
    EXPECT_EQ(movesUntilDead(*line), 10);
    line->setAlive(true);
    EXPECT_EQ(movesUntilDead(*line), 10);  // every firing lives as long
    auto super = shot(35, 50, 40);         // two frames, 31 passes
    EXPECT_EQ(movesUntilDead(*super), 62);
    EXPECT_EQ(super->getY(), 40);
}

TEST_F(EnemyShotTest, GunRowsAppendEnabledGunsOfTheirShots) {
    Enemy enemy;
    constexpr EnemyGunRow kRows[] = {
        {17, 40, 10, 3, 80, 8, 0, 6, 0, 1},
        {5, 20, 1, 1, 150, 8, 3, 3, 0, 1, true},
    };
    ASSERT_TRUE(addEnemyGuns(enemy, kRows));
    ASSERT_TRUE(addEnemyGuns(enemy, std::span(kRows).first(1)));
    EXPECT_EQ(enemy.getGunCount(), 3);
    const Gun& aimed = *enemy.gun(1);
    EXPECT_TRUE(aimed.isEnabled());
    EXPECT_EQ(aimed.getOffsetX(), 5);
    EXPECT_EQ(aimed.getDamage(), 150);
    EXPECT_EQ(aimed.getProjectileCount(), 1);
    EXPECT_TRUE(aimed.projectile(0)->getHoming());
    const Gun& gattling = *enemy.gun(2);
    EXPECT_EQ(gattling.getInterval(), 3);
    EXPECT_EQ(gattling.getProjectileCount(), 10);
    EXPECT_EQ(gattling.projectile(9)->getSpeedY(), 6);
    EXPECT_EQ(gattling.projectile(9)->getDirY(), 1);
    EXPECT_FALSE(gattling.projectile(9)->getHoming());
}

}  // namespace
}  // namespace cindervane
