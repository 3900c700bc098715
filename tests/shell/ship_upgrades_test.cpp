// Carrying upgrade levels between stages: what the shop rows take from a cleared stage's
// ship, and the levels and limits a new ship gets by stage.
#include "shell/ship_upgrades.h"

#include <gtest/gtest.h>

#include "play/player_ship.h"
#include "shell/upgrade_prices.h"

namespace cindervane {
namespace {

class ShipUpgradesTest : public ::testing::Test {
  protected:
    GameState state;
    PlayerShip& ship = *(state.field.ship = std::make_unique<PlayerShip>(ShipVariant::REDPHOENIX));
};

TEST_F(ShipUpgradesTest, TheFirstStageGivesTheStartingLevelsAndLimitsOfThreeOthersNothing) {
    applyShipUpgrades(state, 9);
    applyShipUpgrades(state, 0);
    EXPECT_EQ(ship.getMachineGunCap(), 0);
    state.scores.shopRows[1].level = 9;  // not read in stage 1
    applyShipUpgrades(state, 1);
    const std::int32_t levels[] = {ship.getArmor(),        ship.getMachineGunLevel(),
                                   ship.getPulseLevel(),   ship.getMissileLevel(),
                                   ship.getLaserLevel(),   ship.getHyperBeamLevel(),
                                   ship.getRechargeRate(), ship.getChargeRate()};
    EXPECT_EQ(std::vector<std::int32_t>(std::begin(levels), std::end(levels)),
              (std::vector<std::int32_t>{0, 1, 0, 0, 0, 1, 1, 1}));
    EXPECT_TRUE(ship.gun(0)->isEnabled());
    EXPECT_FALSE(ship.gun(19)->isEnabled());
    EXPECT_EQ(ship.getArmorScale(), 10);
    for (int cap :
         {ship.getMachineGunCap(), ship.getPulseCap(), ship.getMissileCap(), ship.getLaserCap(),
          ship.getHyperBeamCap(), ship.getRateCap(), ship.getChargeRateCap()})
        EXPECT_EQ(cap, 3);
}

TEST_F(ShipUpgradesTest, LaterStagesTakeTheShopLevelsBeforeTheirLimits) {
    const std::int32_t levels[kShopRowCount] = {9, 5, 4, 7, 6, 3, 8, 7};
    for (int row = 0; row < kShopRowCount; ++row)
        state.scores.shopRows[row].level = levels[row];
    applyShipUpgrades(state, 3);
    EXPECT_EQ(ship.getArmor(), 9);
    EXPECT_EQ(ship.getMissileLevel(), 7);
    EXPECT_TRUE(ship.gun(18)->isEnabled());
    EXPECT_EQ(ship.getHyperBeamLevel(), 3);
    // The rates met the new ship's cap of 9, not the stage's limit of 6.
    EXPECT_EQ(ship.getRechargeRate(), 8);
    EXPECT_EQ(ship.getRateCap(), 6);
    applyShipUpgrades(state, 5);
    EXPECT_EQ(ship.getLaserCap(), 9);
}

TEST_F(ShipUpgradesTest, CapturingTakesEachLevelAsLevelAndBaseWithTheLimitAndNextPrice) {
    applyShipUpgrades(state, 1);
    ship.setArmor(4);
    ship.setMachineGunLevel(3);
    captureShipUpgrades(state);
    const ShopRow& armour = state.scores.shopRows[0];
    EXPECT_EQ(armour.level, 4);
    EXPECT_EQ(armour.baseLevel, 4);
    EXPECT_EQ(armour.levelLimit, 9);  // one below the armour scale
    EXPECT_EQ(armour.nextPrice, upgradePrice(Armor, 5));
    EXPECT_EQ(state.scores.shopRows[1].levelLimit, 3);
    EXPECT_EQ(state.scores.shopRows[1].nextPrice, upgradePrice(MachineGun, 4));
    EXPECT_EQ(state.scores.shopRows[7].level, 1);

    state.field.ship.reset();
    state.scores.shopRows[7].level = 5;
    captureShipUpgrades(state);  // no ship: nothing to take
    EXPECT_EQ(state.scores.shopRows[7].level, 5);
}

}  // namespace
}  // namespace cindervane
