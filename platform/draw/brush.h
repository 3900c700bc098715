// Brushes for filling rectangles: a solid colour of the game's choosing, or one of the
// system's stock brushes, which belong to the system and are never really deleted.
#pragma once

#include "platform/draw/colour.h"

namespace cindervane::platform {

enum class StockBrush { White, LightGray, Gray, DarkGray, Black };

class Brush {
  public:
    static constexpr Brush solid(ColourRef colour) { return Brush(colour, false); }
    static constexpr Brush stock(StockBrush which) {
        switch (which) {
            case StockBrush::White:
                return Brush(rgb(255, 255, 255), true);
            case StockBrush::LightGray:
                return Brush(rgb(192, 192, 192), true);
            case StockBrush::Gray:
                return Brush(rgb(128, 128, 128), true);
            case StockBrush::DarkGray:
                return Brush(rgb(64, 64, 64), true);
            case StockBrush::Black:
                return Brush(rgb(0, 0, 0), true);
        }
        return Brush(0, true);
    }

    constexpr ColourRef colour() const { return colour_; }
    constexpr bool isStock() const { return stock_; }

  private:
    constexpr Brush(ColourRef colour, bool stock) : colour_(colour), stock_(stock) {}

    ColourRef colour_;
    bool stock_;
};

}  // namespace cindervane::platform
