// The head-up display of the play screen.
#include "shell/head_up_display.h"

#include <charconv>
#include <string_view>

#include "platform/draw/blit.h"
#include "platform/draw/draw_text.h"
#include "play/player_ship.h"
#include "shell/play_overlays.h"

namespace cindervane {

namespace {

using platform::Rect;
using platform::TextFormat;

constexpr Rect kPanelStrip{0, 298, 240, 320};
constexpr int kPanelTop = 298;
constexpr int kHpBarX = 11;
constexpr int kHpBarY = 300;
constexpr int kHpBarWidth = 99;
constexpr int kHpBarHeight = 7;
constexpr int kPowerBarX = 11;
constexpr int kPowerBarWidth = 81;
constexpr int kEvadeBarX = 114;
constexpr int kEvadeBarWidth = 34;
constexpr int kLowBarTop = 311;
constexpr int kLowBarBottom = 316;
constexpr Rect kScoreText{140, 297, 235, 325};
constexpr Rect kMoneyText{177, 308, 235, 325};
constexpr platform::ColourRef kLabelShadow = 0xFF0000;  // blue
constexpr platform::ColourRef kLabelColour = 0xF4FED4;  // pale mint
constexpr platform::ColourRef kWhite = 0xFFFFFF;
constexpr int kLabelFont = 3;
constexpr int kFiguresFont = 0;

void fill(const GameState& state, platform::DeviceContext& target, const Rect& rect, int brush) {
    if (state.run.brushes[brush]) platform::fillRect(target, rect, *state.run.brushes[brush]);
}

// The label rises one row a frame, drawn with a blue edge either side: this frame it shows
// one row above where the last frame left its record (the play frame's step moves the record
// up after the drawing). It starts at the picked item's left edge, as the game has it, so an
// item picked near the right edge of the screen carries its label partly off the screen; its
// own rectangle holds every label.
void drawPickupLabel(const GameState& state, platform::DeviceContext& target) {
    if (state.flow.pickupIndex < 0 || state.flow.pickupIndex >= kPickupLabelCount) return;
    const PickupLabel& label = state.flow.pickupLabels[state.flow.pickupIndex];
    const std::int32_t top = label.top - 1;
    target.selectFont(state.run.fonts[kLabelFont].get());
    const std::int32_t left = label.left;
    const auto drawAt = [&](std::int32_t at, platform::ColourRef colour) {
        target.setTextColour(colour);
        platform::drawText(target, std::u16string_view(label.label),
                           Rect{at, top, at + kPickupLabelWidth, top + kPickupLabelHeight},
                           TextFormat::Left);
    };
    drawAt(left - 1, kLabelShadow);
    drawAt(left + 1, kLabelShadow);
    drawAt(left, kLabelColour);
}

void drawBars(const GameState& state, platform::DeviceContext& target, const PlayerShip& ship) {
    if (state.run.hpBarImage && state.run.hpBarImage->memoryDC() && ship.getFullHp() != 0) {
        const int width = ship.getHp() * kHpBarWidth / ship.getFullHp();
        platform::bitBlt(target, kHpBarX, kHpBarY, width, kHpBarHeight,
                         *state.run.hpBarImage->memoryDC(), 0, 0);
    }
    if (ship.getEvadeCap() != 0) {
        const int width = ship.getEvadeBar() * kEvadeBarWidth / ship.getEvadeCap();
        fill(state, target, Rect{kEvadeBarX, kLowBarTop, kEvadeBarX + width, kLowBarBottom},
             ship.evadeBarFull() ? kBrushYellow : kBrushRed);
    }
    if (ship.getPowerScale() != 0 && ship.getChargeScale() != 0) {
        const int power = ship.getPower() * kPowerBarWidth / ship.getPowerScale();
        const int charge = ship.getCharge() * kPowerBarWidth / ship.getChargeScale();
        const Rect chargeBar{kPowerBarX, kLowBarTop, kPowerBarX + charge, kLowBarBottom};
        if (power != charge) {
            // The stored power in mint, with the charge in blue over it from the left.
            fill(state, target, Rect{kPowerBarX, kLowBarTop, kPowerBarX + power, kLowBarBottom},
                 kBrushPaleMint);
            fill(state, target, chargeBar, kBrushBlue);
        } else {
            // The charge has caught up with the power: the bar blinks every frame.
            fill(state, target, chargeBar,
                 state.flow.frameCounter % 2 == 0 ? kBrushPaleMint : kBrushBlue);
        }
    }
}

void drawFigure(platform::DeviceContext& target, std::int32_t value, const Rect& rect) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    platform::drawText(target, std::string_view(digits, result.ptr - digits), rect,
                       TextFormat::Right);
}

}  // namespace

void drawHeadUpDisplay(const GameState& state, platform::DeviceContext& target) {
    if (state.flow.pickupTimer > 0) drawPickupLabel(state, target);
    if (state.flow.bossWarning > 0) drawCaption(state, kCaptionWarning, 24, 116);
    // The icon shows what a tap will do: the "off" speaker while the sound is on.
    if (Surface* speaker =
            state.run.soundOn ? state.run.speakerOffImage.get() : state.run.speakerOnImage.get())
        speaker->drawKeyedAt(0, 0, platform::kKeyBlue);

    fill(state, target, kPanelStrip, kBrushBlack);
    if (state.field.ship) drawBars(state, target, *state.field.ship);
    if (state.run.panelImage) state.run.panelImage->drawKeyedAt(0, kPanelTop, platform::kKeyBlue);

    target.setTextColour(kWhite);
    target.selectFont(state.run.fonts[kFiguresFont].get());
    drawFigure(target, state.scores.score, kScoreText);
    drawFigure(target, state.scores.money, kMoneyText);

    if (!state.field.playerDown && state.field.stageCleared) {
        drawCaption(state, kCaptionStageClear, 28, 0);
        drawCaption(state, kCaptionContinue, 54, 116);
    }
}

}  // namespace cindervane
