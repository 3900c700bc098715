// What each upgrade level costs in the shop. The prices do not grow steadily: some levels
// are cheaper than the one before.
#pragma once

#include <array>
#include <cstdint>

namespace cindervane {

// The eight upgrade categories, in the shop's row order.
enum UpgradeCategory {
    Armor = 0,
    MachineGun = 1,
    PulseCannon = 2,
    HomingMissile = 3,
    Laser = 4,
    HyperBeam = 5,
    RechargeRate = 6,
    ChargeRate = 7,
};

// Levels 0 to 9 of each category.
constexpr std::array<std::array<std::int32_t, 10>, 8> kUpgradePrices = {{
    {0, 2000, 3000, 6000, 10000, 15000, 21000, 28000, 36000, 45000},
    {0, 0, 2000, 3000, 6000, 4000, 5000, 10000, 7000, 8000},
    {0, 3000, 4000, 5000, 8000, 6000, 7000, 12000, 8000, 9000},
    {0, 4000, 1000, 3000, 8000, 5000, 6000, 10000, 7000, 8000},
    {0, 8000, 4000, 5000, 12000, 8000, 9000, 16000, 10000, 11000},
    {0, 0, 4000, 5000, 6000, 7000, 8000, 9000, 10000, 11000},
    {0, 0, 4000, 5000, 6000, 7000, 8000, 9000, 10000, 11000},
    {0, 0, 4000, 5000, 6000, 7000, 8000, 9000, 10000, 11000},
}};

// The price of a level; any other category or level costs nothing.
constexpr std::int32_t upgradePrice(int category, int level) {
    if (category < 0 || category > 7 || level < 0 || level > 9) return 0;
    return kUpgradePrices[category][level];
}

}  // namespace cindervane
