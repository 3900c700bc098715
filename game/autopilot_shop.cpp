// The autopilot's shopping policy.
#include "game/autopilot_shop.h"

#include <algorithm>

#include "play/ship_guns.h"
#include "play/weapon_levels.h"
#include "shell/upgrade_prices.h"

namespace cindervane {

namespace {

// The least armour it wants before each stage (index: the stage ahead). None before stage 2:
// the first shop's money buys the homing missiles instead, which shorten the long stage 2
// boss fight, and with it the time its guns have to hit, more than armour would lighten them.
constexpr int kArmorFloor[9] = {0, 0, 0, 2, 2, 3, 3, 4, 4};
constexpr int kMaxLevel = 9;

// Damage a frame in hundredths of `damage` dealt every `interval` frames.
std::int64_t perFrame(std::int64_t damage, std::int32_t interval) {
    return damage * 100 / std::max(1, interval);
}

// The first gun slot of each grade of the pulse cannon and the laser.
constexpr int kPulseGun = 8;
constexpr int kMissileGun = 11;
constexpr int kLaserGun = 19;

}  // namespace

std::int64_t weaponDamagePerFrame(int row, int level) {
    if (level < 0 || level > kMaxLevel) return 0;
    switch (row) {
        case MachineGun: {
            const MachineGunLevel& l = kMachineGunLevels[level];
            // Two guns of each sort; the diagonal pairs fly aside, so count half.
            const std::int32_t interval = kShipGuns[0].interval;
            return perFrame(2 * l.straight + l.diagonal + 2 * l.heavy + l.heavyDiagonal, interval);
        }
        case PulseCannon: {
            std::int64_t total = 0;
            for (int grade = 0; grade < 3; ++grade)
                total += perFrame(kPulseLevels[level].damage[grade],
                                  kShipGuns[kPulseGun + grade].interval);
            return total;
        }
        case HomingMissile: {
            std::int64_t total = 0;
            for (int g = 0; g < kMissileGunsByLevel[level]; ++g)
                total += perFrame(kMissileDamage, kShipGuns[kMissileGun + g].interval);
            return total;
        }
        case Laser: {
            std::int64_t total = 0;
            for (int grade = 0; grade < 3; ++grade)
                total += 2 * perFrame(kLaserLevels[level].damage[grade],
                                      kShipGuns[kLaserGun + 2 * grade].interval);
            return total;
        }
        default:
            return 0;
    }
}

int nextUpgrade(const GameState& state) {
    const auto& rows = state.scores.shopRows;
    const std::int32_t money = state.scores.money;
    const auto canBuy = [&](int row) {
        return rows[row].level < rows[row].levelLimit &&
               kUpgradePrices[row][rows[row].level + 1] <= money;
    };

    const int stage = std::clamp<int>(state.flow.stageNumber, 0, 8);
    if (rows[Armor].level < kArmorFloor[stage] && canBuy(Armor)) return Armor;

    // The weapon whose next useful step gives the most damage per coin.
    int bestRow = -1;
    std::int64_t bestGain = 0, bestPrice = 1;
    for (int row : {MachineGun, PulseCannon, HomingMissile, Laser}) {
        const int level = rows[row].level;
        const std::int64_t now = weaponDamagePerFrame(row, level);
        std::int64_t price = 0;
        for (int next = level + 1; next <= rows[row].levelLimit; ++next) {
            price += kUpgradePrices[row][next];
            const std::int64_t gain = weaponDamagePerFrame(row, next) - now;
            if (gain <= 0) continue;
            if (price <= money && gain * bestPrice > bestGain * price) {
                bestRow = row;
                bestGain = gain;
                bestPrice = price;
            }
            break;
        }
    }
    if (bestRow >= 0) return bestRow;

    int cheapest = -1;
    for (int row : {Armor, HyperBeam, ChargeRate, RechargeRate, MachineGun, PulseCannon,
                    HomingMissile, Laser}) {
        if (!canBuy(row)) continue;
        if (row == Armor) return Armor;
        if (cheapest < 0 || kUpgradePrices[row][rows[row].level + 1] <
                                kUpgradePrices[cheapest][rows[cheapest].level + 1])
            cheapest = row;
    }
    return cheapest;
}

}  // namespace cindervane
