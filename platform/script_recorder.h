// The recording of --record: the session written as a script while it runs, so that the
// headless player can replay it exactly and check it on the way. Every line reaches the file
// as soon as it is written, so a crash still leaves the replay up to the crash.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "platform/headless_script.h"

namespace cindervane::platform {

class ScriptRecorder {
  public:
    // Frames between two check lines.
    static constexpr long long kCheckInterval = 300;

    // Creates (or empties) the file; null with the reason when it cannot be written.
    static std::unique_ptr<ScriptRecorder> open(const std::filesystem::path& path,
                                                std::string& error);

    // The header lines: what the game starts from. Written once, before any other line.
    void header(const ScriptHeader& header);
    // An input that reached the game after `frame` frames. A stylus move that repeats the
    // move just before it (same point, no frame and no other input between) changes nothing
    // and is left out.
    void stylus(long long frame, ScriptEvent::Kind kind, int x, int y);
    void key(long long frame, bool down, int keyIndex);
    // The state hash after `frame` frames; a check repeating the last line is left out.
    void check(long long frame, const StateHash& hash);
    // The end: a last check and a quit line, so a replay ends where the session did whatever
    // closed it: the player, a --frames limit, a script's quit, a finished --report, or the
    // game's own exit button (which the replay reaches on that very frame anyway).
    void finish(long long frame, const StateHash& hash);
    bool failed() const { return failed_; }

  private:
    explicit ScriptRecorder(std::ofstream out) : out_(std::move(out)) {}
    void line(long long frame, const std::string& text);

    std::ofstream out_;
    bool headerWritten_ = false;
    bool failed_ = false;
    bool finished_ = false;
    // The last input, when it was a stylus move, to leave out moves that repeat it.
    bool lastWasMove_ = false;
    long long stylusFrame_ = 0;
    int stylusX_ = 0;
    int stylusY_ = 0;
    // The frame of the last check, while no line has followed it.
    long long lastCheck_ = -1;
};

}  // namespace cindervane::platform
