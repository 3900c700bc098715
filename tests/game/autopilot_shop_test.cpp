// The autopilot's shopping: armour first from stage 3 on, then the weapon with the most damage
// for its price, never over the money or the limits, and never a level given back.
#include <gtest/gtest.h>

#include "game/autopilot_shop.h"
#include "shell/upgrade_prices.h"

namespace cindervane {
namespace {

class AutopilotShop : public ::testing::Test {
  protected:
    // The shop after stage `cleared` with the levels a new game starts with.
    void openShop(int nextStage, std::int32_t money) {
        const int limit = nextStage <= 2 ? 3 : nextStage <= 4 ? 6 : 9;
        const int levels[kShopRowCount] = {0, 1, 0, 0, 0, 1, 1, 1};
        for (int row = 0; row < kShopRowCount; ++row)
            state.scores.shopRows[row] = {levels[row], row == Armor ? 9 : limit, levels[row], 0};
        state.flow.stageNumber = nextStage;
        state.scores.money = money;
    }
    // Buys as the autopilot would until it stops; the rows bought, in order.
    std::vector<int> shopOut() {
        std::vector<int> bought;
        for (int row = nextUpgrade(state); row >= 0; row = nextUpgrade(state)) {
            ShopRow& shop = state.scores.shopRows[row];
            EXPECT_LT(shop.level, shop.levelLimit) << row;
            shop.level += 1;
            state.scores.money -= kUpgradePrices[row][shop.level];
            EXPECT_GE(state.scores.money, 0) << row;
            bought.push_back(row);
            if (bought.size() > 100) break;
        }
        return bought;
    }
    GameState state;
};

TEST_F(AutopilotShop, BuysTheMissilesBeforeStageTwoAndArmourFirstFromStageThree) {
    // The first shop's money: the missiles add far more for their price than a machine gun
    // level, the pulse or armour.
    openShop(2, 4500);
    auto bought = shopOut();
    ASSERT_FALSE(bought.empty());
    EXPECT_EQ(bought[0], HomingMissile);
    EXPECT_EQ(state.scores.shopRows[Armor].level, 0);
    EXPECT_EQ(state.scores.shopRows[MachineGun].level, 1);
    EXPECT_EQ(state.scores.shopRows[PulseCannon].level, 0);
    EXPECT_LT(state.scores.money, 1000);

    openShop(3, 7000);
    bought = shopOut();
    ASSERT_GE(bought.size(), 2u);
    EXPECT_EQ(bought[0], Armor);
    EXPECT_EQ(bought[1], Armor);
    EXPECT_EQ(state.scores.shopRows[Armor].level, 2);
}

TEST_F(AutopilotShop, BuysALevelThatAddsNothingOnTheWayToOneThatDoes) {
    openShop(3, 0);
    state.scores.shopRows[Armor].level = 2;
    state.scores.shopRows[HomingMissile].level = 1;
    // Missile levels 2 and 3 fire no more missiles; level 4 does. With the money for the
    // three it sets out on the way, though the armour is not full.
    state.scores.shopRows[MachineGun].level = 6;
    state.scores.shopRows[PulseCannon].level = 6;
    state.scores.shopRows[Laser].level = 6;
    state.scores.money = 1000 + 3000 + 8000;
    EXPECT_EQ(nextUpgrade(state), HomingMissile);
}

TEST_F(AutopilotShop, SpendsLeftoversOnlyWithinTheLimitsAndStopsWhenNothingIsAffordable) {
    openShop(8, 1000000);
    shopOut();
    for (int row = 0; row < kShopRowCount; ++row)
        EXPECT_EQ(state.scores.shopRows[row].level, state.scores.shopRows[row].levelLimit) << row;
    openShop(2, 1999);
    EXPECT_EQ(nextUpgrade(state), -1);
}

TEST(WeaponDamage, GrowsWithTheLevelsThatAddGuns) {
    EXPECT_EQ(weaponDamagePerFrame(MachineGun, 0), 0);
    EXPECT_GT(weaponDamagePerFrame(MachineGun, 4), weaponDamagePerFrame(MachineGun, 3));
    EXPECT_EQ(weaponDamagePerFrame(HomingMissile, 2), weaponDamagePerFrame(HomingMissile, 1));
    EXPECT_GT(weaponDamagePerFrame(HomingMissile, 4), weaponDamagePerFrame(HomingMissile, 3));
    EXPECT_GT(weaponDamagePerFrame(Laser, 9), weaponDamagePerFrame(Laser, 1));
    EXPECT_EQ(weaponDamagePerFrame(Armor, 5), 0);
}

}  // namespace
}  // namespace cindervane
