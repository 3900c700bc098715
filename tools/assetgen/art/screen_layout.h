// Where the game counts taps and where it draws into the screen pictures, in the game's own
// numbers; the screen painters put their buttons and labels on these areas and the tests
// check that they did.
#pragma once

#include <array>

#include "tools/assetgen/mesh.h"

namespace cindervane::assetgen {

// Tap areas include both edges; the panel's bar slots exclude the right and bottom edge, as
// the game's fills do.
struct Rect {
    int left;
    int top;
    int right;
    int bottom;
};

// The maker of the game is our own invention.
inline constexpr const char* kMakerName = "KESTRELWICK";
inline constexpr const char* kMakerWeb = "www.kestrelwick.example";

struct MenuLabel {
    const char* text;
    Rect area;  // screen pixels; the menu picture is drawn at (0, 0)
};

inline constexpr std::array kMenuLabels = {
    MenuLabel{"NEW GAME", {10, 225, 115, 240}}, MenuLabel{"HIGH SCORES", {10, 241, 115, 255}},
    MenuLabel{"HELP", {10, 256, 55, 270}},      MenuLabel{"CREDITS", {10, 271, 75, 285}},
    MenuLabel{"EXIT", {10, 286, 55, 305}},
};

// The captions and the areas that their taps hit (screen pixels); each caption is drawn at
// the area's top-left corner.
inline constexpr Rect kContinueArea{54, 116, 179, 146};
inline constexpr Rect kResumeArea{59, 116, 185, 146};
inline constexpr Rect kGiveUpArea{66, 168, 172, 196};

// The help pages' buttons and their tap areas (previous is tested first where they
// overlap), and the speaker switch drawn at (0, 0).
inline constexpr Rect kHelpPreviousArea{9, 290, 111, 314};
inline constexpr Rect kHelpNextArea{81, 290, 232, 314};
inline constexpr Point2 kPreviousButtonAt{9, 292};
inline constexpr Point2 kNextButtonAt{159, 292};
inline constexpr Rect kSpeakerArea{0, 0, 20, 20};

// The status panel is drawn at (0, 298); its bar slots in the panel picture's own pixels.
inline constexpr Rect kPanelHpSlot{11, 2, 110, 9};
inline constexpr Rect kPanelPowerSlot{11, 13, 92, 18};
inline constexpr Rect kPanelEvadeSlot{114, 13, 148, 18};

// The help page's button panel is drawn at (16, 111); the pointer lines of the first help
// page end on these buttons (panel pixels).
inline constexpr Point2 kShotButton{39, 30};
inline constexpr Point2 kEvadeButton{163, 30};
inline constexpr Point2 kHyperPad{103, 33};

// The on-screen keyboard is drawn at (12, 273).
inline constexpr int kKeyboardX = 12;
inline constexpr int kKeyboardY = 273;

struct KeyboardKey {
    const char* label;
    Rect area;  // screen pixels
};

// clang-format off
inline constexpr std::array kKeyboardKeys = {
    KeyboardKey{"A", {12, 273, 21, 281}},   KeyboardKey{"B", {26, 273, 36, 281}},
    KeyboardKey{"C", {43, 273, 52, 281}},   KeyboardKey{"D", {58, 273, 68, 281}},
    KeyboardKey{"E", {73, 273, 84, 281}},   KeyboardKey{"F", {89, 273, 100, 281}},
    KeyboardKey{"G", {106, 273, 117, 281}}, KeyboardKey{"H", {123, 273, 133, 281}},
    KeyboardKey{"I", {137, 273, 149, 281}}, KeyboardKey{"J", {153, 273, 165, 281}},
    KeyboardKey{"K", {170, 273, 181, 281}}, KeyboardKey{"L", {187, 273, 195, 281}},
    KeyboardKey{"M", {202, 273, 213, 281}}, KeyboardKey{"N", {218, 273, 228, 281}},
    KeyboardKey{"O", {12, 289, 21, 300}},   KeyboardKey{"P", {26, 289, 36, 300}},
    KeyboardKey{"Q", {43, 289, 52, 300}},   KeyboardKey{"R", {58, 289, 68, 300}},
    KeyboardKey{"S", {73, 289, 84, 300}},   KeyboardKey{"T", {89, 289, 100, 300}},
    KeyboardKey{"U", {106, 289, 117, 300}}, KeyboardKey{"V", {123, 289, 133, 300}},
    KeyboardKey{"W", {137, 289, 149, 300}}, KeyboardKey{"X", {153, 289, 165, 300}},
    KeyboardKey{"Y", {170, 289, 181, 300}}, KeyboardKey{"Z", {187, 289, 195, 300}},
    KeyboardKey{"CLR", {12, 306, 36, 315}}, KeyboardKey{"ENTER", {43, 306, 68, 315}},
    KeyboardKey{"1", {73, 306, 84, 315}},   KeyboardKey{"2", {89, 306, 100, 315}},
    KeyboardKey{"3", {106, 306, 117, 315}}, KeyboardKey{"4", {123, 306, 133, 315}},
    KeyboardKey{"5", {137, 306, 149, 315}}, KeyboardKey{"6", {153, 306, 165, 315}},
    KeyboardKey{"7", {170, 306, 181, 315}}, KeyboardKey{"8", {187, 306, 195, 315}},
    KeyboardKey{"9", {202, 306, 213, 315}}, KeyboardKey{"0", {218, 306, 228, 315}},
};
// clang-format on

// The upgrade shop (screen pixels; the shop picture is drawn at (0, 0)). The figures are
// printed over the picture: the money and the levels in white, the prices in black.
inline constexpr Rect kShopMoney{120, 55, 225, 75};
inline constexpr Rect kShopDone{142, 280, 220, 300};
inline constexpr int kShopLevelLeft = 105, kShopLevelRight = 122;
inline constexpr int kShopBuyLeft = 128, kShopBuyRight = 149;
inline constexpr int kShopSellLeft = 153, kShopSellRight = 174;
inline constexpr int kShopPriceLeft = 192, kShopPriceRight = 222;

struct ShopRowArea {
    int top;
    int bottom;
};

inline constexpr std::array kShopRows = {
    ShopRowArea{84, 99},   ShopRowArea{107, 122}, ShopRowArea{130, 145}, ShopRowArea{153, 168},
    ShopRowArea{174, 190}, ShopRowArea{197, 213}, ShopRowArea{220, 235}, ShopRowArea{243, 259},
};

inline constexpr std::array kShopCategories = {
    "ARMOR", "MACHINE GUN", "PULSE CANNON",  "HOMING MISSILE",
    "LASER", "HYPER BEAM",  "RECHARGE RATE", "CHARGE RATE",
};

}  // namespace cindervane::assetgen
