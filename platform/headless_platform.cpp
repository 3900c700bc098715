// The headless back end.
#include "platform/headless_platform.h"

#include <fstream>
#include <iostream>

#include <nlohmann/json.hpp>

#include "platform/png_writer.h"
#include "platform/printable.h"

namespace cindervane::platform {

HeadlessPlatform::HeadlessPlatform(PlatformOptions options, std::vector<ScriptEvent> script)
    : PlatformBase(std::move(options)), script_(std::move(script)) {}

bool HeadlessPlatform::openWindow(std::string_view, bool) {
    // A desktop activates a new window as soon as it appears.
    postMessage(Message{WM_ACTIVATE, 1, 0});
    return true;
}

bool HeadlessPlatform::scriptLineDue() const {
    return nextLine_ < script_.size() && script_[nextLine_].frame <= framesRun_;
}

void HeadlessPlatform::pumpEvents() {
    // Sounds that have played out by the virtual tick count finish first, so a frame sees
    // them finished.
    deliverWaveNotices();
    // One line at a time, and only once everything posted before it has been handled, so
    // lines of the same frame take effect in file order.
    while (queue().empty() && windowExists()) {
        if (scriptLineDue()) {
            applyScriptLine(script_[nextLine_++]);
        } else if (!closeRequested_ && options().frameLimit &&
                   framesRun_ >= *options().frameLimit) {
            // Every line due by the last frame has taken effect: close the game.
            closeGame();
        } else {
            break;
        }
    }
}

void HeadlessPlatform::applyScriptLine(const ScriptEvent& event) {
    using Kind = ScriptEvent::Kind;
    const std::int64_t point = makePointParam(event.x, event.y);
    switch (event.kind) {
        case Kind::Tap:
            postMessage(Message{WM_LBUTTONDOWN, 1, point});
            postMessage(Message{WM_LBUTTONUP, 0, point});
            break;
        case Kind::Down:
            postMessage(Message{WM_LBUTTONDOWN, 1, point});
            break;
        case Kind::Move:
            postMessage(Message{WM_MOUSEMOVE, 1, point});
            break;
        case Kind::Up:
            postMessage(Message{WM_LBUTTONUP, 0, point});
            break;
        case Kind::Press:
            postMessage(Message{WM_KEYDOWN, event.keyCode, 0});
            postMessage(Message{WM_KEYUP, event.keyCode, 0});
            break;
        case Kind::KeyDown:
            postMessage(Message{WM_KEYDOWN, event.keyCode, 0});
            break;
        case Kind::KeyUp:
            postMessage(Message{WM_KEYUP, event.keyCode, 0});
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
            closeGame();
            break;
    }
}

nlohmann::json HeadlessPlatform::stateDump() const {
    nlohmann::json dump = nlohmann::json::object();
    dump["frames"] = framesRun_;
    nlohmann::json boxes = nlohmann::json::array();
    for (const ShownMessageBox& box : messageBoxes_)
        boxes.push_back({{"caption", box.caption}, {"text", box.text}});
    dump["messageBoxes"] = std::move(boxes);
    if (reporter()) reporter()(dump);
    return dump;
}

void HeadlessPlatform::closeGame() {
    // The normal way out: the window is asked to close, so the game's shutdown runs.
    if (closeRequested_ || !windowExists()) return;
    closeRequested_ = true;
    postMessage(Message{WM_CLOSE, 0, 0});
}

void HeadlessPlatform::closeWindow() {
    if (nextLine_ >= script_.size()) return;
    const ScriptEvent& first = script_[nextLine_];
    const std::size_t left = script_.size() - nextLine_;
    std::cerr << "cindervane: " << left << (left == 1 ? " script line" : " script lines")
              << " never came due, the first at line " << first.line << " (frame " << first.frame
              << "): the game closed after " << framesRun_ << " frames\n";
    nextLine_ = script_.size();
}

void HeadlessPlatform::waitForMessageOrTick(bool framesRunning, std::uint32_t dueTick) {
    pumpEvents();
    if (!queue().empty()) return;
    if (!framesRunning) {
        // Nothing can wake a suspended game here: no desktop, and the script counts frames.
        std::cerr << "cindervane: the game is suspended and nothing is left to wake it; "
                     "closing\n";
        closeGame();
        if (!windowExists()) postQuitMessage(0);
        return;
    }
    if (static_cast<std::int32_t>(tick_) <= static_cast<std::int32_t>(dueTick)) tick_ = dueTick + 1;
}

void HeadlessPlatform::frameFinished() {
    ++framesRun_;
}

void HeadlessPlatform::showMessageBox(std::string_view caption, std::string_view text, BoxIcon) {
    std::cerr << caption << ": " << text << '\n';
    messageBoxes_.push_back(ShownMessageBox{std::string(caption), std::string(text)});
}

}  // namespace cindervane::platform
