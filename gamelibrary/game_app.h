// The application shell: the one application object, its window and the message loop that
// runs a frame every frame interval, routing window messages to the game's callbacks.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <source_location>
#include <string>
#include <string_view>

#include "gamelibrary/game_callbacks.h"
#include "platform/platform.h"

namespace cindervane {

class GameApp {
  public:
    // Longest class name and title kept, as the window system's 40-character fields allow.
    static constexpr std::size_t kNameLength = 39;

    GameApp(platform::Platform& platform, GameCallbacks& game, std::string_view className);
    virtual ~GameApp() = default;

    // Makes the window (the game's start-up runs inside) and reads the key list. False when
    // another copy runs or the window cannot be made; the caller then ends with code 0.
    bool initInstance();
    // Runs until the quit message and returns its exit code.
    int runMessageLoop();
    // Routes one window message; see the table in the implementation.
    std::int64_t windowProc(const platform::Message& message);

    // Shows the text in a "Fatal Error" box, then asks the window to close. The caller goes
    // on with its work; the game ends once the loop handles the close.
    void fatalError(std::string_view text);
    // Asks the window to close, as the game's exit button does.
    void requestClose();
    // A box captioned with the title, used only while the window is being made.
    void reportStartupError(std::string_view text,
                            std::source_location where = std::source_location::current());
    // The full path of a file beside the program (in the asset folder).
    std::string pathBesideProgram(std::string_view name) const;

    platform::Platform& platform() { return platform_; }
    const std::string& className() const { return className_; }
    const std::string& title() const { return title_; }
    void setTitle(std::string_view title) { title_ = std::string(title.substr(0, kNameLength)); }
    bool suspended() const { return suspended_; }
    std::int32_t nextFrameTime() const { return nextFrameTime_; }
    const platform::KeyList& keyList() const { return keyList_; }

    // The game's settings, chosen by createGameApp.
    bool fullScreen = false;
    std::uint16_t iconId = 0;
    std::int32_t frameInterval = 60;
    bool gapiDisplay = false;

  private:
    void routeKey(const platform::Message& message, bool down);
    void showIcon();

    platform::Platform& platform_;
    GameCallbacks& game_;
    std::string className_;
    std::string title_ = "<Unnamed Title>";
    bool suspended_ = true;  // no frame runs until the window is first activated
    std::int32_t nextFrameTime_ = 0;
    platform::KeyList keyList_{};
};

// Makes the application object with the game's settings; null when it cannot be made.
using CreateGameApp = std::function<std::unique_ptr<GameApp>(platform::Platform&, GameCallbacks&)>;

// The process's whole life: make the application, the window and the game, run the loop,
// return the exit code.
int runApplication(platform::Platform& platform, GameCallbacks& game,
                   const CreateGameApp& createGameApp);

// True when (x, y) lies in the box, both edges included.
constexpr bool pointInBox(int x, int y, int left, int top, int right, int bottom) {
    return left <= x && x <= right && top <= y && y <= bottom;
}

}  // namespace cindervane
