// The desktop back end under SDL's dummy video driver: the window opens, frames run and
// the game closes the normal way.
#include "platform/sdl_platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "../gamelibrary/recording_game.h"
#include "../test_folder.h"

namespace cindervane::platform {
namespace {

TEST(SdlPlatform, OpensAWindowRunsFramesAndClosesNormally) {
    TestFolder data;
    PlatformOptions options;
    options.dataDirectory = data.path();
    options.frameLimit = 5;
    options.scale = 2;
    SdlPlatform host(options);
    RecordingGame game(host);
    EXPECT_EQ(runApplication(host, game, makeTestApp), 0);
    EXPECT_EQ(game.frameTicks.size(), 5u);
    EXPECT_EQ(game.destroyCount, 1);
    // Frames keep their interval on the real clock too.
    for (std::size_t i = 1; i < game.frameTicks.size(); ++i)
        EXPECT_GE(game.frameTicks[i] - game.frameTicks[i - 1], 33u);
}

TEST(SdlPlatform, TheDefaultSeedIsTheTimeSinceTheMachineStartedLikeTheDevicesTickCount) {
    // SDL's own count starts near zero with every game, which would give nearly every game
    // the same seed.
    TestFolder data;
    PlatformOptions options;
    options.dataDirectory = data.path();
    SdlPlatform host(options);
    double uptime = 0;
    std::ifstream("/proc/uptime") >> uptime;
    ASSERT_GT(uptime, 0);
    const auto expected = static_cast<std::uint32_t>(static_cast<std::uint64_t>(uptime * 1000));
    EXPECT_LT(host.randomSeed() - expected + 2000u, 4000u) << host.randomSeed() << " " << expected;
}

TEST(SdlPlatform, ASecondCopyOnlyRaisesTheFirst) {
    TestFolder data;
    PlatformOptions options;
    options.dataDirectory = data.path();
    SdlPlatform first(options);
    EXPECT_FALSE(first.raiseRunningCopy("CindervaneTest", "CindervaneTest"));
    SdlPlatform second(options);
    EXPECT_TRUE(second.raiseRunningCopy("CindervaneTest", "CindervaneTest"));
}

TEST(SdlPlatform, TheScaleIsAWholeFactorOfAtLeastOne) {
    PlatformOptions options;
    SdlPlatform automatic(options);
    EXPECT_GE(automatic.chosenScale(), 1);
    options.scale = 3;
    SdlPlatform chosen(options);
    EXPECT_EQ(chosen.chosenScale(), 3);
}

}  // namespace
}  // namespace cindervane::platform
