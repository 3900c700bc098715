// One play frame.
#include "stage/play_frame.h"

#include <algorithm>
#include <array>

#include "enemies/enemy.h"
#include "platform/draw/blit.h"
#include "play/player_ship.h"
#include "stage/enemy_factory.h"
#include "stage/enemy_sweep.h"
#include "stage/stage_music.h"

namespace cindervane {

namespace {

constexpr int kExplosionSound = 0;
constexpr int kMachineGunSound = 1;
constexpr int kSpecialGunSound = 3;
// Passes a firing sound plays before it must be started again.
constexpr std::int32_t kFiringRepeatLimit = 100;
// Frames a picked-up item's label shows.
constexpr std::int32_t kPickupLabelFrames = 10;
// Taps on the hidden corner that refill the ship.
constexpr std::int32_t kRefillTaps = 5;
// Frames from the ship's loss to the game over screen.
constexpr std::int32_t kGameOverDelay = 75;

// The collisions and kills of one frame. The ship is present; once a craft has died in this
// frame the remaining tests skip it (every hit test wants both sides alive).
class Collisions {
  public:
    Collisions(GameState& state, PlayerShip& ship) : state_(state), ship_(ship) { measureBeam(); }

    void withEnemy(Enemy& enemy);
    void aimMissiles();

  private:
    // The shooter is the enemy itself (part -1) or its part `part`.
    void enemyShotsHitShip(Craft& shooter, const Enemy& enemy, int part);
    void pickUp(Enemy& carrier);
    void pickUpCoins(Enemy& carrier);
    void aimAtShip(Enemy& shooter);
    void ram(Enemy& enemy, Enemy* owner, int part);
    // Tells the play observer, if any, of a hit the ship took.
    void reportHit(const Enemy& enemy, int part, int gun, std::int32_t hpBefore);
    void shipShotsHit(Enemy& enemy, Enemy* owner);
    void hyperBeamHits(Enemy& enemy, Enemy* owner);
    void shootDownShots(Enemy& shooter);
    void beamClearsShots(Enemy& shooter);
    // A kill of an enemy (owner null) or of one of its parts.
    void kill(Enemy& enemy, Enemy* owner);
    void shipDies();
    void playExplosion();
    void measureBeam();
    // Whether anything inside the box could meet a segment of the beam gun.
    bool nearBeam(int gun, const platform::Rect& box) const;

    GameState& state_;
    PlayerShip& ship_;
    platform::Point at_;
    // The box round the hit boxes of each beam gun's live segments; the segments stand still
    // through the collisions, so it is measured once a frame.
    std::array<platform::Rect, PlayerShip::kHyperGunCount> beamBounds_{};
};

void Collisions::measureBeam() {
    for (int h = 0; h < ship_.getHyperGunCount(); ++h) {
        platform::Rect bounds;
        const Gun* beam = ship_.hyperGun(h);
        for (int s = 0; beam && beam->isEnabled() && s < beam->getProjectileCount(); ++s) {
            const Projectile* segment = beam->projectile(s);
            if (!segment || !segment->isAlive() || !segment->sheet()) continue;
            const platform::Rect box = segment->hitBox();
            if (box.empty()) continue;
            bounds = bounds.empty() ? box
                                    : platform::Rect{std::min(bounds.left, box.left),
                                                     std::min(bounds.top, box.top),
                                                     std::max(bounds.right, box.right),
                                                     std::max(bounds.bottom, box.bottom)};
        }
        beamBounds_[h] = bounds;
    }
}

bool Collisions::nearBeam(int gun, const platform::Rect& box) const {
    platform::Rect common;
    return platform::intersectRect(common, beamBounds_[gun], box);
}

void Collisions::playExplosion() {
    if (!state_.run.soundOn) return;
    if (SoundClip* clip = state_.run.soundEffects[kExplosionSound].get()) {
        clip->stop();
        clip->play(false);
    }
}

void Collisions::shipDies() {
    ship_.die();
    playExplosion();
    state_.field.playerDown = true;
}

void Collisions::kill(Enemy& enemy, Enemy* owner) {
    enemy.die();
    playExplosion();
    if (!owner && enemy.isBoss()) state_.field.stageCleared = true;
    enemy.dropBox();
    enemy.dropCoins();
    state_.scores.score += enemy.getScoreValue();
    for (int i = 0; i < enemy.getCoinCount(); ++i)
        if (const Coin* coin = enemy.coin(i)) state_.scores.money += coin->getValue() * 10 / 100;
}

void Collisions::reportHit(const Enemy& enemy, int part, int gun, std::int32_t hpBefore) {
    if (state_.run.observer && ship_.getHp() < hpBefore)
        state_.run.observer->shipHit(enemy, part, gun, hpBefore - ship_.getHp());
}

void Collisions::enemyShotsHitShip(Craft& shooter, const Enemy& enemy, int part) {
    for (int g = 0; g < shooter.getGunCount(); ++g) {
        Gun* gun = shooter.gun(g);
        if (!gun || !gun->isEnabled()) continue;
        for (int p = 0; p < gun->getProjectileCount(); ++p) {
            Projectile* shot = gun->projectile(p);
            if (!shot || !shot->hits(ship_, at_)) continue;
            shot->strike(at_.x, at_.y);
            const std::int32_t hpBefore = ship_.getHp();
            ship_.takeDamage(-gun->getDamage());
            reportHit(enemy, part, g, hpBefore);
            if (ship_.getHp() == 0) {
                shipDies();
                return;
            }
        }
    }
}

void Collisions::pickUpCoins(Enemy& carrier) {
    for (int i = 0; i < carrier.getCoinCount(); ++i) {
        Coin* coin = carrier.coin(i);
        if (!coin || !coin->hits(ship_, at_)) continue;
        coin->setAlive(false);
        state_.scores.money += coin->getValue();
    }
}

void Collisions::pickUp(Enemy& carrier) {
    pickUpCoins(carrier);
    ItemBox* box = carrier.getBoxCount() > 0 ? carrier.box() : nullptr;
    if (!box || !box->hits(ship_, at_)) return;
    box->setAlive(false);
    const std::int32_t item = box->getItemKind();
    ship_.applyItem(item);
    // A box of no known kind gives nothing and shows no label.
    if (item < 0 || item >= kPickupLabelCount) return;
    state_.flow.pickupIndex = item;
    state_.flow.pickupTimer = kPickupLabelFrames;
    state_.flow.pickupLabels[item].left = box->getX();
    state_.flow.pickupLabels[item].top = box->getY();
}

void Collisions::aimAtShip(Enemy& shooter) {
    for (int g = 0; g < shooter.getGunCount(); ++g) {
        Gun* gun = shooter.gun(g);
        if (!gun || !gun->isEnabled()) continue;
        for (int p = 0; p < gun->getProjectileCount(); ++p) {
            Projectile* shot = gun->projectile(p);
            if (shot && shot->isAlive() && shot->getHoming()) shot->setTarget(&ship_);
        }
    }
    shooter.setTarget(&ship_);
}

// Ramming: each side deals its remaining hit points to the other. Not even the beam's
// invulnerability protects the ship from a collision.
void Collisions::ram(Enemy& enemy, Enemy* owner, int part) {
    if (!enemy.hits(ship_, at_)) return;
    const std::int32_t enemyHp = enemy.getHp();
    const std::int32_t shipHp = ship_.getHp();
    ship_.setInvulnerable(false);
    enemy.takeDamage(-shipHp);
    if (enemy.getHp() == 0) kill(enemy, owner);
    ship_.takeDamage(-enemyHp);
    reportHit(owner ? *owner : enemy, part, -1, shipHp);
    if (ship_.getHp() == 0) shipDies();
}

void Collisions::shipShotsHit(Enemy& enemy, Enemy* owner) {
    for (int g = 0; g < ship_.getGunCount(); ++g) {
        Gun* gun = ship_.gun(g);
        if (!gun || !gun->isEnabled()) continue;
        for (int p = 0; p < gun->getProjectileCount(); ++p) {
            Projectile* shot = gun->projectile(p);
            if (!shot || !shot->hits(enemy, at_)) continue;
            enemy.setHitFlash(true);
            shot->strike(at_.x, at_.y);
            enemy.takeDamage(-gun->getDamage());
            if (enemy.getHp() == 0) {
                kill(enemy, owner);
                return;
            }
        }
    }
}

// However many of a beam gun's segments touch, it deals its damage once a frame.
void Collisions::hyperBeamHits(Enemy& enemy, Enemy* owner) {
    for (int h = 0; h < ship_.getHyperGunCount(); ++h) {
        Gun* beam = ship_.hyperGun(h);
        if (!beam || !beam->isEnabled()) continue;
        enemy.setHitFlash(false);
        if (!nearBeam(h, enemy.hitBox())) continue;
        for (int s = 0; s < beam->getProjectileCount(); ++s) {
            Projectile* segment = beam->projectile(s);
            if (!segment || !segment->hits(enemy, at_)) continue;
            segment->strike(at_.x, at_.y);
            enemy.setHitFlash(true);
        }
        if (enemy.getHitFlash() && enemy.isAlive()) {
            enemy.takeDamage(-beam->getDamage());
            if (enemy.getHp() == 0) kill(enemy, owner);
        }
    }
}

bool anyShootableShot(const Enemy& shooter) {
    for (int g = 0; g < shooter.getGunCount(); ++g) {
        const Gun* gun = shooter.gun(g);
        for (int q = 0; gun && q < gun->getProjectileCount(); ++q) {
            const Projectile* shot = gun->projectile(q);
            if (shot && shot->isAlive() && shot->getShootable()) return true;
        }
    }
    return false;
}

// The ship's shots against the shooter's shootable shots: toughness soaks up damage (unless
// the shooter is invulnerable), and a shot whose toughness is used up goes at the next hit.
void Collisions::shootDownShots(Enemy& shooter) {
    if (!anyShootableShot(shooter)) return;
    for (int g = 0; g < ship_.getGunCount(); ++g) {
        Gun* gun = ship_.gun(g);
        if (!gun) continue;
        for (int p = 0; p < gun->getProjectileCount(); ++p) {
            Projectile* shot = gun->projectile(p);
            if (!shot || !shot->isAlive()) continue;
            for (int eg = 0; eg < shooter.getGunCount(); ++eg) {
                Gun* enemyGun = shooter.gun(eg);
                if (!enemyGun) continue;
                for (int q = 0; q < enemyGun->getProjectileCount(); ++q) {
                    Projectile* target = enemyGun->projectile(q);
                    if (!target || !target->getShootable() || !target->hits(*shot, at_)) continue;
                    shot->strike(at_.x, at_.y);
                    if (target->getToughness() > 0) {
                        if (!shooter.getInvulnerable())
                            target->setToughness(target->getToughness() - gun->getDamage());
                    } else {
                        target->strike(at_.x, at_.y);
                    }
                }
            }
        }
    }
}

// The beam destroys every shot it touches, shootable or not. Each shot meets the segments
// gun by gun in slot order, so it strikes where the first of them touches it.
void Collisions::beamClearsShots(Enemy& shooter) {
    for (int eg = 0; eg < shooter.getGunCount(); ++eg) {
        Gun* enemyGun = shooter.gun(eg);
        if (!enemyGun) continue;
        for (int q = 0; q < enemyGun->getProjectileCount(); ++q) {
            Projectile* target = enemyGun->projectile(q);
            if (!target || !target->isAlive() || !target->sheet()) continue;
            const platform::Rect box = target->hitBox();
            for (int h = 0; h < ship_.getHyperGunCount(); ++h) {
                Gun* beam = ship_.hyperGun(h);
                if (!beam || !beam->isEnabled() || !nearBeam(h, box)) continue;
                for (int s = 0; s < beam->getProjectileCount(); ++s) {
                    Projectile* segment = beam->projectile(s);
                    if (segment && segment->hits(*target, at_)) target->strike(at_.x, at_.y);
                }
            }
        }
    }
}

void Collisions::withEnemy(Enemy& enemy) {
    // Enemy shots, pickups and homing, for the enemy and then for each of its parts.
    if (ship_.isAlive() && !ship_.isEvading()) enemyShotsHitShip(enemy, enemy, -1);
    if (ship_.isAlive()) pickUp(enemy);
    aimAtShip(enemy);
    for (int i = 0; i < enemy.getPartCount(); ++i) {
        Enemy* part = enemy.part(i);
        if (!part) continue;
        if (part->isAlive() && ship_.isAlive() && !ship_.isEvading())
            enemyShotsHitShip(*part, enemy, i);
        if (ship_.isAlive()) pickUpCoins(*part);
        aimAtShip(*part);
    }

    // Bodies.
    if (ship_.isAlive() && enemy.isAlive() && !ship_.isEvading()) {
        ram(enemy, nullptr, -1);
        for (int i = 0; i < enemy.getPartCount(); ++i) {
            Enemy* part = enemy.part(i);
            if (part && part->isAlive() && ship_.isAlive()) ram(*part, &enemy, i);
        }
    }

    // The ship's shots, then its beam, at the enemy and then at each live part.
    if (enemy.isAlive()) shipShotsHit(enemy, nullptr);
    for (int i = 0; i < enemy.getPartCount(); ++i) {
        Enemy* part = enemy.part(i);
        if (part && part->isAlive()) shipShotsHit(*part, &enemy);
    }
    if (enemy.isAlive()) hyperBeamHits(enemy, nullptr);
    for (int i = 0; i < enemy.getPartCount(); ++i) {
        Enemy* part = enemy.part(i);
        if (part && part->isAlive()) hyperBeamHits(*part, &enemy);
    }

    // The ship's shots and beam against the enemy's shots and its parts' shots.
    shootDownShots(enemy);
    for (int i = 0; i < enemy.getPartCount(); ++i)
        if (Enemy* part = enemy.part(i)) shootDownShots(*part);
    beamClearsShots(enemy);
    for (int i = 0; i < enemy.getPartCount(); ++i)
        if (Enemy* part = enemy.part(i)) beamClearsShots(*part);
}

// A missile whose target is dead lets it go; one without a target takes the oldest enemy
// still alive. Parts are never chosen.
void Collisions::aimMissiles() {
    Enemy* oldest = nullptr;
    for (auto* node = state_.field.enemies.head(); node && !oldest; node = node->next)
        if (node->object && node->object->isAlive()) oldest = node->object.get();
    for (int g = 0; g < ship_.getGunCount(); ++g) {
        Gun* gun = ship_.gun(g);
        if (!gun || !gun->isEnabled()) continue;
        for (int p = 0; p < gun->getProjectileCount(); ++p) {
            Projectile* shot = gun->projectile(p);
            if (!shot || !shot->isAlive() || !shot->getHoming()) continue;
            if (shot->getTarget() && !shot->getTarget()->isAlive()) shot->setTarget(nullptr);
            if (!shot->getTarget()) shot->setTarget(oldest);
        }
    }
}

void scrollBackground(GameState& state, platform::DeviceContext& target) {
    state.flow.scrollY -= state.flow.scrollSpeed;
    if (state.flow.scrollY < 0) state.flow.scrollY = state.flow.scrollWrap;
    const int panelHeight = state.run.panelImage ? state.run.panelImage->height() : 0;
    const platform::DeviceContext* picture =
        state.flow.backgroundImage ? state.flow.backgroundImage->memoryDC() : nullptr;
    if (picture) {
        platform::bitBlt(target, 0, 0, kScreenWidth, kScreenHeight - panelHeight, *picture,
                         state.flow.scrollX, state.flow.scrollY);
    } else if (state.run.brushes[kBrushBlack]) {
        // Without a stage background the field is black.
        platform::fillRect(target, {0, 0, kScreenWidth, kScreenHeight - panelHeight},
                           *state.run.brushes[kBrushBlack]);
    }
}

// A firing sound loops while its weapon fires and stops when it ends.
void keepFiringSound(GameState& state, int clipIndex, bool firing) {
    SoundClip* clip = state.run.soundEffects[clipIndex].get();
    if (!clip) return;
    if (state.run.soundOn && firing) {
        if (!clip->isPlaying()) {
            clip->setRepeatLimit(kFiringRepeatLimit);
            clip->play(true);
        }
    } else {
        clip->stop();
    }
}

void drawPlayField(GameState& state) {
    PlayerShip* ship = state.field.ship.get();
    if (ship) {
        ship->draw();
        if (Explosion* explosion = ship->explosion()) explosion->draw();
    }
    for (auto* node = state.field.enemies.head(); node; node = node->next)
        if (node->object) node->object->drawWithParts();
    if (ship) {
        ship->drawShots();
        ship->drawHyperBeam();
        if (ship->isAlive()) ship->aura().draw();
    }
}

}  // namespace

void runPlayField(GameState& state, platform::DeviceContext& target) {
    updateStageMusic(state, state.flow.frameCounter);
    showArrivals(state.flow, spawnDue(state.field, state.run, state.flow.frameCounter));

    scrollBackground(state, target);

    PlayerShip* ship = state.field.ship.get();
    if (ship) {
        ship->update();
        keepFiringSound(state, kMachineGunSound, ship->isAlive() && ship->getAutoFire());
        keepFiringSound(state, kSpecialGunSound, ship->isAlive() && ship->isHyperFiring());
    }

    for (auto* node = state.field.enemies.head(); node; node = node->next)
        if (node->object) node->object->move();

    if (ship) {
        Collisions collisions(state, *ship);
        for (auto* node = state.field.enemies.head(); node; node = node->next)
            if (node->object) collisions.withEnemy(*node->object);
        collisions.aimMissiles();
    }

    drawPlayField(state);
    state.field.drawnEffects.drawOver(state, target);

    if (ship && ship->isAlive() && state.flow.refillTaps > kRefillTaps) {
        state.flow.refillTaps = 0;
        ship->setHp(ship->getFullHp());
    }

    sweepEnemies(state.field);
}

void advanceHeadUpDisplay(GameState& state) {
    if (state.flow.pickupTimer > 0) {
        if (state.flow.pickupIndex >= 0 && state.flow.pickupIndex < kPickupLabelCount) {
            PickupLabel& label = state.flow.pickupLabels[state.flow.pickupIndex];
            label.top -= 1;
            label.right = label.left + kPickupLabelWidth;
            label.bottom = label.top + kPickupLabelHeight;
        }
        state.flow.pickupTimer -= 1;
    }
    if (state.flow.bossWarning > 0) state.flow.bossWarning -= 1;
    if (state.field.playerDown) {
        if (state.flow.gameOverCounter >= kGameOverDelay) {
            stopAllSounds(state.run);
            state.flow.screen = GameScreen::GameOver;
        }
        state.flow.gameOverCounter += 1;
    }
}

}  // namespace cindervane
