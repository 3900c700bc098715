// Sprite sheets.
#include "gamelibrary/sprite_sheet.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "platform/draw/blit.h"

namespace cindervane {

using platform::Bitmap;
using platform::ColourRef;
using platform::DeviceContext;
using platform::Rect;
using platform::RgbQuad;

namespace {

// Degrees to radians with 3.1415 for pi, as the game's turned sprites have always used.
constexpr double kRadiansPerDegree = 0.01745277777777778;

// Frame edges far outside any picture are held inside 32 bits; such a frame draws nothing.
std::int32_t edge(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// Drops the fraction toward zero (-2.7 + 0.5 gives -2), as the rotation tables are made.
std::int32_t truncated(double value) {
    return static_cast<std::int32_t>(value);
}

}  // namespace

SpriteSheet::SpriteSheet(DeviceContext* targetDC) : Sprite(targetDC) {}

SpriteSheet::~SpriteSheet() = default;

bool SpriteSheet::loadSheet(int first, int count, int row, std::string_view path, int frameWidth,
                            int frameHeight) {
    if (first < 0 || count > kMaxFrames || frameWidth < 1 || frameWidth > kMaxFrameWidth ||
        frameHeight < 1 || frameHeight > kMaxFrameHeight)
        return false;
    // A sheet is loaded once; loading again starts from nothing.
    image_.reset();
    frameCount_ = 0;
    currentFrame_ = 0;
    workDC1_.reset();
    workDC2_.reset();
    workBitmap1_.reset();
    workBitmap2_.reset();
    workBits1_ = nullptr;
    workBits2_ = nullptr;

    auto image = std::make_unique<Surface>(targetDC());
    if (!image->loadImage(path)) return false;
    image_ = std::move(image);

    for (int i = 0; i < count; ++i) {
        const std::int64_t left = (std::int64_t{first} + i) * frameWidth;
        const std::int64_t top = std::int64_t{row} * frameHeight;
        frames_[frameCount_] = Rect{edge(left), edge(top), edge(left + frameWidth),
                                    edge((std::int64_t{row} + 1) * frameHeight)};
        ++frameCount_;
    }
    setFrame(first);
    setFrameSize(frameWidth, frameHeight);

    // The work palette: the picture's colours, with white at the end for the hit flash.
    const Bitmap& picture = *image_->bitmap();
    std::array<RgbQuad, 256> palette{};
    std::copy_n(picture.palette().begin(), 255, palette.begin());
    palette[kFlashIndex] = RgbQuad{255, 255, 255, 0};
    workBitmap1_ = Bitmap::createDib(frameWidth, frameHeight, picture.bitsPerPixel(), palette);
    workBitmap2_ = Bitmap::createDib(frameWidth, frameHeight, picture.bitsPerPixel(), palette);
    if (workBitmap1_ && workBitmap2_) {
        workDC1_ = std::make_unique<DeviceContext>(workBitmap1_.get());
        workDC2_ = std::make_unique<DeviceContext>(workBitmap2_.get());
        workBits1_ = workBitmap1_->bits();
        workBits2_ = workBitmap2_->bits();
    }
    xCosine_ = std::make_unique<std::int32_t[]>(frameWidth);
    xSine_ = std::make_unique<std::int32_t[]>(frameWidth);
    yCosine_ = std::make_unique<std::int32_t[]>(frameHeight);
    ySine_ = std::make_unique<std::int32_t[]>(frameHeight);
    return true;
}

void SpriteSheet::setFrame(int index) {
    if (index >= 0 && index < frameCount_) currentFrame_ = index;
}

void SpriteSheet::setFrameSize(int frameWidth, int frameHeight) {
    frameWidth_ = frameWidth;
    frameHeight_ = frameHeight;
}

bool SpriteSheet::frameReady() {
    return image_ && image_->memoryDC() && targetDC() && frameCount_ > 0;
}

bool SpriteSheet::workReady() {
    return frameReady() && workDC1_ && workDC2_ && xCosine_ &&
           workBitmap1_->format() == platform::PixelFormat::Indexed8;
}

bool SpriteSheet::drawKeyed(ColourRef keyColour) {
    if (!frameReady()) return false;
    const Rect& f = frames_[currentFrame_];
    return platform::transparentImage(*targetDC(), x(), y(), frameWidth_, frameHeight_,
                                      *image_->memoryDC(), f.left, f.top, frameWidth_, frameHeight_,
                                      keyColour);
}

bool SpriteSheet::draw() {
    if (!frameReady()) return false;
    const Rect& f = frames_[currentFrame_];
    return platform::bitBlt(*targetDC(), x(), y(), frameWidth_, frameHeight_, *image_->memoryDC(),
                            f.left, f.top);
}

bool SpriteSheet::drawStretched(int width, int height) {
    if (!frameReady()) return false;
    const Rect& f = frames_[currentFrame_];
    return platform::stretchBlt(*targetDC(), x(), y(), width, height, *image_->memoryDC(), f.left,
                                f.top, frameWidth_, frameHeight_);
}

bool SpriteSheet::drawStretchedKeyed(int width, int height, platform::ColourRef keyColour) {
    if (!frameReady()) return false;
    const Rect& f = frames_[currentFrame_];
    return platform::transparentImage(*targetDC(), x(), y(), width, height, *image_->memoryDC(),
                                      f.left, f.top, frameWidth_, frameHeight_, keyColour);
}

std::uint8_t SpriteSheet::copyFrameToWork() {
    const Rect& f = frames_[currentFrame_];
    platform::bitBlt(*workDC1_, 0, 0, frameWidth_, frameHeight_, *image_->memoryDC(), f.left,
                     f.top);
    // The first stored byte: rows are kept bottom up, so this is the bottom-left pixel.
    return workBits1_[0];
}

void SpriteSheet::turnFrame(int angle, bool flash, std::uint8_t background) {
    const int w = frameWidth_;
    const int h = frameHeight_;
    const int stride = workBitmap1_->stride();
    const double radians = angle * kRadiansPerDegree;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    for (int i = 0; i < w; ++i) {
        const int u = i - w / 2;
        xCosine_[i] = truncated(u * c + 0.5);
        xSine_[i] = truncated(u * s + 0.5);
    }
    for (int j = 0; j < h; ++j) {
        const int v = j - h / 2;
        ySine_[j] = truncated(v * s + 0.5);
        yCosine_[j] = truncated(v * c + 0.5);
    }
    // Rows in memory order, row 0 the bottom one; so a positive angle turns clockwise on
    // the screen.
    for (int j = 0; j < h; ++j) {
        std::uint8_t* to = workBits2_ + static_cast<std::ptrdiff_t>(j) * stride;
        for (int i = 0; i < w; ++i) {
            int sx = xCosine_[i] - ySine_[j] + w / 2;
            int sy = xSine_[i] + yCosine_[j] + h / 2;
            if (sx < 0 || sx >= w) sx = 0;
            if (sy < 0 || sy >= h) sy = 0;
            const std::uint8_t pixel = workBits1_[static_cast<std::ptrdiff_t>(sy) * stride + sx];
            to[i] = flash && pixel != background ? kFlashIndex : pixel;
        }
    }
}

bool SpriteSheet::drawWork(ColourRef keyColour) {
    return platform::transparentImage(*targetDC(), x(), y(), frameWidth_, frameHeight_, *workDC2_,
                                      0, 0, frameWidth_, frameHeight_, keyColour);
}

bool SpriteSheet::drawRotated(ColourRef keyColour, int angle) {
    if (!workReady()) return drawKeyed(keyColour);
    copyFrameToWork();
    turnFrame(angle, false, 0);
    return drawWork(keyColour);
}

bool SpriteSheet::drawFlash(ColourRef keyColour) {
    if (!workReady()) return drawKeyed(keyColour);
    const std::uint8_t background = copyFrameToWork();
    const int stride = workBitmap1_->stride();
    for (int j = 0; j < frameHeight_; ++j) {
        const std::uint8_t* from = workBits1_ + static_cast<std::ptrdiff_t>(j) * stride;
        std::uint8_t* to = workBits2_ + static_cast<std::ptrdiff_t>(j) * stride;
        for (int i = 0; i < frameWidth_; ++i)
            to[i] = from[i] == background ? background : kFlashIndex;
    }
    return drawWork(keyColour);
}

bool SpriteSheet::drawRotatedFlash(ColourRef keyColour, int angle) {
    if (!workReady()) return drawKeyed(keyColour);
    const std::uint8_t background = copyFrameToWork();
    turnFrame(angle, true, background);
    return drawWork(keyColour);
}

}  // namespace cindervane
