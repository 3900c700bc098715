// The bosses' warnings: every beam and laser volley of every boss is foretold at the gun
// that fires it for the whole wind-up before it, frame by frame, through a whole fight that
// each boss loses to a ship standing under it; asking for a warning changes nothing; and the
// boss's fall and its warnings are drawn over the field.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>
#include <vector>

#include "boss_fight.h"
#include "enemies/timetables/stage1.h"
#include "enemies/timetables/stage2.h"
#include "enemies/timetables/stage3.h"
#include "enemies/timetables/stage4.h"
#include "enemies/timetables/stage5.h"
#include "enemies/timetables/stage6.h"
#include "enemies/timetables/stage7.h"
#include "enemies/timetables/stage8.h"

namespace cindervane {
namespace {

struct BossRow {
    int stage;
    std::span<const SpawnEntry> timetable;
    int type;
};

const BossRow kBosses[] = {
    {1, kStage1Timetable, 28}, {2, kStage2Timetable, 31}, {3, kStage3Timetable, 29},
    {4, kStage4Timetable, 38}, {5, kStage5Timetable, 44}, {6, kStage6Timetable, 30},
    {7, kStage7Timetable, 6},  {8, kStage8Timetable, 1},
};

// The shot kinds that are beams and lasers: the red lasers, the laser line and the broad beam.
bool isBeam(std::int32_t kind) {
    return kind == 12 || kind == 31 || kind == 32 || kind == 33 || kind == 34 || kind == 35;
}

using GunKey = std::pair<int, int>;  // part (-1 the body), gun

// The beam guns of the boss and its parts with a shot in the air.
std::set<std::tuple<int, int, int>> beamShotsAlive(const Enemy& boss) {
    std::set<std::tuple<int, int, int>> alive;
    auto look = [&](const Enemy& from, int part) {
        for (int g = 0; g < from.getGunCount(); ++g) {
            const Gun* gun = from.gun(g);
            for (int p = 0; gun && p < gun->getProjectileCount(); ++p) {
                const Projectile* shot = gun->projectile(p);
                if (shot && shot->isAlive() && isBeam(shot->getKind())) alive.insert({part, g, p});
            }
        }
    };
    look(boss, -1);
    for (int i = 0; i < boss.getPartCount(); ++i)
        if (const Enemy* part = boss.part(i)) look(*part, i);
    return alive;
}

TEST(BeamForecast, EveryBeamVolleyOfEveryBossIsForetoldThroughAFightItLoses) {
    for (const BossRow& row : kBosses) {
        BossFight fight;
        Enemy& boss = fight.spawn(row.timetable, row.type);
        // Frame by frame: the warnings given before it, by gun, and the guns that fired in it.
        std::vector<std::map<GunKey, std::int32_t>> warned;
        int volleys = 0;
        // Three minutes of play: no boss can never die, and none leaves for good.
        for (int frame = 0; frame < 5400 && !fight.field.state.field.stageCleared; ++frame) {
            BeamForecast forecast;
            boss.foretellBeams(forecast);
            std::map<GunKey, std::int32_t> now;
            for (int i = 0; i < forecast.count; ++i)
                now[{forecast.warnings[i].part, forecast.warnings[i].gun}] =
                    forecast.warnings[i].framesLeft;
            warned.push_back(now);
            const auto before = beamShotsAlive(boss);
            fight.fight(1);
            std::set<GunKey> fired;
            for (const auto& shot : beamShotsAlive(boss))
                if (!before.count(shot)) fired.insert({std::get<0>(shot), std::get<1>(shot)});
            for (const GunKey& gun : fired) {
                ++volleys;
                // Warned in each of the 15 frames before, counting down to this one.
                for (int back = 1; back <= 15 && back <= frame + 1; ++back) {
                    const auto& then = warned[warned.size() - back];
                    const auto found = then.find(gun);
                    ASSERT_TRUE(found != then.end())
                        << "stage " << row.stage << " part " << gun.first << " gun " << gun.second
                        << " fired at frame " << frame << " unwarned " << back << " frames before";
                    EXPECT_EQ(found->second, back) << "stage " << row.stage;
                }
            }
        }
        // The stage 4 boss fires no beams or lasers.
        if (row.stage != 4) {
            EXPECT_GT(volleys, 0) << "stage " << row.stage;
        }
        // The stage 2 boss circles and dashes away from a ship that never moves; every other
        // boss falls to it.
        if (row.stage != 2) {
            EXPECT_TRUE(fight.field.state.field.stageCleared) << "stage " << row.stage;
            EXPECT_FALSE(boss.isAlive()) << "stage " << row.stage << ": " << boss.getHp();
        }
    }
}

TEST(BeamForecast, AskingForTheWarningChangesNothing) {
    BossFight asked, left;
    Enemy& a = asked.spawn(kStage2Timetable, 31);
    Enemy& b = left.spawn(kStage2Timetable, 31);
    for (int frame = 0; frame < 600; ++frame) {
        BeamForecast forecast;
        for (int i = 0; i < 3; ++i)
            a.foretellBeams(forecast);
        asked.fight(1);
        left.fight(1);
        ASSERT_EQ(a.getX(), b.getX()) << frame;
        ASSERT_EQ(a.getY(), b.getY()) << frame;
        ASSERT_EQ(a.getHp(), b.getHp()) << frame;
        ASSERT_EQ(beamShotsAlive(a), beamShotsAlive(b)) << frame;
    }
}

TEST(DrawnEffects, ABossFallPlaysForASecondAndAHalfAndLeavesTheStageClearedOnItsFrame) {
    BossFight fight;
    Enemy& boss = fight.spawn(kStage1Timetable, 28);
    fight.fight(4000);
    ASSERT_TRUE(fight.field.state.field.stageCleared);
    EXPECT_FALSE(boss.isAlive());
    const DrawnEffects& effects = fight.field.state.field.drawnEffects;
    // On the frame it fell: blasts, debris and the flash are under way.
    EXPECT_GE(effects.liveBlasts(), 8);
    EXPECT_GT(effects.liveDebris(), 10);
    EXPECT_GT(effects.flashFramesLeft(), 0);
    int frames = 0;
    while (effects.liveBlasts() > 0 && frames < 200) {
        ++fight.field.state.flow.frameCounter;
        runPlayScreen(fight.field.state, fight.field.backDC);
        ++frames;
    }
    EXPECT_GE(frames, 40);
    EXPECT_LE(frames, 50);
    EXPECT_EQ(effects.flashFramesLeft(), 0);
}

TEST(DrawnEffects, TheShipsFallIsALargerBlastThatANewStageClears) {
    BossFight fight;
    PlayerShip& ship = *fight.field.state.field.ship;
    ship.setHp(0);
    ship.die();
    // As the play frame draws right after the collisions that destroyed it.
    fight.field.state.flow.frameCounter = 100;
    fight.field.state.field.drawnEffects.drawOver(fight.field.state, fight.field.backDC);
    DrawnEffects& effects = fight.field.state.field.drawnEffects;
    EXPECT_EQ(effects.liveBlasts(), 3);
    EXPECT_GT(effects.liveDebris(), 0);
    // A stage starting again sets the frame clock back: what was left goes.
    fight.field.state.flow.frameCounter = 1;
    runPlayScreen(fight.field.state, fight.field.backDC);
    EXPECT_EQ(effects.liveBlasts(), 0);
}

}  // namespace
}  // namespace cindervane
