// The autopilot's hand: the screens, the shop, the steering and the buttons.
#include "game/autopilot.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "game/autopilot_shop.h"
#include "game/autopilot_view.h"
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

// The frames a plan keeps its heading before standing still.
constexpr int kHolds[] = {1, 3, 6, Autopilot::kMaxLookAhead};
// The shop's buy buttons: the middle of each row's button, top to bottom, and done.
constexpr int kBuyX = 138;
constexpr int kBuyY[kShopRowCount] = {91, 114, 137, 160, 182, 205, 227, 251};
constexpr int kShopDoneX = 180, kShopDoneY = 290;
// Frames between two taps in the shop.
constexpr std::int32_t kShopTapGap = 3;
// The hit points below which it refills (a share of the full hit points, in percent), and
// the taps the hidden corner needs.
constexpr std::int32_t kRefillPercent = 60;
// The most its own chance adds to the cost of a way: a few pixels of detour.
constexpr std::uint32_t kTieNoise = 8;
constexpr int kRefillTaps = 6;
// A hit this soon (in frames) is worth a roll or letting the beam go.
constexpr int kRollWithin = 3;
constexpr int kBeamWithin = 6;
constexpr std::int32_t kChargeHoldLimit = 30;
// A body with an eighth of the ship's hit points or more is heavy, and near when it is this
// many pixels away or closer.
constexpr std::int32_t kHeavyBodyShare = 8;
constexpr int kHeavyBodyRange = 100;
// A full charge bar and the beam after it keep the ship at a third of its speed, and the beam
// rules out the roll, for a hundred frames and more: a body that would end the ship on a ram
// (it has the ship's full hit points or more) is watched for within this many pixels, about
// what one weaving across the screen covers meanwhile, and no charge is begun for this many
// frames after one was seen, as such bodies come in waves.
constexpr int kLethalBodyRange = 200;
constexpr std::int32_t kLethalBodyMemory = 300;
// Frames a boss is watched before it is trusted not to dash.
constexpr std::int32_t kBossStudyFrames = 300;
constexpr std::string_view kNick = "BOT";
// The ship's sheet has 13 frames; the roll ends on frame 3.
constexpr int kShipFrameCount = 13;
constexpr int kRollLastFrame = 3;

}  // namespace

void Autopilot::tapAt(GameState& state, int x, int y) {
    hand_->stylusDown(state, x, y);
    hand_->stylusUp(state, x, y);
}

void Autopilot::tapArea(GameState& state, const TapArea& area) {
    tapAt(state, (area.left + area.right) / 2, (area.top + area.bottom) / 2);
}

void Autopilot::tapKey(GameState& state, const KeyboardKey& key) {
    tapAt(state, (key.left + key.right) / 2, (key.top + key.bottom) / 2);
}

void Autopilot::press(GameState& state, KeyIndex key) {
    hand_->press(state, key);
}

Autopilot::Skill Autopilot::skillOf(AutopilotSkill skill) {
    switch (skill) {
        case AutopilotSkill::Normal:
            return {1, 0, 14, 2, true, true, true, true, 2};
        case AutopilotSkill::Novice:
            return {4, 2, 8, 1, false, false, false, false, 0};
        case AutopilotSkill::Expert:
            break;
    }
    return {1, 0, kMaxLookAhead, 3, true, true, true, true, 2};
}

Autopilot::Autopilot(AutopilotSettings settings, std::unique_ptr<AutopilotHand> hand)
    : settings_(settings),
      skill_(skillOf(settings.skill)),
      random_(settings.seed),
      hand_(hand ? std::move(hand) : std::make_unique<StylusHand>()) {
    side_ = (random_.next() & 1) ? 1 : -1;
}

void Autopilot::act(GameState& state) {
    if (state.flow.screen != lastScreen_) {
        lastScreen_ = state.flow.screen;
        framesOnScreen_ = 0;
        stylusHeld_ = false;
        // Each stage has a boss of its own ways.
        if (state.flow.screen == GameScreen::StageIntro) {
            chargeWays_ = {};
            bossDashes_ = false;
            bossWatched_ = 0;
        }
    }
    framesOnScreen_ += 1;
    if (state.flow.screen == GameScreen::Play) {
        fly(state);
    } else {
        tapThroughScreen(state);
    }
    hand_->finishTurn(state);
}

void Autopilot::tapThroughScreen(GameState& state) {
    switch (state.flow.screen) {
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
            shop(state);
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

void Autopilot::shop(GameState& state) {
    if (framesOnScreen_ < kMenuDelay || (framesOnScreen_ - kMenuDelay) % kShopTapGap != 0) return;
    const int row = nextUpgrade(state);
    if (row >= 0)
        tapAt(state, kBuyX, kBuyY[row]);
    else
        tapAt(state, kShopDoneX, kShopDoneY);
}

void Autopilot::enterNick(GameState& state) {
    const std::size_t typed = state.scores.nick.size();
    bool onTrack = typed <= kNick.size();
    for (std::size_t i = 0; onTrack && i < typed; ++i)
        onTrack = state.scores.nick[i] == static_cast<char16_t>(kNick[i]);
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

void Autopilot::fly(GameState& state) {
    PlayerShip* ship = state.field.ship.get();
    if (!ship) return;
    if (state.field.stageCleared) {
        clearedFrames_ += 1;
        if (clearedFrames_ == kStageClearDelay) tapArea(state, kContinueArea);
        return;
    }
    clearedFrames_ = 0;
    if (!ship->isAlive()) {
        if (stylusHeld_) hand_->stylusUp(state, ship->getX(), ship->getY());
        stylusHeld_ = false;
        return;
    }

    if (settings_.refills && ship->getHp() * 100 < ship->getFullHp() * kRefillPercent) {
        for (int i = 0; i < kRefillTaps; ++i)
            tapArea(state, kRefillCornerArea);
        stylusHeld_ = false;
    }

    frame_ += 1;
    const bool slowed = ship->isHyperFiring() || (ship->isCharging() && ship->chargeBarFull());
    shipSpeed_ = slowed ? std::max(1, ship->getSpeedCapX() / 3) : std::max(1, ship->getSpeedCapX());
    // The roll steps through the sheet's frames 6 to 12 and on from 0 to 3, a frame at most
    // each frame; until it is over nothing hurts the ship.
    rollLeft_ = ship->isEvading()
                    ? (kRollLastFrame - ship->getFrame() + kShipFrameCount) % kShipFrameCount
                    : 0;
    gatherThreats(state, *ship);
    if (frame_ >= nextPlan_) {
        // A new look at the field: the plan is flown until the next one, so a slower hand
        // answers late.
        const int jitter = skill_.replanJitter > 0
                               ? static_cast<int>(random_.next() % (skill_.replanJitter + 1))
                               : 0;
        nextPlan_ = frame_ + skill_.replan + jitter;
        choosePlan(*ship, chooseGoal(state, *ship));
    } else {
        planHit_.earliest = std::max(0, planHit_.earliest - 1);
    }
    steer(state, *ship);
    useButtons(state);
}

void Autopilot::choosePlan(const PlayerShip& ship, const Goal& goal) {
    std::int64_t bestCost = 0;
    bool first = true;
    // Ways are tried from the side it leans to, so a tie goes that way.
    for (int dy = -1; dy <= 1; ++dy) {
        for (int sx = -1; sx <= 1; ++sx) {
            const int dx = sx * side_;
            for (int hold : kHolds) {
                if (hold > skill_.lookAhead) hold = skill_.lookAhead;
                Hit hit;
                // A little of its own chance on every way, so near ties go as its seed leans.
                const std::int64_t cost =
                    planCost(ship, dx, dy, hold, goal, hit) + random_.next() % kTieNoise;
                if (first || cost < bestCost) {
                    first = false;
                    bestCost = cost;
                    planDx_ = dx;
                    planDy_ = dy;
                    planHit_ = hit;
                }
            }
        }
    }
}

void Autopilot::steer(GameState& state, const PlayerShip& ship) {
    // Far enough ahead on an axis to go at full speed; on the centre to stand.
    const int centreX = ship.getX() + ship.width() / 2;
    const int centreY = ship.getY() + ship.height() / 2;
    // The ship's x is not held by the game: the target keeps it whole on the screen.
    const int halfWidth = ship.width() / 2;
    int targetX =
        std::clamp(centreX + planDx_ * 3 * kShipSpeed, halfWidth, kScreenWidth - 1 - halfWidth);
    int targetY = std::clamp(centreY + planDy_ * 3 * kShipSpeed, 0, kScreenHeight - 1);
    // The first touch must not land on the speaker or the refill corner.
    if (targetX <= kSpeakerArea.right && targetY <= kSpeakerArea.bottom)
        targetY = kSpeakerArea.bottom + 1;
    if (targetX >= kRefillCornerArea.left && targetY >= kRefillCornerArea.top)
        targetY = kRefillCornerArea.top - 1;
    if (stylusHeld_) {
        hand_->stylusMove(state, targetX, targetY);
    } else {
        hand_->stylusDown(state, targetX, targetY);
        stylusHeld_ = true;
    }
}

bool Autopilot::heavyBodyNear(const GameState& state, const PlayerShip& ship, int range,
                              std::int32_t share, std::int32_t hp) const {
    const platform::Rect box = ship.hitBox();
    for (auto* node = state.field.enemies.head(); node; node = node->next) {
        const Enemy* enemy = node->object.get();
        if (!enemy || enemy->isBoss() || !enemy->isAlive() || !enemy->sheet()) continue;
        if (enemy->getHp() * share < hp) continue;
        const platform::Rect body = enemy->hitBox();
        if (body.right > box.left - range && body.left < box.right + range &&
            body.bottom > box.top - range && body.top < box.bottom + range)
            return true;
    }
    return false;
}

void Autopilot::useButtons(GameState& state) {
    PlayerShip& ship = *state.field.ship;
    const int earliest = planHit_.earliest;
    if (!ship.getAutoFire() && ship.getChargeLevel() < 1) press(state, kAutoFireKey);
    bossNear_ = false;
    for (auto* node = state.field.enemies.head(); node && !bossNear_; node = node->next)
        bossNear_ = node->object && node->object->isBoss() && onScreen(*node->object);
    if (bossNear_) bossWatched_ += 1;
    // A hit that would end the ship is rolled through as late as can be, so the roll lasts
    // while the body passes. Near a boss that dashes, a lesser ram is taken rather than
    // the roll spent, which its dash may need; a heavy shot is rolled through all the same.
    const int rollWithin = planHit_.lethal ? 1 : kRollWithin;
    if (skill_.rolls && earliest > 0 && earliest <= rollWithin && ship.evadeBarFull() &&
        (planHit_.lethal || !planHit_.body || !(bossNear_ && bossDashes_)) &&
        ship.getChargeLevel() < 1 && !ship.isEvading()) {
        press(state, kEvadeKey);
    }
    // Near a boss that dashes, or one not yet watched long enough to know it does not, or
    // near a heavy body, a slow ship is a lost ship: no charge is begun there, and a charge
    // too small for the beam is let go before it slows the ship.
    const bool slowIsRisky =
        skill_.watchesGuns &&
        ((bossNear_ && (bossDashes_ || bossWatched_ < kBossStudyFrames)) ||
         heavyBodyNear(state, ship, kHeavyBodyRange, kHeavyBodyShare, ship.getHp()));
    // While bodies that would end the ship come by, the beam waits: a slow ship that cannot
    // roll would be caught by the next of them.
    if (heavyBodyNear(state, ship, kLethalBodyRange, 1, ship.getFullHp()))
        lethalBodySeenAt_ = frame_;
    const bool beamIsRisky = skill_.watchesGuns && lethalBodySeenAt_ >= 0 &&
                             frame_ - lethalBodySeenAt_ <= kLethalBodyMemory;
    if (!ship.isCharging()) {
        chargeHeld_ = 0;
        if (ship.getChargeLevel() == 0 && ship.powerBarFull() && !slowIsRisky && !beamIsRisky)
            press(state, kChargeKey);
        return;
    }
    if (!ship.chargeBarFull()) {
        if (slowIsRisky && ship.barsReached(ship.getCharge()) < 2) press(state, kChargeKey);
        return;
    }
    chargeHeld_ += 1;
    // The beam is worth letting go with an enemy above to burn, with a hit coming, or
    // before the slow flight of a full charge has lasted too long.
    bool enemyAbove = false;
    for (auto* node = state.field.enemies.head(); node && !enemyAbove; node = node->next) {
        const Enemy* enemy = node->object.get();
        enemyAbove = enemy && onScreen(*enemy) && !enemy->getInvulnerable() &&
                     enemy->getY() < ship.getY() &&
                     enemy->getX() + enemy->width() > ship.getX() - 10 &&
                     enemy->getX() < ship.getX() + ship.width() + 10;
    }
    // A less practised hand lets it go as soon as it is full.
    if (!skill_.aimsBeam) enemyAbove = true;
    // The beam stops shots but not a ram.
    const bool shotComing = earliest > 0 && earliest <= kBeamWithin && !planHit_.body;
    if (enemyAbove || shotComing || chargeHeld_ >= kChargeHoldLimit) {
        press(state, kChargeKey);
        chargeHeld_ = 0;
    }
}

}  // namespace cindervane
