// Each boss of stages 3 to 5, spawned from its stage's timetable, falls to a ship standing
// under it: none can never die, and none leaves for good.
#include <gtest/gtest.h>

#include <cstdio>

#include "boss_fight.h"
#include "enemies/timetables/stage3.h"
#include "enemies/timetables/stage4.h"
#include "enemies/timetables/stage5.h"

namespace cindervane {
namespace {

struct BossRow {
    std::span<const SpawnEntry> timetable;
    int type;
};

TEST(BossFightTest, AShipStandingUnderEachBossBringsItDown) {
    const BossRow bosses[] = {
        {kStage3Timetable, 29}, {kStage4Timetable, 38}, {kStage5Timetable, 44}};
    for (const BossRow& row : bosses) {
        BossFight fight;
        Enemy& boss = fight.spawn(row.timetable, row.type);
        // Two and a half minutes of play.
        const int frames = fight.fight(4500);
        EXPECT_TRUE(fight.field.state.field.stageCleared) << row.type << " after " << frames;
        EXPECT_FALSE(boss.isAlive()) << row.type << " has " << boss.getHp() << " hit points";
        std::printf("boss type %d fell after %d frames\n", row.type, frames);
    }
}

}  // namespace
}  // namespace cindervane
