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
    explicit EnemyResolver(GameState& state) : state_(state) {}

    void resolve(Actor& actor, const SheetCatalogue& catalogue, std::string_view message) {
        if (actor.resolveSprite(catalogue)) return;
        if (state_.app) state_.app->fatalError(message);
    }

    // Every shot of every gun of the body or a part, with its spark.
    void resolveShots(Enemy& enemy) {
        for (int g = 0; g < enemy.getGunCount(); ++g) {
            const Gun* gun = enemy.gun(g);
            if (!gun) continue;
            for (int p = 0; p < gun->getProjectileCount(); ++p) {
                Projectile* shot = gun->projectile(p);
                if (!shot) continue;
                resolve(*shot, state_.projectileSheets, "Error loading Enemy Guns Pointer");
                resolve(shot->hitSpark(), state_.effectSheets,
                        "Error loading Enemy Gun Ammos Explosion Pointer");
            }
        }
    }

    void resolveCoins(Enemy& enemy) {
        for (int c = 0; c < enemy.getCoinCount(); ++c)
            if (Coin* coin = enemy.coin(c))
                resolve(*coin, state_.coinSheets, "Error loading Enemy Coins Pointer");
    }

    void resolveExplosion(Enemy& enemy) {
        if (Explosion* explosion = enemy.explosion())
            resolve(*explosion, state_.effectSheets, "Error loading Enemy Explosion Pointer");
    }

  private:
    GameState& state_;
};

std::unique_ptr<Enemy> makeEnemy(GameState& state, int type) {
    const EnemyType* info = findEnemyType(type);
    if (!info) return nullptr;
    if (info->isBoss) return makeBoss(type, state.random);
    return makeEnemyOfType(type, state.random);
}

}  // namespace

void spawnDue(GameState& state, std::int32_t tick) {
    state.spawnCursor = 0;
    if (state.spawnCount < 1) return;
    for (; state.spawnCursor < state.spawnCount; ++state.spawnCursor) {
        if (state.spawnTable[state.spawnCursor].tick == tick && !state.stageCleared)
            spawnEnemy(state, state.spawnCursor);
    }
}

void spawnEnemy(GameState& state, int row) {
    if (row < 0 || row >= state.spawnCount) return;
    const SpawnEntry& entry = state.spawnTable[row];
    std::unique_ptr<Enemy> enemy = makeEnemy(state, entry.type);
    if (!enemy) return;
    admitEnemy(state, std::move(enemy), entry);
}

void admitEnemy(GameState& state, std::unique_ptr<Enemy> enemy, const SpawnEntry& row) {
    if (!enemy) return;
    if (const EnemyType* info = findEnemyType(row.type)) enemy->setScoreValue(info->score);
    if (row.type == kFastScrollType) state.scrollSpeed = kFastScrollSpeed;

    EnemyResolver resolver(state);
    resolver.resolve(*enemy, state.craftSheets, "Error loading Ship Pointer");
    resolver.resolveShots(*enemy);
    resolver.resolveCoins(*enemy);
    if (enemy->getBoxCount() > 0) {
        if (ItemBox* box = enemy->box()) {
            resolver.resolve(*box, state.boxSheets, "Error loading Enemy Boxs Pointer");
            box->setItemKind(row.itemKind);
        }
    }
    resolver.resolveExplosion(*enemy);
    for (int i = 0; i < enemy->getPartCount(); ++i) {
        Enemy* part = enemy->part(i);
        if (!part) continue;
        resolver.resolve(*part, state.partSheets, "Error loading Enemy Parts Pointer");
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
    if (enemy->isBoss()) state.bossWarning = kBossWarningFrames;

    auto node = std::make_unique<ObjectList<Enemy>::Node>();
    node->object = std::move(enemy);
    state.enemies.append(std::move(node));
}

}  // namespace cindervane
