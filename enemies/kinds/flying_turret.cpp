// FLYINGTURRET.
#include "enemies/kinds/flying_turret.h"

#include "enemies/motion.h"

namespace cindervane {
namespace {

// Barrel i points at i x 15 degrees (0 right, 90 down); the speeds give the slant.
constexpr EnemyGunRow kGuns[] = {
    {84, 44, 3, 6, 200, 8, 4, 0, 1, 0},  {83, 54, 3, 6, 200, 8, 4, 1, 1, 1},    // 0, 15
    {79, 64, 3, 6, 200, 8, 3, 2, 1, 1},  {72, 72, 3, 6, 200, 8, 3, 3, 1, 1},    // 30, 45
    {64, 79, 3, 6, 200, 8, 2, 3, 1, 1},  {54, 83, 3, 6, 200, 8, 1, 4, 1, 1},    // 60, 75
    {44, 84, 3, 6, 200, 8, 0, 4, 0, 1},  {34, 83, 3, 6, 200, 8, 1, 4, -1, 1},   // 90, 105
    {24, 79, 3, 6, 200, 8, 2, 3, -1, 1}, {16, 72, 3, 6, 200, 8, 3, 3, -1, 1},   // 120, 135
    {9, 64, 3, 6, 200, 8, 3, 2, -1, 1},  {5, 54, 3, 6, 200, 8, 4, 1, -1, 1},    // 150, 165
    {4, 44, 3, 6, 200, 8, 4, 0, -1, 0},  {5, 34, 3, 6, 200, 8, 4, 1, -1, -1},   // 180, 195
    {9, 24, 3, 6, 200, 8, 3, 2, -1, -1}, {16, 16, 3, 6, 200, 8, 3, 3, -1, -1},  // 210, 225
    {24, 9, 3, 6, 200, 8, 2, 3, -1, -1}, {34, 5, 3, 6, 200, 8, 1, 4, -1, -1},   // 240, 255
    {44, 4, 3, 6, 200, 8, 0, 4, 0, -1},  {54, 5, 3, 6, 200, 8, 1, 4, 1, -1},    // 270, 285
    {64, 9, 3, 6, 200, 8, 2, 3, 1, -1},  {72, 16, 3, 6, 200, 8, 3, 3, 1, -1},   // 300, 315
    {79, 24, 3, 6, 200, 8, 3, 2, 1, -1}, {83, 34, 3, 6, 200, 8, 4, 1, 1, -1},   // 330, 345
};

constexpr std::int32_t kBarrelStep = 15;

}  // namespace

FlyingTurret::FlyingTurret(RandomGenerator& random) : OrdinaryEnemy(kType, 1, kGuns, random) {}

void FlyingTurret::script() {
    aimAtTarget(*this);
    if (!getTarget()) return;
    if (getAge() == 30) stop();
    if (getAge() == 100) head(0, 1);
    if (getAge() < 30) return;
    // The aim's direction is the drawing angle plus 90, in 0..359 for the barrel's index.
    const std::int32_t direction = ((getTargetAngle() + 90) % 360 + 360) % 360;
    fireGun((direction + kBarrelStep / 2) / kBarrelStep % 24);
}

}  // namespace cindervane
