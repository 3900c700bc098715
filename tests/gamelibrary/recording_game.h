// A stand-in game for shell tests: writes down every callback and the tick of every frame,
// and can be told to act inside a frame.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "gamelibrary/game_app.h"
#include "platform/platform.h"

namespace cindervane {

class RecordingGame : public GameCallbacks {
  public:
    explicit RecordingGame(platform::Platform& platform) : platform_(platform) {}

    std::vector<std::string> calls;  // every callback's name, in order
    std::vector<std::uint32_t> frameTicks;
    // Called at each frame with the frame's number, counted from 1, and at creation.
    std::function<void(int)> duringFrame;
    std::function<void()> duringCreate;
    int destroyCount = 0;

    void onCreateGame() override {
        note("create");
        if (duringCreate) duringCreate();
    }
    void onDestroyGame() override {
        ++destroyCount;
        note("destroy");
    }
    void onActivate() override { note("activate"); }
    void onPaint() override { note("paint"); }
    void onFrame() override {
        frameTicks.push_back(platform_.tickCount());
        note("frame");
        if (duringFrame) duringFrame(static_cast<int>(frameTicks.size()));
    }
    void onStylusDown(int x, int y) override {
        note("down " + std::to_string(x) + " " + std::to_string(y));
    }
    void onStylusMove(int x, int y) override {
        note("move " + std::to_string(x) + " " + std::to_string(y));
    }
    void onStylusUp(int x, int y) override {
        note("up " + std::to_string(x) + " " + std::to_string(y));
    }
    void onKeyDown(KeyIndex key, int x, int y) override {
        note("keydown " + std::to_string(key) + " " + std::to_string(x) + " " + std::to_string(y));
    }
    void onKeyUp(KeyIndex key, int, int) override { note("keyup " + std::to_string(key)); }
    void reportState(nlohmann::json&) const override {}

  private:
    void note(std::string what) { calls.push_back(std::move(what)); }

    platform::Platform& platform_;
};

// The game's settings as the real game uses them, for a recording game.
inline std::unique_ptr<GameApp> makeTestApp(platform::Platform& platform, GameCallbacks& game) {
    auto app = std::make_unique<GameApp>(platform, game, "CindervaneTest");
    app->setTitle("CindervaneTest");
    app->fullScreen = true;
    app->frameInterval = 33;
    return app;
}

}  // namespace cindervane
