// The sine weave.
#include "enemies/kinds/sine_weaver.h"

#include "enemies/motion.h"

namespace cindervane {

void SineWeaver::startWeave(std::int32_t drawingAngle, std::int32_t dirY) {
    orbitAngle_ = 45;
    setAngle(drawingAngle);
    head(0, dirY);
}

std::int32_t SineWeaver::weaveStep() const {
    const std::int32_t framesDown = speedY_ > 0 ? (300 - height()) / speedY_ : 0;
    return framesDown > 0 ? 270 / framesDown : 0;
}

void SineWeaver::weave(std::int32_t factor, std::int32_t lean) {
    const std::int32_t step = weaveStep();
    orbitAngle_ += step;
    x_ = weaveX(orbitAngle_, factor);
    if (orbitAngle_ >= 45 && orbitAngle_ <= 150)
        setAngle(angle_ - lean * step);
    else if (orbitAngle_ >= 210 && orbitAngle_ <= 510)
        setAngle(angle_ + lean * step);
    else if (orbitAngle_ >= 570 && orbitAngle_ <= 675)
        setAngle(angle_ - lean * step);
}

}  // namespace cindervane
