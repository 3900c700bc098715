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
// Pixels it likes to keep between the ship and a side of the screen, and what each pixel
// closer costs (as much as that many pixels of detour from under its target).
constexpr int kSideRoom = 32;
constexpr std::int64_t kSideCost = 20;
// Room it keeps round an enemy's body.
constexpr int kBodyRoom = 8;
// No body flies faster than this many pixels a frame.
constexpr int kMaxBodySpeed = 16;
// A turning body is also looked for on the course it has after turning this many frames more.
constexpr int kTurnFrames = 6;
// How a boss charges: pixels a frame across and down, and the frames it may wait first.
constexpr int kChargeSpeedX = 5;
constexpr int kChargeSpeedY = 9;
constexpr int kChargeWindUp = 6;
// A watched gun whose volley is this many frames late is taken to have stopped its rhythm.
constexpr int kLateVolley = 4;
// Pixels either way a winding-up muzzle may turn off its course each frame before it fires,
// and at most.
constexpr int kWindUpDrift = 2;
constexpr int kMostWindUpDrift = 16;

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
                          bool certain, int from, bool body, int spread) {
    if (threatCount_ >= kMaxThreats || box.empty() || from > skill_.lookAhead) return;
    // Only what can come near the ship within the look-ahead counts.
    const platform::Rect first = shifted(box, vx * from, vy * from);
    const platform::Rect later = shifted(box, vx * skill_.lookAhead, vy * skill_.lookAhead);
    const int stray = spread * skill_.lookAhead / 4;
    const platform::Rect swept{
        std::min(first.left, later.left) - stray, std::min(first.top, later.top) - stray,
        std::max(first.right, later.right) + stray, std::max(first.bottom, later.bottom) + stray};
    if (!overlaps(swept, reach_)) return;
    threats_[threatCount_++] = {box, vx, vy, cost, certain, swept, from, body, spread};
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
    platform::Point turn{};
    const platform::Point velocity = bodyVelocity(enemy, &turn);
    const int spread = enemy.isBoss() ? 0 : skill_.bodySpread;
    addThreat(padded, velocity.x, velocity.y, cost, true, 0, true, spread);
    // A body that is turning is also looked for where it goes if it keeps turning.
    if (!enemy.isBoss() && skill_.bodySpread > 0 && (turn.x != 0 || turn.y != 0)) {
        const int vx = std::clamp(velocity.x + turn.x * kTurnFrames, -kMaxBodySpeed, kMaxBodySpeed);
        const int vy = std::clamp(velocity.y + turn.y * kTurnFrames, -kMaxBodySpeed, kMaxBodySpeed);
        addThreat(padded, vx, vy, cost, true, 0, true, spread);
    }
    // A weaving body (one swerving sideways) turns back the way it came once its weave has
    // gone round, all at once, at the foot of the screen: one that would be past the foot
    // within the look-ahead is also looked for flying back up.
    if (!enemy.isBoss() && skill_.bodySpread > 0 && turn.x != 0 && velocity.y > 0 &&
        box.bottom + velocity.y * skill_.lookAhead > kScreenHeight)
        addThreat(padded, velocity.x, -velocity.y, cost, true, 0, true, spread);
    // A boss seen dashing may dash again: being slow near it is dangerous.
    if (enemy.isBoss() && std::abs(velocity.y) >= kChargeSpeedY) bossDashes_ = true;
    // A boss out of its first phase may charge: a practised hand keeps out of the lanes it
    // could dash down at its top speed, and learns which way each phase of it dashes.
    if (enemy.isBoss() && enemy.getPattern() != 0 && skill_.watchesGuns) {
        int& learnt = chargeWays_[static_cast<unsigned>(enemy.getPattern()) % kChargeWayCount];
        if (velocity.y >= kChargeSpeedY) learnt = sign(velocity.x) + 2;
        for (int dx = -1; dx <= 1; ++dx) {
            if (learnt != 0 && dx != learnt - 2) continue;
            for (int delay = 0; delay <= kChargeWindUp; delay += 3)
                addThreat(shifted(padded, -dx * kChargeSpeedX * delay, -kChargeSpeedY * delay),
                          dx * kChargeSpeedX, kChargeSpeedY, cost * 4, false, 0, true);
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

platform::Point Autopilot::bodyVelocity(const Enemy& body, platform::Point* turn) {
    SeenBody* free = nullptr;
    for (SeenBody& seen : seenBodies_) {
        // Looked at already this frame: judged as then.
        if (seen.body == &body && seen.seenAt == frame_) {
            if (turn) *turn = seen.turn;
            return seen.velocity;
        }
        if (seen.body == &body && frame_ - seen.seenAt == 1) {
            platform::Point velocity{body.getX() - seen.x, body.getY() - seen.y};
            // A jump farther than any flight is a placing, not a motion.
            if (std::abs(velocity.x) > 2 * kMaxBodySpeed ||
                std::abs(velocity.y) > 2 * kMaxBodySpeed)
                velocity = {0, 0};
            const platform::Point change{std::clamp(velocity.x - seen.velocity.x, -2, 2),
                                         std::clamp(velocity.y - seen.velocity.y, -2, 2)};
            seen = {&body, body.getX(), body.getY(), frame_, velocity, change};
            if (turn) *turn = change;
            return velocity;
        }
        if (!free && (!seen.body || frame_ - seen.seenAt > 1)) free = &seen;
    }
    const platform::Point velocity{body.getSpeedX() * body.getDirX(),
                                   body.getSpeedY() * body.getDirY()};
    if (free) *free = {&body, body.getX(), body.getY(), frame_, velocity, {}};
    if (turn) *turn = {};
    return velocity;
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

void Autopilot::addWindUps(const Enemy& boss) {
    if (!boss.isAlive() || !boss.sheet()) return;
    BeamForecast forecast;
    boss.foretellBeams(forecast);
    if (forecast.count == 0) return;
    // The boss moves on until the guns fire: its muzzles go with it, as far as it can be
    // told from how it moves now, and a little either way for the turns it may take.
    const platform::Point velocity = bodyVelocity(boss);
    for (int i = 0; i < forecast.count; ++i) {
        const BeamWarning& warning = forecast.warnings[static_cast<std::size_t>(i)];
        const Enemy* owner = warning.part < 0 ? &boss : boss.part(warning.part);
        const Gun* gun = owner ? owner->gun(warning.gun) : nullptr;
        const Projectile* shot = gun ? gun->projectile(0) : nullptr;
        if (!shot || !shot->sheet()) continue;
        const int k = warning.framesLeft;
        const int w = shot->width();
        const int h = shot->height();
        const int drift = std::min(k * kWindUpDrift, kMostWindUpDrift);
        const int x = warning.x - w / 2 + velocity.x * k;
        const int y = warning.y + velocity.y * k;
        const platform::Rect box{x + (w >> 2) - drift, y + (h >> 2), x + w - (w >> 2) + drift,
                                 y + h - (h >> 2)};
        const int vx = shot->getSpeedX() * shot->getDirX();
        const int vy = shot->getSpeedY() * shot->getDirY();
        // Where the shot is k frames from now, it is at the muzzle: the threat's box is kept
        // as if it had flown all along, and counts only from then.
        addThreat(shifted(box, -vx * k, -vy * k), vx, vy,
                  std::max<std::int32_t>(gun->getDamage(), 100), true, k);
    }
}

void Autopilot::gatherThreats(const GameState& state, const PlayerShip& ship) {
    threatCount_ = 0;
    const platform::Rect box = ship.hitBox();
    const int reach = shipSpeed_ * skill_.lookAhead + kMargin;
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
        if (skill_.readsWindUps && enemy->isBoss()) addWindUps(*enemy);
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
                                 Hit& hit) const {
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
            x = std::clamp(x + dx * shipSpeed_, 0, kScreenWidth - w);
            y = std::clamp(y + dy * shipSpeed_, highest, lowest);
        }
        path[t] = shifted(padded, x - ship.getX(), y - ship.getY());
    }
    // Everywhere the plan takes the ship: a threat that never comes near it is passed over.
    const platform::Rect bounds{std::min(path[1].left, path[lookAhead].left),
                                std::min(path[1].top, path[lookAhead].top),
                                std::max(path[1].right, path[lookAhead].right),
                                std::max(path[1].bottom, path[lookAhead].bottom)};
    std::int64_t cost = 0;
    hit = {};
    for (int i = 0; i < threatCount_; ++i) {
        const Threat& threat = threats_[i];
        if (!overlaps(bounds, threat.swept)) continue;
        // While the roll lasts nothing can hurt the ship: only where it is after it counts.
        for (int t = std::max(rollLeft_ + 1, threat.from); t <= lookAhead; ++t) {
            const int stray = threat.spread * t / 4;
            const platform::Rect there = shifted(threat.box, threat.vx * t, threat.vy * t);
            if (!overlaps(path[t], {there.left - stray, there.top - stray, there.right + stray,
                                    there.bottom + stray}))
                continue;
            // The sooner, the dearer, but a hit that would end the ship is no better for
            // coming later; a shot a gun may never fire is a smaller worry.
            const std::int64_t weight = threat.certain ? 4 : 1;
            const int urgency = threat.cost >= ship.getHp() ? lookAhead : lookAhead + 1 - t;
            cost += threat.cost * urgency * weight;
            // Only a heavy hit is worth the roll or the beam: the evade bar is kept for those.
            if (threat.certain && threat.cost * 8 >= ship.getFullHp() &&
                (hit.earliest == 0 || t < hit.earliest)) {
                hit = {t, threat.cost >= ship.getHp(), threat.body};
            }
            // A body that would end the ship counts for every frame it overlaps, so when no
            // way is clear the one that leaves it soonest wins.
            if (threat.cost < ship.getHp()) break;
        }
    }
    const int away = x < goal.left ? goal.left - x : std::max(0, x - goal.right);
    cost += 3 * away + std::abs(y - goal.y);
    // Against a side of the screen half the ways out are gone: a body dashing at the ship
    // or a boss coming down there leaves it nowhere to go, so it keeps clear of the sides.
    const int fromSide = std::min(x, kScreenWidth - w - x);
    if (fromSide < kSideRoom) cost += kSideCost * (kSideRoom - fromSide);
    return cost;
}

}  // namespace cindervane
