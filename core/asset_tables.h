// The assets made at start-up and kept for the whole run: the always-present pictures, the
// fonts, the brushes, the pickup labels and the four sound effects.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/draw/colour.h"

namespace cindervane {

// Where an always-present picture goes in the game state.
enum class CommonSlot { Keyboard, Logo, LogoWww, Panel, HpBar, SpeakerOn, SpeakerOff, Caption };

struct CommonPicture {
    CommonSlot slot;
    int captionIndex;  // for captions: which of the eight
    std::string_view symbol;
    std::string_view file;
};

// In loading order.
constexpr CommonPicture kCommonPictures[] = {
    {CommonSlot::Keyboard, 0, "IMG_KEYBOARD", "O0023.BAI"},
    {CommonSlot::Logo, 0, "IMG_LOGOORVEL", "O0024.BAI"},
    {CommonSlot::LogoWww, 0, "IMG_LOGOWWW", "O0027.BAI"},
    {CommonSlot::Panel, 0, "IMG_PANEL", "O0028.BAI"},
    {CommonSlot::HpBar, 0, "IMG_BARHP", "O0003.BAI"},
    {CommonSlot::SpeakerOn, 0, "IMG_SPEAKERON", "O0031.BAI"},
    {CommonSlot::SpeakerOff, 0, "IMG_SPEAKEROFF", "O0030.BAI"},
    {CommonSlot::Caption, 0, "IMG_TXTWARNING", "O0049.BAI"},
    {CommonSlot::Caption, 1, "IMG_TXTGAMEOVER", "O0036.BAI"},
    {CommonSlot::Caption, 2, "IMG_TXTSTAGECLEAR", "O0047.BAI"},
    {CommonSlot::Caption, 5, "IMG_TXTCONTINUE", "O0035.BAI"},
    {CommonSlot::Caption, 3, "IMG_TXTPAUSE", "O0043.BAI"},
    {CommonSlot::Caption, 4, "IMG_TXTGIVEUP", "O0037.BAI"},
    {CommonSlot::Caption, 6, "IMG_TXTOR", "O0042.BAI"},
    {CommonSlot::Caption, 7, "IMG_TXTRESUME", "O0046.BAI"},
};

struct FontRow {
    std::string_view face;
    int height;
    int weight;  // 0: the face's normal weight
};

// Score and money, unused, nick entry, labels and help text, headings.
constexpr FontRow kFonts[] = {
    {"Courier New", 13, 0}, {"Courier New", 15, 0}, {"Courier New", 20, 0},
    {"Tahoma", 15, 700},    {"Tahoma", 20, 700},
};

struct BrushRow {
    int index;
    bool stock;  // a stock brush: black or white
    platform::ColourRef colour;
};

// In the order they are made.
constexpr BrushRow kBrushes[] = {
    {0, true, 0x000000},  {1, true, 0xFFFFFF},  {2, false, 0xFF0000},
    {5, false, 0x0000FF}, {3, false, 0xF4FED4}, {4, false, 0x04FEFC},
};

// The names shown when an item is picked up, by item kind.
constexpr std::u16string_view kPickupLabelTexts[] = {
    u"HP FULL", u"MISSILE", u"MACH.GUN", u"PULSE",    u"ARMOR",
    u"CHARGE",  u"LASER",   u"H.BEAM",   u"RECHARGE",
};

struct SoundEffectRow {
    std::string_view symbol;
    std::string_view file;
    std::string_view failure;
};

// Explosion, machine gun, laser and special gun, in loading order.
constexpr SoundEffectRow kSoundEffects[] = {
    {"WAV_EXPLOSION", "W0001.BAS", "Sound WAV_EXPLOSION Error"},
    {"WAV_MACHGUN", "W0003.BAS", "Sound WAV_MACHGUN Error"},
    {"WAV_LASER", "W0002.BAS", "Sound WAV_LASER Error"},
    {"WAV_SPGUN", "W0020.BAS", "Sound WAV_SPGUN Error"},
};

}  // namespace cindervane
