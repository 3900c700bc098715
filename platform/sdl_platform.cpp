// The SDL back end.
#include "platform/sdl_platform.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <ctime>
#include <iostream>
#include <string>

#include "platform/keys.h"
#include "platform/lost_display.h"
#include "platform/sdl_bindings.h"

namespace cindervane::platform {

using namespace sdl_bindings;

SdlPlatform::SdlPlatform(PlatformOptions options, std::vector<ScriptEvent> script)
    : PlatformBase(std::move(options), std::move(script)),
      controls_([this](const Message& message) { postMessage(message); }) {
    handOverAfterScript();
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");  // sharp, nearest-neighbour pixels
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // The platform turns close signals into the game's close itself (SIGHUP too).
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        std::cerr << "cindervane: cannot start the video system: " << SDL_GetError() << '\n';
        return;
    }
    videoReady_ = true;
    outsideRequestEvent_ = SDL_RegisterEvents(1);
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        std::cerr << "cindervane: gamepads are unavailable: " << SDL_GetError() << '\n';
    } else {
        // Mappings for pads SDL does not know yet, kept by the player beside the high scores.
        // Pads already plugged in arrive as events, after these are read.
        const std::filesystem::path mappings = dataDirectory() / "gamecontrollerdb.txt";
        std::error_code error;
        if (std::filesystem::is_regular_file(mappings, error) &&
            SDL_GameControllerAddMappingsFromFile(mappings.c_str()) < 0)
            std::cerr << "cindervane: " << mappings.string() << ": " << SDL_GetError() << '\n';
    }
    if (!PlatformBase::options().noSound && !PlatformBase::options().noWaveDevice) {
        std::string error;
        audio_ = SdlAudioOutput::start(error);
        // A machine without sound still plays the game, in silence.
        if (!audio_)
            std::cerr << "cindervane: no sound device (" << error << "); playing in silence\n";
    }
}

SdlPlatform::~SdlPlatform() {
    audio_.reset();
    instanceLock_.reset();
    closeWindow();
    hand_.release();
    for (SDL_GameController* pad : gamepads_)
        SDL_GameControllerClose(pad);
    // With the display gone, SDL's own goodbye to it would only wait on a dead connection.
    if (videoReady_ && !displayLost_) SDL_Quit();
}

bool SdlPlatform::raiseRunningCopy(std::string_view className, std::string_view) {
    if (!videoReady_) return false;
    std::string name(className);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::uint32_t eventType = outsideRequestEvent_;
    std::string error;
    // One copy for each data folder, so two copies never write over each other's scores.
    const std::filesystem::path folder = dataDirectory();
    instanceLock_ = InstanceLock::acquire(
        folder, name,
        [eventType](OutsideRequest request) {
            // Runs on the listener's thread: SDL_PushEvent is safe from any thread.
            SDL_Event event{};
            event.type = eventType;
            event.user.code = request == OutsideRequest::Raise ? 0 : 1;
            SDL_PushEvent(&event);
        },
        error);
    if (instanceLock_) {
        if (!error.empty()) std::cerr << "cindervane: " << error << '\n';
        return false;
    }
    if (!error.empty()) {
        std::cerr << "cindervane: " << error << "; running without the single-copy guard\n";
        return false;
    }
    InstanceLock::sendRequest(folder, name, OutsideRequest::Raise);
    return true;
}

int SdlPlatform::chosenScale() const {
    if (options().scale > 0) return options().scale;
    return fittingScale();
}

int SdlPlatform::fittingScale() const {
    SDL_Rect usable{0, 0, kScreenWidth, kScreenHeight};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return 2;
    // Leave room for the window's title bar and frame.
    const int byWidth = (usable.w - 16) / kScreenWidth;
    const int byHeight = (usable.h - 48) / kScreenHeight;
    return std::max(1, std::min(byWidth, byHeight));
}

bool SdlPlatform::openWindow(std::string_view title, bool) {
    if (!videoReady_) return false;
    const int scale = chosenScale();
    std::uint32_t flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    if (options().fullScreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    const std::string caption(title);
    window_ = SDL_CreateWindow(caption.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               kScreenWidth * scale, kScreenHeight * scale, flags);
    if (!window_) {
        std::cerr << "cindervane: cannot open the window: " << SDL_GetError() << '\n';
        return false;
    }
    SDL_SetWindowMinimumSize(window_, kScreenWidth, kScreenHeight);
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) {
        std::cerr << "cindervane: cannot draw into the window: " << SDL_GetError() << '\n';
        closeWindow();
        return false;
    }
    // The screen keeps its shape and whole-number scale; the rest of the window is black.
    SDL_RenderSetLogicalSize(renderer_, kScreenWidth, kScreenHeight);
    SDL_RenderSetIntegerScale(renderer_, SDL_TRUE);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                 kScreenWidth, kScreenHeight);
    if (!texture_) {
        std::cerr << "cindervane: cannot make the screen texture: " << SDL_GetError() << '\n';
        closeWindow();
        return false;
    }
    makePointer();
    watchForLostDisplay(window_);
    // A new window is the active one; later focus changes arrive as events.
    postMessage(Message{WM_ACTIVATE, 1, 0});
    return true;
}

// The calls that talk to the window system, each guarded against a lost display.
bool SdlPlatform::pollEvent(SDL_Event& event) {
    bool got = false;
    if (!callGuarded([&] { got = SDL_PollEvent(&event) != 0; })) displayLost_ = true;
    return got && !displayLost_;
}

void SdlPlatform::waitForEvent(int milliseconds) {
    if (!callGuarded([&] { SDL_WaitEventTimeout(nullptr, milliseconds); })) displayLost_ = true;
}

// The picture, and the gamepad's pointer over it when one is shown (pointerAt >= 0); the
// pointer lies on the desktop's copy only, the game's picture never holds it.
void SdlPlatform::showPicture(const void* pixels, int stride, long pointerAt) {
    const bool shown = callGuarded([&] {
        SDL_UpdateTexture(texture_, nullptr, pixels, stride);
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
        if (pointer_ && pointerAt >= 0) {
            const SDL_Rect at{controls_.pointerX(), controls_.pointerY(), kPointerWidth,
                              kPointerHeight};
            SDL_RenderCopy(renderer_, pointer_, nullptr, &at);
        }
        SDL_RenderPresent(renderer_);
    });
    if (!shown) displayLost_ = true;
}

void SdlPlatform::closeWindow() {
    if (displayLost_) {
        // Nothing of the window can be released through a connection that is gone.
        pointer_ = nullptr;
        texture_ = nullptr;
        renderer_ = nullptr;
        window_ = nullptr;
        return;
    }
    if (pointer_) SDL_DestroyTexture(pointer_);
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    pointer_ = nullptr;
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
}

void SdlPlatform::showWindow() {
    if (!window_) return;
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
    present(true);
}

void SdlPlatform::present(bool always) {
    if (!renderer_ || !texture_ || displayLost_) return;
    const Bitmap& picture = windowPicture();
    // A frame that changed nothing on the screen costs no scaling and no copy to the desktop.
    const std::size_t bytes = static_cast<std::size_t>(picture.stride()) * picture.height();
    const long pointerAt =
        controls_.pointerShown() ? controls_.pointerY() * kScreenWidth + controls_.pointerX() : -1;
    const bool unchanged = shownPicture_.size() == bytes && shownPointer_ == pointerAt &&
                           std::memcmp(shownPicture_.data(), picture.bits(), bytes) == 0;
    if (unchanged && !always) return;
    shownPicture_.assign(picture.bits(), picture.bits() + bytes);
    shownPointer_ = pointerAt;
    showPicture(picture.bits(), picture.stride(), pointerAt);
}

void SdlPlatform::makePointer() {
    pointer_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                                 kPointerWidth, kPointerHeight);
    if (!pointer_) return;
    std::uint32_t pixels[kPointerWidth * kPointerHeight];
    for (int y = 0; y < kPointerHeight; ++y)
        for (int x = 0; x < kPointerWidth; ++x) {
            const char c = kPointerShape[y][x];
            pixels[y * kPointerWidth + x] = c == '#' ? 0xFF000000u : c == 'o' ? 0xFFFFFFFFu : 0;
        }
    SDL_UpdateTexture(pointer_, nullptr, pixels, kPointerWidth * 4);
    SDL_SetTextureBlendMode(pointer_, SDL_BLENDMODE_BLEND);
}

int SdlPlatform::windowScale() const {
    if (!window_) return 0;
    int width = 0, height = 0;
    SDL_GetWindowSize(window_, &width, &height);
    return std::max(1, std::min(width / kScreenWidth, height / kScreenHeight));
}

void SdlPlatform::changeScale(int step) {
    if (!window_ || (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) return;
    int width = 0, height = 0;
    SDL_GetWindowSize(window_, &width, &height);
    const int now = windowScale();
    const int wanted = std::clamp(now + step, 1, std::max(now, fittingScale()));
    if (wanted == now && width == kScreenWidth * now && height == kScreenHeight * now) return;
    SDL_SetWindowSize(window_, kScreenWidth * wanted, kScreenHeight * wanted);
    postMessage(Message{WM_PAINT, 0, 0});
}

void SdlPlatform::setPlayView(const PlayView& view) {
    controls_.setPlayView(view);
}

bool SdlPlatform::holdHand(const HandHold& hold) {
    return videoReady_ && hand_.hold(hold);
}

bool SdlPlatform::handPointer(int& x, int& y) const {
    x = controls_.pointerX();
    y = controls_.pointerY();
    return true;
}

void SdlPlatform::toggleFullScreen() {
    if (!window_) return;
    const bool isFull = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
    SDL_SetWindowFullscreen(window_, isFull ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    postMessage(Message{WM_PAINT, 0, 0});
}

void SdlPlatform::openGamepad(int deviceIndex) {
    if (!SDL_IsGameController(deviceIndex)) return;
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    for (SDL_GameController* pad : gamepads_)
        if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)) == id) return;
    if (SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex)) gamepads_.push_back(pad);
}

void SdlPlatform::closeGamepad(int instanceId) {
    for (auto pad = gamepads_.begin(); pad != gamepads_.end(); ++pad) {
        if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(*pad)) != instanceId) continue;
        SDL_GameControllerClose(*pad);
        gamepads_.erase(pad);
        // A pad pulled out lets go of whatever it held.
        padDirections_ = 0;
        stickX_ = stickY_ = 0;
        controls_.setPadDirections(0);
        controls_.setStick(0, 0);
        controls_.tapButton(Hand::Gamepad, false);
        return;
    }
}

void SdlPlatform::padButton(int button, bool down) {
    for (const PadDirection& pad : kPadDirections) {
        if (pad.button != button) continue;
        padDirections_ =
            down ? (padDirections_ | pad.direction) : (padDirections_ & ~pad.direction);
        controls_.setPadDirections(padDirections_);
        return;
    }
    if (button == SDL_CONTROLLER_BUTTON_A && controls_.tapButton(Hand::Gamepad, down)) return;
    postKey(down ? WM_KEYDOWN : WM_KEYUP, codeForPadButton(button));
}

bool SdlPlatform::steeringKey(SDL_Keycode key, bool down) {
    for (std::size_t i = 0; i < std::size(kSteeringKeys); ++i) {
        if (kSteeringKeys[i].key != key) continue;
        const unsigned bit = 1u << i;
        heldSteeringKeys_ = down ? (heldSteeringKeys_ | bit) : (heldSteeringKeys_ & ~bit);
        std::uint8_t directions = 0;
        for (std::size_t k = 0; k < std::size(kSteeringKeys); ++k)
            if (heldSteeringKeys_ & (1u << k)) directions |= kSteeringKeys[k].direction;
        controls_.setKeyDirections(directions);
        return true;
    }
    return false;
}

void SdlPlatform::buttonKey(SDL_Keycode key, bool down) {
    // Outside flight a tap key presses the stylus at the pointer (its repeats press nothing
    // new); in flight it is the device's button.
    const bool tapKey =
        std::find(std::begin(kTapKeys), std::end(kTapKeys), key) != std::end(kTapKeys);
    if (tapKey && controls_.tapButton(Hand::Keyboard, down)) return;
    // Repeats included, as the device sends them.
    postKey(down ? WM_KEYDOWN : WM_KEYUP, codeForKey(key));
}

void SdlPlatform::stylusEvent(bool down, int windowX, int windowY) {
    // The renderer maps window pixels to screen pixels; points in the black bars are held
    // to the screen's edge, as a stylus cannot leave it.
    controls_.mouseButton(down, std::clamp(windowX, 0, kScreenWidth - 1),
                          std::clamp(windowY, 0, kScreenHeight - 1));
}

void SdlPlatform::postKey(std::uint32_t id, std::uint16_t code) {
    if (code != 0) postMessage(Message{id, code, 0});
}

WaveOutput& SdlPlatform::waveOutput() {
    if (audio_) return *audio_;
    return PlatformBase::waveOutput();
}

void SdlPlatform::pumpEvents() {
    deliverWaveNotices();
    if (!videoReady_) return;
    if (displayLost_) {
        // The desktop is gone: the game closes the normal way, saving its scores, and the
        // window system is not asked for anything more.
        if (!displayLossSaid_) {
            std::cerr << "cindervane: the display went away; closing the game\n";
            displayLossSaid_ = true;
        }
        closeFromOutside();
        return;
    }
    SDL_Event event;
    while (pollEvent(event))
        handleEvent(event);
    controls_.update(tickCount());
    // The desktop's pointer hides over the window while the ship flies.
    const bool hideCursor = controls_.playView().flying;
    if (hideCursor != cursorHidden_) {
        SDL_ShowCursor(hideCursor ? SDL_DISABLE : SDL_ENABLE);
        cursorHidden_ = hideCursor;
    }
    // A replay being watched: its lines due by now, after the player's own events.
    while (applyDueScriptLine()) {
    }
}

void SdlPlatform::handleWindowEvent(const SDL_WindowEvent& event) {
    switch (event.event) {
        case SDL_WINDOWEVENT_CLOSE:
            closeFromOutside();
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            postMessage(Message{WM_ACTIVATE, 1, 0});
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            // Coming back never drops the player into the action: during play the player's
            // C key is pressed first, as a key the game and its replays see.
            if (controls_.playView().pausable) {
                postKey(WM_KEYDOWN, VK_KEY_C);
                postKey(WM_KEYUP, VK_KEY_C);
            }
            heldSteeringKeys_ = 0;
            padDirections_ = 0;
            stickX_ = stickY_ = 0;
            controls_.releaseAll();
            postMessage(Message{WM_ACTIVATE, 0, 0});
            postMessage(Message{WM_KILLFOCUS, 0, 0});
            break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            postMessage(Message{WM_PAINT, 0, 0});
            break;
        default:
            break;
    }
}

void SdlPlatform::handleEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
            closeFromOutside();
            break;
        case SDL_WINDOWEVENT:
            handleWindowEvent(event.window);
            break;
        case SDL_KEYDOWN: {
            const SDL_Keycode key = event.key.keysym.sym;
            const std::uint16_t mod = event.key.keysym.mod;
            if (key == SDLK_F11 || ((mod & KMOD_ALT) && key == SDLK_RETURN)) {
                if (!event.key.repeat) toggleFullScreen();
                if (key == SDLK_RETURN) swallowReturnUp_ = true;
                break;
            }
            if (mod & KMOD_CTRL) {
                if (key == SDLK_PLUS || key == SDLK_EQUALS || key == SDLK_KP_PLUS) {
                    changeScale(+1);
                    break;
                }
                if (key == SDLK_MINUS || key == SDLK_KP_MINUS) {
                    changeScale(-1);
                    break;
                }
            }
            if (!steeringKey(key, true)) buttonKey(key, true);
            break;
        }
        case SDL_KEYUP: {
            const SDL_Keycode key = event.key.keysym.sym;
            if (key == SDLK_RETURN && swallowReturnUp_) {
                swallowReturnUp_ = false;
                break;
            }
            if (key == SDLK_F11) break;
            if (!steeringKey(key, false)) buttonKey(key, false);
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (event.button.button == SDL_BUTTON_LEFT)
                stylusEvent(event.type == SDL_MOUSEBUTTONDOWN, event.button.x, event.button.y);
            break;
        case SDL_MOUSEMOTION:
            controls_.mouseMoved(std::clamp(event.motion.x, 0, kScreenWidth - 1),
                                 std::clamp(event.motion.y, 0, kScreenHeight - 1));
            break;
        case SDL_CONTROLLERDEVICEADDED:
            openGamepad(event.cdevice.which);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            closeGamepad(event.cdevice.which);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            padButton(event.cbutton.button, event.type == SDL_CONTROLLERBUTTONDOWN);
            break;
        case SDL_CONTROLLERAXISMOTION:
            if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) {
                stickX_ = event.caxis.value;
            } else if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) {
                stickY_ = event.caxis.value;
            } else {
                break;
            }
            controls_.setStick(stickX_, stickY_);
            break;
        default:
            if (event.type == outsideRequestEvent_) {
                if (event.user.code == 0 && window_) {
                    SDL_RestoreWindow(window_);
                    SDL_RaiseWindow(window_);
                } else if (event.user.code == 1) {
                    postMessage(Message{WM_SUSPEND_REQUEST, 0, 0});
                }
            }
            break;
    }
}

std::int64_t SdlPlatform::dispatchMessage(const Message& message) {
    const std::int64_t result = PlatformBase::dispatchMessage(message);
    // Painting draws into the window's picture; put it on the desktop at once.
    if (message.id == WM_PAINT) present(true);
    return result;
}

std::uint32_t SdlPlatform::tickCount() {
    // Milliseconds since the machine started, as the device counts them, and not since SDL
    // started: the default seed of the game's generator is the tick count, and SDL's own
    // count would give nearly every game the same few seeds.
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                                      static_cast<std::uint64_t>(now.tv_nsec) / 1000000u);
}

void SdlPlatform::waitForMessageOrTick(bool framesRunning, std::uint32_t dueTick) {
    if (!videoReady_) return;
    pumpEvents();
    if (!queue().empty() || displayLost_) return;
    if (!framesRunning) {
        waitForEvent(250);
        return;
    }
    // The frame is due once the tick count is past dueTick.
    const std::int32_t remaining =
        static_cast<std::int32_t>(dueTick) - static_cast<std::int32_t>(tickCount()) + 1;
    if (remaining > 0) waitForEvent(remaining);
}

void SdlPlatform::frameFinished() {
    PlatformBase::frameFinished();
    present(false);
    if (options().frameLimit && framesRun() == *options().frameLimit) closeFromOutside();
}

void SdlPlatform::setWindowIcon(const Bitmap& picture, std::uint32_t transparentRgb) {
    if (!window_ || picture.width() < 1 || picture.height() < 1) return;
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormat(0, picture.width(), picture.height(), 32,
                                                       SDL_PIXELFORMAT_ARGB8888);
    if (!icon) return;
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(icon->pixels) +
                                                     y * icon->pitch);
        for (int x = 0; x < picture.width(); ++x) {
            const std::uint32_t rgb = picture.rgbAt(x, y) & 0xFFFFFF;
            row[x] = rgb == transparentRgb ? 0 : (0xFF000000u | rgb);
        }
    }
    SDL_SetWindowIcon(window_, icon);
    SDL_FreeSurface(icon);
}

void SdlPlatform::showMessageBox(std::string_view caption, std::string_view text, BoxIcon icon) {
    const std::string captionText(caption);
    const std::string bodyText(text);
    const std::uint32_t flags =
        icon == BoxIcon::Error ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
    std::cerr << captionText << ": " << bodyText << '\n';
    if (displayLost_) return;  // no desktop left to show it on: the line has said it
    if (SDL_ShowSimpleMessageBox(flags, captionText.c_str(), bodyText.c_str(), window_) != 0) {
        // No way to show a box (no desktop): the line on stderr has said it.
    }
}

}  // namespace cindervane::platform
