// The headless platform: virtual time, scripted input in file order, dumps and screenshots.
#include "platform/headless_platform.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "../test_folder.h"

namespace cindervane::platform {
namespace {

std::vector<ScriptEvent> script(const std::string& text) {
    std::istringstream in(text);
    std::vector<ScriptEvent> events;
    std::string error;
    EXPECT_TRUE(parseScript(in, events, error)) << error;
    return events;
}

// Drives the platform the way the shell's loop does, counting each message and frame.
struct MiniLoop {
    explicit MiniLoop(HeadlessPlatform& platform) : host(platform) {}

    HeadlessPlatform& host;
    std::vector<std::string> seen;
    int taps = 0;

    void run() {
        host.registerWindowClass("T", [&](const Message& m) -> std::int64_t {
            if (m.id == WM_LBUTTONDOWN) ++taps;
            if (m.id == WM_DESTROY) host.postQuitMessage(0);
            if (m.id == WM_CLOSE) return host.defaultWindowProcedure(m);
            seen.push_back(std::to_string(m.id));
            return 0;
        });
        host.setStateReporter([&](nlohmann::json& dump) { dump["taps"] = taps; });
        host.createWindow("T", true);
        std::int32_t due = 0;
        for (;;) {
            Message m;
            if (host.peekMessage(m)) {
                if (m.id == WM_QUIT) return;
                host.dispatchMessage(m);
                continue;
            }
            if (static_cast<std::int32_t>(host.tickCount()) > due) {
                due = static_cast<std::int32_t>(host.tickCount() + 33);
                seen.push_back("frame");
                host.frameFinished();
                continue;
            }
            host.waitForMessageOrTick(true, static_cast<std::uint32_t>(due));
        }
    }
};

nlohmann::json readJson(const std::string& path) {
    std::ifstream in(path);
    return nlohmann::json::parse(in);
}

TEST(HeadlessPlatform, LinesOfOneFrameTakeEffectInFileOrderAndTheLastFramesRunBeforeClosing) {
    TestFolder folder;
    const std::string before = (folder.path() / "before.json").string();
    const std::string after = (folder.path() / "after.json").string();
    const std::string last = (folder.path() / "last.json").string();
    PlatformOptions options;
    options.frameLimit = 3;
    HeadlessPlatform host(options, script("2 dump " + before + "\n2 tap 5 5\n2 dump " + after +
                                          "\n3 tap 1 1\n3 dump " + last + "\n"));
    MiniLoop loop(host);
    loop.run();
    const auto a = readJson(before), b = readJson(after), c = readJson(last);
    EXPECT_EQ(a["frames"], 2);
    EXPECT_EQ(a["taps"], 0);
    EXPECT_EQ(b["taps"], 1);
    EXPECT_EQ(c["frames"], 3);
    EXPECT_EQ(c["taps"], 2);
    EXPECT_EQ(host.framesRun(), 3);
}

TEST(HeadlessPlatform, QuitClosesTheGameTheNormalWay) {
    HeadlessPlatform host({}, script("4 quit\n"));
    MiniLoop loop(host);
    loop.run();
    EXPECT_EQ(host.framesRun(), 4);
    EXPECT_EQ(loop.seen.back(), std::to_string(WM_DESTROY));
}

TEST(HeadlessPlatform, TheClockStartsAtAFixedValueAndJumpsToTheDueFrame) {
    HeadlessPlatform host({}, {});
    EXPECT_EQ(host.tickCount(), HeadlessPlatform::kStartTick);
    EXPECT_EQ(host.randomSeed(), HeadlessPlatform::kStartTick);
    host.registerWindowClass("T", [](const Message&) -> std::int64_t { return 0; });
    host.createWindow("T", true);
    Message activate;
    ASSERT_TRUE(host.peekMessage(activate));
    EXPECT_EQ(activate.id, WM_ACTIVATE);
    host.waitForMessageOrTick(true, HeadlessPlatform::kStartTick + 500);
    EXPECT_EQ(host.tickCount(), HeadlessPlatform::kStartTick + 501);
    // A chosen seed replaces the tick count.
    PlatformOptions options;
    options.seed = 42;
    EXPECT_EQ(HeadlessPlatform(options, {}).randomSeed(), 42u);
}

TEST(HeadlessPlatform, ScreenshotsArePngAndAnOutputThatCannotBeWrittenIsReported) {
    TestFolder folder;
    const auto file = folder.path() / "shot.png";
    PlatformOptions options;
    options.frameLimit = 1;
    HeadlessPlatform host(options, script("1 screenshot " + file.string() + "\n"));
    MiniLoop loop(host);
    loop.run();
    std::ifstream in(file, std::ios::binary);
    char signature[8] = {};
    in.read(signature, 8);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");
    EXPECT_TRUE(host.scriptOutputsWritten());

    HeadlessPlatform lost(options, script("1 dump /nonexistent-folder/x.json\n"));
    MiniLoop second(lost);
    second.run();
    EXPECT_FALSE(lost.scriptOutputsWritten());
}

TEST(HeadlessPlatform, MessageBoxesAreRecordedInTheDump) {
    HeadlessPlatform host({}, {});
    host.showMessageBox("Fatal Error", "Error loading IMG_PANEL", BoxIcon::Error);
    ASSERT_EQ(host.messageBoxes().size(), 1u);
    EXPECT_EQ(host.stateDump()["messageBoxes"][0]["text"], "Error loading IMG_PANEL");
}

}  // namespace
}  // namespace cindervane::platform
