// The application shell.
#include "gamelibrary/game_app.h"

#include <cstdio>

#include <nlohmann/json.hpp>

#include "gamelibrary/surface.h"

namespace cindervane {

using namespace platform;

GameApp::GameApp(Platform& platform, GameCallbacks& game, std::string_view className)
    : platform_(platform),
      game_(game),
      className_(className.empty() ? "<Unnamed Window Class>"
                                   : std::string(className.substr(0, kNameLength))) {}

bool GameApp::initInstance() {
    // A second copy only raises the first one and ends.
    if (platform_.raiseRunningCopy(className_, title_)) return false;

    if (!platform_.registerWindowClass(
            className_, [this](const Message& message) { return windowProc(message); })) {
        reportStartupError("Could not register window class!");
        return false;
    }
    platform_.setStateReporter([this](nlohmann::json& dump) {
        dump["suspended"] = suspended_;
        game_.reportState(dump);
    });
    platform_.setStateHashReporter([this] { return game_.stateHash(); });
    if (!platform_.createWindow(title_, fullScreen || gapiDisplay)) {
        reportStartupError("Could not create the game window!");
        return false;
    }
    showIcon();
    platform_.showWindow();
    // The direct display mode needs a 16-bit screen; ours is in the desktop's 32-bit
    // format, so a game that asked for it could not run. This game does not ask.
    if (gapiDisplay) {
        reportStartupError("Full 16-bit color display is required!");
        return false;
    }
    keyList_ = platform_.defaultKeys();
    return true;
}

int GameApp::runMessageLoop() {
    for (;;) {
        try {
            Message message;
            if (platform_.peekMessage(message)) {
                if (message.id == WM_QUIT) return static_cast<int>(message.wParam);
                platform_.dispatchMessage(message);
                continue;
            }
            if (!suspended_) {
                const std::uint32_t now = platform_.tickCount();
                // Strictly later, compared as signed 32-bit counts; the next frame is due
                // one interval after this one starts, so a late frame is never made up.
                if (static_cast<std::int32_t>(now) > nextFrameTime_) {
                    nextFrameTime_ =
                        static_cast<std::int32_t>(now + static_cast<std::uint32_t>(frameInterval));
                    struct FrameEnd {
                        Platform& platform;
                        ~FrameEnd() { platform.frameFinished(); }
                    } frameEnd{platform_};
                    game_.onFrame();
                    continue;
                }
            }
            platform_.waitForMessageOrTick(!suspended_, static_cast<std::uint32_t>(nextFrameTime_));
        } catch (...) {
            platform_.showMessageBox("Error", "Exception error!", BoxIcon::Error);
        }
    }
}

std::int64_t GameApp::windowProc(const Message& message) {
    switch (message.id) {
        case WM_CREATE:
            game_.onCreateGame();
            return 0;
        case WM_DESTROY:
            game_.onDestroyGame();
            platform_.postQuitMessage(0);
            return 0;
        case WM_ACTIVATE:
            // Activation and deactivation alike let frames run; losing the focus stops them.
            // A desktop has no task bar to hide here, so the full-screen bars need no work.
            game_.onActivate();
            suspended_ = false;
            return 0;
        case WM_KILLFOCUS:
            suspended_ = true;
            return 0;
        case WM_PAINT:
            game_.onPaint();
            return 0;
        case WM_KEYDOWN:
            routeKey(message, true);
            return 0;
        case WM_KEYUP:
            routeKey(message, false);
            return 0;
        case WM_MOUSEMOVE:
            game_.onStylusMove(pointParamX(message.lParam), pointParamY(message.lParam));
            return 0;
        case WM_LBUTTONDOWN:
            game_.onStylusDown(pointParamX(message.lParam), pointParamY(message.lParam));
            return 0;
        case WM_LBUTTONUP:
            game_.onStylusUp(pointParamX(message.lParam), pointParamY(message.lParam));
            return 0;
        case WM_SUSPEND_REQUEST:
            // Sent from outside: stop frames until the next activation.
            suspended_ = true;
            return 0;
        default:
            return platform_.defaultWindowProcedure(message);
    }
}

void GameApp::showIcon() {
    // The icon resource is a picture beside the program named after its number; a game
    // without one simply has the desktop's default icon.
    char name[16];
    std::snprintf(name, sizeof name, "O%04u.BAI", static_cast<unsigned>(iconId));
    Surface icon(nullptr);
    if (icon.loadImage(pathBesideProgram(name)) && icon.bitmap())
        platform_.setWindowIcon(*icon.bitmap(), 0x0000FF);  // pure blue stays out
}

void GameApp::routeKey(const Message& message, bool down) {
    // A key that maps to no button is swallowed.
    const std::optional<MappedKey> key = mapKey(keyList_, message.wParam);
    if (!key) return;
    if (down) {
        game_.onKeyDown(key->index, key->point.x, key->point.y);
    } else {
        game_.onKeyUp(key->index, key->point.x, key->point.y);
    }
}

void GameApp::fatalError(std::string_view text) {
    platform_.showMessageBox("Fatal Error", text, BoxIcon::Error);
    requestClose();
}

void GameApp::requestClose() {
    platform_.postMessage(Message{WM_CLOSE, 0, 0});
}

void GameApp::reportStartupError(std::string_view text, std::source_location where) {
    const std::string body =
        title_ + ":\n" + std::string(text) + "\ngamelibrary, " + std::to_string(where.line());
    platform_.showMessageBox(title_, body, BoxIcon::Information);
}

std::string GameApp::pathBesideProgram(std::string_view name) const {
    std::string path = platform_.assetDirectory().string();
    if (path.empty() || path.back() != '/') path += '/';
    path += name;
    return path;
}

int runApplication(Platform& platform, GameCallbacks& game, const CreateGameApp& createGameApp) {
    std::unique_ptr<GameApp> app = createGameApp(platform, game);
    if (!app) {
        game.onDestroyGame();
        return 1;
    }
    if (!app->initInstance()) return 0;
    return app->runMessageLoop();
}

}  // namespace cindervane
