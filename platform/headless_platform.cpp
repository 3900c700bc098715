// The headless back end.
#include "platform/headless_platform.h"

#include <iostream>

#include <nlohmann/json.hpp>

namespace cindervane::platform {

HeadlessPlatform::HeadlessPlatform(PlatformOptions options, std::vector<ScriptEvent> script)
    : PlatformBase(std::move(options), std::move(script)) {}

bool HeadlessPlatform::openWindow(std::string_view, bool) {
    // A desktop activates a new window as soon as it appears.
    postMessage(Message{WM_ACTIVATE, 1, 0});
    return true;
}

void HeadlessPlatform::closeWindow() {
    reportUndueScriptLines();
}

void HeadlessPlatform::pumpEvents() {
    // Sounds that have played out by the virtual tick count finish first, so a frame sees
    // them finished.
    deliverWaveNotices();
    while (applyDueScriptLine()) {
    }
    // Every line due by the last frame has taken effect: close the game.
    if (queue().empty() && options().frameLimit && framesRun() >= *options().frameLimit)
        closeFromOutside();
}

nlohmann::json HeadlessPlatform::stateDump() const {
    nlohmann::json dump = PlatformBase::stateDump();
    nlohmann::json boxes = nlohmann::json::array();
    for (const ShownMessageBox& box : messageBoxes_)
        boxes.push_back({{"caption", box.caption}, {"text", box.text}});
    dump["messageBoxes"] = std::move(boxes);
    return dump;
}

void HeadlessPlatform::waitForMessageOrTick(bool framesRunning, std::uint32_t dueTick) {
    pumpEvents();
    if (!queue().empty()) return;
    if (!framesRunning) {
        // Nothing can wake a suspended game here: no desktop, and the script counts frames.
        std::cerr << "cindervane: the game is suspended and nothing is left to wake it; "
                     "closing\n";
        closeFromOutside();
        if (!windowExists()) postQuitMessage(0);
        return;
    }
    if (static_cast<std::int32_t>(tick_) <= static_cast<std::int32_t>(dueTick)) tick_ = dueTick + 1;
}

void HeadlessPlatform::showMessageBox(std::string_view caption, std::string_view text, BoxIcon) {
    std::cerr << caption << ": " << text << '\n';
    messageBoxes_.push_back(ShownMessageBox{std::string(caption), std::string(text)});
}

}  // namespace cindervane::platform
