// Statistics of one game for the balance report.
#include "game/play_statistics.h"

#include "enemies/enemy.h"

namespace cindervane {

namespace {

std::uint32_t aliveSlots(const Gun& gun) {
    std::uint32_t slots = 0;
    for (int p = 0; p < gun.getProjectileCount() && p < 32; ++p)
        if (const Projectile* shot = gun.projectile(p); shot && shot->isAlive()) slots |= 1u << p;
    return slots;
}

const Enemy* livingBoss(const GameState& state) {
    for (auto* node = state.field.enemies.head(); node; node = node->next)
        if (node->object && node->object->isBoss() && node->object->isAlive())
            return node->object.get();
    return nullptr;
}

// The fight begins when the boss, or one of its parts, can first be hurt: the stage 8 boss
// keeps its body shut while its front section fights.
bool canBeHurt(const Enemy& boss) {
    if (!boss.getInvulnerable()) return true;
    for (int i = 0; i < boss.getPartCount(); ++i)
        if (const Enemy* part = boss.part(i); part && part->isAlive() && !part->getInvulnerable())
            return true;
    return false;
}

}  // namespace

std::string gunKey(int kind, int part, int gun) {
    std::string key = std::to_string(kind);
    if (part >= 0) key += "/" + std::to_string(part);
    return key + "/" + (gun < 0 ? std::string("body") : std::to_string(gun));
}

void PlayStatistics::shipHit(const Enemy& enemy, int part, int gun, std::int32_t hpLost) {
    StageRecord* record = current();
    if (!record) return;
    record->damage += hpLost;
    record->damageByKind[std::to_string(enemy.getKind())] += hpLost;
    GunRecord& gunRecord = record->guns[gunKey(enemy.getKind(), part, gun)];
    gunRecord.hits += 1;
    gunRecord.damage += hpLost;
    hitThisFrame_.push_back(gunKey(enemy.getKind(), part, gun));
}

void PlayStatistics::beforeFrame(const GameState& state) {
    hitThisFrame_.clear();
    // The hidden corner refills at the frame after its sixth tap.
    if (state.flow.screen == GameScreen::Play && state.field.ship && state.field.ship->isAlive() &&
        state.flow.refillTaps > 5 && !stages_.empty()) {
        stages_.back().refills += 1;
        totalRefills_ += 1;
    }
}

void PlayStatistics::countVolleys(const Craft& craft, int kind, int part) {
    auto& slots = bossSlots_[part + 1];
    for (int g = 0; g < craft.getGunCount() && g < Craft::kMaxGuns; ++g) {
        const Gun* gun = craft.gun(g);
        const std::uint32_t now = gun && gun->isEnabled() ? aliveSlots(*gun) : 0;
        if (now & ~slots[g]) current()->guns[gunKey(kind, part, g)].volleys += 1;
        slots[g] = now;
    }
}

void PlayStatistics::countVolleysHit(StageRecord& record) {
    // After the frame's volleys are counted, so a shot that hits in the frame it was fired
    // belongs to its own volley.
    for (const std::string& key : hitThisFrame_) {
        GunRecord& gun = record.guns[key];
        if (gun.volleys > 0 && gun.lastVolleyHit != gun.volleys) {
            gun.volleysHit += 1;
            gun.lastVolleyHit = gun.volleys;
        }
    }
    hitThisFrame_.clear();
}

void PlayStatistics::watchBossGuns(const Enemy& boss) {
    if (&boss != boss_) {
        boss_ = &boss;
        bossSlots_ = {};
    }
    countVolleys(boss, boss.getKind(), -1);
    for (int i = 0; i < boss.getPartCount() && i < 4; ++i)
        if (const Enemy* part = boss.part(i)) countVolleys(*part, boss.getKind(), i);
}

void PlayStatistics::afterFrame(const GameState& state) {
    framesRun_ += 1;
    if (done_) return;
    if (ended_) {
        done_ = state.flow.screen == GameScreen::HighScores ||
                state.flow.screen == GameScreen::MainMenu;
        return;
    }
    const GameScreen before = lastScreen_;
    lastScreen_ = state.flow.screen;
    if (state.flow.screen == GameScreen::Play && state.field.ship &&
        (before == GameScreen::StageIntro || before == GameScreen::GameOver)) {
        // A stage starts (or starts again after a continue).
        stages_.push_back({});
        stages_.back().stage = state.flow.stageNumber;
        inPlay_ = true;
        sawGame_ = true;
        lastMoney_ = state.scores.money;
    }
    StageRecord* record = current();
    if (state.flow.screen == GameScreen::Shop && record) {
        if (state.scores.money < lastMoney_) record->coinsSpent += lastMoney_ - state.scores.money;
        lastMoney_ = state.scores.money;
        return;
    }
    if (state.flow.screen == GameScreen::GameOver && sawGame_) {
        ended_ = true;
        return;
    }
    if (state.flow.screen == GameScreen::StageEnding && state.flow.stageNumber > 8)
        finished_ = true;
    if ((state.flow.screen == GameScreen::NickEntry ||
         state.flow.screen == GameScreen::HighScores ||
         state.flow.screen == GameScreen::MainMenu) &&
        finished_) {
        ended_ = true;
        done_ = state.flow.screen != GameScreen::NickEntry;
        return;
    }
    if (state.flow.screen != GameScreen::Play || !record || !inPlay_) return;

    if (state.scores.money > lastMoney_) record->coinsEarned += state.scores.money - lastMoney_;
    lastMoney_ = state.scores.money;
    record->score = state.scores.score;
    if (state.field.stageCleared) {
        if (!record->cleared && record->bossArrivedAt >= 0)
            record->bossFrames = record->frames - record->bossArrivedAt;
        record->cleared = true;
        return;
    }
    record->frames += 1;
    if (const Enemy* boss = livingBoss(state)) {
        if (record->bossArrivedAt < 0 && canBeHurt(*boss)) record->bossArrivedAt = record->frames;
        if (record->bossArrivedAt >= 0) watchBossGuns(*boss);
    }
    countVolleysHit(*record);
    if (!state.field.ship->isAlive()) {
        inPlay_ = false;
        record->lostAtFrame = framesRun_;
    }
}

nlohmann::json PlayStatistics::report(const GameState& state) const {
    nlohmann::json stages = nlohmann::json::array();
    std::int64_t earned = 0, spent = 0;
    std::int32_t frames = 0;
    int longest = 0;
    for (const StageRecord& record : stages_) {
        nlohmann::json guns = nlohmann::json::object();
        for (const auto& [key, gun] : record.guns)
            guns[key] = {{"hits", gun.hits},
                         {"damage", gun.damage},
                         {"volleys", gun.volleys},
                         {"volleysHit", gun.volleysHit}};
        stages.push_back({{"stage", record.stage},
                          {"cleared", record.cleared},
                          {"frames", record.frames},
                          {"bossFrames", record.bossFrames},
                          {"damage", record.damage},
                          {"damageByKind", record.damageByKind},
                          {"guns", std::move(guns)},
                          {"refills", record.refills},
                          {"coinsEarned", record.coinsEarned},
                          {"coinsSpent", record.coinsSpent},
                          {"score", record.score},
                          {"lostAtFrame", record.lostAtFrame}});
        earned += record.coinsEarned;
        spent += record.coinsSpent;
        frames += record.frames;
        longest = std::max(longest, record.stage);
    }
    const std::string nick =
        state.scores.highScores ? nickText(state.scores.highScores->entries[0]) : "";
    return {{"finished", finished_},
            {"ended", ended_},
            {"longestStage", longest},
            {"playFrames", frames},
            {"score", state.scores.score},
            {"refills", totalRefills_},
            {"coinsEarned", earned},
            {"coinsSpent", spent},
            {"bestNick", nick},
            {"lastScreen", std::string(gameScreenName(state.flow.screen))},
            {"stages", std::move(stages)}};
}

}  // namespace cindervane
