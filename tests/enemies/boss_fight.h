// A boss fought to the end on the play field: the boss of a stage, spawned from its row of
// the stage's timetable, against a ship that stands still under it with its weapons raised
// to the third level and fires all the time, its armour at the top and its hit points kept
// full; and which of a boss's guns fire over some frames.
#pragma once

#include <span>
#include <vector>

#include "../play/play_field.h"
#include "enemies/bosses/make_boss.h"
#include "shell/frame_dispatch.h"
#include "shell/ship_upgrades.h"
#include "stage/enemy_factory.h"
#include "stage/make_player_ship.h"

namespace cindervane {

class BossFight {
  public:
    BossFight() {
        makePlayerShip(field.state, ShipVariant::REDPHOENIX, 1);
        applyShipUpgrades(field.state, 1);
        PlayerShip& ship = *field.state.field.ship;
        ship.setMachineGunLevel(3);
        ship.setPulseLevel(3);
        ship.setMissileLevel(3);
        ship.setLaserLevel(3);
        // Its armour at the top, so no frame's hits together can end it before its hit
        // points are filled again.
        ship.setArmor(9);
        field.state.flow.screen = GameScreen::Play;
    }

    // The enemy the row of the timetable builds, listed as the stage's spawn step would.
    Enemy& spawn(std::span<const SpawnEntry> timetable, int type) {
        for (const SpawnEntry& row : timetable)
            if (row.type == type)
                showArrivals(field.state.flow,
                             admitEnemy(field.state.field, field.state.run,
                                        makeBoss(type, field.state.run.random), row));
        return *field.state.field.enemies.tail()->object;
    }

    // Play frames until the stage is cleared or the frames run out; the frames played.
    int fight(int frames) {
        PlayerShip& ship = *field.state.field.ship;
        int played = 0;
        while (played < frames && !field.state.field.stageCleared) {
            ship.setHp(ship.getFullHp());
            ship.setAutoFire(true);
            ++field.state.flow.frameCounter;
            runPlayScreen(field.state, field.backDC);
            ++played;
        }
        return played;
    }

    PlayField field;
};

// Moves the enemy for the frames; for each of its guns, whether a shot of it was in the air
// after any of them.
inline std::vector<bool> gunsFiring(Enemy& enemy, int frames) {
    std::vector<bool> fired(enemy.getGunCount(), false);
    for (int i = 0; i < frames; ++i) {
        enemy.move();
        for (int g = 0; g < enemy.getGunCount(); ++g)
            for (int p = 0; p < enemy.gun(g)->getProjectileCount(); ++p)
                if (enemy.gun(g)->projectile(p)->isAlive()) fired[g] = true;
    }
    return fired;
}

}  // namespace cindervane
