// The eight upgrade categories of the shop, in row order, and what each level costs.
#pragma once

#include <array>
#include <cstdint>

namespace cindervane {

enum class UpgradeCategory : std::int32_t {
    Armor = 0,
    MachineGun = 1,
    PulseCannon = 2,
    HomingMissile = 3,
    Laser = 4,
    HyperBeam = 5,
    RechargeRate = 6,
    ChargeRate = 7,
};

// Prices of levels 0 to 9, one row a category. They do not grow steadily: machine gun
// level 5 costs less than level 4.
inline constexpr std::array<std::array<std::int32_t, 10>, 8> kUpgradePrices{{
    {0, 2000, 3000, 6000, 10000, 15000, 21000, 28000, 36000, 45000},
    {0, 0, 2000, 3000, 6000, 4000, 5000, 10000, 7000, 8000},
    {0, 3000, 4000, 5000, 8000, 6000, 7000, 12000, 8000, 9000},
    {0, 4000, 1000, 3000, 8000, 5000, 6000, 10000, 7000, 8000},
    {0, 8000, 4000, 5000, 12000, 8000, 9000, 16000, 10000, 11000},
    {0, 0, 4000, 5000, 6000, 7000, 8000, 9000, 10000, 11000},
    {0, 0, 4000, 5000, 6000, 7000, 8000, 9000, 10000, 11000},
    {0, 0, 4000, 5000, 6000, 7000, 8000, 9000, 10000, 11000},
}};

// The price of a category's level; any other category or level costs 0.
constexpr std::int32_t upgradePrice(std::int32_t category, std::int32_t level) {
    if (category < 0 || category >= 8 || level < 0 || level >= 10) return 0;
    return kUpgradePrices[category][level];
}

constexpr std::int32_t upgradePrice(UpgradeCategory category, std::int32_t level) {
    return upgradePrice(static_cast<std::int32_t>(category), level);
}

}  // namespace cindervane
