// The application shell on the headless platform: frame pacing, suspension, routing of
// messages, failures.
#include "gamelibrary/game_app.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "platform/headless_platform.h"
#include "recording_game.h"

namespace cindervane {
namespace {

using platform::HeadlessPlatform;
using platform::Message;
using platform::PlatformOptions;
using ::testing::ElementsAre;

constexpr std::uint32_t T0 = HeadlessPlatform::kStartTick;

// A headless platform on which messages can also arrive at given ticks while the game
// waits, as a desktop's focus changes do.
class TimedPlatform : public HeadlessPlatform {
  public:
    explicit TimedPlatform(PlatformOptions options = {}) : HeadlessPlatform(options, {}) {}

    std::multimap<std::uint32_t, Message> arrivals;

    void waitForMessageOrTick(bool framesRunning, std::uint32_t dueTick) override {
        if (!arrivals.empty()) {
            const auto next = arrivals.begin();
            const bool beforeFrame = !framesRunning || static_cast<std::int32_t>(next->first) <=
                                                           static_cast<std::int32_t>(dueTick);
            if (beforeFrame) {
                if (static_cast<std::int32_t>(next->first) > static_cast<std::int32_t>(tickCount()))
                    advanceClock(next->first - tickCount());
                postMessage(next->second);
                arrivals.erase(next);
                return;
            }
        }
        HeadlessPlatform::waitForMessageOrTick(framesRunning, dueTick);
    }
};

PlatformOptions framesLimit(long long frames) {
    PlatformOptions options;
    options.frameLimit = frames;
    return options;
}

int run(platform::Platform& host, RecordingGame& game) {
    return runApplication(host, game, makeTestApp);
}

TEST(FramePacing, FramesFallDueOneIntervalAfterEachFrameStarts) {
    HeadlessPlatform host(framesLimit(4), {});
    RecordingGame game(host);
    EXPECT_EQ(run(host, game), 0);
    // The first frame runs at once, and none before the first activation (the calls' order
    // is in WaitingMessagesGoBeforeTheNextFrame); each one after is due when the tick count
    // is strictly past the previous frame's start plus 33.
    EXPECT_THAT(game.frameTicks, ElementsAre(T0, T0 + 34, T0 + 68, T0 + 102));
}

TEST(FramePacing, ATickEqualToTheDueTimeRunsNoFrameAndALongFrameIsNotMadeUp) {
    HeadlessPlatform host(framesLimit(4), {});
    RecordingGame game(host);
    game.duringFrame = [&](int frame) {
        if (frame == 1) host.advanceClock(33);  // the frame ends exactly at the due time
        if (frame == 2) host.advanceClock(100);
    };
    run(host, game);
    // After the 100 ms frame the next one starts at once, and the one after 34 ms later:
    // the two frames missed are simply gone.
    EXPECT_THAT(game.frameTicks, ElementsAre(T0, T0 + 34, T0 + 134, T0 + 168));
}

TEST(FramePacing, WaitingMessagesGoBeforeTheNextFrame) {
    HeadlessPlatform host(framesLimit(2), {});
    RecordingGame game(host);
    game.duringFrame = [&](int frame) {
        if (frame != 1) return;
        host.advanceClock(200);  // the next frame is overdue, yet messages go first
        host.postMessage(Message{platform::WM_LBUTTONDOWN, 1, platform::makePointParam(3, 4)});
        host.postMessage(Message{platform::WM_MOUSEMOVE, 1, platform::makePointParam(5, 6)});
        host.postMessage(Message{platform::WM_LBUTTONUP, 0, platform::makePointParam(7, 8)});
    };
    run(host, game);
    EXPECT_THAT(game.calls, ElementsAre("create", "activate", "frame", "down 3 4", "move 5 6",
                                        "up 7 8", "frame", "destroy"));
}

TEST(Suspension, LosingTheFocusStopsFramesUntilTheWindowIsActivatedAgain) {
    TimedPlatform host(framesLimit(4));
    RecordingGame game(host);
    // The desktop takes the focus away after the second frame and gives it back 1 s later.
    host.arrivals.insert({T0 + 40, Message{platform::WM_ACTIVATE, 0, 0}});
    host.arrivals.insert({T0 + 41, Message{platform::WM_KILLFOCUS, 0, 0}});
    host.arrivals.insert({T0 + 1040, Message{platform::WM_ACTIVATE, 1, 0}});
    run(host, game);
    EXPECT_THAT(game.frameTicks, ElementsAre(T0, T0 + 34, T0 + 1040, T0 + 1074));
}

TEST(Suspension, TheOutsideSuspendRequestStopsFramesToo) {
    TimedPlatform host(framesLimit(3));
    RecordingGame game(host);
    host.arrivals.insert({T0 + 10, Message{platform::WM_SUSPEND_REQUEST, 0, 0}});
    host.arrivals.insert({T0 + 500, Message{platform::WM_ACTIVATE, 1, 0}});
    run(host, game);
    EXPECT_THAT(game.frameTicks, ElementsAre(T0, T0 + 500, T0 + 534));
}

TEST(Suspension, AHeadlessGameThatNothingCanWakeIsClosed) {
    HeadlessPlatform host({}, {});
    RecordingGame game(host);
    game.duringFrame = [&](int) { host.postMessage(Message{platform::WM_KILLFOCUS, 0, 0}); };
    EXPECT_EQ(run(host, game), 0);
    EXPECT_EQ(game.frameTicks.size(), 1u);
    EXPECT_EQ(game.destroyCount, 1);
}

TEST(MessageRouting, StylusAndKeysReachTheGameWithTheirArguments) {
    HeadlessPlatform host(framesLimit(1), {});
    RecordingGame game(host);
    const platform::KeyList keys = platform::defaultKeyList();
    game.duringFrame = [&](int) {
        host.postMessage(Message{platform::WM_LBUTTONDOWN, 1, platform::makePointParam(239, 319)});
        host.postMessage(
            Message{platform::WM_KEYDOWN, static_cast<std::uint64_t>(keys.vkStart), 0});
        host.postMessage(Message{platform::WM_KEYDOWN, 0x41, 0});  // no button: swallowed
        host.postMessage(Message{platform::WM_KEYUP, 0x72, 0});    // F3 is always A
        host.postMessage(Message{platform::WM_KEYDOWN, 0xC0, 0});
    };
    run(host, game);
    const std::string start =
        "keydown 7 " + std::to_string(keys.ptStart.x) + " " + std::to_string(keys.ptStart.y);
    const std::string extra =
        "keydown 8 " + std::to_string(keys.ptStart.x) + " " + std::to_string(keys.ptStart.y);
    EXPECT_THAT(game.calls, ElementsAre("create", "activate", "frame", "down 239 319", start,
                                        "keyup 4", extra, "destroy"));
}

TEST(Failures, AnExceptionInAFrameShowsTheBoxAndTheLoopGoesOn) {
    HeadlessPlatform host(framesLimit(3), {});
    RecordingGame game(host);
    game.duringFrame = [&](int frame) {
        if (frame == 2) throw std::runtime_error("boom");
    };
    EXPECT_EQ(run(host, game), 0);
    EXPECT_EQ(game.frameTicks.size(), 3u);
    ASSERT_EQ(host.messageBoxes().size(), 1u);
    EXPECT_EQ(host.messageBoxes()[0].caption, "Error");
    EXPECT_EQ(host.messageBoxes()[0].text, "Exception error!");
    EXPECT_EQ(host.framesRun(), 3);
}

TEST(Failures, FatalErrorShowsItsBoxAndClosesTheGameOnceTheLoopRuns) {
    HeadlessPlatform host({}, {});
    RecordingGame game(host);
    GameApp* app = nullptr;
    game.duringCreate = [&] {  // two failed loads during start-up: two boxes, then one close
        app->fatalError("Error loading IMG_PANEL");
        app->fatalError("Error loading IMG_SPEAKER_ON");
    };
    const int code = runApplication(host, game, [&](platform::Platform& p, GameCallbacks& g) {
        auto made = makeTestApp(p, g);
        app = made.get();
        return made;
    });
    EXPECT_EQ(code, 0);
    ASSERT_EQ(host.messageBoxes().size(), 2u);
    EXPECT_EQ(host.messageBoxes()[0].caption, "Fatal Error");
    EXPECT_EQ(host.messageBoxes()[0].text, "Error loading IMG_PANEL");
    EXPECT_EQ(game.destroyCount, 1);
    EXPECT_TRUE(game.frameTicks.empty());
}

TEST(Failures, AnApplicationThatCannotBeMadeShutsTheGameDownWithCodeOne) {
    HeadlessPlatform host({}, {});
    RecordingGame game(host);
    const int code = runApplication(
        host, game, [](platform::Platform&, GameCallbacks&) { return std::unique_ptr<GameApp>(); });
    EXPECT_EQ(code, 1);
    EXPECT_THAT(game.calls, ElementsAre("destroy"));
}

TEST(GameAppServices, PathBesideProgramUsesTheAssetFolder) {
    PlatformOptions options;
    options.assetDirectory = "/opt/cindervane/assets";
    HeadlessPlatform host(options, {});
    RecordingGame game(host);
    GameApp app(host, game, "X");
    EXPECT_EQ(app.pathBesideProgram("O0048.BAI"), "/opt/cindervane/assets/O0048.BAI");
    EXPECT_EQ(app.pathBesideProgram(""), "/opt/cindervane/assets/");
}

TEST(PointInBox, BothEdgesBelongToTheBox) {
    EXPECT_TRUE(pointInBox(10, 225, 10, 225, 115, 240));
    EXPECT_TRUE(pointInBox(115, 240, 10, 225, 115, 240));
    EXPECT_FALSE(pointInBox(116, 240, 10, 225, 115, 240));
    EXPECT_FALSE(pointInBox(9, 230, 10, 225, 115, 240));
    EXPECT_FALSE(pointInBox(50, 241, 10, 225, 115, 240));
    EXPECT_TRUE(pointInBox(-5, -5, -10, -10, 0, 0));
}

}  // namespace
}  // namespace cindervane
