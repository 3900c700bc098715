// Support for the enemy kind tests: an enemy of a type built by the registry with every
// picture resolved as the enemy factory resolves it, placed as its spawn row would place it,
// and a ship for it to aim at.
#pragma once

#include <memory>
#include <vector>

#include "../play/play_field.h"
#include "enemies/enemy_kinds.h"
#include "test_enemy.h"

namespace cindervane {

struct Placement {
    std::int32_t pattern = 0;
    std::int32_t x = 100;
    std::int32_t y = -40;
    std::int32_t dirX = 0;
    std::int32_t dirY = 1;
};

class KindTest : public ::testing::Test {
  protected:
    KindTest() {
        ship.setKind(32);  // 60 x 42
        ship.resolveSprite(field.state.run.craftSheets);
        ship.setAlive(true);
        shipAt(90, 250);
    }

    // The enemy of the type placed as a spawn row places it; the test keeps it.
    Enemy& spawn(std::int32_t type, const Placement& at) {
        std::unique_ptr<Enemy> made = makeEnemyOfType(type, field.state.run.random);
        EXPECT_TRUE(made) << type;
        resolveEnemyPictures(field.state, *made);
        made->setPattern(at.pattern);
        made->setDirX(at.dirX);
        made->setDirY(at.dirY);
        made->setX(at.x);
        made->setY(at.y);
        enemies.push_back(std::move(made));
        return *enemies.back();
    }

    // Frames of the enemy's update, each followed by the play frame's giving it (and its
    // shots) the ship as target.
    static void frames(Enemy& enemy, Craft& target, int count) {
        for (int i = 0; i < count; ++i) {
            enemy.move();
            enemy.setTarget(&target);
            for (int g = 0; g < enemy.getGunCount(); ++g)
                for (int p = 0; p < enemy.gun(g)->getProjectileCount(); ++p)
                    if (enemy.gun(g)->projectile(p)->getHoming())
                        enemy.gun(g)->projectile(p)->setTarget(&target);
        }
    }
    void frames(Enemy& enemy, int count) { frames(enemy, ship, count); }
    // Runs frames until the enemy's age is the one given.
    void untilAge(Enemy& enemy, std::int32_t age) {
        while (enemy.isAlive() && enemy.getAge() < age)
            frames(enemy, 1);
    }

    // Live shots of all its guns, or of one gun.
    static int liveShots(const Enemy& enemy) {
        int live = 0;
        for (int g = 0; g < enemy.getGunCount(); ++g)
            live += enemy.gun(g)->liveProjectiles();
        return live;
    }

    // Puts the ship's corner at (x, y).
    void shipAt(std::int32_t x, std::int32_t y) {
        ship.setX(x);
        ship.setY(y);
    }

    PlayField field;
    Craft ship;
    std::vector<std::unique_ptr<Enemy>> enemies;
};

}  // namespace cindervane
