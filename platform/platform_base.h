// What every back end shares: the window procedure, the message queue, the folders, the
// state reporter, the silent wave output, the frame count, the script player and the
// recorder.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio/timed_wave_output.h"
#include "platform/close_signals.h"
#include "platform/headless_script.h"
#include "platform/options.h"
#include "platform/platform.h"
#include "platform/script_recorder.h"

namespace cindervane::platform {

class PlatformBase : public Platform {
  public:
    explicit PlatformBase(PlatformOptions options, std::vector<ScriptEvent> script = {});

    bool registerWindowClass(std::string_view className, WindowProcedure procedure) override;
    bool createWindow(std::string_view title, bool fullScreen) override;
    void destroyWindow() override;

    bool peekMessage(Message& message) override;
    void postMessage(const Message& message) override;
    void postQuitMessage(int exitCode) override;
    std::int64_t dispatchMessage(const Message& message) override;
    std::int64_t defaultWindowProcedure(const Message& message) override;
    // Counts the frame and, when recording, writes a check line every 300 frames. Back ends
    // that do more after a frame call this first.
    void frameFinished() override;

    KeyList defaultKeys() override { return defaultKeyList(); }
    DeviceContext& windowContext() override { return windowContext_; }
    Bitmap& windowPicture() { return *windowPicture_; }
    const Bitmap& windowPicture() const { return *windowPicture_; }

    // Silent devices that keep time on the tick count, or none with --no-wave-device. A back
    // end with real sound overrides this.
    WaveOutput& waveOutput() override { return *waveOutput_; }

    std::filesystem::path assetDirectory() override;
    std::filesystem::path dataDirectory() override;
    // Asked once; later calls give the same seed, so a recording names the one the game got.
    std::uint32_t randomSeed() override;
    void setStateReporter(StateReporter reporter) override { reporter_ = std::move(reporter); }
    void setStateHashReporter(StateHashReporter reporter) override {
        hashReporter_ = std::move(reporter);
    }

    // Writes the session to the recorder from now on (--record).
    void recordTo(std::unique_ptr<ScriptRecorder> recorder) { recorder_ = std::move(recorder); }
    void recordStart(const ScriptHeader& header) override;
    void recordStylus(ScriptEvent::Kind kind, int x, int y) override;
    void recordKey(bool down, int keyIndex) override;

    bool windowExists() const { return windowExists_; }
    const PlatformOptions& options() const { return options_; }
    // Calls of the frame function so far.
    long long framesRun() const { return framesRun_; }
    // The state dump as the script's dump line writes it.
    virtual nlohmann::json stateDump() const;
    // False once a screenshot or dump line could not be written.
    bool scriptOutputsWritten() const { return outputsWritten_; }
    // True once a check line found the state hash other than recorded.
    bool replayDiverged() const { return diverged_; }

  protected:
    // Back-end work when the window is made, shown and destroyed.
    virtual bool openWindow(std::string_view title, bool fullScreen) = 0;
    virtual void closeWindow() = 0;
    // Says on stderr how many script lines never came due before the game closed, and from
    // which line; nothing when every line took effect.
    void reportUndueScriptLines();
    // Messages waiting in the back end's own event source, moved to the queue.
    virtual void pumpEvents() {}

    // Delivers the Done notices of silent devices whose buffers have played out by now;
    // back ends call it whenever they pump events, on the game thread.
    void deliverWaveNotices();

    // Takes the next script line due by the frames run into effect, once everything posted
    // before it has been handled, so lines of one frame act in file order; false when none
    // was taken.
    bool applyDueScriptLine();
    // Closes the game the normal way, as the player closing the window does; once only.
    void closeFromOutside();
    bool closeRequested() const { return closeRequested_; }

    std::deque<Message>& queue() { return queue_; }
    const StateReporter& reporter() const { return reporter_; }

  private:
    void applyScriptLine(const ScriptEvent& event);
    void checkStateHash(const ScriptEvent& event);

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
    StateHashReporter hashReporter_;
    std::optional<std::filesystem::path> dataDirectory_;
    std::optional<std::uint32_t> seed_;
    std::unique_ptr<WaveOutput> waveOutput_;
    TimedWaveOutput* timedWaveOutput_ = nullptr;  // waveOutput_ when it keeps time

    long long framesRun_ = 0;
    std::vector<ScriptEvent> script_;
    std::size_t nextLine_ = 0;
    bool closeRequested_ = false;
    bool outputsWritten_ = true;
    bool diverged_ = false;
    std::unique_ptr<ScriptRecorder> recorder_;
};

}  // namespace cindervane::platform
