// Motion helpers: the small operations that give the enemy scripts their curved paths and
// their aiming. Measuring a circle round a centre, the point on it at the current angle,
// pointing the sprite at the player ship and turning towards it by a bounded step, and the
// sine weave several kinds fly. Integer pixels and degrees throughout; the trigonometry is
// done in double precision and truncated toward zero.
#pragma once

#include <cstdint>

namespace cindervane {

class Actor;
class Enemy;

// Degrees to radians, with pi taken as 3.1415 (the game's own approximation).
constexpr double kDegreesToRadians = 0.01745277777777778;
// Radians to degrees is a multiplication by 360 and then by 1 / 6.28318, a second, different
// approximation of pi.
constexpr double kFullTurnDegrees = 360.0;
constexpr double kInverseFullTurn = 0.15915507752443828;

// The centre of an actor's frame, each half truncated toward zero.
std::int32_t centreX(const Actor& actor);
std::int32_t centreY(const Actor& actor);

// Sets and returns the orbit radius: the distance from the corner to the orbit centre,
// truncated toward zero.
std::int32_t measureOrbitRadius(Enemy& enemy);
// The point at the orbit angle on the circle of the orbit radius round the orbit centre.
std::int32_t orbitPointX(const Enemy& enemy);
std::int32_t orbitPointY(const Enemy& enemy);

// Points the sprite at the target: the target angle is the direction from centre to centre
// less 90 (a sprite drawn upright faces down), and it becomes the drawing angle. Straight
// below gives 0 (drawn upright), to the right -90, to the left 90, above 180. Nothing changes
// without a target.
void aimAtTarget(Enemy& enemy);
// Sets the target angle as aimAtTarget does, then moves the heading at most 10 degrees
// towards it and draws the sprite at the heading. The heading is never wrapped round 360,
// so a turn from 350 to 10 goes the long way. Nothing changes without a target.
void turnTowardTarget(Enemy& enemy);

// The nearest of the eight directions of motion to a drawing angle (the direction less 90):
// each of dirX and dirY is -1, 0 or +1, 0 when the direction lies within 22.5 degrees of
// the other axis.
struct EightWay {
    std::int32_t dirX;
    std::int32_t dirY;
};
EightWay eightWayOfDrawingAngle(std::int32_t drawingAngle);

// The sine weave: the x at a weave angle, 100 - truncate(sin(angle) * factor). A factor of
// 120 starts to the left of the middle and swings right; -120 the mirror image.
std::int32_t weaveX(std::int32_t weaveAngle, std::int32_t factor);

}  // namespace cindervane
