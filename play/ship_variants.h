// The three ship variants: stages 1 to 3 fly the REDPHOENIX, stages 4 and 5 the REDPHOENIXV
// and stages 6 to 8 the REDPHOENIXX. They differ only in these constants.
#pragma once

#include <array>
#include <cstdint>

namespace cindervane {

// The variant's value is its kind: its picture in the craft catalogue.
enum class ShipVariant : std::int32_t { REDPHOENIX = 32, REDPHOENIXV = 33, REDPHOENIXX = 34 };

struct HyperGunPlace {
    std::int32_t offsetX;
    std::int32_t offsetY;
    std::int32_t segments;
};

struct ShipVariantRow {
    ShipVariant variant;
    std::int32_t fullHp;    // also the starting hit points
    std::int32_t evadeCap;  // also the starting evade bar
    std::int32_t auraX;     // where the aura sits from the ship's corner
    std::int32_t auraY;
    std::array<std::int32_t, 25> gunOffsetX;  // guns 0 to 24
    std::array<HyperGunPlace, 6> hyperGuns;   // hyper guns 0 to 5
};

// Gun x offsets in slot order: machine guns 0 to 7, pulse cannon 8 to 10, missiles 11 to
// 18, lasers 19 to 24.
// clang-format off
inline constexpr std::array<ShipVariantRow, 3> kShipVariants{{
    {ShipVariant::REDPHOENIX, 5000, 100, -20, -15,
     {22, 31, 18, 30, 18, 31, 10, 30,   22, 20, 19,   5, 39, -1, 45, -7, 51, -13, 57,
      5, 37, 5, 37, 5, 37},
     {{{-5, 0, 27}, {38, 0, 27}, {-21, -5, 25}, {38, -5, 25}, {-44, -20, 25}, {38, -20, 23}}}},
    {ShipVariant::REDPHOENIXV, 7500, 50, -20, -8,
     {22, 32, 18, 31, 18, 32, 10, 31,   22, 21, 19,   5, 39, -1, 45, -7, 51, -13, 57,
      2, 40, 2, 40, 2, 40},
     {{{-5, -5, 27}, {38, -5, 27}, {-21, -10, 27}, {38, -10, 27}, {-44, -25, 27}, {38, -25, 27}}}},
    {ShipVariant::REDPHOENIXX, 10000, 60, -12, -20,
     {29, 39, 25, 38, 25, 39, 17, 38,   30, 29, 27,   12, 46, 6, 52, 0, 58, -6, 64,
      13, 47, 13, 47, 13, 47},
     {{{5, -5, 27}, {45, -5, 27}, {-11, -10, 27}, {45, -10, 27}, {-34, -25, 27}, {45, -25, 27}}}},
}};
// clang-format on

// The row of a variant.
constexpr const ShipVariantRow& shipVariantRow(ShipVariant variant) {
    switch (variant) {
        case ShipVariant::REDPHOENIXV:
            return kShipVariants[1];
        case ShipVariant::REDPHOENIXX:
            return kShipVariants[2];
        case ShipVariant::REDPHOENIX:
            break;
    }
    return kShipVariants[0];
}

// The variant a stage is flown with.
constexpr ShipVariant shipVariantForStage(std::int32_t stage) {
    if (stage >= 6) return ShipVariant::REDPHOENIXX;
    if (stage >= 4) return ShipVariant::REDPHOENIXV;
    return ShipVariant::REDPHOENIX;
}

}  // namespace cindervane
