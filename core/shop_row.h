// One upgrade category as the shop keeps it between two stages.
#pragma once

#include <cstdint>

namespace cindervane {

constexpr int kShopRowCount = 8;

struct ShopRow {
    std::int32_t level = 0;       // the level the ship starts the next stage with
    std::int32_t levelLimit = 0;  // the highest level that may be bought
    std::int32_t baseLevel = 0;   // a level may be given back only down to this one
    std::int32_t nextPrice = 0;   // the price of level + 1
};

}  // namespace cindervane
