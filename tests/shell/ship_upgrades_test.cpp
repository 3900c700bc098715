// Carrying upgrade levels between stages: what the shop rows take from a cleared stage's
// ship, the levels and limits a new ship gets by stage, and the price table's edges.
#include "shell/ship_upgrades.h"

#include <gtest/gtest.h>

#include "play/player_ship.h"
#include "shell/upgrade_prices.h"

namespace cindervane {
namespace {

class ShipUpgradesTest : public ::testing::Test {
  protected:
    PlayerShip& newShip() {
        state.ship = std::make_unique<PlayerShip>(ShipVariant::REDPHOENIX);
        return *state.ship;
    }

    GameState state;
};

TEST_F(ShipUpgradesTest, TheFirstStageGivesTheStartingLevelsAndLimitsOfThree) {
    state.shopRows[1].level = 9;  // not read in stage 1
    PlayerShip& ship = newShip();
    applyShipUpgrades(state, 1);
    EXPECT_EQ(ship.getArmor(), 0);
    EXPECT_EQ(ship.getMachineGunLevel(), 1);
    EXPECT_TRUE(ship.gun(0)->isEnabled());
    EXPECT_EQ(ship.getPulseLevel(), 0);
    EXPECT_EQ(ship.getLaserLevel(), 0);
    EXPECT_FALSE(ship.gun(19)->isEnabled());
    EXPECT_EQ(ship.getHyperBeamLevel(), 1);
    EXPECT_EQ(ship.getPowerBarCap(), 1);
    EXPECT_EQ(ship.getRechargeRate(), 1);
    EXPECT_EQ(ship.getChargeRate(), 1);
    EXPECT_EQ(ship.getArmorScale(), 10);
    for (int cap :
         {ship.getMachineGunCap(), ship.getPulseCap(), ship.getMissileCap(), ship.getLaserCap(),
          ship.getHyperBeamCap(), ship.getRateCap(), ship.getChargeRateCap()})
        EXPECT_EQ(cap, 3);
}

TEST_F(ShipUpgradesTest, LaterStagesTakeTheShopLevelsBeforeTheirLimits) {
    const std::int32_t levels[kShopRowCount] = {9, 5, 4, 7, 6, 3, 8, 7};
    for (int row = 0; row < kShopRowCount; ++row)
        state.shopRows[row].level = levels[row];
    PlayerShip& ship = newShip();
    applyShipUpgrades(state, 3);
    EXPECT_EQ(ship.getArmor(), 9);
    EXPECT_EQ(ship.getMachineGunLevel(), 5);
    EXPECT_EQ(ship.getPulseLevel(), 4);
    EXPECT_EQ(ship.getMissileLevel(), 7);
    EXPECT_TRUE(ship.gun(18)->isEnabled());
    EXPECT_EQ(ship.getLaserLevel(), 6);
    EXPECT_EQ(ship.getHyperBeamLevel(), 3);
    // The rates met the new ship's cap of 9, not the stage's limit of 6.
    EXPECT_EQ(ship.getRechargeRate(), 8);
    EXPECT_EQ(ship.getChargeRate(), 7);
    EXPECT_EQ(ship.getRateCap(), 6);
    EXPECT_EQ(ship.getMachineGunCap(), 6);

    applyShipUpgrades(state, 5);
    EXPECT_EQ(ship.getLaserCap(), 9);
}

TEST_F(ShipUpgradesTest, StagesOutsideOneToEightChangeNothing) {
    PlayerShip& ship = newShip();
    applyShipUpgrades(state, 9);
    applyShipUpgrades(state, 0);
    EXPECT_EQ(ship.getMachineGunLevel(), 0);
    EXPECT_EQ(ship.getMachineGunCap(), 0);
    state.ship.reset();
    applyShipUpgrades(state, 2);  // no ship: nothing to do
    captureShipUpgrades(state);
}

TEST_F(ShipUpgradesTest, CapturingTakesEachLevelAsLevelAndBaseWithTheLimitAndNextPrice) {
    PlayerShip& ship = newShip();
    applyShipUpgrades(state, 1);
    ship.setArmor(4);
    ship.setMachineGunLevel(3);
    captureShipUpgrades(state);
    const ShopRow& armour = state.shopRows[0];
    EXPECT_EQ(armour.level, 4);
    EXPECT_EQ(armour.baseLevel, 4);
    EXPECT_EQ(armour.levelLimit, 9);
    EXPECT_EQ(armour.nextPrice, 15000);
    const ShopRow& machineGun = state.shopRows[1];
    EXPECT_EQ(machineGun.level, 3);
    EXPECT_EQ(machineGun.levelLimit, 3);
    EXPECT_EQ(machineGun.nextPrice, 6000);
    EXPECT_EQ(state.shopRows[7].level, 1);
    EXPECT_EQ(state.shopRows[7].nextPrice, 4000);
}

TEST(UpgradePrice, IsZeroOutsideTheTableAndNeedNotGrowWithTheLevel) {
    EXPECT_EQ(upgradePrice(UpgradeCategory::MachineGun, 4), 6000);
    EXPECT_EQ(upgradePrice(UpgradeCategory::MachineGun, 5), 4000);
    EXPECT_EQ(upgradePrice(UpgradeCategory::HomingMissile, 2), 1000);
    EXPECT_EQ(upgradePrice(UpgradeCategory::ChargeRate, 9), 11000);
    EXPECT_EQ(upgradePrice(UpgradeCategory::Armor, 10), 0);
    EXPECT_EQ(upgradePrice(8, 3), 0);
    EXPECT_EQ(upgradePrice(-1, 3), 0);
    static_assert(upgradePrice(UpgradeCategory::Laser, 4) == 12000);
}

}  // namespace
}  // namespace cindervane
