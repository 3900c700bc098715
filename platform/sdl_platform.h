// The SDL back end: the 240 x 320 screen in a desktop window, scaled by whole factors with
// sharp pixels; the mouse is the stylus, the keyboard and gamepads are the device's buttons.
#pragma once

#include <memory>
#include <vector>

#include "platform/audio/sdl_audio_output.h"
#include "platform/instance_lock.h"
#include "platform/platform_base.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct _SDL_GameController;

namespace cindervane::platform {

class SdlPlatform : public PlatformBase {
  public:
    explicit SdlPlatform(PlatformOptions options);
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
    bool soundAudible() const { return audio_ != nullptr; }

    // The whole factor the window is scaled by when it is made.
    int chosenScale() const;

  protected:
    bool openWindow(std::string_view title, bool fullScreen) override;
    void closeWindow() override;
    void pumpEvents() override;

  private:
    // Shows the window picture; unless `always`, only when it changed since last shown.
    void present(bool always);
    void toggleFullScreen();
    void openGamepad(int deviceIndex);
    void postStylus(std::uint32_t id, int windowX, int windowY);
    void postKey(std::uint32_t id, std::uint16_t code);

    bool videoReady_ = false;
    std::uint32_t outsideRequestEvent_ = 0;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    std::unique_ptr<InstanceLock> instanceLock_;
    _SDL_GameController* gamepad_ = nullptr;
    std::unique_ptr<SdlAudioOutput> audio_;
    bool stylusDown_ = false;
    bool swallowReturnUp_ = false;
    std::vector<std::uint8_t> shownPicture_;
};

}  // namespace cindervane::platform
