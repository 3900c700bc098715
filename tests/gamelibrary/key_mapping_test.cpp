// Key codes to the game's key numbers: the device's list first, then the fixed codes.
#include "gamelibrary/key_mapping.h"

#include <gtest/gtest.h>

namespace cindervane {
namespace {

platform::KeyList deviceKeys() {
    platform::KeyList keys;
    keys.vkUp = 0x26, keys.ptUp = {1, 1};
    keys.vkDown = 0x28, keys.ptDown = {2, 2};
    keys.vkLeft = 0x25, keys.ptLeft = {3, 3};
    keys.vkRight = 0x27, keys.ptRight = {4, 4};
    keys.vkA = 0xC3, keys.ptA = {5, 5};
    keys.vkB = 0xC4, keys.ptB = {6, 6};
    keys.vkC = 0xC5, keys.ptC = {7, 7};
    keys.vkStart = 0x86, keys.ptStart = {8, 8};
    return keys;
}

TEST(KeyMapping, EveryRowOfTheTable) {
    const platform::KeyList keys = deviceKeys();
    struct Row {
        std::uint64_t code;
        KeyIndex index;
        int pointX;
    };
    const Row rows[] = {
        {0x26, 0, 1}, {0x28, 1, 2}, {0x25, 2, 3}, {0x27, 3, 4}, {0xC3, 4, 5}, {0xC4, 5, 6},
        {0xC5, 6, 7}, {0x86, 7, 8}, {0xC0, 8, 8}, {0xC1, 9, 8}, {0x72, 4, 5}, {0x73, 5, 6},
    };
    for (const Row& row : rows) {
        const auto mapped = mapKey(keys, row.code);
        ASSERT_TRUE(mapped) << std::hex << row.code;
        EXPECT_EQ(mapped->index, row.index) << std::hex << row.code;
        EXPECT_EQ(mapped->point.x, row.pointX) << std::hex << row.code;
    }
}

TEST(KeyMapping, KeysOutsideTheTableGiveNothing) {
    const platform::KeyList keys = deviceKeys();
    for (std::uint64_t code : {0x00, 0x41, 0x74, 0xBF, 0xC2, 0xFFFF}) {
        EXPECT_FALSE(mapKey(keys, code)) << std::hex << code;
    }
}

// Codes compare as 16-bit values: only the parameter's low bits count, a list code above
// 0x7FFF is stored negative, and the device's list wins over a fixed code it reuses.
TEST(KeyMapping, TheDevicesListComparesSixteenBitCodesAndWinsOverTheFixedOnes) {
    platform::KeyList keys = deviceKeys();
    keys.vkB = static_cast<std::int16_t>(0xFF80);
    keys.vkStart = 0xC1;  // the extra code 0xC1 is this device's Start button
    keys.vkUp = 0x72;     // and F3 is its up button
    const std::pair<std::uint64_t, KeyIndex> rows[] = {
        {0x12340000ull | 0x28, 1}, {0xFF80, 5}, {0xC1, 7}, {0x72, 0}};
    for (const auto& [code, index] : rows) {
        const auto mapped = mapKey(keys, code);
        ASSERT_TRUE(mapped) << std::hex << code;
        EXPECT_EQ(mapped->index, index) << std::hex << code;
    }
    EXPECT_EQ(mapKey(keys, 0x72)->point.x, 1);
}

TEST(KeyMapping, ThePlatformsDefaultKeysCoverEveryButton) {
    const platform::KeyList keys = platform::defaultKeyList();
    const std::int16_t codes[] = {keys.vkUp, keys.vkDown, keys.vkLeft, keys.vkRight,
                                  keys.vkA,  keys.vkB,    keys.vkC,    keys.vkStart};
    for (KeyIndex index = 0; index < 8; ++index) {
        const auto mapped = mapKey(keys, static_cast<std::uint16_t>(codes[index]));
        ASSERT_TRUE(mapped);
        EXPECT_EQ(mapped->index, index);
    }
}

}  // namespace
}  // namespace cindervane
