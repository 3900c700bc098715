// What every back end shares: the window procedure, the message queue, the folders, the
// state reporter and the silent wave output.
#pragma once

#include <deque>
#include <memory>
#include <string>

#include "platform/audio/timed_wave_output.h"
#include "platform/close_signals.h"
#include "platform/options.h"
#include "platform/platform.h"

namespace cindervane::platform {

class PlatformBase : public Platform {
  public:
    explicit PlatformBase(PlatformOptions options);

    bool registerWindowClass(std::string_view className, WindowProcedure procedure) override;
    bool createWindow(std::string_view title, bool fullScreen) override;
    void destroyWindow() override;

    bool peekMessage(Message& message) override;
    void postMessage(const Message& message) override;
    void postQuitMessage(int exitCode) override;
    std::int64_t dispatchMessage(const Message& message) override;
    std::int64_t defaultWindowProcedure(const Message& message) override;

    KeyList defaultKeys() override { return defaultKeyList(); }
    DeviceContext& windowContext() override { return windowContext_; }
    Bitmap& windowPicture() { return *windowPicture_; }
    const Bitmap& windowPicture() const { return *windowPicture_; }

    // Silent devices that keep time on the tick count, or none with --no-wave-device. A back
    // end with real sound overrides this.
    WaveOutput& waveOutput() override { return *waveOutput_; }

    std::filesystem::path assetDirectory() override;
    std::filesystem::path dataDirectory() override;
    std::uint32_t randomSeed() override;
    void setStateReporter(StateReporter reporter) override { reporter_ = std::move(reporter); }

    bool windowExists() const { return windowExists_; }
    const PlatformOptions& options() const { return options_; }

  protected:
    // Back-end work when the window is made, shown and destroyed.
    virtual bool openWindow(std::string_view title, bool fullScreen) = 0;
    virtual void closeWindow() = 0;
    // Messages waiting in the back end's own event source, moved to the queue.
    virtual void pumpEvents() {}

    // Delivers the Done notices of silent devices whose buffers have played out by now;
    // back ends call it whenever they pump events, on the game thread.
    void deliverWaveNotices();

    std::deque<Message>& queue() { return queue_; }
    const StateReporter& reporter() const { return reporter_; }

  private:
    // First of all, so every thread a back end starts later leaves these signals to it.
    CloseSignals closeSignals_;
    bool closeAsked_ = false;
    PlatformOptions options_;
    WindowProcedure procedure_;
    std::string className_;
    bool windowExists_ = false;
    std::deque<Message> queue_;
    std::unique_ptr<Bitmap> windowPicture_;
    DeviceContext windowContext_;
    StateReporter reporter_;
    std::optional<std::filesystem::path> dataDirectory_;
    std::unique_ptr<WaveOutput> waveOutput_;
    TimedWaveOutput* timedWaveOutput_ = nullptr;  // waveOutput_ when it keeps time
};

}  // namespace cindervane::platform
