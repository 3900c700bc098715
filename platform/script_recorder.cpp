// The recording of --record.
#include "platform/script_recorder.h"

#include <cerrno>
#include <cstring>
#include <iostream>

namespace cindervane::platform {

std::unique_ptr<ScriptRecorder> ScriptRecorder::open(const std::filesystem::path& path,
                                                     std::string& error) {
    std::ofstream out(path, std::ios::out | std::ios::trunc);
    if (!out) {
        error = "cannot write " + path.string() + ": " + std::strerror(errno);
        return nullptr;
    }
    return std::unique_ptr<ScriptRecorder>(new ScriptRecorder(std::move(out)));
}

void ScriptRecorder::header(const ScriptHeader& header) {
    if (headerWritten_) return;
    headerWritten_ = true;
    std::string text = "# Cindervane recording: replay with cindervane --headless --script FILE\n";
    if (header.seed) text += "seed " + std::to_string(*header.seed) + '\n';
    if (header.stage) text += "stage " + std::to_string(*header.stage) + '\n';
    for (const ScriptHighScore& entry : header.highScores) {
        text += "highscore " + std::to_string(entry.score);
        if (!entry.nick.empty()) text += ' ' + nickScriptText(entry.nick);
        text += '\n';
    }
    out_ << text;
    out_.flush();
    if (!out_ && !failed_) {
        failed_ = true;
        std::cerr << "cindervane: the recording cannot be written any more\n";
    }
}

void ScriptRecorder::line(long long frame, const std::string& text) {
    // Input before the header (there should be none) still lands after it.
    if (!headerWritten_) header({});
    out_ << frame << ' ' << text << '\n';
    out_.flush();
    lastCheck_ = -1;
    if (!out_ && !failed_) {
        failed_ = true;
        std::cerr << "cindervane: the recording cannot be written any more\n";
    }
}

void ScriptRecorder::stylus(long long frame, ScriptEvent::Kind kind, int x, int y) {
    if (finished_) return;
    const bool move = kind == ScriptEvent::Kind::Move;
    const bool repeat =
        move && lastWasMove_ && stylusFrame_ == frame && stylusX_ == x && stylusY_ == y;
    lastWasMove_ = move;
    stylusFrame_ = frame;
    stylusX_ = x;
    stylusY_ = y;
    if (repeat) return;
    const char* name = kind == ScriptEvent::Kind::Down ? "down"
                       : kind == ScriptEvent::Kind::Up ? "up"
                                                       : "move";
    line(frame, std::string(name) + ' ' + std::to_string(x) + ' ' + std::to_string(y));
}

void ScriptRecorder::key(long long frame, bool down, int keyIndex) {
    if (finished_) return;
    const char* name = scriptKeyName(keyIndex);
    if (*name == '\0') return;
    lastWasMove_ = false;
    line(frame, std::string(down ? "keydown " : "keyup ") + name);
}

void ScriptRecorder::check(long long frame, const StateHash& hash) {
    if (finished_ || lastCheck_ == frame) return;
    line(frame, "check " + checkText(hash));
    lastCheck_ = frame;
}

void ScriptRecorder::finish(long long frame, const StateHash& hash) {
    if (finished_) return;
    check(frame, hash);
    line(frame, "quit");
    finished_ = true;
}

}  // namespace cindervane::platform
