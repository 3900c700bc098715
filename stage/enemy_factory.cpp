// The enemy factory and the spawn walk.
#include "stage/enemy_factory.h"

#include <string_view>

#include "enemies/bosses/make_boss.h"
#include "enemies/enemy_kinds.h"
#include "enemies/enemy_types.h"
#include "gamelibrary/game_app.h"

namespace cindervane {

namespace {

// Frames the boss warning shows once a boss comes on.
constexpr std::int32_t kBossWarningFrames = 75;
// The stage 4 boss flies so fast that the ground races under it.
constexpr std::int32_t kFastScrollType = 38;
constexpr std::int32_t kFastScrollSpeed = 9;

class EnemyResolver {
  public:
    explicit EnemyResolver(RunResources& run) : run_(run) {}

    void resolve(Actor& actor, const SheetCatalogue& catalogue, std::string_view message) {
        if (actor.resolveSprite(catalogue)) return;
        if (run_.app) run_.app->fatalError(message);
    }

    // Every shot of every gun of the body or a part, with its spark.
    void resolveShots(Enemy& enemy) {
        for (int g = 0; g < enemy.getGunCount(); ++g) {
            const Gun* gun = enemy.gun(g);
            if (!gun) continue;
            for (int p = 0; p < gun->getProjectileCount(); ++p) {
                Projectile* shot = gun->projectile(p);
                if (!shot) continue;
                resolve(*shot, run_.projectileSheets, "Error loading Enemy Guns Pointer");
                resolve(shot->hitSpark(), run_.effectSheets,
                        "Error loading Enemy Gun Ammos Explosion Pointer");
            }
        }
    }

    void resolveCoins(Enemy& enemy) {
        for (int c = 0; c < enemy.getCoinCount(); ++c)
            if (Coin* coin = enemy.coin(c))
                resolve(*coin, run_.coinSheets, "Error loading Enemy Coins Pointer");
    }

    void resolveExplosion(Enemy& enemy) {
        if (Explosion* explosion = enemy.explosion())
            resolve(*explosion, run_.effectSheets, "Error loading Enemy Explosion Pointer");
    }

  private:
    RunResources& run_;
};

std::unique_ptr<Enemy> makeEnemy(int type, RandomGenerator& random) {
    const EnemyType* info = findEnemyType(type);
    if (!info) return nullptr;
    if (info->isBoss) return makeBoss(type, random);
    return makeEnemyOfType(type, random);
}

using EnemyNode = ObjectList<Enemy>::Node;

// Everything admitEnemy does, on an enemy already in its list node.
Arrivals admitNode(FieldState& field, RunResources& run, std::unique_ptr<EnemyNode> node,
                   const SpawnEntry& row);

}  // namespace

Arrivals spawnDue(FieldState& field, RunResources& run, std::int32_t tick) {
    Arrivals arrivals;
    field.spawnCursor = 0;
    if (field.spawnCount < 1) return arrivals;
    for (; field.spawnCursor < field.spawnCount; ++field.spawnCursor) {
        if (field.spawnTable[field.spawnCursor].tick == tick && !field.stageCleared)
            arrivals |= spawnEnemy(field, run, field.spawnCursor);
    }
    return arrivals;
}

void fillEnemyPool(FieldState& field) {
    // The coins' draws are made again from the game's chance when each enemy comes on.
    RandomGenerator aside(0);
    for (auto& pooled : field.enemyPool)
        pooled.reset();
    for (int row = 0; row < field.spawnCount; ++row) {
        std::unique_ptr<Enemy> enemy = makeEnemy(field.spawnTable[row].type, aside);
        if (!enemy) continue;
        field.enemyPool[row] = std::make_unique<EnemyNode>();
        field.enemyPool[row]->object = std::move(enemy);
    }
}

Arrivals spawnEnemy(FieldState& field, RunResources& run, int row) {
    if (row < 0 || row >= field.spawnCount) return {};
    const SpawnEntry& entry = field.spawnTable[row];
    if (std::unique_ptr<EnemyNode>& pooled = field.enemyPool[row]) {
        pooled->object->rollCoins(run.random);
        return admitNode(field, run, std::move(pooled), entry);
    }
    std::unique_ptr<Enemy> enemy = makeEnemy(entry.type, run.random);
    if (!enemy) return {};
    return admitEnemy(field, run, std::move(enemy), entry);
}

Arrivals admitEnemy(FieldState& field, RunResources& run, std::unique_ptr<Enemy> enemy,
                    const SpawnEntry& row) {
    if (!enemy) return {};
    auto node = std::make_unique<EnemyNode>();
    node->object = std::move(enemy);
    return admitNode(field, run, std::move(node), row);
}

namespace {

Arrivals admitNode(FieldState& field, RunResources& run, std::unique_ptr<EnemyNode> node,
                   const SpawnEntry& row) {
    Arrivals arrivals;
    Enemy* enemy = node->object.get();
    if (const EnemyType* info = findEnemyType(row.type)) enemy->setScoreValue(info->score);
    arrivals.fastScroll = row.type == kFastScrollType;

    EnemyResolver resolver(run);
    resolver.resolve(*enemy, run.craftSheets, "Error loading Ship Pointer");
    resolver.resolveShots(*enemy);
    resolver.resolveCoins(*enemy);
    if (enemy->getBoxCount() > 0) {
        if (ItemBox* box = enemy->box()) {
            resolver.resolve(*box, run.boxSheets, "Error loading Enemy Boxs Pointer");
            box->setItemKind(row.itemKind);
        }
    }
    resolver.resolveExplosion(*enemy);
    for (int i = 0; i < enemy->getPartCount(); ++i) {
        Enemy* part = enemy->part(i);
        if (!part) continue;
        resolver.resolve(*part, run.partSheets, "Error loading Enemy Parts Pointer");
        resolver.resolveShots(*part);
        resolver.resolveCoins(*part);
        resolver.resolveExplosion(*part);
    }

    // Parts are not placed here: the body lays them out on its first update.
    enemy->setPattern(row.pattern);
    enemy->setDirX(row.dirX);
    enemy->setDirY(row.dirY);
    enemy->setX(row.x);
    enemy->setY(row.y);
    arrivals.bossCameOn = enemy->isBoss();

    field.enemies.append(std::move(node));
    return arrivals;
}

}  // namespace

void showArrivals(ScreenFlow& flow, const Arrivals& arrivals) {
    if (arrivals.fastScroll) flow.scrollSpeed = kFastScrollSpeed;
    if (arrivals.bossCameOn) flow.bossWarning = kBossWarningFrames;
}

}  // namespace cindervane
