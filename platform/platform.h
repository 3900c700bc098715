// The narrow table of operating system services the game shell uses: one window with its
// message queue, a millisecond tick count, message boxes, the device's keys, the window's
// drawing surface, wave output and the program's folders. The SDL back end puts them on a desktop;
// the headless back end runs them on virtual time for tests and scripted runs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include <nlohmann/json_fwd.hpp>

#include "platform/audio/wave_output.h"
#include "platform/draw/bitmap.h"
#include "platform/hand_hold.h"
#include "platform/headless_script.h"
#include "platform/keys.h"
#include "platform/messages.h"

namespace cindervane::platform {

// The physical screen of the device the game was made for.
constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 320;

enum class BoxIcon { Error, Information };

// Receives every message the window gets, including those sent during window creation and
// destruction. Returns the message's result.
using WindowProcedure = std::function<std::int64_t(const Message&)>;

// What the game tells the platform after every frame, so that desktop controls can stand in
// for the stylus: whether the ship is being flown and where it is, and whether the device's C
// key would pause the game now.
struct PlayView {
    bool flying = false;    // play runs and the stylus steers the ship
    bool pausable = false;  // the C key pauses the game
    int shipX = 0;          // the ship's centre, screen pixels
    int shipY = 0;
};

// Fills a state dump with what the game knows of itself (screen, counters, ...).
using StateReporter = std::function<void(nlohmann::json&)>;
// Hashes what play depends on, for the check lines of scripts and recordings.
using StateHashReporter = std::function<StateHash()>;

class Platform {
  public:
    virtual ~Platform() = default;

    // Another running copy of the game with this class name and title: raise it and
    // return true. Back ends that allow any number of copies return false.
    virtual bool raiseRunningCopy(std::string_view className, std::string_view title) = 0;
    // Remembers the window procedure for the window made next.
    virtual bool registerWindowClass(std::string_view className, WindowProcedure procedure) = 0;
    // Makes the one window. WM_CREATE reaches the window procedure before this returns. The
    // back end posts WM_ACTIVATE once the new window is active.
    virtual bool createWindow(std::string_view title, bool fullScreen) = 0;
    virtual void showWindow() = 0;
    // Destroys the window: WM_DESTROY reaches the window procedure before this returns.
    virtual void destroyWindow() = 0;

    // Takes the next waiting message off the queue; false when none is waiting.
    virtual bool peekMessage(Message& message) = 0;
    virtual void postMessage(const Message& message) = 0;
    virtual void postQuitMessage(int exitCode) = 0;
    // Hands a message to the window procedure.
    virtual std::int64_t dispatchMessage(const Message& message) = 0;
    // What the window system does with a message the game leaves alone: WM_CLOSE destroys
    // the window; everything else returns 0.
    virtual std::int64_t defaultWindowProcedure(const Message& message) = 0;

    // Milliseconds since some fixed moment; the shell compares them as signed 32-bit values.
    virtual std::uint32_t tickCount() = 0;
    // Returns when a message is waiting or the tick count is past dueTick, whichever comes
    // first, without burning the processor. With frames off, waits for a message only.
    virtual void waitForMessageOrTick(bool framesRunning, std::uint32_t dueTick) = 0;
    // Called by the shell after every frame: shows the window's picture and lets scripted
    // runs count frames.
    virtual void frameFinished() = 0;

    // A modal message box; returns when it is dismissed.
    virtual void showMessageBox(std::string_view caption, std::string_view text, BoxIcon icon) = 0;

    // The device's default key list for the portrait layout.
    virtual KeyList defaultKeys() = 0;
    // Screen size as the system reports it.
    virtual int screenWidth() { return kScreenWidth; }
    virtual int screenHeight() { return kScreenHeight; }
    // Gives the window the picture as its icon; pixels of the colour `transparentRgb`
    // (0x00RRGGBB) are left out. Back ends without a desktop ignore it.
    virtual void setWindowIcon(const Bitmap&, std::uint32_t /*transparentRgb*/) {}
    // The game's view of play after each frame, which the desktop's keys and gamepads steer
    // by. Back ends without such controls ignore it.
    virtual void setPlayView(const PlayView&) {}
    // Lends the back end a hand for one frame: the keys or the pad it holds and the buttons it
    // presses, played through the desktop controls as a player's own would be. False where
    // there is no desktop to play them on.
    virtual bool holdHand(const HandHold&) { return false; }
    // Where the keys' and the stick's pointer stands outside flight, in screen pixels; false
    // where there is none.
    virtual bool handPointer(int& /*x*/, int& /*y*/) const { return false; }
    // The drawing context of the window: what is drawn into it is what the window shows.
    virtual DeviceContext& windowContext() = 0;

    // The wave output service the sound clips open their devices on.
    virtual WaveOutput& waveOutput() = 0;

    // The folder the pictures and sounds are read from (beside the program by default).
    virtual std::filesystem::path assetDirectory() = 0;
    // The folder of the high score file.
    virtual std::filesystem::path dataDirectory() = 0;
    // The seed of the game's random generator: the tick count unless one was chosen.
    virtual std::uint32_t randomSeed() = 0;

    // The game's own part of a state dump.
    virtual void setStateReporter(StateReporter reporter) = 0;
    // The game's state hash, which check lines compare.
    virtual void setStateHashReporter(StateHashReporter) {}

    // Recording (--record). Once its start-up is done the game says what a replay must
    // start from (the platform adds the seed); then it shows the platform every input that
    // reaches it, whatever brought it (the window, a script, the autopilot), before acting
    // on it. Back ends that do not record let both pass.
    virtual void recordStart(const ScriptHeader&) {}
    virtual void recordStylus(ScriptEvent::Kind /*down, move or up*/, int /*x*/, int /*y*/) {}
    virtual void recordKey(bool /*down*/, int /*keyIndex*/) {}
};

}  // namespace cindervane::platform
