// The rules the game's drawing puts on the pictures: the colour key, the unused palette
// index of the flash, the key border of every frame, stage backgrounds that wrap, hyper beam
// segments that stack, and screen pictures whose buttons lie on the tap areas.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "tests/tools/asset_reader.h"
#include "tools/assetgen/art/screen_layout.h"
#include "tools/assetgen/asset_generator.h"
#include "tools/assetgen/inventory.h"

namespace cindervane::assetgen {
namespace {

using test::assetFolder;
using test::kKey;
using test::Picture;
using test::readPicture;
using test::Rgb;

// Every distinct picture file with the rows that use it.
std::map<std::string_view, std::vector<const AssetRow*>> pictureFiles() {
    std::map<std::string_view, std::vector<const AssetRow*>> files;
    for (const AssetRow& row : kInventory)
        if (!isSound(row.kind)) files[row.file].push_back(&row);
    return files;
}

Picture load(std::string_view file) {
    auto picture = readPicture(assetFolder() / file);
    if (!picture) ADD_FAILURE() << "cannot read " << file;
    return picture ? *picture : Picture{};
}

TEST(PictureRules, SheetsKeepIndexZeroForTheKeyAndLeaveIndex255Unused) {
    for (const auto& [file, rows] : pictureFiles()) {
        if (!isSheet(rows[0]->kind)) continue;
        const Picture p = load(file);
        ASSERT_EQ(p.palette.size(), 256u) << file;
        EXPECT_EQ(p.palette[0], kKey) << file;
        std::set<int> used(p.index.begin(), p.index.end());
        EXPECT_FALSE(used.count(255)) << file << " uses the flash index";
        for (int i : used)
            if (i != 0) {
                EXPECT_NE(p.palette[i], kKey) << file << " shows the key colour at " << i;
            }
    }
}

TEST(PictureRules, TheKeyColourIsNeverAVisibleColour) {
    for (const auto& [file, rows] : pictureFiles()) {
        const AssetKind kind = rows[0]->kind;
        if (isKeyed(kind)) continue;
        const Picture p = load(file);
        EXPECT_EQ(std::count(p.pixels.begin(), p.pixels.end(), kKey), 0) << file;
    }
}

TEST(PictureRules, KeyedPicturesAreShapedNotBoxes) {
    for (const auto& [file, rows] : pictureFiles()) {
        if (!isKeyed(rows[0]->kind) || isSheet(rows[0]->kind)) continue;
        const Picture p = load(file);
        const auto clear = std::count(p.pixels.begin(), p.pixels.end(), kKey);
        EXPECT_GT(clear, 0) << file;
        EXPECT_LT(clear, static_cast<long>(p.pixels.size())) << file;
    }
}

// Key border and bottom-left key pixel for one frame cut at one height.
void expectKeyBorder(const Picture& p, const AssetRow& row, int frame) {
    const int left = frame * row.frameWidth, right = left + row.frameWidth - 1;
    const int bottom = row.frameHeight - 1;
    EXPECT_TRUE(p.isKey(left, bottom)) << row.symbol << " frame " << frame << " bottom-left";
    const MeetingSection* section = findMeetingSection(row.file);
    const bool joinsAbove =
        row.kind == BeamHeadSheet || row.kind == BeamBodySheet || (section && section->meetsAbove);
    const bool joinsBelow = row.kind == BeamBodySheet || (section && section->meetsBelow);
    for (int y = 0; y <= bottom; ++y) {
        ASSERT_TRUE(p.isKey(left, y)) << row.symbol << " frame " << frame << " left, row " << y;
        ASSERT_TRUE(p.isKey(right, y)) << row.symbol << " frame " << frame << " right, row " << y;
    }
    for (int x = left; x <= right; ++x) {
        if (!joinsAbove) {
            ASSERT_TRUE(p.isKey(x, 0)) << row.symbol << " frame " << frame << " top";
        }
        if (!joinsBelow) {
            ASSERT_TRUE(p.isKey(x, bottom)) << row.symbol << " frame " << frame << " bottom";
        }
    }
}

TEST(PictureRules, EveryFrameHasAKeyBorderAndSomethingInside) {
    for (const AssetRow& row : kInventory) {
        if (!isSheet(row.kind)) continue;
        const Picture p = load(row.file);
        for (int frame = 0; frame < row.frames; ++frame) {
            expectKeyBorder(p, row, frame);
            int visible = 0;
            for (int y = 0; y < row.frameHeight; ++y)
                for (int x = 0; x < row.frameWidth; ++x)
                    visible += !p.isKey(frame * row.frameWidth + x, y);
            EXPECT_GT(visible, row.frameWidth * row.frameHeight / 20)
                << row.symbol << " frame " << frame << " is nearly empty";
        }
    }
}

TEST(PictureRules, StageBackgroundsWrapWithoutASeam) {
    for (const auto& [file, rows] : pictureFiles()) {
        if (rows[0]->kind != Background) continue;
        const Picture p = load(file);
        ASSERT_EQ(p.height, kBackgroundHeight);
        for (int y = 0; y < kBackgroundHeight - kBackgroundWrap; ++y)
            for (int x = 0; x < p.width; ++x)
                ASSERT_EQ(p.at(x, y), p.at(x, y + kBackgroundWrap)) << file << " row " << y;
        // A world, not a flat colour: many different colours on the way.
        std::set<int> colours;
        for (const Rgb& c : p.pixels)
            colours.insert(c.red << 16 | c.green << 8 | c.blue);
        EXPECT_GT(colours.size(), 500u) << file;
    }
}

// The hyper beam: a head with body segments stacked on its top row. Down the stacked beam the
// width of the lit part changes by no more than a pixel or two from row to row, joins included.
TEST(PictureRules, HyperBeamSegmentsStackIntoOneBeam) {
    const std::pair<const char*, const char*> grades[] = {
        {"A0025.BAI", "A0026.BAI"}, {"A0027.BAI", "A0028.BAI"}, {"A0029.BAI", "A0030.BAI"}};
    for (const auto& [headFile, bodyFile] : grades) {
        const Picture head = load(headFile), body = load(bodyFile);
        const AssetRow* headRow = nullptr;
        const AssetRow* bodyRow = nullptr;
        for (const AssetRow& row : kInventory) {
            if (row.file == headFile) headRow = &row;
            if (row.file == bodyFile) bodyRow = &row;
        }
        ASSERT_TRUE(headRow && bodyRow);
        ASSERT_EQ(headRow->frameWidth, bodyRow->frameWidth);
        for (int frame = 0; frame < 2; ++frame) {
            auto litWidth = [frame](const Picture& p, const AssetRow& row, int y) {
                int lit = 0;
                for (int x = 0; x < row.frameWidth; ++x)
                    lit += !p.isKey(frame * row.frameWidth + x, y);
                return lit;
            };
            std::vector<int> widths;  // from the top of three stacked segments down
            for (int segment = 0; segment < 3; ++segment)
                for (int y = 0; y < bodyRow->frameHeight; ++y)
                    widths.push_back(litWidth(body, *bodyRow, y));
            for (int y = 0; y < headRow->frameHeight / 3; ++y)
                widths.push_back(litWidth(head, *headRow, y));
            for (std::size_t i = 1; i < widths.size(); ++i) {
                EXPECT_GT(widths[i], 0) << bodyFile << " gap at row " << i;
                EXPECT_LE(std::abs(widths[i] - widths[i - 1]), 2)
                    << headFile << " / " << bodyFile << " frame " << frame << " row " << i;
            }
        }
    }
}

TEST(PictureRules, TextPicturesKeepTheirTextInTheScrolledRows) {
    for (const auto& [file, rows] : pictureFiles()) {
        const AssetKind kind = rows[0]->kind;
        if (kind != TextPicture && kind != KeyedTextPicture) continue;
        const Picture p = load(file);
        const int window = kind == TextPicture ? kStoryWindowHeight : kPrologueWindowHeight;
        const int scrolled = p.height - window;
        auto ink = [&](int y) {
            int bright = 0;
            for (int x = 0; x < p.width; ++x)
                bright += p.at(x, y).brightness() > 160;
            return bright;
        };
        int textRows = 0;
        for (int y = 0; y < scrolled; ++y)
            textRows += ink(y) > 0;
        EXPECT_GT(textRows, scrolled / 4) << file << " has too little text";
        for (int y = scrolled; y < p.height; ++y)
            ASSERT_EQ(ink(y), 0) << file << " row " << y;
        // The padding is the background: black, or the key over the title picture.
        const Rgb background = kind == TextPicture ? Rgb{0, 0, 0} : kKey;
        EXPECT_EQ(p.at(0, p.height - 1), background) << file;
    }
}

TEST(ScreenPictures, MenuLabelsLieInsideTheirTapAreas) {
    const Picture menu = load("O0048.BAI");
    int labelPixels = 0;
    for (const MenuLabel& label : kMenuLabels) {
        int inside = 0;
        for (int y = label.area.top; y <= label.area.bottom; ++y)
            for (int x = label.area.left; x <= label.area.right; ++x)
                inside += menu.at(x, y).brightness() > 200;
        EXPECT_GT(inside, 15) << label.text;
        labelPixels += inside;
    }
    // Every bright letter inside the menu's panel belongs to one of the areas.
    int panelPixels = 0;
    for (int y = 220; y < 310; ++y)
        for (int x = 5; x < 126; ++x)
            panelPixels += menu.at(x, y).brightness() > 200;
    EXPECT_EQ(panelPixels, labelPixels);
}

TEST(ScreenPictures, KeyboardKeysSitExactlyOnTheirRectangles) {
    const Picture keyboard = load("O0023.BAI");
    auto at = [&](int screenX, int screenY) {
        return keyboard.at(screenX - kKeyboardX, screenY - kKeyboardY);
    };
    auto onAKey = [](int x, int y) {
        for (const KeyboardKey& key : kKeyboardKeys)
            if (x >= key.area.left && x <= key.area.right && y >= key.area.top &&
                y <= key.area.bottom)
                return true;
        return false;
    };
    for (int y = kKeyboardY; y < kKeyboardY + keyboard.height; ++y)
        for (int x = kKeyboardX; x < kKeyboardX + keyboard.width; ++x) {
            const bool black = at(x, y) == Rgb{0, 0, 0};
            ASSERT_EQ(black, !onAKey(x, y)) << "at " << x << ", " << y;
        }
}

TEST(ScreenPictures, PanelSlotsShowTheBarsUnderneath) {
    const Picture panel = load("O0028.BAI");
    for (const Rect& slot : {kPanelHpSlot, kPanelPowerSlot, kPanelEvadeSlot}) {
        for (int y = slot.top; y < slot.bottom; ++y)
            for (int x = slot.left; x < slot.right; ++x)
                ASSERT_TRUE(panel.isKey(x, y));
        // Framed all round: the pixels just outside the slot are drawn.
        for (int x = slot.left; x < slot.right; ++x) {
            EXPECT_FALSE(panel.isKey(x, slot.top - 1));
            EXPECT_FALSE(panel.isKey(x, slot.bottom));
        }
        EXPECT_FALSE(panel.isKey(slot.left - 1, slot.top));
        EXPECT_FALSE(panel.isKey(slot.right, slot.top));
    }
}

TEST(ScreenPictures, ShopCellsSuitTheFiguresPrintedOnThem) {
    for (const char* file : {"O0064.BAI", "O0065.BAI", "O0066.BAI"}) {
        const Picture shop = load(file);
        auto middle = [&](int left, int right, const ShopRowArea& row) {
            return shop.at((left + right) / 2, (row.top + row.bottom) / 2);
        };
        for (const ShopRowArea& row : kShopRows) {
            // Prices are printed in black, levels in white.
            EXPECT_GT(middle(kShopPriceLeft, kShopPriceRight, row).brightness(), 150) << file;
            EXPECT_LT(middle(kShopLevelLeft, kShopLevelRight, row).brightness(), 60) << file;
            // Buy and give back are told apart by colour.
            EXPECT_NE(shop.at(kShopBuyLeft + 2, row.top + 2),
                      shop.at(kShopSellLeft + 2, row.top + 2))
                << file;
        }
        EXPECT_LT(shop.at((kShopMoney.left + kShopMoney.right) / 2,
                          (kShopMoney.top + kShopMoney.bottom) / 2)
                      .brightness(),
                  60)
            << file;
        EXPECT_GT(shop.at((kShopDone.left + kShopDone.right) / 2, kShopDone.top + 3).red, 120)
            << file;
    }
}

TEST(ScreenPictures, ButtonCaptionsCoverTheirTapAreas) {
    const std::pair<const char*, Rect> buttons[] = {
        {"O0035.BAI", kContinueArea}, {"O0046.BAI", kResumeArea}, {"O0037.BAI", kGiveUpArea}};
    for (const auto& [file, area] : buttons) {
        const Picture p = load(file);
        EXPECT_EQ(p.width, area.right - area.left + 1) << file;
        EXPECT_EQ(p.height, area.bottom - area.top + 1) << file;
        // Solid across its middle from end to end.
        for (int x = 3; x < p.width - 3; ++x)
            ASSERT_FALSE(p.isKey(x, p.height / 2)) << file;
    }
}

// Buttons drawn at a place must lie within the area where their taps count: the page buttons
// of the help screens (the next button clear of the overlap that counts as previous) and the
// speaker switch.
TEST(ScreenPictures, HelpButtonsAndTheSpeakerLieInTheirTapAreas) {
    struct Placed {
        const char* file;
        Point2 at;
        Rect area;
    };
    const Placed placed[] = {{"O0004.BAI", kPreviousButtonAt, kHelpPreviousArea},
                             {"O0005.BAI", kNextButtonAt, kHelpNextArea},
                             {"O0030.BAI", {0, 0}, kSpeakerArea},
                             {"O0031.BAI", {0, 0}, kSpeakerArea}};
    for (const Placed& p : placed) {
        const Picture picture = load(p.file);
        const int left = static_cast<int>(p.at.x), top = static_cast<int>(p.at.y);
        EXPECT_GE(left, p.area.left) << p.file;
        EXPECT_GE(top, p.area.top) << p.file;
        EXPECT_LE(left + picture.width - 1, p.area.right) << p.file;
        EXPECT_LE(top + picture.height - 1, p.area.bottom) << p.file;
    }
    EXPECT_GT(kNextButtonAt.x, kHelpPreviousArea.right);
}

}  // namespace
}  // namespace cindervane::assetgen
