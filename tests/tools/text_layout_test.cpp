// Story text layout: lines that fit the column, every word kept in order, the largest type
// that fits the room, and the room filled.
#include "tools/assetgen/art/text_layout.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tools/assetgen/art/story_text.h"
#include "tools/assetgen/canvas.h"
#include "tools/assetgen/inventory.h"

namespace cindervane::assetgen {
namespace {

std::vector<std::string> words(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

TEST(TextLayout, LinesFitTheColumnAndKeepEveryWordInOrder) {
    Canvas canvas(10, 10);
    const TextStyle style{kCondensed, 11, true};
    const std::string text =
        "THE STORMS OF JUPITER HIDE A SWARM OF RIDERS AND WEAVERS, AND "
        "SOMEWHERE IN THE CLOUDS FLIES THE FASTEST OF THEM ALL.";
    const auto lines = TextLayout::wrap(canvas.cr(), style, text, 120);
    ASSERT_GT(lines.size(), 2u);
    std::vector<std::string> rejoined;
    for (const std::string& line : lines) {
        EXPECT_LE(textWidth(canvas.cr(), style, line), 120) << line;
        for (const std::string& w : words(line))
            rejoined.push_back(w);
    }
    EXPECT_EQ(rejoined, words(text));
    // A word wider than the column stands alone rather than vanishing.
    EXPECT_EQ(TextLayout::wrap(canvas.cr(), style, "A SUPERCALIFRAGILISTIC B", 20).size(), 3u);
}

TEST(TextLayout, ParagraphsAreSeparatedByBlankLines) {
    const auto parts = TextLayout::split("ONE.\n\nTWO, STILL\nTWO.\n\nTHREE.");
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[1], "TWO, STILL\nTWO.");
}

TEST(TextLayout, ChoosesTheLargestTypeThatFitsAndFillsTheRoom) {
    Canvas canvas(10, 10);
    const std::string_view body = "A SHORT LINE.\n\nAND ANOTHER ONE.";
    const TextLayout roomy(canvas.cr(), "", body, 200, 200, 13);
    EXPECT_EQ(roomy.size(), 13);
    EXPECT_TRUE(roomy.fits());
    EXPECT_GT(roomy.height(), 2 * roomy.lineHeight() + roomy.paragraphGap() - 1);
    const TextLayout tight(canvas.cr(), "HEADING", body, 60, 70, 13);
    EXPECT_LT(tight.size(), 13);
    EXPECT_TRUE(tight.fits());
}

// Every story text of the game fits the rows its screen scrolls through.
TEST(TextLayout, EveryStoryTextFitsItsScreen) {
    Canvas canvas(10, 10);
    for (const StoryText& text : kStoryTexts) {
        int height = 0;
        for (const AssetRow& row : kInventory)
            if (row.file == text.file) height = row.frameHeight;
        ASSERT_GT(height, 0) << text.file;
        const int window = text.overTitle ? kPrologueWindowHeight : kStoryWindowHeight;
        const TextLayout layout(canvas.cr(), text.heading, text.body, 212, height - window - 12,
                                13);
        EXPECT_TRUE(layout.fits()) << text.file;
        EXPECT_GE(layout.size(), 9.0) << text.file << " would be too small to read";
    }
}

}  // namespace
}  // namespace cindervane::assetgen
