// A started game for screen tests: the real start-up on the headless platform, with the
// generated pictures beside the test program, and frames run one call at a time.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "../gamelibrary/recording_game.h"
#include "../test_folder.h"
#include "game/start_up.h"
#include "gamelibrary/game_app.h"
#include "platform/headless_platform.h"
#include "platform/png_writer.h"
#include "shell/frame_dispatch.h"
#include "shell/input.h"
#include "stage/game_state.h"

namespace cindervane {

class ShellTest : public ::testing::Test {
  protected:
    ShellTest() : host(options(data.path()), {}), game(host), app(host, game, "CindervaneTest") {
        state.run.app = &app;
        startUpGame(state, host);
    }

    static platform::PlatformOptions options(const std::filesystem::path& dataFolder) {
        platform::PlatformOptions chosen;
        chosen.seed = 1;
        chosen.dataDirectory = dataFolder;
        return chosen;
    }

    void frames(int count) {
        for (int i = 0; i < count; ++i)
            runFrame(state, host);
    }
    void tap(int x, int y) {
        stylusDown(state, x, y);
        stylusUp(state, x, y);
    }
    // The file name a picture slot was last loaded from, or "" for an empty slot.
    static std::string fileOf(const std::unique_ptr<Surface>& slot) {
        return slot ? std::filesystem::path(slot->path()).filename().string() : std::string();
    }
    // Keeps the window's picture for a person to look at.
    void screenshot(const std::string& name) {
        const std::filesystem::path folder =
            std::filesystem::path(CINDERVANE_TEST_OUTPUT) / "screens";
        std::filesystem::create_directories(folder);
        std::string error;
        platform::writePng(folder / (name + ".png"), host.windowPicture(), error);
    }
    bool noBoxesShown() const { return host.messageBoxes().empty(); }

    TestFolder data;
    platform::HeadlessPlatform host;
    RecordingGame game;
    GameApp app;
    GameState state;
};

}  // namespace cindervane
