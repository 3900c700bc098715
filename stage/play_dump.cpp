// The play field's part of a state dump.
#include "stage/play_dump.h"

#include <nlohmann/json.hpp>

#include "enemies/enemy.h"
#include "play/player_ship.h"

namespace cindervane {

namespace {

nlohmann::json gunReport(const Gun* gun) {
    if (!gun) return nullptr;
    return {{"enabled", gun->isEnabled()},
            {"damage", gun->getDamage()},
            {"interval", gun->getInterval()},
            {"liveProjectiles", gun->liveProjectiles()}};
}

nlohmann::json shipReport(const PlayerShip& ship) {
    nlohmann::json guns = nlohmann::json::array();
    for (int i = 0; i < ship.getGunCount(); ++i)
        guns.push_back(gunReport(ship.gun(i)));
    nlohmann::json hyperGuns = nlohmann::json::array();
    for (int i = 0; i < ship.getHyperGunCount(); ++i)
        hyperGuns.push_back(gunReport(ship.hyperGun(i)));
    return {
        {"kind", ship.getKind()},
        {"x", ship.getX()},
        {"y", ship.getY()},
        {"width", ship.width()},
        {"height", ship.height()},
        {"alive", ship.isAlive()},
        {"hp", ship.getHp()},
        {"fullHp", ship.getFullHp()},
        {"armor", ship.getArmor()},
        {"armorScale", ship.getArmorScale()},
        {"invulnerable", ship.getInvulnerable()},
        {"autoFire", ship.getAutoFire()},
        {"steering", ship.isSteering()},
        {"evading", ship.isEvading()},
        {"hyperFiring", ship.isHyperFiring()},
        {"charging", ship.isCharging()},
        {"chargeLevel", ship.getChargeLevel()},
        {"power", ship.getPower()},
        {"charge", ship.getCharge()},
        {"evadeBar", ship.getEvadeBar()},
        {"evadeCap", ship.getEvadeCap()},
        {"powerBarCap", ship.getPowerBarCap()},
        {"chargeBarCap", ship.getChargeBarCap()},
        {"frame", ship.getFrame()},
        {"speedX", ship.getSpeedX()},
        {"speedY", ship.getSpeedY()},
        {"machineGunLevel", ship.getMachineGunLevel()},
        {"pulseLevel", ship.getPulseLevel()},
        {"missileLevel", ship.getMissileLevel()},
        {"laserLevel", ship.getLaserLevel()},
        {"hyperBeamLevel", ship.getHyperBeamLevel()},
        {"rechargeRate", ship.getRechargeRate()},
        {"chargeRate", ship.getChargeRate()},
        {"machineGunCap", ship.getMachineGunCap()},
        {"pulseCap", ship.getPulseCap()},
        {"missileCap", ship.getMissileCap()},
        {"laserCap", ship.getLaserCap()},
        {"hyperBeamCap", ship.getHyperBeamCap()},
        {"rateCap", ship.getRateCap()},
        {"chargeRateCap", ship.getChargeRateCap()},
        {"guns", std::move(guns)},
        {"hyperGuns", std::move(hyperGuns)},
    };
}

nlohmann::json enemyReport(const Enemy& enemy) {
    nlohmann::json parts = nlohmann::json::array();
    for (int i = 0; i < enemy.getPartCount(); ++i)
        if (const Enemy* part = enemy.part(i)) parts.push_back(enemyReport(*part));
    return {
        {"kind", enemy.getKind()},
        {"x", enemy.getX()},
        {"y", enemy.getY()},
        {"alive", enemy.isAlive()},
        {"hp", enemy.getHp()},
        {"age", enemy.getAge()},
        {"pattern", enemy.getPattern()},
        {"isBoss", enemy.isBoss()},
        {"invulnerable", enemy.getInvulnerable()},
        {"parts", std::move(parts)},
    };
}

}  // namespace

void reportPlayState(const FieldState& field, nlohmann::json& dump) {
    dump["ship"] = field.ship ? shipReport(*field.ship) : nlohmann::json(nullptr);
    nlohmann::json enemies = nlohmann::json::array();
    for (auto* node = field.enemies.head(); node; node = node->next)
        if (node->object) enemies.push_back(enemyReport(*node->object));
    dump["enemies"] = std::move(enemies);
}

}  // namespace cindervane
