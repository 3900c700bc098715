// Every ordinary enemy kind built whole: its class, full health, as many guns as its type
// row says with shots that have pictures, coins worth their row's value, a box that is
// there when counted; the bosses left to the stages; and every ordinary row of the eight
// timetables flown through to its end.
#include "enemies/enemy_kinds.h"

#include <gtest/gtest.h>

#include "enemies/enemy_types.h"
#include "enemies/shots/enemy_shots.h"
#include "enemies/timetables/stage1.h"
#include "enemies/timetables/stage2.h"
#include "enemies/timetables/stage3.h"
#include "enemies/timetables/stage4.h"
#include "enemies/timetables/stage5.h"
#include "enemies/timetables/stage6.h"
#include "enemies/timetables/stage7.h"
#include "enemies/timetables/stage8.h"
#include "kind_test_support.h"

namespace cindervane {
namespace {

TEST(EnemyKinds, EveryOrdinaryKindIsBuiltWhole) {
    RandomGenerator random(7);
    for (const EnemyType& row : kEnemyTypes) {
        std::unique_ptr<Enemy> enemy = makeEnemyOfType(row.type, random);
        if (row.isBoss) {
            EXPECT_FALSE(enemy) << "bosses are built with the stages: " << row.type;
            continue;
        }
        SCOPED_TRACE(row.type);
        ASSERT_TRUE(enemy) << "every ordinary type has its class";
        EXPECT_EQ(enemy->getKind(), row.type);
        EXPECT_TRUE(enemy->isAlive());
        EXPECT_FALSE(enemy->isBoss());
        EXPECT_EQ(enemy->getAngle(), 360);
        EXPECT_EQ(enemy->getAge(), 0);
        EXPECT_EQ(enemy->getDirY(), 1);
        EXPECT_EQ(enemy->getHp(), enemy->getFullHp());
        EXPECT_TRUE(enemy->explosion());
        ASSERT_EQ(enemy->getGunCount(), row.gunCount);
        for (int g = 0; g < row.gunCount; ++g) {
            const Gun* gun = enemy->gun(g);
            ASSERT_TRUE(gun) << g;
            EXPECT_TRUE(gun->isEnabled()) << g;
            EXPECT_GT(gun->getDamage(), 0) << g;
            ASSERT_GT(gun->getProjectileCount(), 0) << g;
            for (int p = 0; p < gun->getProjectileCount(); ++p) {
                const Projectile* shot = gun->projectile(p);
                ASSERT_TRUE(shot) << g << " " << p;
                // A kind of the enemy shot table, each of which has a picture.
                EXPECT_TRUE(findEnemyShot(shot->getKind())) << g;
                EXPECT_FALSE(shot->isAlive());
            }
        }
        ASSERT_EQ(enemy->getCoinCount(), row.coinCount);
        for (int c = 0; c < row.coinCount; ++c)
            EXPECT_EQ(enemy->coin(c)->getValue(), row.coinValue) << c;
        EXPECT_EQ(enemy->box() != nullptr, enemy->getBoxCount() == 1);
    }
    for (std::int32_t missing : {0, 32, 33, 34, 51})
        EXPECT_FALSE(makeEnemyOfType(missing, random)) << missing;
}

using EnemyKindRows = KindTest;

// Flown from its row against a ship that stays put, every ordinary enemy of every stage comes
// on the screen and is gone again within 600 frames (the oyster stays longest, 559), so none
// lingers for good and holds up the sweep of the enemy list.
TEST_F(EnemyKindRows, EveryOrdinaryRowOfEveryStageComesOnTheScreenAndLeavesInTime) {
    const std::span<const SpawnEntry> stages[] = {
        kStage1Timetable, kStage2Timetable, kStage3Timetable, kStage4Timetable,
        kStage5Timetable, kStage6Timetable, kStage7Timetable, kStage8Timetable};
    int flown = 0;
    for (std::size_t stage = 0; stage < std::size(stages); ++stage) {
        for (const SpawnEntry& row : stages[stage]) {
            const EnemyType* type = findEnemyType(row.type);
            if (!type || type->isBoss) continue;
            Enemy& enemy = spawn(row.type, {row.pattern, row.x, row.y, row.dirX, row.dirY});
            bool seen = false;
            int lived = 0;
            for (; enemy.isAlive() && lived < 600; ++lived) {
                frames(enemy, 1);
                seen = seen || (enemy.getX() + enemy.width() > 0 && enemy.getX() < kScreenWidth &&
                                enemy.getY() + enemy.height() > 0 && enemy.getY() < kScreenHeight);
            }
            EXPECT_TRUE(seen) << "stage " << stage + 1 << " tick " << row.tick;
            EXPECT_FALSE(enemy.isAlive()) << "stage " << stage + 1 << " tick " << row.tick;
            enemies.clear();
            ++flown;
        }
    }
    EXPECT_GT(flown, 1500);
}

}  // namespace
}  // namespace cindervane
