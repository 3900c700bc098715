// The SDL back end: the 240 x 320 screen in a desktop window, scaled by whole factors with
// sharp pixels; the mouse is the stylus, the keyboard and gamepads are the device's buttons
// and steer the ship through a virtual stylus (desktop_controls.h).
#pragma once

#include <atomic>
#include <memory>
#include <vector>

#include "platform/audio/sdl_audio_output.h"
#include "platform/desktop_controls.h"
#include "platform/instance_lock.h"
#include "platform/platform_base.h"
#include "platform/sdl_hand.h"

union SDL_Event;
struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct _SDL_GameController;
union SDL_Event;
struct SDL_WindowEvent;

namespace cindervane::platform {

class SdlPlatform : public PlatformBase {
  public:
    // With a script, the window plays it as a replay at the real pace, then hands over.
    explicit SdlPlatform(PlatformOptions options, std::vector<ScriptEvent> script = {});
    ~SdlPlatform() override;

    bool raiseRunningCopy(std::string_view className, std::string_view title) override;
    void showWindow() override;
    std::int64_t dispatchMessage(const Message& message) override;
    std::uint32_t tickCount() override;
    void waitForMessageOrTick(bool framesRunning, std::uint32_t dueTick) override;
    void frameFinished() override;
    void showMessageBox(std::string_view caption, std::string_view text, BoxIcon icon) override;
    void setWindowIcon(const Bitmap& picture, std::uint32_t transparentRgb) override;
    // The desktop's audio device, or silent devices that keep time when there is none (or
    // with --no-sound), or none at all with --no-wave-device.
    WaveOutput& waveOutput() override;
    void setPlayView(const PlayView& view) override;
    bool holdHand(const HandHold& hold) override;
    bool handPointer(int& x, int& y) const override;
    bool soundAudible() const { return audio_ != nullptr; }

    // The whole factor the window is scaled by when it is made.
    int chosenScale() const;
    // The largest whole factor whose window fits the desktop.
    int fittingScale() const;
    // The whole factor the window shows the screen at now.
    int windowScale() const;
    // The pointer the keys and the stick move outside flight.
    const DesktopControls& controls() const { return controls_; }

  protected:
    bool openWindow(std::string_view title, bool fullScreen) override;
    void closeWindow() override;
    void pumpEvents() override;

  private:
    // Shows the window picture; unless `always`, only when it changed since last shown.
    void present(bool always);
    void toggleFullScreen();
    void makePointer();
    // Ctrl and + or -: one whole factor larger or smaller, as far as the desktop allows.
    void changeScale(int step);
    void handleEvent(const SDL_Event& event);
    void handleWindowEvent(const SDL_WindowEvent& event);
    bool pollEvent(SDL_Event& event);
    void waitForEvent(int milliseconds);
    void showPicture(const void* pixels, int stride, long pointerAt);
    void openGamepad(int deviceIndex);
    void closeGamepad(int instanceId);
    void padButton(int button, bool down);
    // An arrow or W A S D key: true when the key steers.
    bool steeringKey(std::int32_t key, bool down);
    void buttonKey(std::int32_t key, bool down);
    void stylusEvent(bool down, int windowX, int windowY);
    void postKey(std::uint32_t id, std::uint16_t code);

    bool videoReady_ = false;
    std::uint32_t outsideRequestEvent_ = 0;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    SDL_Texture* pointer_ = nullptr;
    std::unique_ptr<InstanceLock> instanceLock_;
    std::vector<_SDL_GameController*> gamepads_;
    std::unique_ptr<SdlAudioOutput> audio_;
    DesktopControls controls_;
    SdlHand hand_;
    unsigned heldSteeringKeys_ = 0;  // one bit per steering key
    std::uint8_t padDirections_ = 0;
    int stickX_ = 0;
    int stickY_ = 0;
    bool cursorHidden_ = false;
    long shownPointer_ = -1;
    bool swallowReturnUp_ = false;
    std::atomic<bool> displayLost_ = false;
    bool displayLossSaid_ = false;
    std::vector<std::uint8_t> shownPicture_;
};

}  // namespace cindervane::platform
