// The whole game on the desktop back end (SDL's dummy video driver), played with desktop keys
// and with a gamepad made by SDL's virtual joystick: the ship flies, fires and rolls, and
// the pointer taps through the menus. Frames are run one after another without waiting.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "../test_folder.h"
#include "game/cindervane_game.h"
#include "platform/sdl_platform.h"
#include "shell/tap_areas.h"

namespace cindervane {
namespace {

using platform::Message;

class DesktopPlay : public ::testing::Test {
  protected:
    void start(int stage) {
        ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        platform::PlatformOptions options;
        options.scale = 1;
        options.noSound = true;
        options.dataDirectory = data.path();
        host = std::make_unique<platform::SdlPlatform>(options);
        GameOptions gameOptions;
        gameOptions.startStage = stage;
        game = std::make_unique<CindervaneGame>(*host, gameOptions);
        app = createGameApp(*host, *game);
        ASSERT_TRUE(app->initInstance());
    }

    void TearDown() override {
        if (pad) SDL_JoystickClose(pad);
        if (app) host->destroyWindow();
    }

    // Every waiting message, then one frame, as the message loop runs them.
    void frame() {
        Message message;
        while (host->peekMessage(message))
            host->dispatchMessage(message);
        game->onFrame();
        host->frameFinished();
    }
    void frames(int count) {
        for (int i = 0; i < count; ++i)
            frame();
    }

    static void key(SDL_Keycode code, bool down, std::uint16_t modifiers = KMOD_NONE) {
        SDL_Event event{};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = code;
        event.key.keysym.mod = modifiers;
        SDL_PushEvent(&event);
    }
    void press(SDL_Keycode code) {
        key(code, true);
        frame();
        key(code, false);
        frame();
    }

    void plugPad() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Virtual pad";
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        ASSERT_GE(index, 0) << SDL_GetError();
        pad = SDL_JoystickOpen(index);
        ASSERT_NE(pad, nullptr) << SDL_GetError();
    }
    void padButton(SDL_GameControllerButton button, bool down) {
        SDL_JoystickSetVirtualButton(pad, button, down ? 1 : 0);
    }
    void padPress(SDL_GameControllerButton button) {
        padButton(button, true);
        frame();
        padButton(button, false);
        frame();
    }
    void stick(int x, int y) {
        SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, static_cast<Sint16>(x));
        SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, static_cast<Sint16>(y));
    }
    // Steers the pointer with the stick until it lies inside the box, on the real clock.
    bool pointAt(const TapArea& box) {
        const platform::DesktopControls& controls = host->controls();
        const auto push = [](int at, int low, int high) {
            return at < low + 4 ? 32767 : at > high - 4 ? -32768 : 0;
        };
        for (int tries = 0; tries < 400; ++tries) {
            const int x = push(controls.pointerX(), box.left, box.right);
            const int y = push(controls.pointerY(), box.top, box.bottom);
            stick(x, y);
            if (x == 0 && y == 0) {
                frame();
                return true;
            }
            SDL_Delay(5);
            frame();
        }
        return false;
    }
    // Stage 1 started from its intro by the given key, which taps outside flight.
    void startFlying(SDL_Keycode tapKey) {
        start(1);
        frame();
        press(tapKey);
        ASSERT_EQ(game->state().flow.screen, GameScreen::Play);
        frames(2);
    }
    // How far the ship moves in each of the next frames.
    void expectSteps(int dx, int dy, int count) {
        for (int i = 1; i <= count; ++i) {
            const int x = ship().getX(), y = ship().getY();
            frame();
            EXPECT_EQ(ship().getX() - x, dx) << "frame " << i;
            EXPECT_EQ(ship().getY() - y, dy) << "frame " << i;
        }
    }

    const PlayerShip& ship() { return *game->state().field.ship; }

    TestFolder runtime;
    TestFolder data;
    std::unique_ptr<platform::SdlPlatform> host;
    std::unique_ptr<CindervaneGame> game;
    std::unique_ptr<GameApp> app;
    SDL_Joystick* pad = nullptr;
};

TEST_F(DesktopPlay, HeldArrowsFlyTheShipAtFullSpeedAndLettingGoStopsIt) {
    startFlying(SDLK_RETURN);  // outside flight Enter taps: the intro starts the stage
    const int startX = ship().getX();
    key(SDLK_RIGHT, true);
    frames(2);  // the stylus comes down after the frame that sees the key
    expectSteps(8, 0, 5);
    EXPECT_TRUE(ship().isSteering());
    // W A S D steer too: up and right at once.
    key(SDLK_w, true);
    frame();
    expectSteps(8, -8, 1);
    key(SDLK_RIGHT, false);
    key(SDLK_w, false);
    frames(2);
    EXPECT_FALSE(ship().isSteering());
    expectSteps(0, 0, 3);
    EXPECT_GT(ship().getX(), startX);
    // With the power bar full the device's direction keys would charge; the arrows steer
    // only, and Left Shift is the Start button that charges.
    game->state().field.ship->setPower(100);
    key(SDLK_LEFT, true);
    frames(3);
    key(SDLK_LEFT, false);
    frame();
    EXPECT_FALSE(ship().isCharging());
    press(SDLK_LSHIFT);
    EXPECT_TRUE(ship().isCharging());
}

TEST_F(DesktopPlay, ZFiresXRollsAndLosingTheWindowPausesWithTheCKey) {
    startFlying(SDLK_SPACE);
    const bool firing = ship().getAutoFire();
    press(SDLK_z);
    EXPECT_NE(ship().getAutoFire(), firing);
    press(SDLK_x);
    EXPECT_TRUE(ship().isEvading());
    SDL_Event lost{};
    lost.type = SDL_WINDOWEVENT;
    lost.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    SDL_PushEvent(&lost);
    frame();
    EXPECT_EQ(game->state().flow.screen, GameScreen::Pause);
    EXPECT_TRUE(app->suspended());
}

TEST_F(DesktopPlay, CtrlPlusAndMinusScaleTheWindowByWholeFactorsThatFitTheDesktop) {
    start(1);
    frame();
    ASSERT_EQ(host->windowScale(), 1);
    const int largest = host->fittingScale();
    ASSERT_GE(largest, 2) << "the dummy desktop is 1024 x 768";
    for (int i = 0; i < largest + 1; ++i) {
        key(SDLK_EQUALS, true, KMOD_LCTRL);
        frame();
    }
    EXPECT_EQ(host->windowScale(), largest);
    key(SDLK_MINUS, true, KMOD_LCTRL);
    frame();
    EXPECT_EQ(host->windowScale(), std::max(1, largest - 1));
    for (int i = 0; i < largest; ++i) {
        key(SDLK_KP_MINUS, true, KMOD_RCTRL);
        frame();
    }
    EXPECT_EQ(host->windowScale(), 1);
}

TEST_F(DesktopPlay, AGamepadTapsThroughTheMenuThenSteersFiresAndRolls) {
    start(0);
    plugPad();
    frames(151);  // the maker's logo, then the prologue
    padPress(SDL_CONTROLLER_BUTTON_A);
    padPress(SDL_CONTROLLER_BUTTON_A);
    ASSERT_EQ(game->state().flow.screen, GameScreen::MainMenu);
    ASSERT_TRUE(pointAt(kNewGameArea));
    EXPECT_TRUE(host->controls().pointerShown());
    padPress(SDL_CONTROLLER_BUTTON_A);
    ASSERT_EQ(game->state().flow.screen, GameScreen::StageIntro);
    padPress(SDL_CONTROLLER_BUTTON_A);
    ASSERT_EQ(game->state().flow.screen, GameScreen::Play);
    frame();
    EXPECT_FALSE(host->controls().pointerShown());

    stick(-32768, 0);
    frames(2);
    expectSteps(-8, 0, 3);
    stick(0, 0);
    frames(2);
    EXPECT_FALSE(ship().isSteering());
    // The d-pad steers as well.
    padButton(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
    frames(2);
    const int y = ship().getY();
    frame();
    EXPECT_LT(ship().getY(), y);
    padButton(SDL_CONTROLLER_BUTTON_DPAD_UP, false);

    const bool firing = ship().getAutoFire();
    padPress(SDL_CONTROLLER_BUTTON_A);
    EXPECT_NE(ship().getAutoFire(), firing);
    padPress(SDL_CONTROLLER_BUTTON_B);
    EXPECT_TRUE(ship().isEvading());
    padPress(SDL_CONTROLLER_BUTTON_START);
    EXPECT_EQ(game->state().flow.screen, GameScreen::Pause);
}

}  // namespace
}  // namespace cindervane
