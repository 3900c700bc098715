// The player ship: building and placing it, the charge button and the release of a charge,
// the drain, the bars, steering speeds, the limits, the buttons refused while a charge
// drains, the evade roll, the beam's layout, the weapon levels and items.
#include "play/player_ship.h"

#include <gtest/gtest.h>

#include "play_field.h"
#include "stage/make_player_ship.h"

namespace cindervane {
namespace {

class ShipTest : public ::testing::Test {
  protected:
    ShipTest() {
        makePlayerShip(field.state, ShipVariant::REDPHOENIX, 1);
        ship = field.state.field.ship.get();
    }

    void updateTimes(int frames) {
        for (int i = 0; i < frames; ++i)
            ship->update();
    }
    // Starts a charge on a full power bar and releases it with the given charge.
    void release(int power, int charge) {
        ship->setPower(power);
        ship->keyDown(0);
        ship->setCharge(charge);
        ship->keyDown(0);
    }

    PlayField field;
    PlayerShip* ship = nullptr;
};

TEST_F(ShipTest, IsPlacedOnThePanelStillAndLevelWithItsVariantsLayout) {
    EXPECT_TRUE(field.boxes().empty());
    EXPECT_EQ(ship->getX(), 90);
    EXPECT_EQ(ship->getY(), 298 - 42);
    EXPECT_EQ(ship->getFrame(), 3);
    EXPECT_EQ(ship->getSpeedX(), 8);
    EXPECT_EQ(ship->getSpeedCapY(), 8);
    EXPECT_TRUE(ship->gun(19)->isEnabled());  // lasers start enabled, the rest not
    EXPECT_FALSE(ship->gun(0)->isEnabled());
    EXPECT_EQ(ship->hyperGun(5)->getProjectileCount(), 23);

    makePlayerShip(field.state, shipVariantForStage(6), 6);
    const PlayerShip& last = *field.state.field.ship;
    EXPECT_EQ(last.getFullHp(), 10000);
    EXPECT_EQ(last.getY(), 298 - 50);
    EXPECT_EQ(last.gun(18)->getOffsetX(), 64);
    EXPECT_EQ(last.gun(24)->getOffsetY(), -275);
    EXPECT_EQ(last.hyperGun(5)->getProjectileCount(), 27);
}

// Leaves an id out of a catalogue, as if its sheet had never been listed.
void unlist(SheetCatalogue& catalogue, std::int32_t id) {
    for (SheetCatalogue::Node* node = catalogue.head(); node; node = node->next) {
        if (node->object && node->object->id == id) {
            catalogue.remove(node);
            return;
        }
    }
}

TEST(ShipPictures, EveryMissingPictureIsReportedInTheStagesOwnWords) {
    PlayField field;
    unlist(field.state.run.craftSheets, 32);
    unlist(field.state.run.partSheets, 10);
    unlist(field.state.run.projectileSheets, 3);
    unlist(field.state.run.projectileSheets, 14);
    unlist(field.state.run.effectSheets, 1);
    EXPECT_FALSE(makePlayerShip(field.state, ShipVariant::REDPHOENIX, 1));
    const std::vector<std::string> boxes = field.boxes();
    ASSERT_EQ(boxes.size(), 2u + 20u + 52u + 1u);
    EXPECT_EQ(boxes[0], "Error loading Ship Pointer");
    EXPECT_EQ(boxes[1], "Error loading Ship Part Pointer");
    // The 20 rounds of guns 0 and 1, and the 26 body segments of each first-grade beam gun.
    EXPECT_EQ(std::count(boxes.begin(), boxes.end(), "Error loading Team Guns Pointer"), 20);
    EXPECT_EQ(std::count(boxes.begin(), boxes.end(), "Error loading Team Special Guns Pointer"),
              52);
    EXPECT_EQ(boxes.back(), "Error loading Team Explosion Pointer");
    EXPECT_EQ(field.state.field.ship->getY(), 298);  // placed by its corner

    PlayField later;
    unlist(later.state.run.effectSheets, 2);
    makePlayerShip(later.state, ShipVariant::REDPHOENIXV, 4);
    EXPECT_EQ(later.boxes().front(), "Error loading Enemy Gun Ammos Explosion Pointer");
    EXPECT_EQ(later.boxes().size(), 109u + 6u * 27u);  // every shot and beam segment
}

TEST_F(ShipTest, TheChargeButtonWaitsForTheFullPowerBarAndReleasesByWhatWasCharged) {
    ship->setPower(31);  // bar cap 1: full at 32
    ship->keyDown(0);
    ship->setPower(32);
    ship->keyDown(4);  // A is no charge button
    EXPECT_FALSE(ship->isCharging());
    ship->keyDown(7);
    EXPECT_TRUE(ship->isCharging());
    ship->setCharge(4);  // below the first mark: nothing is released, the charge is lost
    ship->keyDown(1);
    EXPECT_FALSE(ship->isCharging());
    EXPECT_EQ(ship->getCharge(), 0);
    EXPECT_EQ(ship->getChargeLevel(), 0);
    EXPECT_EQ(ship->getPower(), 32);

    ship->setHyperBeamLevel(4);  // bar cap 2: full at 67
    release(67, 40);
    EXPECT_EQ(ship->getChargeLevel(), 2);
    EXPECT_EQ(ship->getPower(), 27);
    ship->update();
    EXPECT_TRUE(ship->hyperGun(0)->isEnabled());
    EXPECT_TRUE(ship->isHyperFiring());
    EXPECT_TRUE(ship->getInvulnerable());
    EXPECT_TRUE(ship->aura().isAlive());
}

TEST_F(ShipTest, ALevelOneChargeRefusesAAndBAndHoldsAutoFireOffUntilItHasDrained) {
    ship->setAutoFire(true);
    release(32, 20);
    EXPECT_EQ(ship->getChargeLevel(), 1);
    ship->keyUp(4);
    ship->keyUp(5);
    EXPECT_TRUE(ship->getAutoFire());
    EXPECT_FALSE(ship->isEvading());
    // One unit a step on four frames in five.
    updateTimes(23);
    EXPECT_EQ(ship->getCharge(), 1);
    EXPECT_FALSE(ship->getAutoFire());
    EXPECT_FALSE(ship->hyperGun(0)->isEnabled());  // no beam at level 1
    updateTimes(1);
    EXPECT_EQ(ship->getCharge(), 0);
    EXPECT_TRUE(ship->getAutoFire());
    updateTimes(2);  // the next drain step ends the charge
    EXPECT_EQ(ship->getChargeLevel(), 0);
}

TEST_F(ShipTest, TheDrainIsHalfTheChargeRateButAtLeastOne) {
    for (const auto& [rate, drain] : {std::pair{1, 1}, {9, 4}}) {
        ship->setChargeRate(rate);
        release(32, 30);
        ship->update();  // frame 1 of 5 drains
        EXPECT_EQ(ship->getCharge(), 30 - drain) << rate;
        ship->setCharge(0);
        updateTimes(5);
    }
}

TEST_F(ShipTest, ChargeAndPowerGrowByTheirRatesAndStopAtTheFullMark) {
    ship->setPower(32);
    ship->keyDown(0);
    ship->setChargeRate(9);
    updateTimes(20);  // steps at frames 5, 10, 15, 20: the fourth's 36 is cut back to 32
    EXPECT_EQ(ship->getCharge(), 32);
    EXPECT_EQ(ship->getPower(), 32);
    ship->setPower(0);
    ship->setRechargeRate(9);
    updateTimes(40);  // every tenth frame
    EXPECT_EQ(ship->getPower(), 32);
}

TEST_F(ShipTest, SteeringSpeedFallsWithTheDistanceToTheStylus) {
    const int centre = ship->getX() + 30;
    for (const auto& [distance, speed] : {std::pair{20, 8}, {19, 8}, {15, 4}, {10, 4}, {5, 2}}) {
        ship->setX(90);
        ship->steerTo(centre + distance, ship->getY() + 21);
        ship->update();
        EXPECT_EQ(ship->getX(), 90 + speed) << distance;
    }
    ship->setX(90);  // within one step of the target the ship stops on that axis
    ship->steerTo(centre + 1, ship->getY() + 21);
    ship->update();
    EXPECT_EQ(ship->getDirX(), 0);
    EXPECT_EQ(ship->getX(), 90);
}

TEST_F(ShipTest, IsHeldAboveThePanelAndAtTheTop) {
    ship->setDirY(1);
    ship->update();
    EXPECT_EQ(ship->getY(), 298 - 42);
    ship->setY(3);
    ship->setDirY(-1);
    ship->update();
    EXPECT_EQ(ship->getY(), 0);
}

TEST_F(ShipTest, TheEvadeRollRunsThroughTheRollFramesAndEmptiesTheBar) {
    ship->keyUp(5);
    EXPECT_EQ(ship->getFrame(), 6);
    std::vector<int> frames;
    while (ship->isEvading() && frames.size() < 40) {
        ship->update();
        frames.push_back(ship->getFrame());
    }
    frames.erase(std::unique(frames.begin(), frames.end()), frames.end());
    EXPECT_EQ(frames, (std::vector<int>{7, 8, 9, 10, 11, 12, 0, 1, 2, 3}));
    EXPECT_EQ(ship->getEvadeBar(), 0);
    ship->keyUp(5);  // not full again yet
    EXPECT_FALSE(ship->isEvading());
}

TEST_F(ShipTest, TheBeamIsLaidOutAboveTheShipAndClearedWhenItDies) {
    ship->setHyperBeamLevel(9);
    release(100, 100);
    ASSERT_EQ(ship->getChargeLevel(), 4);
    ship->update();
    EXPECT_FALSE(ship->hyperGun(0)->isEnabled());
    const Gun& beam = *ship->hyperGun(4);
    EXPECT_EQ(beam.projectile(0)->getX(), ship->getX() - 44);
    EXPECT_EQ(beam.projectile(0)->getY(), ship->getY() - 20);
    EXPECT_EQ(beam.projectile(24)->getY(), ship->getY() - 20 - 24 * 10);  // bodies: 10 high
    EXPECT_EQ(beam.liveProjectiles(), 25);
    ship->die();
    EXPECT_EQ(beam.liveProjectiles(), 0);
    ship->update();
    EXPECT_FALSE(ship->getInvulnerable());
    EXPECT_FALSE(ship->aura().isAlive());
}

TEST_F(ShipTest, LevelSettersSwitchGunsByKindAndLoweringMissilesLeavesThemOn) {
    ship->setMachineGunLevel(7);
    ship->setMachineGunLevel(4);
    for (int gun = 0; gun < 8; ++gun)
        EXPECT_EQ(ship->gun(gun)->isEnabled(), gun < 4) << gun;
    EXPECT_EQ(ship->gun(3)->getDamage(), 120);
    ship->setMissileLevel(8);
    ship->setMissileLevel(2);
    for (int missile = 11; missile <= 18; ++missile)
        EXPECT_TRUE(ship->gun(missile)->isEnabled()) << missile;
    ship->setPulseLevel(9);
    EXPECT_FALSE(ship->gun(8)->isEnabled());
    EXPECT_EQ(ship->gun(10)->getDamage(), 1100);
    ship->setHyperBeamLevel(8);
    EXPECT_EQ(ship->hyperGun(5)->getDamage(), 1500);
    EXPECT_EQ(ship->getChargeBarCap(), 3);
}

TEST_F(ShipTest, ItemsRaiseALevelUpToItsCapAndUnknownKindsDoNothing) {
    ship->setArmor(9);
    ship->applyItem(4);
    EXPECT_EQ(ship->getArmor(), 9);
    ship->setMissileCap(3);
    ship->setMissileLevel(3);
    ship->applyItem(1);
    EXPECT_EQ(ship->getMissileLevel(), 3);
    ship->setMachineGunCap(3);
    ship->applyItem(2);
    EXPECT_TRUE(ship->gun(0)->isEnabled());
    ship->setHp(10);
    ship->applyItem(0);
    EXPECT_EQ(ship->getHp(), 5000);
    ship->applyItem(9);
    ship->applyItem(-1);
}

}  // namespace
}  // namespace cindervane
