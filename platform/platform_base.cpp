// What every back end shares.
#include "platform/platform_base.h"

#include "platform/audio/absent_wave_output.h"
#include "platform/program_paths.h"

#include <cstdlib>
#include <iostream>

namespace cindervane::platform {

PlatformBase::PlatformBase(PlatformOptions options)
    : options_(std::move(options)),
      windowPicture_(Bitmap::createScreenFormat(kScreenWidth, kScreenHeight)),
      windowContext_(windowPicture_.get()) {
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
    queue_.push_back(message);
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
    return options_.seed ? *options_.seed : tickCount();
}

}  // namespace cindervane::platform
