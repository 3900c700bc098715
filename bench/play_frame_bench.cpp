// One play frame at its busiest: the ship with every weapon at level 9, firing by itself or
// with the full hyper beam out, over thirty enemies each keeping thirty shots in the air.
// Also counts what the frame asks the heap for, which should be nothing.
#include <benchmark/benchmark.h>

#include "../tests/allocation_watch.h"
#include "../tests/enemies/test_enemy.h"
#include "../tests/play/play_field.h"
#include "shell/frame_dispatch.h"
#include "shell/ship_upgrades.h"
#include "stage/make_player_ship.h"

namespace cindervane {
namespace {

// An enemy that stands still and fires every gun every frame; its shots do no harm, so the
// ship lives through any number of frames, and it has hit points enough to outlast them.
class Gunner : public TestEnemy {
  public:
    explicit Gunner(GameState& state)
        : TestEnemy({.hp = 2000000000,
                     .guns = 3,
                     .shotsPerGun = 10,
                     .shotSpeed = 4,
                     .damage = 0,
                     .coins = 2},
                    state.run.random) {
        for (int g = 0; g < getGunCount(); ++g) {
            gun(g)->setInterval(3);
            gun(g)->setOffsetX(8 * g);
        }
    }
    void move() override {
        fire();
        Enemy::move();
    }
};

class BusyField {
  public:
    explicit BusyField(bool beam) {
        GameState& state = field.state;
        state.flow.screen = GameScreen::Play;
        state.flow.frameCounter = 1000;
        state.flow.scrollSpeed = 2;
        state.flow.scrollWrap = 960;
        makePlayerShip(state, ShipVariant::REDPHOENIXX, 8);
        applyShipUpgrades(state, 8);
        PlayerShip& ship = *state.field.ship;
        ship.setMachineGunLevel(9);
        ship.setPulseLevel(9);
        ship.setMissileLevel(9);
        ship.setLaserLevel(9);
        ship.setHyperBeamLevel(9);
        ship.setX(80);
        ship.setY(260);
        for (int i = 0; i < 30; ++i) {
            auto gunner = std::make_unique<Gunner>(state);
            listEnemy(state, std::move(gunner), 5 + (i % 6) * 38, 10 + (i / 6) * 40);
        }
        if (beam) {
            ship.setPower(100);
            ship.keyDown(0);
            ship.setCharge(100);
            ship.keyDown(0);
        } else {
            ship.keyUp(4);
        }
        // Until every pool has its shots out.
        for (int i = 0; i < 60; ++i)
            frame();
        if (beam) ship.setCharge(100000);
    }

    void frame() {
        ++field.state.flow.frameCounter;
        runPlayScreen(field.state, field.backDC);
    }

    PlayField field;
};

void PlayFrame(benchmark::State& run, bool beam) {
    BusyField busy(beam);
    long long frames = 0;
    const long long before = allocationCount();
    for (auto _ : run) {
        busy.frame();
        ++frames;
    }
    run.counters["allocationsPerFrame"] =
        static_cast<double>(allocationCount() - before) / static_cast<double>(frames);
    int shots = 0;
    for (auto* node = busy.field.state.field.enemies.head(); node; node = node->next)
        for (int g = 0; g < node->object->getGunCount(); ++g)
            shots += node->object->gun(g)->liveProjectiles();
    run.counters["enemyShots"] = shots;
    run.counters["shipAlive"] = busy.field.state.field.ship->isAlive();
}

void BM_PlayFrameAutoFire(benchmark::State& run) {
    PlayFrame(run, false);
}
void BM_PlayFrameHyperBeam(benchmark::State& run) {
    PlayFrame(run, true);
}

BENCHMARK(BM_PlayFrameAutoFire)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlayFrameHyperBeam)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace cindervane
