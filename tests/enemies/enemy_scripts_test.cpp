// The scripts of the ordinary enemy kinds at the marks that matter: entering, stopping,
// firing and leaving on time, the grace period, the chopter's circles, the dashers' line and
// the weave.
#include <gtest/gtest.h>

#include <cmath>

#include "enemies/motion.h"
#include "kind_test_support.h"

namespace cindervane {
namespace {

using EnemyScriptTest = KindTest;

TEST_F(EnemyScriptTest, AGattlingChopterReachesTheScreenStopsFiresTenFramesAndLeavesAt40) {
    Enemy& gattling = spawn(5, {.pattern = 0, .x = 60, .y = -50});
    frames(gattling, 12);
    EXPECT_EQ(gattling.getY(), -2);
    frames(gattling, 1);
    EXPECT_EQ(gattling.getY(), 2);  // on the screen after 13 frames
    untilAge(gattling, 19);
    EXPECT_EQ(liveShots(gattling), 0);
    untilAge(gattling, 20);
    EXPECT_EQ(gattling.getY(), 30);
    EXPECT_EQ(gattling.getDirY(), 0);
    untilAge(gattling, 29);
    EXPECT_EQ(liveShots(gattling), 6);  // every third frame of ten, from both guns
    untilAge(gattling, 40);
    EXPECT_EQ(liveShots(gattling), 6);
    EXPECT_EQ(gattling.getY(), 30);
    EXPECT_EQ(gattling.getX(), 60);
    frames(gattling, 1);
    EXPECT_EQ(gattling.getX(), 56);  // pattern 0 leaves down and to the left
    EXPECT_EQ(gattling.getY(), 34);

    Enemy& right = spawn(5, {.pattern = 1, .x = 60, .y = 0});
    untilAge(right, 41);
    EXPECT_EQ(right.getX(), 64);
}

TEST_F(EnemyScriptTest, AGashiingOfAnUnknownPatternFiresThreeVolleysThenHovers) {
    Enemy& gashiing = spawn(9, {.pattern = 7, .x = 100, .y = 10});
    std::vector<std::int32_t> volleys;
    for (int frame = 1; frame <= 300; ++frame) {
        const int before = liveShots(gashiing);
        frames(gashiing, 1);
        const int after = liveShots(gashiing);
        if (after > before) {
            EXPECT_EQ(after - before, 8) << frame;
            volleys.push_back(gashiing.getAge());
        }
    }
    EXPECT_EQ(volleys, (std::vector<std::int32_t>{30, 90, 150}));
    EXPECT_TRUE(gashiing.isAlive());
    EXPECT_EQ(gashiing.getY(), 10 + 30 * 4);  // stopped at 30 and still there
    EXPECT_EQ(gashiing.getX(), 100);

    Enemy& leaving = spawn(9, {.pattern = 4, .x = 100, .y = 10});
    untilAge(leaving, 211);
    EXPECT_EQ(leaving.getX(), 108);  // up and to the right at double sideways speed
    EXPECT_EQ(leaving.getY(), 10 + 30 * 4 - 4);
}

TEST_F(EnemyScriptTest, LeavingTheScreenWithinTheFirst50FramesKeepsAnEnemyAlive) {
    // Still climbing at 30, above the screen, it skips its stop and flies out at the top.
    Enemy& gashiing = spawn(9, {.pattern = 0, .x = 100, .y = 100, .dirY = -1});
    frames(gashiing, 51);
    EXPECT_LT(gashiing.getY(), -gashiing.height());
    EXPECT_TRUE(gashiing.isAlive());
    frames(gashiing, 1);
    EXPECT_FALSE(gashiing.isAlive());
    EXPECT_FALSE(gashiing.explosion()->isAlive());
}

TEST_F(EnemyScriptTest, AChopterAimsStopsFiresOnceAndLeavesUpwardsSlower) {
    Enemy& chopter = spawn(4, {.pattern = 1, .x = 90, .y = -10});
    shipAt(81, 250);  // its centre straight below the chopter's
    frames(chopter, 5);
    EXPECT_EQ(chopter.getAngle(), 360);
    untilAge(chopter, 40);
    EXPECT_EQ(chopter.getY(), -10 + 30 * 6);
    EXPECT_EQ(liveShots(chopter), 1);
    untilAge(chopter, 61);
    EXPECT_EQ(chopter.getSpeedX(), 3);
    EXPECT_EQ(chopter.getX(), 93);
    EXPECT_EQ(chopter.getY(), 164);
}

TEST_F(EnemyScriptTest, ChoptersOfPatterns2And3FlyACircleThroughTheirPlaceAndLeaveDown) {
    // Stopped at y 78, the circle's centre lies at (99, 270 - 78) with radius 114.
    struct Point {
        int move, x, y;
    };
    const Point clockwise[] = {{41, 98, 78}, {51, 155, 93}, {64, 205, 151}, {86, 179, 272}};
    const Point anticlockwise[] = {{41, 98, 78}, {51, 41, 93}, {64, -7, 151}, {86, 18, 272}};
    for (const auto& [pattern, path] :
         {std::pair{3, std::span<const Point>(clockwise)}, {2, std::span(anticlockwise)}}) {
        Enemy& chopter = spawn(4, {.pattern = pattern, .x = 99, .y = -102});
        int done = 0;
        for (const Point& point : path) {
            frames(chopter, point.move - done);
            done = point.move;
            EXPECT_EQ(chopter.getX(), point.x) << pattern << " " << point.move;
            EXPECT_EQ(chopter.getY(), point.y) << pattern << " " << point.move;
        }
        EXPECT_EQ(chopter.getOrbitRadius(), 114);
        frames(chopter, 1);
        EXPECT_EQ(chopter.getDirY(), 1);
        frames(chopter, 1);
        EXPECT_EQ(chopter.getY(), 278);
    }
}

TEST_F(EnemyScriptTest, AZaphongWeavesAcrossTheScreenAndTurnsBackAtTheWeavesEnd) {
    // Step 270 / ((300 - 55) / 4) = 4 degrees; x = 100 - sin(45 + 4 x age) x 120.
    Enemy& down = spawn(47, {.pattern = 0, .x = 0, .y = -60});
    Enemy& up = spawn(47, {.pattern = 2, .x = 0, .y = 330, .dirY = -1});
    struct Mark {
        int age, x, mirroredX;
    };
    for (const Mark& mark : {Mark{1, 10, 190}, {10, -19, 219}, {30, 69, 131}, {79, 98, 102}}) {
        untilAge(down, mark.age);
        untilAge(up, mark.age);
        EXPECT_EQ(down.getX(), mark.x) << mark.age;
        EXPECT_EQ(up.getX(), mark.mirroredX) << mark.age;
    }
    EXPECT_EQ(down.getOrbitAngle(), 361);
    EXPECT_EQ(down.getY(), -60 + 79 * 4);
    EXPECT_EQ(down.getDirY(), -1);  // back up
    EXPECT_EQ(up.getDirY(), 1);
    // Leaning from 45 by 4 less a frame to 301 (at weave angle 150), then 4 more from 210.
    EXPECT_EQ(down.getAngle(), 93);

    // It fires all the way, the guns' interval pacing the stream, and leaves by the top.
    EXPECT_GT(liveShots(down), 0);
    untilAge(down, 200);
    EXPECT_FALSE(down.isAlive());
}

TEST_F(EnemyScriptTest, TheOwlionAndLightningWeavesFireAtTheirMarks) {
    Enemy& owlion = spawn(22, {.pattern = 1, .x = 0, .y = -55});
    untilAge(owlion, 29);
    EXPECT_EQ(liveShots(owlion), 0);
    untilAge(owlion, 30);
    EXPECT_EQ(liveShots(owlion), 1);
    EXPECT_EQ(owlion.getX(), 100 + static_cast<int>(std::sin(165 * kDegreesToRadians) * 120));

    Enemy& lightning = spawn(17, {.pattern = 0, .x = 0, .y = -10});
    untilAge(lightning, 25);
    EXPECT_EQ(liveShots(lightning), 1);
    EXPECT_EQ(lightning.getFrame(), 3);  // held from age 10
    untilAge(lightning, 53);             // 45 + 6 x 53 = 363
    EXPECT_EQ(lightning.getDirY(), -1);
}

TEST_F(EnemyScriptTest, ADasherRamsAlongTheLineItRecordedAt30) {
    // SCROOPBURU, 40 x 40 at speed 4, stops at y 40 (its centre at 60) at age 20.
    Enemy& level = spawn(36, {.x = 100, .y = -40});
    shipAt(170, 39);  // centre (200, 60): level with it, to the right
    untilAge(level, 35);
    EXPECT_EQ(level.getAngle(), 270);
    EXPECT_FALSE(level.isSteering());
    shipAt(90, 250);  // moving away after age 30 is not followed
    untilAge(level, 40);
    EXPECT_EQ(level.getX(), 100 + 5 * 8);  // double speed from age 36
    EXPECT_EQ(level.getY(), 40);
    EXPECT_EQ(level.getAngle(), 270);

    Enemy& below = spawn(37, {.x = 100, .y = -45});  // SCROOPKING, 45 x 45 at speed 5
    shipAt(92, 250);                                 // centre x 122, its own too
    untilAge(below, 40);
    EXPECT_EQ(below.getX(), 100);
    EXPECT_EQ(below.getY(), -45 + 20 * 5 + 5 * 10);
    EXPECT_EQ(below.getAngle(), 360);

    // A steep line: a quarter of a pixel across for every pixel down, so at 8 pixels a frame
    // the remainder carries it 2 pixels right each frame.
    Enemy& steep = spawn(36, {.x = 100, .y = -40});
    shipAt(120, 39 + 120);  // centre (150, 180) from its (120, 60)
    untilAge(steep, 40);
    EXPECT_EQ(steep.getX(), 100 + 6 * 2);  // moved across from age 35
    EXPECT_EQ(steep.getY(), 40 + 5 * 8);
}

TEST_F(EnemyScriptTest, AGashiingAlphaFiresACrossOrAnXThenDashes) {
    Enemy& cross = spawn(10, {.pattern = 0, .x = 85, .y = -70});
    Enemy& diagonal = spawn(10, {.pattern = 1, .x = 85, .y = -70});
    shipAt(90, 250);  // centre (120, 271); theirs (120, 65) once stopped at y 30
    untilAge(cross, 20);
    untilAge(diagonal, 20);
    for (int slot = 0; slot < 8; ++slot) {
        EXPECT_EQ(cross.gun(slot)->liveProjectiles(), slot % 2 == 0 ? 1 : 0) << slot;
        EXPECT_EQ(diagonal.gun(slot)->liveProjectiles(), slot % 2 == 1 ? 1 : 0) << slot;
    }
    untilAge(cross, 31);
    EXPECT_EQ(cross.getY(), 30 + 10);  // straight down at double speed from age 31
    EXPECT_EQ(cross.getAngle(), 360);
}

TEST_F(EnemyScriptTest, AGashiingBetaSweepsItsEllipseWhereverItWasSpawned) {
    Enemy& fromUpperLeft = spawn(11, {.pattern = 0, .x = 14, .y = -82});
    Enemy& fromBottomLeft = spawn(11, {.pattern = 3, .x = 0, .y = 320, .dirY = -1});
    frames(fromUpperLeft, 1);
    frames(fromBottomLeft, 1);
    EXPECT_EQ(fromUpperLeft.getX(), 14);  // cos 200 x 240 + 240
    EXPECT_EQ(fromUpperLeft.getY(), -82);
    EXPECT_EQ(fromBottomLeft.getX(), 0);
    EXPECT_EQ(fromBottomLeft.getY(), 320);
    untilAge(fromUpperLeft, 46);  // 200 - 2 x 45 = 110
    EXPECT_EQ(fromUpperLeft.getX(),
              static_cast<int>(std::cos(110 * kDegreesToRadians) * 240 + 240));
    EXPECT_EQ(fromUpperLeft.getY(), static_cast<int>(240 * std::sin(110 * kDegreesToRadians)));
    untilAge(fromBottomLeft, 46);  // 180 + 90 = 270: the top right corner
    EXPECT_EQ(fromBottomLeft.getX(), 239);
    EXPECT_EQ(fromBottomLeft.getY(), 0);
}

TEST_F(EnemyScriptTest, AnArrowindFiresOnceByItsPatternAndKeepsItsCourse) {
    for (const auto& [pattern, firesAt] : {std::pair{0, 0}, {1, 3}, {2, 10}}) {
        Enemy& arrow = spawn(2, {.pattern = pattern, .x = 50, .y = -60});
        int firedAt = 0;
        for (int frame = 0; frame < 16; ++frame) {
            frames(arrow, 1);
            if (firedAt == 0 && liveShots(arrow) > 0) firedAt = arrow.getAge();
        }
        EXPECT_EQ(firedAt, firesAt) << pattern;
        EXPECT_EQ(arrow.getX(), 50);
        EXPECT_EQ(arrow.getY(), -60 + 16 * 20);
    }
}

}  // namespace
}  // namespace cindervane
