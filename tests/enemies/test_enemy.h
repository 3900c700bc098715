// Enemies for the tests, built on the enemy base the way the game's kinds are: a body of a
// picture of the craft catalogue (or of the part catalogue for a part), guns of straight
// shots, coins, an optional item box and parts, with every picture resolved.
#pragma once

#include <memory>
#include <vector>

#include "enemies/enemy.h"
#include "play/straight_shot.h"
#include "stage/game_state.h"

namespace cindervane {

// Kinds used by the tests, with their frame sizes.
constexpr std::int32_t kChopter = 4;       // 42 x 42
constexpr std::int32_t kPoseidon = 28;     // 220 x 135
constexpr std::int32_t kOmegaRear = 3;     // a part: 90 x 85
constexpr std::int32_t kParticleShot = 8;  // 10 x 10
constexpr std::int32_t kEnemyMissile = 5;  // 5 x 23

struct TestEnemyLayout {
    std::int32_t kind = kChopter;
    std::int32_t hp = 1000;
    std::int32_t scoreValue = 100;
    std::int32_t guns = 0;
    std::int32_t shotsPerGun = 5;
    std::int32_t shotKind = kParticleShot;
    std::int32_t shotSpeed = 5;  // straight down
    std::int32_t damage = 100;
    std::int32_t coins = 0;
    std::int32_t coinKind = 2;
    bool box = false;
    bool boss = false;
};

// Flies in a straight line as the base does.
class TestEnemy : public Enemy {
  public:
    TestEnemy(const TestEnemyLayout& layout, RandomGenerator& random) {
        setKind(layout.kind);
        setAlive(true);
        setFullHp(layout.hp);
        setHpUnchecked(layout.hp);
        setScoreValue(layout.scoreValue);
        setBoss(layout.boss);
        setDirY(1);
        setGunCountUnchecked(layout.guns);
        for (int g = 0; g < layout.guns; ++g) {
            auto gun = std::make_unique<Gun>();
            gun->setEnabled(true);
            gun->setDamage(layout.damage);
            gun->setProjectileCount(layout.shotsPerGun);
            for (int p = 0; p < layout.shotsPerGun; ++p) {
                auto shot = std::make_unique<StraightShot>(layout.shotKind);
                shot->setDirY(1);
                shot->setSpeedY(layout.shotSpeed);
                gun->setProjectile(p, std::move(shot));
            }
            setGun(g, std::move(gun));
        }
        setCoinCountUnchecked(layout.coins);
        for (int c = 0; c < layout.coins; ++c)
            setCoin(c, std::make_unique<Coin>(layout.coinKind, random));
        if (layout.box) {
            setBoxCountUnchecked(1);
            setBox(std::make_unique<ItemBox>());
        }
        setExplosion(std::make_unique<Explosion>());
    }

    void addPart(std::unique_ptr<TestEnemy> part, std::int32_t layer) {
        part->setPartLayer(layer);
        const std::int32_t slot = getPartCount();
        setPart(slot, std::move(part));
        setPartCountUnchecked(slot + 1);
    }
};

// Every picture of the enemy looked up in its catalogue as the enemy factory does, its parts'
// bodies in the part catalogue.
inline void resolveEnemyPictures(GameState& state, Enemy& enemy, bool asPart = false) {
    enemy.resolveSprite(asPart ? state.run.partSheets : state.run.craftSheets);
    for (int g = 0; g < enemy.getGunCount(); ++g)
        for (int p = 0; enemy.gun(g) && p < enemy.gun(g)->getProjectileCount(); ++p) {
            enemy.gun(g)->projectile(p)->resolveSprite(state.run.projectileSheets);
            enemy.gun(g)->projectile(p)->hitSpark().resolveSprite(state.run.effectSheets);
        }
    for (int c = 0; c < enemy.getCoinCount(); ++c)
        enemy.coin(c)->resolveSprite(state.run.coinSheets);
    if (enemy.box()) enemy.box()->resolveSprite(state.run.boxSheets);
    enemy.explosion()->resolveSprite(state.run.effectSheets);
    for (int i = 0; i < enemy.getPartCount(); ++i)
        resolveEnemyPictures(state, *enemy.part(i), true);
}

inline std::unique_ptr<TestEnemy> makeTestEnemy(GameState& state, const TestEnemyLayout& layout) {
    return std::make_unique<TestEnemy>(layout, state.run.random);
}

// Resolves the enemy's pictures and lists it at (x, y); the list owns it.
inline TestEnemy& listEnemy(GameState& state, std::unique_ptr<TestEnemy> enemy, std::int32_t x,
                            std::int32_t y) {
    resolveEnemyPictures(state, *enemy);
    enemy->setX(x);
    enemy->setY(y);
    TestEnemy& listed = *enemy;
    auto node = std::make_unique<ObjectList<Enemy>::Node>();
    node->object = std::move(enemy);
    state.field.enemies.append(std::move(node));
    return listed;
}

// The enemies on the list, in its order.
inline std::vector<Enemy*> listedEnemies(GameState& state) {
    std::vector<Enemy*> enemies;
    for (auto* node = state.field.enemies.head(); node; node = node->next)
        enemies.push_back(node->object.get());
    return enemies;
}

// The stage's timetable made of these rows.
inline void setSpawnTable(GameState& state, std::initializer_list<SpawnEntry> rows) {
    int i = 0;
    for (const SpawnEntry& row : rows)
        state.field.spawnTable[i++] = row;
    state.field.spawnCount = i;
}

// Builds, resolves and lists an enemy at (x, y).
inline TestEnemy& spawnTestEnemy(GameState& state, const TestEnemyLayout& layout, std::int32_t x,
                                 std::int32_t y) {
    return listEnemy(state, makeTestEnemy(state, layout), x, y);
}

}  // namespace cindervane
