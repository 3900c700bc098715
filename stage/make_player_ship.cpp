// Building the stage's ship.
#include "stage/make_player_ship.h"

#include <string>
#include <string_view>

#include "gamelibrary/game_app.h"
#include "play/player_ship.h"

namespace cindervane {

namespace {

constexpr std::int32_t kStartX = 90;
constexpr std::int32_t kStartSpeed = 8;

class ShipResolver {
  public:
    ShipResolver(GameState& state, std::int32_t stage)
        : state_(state), owner_(stage == 1 ? "Team" : "Enemy") {}

    // Resolves the actor in the catalogue, or reports the miss with the message.
    void resolve(Actor& actor, const SheetCatalogue& catalogue, std::string_view message) {
        if (actor.resolveSprite(catalogue)) return;
        allFound_ = false;
        if (state_.run.app) state_.run.app->fatalError(message);
    }
    // The same with the stage's owner word: "Error loading Team ..." or "... Enemy ...".
    void resolveOwned(Actor& actor, const SheetCatalogue& catalogue, std::string_view what) {
        if (actor.resolveSprite(catalogue)) return;
        allFound_ = false;
        if (state_.run.app)
            state_.run.app->fatalError("Error loading " + owner_ + " " + std::string(what));
    }
    void resolveShots(Gun* gun, std::string_view what) {
        if (!gun) return;
        for (int i = 0; i < gun->getProjectileCount(); ++i) {
            Projectile* shot = gun->projectile(i);
            if (!shot) continue;
            resolveOwned(*shot, state_.run.projectileSheets, what);
            resolveOwned(shot->hitSpark(), state_.run.effectSheets, "Gun Ammos Explosion Pointer");
        }
    }
    bool allFound() const { return allFound_; }

  private:
    GameState& state_;
    std::string owner_;
    bool allFound_ = true;
};

}  // namespace

bool makePlayerShip(GameState& state, ShipVariant variant, std::int32_t stage) {
    state.field.ship.reset();
    state.field.ship = std::make_unique<PlayerShip>(variant);
    PlayerShip& ship = *state.field.ship;

    ShipResolver resolver(state, stage);
    resolver.resolve(ship, state.run.craftSheets, "Error loading Ship Pointer");
    resolver.resolve(ship.aura(), state.run.partSheets, "Error loading Ship Part Pointer");
    for (int i = 0; i < ship.getGunCount(); ++i)
        resolver.resolveShots(ship.gun(i), "Guns Pointer");
    for (int i = 0; i < ship.getHyperGunCount(); ++i)
        resolver.resolveShots(ship.hyperGun(i), "Special Guns Pointer");
    if (Explosion* explosion = ship.explosion())
        resolver.resolveOwned(*explosion, state.run.effectSheets, "Explosion Pointer");

    ship.setX(kStartX);
    ship.setY(PlayerShip::kBottomLimit - ship.height());
    ship.setSpeedX(kStartSpeed);
    ship.setSpeedY(kStartSpeed);
    ship.setSpeedCapX(kStartSpeed);
    ship.setSpeedCapY(kStartSpeed);
    ship.setDirX(0);
    ship.setDirY(0);
    ship.setFrame(PlayerShip::kLevelFrame);
    return resolver.allFound();
}

}  // namespace cindervane
