// The SDL back end.
#include "platform/sdl_platform.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <iostream>
#include <string>

#include "platform/keys.h"

namespace cindervane::platform {

namespace {

// Desktop keys that stand for the device's buttons. Several keys may give one code.
struct KeyBinding {
    SDL_Keycode key;
    std::uint16_t code;
};

constexpr KeyBinding kKeyBindings[] = {
    {SDLK_UP, VK_UP},       {SDLK_DOWN, VK_DOWN},     {SDLK_LEFT, VK_LEFT},
    {SDLK_RIGHT, VK_RIGHT}, {SDLK_RETURN, VK_RETURN}, {SDLK_KP_ENTER, VK_RETURN},
    {SDLK_z, VK_KEY_Z},     {SDLK_SPACE, VK_KEY_Z},   {SDLK_x, VK_KEY_X},
    {SDLK_c, VK_KEY_C},     {SDLK_ESCAPE, VK_KEY_C},  {SDLK_p, VK_KEY_C},
    {SDLK_F3, VK_F3},       {SDLK_F4, VK_F4},
};

// Gamepad buttons: the pad steers and charges, south fires, east evades, Start pauses.
struct PadBinding {
    SDL_GameControllerButton button;
    std::uint16_t code;
};

constexpr PadBinding kPadBindings[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_UP, VK_UP},     {SDL_CONTROLLER_BUTTON_DPAD_DOWN, VK_DOWN},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, VK_LEFT}, {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, VK_RIGHT},
    {SDL_CONTROLLER_BUTTON_A, VK_KEY_Z},        {SDL_CONTROLLER_BUTTON_B, VK_KEY_X},
    {SDL_CONTROLLER_BUTTON_X, VK_RETURN},       {SDL_CONTROLLER_BUTTON_Y, VK_RETURN},
    {SDL_CONTROLLER_BUTTON_START, VK_KEY_C},    {SDL_CONTROLLER_BUTTON_BACK, VK_KEY_C},
};

std::uint16_t codeForKey(SDL_Keycode key) {
    for (const KeyBinding& binding : kKeyBindings)
        if (binding.key == key) return binding.code;
    return 0;
}

std::uint16_t codeForPadButton(int button) {
    for (const PadBinding& binding : kPadBindings)
        if (binding.button == button) return binding.code;
    return 0;
}

}  // namespace

SdlPlatform::SdlPlatform(PlatformOptions options) : PlatformBase(std::move(options)) {
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
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
        std::cerr << "cindervane: gamepads are unavailable: " << SDL_GetError() << '\n';
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
    if (gamepad_) SDL_GameControllerClose(gamepad_);
    if (videoReady_) SDL_Quit();
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
    // A new window is the active one; later focus changes arrive as events.
    postMessage(Message{WM_ACTIVATE, 1, 0});
    return true;
}

void SdlPlatform::closeWindow() {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
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
    if (!renderer_ || !texture_) return;
    const Bitmap& picture = windowPicture();
    // A frame that changed nothing on the screen costs no scaling and no copy to the desktop.
    const std::size_t bytes = static_cast<std::size_t>(picture.stride()) * picture.height();
    const bool unchanged = shownPicture_.size() == bytes &&
                           std::memcmp(shownPicture_.data(), picture.bits(), bytes) == 0;
    if (unchanged && !always) return;
    shownPicture_.assign(picture.bits(), picture.bits() + bytes);
    SDL_UpdateTexture(texture_, nullptr, picture.bits(), picture.stride());
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
}

void SdlPlatform::toggleFullScreen() {
    if (!window_) return;
    const bool isFull = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
    SDL_SetWindowFullscreen(window_, isFull ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    postMessage(Message{WM_PAINT, 0, 0});
}

void SdlPlatform::openGamepad(int deviceIndex) {
    if (gamepad_ || !SDL_IsGameController(deviceIndex)) return;
    gamepad_ = SDL_GameControllerOpen(deviceIndex);
}

void SdlPlatform::postStylus(std::uint32_t id, int x, int y) {
    // The renderer maps window pixels to screen pixels; points in the black bars are held
    // to the screen's edge, as a stylus cannot leave it.
    x = std::clamp(x, 0, kScreenWidth - 1);
    y = std::clamp(y, 0, kScreenHeight - 1);
    postMessage(Message{id, id == WM_LBUTTONUP ? 0u : 1u, makePointParam(x, y)});
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
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
            case SDL_QUIT:
                closeFromOutside();
                break;
            case SDL_WINDOWEVENT:
                switch (event.window.event) {
                    case SDL_WINDOWEVENT_CLOSE:
                        closeFromOutside();
                        break;
                    case SDL_WINDOWEVENT_FOCUS_GAINED:
                        postMessage(Message{WM_ACTIVATE, 1, 0});
                        break;
                    case SDL_WINDOWEVENT_FOCUS_LOST:
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
                break;
            case SDL_KEYDOWN: {
                const SDL_Keycode key = event.key.keysym.sym;
                const bool alt = (event.key.keysym.mod & KMOD_ALT) != 0;
                if (key == SDLK_F11 || (alt && key == SDLK_RETURN)) {
                    if (!event.key.repeat) toggleFullScreen();
                    if (key == SDLK_RETURN) swallowReturnUp_ = true;
                    break;
                }
                postKey(WM_KEYDOWN, codeForKey(key));  // repeats included, as the device sends
                break;
            }
            case SDL_KEYUP:
                if (event.key.keysym.sym == SDLK_RETURN && swallowReturnUp_) {
                    swallowReturnUp_ = false;
                    break;
                }
                if (event.key.keysym.sym == SDLK_F11) break;
                postKey(WM_KEYUP, codeForKey(event.key.keysym.sym));
                break;
            case SDL_MOUSEBUTTONDOWN:
                if (event.button.button == SDL_BUTTON_LEFT) {
                    stylusDown_ = true;
                    postStylus(WM_LBUTTONDOWN, event.button.x, event.button.y);
                }
                break;
            case SDL_MOUSEMOTION:
                // The stylus only moves while it touches the screen.
                if (stylusDown_) postStylus(WM_MOUSEMOVE, event.motion.x, event.motion.y);
                break;
            case SDL_MOUSEBUTTONUP:
                if (event.button.button == SDL_BUTTON_LEFT && stylusDown_) {
                    stylusDown_ = false;
                    postStylus(WM_LBUTTONUP, event.button.x, event.button.y);
                }
                break;
            case SDL_CONTROLLERDEVICEADDED:
                openGamepad(event.cdevice.which);
                break;
            case SDL_CONTROLLERDEVICEREMOVED:
                if (gamepad_ && SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(gamepad_)) ==
                                    event.cdevice.which) {
                    SDL_GameControllerClose(gamepad_);
                    gamepad_ = nullptr;
                }
                break;
            case SDL_CONTROLLERBUTTONDOWN:
                postKey(WM_KEYDOWN, codeForPadButton(event.cbutton.button));
                break;
            case SDL_CONTROLLERBUTTONUP:
                postKey(WM_KEYUP, codeForPadButton(event.cbutton.button));
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
}

std::int64_t SdlPlatform::dispatchMessage(const Message& message) {
    const std::int64_t result = PlatformBase::dispatchMessage(message);
    // Painting draws into the window's picture; put it on the desktop at once.
    if (message.id == WM_PAINT) present(true);
    return result;
}

std::uint32_t SdlPlatform::tickCount() {
    return SDL_GetTicks();
}

void SdlPlatform::waitForMessageOrTick(bool framesRunning, std::uint32_t dueTick) {
    if (!videoReady_) return;
    pumpEvents();
    if (!queue().empty()) return;
    if (!framesRunning) {
        SDL_WaitEventTimeout(nullptr, 250);
        return;
    }
    // The frame is due once the tick count is past dueTick.
    const std::int32_t remaining =
        static_cast<std::int32_t>(dueTick) - static_cast<std::int32_t>(tickCount()) + 1;
    if (remaining > 0) SDL_WaitEventTimeout(nullptr, remaining);
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
    if (SDL_ShowSimpleMessageBox(flags, captionText.c_str(), bodyText.c_str(), window_) != 0) {
        // No way to show a box (no desktop): the line on stderr has said it.
    }
}

}  // namespace cindervane::platform
