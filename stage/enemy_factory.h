// The enemy factory and the spawn walk: once a play frame the timetable rows due at the
// stage tick are built, their pictures found, placed and listed. Nothing else makes enemies.
#pragma once

#include <cstdint>
#include <memory>

#include "core/spawn_entry.h"
#include "enemies/enemy.h"
#include "stage/game_state.h"

namespace cindervane {

// What the enemies that came on ask of the screen: the boss warning when a boss came on,
// and the racing ground of type 38. The factory only reports them; the play frame shows
// them (showArrivals).
struct Arrivals {
    bool bossCameOn = false;
    bool fastScroll = false;

    Arrivals& operator|=(const Arrivals& other) {
        bossCameOn = bossCameOn || other.bossCameOn;
        fastScroll = fastScroll || other.fastScroll;
        return *this;
    }
};

// Walks every row of the timetable and spawns, in table order, each one whose tick is the
// given tick, unless the stage is cleared. A row of tick 0 never fires: the first play frame
// is tick 1.
Arrivals spawnDue(FieldState& field, RunResources& run, std::int32_t tick);

// Builds the enemy of every row of the timetable into the stage's pool, with a list node
// each, so that no spawn during play allocates. Called when the stage starts, after the
// timetable is written; whatever the pool held before goes.
void fillEnemyPool(FieldState& field);

// The enemy of the timetable row: taken from the pool when it is there, its coins then
// rolled from the game's chance as building it now would; otherwise built now, the boss
// types by makeBoss, every other kind by its own class. A type that does not exist, or
// whose class is not built, spawns nothing.
Arrivals spawnEnemy(FieldState& field, RunResources& run, int row);

// Everything the factory does to a freshly built enemy of the row's type: its score value,
// every picture of the body, shots, sparks, coins, box, explosion and parts (each miss a
// fatal error of its own, the building goes on), the box's item, the row's pattern, position
// and heading, and last its place at the tail of the enemy list. Reports a boss, and the
// fast scroll of type 38.
Arrivals admitEnemy(FieldState& field, RunResources& run, std::unique_ptr<Enemy> enemy,
                    const SpawnEntry& row);

// Shows what came on: a boss's warning for 75 frames, the fast scroll of type 38.
void showArrivals(ScreenFlow& flow, const Arrivals& arrivals);

}  // namespace cindervane
