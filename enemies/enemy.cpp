// Enemies: the base every enemy kind builds on.
#include "enemies/enemy.h"

namespace cindervane {

Enemy::Enemy() {
    setAutoFire(true);
}

Enemy::~Enemy() {
    for (auto& coin : coins_)
        coin.reset();
    box_.reset();
    for (auto& part : parts_)
        part.reset();
    target_ = nullptr;
}

void Enemy::setCoinCount(std::int32_t count) {
    coinCount_ = count < 0 ? 0 : count > kMaxCoins ? kMaxCoins : count;
}

void Enemy::setPartCount(std::int32_t count) {
    partCount_ = count < 0 ? 0 : count > kMaxParts ? kMaxParts : count;
}

void Enemy::setBoxCount(std::int32_t count) {
    boxCount_ = count < 0 ? 0 : count > 1 ? 1 : count;
}

Coin* Enemy::coin(int slot) const {
    return slot >= 0 && slot < kMaxCoins ? coins_[slot].get() : nullptr;
}

void Enemy::setCoin(int slot, std::unique_ptr<Coin> coin) {
    if (slot >= 0 && slot < kMaxCoins) coins_[slot] = std::move(coin);
}

Enemy* Enemy::part(int slot) const {
    return slot >= 0 && slot < kMaxParts ? parts_[slot].get() : nullptr;
}

void Enemy::setPart(int slot, std::unique_ptr<Enemy> part) {
    if (slot >= 0 && slot < kMaxParts) parts_[slot] = std::move(part);
}

bool Enemy::draw() {
    if (!isAlive() || !sheet()) return false;
    if (offScreen()) return true;
    syncSprite();
    drawSyncedFrame(getHitFlash() && !isBoss_);
    setHitFlash(false);
    return true;
}

void Enemy::move() {
    if (isAlive()) {
        moveStep();
        if (getY() >= kScreenHeight + 1 || getX() < -width()) {
            setAlive(false);
            setAge(0);
        } else if (getX() >= kScreenWidth + 1) {
            // An enemy above the screen stays alive: most enter from there.
            setAlive(false);
        }
    }
    updateOwned();
}

void Enemy::die() {
    Craft::die();
    for (int i = 0; i < partCount_; ++i) {
        Enemy* piece = parts_[i].get();
        if (piece && piece->isAlive()) piece->die();  // its hit points go to 0 with it
    }
}

void Enemy::placeParts() {
    for (int i = 0; i < partCount_; ++i) {
        Enemy* piece = parts_[i].get();
        if (!piece || !piece->isAlive()) continue;
        piece->setX(getX());
        piece->setY(getY());
    }
}

void Enemy::updateCoinsAndShots() {
    for (int i = 0; i < coinCount_; ++i)
        if (Coin* piece = coins_[i].get()) piece->move();
    updateShots();
}

void Enemy::updateOwned() {
    if (explosion()) explosion()->stepOnce();
    if (boxCount_ > 0 && box_) box_->updateBox();
    updateCoinsAndShots();
    for (int i = 0; i < partCount_; ++i) {
        Enemy* piece = parts_[i].get();
        if (!piece) continue;
        placeParts();
        piece->move();
        piece->updateCoinsAndShots();
    }
}

void Enemy::rollCoins(RandomGenerator& random) {
    for (int c = 0; c < coinCount_; ++c)
        if (coins_[c]) coins_[c]->roll(random);
}

void Enemy::dropCoins() {
    for (int i = 0; i < coinCount_; ++i) {
        Coin* piece = coins_[i].get();
        if (!piece) continue;
        piece->setAlive(true);
        piece->centreOn(*this);
    }
}

void Enemy::dropBox() {
    if (boxCount_ < 1 || !box_) return;
    box_->setAlive(true);
    box_->centreOn(*this);
    if (getY() < 0) box_->setY(0);
}

void Enemy::drawAsPart() {
    draw();
    if (explosion()) explosion()->draw();
    for (int i = 0; i < coinCount_; ++i)
        if (Coin* piece = coins_[i].get()) piece->draw();
    drawShots();
}

void Enemy::drawWithParts() {
    for (int i = 0; i < partCount_; ++i) {
        Enemy* piece = parts_[i].get();
        if (piece && piece->partLayer_ == 1) piece->drawAsPart();
    }
    draw();
    if (explosion()) explosion()->draw();
    for (int i = 0; i < coinCount_; ++i)
        if (Coin* piece = coins_[i].get()) piece->draw();
    if (boxCount_ > 0 && box_) box_->draw();
    drawShots();
    for (int i = 0; i < partCount_; ++i) {
        Enemy* piece = parts_[i].get();
        if (piece && piece->partLayer_ == 0) piece->drawAsPart();
    }
}

bool Enemy::isFinished() const {
    if (isAlive() || (explosion() && explosion()->isAlive()) || anyShotAlive()) return false;
    if (boxCount_ > 0 && box_ && box_->isAlive()) return false;
    for (int i = 0; i < coinCount_; ++i)
        if (coins_[i] && coins_[i]->isAlive()) return false;
    for (int i = 0; i < partCount_; ++i) {
        const Enemy* piece = parts_[i].get();
        if (!piece) continue;
        if (piece->isAlive() || (piece->explosion() && piece->explosion()->isAlive()) ||
            piece->anyShotAlive())
            return false;
        for (int j = 0; j < piece->coinCount_; ++j)
            if (piece->coins_[j] && piece->coins_[j]->isAlive()) return false;
    }
    return true;
}

void BeamForecast::add(const Enemy& from, int part, int gun, std::int32_t framesLeft) {
    const Gun* each = from.gun(gun);
    if (!each || !each->isEnabled() || framesLeft < 1 || framesLeft > kWindUpFrames) return;
    if (count >= kMaxWarnings) return;
    // The muzzle: the middle of the top of the shot the gun will put out.
    const Projectile* shot = each->projectile(0);
    const std::int32_t shotWidth = shot ? shot->width() : 0;
    warnings[count++] = {from.getX() + each->getOffsetX() + shotWidth / 2,
                         from.getY() + each->getOffsetY(), framesLeft, part, gun};
}

}  // namespace cindervane
