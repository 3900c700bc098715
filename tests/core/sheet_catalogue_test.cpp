// Sheet catalogues: entries kept in order, found by id from the head, freed without their
// sheets.
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

TEST(SheetCatalogue, RemovingUnlinksAndFreesTheEntryButNotItsSheet) {
    SpriteSheet sheet(nullptr);
    SheetCatalogue catalogue;
    SheetCatalogue::Node* head = append(catalogue, 1, &sheet);
    SheetCatalogue::Node* middle = append(catalogue, 2, &sheet);
    SheetCatalogue::Node* tail = append(catalogue, 3, &sheet);
    catalogue.remove(middle);
    EXPECT_EQ(ids(catalogue), (std::vector<std::int32_t>{1, 3}));
    catalogue.remove(tail);
    EXPECT_EQ(catalogue.tail(), head);
    catalogue.remove(head);
    EXPECT_EQ(catalogue.head(), nullptr);
    EXPECT_EQ(catalogue.tail(), nullptr);
    sheet.setFrame(0);  // the sheet lives on

    append(catalogue, 4, &sheet);
    append(catalogue, 5, &sheet);
    catalogue.clear();
    EXPECT_EQ(catalogue.head(), nullptr);
    EXPECT_EQ(catalogue.tail(), nullptr);
    append(catalogue, 6, &sheet);
    EXPECT_EQ(ids(catalogue), (std::vector<std::int32_t>{6}));
}

}  // namespace
}  // namespace cindervane
