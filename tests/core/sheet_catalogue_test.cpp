// Sheet catalogues: entries kept in order and found by id from the head. (Removing and
// clearing are the object list's, tested there.)
#include "core/sheet_catalogue.h"

#include <gtest/gtest.h>

#include <vector>

namespace cindervane {
namespace {

std::vector<std::int32_t> ids(const SheetCatalogue& catalogue) {
    std::vector<std::int32_t> result;
    for (SheetCatalogue::Node* node = catalogue.head(); node; node = node->next) {
        if (node->next) {
            EXPECT_EQ(node->next->previous, node);
        }
        result.push_back(node->object->id);
    }
    return result;
}

SheetCatalogue::Node* append(SheetCatalogue& catalogue, std::int32_t id, SpriteSheet* sheet) {
    auto entry = std::make_unique<SheetEntry>();
    entry->id = id;
    entry->sheet = sheet;
    return catalogue.append(std::move(entry));
}

TEST(SheetCatalogue, FindReturnsTheFirstEntryWithTheIdFromTheHead) {
    SpriteSheet first(nullptr);
    SpriteSheet second(nullptr);
    SheetCatalogue catalogue;
    append(catalogue, 24, &first);
    append(catalogue, 25, nullptr);
    SheetCatalogue::Node* later = append(catalogue, 24, &second);
    SheetEntry* found = later->object.get();
    ASSERT_TRUE(catalogue.find(24, found));
    EXPECT_EQ(found->sheet, &first);
    EXPECT_FALSE(catalogue.find(26, found));
    EXPECT_EQ(found, nullptr);
    EXPECT_EQ(ids(catalogue), (std::vector<std::int32_t>{24, 25, 24}));
    EXPECT_EQ(catalogue.tail(), later);
}

}  // namespace
}  // namespace cindervane
