// The common ground of the bosses: a large enemy that comes on invulnerable and carries a
// drop of the most valuable coins. Each boss builds its guns and writes its own move.
#pragma once

#include <cstdint>

#include "enemies/enemy.h"
#include "gamelibrary/random_generator.h"

namespace cindervane {

class Boss : public Enemy {
  public:
    // Coin kind 4 is worth 1000.
    static constexpr std::int32_t kCoinKind = 4;

    // Alive, invulnerable until it has arrived, full hit points, phase 0, heading down, with
    // its coins (their drift drawn from the game's chance) and its explosion.
    Boss(std::int32_t kind, std::int32_t hp, std::int32_t speedX, std::int32_t speedY,
         std::int32_t coins, RandomGenerator& random);

  protected:
    // Drawn only: warns of gun `gun` of `from` (its part `part`, -1 the body) when, called on
    // the frames for which calledAt(k) is true (k frames from now, 1 the next), its interval
    // lets it fire within the wind-up.
    template <class CalledAt>
    static void foretellGun(BeamForecast& forecast, const Enemy& from, int part, int gun,
                            CalledAt calledAt) {
        const Gun* each = from.gun(gun);
        if (!each) return;
        const std::int32_t interval = each->getInterval() < 1 ? 1 : each->getInterval();
        std::int32_t tick = each->getFireTick();
        for (std::int32_t k = 1; k <= kWindUpFrames; ++k) {
            if (!calledAt(k)) continue;
            tick = (tick + 1) % interval;
            if (tick == 0) {
                forecast.add(from, part, gun, k);
                return;
            }
        }
    }

    // Plating for the boss and the parts it has built: each level turns aside a tenth of
    // every blow (the ship's armour rule), so the late bosses, met by a ship of many
    // upgrades, are not over in moments.
    void plate(std::int32_t armor);

    // Guns first to last (inclusive) each fire at the boss's own corner; each gun still
    // keeps its own interval.
    void fireGuns(int first, int last);
};

}  // namespace cindervane
