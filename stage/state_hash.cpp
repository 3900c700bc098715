// The state hash.
//
// What goes in is what play depends on, as explicit values in a fixed order:
// - game: the screen, the frame clock and the other counters, score, money, stage, the
//   play flags, the boss warning and pickup label timers, the refill taps, the scroll
//   window, the sound switch, the shop rows, the nick, the high score table and the stage's
//   timetable with the spawn walk's place in it;
// - ship: the player ship with its guns' settings and counters, its hyper guns, aura and
//   explosion;
// - enemies: every enemy in list order with its parts, guns' settings and explosions;
// - shots: every projectile of every gun in use, the ship's first, with its hit spark;
// - items: every coin and item box the enemies carry;
// - random: where the game's random generator stands.
//
// What stays out, and why:
// - pictures, fonts and window contents: they are what the state looks like, not the state;
// - the hit flash: it only says how the next drawing looks;
// - effects that are only drawn (blasts and glows that no rule of play reads): a change to
//   how the game looks must not break the recorded games;
// - the sounds and the music sequencer's place in its playlist: in a window they follow
//   the sound card's clock, and nothing in play reads them;
// - addresses: a target is named by its place in the traversal (0 the ship, then the
//   enemies and their parts in order), never by where it lives in memory.
#include "stage/state_hash.h"

#include <cstdio>

#include "enemies/enemy.h"
#include "gamelibrary/state_hasher.h"
#include "play/player_ship.h"

namespace cindervane {

namespace {

enum Part { kGame, kShip, kEnemies, kShots, kItems, kRandom };

// Stands for an empty slot, so that what follows it cannot shift into its place.
constexpr std::int32_t kEmpty = -1;

class Traversal {
  public:
    explicit Traversal(const GameState& state) : state_(state) {}

    StateHashes run() {
        hashGame();
        hashShip();
        for (auto* node = state_.field.enemies.head(); node; node = node->next) {
            if (node->object) {
                hashEnemy(*node->object);
            } else {
                hashers_[kEnemies].add(kEmpty);
            }
        }
        hashers_[kRandom].add(state_.run.random.state());
        StateHashes hashes;
        for (std::size_t i = 0; i < hashes.parts.size(); ++i)
            hashes.parts[i] = hashers_[i].value();
        return hashes;
    }

  private:
    void hashGame() {
        StateHasher& h = hashers_[kGame];
        h.add(static_cast<std::int32_t>(state_.flow.screen));
        for (const std::int32_t value :
             {state_.flow.frameCounter, state_.flow.gameOverCounter, state_.flow.continuesUsed,
              state_.flow.stageNumber, state_.scores.score, state_.scores.money,
              state_.flow.bossWarning, state_.flow.refillTaps, state_.flow.pickupIndex,
              state_.flow.pickupTimer, state_.flow.scrollX, state_.flow.scrollY,
              state_.flow.scrollWrap, state_.flow.scrollSpeed})
            h.add(value);
        h.add(state_.field.playerDown);
        h.add(state_.field.stageCleared);
        h.add(state_.run.soundOn);
        for (const ShopRow& row : state_.scores.shopRows)
            for (const std::int32_t value :
                 {row.level, row.levelLimit, row.baseLevel, row.nextPrice})
                h.add(value);
        h.add(static_cast<std::uint32_t>(state_.scores.nick.size()));
        for (const char16_t c : state_.scores.nick)
            h.add(static_cast<std::uint32_t>(c));
        h.add(state_.scores.highScores != nullptr);
        if (state_.scores.highScores) {
            for (const HighScoreEntry& entry : state_.scores.highScores->entries) {
                for (const char16_t c : entry.nick)
                    h.add(static_cast<std::uint32_t>(c));
                h.add(entry.score);
            }
        }
        h.add(state_.field.spawnCount);
        h.add(state_.field.spawnCursor);
        for (int i = 0; i < state_.field.spawnCount && i < kSpawnTableSize; ++i) {
            const SpawnEntry& row = state_.field.spawnTable[static_cast<std::size_t>(i)];
            for (const std::int32_t value :
                 {row.type, row.tick, row.pattern, row.x, row.y, row.dirX, row.dirY, row.itemKind})
                h.add(value);
        }
    }

    void hashShip() {
        StateHasher& h = hashers_[kShip];
        const PlayerShip* ship = state_.field.ship.get();
        h.add(ship != nullptr);
        if (!ship) return;
        hashCraft(*ship, h);
        h.add(ship->getHyperGunCount());
        for (int i = 0; i < PlayerShip::kHyperGunCount; ++i)
            hashGun(ship->hyperGun(i), h);
        ship->aura().hashState(h);
    }

    void hashEnemy(const Enemy& enemy) {
        StateHasher& h = hashers_[kEnemies];
        hashCraft(enemy, h);
        h.add(enemy.isBoss());
        for (const std::int32_t value :
             {enemy.getScoreValue(), enemy.getTargetAngle(), enemy.getHeading(),
              enemy.getOrbitRadius(), enemy.getPartLayer(), enemy.getCoinCount(),
              enemy.getPartCount(), enemy.getBoxCount()})
            h.add(value);
        h.add(enemy.isSteering());
        h.add(targetNumber(enemy.getTarget()));

        StateHasher& items = hashers_[kItems];
        for (int i = 0; i < enemy.getCoinCount(); ++i) {
            if (const Coin* coin = enemy.coin(i)) {
                coin->hashState(items);
                items.add(coin->getValue());
            } else {
                items.add(kEmpty);
            }
        }
        if (const ItemBox* box = enemy.box()) {
            box->hashState(items);
            items.add(box->getItemKind());
        } else {
            items.add(kEmpty);
        }

        for (int i = 0; i < enemy.getPartCount(); ++i) {
            if (const Enemy* part = enemy.part(i)) {
                hashEnemy(*part);
            } else {
                h.add(kEmpty);
            }
        }
    }

    // The craft's own fields, its explosion and its guns; the guns' projectiles go to the
    // shots.
    void hashCraft(const Craft& craft, StateHasher& h) {
        craft.hashState(h);
        h.add(craft.getAutoFire());
        h.add(craft.getInvulnerable());
        for (const std::int32_t value : {craft.getFullHp(), craft.getHp(), craft.getGunCount(),
                                         craft.getArmorScale(), craft.getArmor()})
            h.add(value);
        if (const Explosion* explosion = craft.explosion()) {
            explosion->hashState(h);
        } else {
            h.add(kEmpty);
        }
        for (int i = 0; i < craft.getGunCount(); ++i)
            hashGun(craft.gun(i), h);
    }

    void hashGun(const Gun* gun, StateHasher& h) {
        if (!gun) {
            h.add(kEmpty);
            return;
        }
        h.add(gun->isEnabled());
        for (const std::int32_t value :
             {gun->getOffsetX(), gun->getOffsetY(), gun->getInterval(), gun->getDamage(),
              gun->getProjectileCount(), gun->getFireTick()})
            h.add(value);
        StateHasher& shots = hashers_[kShots];
        for (int i = 0; i < gun->getProjectileCount(); ++i) {
            const Projectile* shot = gun->projectile(i);
            if (!shot) {
                shots.add(kEmpty);
                continue;
            }
            shot->hashState(shots);
            shots.add(shot->getToughness());
            shots.add(shot->getDiesOnHit());
            shots.add(shot->getShootable());
            shots.add(shot->getHoming());
            shots.add(targetNumber(shot->getTarget()));
            shot->hitSpark().hashState(shots);
        }
    }

    // A craft by its place: 0 the ship, then the enemies and their parts in traversal
    // order from 1; -1 for none and -2 for one that is in neither.
    std::int32_t targetNumber(const Craft* target) const {
        if (!target) return -1;
        if (target == state_.field.ship.get()) return 0;
        std::int32_t number = 1;
        for (auto* node = state_.field.enemies.head(); node; node = node->next)
            if (node->object && find(*node->object, target, number)) return number;
        return -2;
    }

    static bool find(const Enemy& enemy, const Craft* target, std::int32_t& number) {
        if (&enemy == target) return true;
        ++number;
        for (int i = 0; i < enemy.getPartCount(); ++i)
            if (const Enemy* part = enemy.part(i); part && find(*part, target, number)) return true;
        return false;
    }

    const GameState& state_;
    std::array<StateHasher, StateHashes::kNames.size()> hashers_{};
};

}  // namespace

std::uint64_t StateHashes::whole() const {
    StateHasher hasher;
    for (const std::uint64_t part : parts)
        hasher.add(part);
    return hasher.value();
}

platform::StateHash StateHashes::forChecks() const {
    platform::StateHash hash;
    hash.whole = whole();
    for (std::size_t i = 0; i < parts.size(); ++i)
        hash.parts.push_back({std::string(kNames[i]), parts[i]});
    return hash;
}

StateHashes hashGameState(const GameState& state) {
    return Traversal(state).run();
}

std::string hashText(std::uint64_t hash) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

}  // namespace cindervane
