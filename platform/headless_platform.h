// The headless back end: no window and nothing audible. A virtual tick count jumps to the
// next due frame whenever nothing is waiting, so runs are deterministic and as fast as the
// processor allows; input comes from a script, and message boxes are printed and dismissed.
// Sounds play on silent devices that keep virtual time: a buffer finishes once its playing
// time has gone by, and its notice arrives on the game thread before the next message or
// frame.
#pragma once

#include <vector>

#include "platform/headless_script.h"
#include "platform/platform_base.h"

namespace cindervane::platform {

struct ShownMessageBox {
    std::string caption;
    std::string text;
};

class HeadlessPlatform : public PlatformBase {
  public:
    // Where the virtual clock starts: a fixed value, so the default random seed is too.
    static constexpr std::uint32_t kStartTick = 100000;

    HeadlessPlatform(PlatformOptions options, std::vector<ScriptEvent> script);

    bool raiseRunningCopy(std::string_view, std::string_view) override { return false; }
    void showWindow() override {}
    std::uint32_t tickCount() override { return tick_; }
    void waitForMessageOrTick(bool framesRunning, std::uint32_t dueTick) override;
    void showMessageBox(std::string_view caption, std::string_view text, BoxIcon icon) override;

    // Moves the virtual clock on, as if the processor had been busy for a while.
    void advanceClock(std::uint32_t milliseconds) { tick_ += milliseconds; }
    const std::vector<ShownMessageBox>& messageBoxes() const { return messageBoxes_; }
    // The state dump as the script's dump line writes it, with every message box shown.
    nlohmann::json stateDump() const override;

  protected:
    bool openWindow(std::string_view title, bool fullScreen) override;
    // Says which script lines never came due before the game closed.
    void closeWindow() override;
    void pumpEvents() override;

  private:
    std::uint32_t tick_ = kStartTick;
    std::vector<ShownMessageBox> messageBoxes_;
};

}  // namespace cindervane::platform
