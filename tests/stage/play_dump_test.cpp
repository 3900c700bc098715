// The play field's part of a state dump: no ship before a stage, then the ship with its
// guns, and the enemies with their parts.
#include "stage/play_dump.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "../enemies/test_enemy.h"
#include "../play/play_field.h"
#include "stage/make_player_ship.h"

namespace cindervane {
namespace {

TEST(PlayDump, ReportsNoShipBeforeAStageThenTheShipItsGunsAndEveryEnemyWithItsParts) {
    PlayField field;
    nlohmann::json before;
    reportPlayState(field.state.field, before);
    EXPECT_TRUE(before["ship"].is_null());
    EXPECT_EQ(before["enemies"], nlohmann::json::array());

    makePlayerShip(field.state, ShipVariant::REDPHOENIXV, 4);
    field.state.field.ship->setMachineGunLevel(5);
    auto boss = makeTestEnemy(field.state, {.kind = kPoseidon, .hp = 9000, .boss = true});
    boss->addPart(makeTestEnemy(field.state, {.kind = kOmegaRear, .hp = 300}), 1);
    listEnemy(field.state, std::move(boss), 10, -40).setPattern(2);

    nlohmann::json dump;
    reportPlayState(field.state.field, dump);
    const nlohmann::json& ship = dump["ship"];
    EXPECT_EQ(ship["kind"], 33);
    EXPECT_EQ(ship["y"], 298 - 51);
    EXPECT_EQ(ship["width"], 59);
    EXPECT_EQ(ship["machineGunLevel"], 5);
    ASSERT_EQ(ship["guns"].size(), 25u);
    EXPECT_EQ(ship["guns"][2],
              (nlohmann::json{
                  {"enabled", true}, {"damage", 130}, {"interval", 2}, {"liveProjectiles", 0}}));
    ASSERT_EQ(ship["hyperGuns"].size(), 6u);
    EXPECT_EQ(ship["hyperGuns"][0]["damage"], 1000);

    ASSERT_EQ(dump["enemies"].size(), 1u);
    const nlohmann::json& enemy = dump["enemies"][0];
    EXPECT_EQ(enemy["y"], -40);
    EXPECT_EQ(enemy["pattern"], 2);
    EXPECT_EQ(enemy["isBoss"], true);
    ASSERT_EQ(enemy["parts"].size(), 1u);
    EXPECT_EQ(enemy["parts"][0]["hp"], 300);
    EXPECT_EQ(enemy["parts"][0]["parts"], nlohmann::json::array());
}

}  // namespace
}  // namespace cindervane
