// The autopilot's eyes: what can hurt the ship in the next frames, where it wants to be, and
// what each way of flying there would cost.
#include <algorithm>
#include <cstdlib>

#include "game/autopilot.h"
#include "game/autopilot_view.h"

namespace cindervane {

namespace {

// Shots this fast (pixels a frame) are hard to dodge once fired: it keeps out of the lines
// the guns would fire them along.
constexpr int kFastShot = 10;
// Pixels of room it wants round its hit box.
constexpr int kMargin = 3;
// It keeps below this row, where shots have the farthest to come.
constexpr int kHighestRow = 60;
// It flies a little above the panel, out of reach of the very bottom.
constexpr int kFlyingRowAbovePanel = 12;
// A shot this heavy (hit points) is minded even from a gun whose rhythm is not yet known.
constexpr std::int32_t kHeavyShot = 1000;
// Room it keeps round an enemy's body.
constexpr int kBodyRoom = 8;
// No body flies faster than this many pixels a frame.
constexpr int kMaxBodySpeed = 16;
// How a boss charges: pixels a frame across and down, and the frames it may wait first.
constexpr int kChargeSpeedX = 5;
constexpr int kChargeSpeedY = 9;
constexpr int kChargeWindUp = 6;
// A watched gun whose volley is this many frames late is taken to have stopped its rhythm.
constexpr int kLateVolley = 4;

int sign(int value) {
    return (value > 0) - (value < 0);
}

std::uint32_t aliveSlots(const Gun& gun) {
    std::uint32_t slots = 0;
    for (int p = 0; p < gun.getProjectileCount() && p < 32; ++p)
        if (const Projectile* shot = gun.projectile(p); shot && shot->isAlive()) slots |= 1u << p;
    return slots;
}

}  // namespace

Autopilot::Goal Autopilot::chooseGoal(const GameState& state, const PlayerShip& ship) const {
    const int w = ship.width();
    const int h = ship.height();
    const int flyingRow = PlayerShip::kBottomLimit - h - kFlyingRowAbovePanel;
    Goal goal{(kScreenWidth - w) / 2, (kScreenWidth - w) / 2, flyingRow};
    const int shipCentre = ship.getX() + w / 2;
    int best = 1 << 30;
    for (auto* node = state.field.enemies.head(); node; node = node->next) {
        const Enemy* enemy = node->object.get();
        if (!enemy) continue;
        // A box on the lower part of the screen is worth a detour.
        if (enemy->getBoxCount() > 0 && enemy->box() && onScreen(*enemy->box()) &&
            enemy->box()->getY() > kScreenHeight / 3) {
            const ItemBox& box = *enemy->box();
            const int x = box.getX() + box.width() / 2 - w / 2;
            return {x, x, std::max(kHighestRow, box.getY() + box.height() / 2 - h / 2)};
        }
        if (!onScreen(*enemy) || enemy->getY() + enemy->height() > ship.getY()) continue;
        // Anywhere under the middle of the enemy, well inside its hit box, will do; a less
        // practised hand leaves less of the edges out.
        const int left = enemy->getX() + enemy->width() * skill_.aimShare / 8;
        const int right = enemy->getX() + enemy->width() - enemy->width() * skill_.aimShare / 8;
        const int away = shipCentre < left ? left - shipCentre : std::max(0, shipCentre - right);
        // The nearest sideways, and among those the lowest, which comes at the ship first.
        const int score = away - (enemy->getY() + enemy->height()) / 2;
        if (score < best) {
            best = score;
            goal.left = left - w / 2;
            goal.right = right - w / 2;
        }
    }
    return goal;
}

void Autopilot::addThreat(const platform::Rect& box, int vx, int vy, std::int32_t cost,
                          bool certain) {
    if (threatCount_ >= kMaxThreats || box.empty()) return;
    // Only what can come near the ship within the look-ahead counts.
    const platform::Rect later = shifted(box, vx * skill_.lookAhead, vy * skill_.lookAhead);
    const platform::Rect swept{std::min(box.left, later.left), std::min(box.top, later.top),
                               std::max(box.right, later.right),
                               std::max(box.bottom, later.bottom)};
    if (!overlaps(swept, reach_)) return;
    threats_[threatCount_++] = {box, vx, vy, cost, certain, swept};
}

void Autopilot::addShot(const Projectile& shot, const PlayerShip& ship, std::int32_t cost) {
    if (!shot.isAlive() || !shot.sheet()) return;
    int dx = shot.getDirX();
    int dy = shot.getDirY();
    // An aimed shot turns toward the ship on its second frame.
    if (shot.getHoming() && shot.getAge() < 2) {
        const int towardX = sign(ship.getX() + ship.width() / 2 - shot.getX() - shot.width() / 2);
        const int towardY = sign(ship.getY() + ship.height() / 2 - shot.getY() - shot.height() / 2);
        if (towardX != 0) dx = towardX;
        if (towardY != 0) dy = towardY;
    }
    addThreat(shot.hitBox(), shot.getSpeedX() * dx, shot.getSpeedY() * dy, cost);
}

void Autopilot::addBody(const Enemy& enemy, std::int32_t fullHp) {
    if (!enemy.isAlive() || !enemy.sheet()) return;
    // Ramming costs the ship the enemy's hit points, up to all of its own; bodies turn and
    // swerve, so it keeps a little more room from them than from shots.
    // A boss moves smoothly and fills the screen: it gets only the room round every threat.
    const platform::Rect box = enemy.hitBox();
    const int room = enemy.isBoss() ? 0 : kBodyRoom;
    const platform::Rect padded{box.left - room, box.top - room, box.right + room,
                                box.bottom + room};
    const std::int32_t cost = std::min(enemy.getHp() + 100, fullHp);
    const platform::Point velocity = bodyVelocity(enemy);
    addThreat(padded, velocity.x, velocity.y, cost);
    // A boss out of its first phase may charge: a practised hand keeps out of the lanes it
    // could dash down at its top speed, and learns which way each phase of it dashes.
    if (enemy.isBoss() && enemy.getPattern() != 0 && skill_.watchesGuns) {
        int& learnt = chargeWays_[static_cast<unsigned>(enemy.getPattern()) % kChargeWayCount];
        if (velocity.y >= kChargeSpeedY) learnt = sign(velocity.x) + 2;
        for (int dx = -1; dx <= 1; ++dx) {
            if (learnt != 0 && dx != learnt - 2) continue;
            for (int delay = 0; delay <= kChargeWindUp; delay += 3)
                addThreat(shifted(padded, -dx * kChargeSpeedX * delay, -kChargeSpeedY * delay),
                          dx * kChargeSpeedX, kChargeSpeedY, cost * 4, false);
        }
    }
}

Autopilot::WatchedGun* Autopilot::watch(const Craft& owner, int gun) {
    WatchedGun* free = nullptr;
    for (WatchedGun& watched : watched_) {
        if (watched.owner == &owner && watched.gun == gun) return &watched;
        // A gun not seen for a while belongs to an enemy that has gone.
        if (!free && (!watched.owner || frame_ - watched.seenAt > 2)) free = &watched;
    }
    if (free) *free = {&owner, gun, 0, frame_, -1, 0};
    return free;
}

platform::Point Autopilot::bodyVelocity(const Enemy& body) {
    SeenBody* free = nullptr;
    for (SeenBody& seen : seenBodies_) {
        if (seen.body == &body && frame_ - seen.seenAt <= 1) {
            const platform::Point velocity{body.getX() - seen.x, body.getY() - seen.y};
            seen = {&body, body.getX(), body.getY(), frame_};
            // A jump farther than any flight is a placing, not a motion.
            if (std::abs(velocity.x) <= 2 * kMaxBodySpeed &&
                std::abs(velocity.y) <= 2 * kMaxBodySpeed)
                return velocity;
            return {0, 0};
        }
        if (!free && (!seen.body || frame_ - seen.seenAt > 1)) free = &seen;
    }
    if (free) *free = {&body, body.getX(), body.getY(), frame_};
    return {body.getSpeedX() * body.getDirX(), body.getSpeedY() * body.getDirY()};
}

void Autopilot::addGunLines(const Enemy& enemy) {
    if (!enemy.isAlive() || !enemy.sheet() || enemy.getY() + enemy.height() < 0) return;
    for (int g = 0; g < enemy.getGunCount(); ++g) {
        const Gun* gun = enemy.gun(g);
        const Projectile* shot = gun && gun->isEnabled() ? gun->projectile(0) : nullptr;
        if (!shot || !shot->sheet()) continue;
        const int vx = shot->getSpeedX() * shot->getDirX();
        const int vy = shot->getSpeedY() * shot->getDirY();
        // Slower shots can still be dodged once they are out.
        if (std::abs(vx) < kFastShot && std::abs(vy) < kFastShot) continue;
        const int x = enemy.getX() + gun->getOffsetX();
        const int y = enemy.getY() + gun->getOffsetY();
        const int w = shot->width();
        const int h = shot->height();
        const platform::Rect box{x + (w >> 2), y + (h >> 2), x + w - (w >> 2), y + h - (h >> 2)};
        const std::int32_t damage = std::max<std::int32_t>(gun->getDamage(), 100);

        // A practised hand learns each fast gun's rhythm from the volleys it has seen and
        // keeps out of its column in the frames before the next one.
        WatchedGun* watched = skill_.watchesGuns ? watch(enemy, g) : nullptr;
        if (watched) {
            const std::uint32_t slots = aliveSlots(*gun);
            if (slots & ~watched->aliveSlots) {
                if (watched->firedAt >= 0 && frame_ - watched->firedAt > 1)
                    watched->period = frame_ - watched->firedAt;
                watched->firedAt = frame_;
            }
            watched->aliveSlots = slots;
            watched->seenAt = frame_;
            if (watched->period > 0) {
                const int due = watched->firedAt + watched->period - frame_;
                if (due >= -kLateVolley && due <= skill_.lookAhead) {
                    // The volley leaves the muzzle `due` frames from now (or any moment, when
                    // it is late) and then flies on.
                    const int at = std::max(due, 0);
                    for (int delay = at; delay <= at + 2; ++delay)
                        addThreat(shifted(box, -vx * delay, -vy * delay), vx, vy, damage);
                }
                continue;
            }
        }
        // A gun whose rhythm it does not know: shots it may fire in the next frames, worth
        // less than shots already on their way, as they may never come; the heavier they
        // hit, the more it minds them.
        const std::int32_t worry = damage >= kHeavyShot ? damage / 2 : damage / 8;
        for (int delay = 0; delay < skill_.lookAhead / 2; delay += 3)
            addThreat(shifted(box, -vx * delay, -vy * delay), vx, vy, worry, false);
    }
}

void Autopilot::gatherThreats(const GameState& state, const PlayerShip& ship) {
    threatCount_ = 0;
    const platform::Rect box = ship.hitBox();
    const int reach = kShipSpeed * skill_.lookAhead + kMargin;
    reach_ = {box.left - reach, box.top - reach, box.right + reach, box.bottom + reach};
    const auto addShots = [this, &ship](const Craft& shooter) {
        for (int g = 0; g < shooter.getGunCount(); ++g) {
            const Gun* gun = shooter.gun(g);
            if (!gun || !gun->isEnabled()) continue;
            for (int p = 0; p < gun->getProjectileCount(); ++p)
                if (const Projectile* shot = gun->projectile(p))
                    addShot(*shot, ship, std::max<std::int32_t>(gun->getDamage(), 100));
        }
    };
    for (auto* node = state.field.enemies.head(); node; node = node->next) {
        const Enemy* enemy = node->object.get();
        if (!enemy) continue;
        addShots(*enemy);
        addBody(*enemy, ship.getFullHp());
        addGunLines(*enemy);
        for (int i = 0; i < enemy->getPartCount(); ++i) {
            const Enemy* part = enemy->part(i);
            if (!part) continue;
            addShots(*part);
            addBody(*part, ship.getFullHp());
            addGunLines(*part);
        }
    }
}

std::int64_t Autopilot::planCost(const PlayerShip& ship, int dx, int dy, int hold, const Goal& goal,
                                 int& earliest, bool& lethal) const {
    const int w = ship.width();
    const int h = ship.height();
    const int lowest = PlayerShip::kBottomLimit - h;
    const int highest = std::min(kHighestRow, lowest);
    const int lookAhead = skill_.lookAhead;
    const platform::Rect start = ship.hitBox();
    const platform::Rect padded{start.left - kMargin, start.top - kMargin, start.right + kMargin,
                                start.bottom + kMargin};
    // Where the plan puts the ship in each frame of the look-ahead.
    std::array<platform::Rect, kMaxLookAhead + 1> path{};
    int x = ship.getX();
    int y = ship.getY();
    for (int t = 1; t <= lookAhead; ++t) {
        if (t <= hold) {
            x = std::clamp(x + dx * kShipSpeed, 0, kScreenWidth - w);
            y = std::clamp(y + dy * kShipSpeed, highest, lowest);
        }
        path[t] = shifted(padded, x - ship.getX(), y - ship.getY());
    }
    // Everywhere the plan takes the ship: a threat that never comes near it is passed over.
    const platform::Rect bounds{std::min(path[1].left, path[lookAhead].left),
                                std::min(path[1].top, path[lookAhead].top),
                                std::max(path[1].right, path[lookAhead].right),
                                std::max(path[1].bottom, path[lookAhead].bottom)};
    std::int64_t cost = 0;
    earliest = 0;
    lethal = false;
    for (int i = 0; i < threatCount_; ++i) {
        const Threat& threat = threats_[i];
        if (!overlaps(bounds, threat.swept)) continue;
        for (int t = 1; t <= lookAhead; ++t) {
            if (!overlaps(path[t], shifted(threat.box, threat.vx * t, threat.vy * t))) continue;
            // The sooner, the dearer, but a hit that would end the ship is no better for
            // coming later; a shot a gun may never fire is a smaller worry.
            const std::int64_t weight = threat.certain ? 4 : 1;
            const int urgency = threat.cost >= ship.getHp() ? lookAhead : lookAhead + 1 - t;
            cost += threat.cost * urgency * weight;
            // Only a heavy hit is worth the roll or the beam: the evade bar is kept for those.
            if (threat.certain && threat.cost * 8 >= ship.getFullHp() &&
                (earliest == 0 || t < earliest)) {
                earliest = t;
                lethal = threat.cost >= ship.getHp();
            }
            // A body that would end the ship counts for every frame it overlaps, so when no
            // way is clear the one that leaves it soonest wins.
            if (threat.cost < ship.getHp()) break;
        }
    }
    const int away = x < goal.left ? goal.left - x : std::max(0, x - goal.right);
    cost += 3 * away + std::abs(y - goal.y);
    return cost;
}

}  // namespace cindervane
