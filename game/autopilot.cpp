// The autopilot.
#include "game/autopilot.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "shell/input.h"
#include "shell/keyboard_keys.h"
#include "shell/tap_areas.h"

namespace cindervane {

namespace {

// The buttons it presses: the charge button (any direction key), auto fire and the roll.
constexpr KeyIndex kChargeKey = 0;
constexpr KeyIndex kAutoFireKey = 4;
constexpr KeyIndex kEvadeKey = 5;

// Frames it lets each screen show before tapping on, so a recorded run can be followed.
constexpr std::int32_t kMenuDelay = 10;
constexpr std::int32_t kPictureDelay = 30;
constexpr std::int32_t kStageClearDelay = 45;

// How far ahead it looks, and the frames a plan keeps its heading before standing still.
constexpr int kLookAhead = 16;
constexpr int kHolds[] = {1, 3, 6, kLookAhead};
// Shots this fast (pixels a frame) are hard to dodge once fired: it keeps out of the lines
// the guns would fire them along.
constexpr int kFastShot = 12;
// Pixels of room it wants round its hit box.
constexpr int kMargin = 3;
constexpr int kShipSpeed = 8;
// It keeps below this row, where shots have the farthest to come.
constexpr int kHighestRow = 60;
// It flies a little above the panel, out of reach of the very bottom.
constexpr int kFlyingRowAbovePanel = 12;
// The hit points below which it refills (a share of the full hit points, in percent), and
// the taps the hidden corner needs.
constexpr std::int32_t kRefillPercent = 35;
constexpr int kRefillTaps = 6;
// A hit this soon (in frames) is worth a roll or letting the beam go.
constexpr int kRollWithin = 3;
constexpr int kBeamWithin = 6;
constexpr std::int32_t kChargeHoldLimit = 30;
constexpr std::string_view kNick = "BOT";

void tapAt(GameState& state, int x, int y) {
    stylusDown(state, x, y);
    stylusUp(state, x, y);
}

void tapArea(GameState& state, const TapArea& area) {
    tapAt(state, (area.left + area.right) / 2, (area.top + area.bottom) / 2);
}

void tapKey(GameState& state, const KeyboardKey& key) {
    tapAt(state, (key.left + key.right) / 2, (key.top + key.bottom) / 2);
}

void press(GameState& state, KeyIndex key) {
    keyDown(state, key);
    keyUp(state, key);
}

bool overlaps(const platform::Rect& a, const platform::Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

platform::Rect shifted(const platform::Rect& box, int dx, int dy) {
    return {box.left + dx, box.top + dy, box.right + dx, box.bottom + dy};
}

bool onScreen(const Actor& actor) {
    return actor.isAlive() && actor.sheet() && actor.getX() + actor.width() > 0 &&
           actor.getX() < kScreenWidth && actor.getY() + actor.height() > 0 &&
           actor.getY() < kScreenHeight;
}

int sign(int value) {
    return (value > 0) - (value < 0);
}

}  // namespace

Autopilot::Goal Autopilot::chooseGoal(const GameState& state, const PlayerShip& ship) const {
    const int w = ship.width();
    const int h = ship.height();
    const int flyingRow = PlayerShip::kBottomLimit - h - kFlyingRowAbovePanel;
    Goal goal{(kScreenWidth - w) / 2, (kScreenWidth - w) / 2, flyingRow};
    const int shipCentre = ship.getX() + w / 2;
    int best = 1 << 30;
    for (auto* node = state.enemies.head(); node; node = node->next) {
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
        // Anywhere under the middle quarter of the enemy, well inside its hit box, will do.
        const int left = enemy->getX() + enemy->width() * 3 / 8;
        const int right = enemy->getX() + enemy->width() - enemy->width() * 3 / 8;
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

void Autopilot::act(GameState& state) {
    if (state.screen != lastScreen_) {
        lastScreen_ = state.screen;
        framesOnScreen_ = 0;
        stylusHeld_ = false;
    }
    framesOnScreen_ += 1;
    if (state.screen == GameScreen::Play) {
        fly(state);
    } else {
        tapThroughScreen(state);
    }
}

void Autopilot::tapThroughScreen(GameState& state) {
    switch (state.screen) {
        case GameScreen::Logo:
            break;
        case GameScreen::Prologue:
        case GameScreen::Story:
        case GameScreen::HighScores:
        case GameScreen::Credits:
        case GameScreen::HelpPage1:
        case GameScreen::HelpPage2:
        case GameScreen::HelpPage3:
            if (framesOnScreen_ == kMenuDelay) tapArea(state, kHelpNextArea);
            break;
        case GameScreen::MainMenu:
            if (framesOnScreen_ == kMenuDelay) tapArea(state, kNewGameArea);
            break;
        case GameScreen::StageIntro:
        case GameScreen::StageEnding:
            if (framesOnScreen_ == kPictureDelay) tapAt(state, kScreenWidth / 2, 160);
            break;
        case GameScreen::Shop:
            if (framesOnScreen_ == kMenuDelay) tapAt(state, 180, 290);
            break;
        case GameScreen::Pause:
            if (framesOnScreen_ == kMenuDelay) tapArea(state, kResumeArea);
            break;
        case GameScreen::GameOver:
            if (framesOnScreen_ == kPictureDelay) tapArea(state, kGiveUpArea);
            break;
        case GameScreen::NickEntry:
            if (framesOnScreen_ >= kMenuDelay && framesOnScreen_ % 5 == 0) enterNick(state);
            break;
        case GameScreen::Play:
            break;
    }
}

void Autopilot::enterNick(GameState& state) {
    const std::size_t typed = state.nick.size();
    bool onTrack = typed <= kNick.size();
    for (std::size_t i = 0; onTrack && i < typed; ++i)
        onTrack = state.nick[i] == static_cast<char16_t>(kNick[i]);
    if (!onTrack) {
        tapKey(state, kClearKey);
        return;
    }
    if (typed == kNick.size()) {
        tapKey(state, kEnterKey);
        return;
    }
    for (const KeyboardKey& key : kCharacterKeys) {
        if (key.character != static_cast<char16_t>(kNick[typed])) continue;
        tapKey(state, key);
        return;
    }
}

void Autopilot::addThreat(const platform::Rect& box, int vx, int vy, std::int32_t cost,
                          bool certain) {
    if (threatCount_ >= kMaxThreats || box.empty()) return;
    // Only what can come near the ship within the look-ahead counts.
    const platform::Rect later = shifted(box, vx * kLookAhead, vy * kLookAhead);
    const platform::Rect swept{std::min(box.left, later.left), std::min(box.top, later.top),
                               std::max(box.right, later.right),
                               std::max(box.bottom, later.bottom)};
    if (!overlaps(swept, reach_)) return;
    threats_[threatCount_++] = {box, vx, vy, cost, certain};
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
    // Ramming costs the ship the enemy's hit points, up to all of its own.
    addThreat(enemy.hitBox(), enemy.getSpeedX() * enemy.getDirX(),
              enemy.getSpeedY() * enemy.getDirY(), std::min(enemy.getHp() + 100, fullHp));
}

void Autopilot::addGunLines(const Enemy& enemy) {
    if (!enemy.isAlive() || !enemy.sheet() || enemy.getY() + enemy.height() < 0) return;
    for (int g = 0; g < enemy.getGunCount(); ++g) {
        const Gun* gun = enemy.gun(g);
        const Projectile* shot = gun && gun->isEnabled() ? gun->projectile(0) : nullptr;
        if (!shot || !shot->sheet()) continue;
        // Shots it may fire in the next frames, fired now or a few frames on; worth less
        // than shots already on their way, as they may never come.
        const int x = enemy.getX() + gun->getOffsetX();
        const int y = enemy.getY() + gun->getOffsetY();
        const int w = shot->width();
        const int h = shot->height();
        const platform::Rect box{x + (w >> 2), y + (h >> 2), x + w - (w >> 2), y + h - (h >> 2)};
        const int vx = shot->getSpeedX() * shot->getDirX();
        const int vy = shot->getSpeedY() * shot->getDirY();
        // Slower shots can still be dodged once they are out.
        if (std::abs(vx) < kFastShot && std::abs(vy) < kFastShot) continue;
        const std::int32_t cost = std::max<std::int32_t>(gun->getDamage(), 100) / 8;
        for (int delay = 0; delay < kLookAhead / 2; delay += 3)
            addThreat(shifted(box, -vx * delay, -vy * delay), vx, vy, cost, false);
    }
}

void Autopilot::gatherThreats(const GameState& state, const PlayerShip& ship) {
    threatCount_ = 0;
    const platform::Rect box = ship.hitBox();
    const int reach = kShipSpeed * kLookAhead + kMargin;
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
    for (auto* node = state.enemies.head(); node; node = node->next) {
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
                                 int& earliest) const {
    const int w = ship.width();
    const int h = ship.height();
    const int lowest = PlayerShip::kBottomLimit - h;
    const platform::Rect start = ship.hitBox();
    const platform::Rect padded{start.left - kMargin, start.top - kMargin, start.right + kMargin,
                                start.bottom + kMargin};
    std::int64_t cost = 0;
    earliest = 0;
    for (int i = 0; i < threatCount_; ++i) {
        const Threat& threat = threats_[i];
        int x = ship.getX();
        int y = ship.getY();
        for (int t = 1; t <= kLookAhead; ++t) {
            if (t <= hold) {
                x = std::clamp(x + dx * kShipSpeed, 0, kScreenWidth - w);
                y = std::clamp(y + dy * kShipSpeed, std::min(kHighestRow, lowest), lowest);
            }
            const platform::Rect shipBox = shifted(padded, x - ship.getX(), y - ship.getY());
            if (overlaps(shipBox, shifted(threat.box, threat.vx * t, threat.vy * t))) {
                // The sooner, the dearer; a shot a gun may never fire is a smaller worry.
                const std::int64_t weight = threat.certain ? 4 : 1;
                cost += threat.cost * (kLookAhead + 1 - t) * weight;
                if (threat.certain && (earliest == 0 || t < earliest)) earliest = t;
                break;
            }
        }
    }
    int x = ship.getX();
    int y = ship.getY();
    for (int t = 1; t <= hold && t <= kLookAhead; ++t) {
        x = std::clamp(x + dx * kShipSpeed, 0, kScreenWidth - w);
        y = std::clamp(y + dy * kShipSpeed, std::min(kHighestRow, lowest), lowest);
    }
    const int away = x < goal.left ? goal.left - x : std::max(0, x - goal.right);
    cost += 3 * away + std::abs(y - goal.y);
    return cost;
}

void Autopilot::fly(GameState& state) {
    PlayerShip* ship = state.ship.get();
    if (!ship) return;
    if (state.stageCleared) {
        clearedFrames_ += 1;
        if (clearedFrames_ == kStageClearDelay) tapArea(state, kContinueArea);
        return;
    }
    clearedFrames_ = 0;
    if (!ship->isAlive()) {
        if (stylusHeld_) stylusUp(state, ship->getX(), ship->getY());
        stylusHeld_ = false;
        return;
    }

    if (refills_ && ship->getHp() * 100 < ship->getFullHp() * kRefillPercent) {
        for (int i = 0; i < kRefillTaps; ++i)
            tapArea(state, kRefillCornerArea);
        stylusHeld_ = false;
    }

    gatherThreats(state, *ship);
    const Goal goal = chooseGoal(state, *ship);
    std::int64_t bestCost = 0;
    int bestDx = 0, bestDy = 0, bestEarliest = 0;
    bool first = true;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            for (int hold : kHolds) {
                int earliest = 0;
                const std::int64_t cost = planCost(*ship, dx, dy, hold, goal, earliest);
                if (first || cost < bestCost) {
                    first = false;
                    bestCost = cost;
                    bestDx = dx;
                    bestDy = dy;
                    bestEarliest = earliest;
                }
            }
        }
    }

    // Far enough ahead on an axis to go at full speed; on the centre to stand.
    const int centreX = ship->getX() + ship->width() / 2;
    const int centreY = ship->getY() + ship->height() / 2;
    // The ship's x is not held by the game: the target keeps it whole on the screen.
    const int halfWidth = ship->width() / 2;
    int targetX =
        std::clamp(centreX + bestDx * 3 * kShipSpeed, halfWidth, kScreenWidth - 1 - halfWidth);
    int targetY = std::clamp(centreY + bestDy * 3 * kShipSpeed, 0, kScreenHeight - 1);
    // The first touch must not land on the speaker or the refill corner.
    if (targetX <= kSpeakerArea.right && targetY <= kSpeakerArea.bottom)
        targetY = kSpeakerArea.bottom + 1;
    if (targetX >= kRefillCornerArea.left && targetY >= kRefillCornerArea.top)
        targetY = kRefillCornerArea.top - 1;
    if (stylusHeld_) {
        stylusMove(state, targetX, targetY);
    } else {
        stylusDown(state, targetX, targetY);
        stylusHeld_ = true;
    }
    useButtons(state, bestEarliest);
}

void Autopilot::useButtons(GameState& state, int earliest) {
    PlayerShip& ship = *state.ship;
    if (!ship.getAutoFire() && ship.getChargeLevel() < 1) press(state, kAutoFireKey);
    if (earliest > 0 && earliest <= kRollWithin && ship.evadeBarFull() &&
        ship.getChargeLevel() < 1 && !ship.isEvading()) {
        press(state, kEvadeKey);
    }
    if (!ship.isCharging()) {
        chargeHeld_ = 0;
        if (ship.getChargeLevel() == 0 && ship.powerBarFull()) press(state, kChargeKey);
        return;
    }
    if (!ship.chargeBarFull()) return;
    chargeHeld_ += 1;
    // The beam is worth letting go with an enemy above to burn, with a hit coming, or
    // before the slow flight of a full charge has lasted too long.
    bool enemyAbove = false;
    for (auto* node = state.enemies.head(); node && !enemyAbove; node = node->next) {
        const Enemy* enemy = node->object.get();
        enemyAbove = enemy && onScreen(*enemy) && !enemy->getInvulnerable() &&
                     enemy->getY() < ship.getY() &&
                     enemy->getX() + enemy->width() > ship.getX() - 10 &&
                     enemy->getX() < ship.getX() + ship.width() + 10;
    }
    if (enemyAbove || (earliest > 0 && earliest <= kBeamWithin) ||
        chargeHeld_ >= kChargeHoldLimit) {
        press(state, kChargeKey);
        chargeHeld_ = 0;
    }
}

}  // namespace cindervane
