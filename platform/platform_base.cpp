// What every back end shares.
#include "platform/platform_base.h"

#include <algorithm>
#include <fstream>
#include <iostream>

#include <nlohmann/json.hpp>

#include "platform/audio/absent_wave_output.h"
#include "platform/png_writer.h"
#include "platform/printable.h"
#include "platform/program_paths.h"

#include <cstdlib>
#include <iostream>

namespace cindervane::platform {

PlatformBase::PlatformBase(PlatformOptions options, std::vector<ScriptEvent> script)
    : options_(std::move(options)),
      windowPicture_(Bitmap::createScreenFormat(kScreenWidth, kScreenHeight)),
      windowContext_(windowPicture_.get()),
      script_(std::move(script)) {
    if (options_.noWaveDevice) {
        waveOutput_ = std::make_unique<AbsentWaveOutput>();
    } else {
        auto timed = std::make_unique<TimedWaveOutput>([this] { return tickCount(); });
        timedWaveOutput_ = timed.get();
        waveOutput_ = std::move(timed);
    }
}

void PlatformBase::deliverWaveNotices() {
    if (timedWaveOutput_) timedWaveOutput_->deliverDue(tickCount());
}

bool PlatformBase::registerWindowClass(std::string_view className, WindowProcedure procedure) {
    if (!procedure) return false;
    className_ = className;
    procedure_ = std::move(procedure);
    return true;
}

bool PlatformBase::createWindow(std::string_view title, bool fullScreen) {
    if (!procedure_ || windowExists_) return false;
    if (!openWindow(title, fullScreen)) return false;
    windowExists_ = true;
    procedure_(Message{WM_CREATE, 0, 0});
    return true;
}

void PlatformBase::destroyWindow() {
    if (!windowExists_) return;
    // The recording ends with the state as the last frame and input left it, before the
    // game's shutdown lets it go.
    if (recorder_ && hashReporter_) recorder_->finish(framesRun_, hashReporter_());
    windowExists_ = false;
    procedure_(Message{WM_DESTROY, 0, 0});
    closeWindow();
}

bool PlatformBase::peekMessage(Message& message) {
    // A closed terminal, Ctrl-C or a kill asks the window to close, as the exit button
    // does; asked again once closing has begun, the program ends at once.
    if (const int signals = closeSignals_.arrived(); signals > 0) {
        if (closeAsked_ || !windowExists_) {
            std::cerr << "cindervane: ended by signal " << closeSignals_.lastSignal() << '\n';
            std::_Exit(128 + closeSignals_.lastSignal());
        }
        closeAsked_ = true;
        queue_.push_back(Message{WM_CLOSE, 0, 0});
    }
    pumpEvents();
    if (queue_.empty()) return false;
    message = queue_.front();
    queue_.pop_front();
    return true;
}

void PlatformBase::postMessage(const Message& message) {
    if (watchingReplay()) {
        // The player's own hand is not in the recorded game; C holds and resumes it.
        switch (message.id) {
            case WM_KEYDOWN:
                if (message.wParam == static_cast<std::uint16_t>(defaultKeyList().vkC))
                    toggleHold();
                return;
            case WM_KEYUP:
            case WM_MOUSEMOVE:
            case WM_LBUTTONDOWN:
            case WM_LBUTTONUP:
                return;
            case WM_ACTIVATE:
                if (held_) return;  // the window coming back does not resume a held replay
                break;
            default:
                break;
        }
    }
    queue_.push_back(message);
}

void PlatformBase::toggleHold() {
    held_ = !held_;
    // Frames stop as when the game is suspended from outside, and go on as on activation.
    queue_.push_back(Message{held_ ? WM_SUSPEND_REQUEST : WM_ACTIVATE, held_ ? 0u : 1u, 0});
}

void PlatformBase::endScript() {
    nextLine_ = script_.size();
    if (held_) toggleHold();
}

void PlatformBase::postQuitMessage(int exitCode) {
    queue_.push_back(Message{WM_QUIT, static_cast<std::uint64_t>(exitCode), 0});
}

std::int64_t PlatformBase::dispatchMessage(const Message& message) {
    // Messages for a window that is gone are dropped, as the window system does.
    if (!windowExists_ || !procedure_) return 0;
    return procedure_(message);
}

std::int64_t PlatformBase::defaultWindowProcedure(const Message& message) {
    if (message.id == WM_CLOSE) destroyWindow();
    return 0;
}

void PlatformBase::frameFinished() {
    ++framesRun_;
    if (recorder_ && hashReporter_ && framesRun_ % ScriptRecorder::kCheckInterval == 0)
        recorder_->check(framesRun_, hashReporter_());
}

std::filesystem::path PlatformBase::assetDirectory() {
    return options_.assetDirectory ? *options_.assetDirectory : programDirectory();
}

std::filesystem::path PlatformBase::dataDirectory() {
    if (!dataDirectory_) {
        std::string error;  // the program's entry has resolved it already and said why not
        dataDirectory_ = resolveDataDirectory(options_.dataDirectory, error)
                             .value_or(std::filesystem::path("."));
    }
    return *dataDirectory_;
}

std::uint32_t PlatformBase::randomSeed() {
    if (!seed_) seed_ = options_.seed ? *options_.seed : tickCount();
    return *seed_;
}

void PlatformBase::recordStart(const ScriptHeader& header) {
    if (!recorder_) return;
    ScriptHeader complete = header;
    complete.seed = randomSeed();
    recorder_->header(complete);
}

void PlatformBase::recordStylus(ScriptEvent::Kind kind, int x, int y) {
    if (recorder_) recorder_->stylus(framesRun_, kind, x, y);
}

void PlatformBase::recordKey(bool down, int keyIndex) {
    if (recorder_) recorder_->key(framesRun_, down, keyIndex);
}

bool PlatformBase::applyDueScriptLine() {
    if (!queue_.empty() || !windowExists_ || nextLine_ >= script_.size() ||
        script_[nextLine_].frame > framesRun_)
        return false;
    applyScriptLine(script_[nextLine_++]);
    if (handsOver_ && nextLine_ >= script_.size()) endScript();
    return true;
}

void PlatformBase::reportUndueScriptLines() {
    if (nextLine_ >= script_.size()) return;
    const ScriptEvent& first = script_[nextLine_];
    const std::size_t left = script_.size() - nextLine_;
    std::cerr << "cindervane: " << left << (left == 1 ? " script line" : " script lines")
              << " never came due, the first at line " << first.line << " (frame " << first.frame
              << "): the game closed after " << framesRun_ << " frames\n";
    nextLine_ = script_.size();
}

void PlatformBase::applyScriptLine(const ScriptEvent& event) {
    using Kind = ScriptEvent::Kind;
    const std::int64_t point = makePointParam(event.x, event.y);
    switch (event.kind) {
        case Kind::Tap:
            queue_.push_back(Message{WM_LBUTTONDOWN, 1, point});
            queue_.push_back(Message{WM_LBUTTONUP, 0, point});
            break;
        case Kind::Down:
            queue_.push_back(Message{WM_LBUTTONDOWN, 1, point});
            break;
        case Kind::Move:
            queue_.push_back(Message{WM_MOUSEMOVE, 1, point});
            break;
        case Kind::Up:
            queue_.push_back(Message{WM_LBUTTONUP, 0, point});
            break;
        case Kind::Press:
            queue_.push_back(Message{WM_KEYDOWN, event.keyCode, 0});
            queue_.push_back(Message{WM_KEYUP, event.keyCode, 0});
            break;
        case Kind::KeyDown:
            queue_.push_back(Message{WM_KEYDOWN, event.keyCode, 0});
            break;
        case Kind::KeyUp:
            queue_.push_back(Message{WM_KEYUP, event.keyCode, 0});
            break;
        case Kind::Screenshot: {
            std::string error;
            if (!writePng(event.file, windowPicture(), error)) {
                std::cerr << "cindervane: screenshot at line " << event.line << ": " << error
                          << '\n';
                outputsWritten_ = false;
            }
            break;
        }
        case Kind::Dump: {
            std::ofstream out(event.file);
            out << stateDump().dump(2) << '\n';
            out.flush();
            if (!out) {
                std::cerr << "cindervane: dump at line " << event.line << ": cannot write "
                          << printable(event.file) << '\n';
                outputsWritten_ = false;
            }
            break;
        }
        case Kind::Quit:
            if (handsOver_) {
                endScript();
            } else {
                closeFromOutside();
            }
            break;
        case Kind::Check:
            checkStateHash(event);
            break;
    }
}

void PlatformBase::checkStateHash(const ScriptEvent& event) {
    const StateHash now = hashReporter_ ? hashReporter_() : StateHash{};
    if (now.whole == event.hash.whole) return;
    // The first part that differs says where the divergence started.
    std::string part = "state";
    for (const auto& recorded : event.hash.parts) {
        const auto found = std::find_if(now.parts.begin(), now.parts.end(),
                                        [&](const auto& p) { return p.first == recorded.first; });
        if (found == now.parts.end() || found->second != recorded.second) {
            part = recorded.first;
            break;
        }
    }
    std::cerr << "replay diverged at frame " << event.frame << ": " << part << " differs\n";
    diverged_ = true;
    // What follows was recorded from another game: none of it applies any more.
    if (handsOver_) {
        endScript();
    } else {
        nextLine_ = script_.size();
        closeFromOutside();
    }
}

nlohmann::json PlatformBase::stateDump() const {
    nlohmann::json dump = nlohmann::json::object();
    dump["frames"] = framesRun_;
    if (reporter_) reporter_(dump);
    return dump;
}

void PlatformBase::closeFromOutside() {
    if (closeRequested_ || !windowExists_) return;
    closeRequested_ = true;
    postMessage(Message{WM_CLOSE, 0, 0});
}

}  // namespace cindervane::platform
