// Every ordinary enemy kind against its row of the enemy types table: hit points, speeds,
// guns whose shots have pictures, coins, the item box; and the bosses left to the stages.
#include "enemies/enemy_kinds.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "enemies/enemy_types.h"
#include "enemies/shots/enemy_shots.h"
#include "kind_test_support.h"

namespace cindervane {
namespace {

bool hasShotPicture(std::int32_t kind) {
    return std::any_of(kProjectileSheets.begin(), kProjectileSheets.end(),
                       [&](const SheetRow& sheet) { return sheet.id == kind; });
}

TEST(EnemyKinds, EveryKindIsBuiltAsItsTypeRowSays) {
    RandomGenerator random(7);
    for (const EnemyType& row : kEnemyTypes) {
        std::unique_ptr<Enemy> enemy = makeEnemyOfType(row.type, random);
        if (row.isBoss) {
            EXPECT_FALSE(enemy) << "bosses are built with the stages: " << row.type;
            continue;
        }
        if (!enemy) continue;
        SCOPED_TRACE(row.type);
        EXPECT_EQ(enemy->getKind(), row.type);
        EXPECT_TRUE(enemy->isAlive());
        EXPECT_FALSE(enemy->isBoss());
        EXPECT_EQ(enemy->getAngle(), 360);
        EXPECT_EQ(enemy->getAge(), 0);
        EXPECT_EQ(enemy->getDirY(), 1);
        EXPECT_EQ(enemy->getHp(), row.hitPoints);
        EXPECT_EQ(enemy->getFullHp(), row.hitPoints);
        EXPECT_EQ(enemy->getSpeedX(), row.speedX);
        EXPECT_EQ(enemy->getSpeedY(), row.speedY);
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
                EXPECT_TRUE(findEnemyShot(shot->getKind())) << g;
                EXPECT_TRUE(hasShotPicture(shot->getKind())) << g;
                EXPECT_FALSE(shot->isAlive());
            }
        }
        ASSERT_EQ(enemy->getCoinCount(), row.coinCount);
        for (int c = 0; c < row.coinCount; ++c)
            EXPECT_EQ(enemy->coin(c)->getValue(), row.coinValue) << c;
        EXPECT_EQ(enemy->getBoxCount(), row.carriesBox ? 1 : 0);
        EXPECT_EQ(enemy->box() != nullptr, row.carriesBox);
    }
    for (std::int32_t missing : {0, 32, 33, 34, 51})
        EXPECT_FALSE(makeEnemyOfType(missing, random)) << missing;
}

}  // namespace
}  // namespace cindervane
