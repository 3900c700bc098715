// The factory of enemy shots.
#include "enemies/shots/enemy_shots.h"

#include "enemies/shots/falling_shot.h"
#include "enemies/shots/laser_line.h"
#include "enemies/shots/particle_shot.h"
#include "enemies/shots/pulse_beam_shot.h"
#include "enemies/shots/standing_laser.h"
#include "enemies/shots/super_laser.h"

namespace cindervane {

std::unique_ptr<Projectile> makeEnemyShot(std::int32_t kind) {
    const EnemyShotRow* row = findEnemyShot(kind);
    if (!row) return nullptr;
    std::unique_ptr<Projectile> shot;
    switch (row->family) {
        case EnemyShotFamily::Particle:
            shot = std::make_unique<ParticleShot>();
            break;
        case EnemyShotFamily::PulseBeam:
            shot = std::make_unique<PulseBeamShot>(kind);
            break;
        case EnemyShotFamily::StandingLaser:
            shot = std::make_unique<StandingLaser>();
            break;
        case EnemyShotFamily::LaserLine:
            shot = std::make_unique<LaserLine>();
            break;
        case EnemyShotFamily::SuperLaser:
            shot = std::make_unique<SuperLaser>();
            break;
        case EnemyShotFamily::Falling:
            shot = std::make_unique<FallingShot>(kind, row->diesOnHit, row->power);
            break;
    }
    shot->setDiesOnHit(row->diesOnHit);
    return shot;
}

}  // namespace cindervane
