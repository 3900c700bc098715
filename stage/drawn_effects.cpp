// The drawn-only effects of the play field.
#include "stage/drawn_effects.h"

#include <algorithm>

#include "enemies/beam_forecast.h"
#include "enemies/enemy.h"
#include "platform/draw/blit.h"
#include "platform/draw/brush.h"
#include "stage/game_state.h"

namespace cindervane {

namespace {

constexpr std::int32_t kExplosionSheet = 1;  // the effect catalogue's explosion
constexpr std::int32_t kSparkSheet = 2;      // and its hit spark
constexpr platform::ColourRef kKey = platform::rgb(0, 0, 255);
// Frames each picture of a blast shows.
constexpr std::int32_t kBlastFrameDelay = 2;
constexpr std::int32_t kGravity = 2;  // sixteenths of a pixel a frame, each frame
constexpr std::array<platform::Brush, 4> kDebrisBrushes = {
    platform::Brush::solid(platform::rgb(255, 236, 160)),
    platform::Brush::solid(platform::rgb(255, 160, 48)),
    platform::Brush::solid(platform::rgb(200, 72, 32)),
    platform::Brush::solid(platform::rgb(120, 112, 104)),
};
constexpr platform::Brush kFlashBrush = platform::Brush::solid(platform::rgb(255, 255, 255));
constexpr platform::Brush kGuideBrush = platform::Brush::solid(platform::rgb(255, 96, 64));
constexpr platform::Brush kCoreBrush = platform::Brush::solid(platform::rgb(255, 250, 220));

SpriteSheet* sheetOf(const SheetCatalogue& catalogue, std::int32_t id) {
    SheetEntry* entry = nullptr;
    return catalogue.find(id, entry) && entry ? entry->sheet : nullptr;
}

// An explosion starts on the frame its craft is destroyed: alive, on its first picture.
bool explodingNow(const Craft& craft) {
    const Explosion* explosion = craft.explosion();
    return !craft.isAlive() && explosion && explosion->isAlive() && explosion->getFrame() == 0 &&
           explosion->getFrameDelay() == 1;
}

}  // namespace

void DrawnEffects::clear() {
    blasts_ = {};
    debris_ = {};
    flash_ = 0;
}

int DrawnEffects::liveBlasts() const {
    return static_cast<int>(
        std::count_if(blasts_.begin(), blasts_.end(), [](const Blast& b) { return b.live; }));
}

int DrawnEffects::liveDebris() const {
    return static_cast<int>(
        std::count_if(debris_.begin(), debris_.end(), [](const Debris& d) { return d.live; }));
}

std::int32_t DrawnEffects::roll(std::int32_t below) {
    chance_ ^= chance_ << 13;
    chance_ ^= chance_ >> 17;
    chance_ ^= chance_ << 5;
    return below > 0 ? static_cast<std::int32_t>(chance_ % static_cast<std::uint32_t>(below)) : 0;
}

void DrawnEffects::addBlast(std::int32_t x, std::int32_t y, std::int32_t size, std::int32_t delay) {
    for (Blast& b : blasts_) {
        if (b.live) continue;
        b = {x, y, size, delay, 0, true};
        return;
    }
}

void DrawnEffects::addDebris(std::int32_t x, std::int32_t y, int count, std::int32_t delay) {
    for (Debris& d : debris_) {
        if (count == 0) break;
        if (d.live) continue;
        d = {x * 16,        y * 16,  roll(97) - 48, -roll(64) - 16, delay + roll(4), 0,
             24 + roll(20), roll(4), true};
        --count;
    }
}

void DrawnEffects::bossFalls(std::int32_t x, std::int32_t y, std::int32_t width,
                             std::int32_t height) {
    // Blasts break out over the whole body for a second and a half, the last and largest
    // in its middle; debris flies twice; the screen flashes white as it starts.
    constexpr std::int32_t kDelays[] = {0, 4, 9, 14, 19, 24, 29, 33};
    for (std::int32_t delay : kDelays)
        addBlast(x + width / 6 + roll(std::max(1, width * 2 / 3)),
                 y + height / 6 + roll(std::max(1, height * 2 / 3)), 90 + roll(60), delay);
    addBlast(x + width / 2, y + height / 2, 200, 30);
    addDebris(x + width / 2, y + height / 2, 20, 0);
    addDebris(x + width / 2, y + height / 2, 16, 30);
    flash_ = kFlashFrames;
}

void DrawnEffects::partFalls(std::int32_t x, std::int32_t y, std::int32_t width,
                             std::int32_t height) {
    addBlast(x + width / 2, y + height / 2, 110, 0);
    addBlast(x + width / 3 + roll(std::max(1, width / 3)),
             y + height / 3 + roll(std::max(1, height / 3)), 80, 6);
    addDebris(x + width / 2, y + height / 2, 8, 0);
}

void DrawnEffects::shipFalls(std::int32_t x, std::int32_t y, std::int32_t width,
                             std::int32_t height) {
    const std::int32_t cx = x + width / 2, cy = y + height / 2;
    addBlast(cx, cy, 120, 0);
    addBlast(cx - 14 + roll(29), cy - 12 + roll(25), 90, 5);
    addBlast(cx, cy, 150, 10);
    addDebris(cx, cy, 14, 0);
}

void DrawnEffects::noticeFalls(GameState& state) {
    if (const PlayerShip* ship = state.field.ship.get(); ship && explodingNow(*ship))
        shipFalls(ship->getX(), ship->getY(), ship->width(), ship->height());
    for (auto* node = state.field.enemies.head(); node; node = node->next) {
        const Enemy* enemy = node->object.get();
        if (!enemy || !enemy->isBoss()) continue;
        for (int i = 0; i < enemy->getPartCount(); ++i)
            if (const Enemy* part = enemy->part(i); part && explodingNow(*part))
                partFalls(part->getX(), part->getY(), part->width(), part->height());
        if (explodingNow(*enemy))
            bossFalls(enemy->getX(), enemy->getY(), enemy->width(), enemy->height());
    }
}

void DrawnEffects::drawBlasts(GameState& state, platform::DeviceContext& target) {
    (void)target;
    SpriteSheet* sheet = sheetOf(state.run.effectSheets, kExplosionSheet);
    if (!sheet || sheet->frameCount() < 1) return;
    for (const Blast& b : blasts_) {
        if (!b.live || b.age < b.delay) continue;
        const std::int32_t picture = (b.age - b.delay) / kBlastFrameDelay;
        if (picture >= sheet->frameCount()) continue;
        // Each blast swells from two thirds of its size to the whole.
        const std::int32_t size =
            b.size * (2 * sheet->frameCount() + picture) / (3 * sheet->frameCount() - 1);
        sheet->setFrame(picture);
        sheet->setPosition(b.x - size / 2, b.y - size / 2);
        sheet->drawStretchedKeyed(size, size, kKey);
    }
}

void DrawnEffects::drawDebris(platform::DeviceContext& target) {
    for (const Debris& d : debris_) {
        if (!d.live || d.age < d.delay) continue;
        const std::int32_t x = d.x / 16, y = d.y / 16;
        const std::int32_t size = d.age - d.delay < d.life / 2 ? 3 : 2;
        platform::fillRect(target, {x, y, x + size, y + size},
                           kDebrisBrushes[static_cast<std::size_t>(d.shade)]);
    }
}

void DrawnEffects::drawFlash(platform::DeviceContext& target) {
    if (flash_ <= 0) return;
    // White over every other row at first, then over fewer as it fades.
    const std::int32_t every = flash_ > kFlashFrames - 2 ? 2 : flash_ > 2 ? 3 : 5;
    for (std::int32_t row = flash_ % every; row < kScreenHeight; row += every)
        platform::fillRect(target, {0, row, kScreenWidth, row + 1}, kFlashBrush);
}

void DrawnEffects::drawWindUps(GameState& state, platform::DeviceContext& target) {
    SpriteSheet* spark = sheetOf(state.run.effectSheets, kSparkSheet);
    for (auto* node = state.field.enemies.head(); node; node = node->next) {
        const Enemy* enemy = node->object.get();
        if (!enemy || !enemy->isBoss() || !enemy->isAlive()) continue;
        BeamForecast forecast;
        enemy->foretellBeams(forecast);
        for (int i = 0; i < forecast.count; ++i) {
            const BeamWarning& w = forecast.warnings[static_cast<std::size_t>(i)];
            const std::int32_t grown = kWindUpFrames + 1 - w.framesLeft;  // 1..kWindUpFrames
            // A glow that swells and flickers at the muzzle, its white core growing with it.
            const std::int32_t size = 6 + grown * 22 / kWindUpFrames + (w.framesLeft % 2) * 3;
            if (spark && spark->frameCount() > 0) {
                spark->setFrame(w.framesLeft % spark->frameCount());
                spark->setPosition(w.x - size / 2, w.y - size / 2);
                spark->drawStretchedKeyed(size, size, kKey);
            }
            const std::int32_t core = 1 + grown / 5;
            platform::fillRect(target, {w.x - core, w.y - core, w.x + core + 1, w.y + core + 1},
                               kCoreBrush);
            // In the last frames a dashed line marks where the beam will fall.
            if (w.framesLeft <= 8) {
                for (std::int32_t y = w.y + 10 + (w.framesLeft % 2) * 6; y < kScreenHeight; y += 12)
                    platform::fillRect(target, {w.x, y, w.x + 1, y + 6}, kGuideBrush);
            }
        }
    }
}

void DrawnEffects::advance() {
    for (Blast& b : blasts_) {
        if (!b.live) continue;
        ++b.age;
        if (b.age >= b.delay + 5 * kBlastFrameDelay) b.live = false;
    }
    for (Debris& d : debris_) {
        if (!d.live) continue;
        ++d.age;
        if (d.age <= d.delay) continue;
        d.x += d.dx;
        d.y += d.dy;
        d.dy += kGravity;
        if (d.age >= d.delay + d.life) d.live = false;
    }
    if (flash_ > 0) --flash_;
}

void DrawnEffects::drawOver(GameState& state, platform::DeviceContext& target) {
    if (state.flow.frameCounter < lastFrame_) clear();
    lastFrame_ = state.flow.frameCounter;
    noticeFalls(state);
    drawWindUps(state, target);
    drawBlasts(state, target);
    drawDebris(target);
    drawFlash(target);
    advance();
}

}  // namespace cindervane
