// The sine weave.
#include "enemies/kinds/sine_weaver.h"

#include "enemies/motion.h"

namespace cindervane {

void SineWeaver::startWeave(std::int32_t drawingAngle, std::int32_t dirY) {
    setOrbitAngle(45);
    setAngle(drawingAngle);
    head(0, dirY);
}

std::int32_t SineWeaver::weaveStep() const {
    const std::int32_t framesDown = getSpeedY() > 0 ? (300 - height()) / getSpeedY() : 0;
    return framesDown > 0 ? 270 / framesDown : 0;
}

void SineWeaver::weave(std::int32_t factor, std::int32_t lean) {
    const std::int32_t step = weaveStep();
    setOrbitAngle(getOrbitAngle() + step);
    setX(weaveX(getOrbitAngle(), factor));
    if (getOrbitAngle() >= 45 && getOrbitAngle() <= 150)
        setAngle(getAngle() - lean * step);
    else if (getOrbitAngle() >= 210 && getOrbitAngle() <= 510)
        setAngle(getAngle() + lean * step);
    else if (getOrbitAngle() >= 570 && getOrbitAngle() <= 675)
        setAngle(getAngle() - lean * step);
}

}  // namespace cindervane
