// The upgrade shop: buying, giving back, the limits and the price cells.
#include <gtest/gtest.h>

#include "shell/shop_screen.h"
#include "shell/upgrade_prices.h"
#include "shell_fixture.h"

namespace cindervane {
namespace {

class Shop : public ShellTest {
  protected:
    Shop() {
        state.flow.screen = GameScreen::Shop;
        state.flow.stageNumber = 2;
        state.flow.shopImage = std::make_unique<Surface>(state.run.backDC);
        state.flow.shopImage->loadImage(app.pathBesideProgram("O0064.BAI"));
        // The levels a stage 1 ship ends with, and the limits of the first shops.
        const int levels[kShopRowCount] = {0, 1, 0, 0, 0, 1, 1, 1};
        for (int i = 0; i < kShopRowCount; ++i) {
            ShopRow& row = state.scores.shopRows[i];
            row.level = row.baseLevel = levels[i];
            row.levelLimit = i == Armor ? 9 : 3;
            row.nextPrice = upgradePrice(i, row.level + 1);
        }
    }
    // The buy and give-back buttons of a row, by the row's top.
    void buy(int row) { tap(138, kRowTops[row] + 5); }
    void giveBack(int row) { tap(163, kRowTops[row] + 5); }

    static constexpr int kRowTops[kShopRowCount] = {84, 107, 130, 153, 174, 197, 220, 243};
};

TEST_F(Shop, MoneyExactlyEqualToThePriceBuysTheLevelAndTheLimitStopsBuying) {
    state.scores.money = 2000;
    buy(MachineGun);
    EXPECT_EQ(state.scores.shopRows[MachineGun].level, 2);
    EXPECT_EQ(state.scores.money, 0);
    EXPECT_EQ(state.scores.shopRows[MachineGun].nextPrice, 3000);
    buy(MachineGun);  // not enough left
    EXPECT_EQ(state.scores.shopRows[MachineGun].level, 2);
    frames(1);
    screenshot("shop");
    // The machine gun goes from one to three for five thousand, and no further.
    state.scores.money = 100000;
    for (int i = 0; i < 3; ++i)
        buy(MachineGun);
    EXPECT_EQ(state.scores.shopRows[MachineGun].level, 3);
    EXPECT_EQ(state.scores.money, 100000 - 3000);
}

TEST_F(Shop, GivingBackStopsAtTheBaseLevelAndRefundsExactlyWhatWasPaid) {
    state.scores.money = 20000;
    buy(HomingMissile);  // level 1: 4000
    buy(HomingMissile);  // level 2: 1000
    EXPECT_EQ(state.scores.money, 15000);
    for (int i = 0; i < 3; ++i)
        giveBack(HomingMissile);
    EXPECT_EQ(state.scores.shopRows[HomingMissile].level, 0);
    EXPECT_EQ(state.scores.money, 20000);
    EXPECT_EQ(state.scores.shopRows[HomingMissile].nextPrice, 4000);
}

TEST_F(Shop, ArmourRisesToNineInAnyShop) {
    state.scores.money = 1000000;
    for (int i = 0; i < 12; ++i)
        buy(Armor);
    EXPECT_EQ(state.scores.shopRows[Armor].level, 9);
    EXPECT_EQ(state.scores.money,
              1000000 - (2000 + 3000 + 6000 + 10000 + 15000 + 21000 + 28000 + 36000 + 45000));
}

TEST_F(Shop, DoneLeavesForTheNextIntroWithoutTouchingTheRows) {
    state.scores.money = 5000;
    buy(Laser);
    const ShopRow laser = state.scores.shopRows[Laser];
    tap(220, 300);  // the done button's bottom-right pixel
    EXPECT_EQ(state.flow.screen, GameScreen::StageIntro);
    EXPECT_EQ(state.scores.shopRows[Laser].level, laser.level);
    EXPECT_EQ(fileOf(state.flow.backgroundImage), "O0010.BAI");
}

TEST(UpgradePrice, OutsideTheTableEverythingIsFree) {
    EXPECT_EQ(upgradePrice(MachineGun, 5), 4000);  // cheaper than level 4
    EXPECT_EQ(upgradePrice(Armor, 10), 0);
    EXPECT_EQ(upgradePrice(8, 1), 0);
    EXPECT_EQ(upgradePrice(-1, 1), 0);
}

}  // namespace
}  // namespace cindervane
