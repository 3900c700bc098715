// The upgrade shop screen.
#include "shell/shop_screen.h"

#include "gamelibrary/game_app.h"
#include "shell/picture_slots.h"
#include "shell/screen_flow.h"
#include "shell/screen_text.h"
#include "shell/upgrade_prices.h"

namespace cindervane {

namespace {

using platform::TextFormat;

struct RowSpan {
    int top;
    int bottom;
};

// Rows 0 to 7, top to bottom.
constexpr RowSpan kRows[kShopRowCount] = {{84, 99},   {107, 122}, {130, 145}, {153, 168},
                                          {174, 190}, {197, 213}, {220, 235}, {243, 259}};

constexpr int kLevelLeft = 105, kLevelRight = 122;
constexpr int kBuyLeft = 128, kBuyRight = 149;
constexpr int kGiveBackLeft = 153, kGiveBackRight = 174;
constexpr int kPriceLeft = 192, kPriceRight = 222;

constexpr TextFormat kCellFormat =
    TextFormat::Right | TextFormat::VerticalCentre | TextFormat::SingleLine;

}  // namespace

void drawShop(GameState& state) {
    drawPicture(state.flow.shopImage, 0, 0);
    writeText(state, numberText(state.scores.money), 0, kWhiteText, 120, 55, 225, 75, kCellFormat);
    for (int i = 0; i < kShopRowCount; ++i) {
        const ShopRow& row = state.scores.shopRows[i];
        const std::u16string price =
            row.levelLimit > row.level ? numberText(row.nextPrice) : u"MAX";
        writeText(state, price, 0, kBlackText, kPriceLeft, kRows[i].top, kPriceRight,
                  kRows[i].bottom, kCellFormat);
        writeText(state, numberText(row.level), 0, kWhiteText, kLevelLeft, kRows[i].top,
                  kLevelRight, kRows[i].bottom, kCellFormat);
    }
}

void shopTap(GameState& state, int x, int y) {
    if (pointInBox(x, y, 142, 280, 220, 300)) {
        leaveShop(state);
        return;
    }
    for (int i = 0; i < kShopRowCount; ++i) {
        ShopRow& row = state.scores.shopRows[i];
        const int top = kRows[i].top;
        const int bottom = kRows[i].bottom;
        if (pointInBox(x, y, kBuyLeft, top, kBuyRight, bottom)) {
            if (row.level < row.levelLimit && state.scores.money - row.nextPrice >= 0) {
                row.level += 1;
                state.scores.money -= upgradePrice(i, row.level);
            }
        } else if (pointInBox(x, y, kGiveBackLeft, top, kGiveBackRight, bottom)) {
            // A level given back is refunded in full.
            if (row.level > row.baseLevel) {
                state.scores.money += upgradePrice(i, row.level);
                row.level -= 1;
            }
        }
        row.nextPrice = upgradePrice(i, row.level + 1);
    }
}

}  // namespace cindervane
