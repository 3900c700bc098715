// Sprite sheets: one picture holding up to 16 frames of equal size side by side, drawn a
// frame at a time at the sprite's position: opaque, colour-keyed, stretched, turned by whole
// degrees, or as a white silhouette for the hit flash. Everything moving on the play field is
// drawn from one.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "gamelibrary/sprite.h"

namespace cindervane {

class SpriteSheet : public Sprite {
  public:
    static constexpr int kMaxFrames = 16;
    static constexpr int kMaxFrameWidth = 640;
    static constexpr int kMaxFrameHeight = 320;
    // The work palette's last entry, white: the colour of the hit flash.
    static constexpr std::uint8_t kFlashIndex = 255;

    // As a sprite: no picture, frame 0 of no frames.
    explicit SpriteSheet(platform::DeviceContext* targetDC);
    ~SpriteSheet() override;

    // Loads the picture and cuts count frames of frameWidth x frameHeight from row `row`,
    // the first at column `first`; the current frame becomes `first`. Fails at once, making
    // nothing, when first < 0, count > 16, frameWidth is not 1..640 or frameHeight not
    // 1..320, and fails when the picture cannot be loaded; the sheet then has no picture and
    // no frames and draws nothing. Makes the two frame-sized work bitmaps (palette: the
    // picture's first 255 colours, then white) and the rotation tables, so that no later
    // draw allocates.
    bool loadSheet(int first, int count, int row, std::string_view path, int frameWidth,
                   int frameHeight);
    // Makes the frame current when it is one of the sheet's frames; otherwise keeps the
    // current frame.
    void setFrame(int index);
    void setFrameSize(int frameWidth, int frameHeight);

    int currentFrame() const { return currentFrame_; }
    int frameCount() const { return frameCount_; }
    // Where frame i lies in the picture.
    const platform::Rect& frame(int index) const { return frames_[index]; }
    // The loaded picture; null without one.
    const Surface* image() const { return image_.get(); }

    // Frame size.
    int width() const override { return frameWidth_; }
    int height() const override { return frameHeight_; }
    // The current frame at the sheet's position, leaving out the key colour.
    bool drawKeyed(platform::ColourRef keyColour) override;
    // The current frame at the sheet's position, opaque.
    bool draw() override;
    // The current frame stretched into the width x height box at the sheet's position.
    bool drawStretched(int width, int height) override;

    // The current frame stretched into the width x height box at the sheet's position,
    // leaving out the key colour.
    bool drawStretchedKeyed(int width, int height, platform::ColourRef keyColour);

    // The current frame turned by angle whole degrees (clockwise on the screen for positive
    // angles) about its centre, inside its own box, keyed. Corners turned out of the box are
    // cut off. A sheet whose picture is not 8 bits a pixel draws the frame upright.
    bool drawRotated(platform::ColourRef keyColour, int angle);
    // The current frame as a white silhouette: every pixel unlike the frame's bottom-left
    // one becomes white, keyed. A picture not of 8 bits a pixel draws the frame as it is.
    bool drawFlash(platform::ColourRef keyColour);
    // Both at once: turned, and white where unlike the bottom-left pixel.
    bool drawRotatedFlash(platform::ColourRef keyColour, int angle);

  private:
    // The picture, frames and work bitmaps a frame draw needs.
    bool frameReady();
    bool workReady();
    // The current frame into work bitmap 1; its bottom-left pixel index.
    std::uint8_t copyFrameToWork();
    // Work bitmap 2 := work bitmap 1 turned by the angle; with flash, pixels unlike
    // `background` become white.
    void turnFrame(int angle, bool flash, std::uint8_t background);
    bool drawWork(platform::ColourRef keyColour);

    std::unique_ptr<Surface> image_;
    std::array<platform::Rect, kMaxFrames> frames_{};
    std::int32_t currentFrame_ = 0;
    std::int32_t frameCount_ = 0;
    std::int32_t frameWidth_ = 0;
    std::int32_t frameHeight_ = 0;
    std::unique_ptr<std::int32_t[]> xCosine_;
    std::unique_ptr<std::int32_t[]> xSine_;
    std::unique_ptr<std::int32_t[]> yCosine_;
    std::unique_ptr<std::int32_t[]> ySine_;
    std::unique_ptr<platform::Bitmap> workBitmap1_;
    std::unique_ptr<platform::Bitmap> workBitmap2_;
    std::uint8_t* workBits1_ = nullptr;
    std::uint8_t* workBits2_ = nullptr;
    std::unique_ptr<platform::DeviceContext> workDC1_;
    std::unique_ptr<platform::DeviceContext> workDC2_;
};

}  // namespace cindervane
