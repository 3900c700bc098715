// Carrying the upgrade levels between stages.
#include "shell/ship_upgrades.h"

#include "play/player_ship.h"
#include "shell/upgrade_prices.h"

namespace cindervane {

namespace {

// The ship's level in a category.
std::int32_t shipLevel(const PlayerShip& ship, UpgradeCategory category) {
    switch (category) {
        case UpgradeCategory::Armor:
            return ship.getArmor();
        case UpgradeCategory::MachineGun:
            return ship.getMachineGunLevel();
        case UpgradeCategory::PulseCannon:
            return ship.getPulseLevel();
        case UpgradeCategory::HomingMissile:
            return ship.getMissileLevel();
        case UpgradeCategory::Laser:
            return ship.getLaserLevel();
        case UpgradeCategory::HyperBeam:
            return ship.getHyperBeamLevel();
        case UpgradeCategory::RechargeRate:
            return ship.getRechargeRate();
        case UpgradeCategory::ChargeRate:
            return ship.getChargeRate();
    }
    return 0;
}

// The highest level the ship may have in a category.
std::int32_t shipLimit(const PlayerShip& ship, UpgradeCategory category) {
    switch (category) {
        case UpgradeCategory::Armor:
            return ship.getArmorScale() - 1;
        case UpgradeCategory::MachineGun:
            return ship.getMachineGunCap();
        case UpgradeCategory::PulseCannon:
            return ship.getPulseCap();
        case UpgradeCategory::HomingMissile:
            return ship.getMissileCap();
        case UpgradeCategory::Laser:
            return ship.getLaserCap();
        case UpgradeCategory::HyperBeam:
            return ship.getHyperBeamCap();
        case UpgradeCategory::RechargeRate:
            return ship.getRateCap();
        case UpgradeCategory::ChargeRate:
            return ship.getChargeRateCap();
    }
    return 0;
}

void setShipLevel(PlayerShip& ship, UpgradeCategory category, std::int32_t level) {
    switch (category) {
        case UpgradeCategory::Armor:
            ship.setArmor(level);
            break;
        case UpgradeCategory::MachineGun:
            ship.setMachineGunLevel(level);
            break;
        case UpgradeCategory::PulseCannon:
            ship.setPulseLevel(level);
            break;
        case UpgradeCategory::HomingMissile:
            ship.setMissileLevel(level);
            break;
        case UpgradeCategory::Laser:
            ship.setLaserLevel(level);
            break;
        case UpgradeCategory::HyperBeam:
            ship.setHyperBeamLevel(level);
            break;
        case UpgradeCategory::RechargeRate:
            ship.setRechargeRate(level);
            break;
        case UpgradeCategory::ChargeRate:
            ship.setChargeRate(level);
            break;
    }
}

// Levels a first stage starts with, in row order.
constexpr std::int32_t kFirstStageLevels[kShopRowCount] = {0, 1, 0, 0, 0, 1, 1, 1};

// The limit of every category but armour in a stage; 0 for no stage.
constexpr std::int32_t stageLimit(std::int32_t stage) {
    if (stage >= 1 && stage <= 2) return 3;
    if (stage >= 3 && stage <= 4) return 6;
    if (stage >= 5 && stage <= 8) return 9;
    return 0;
}

}  // namespace

void captureShipUpgrades(GameState& state) {
    if (!state.field.ship) return;
    const PlayerShip& ship = *state.field.ship;
    for (int row = 0; row < kShopRowCount; ++row) {
        const auto category = static_cast<UpgradeCategory>(row);
        ShopRow& shop = state.scores.shopRows[row];
        shop.level = shipLevel(ship, category);
        shop.baseLevel = shop.level;
        shop.levelLimit = shipLimit(ship, category);
        shop.nextPrice = upgradePrice(category, shop.level + 1);
    }
}

void applyShipUpgrades(GameState& state, std::int32_t stage) {
    if (!state.field.ship || stage < 1 || stage > 8) return;
    PlayerShip& ship = *state.field.ship;
    for (int row = 0; row < kShopRowCount; ++row) {
        const std::int32_t level =
            stage == 1 ? kFirstStageLevels[row] : state.scores.shopRows[row].level;
        setShipLevel(ship, static_cast<UpgradeCategory>(row), level);
    }
    const std::int32_t limit = stageLimit(stage);
    ship.setArmorScale(10);
    ship.setMachineGunCap(limit);
    ship.setPulseCap(limit);
    ship.setMissileCap(limit);
    ship.setLaserCap(limit);
    ship.setHyperBeamCap(limit);
    ship.setRateCap(limit);
    ship.setChargeRateCap(limit);
}

}  // namespace cindervane
