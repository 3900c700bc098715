// The drawing work of one play frame: keyed, turned and flash sprite draws into the back
// buffer, text, and the copy of the back buffer to the window.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "gamelibrary/picture_writer.h"
#include "gamelibrary/sprite_sheet.h"
#include "gamelibrary/surface.h"
#include "platform/draw/blit.h"
#include "platform/draw/draw_text.h"
#include "platform/draw/font.h"

namespace cindervane {
namespace {

using platform::Bitmap;
using platform::DeviceContext;
using platform::kKeyBlue;

// The window, the back buffer drawing onto it, and sheets drawing onto the back buffer, as
// the game sets them up; the pictures live in a folder of their own while the benchmark runs.
class Stage {
  public:
    Stage() : window_(Bitmap::createScreenFormat(240, 320)), windowDC_(window_.get()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "cv-bench-XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data());
        backBuffer_ = std::make_unique<Surface>(&windowDC_);
        backBuffer_->createBlank(240, 320);
    }
    ~Stage() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    DeviceContext& windowDC() { return windowDC_; }
    DeviceContext& backDC() { return *backBuffer_->memoryDC(); }

    // A one-frame sheet of the size: an oval craft of many colours on the blue key.
    std::unique_ptr<SpriteSheet> sheet(int width, int height) {
        PictureData picture;
        picture.width = width;
        picture.height = height;
        picture.palette.resize(256);
        for (int i = 0; i < 256; ++i)
            picture.palette[i] =
                platform::RgbQuad{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i * 3),
                                  static_cast<std::uint8_t>(255 - i), 0};
        picture.palette[0] = platform::RgbQuad{255, 0, 0, 0};
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const double dx = (x - width / 2.0) / (width / 2.0);
                const double dy = (y - height / 2.0) / (height / 2.0);
                const bool inside = dx * dx + dy * dy < 0.9;
                picture.pixels.push_back(
                    inside ? static_cast<std::uint8_t>(1 + (x * 7 + y * 13) % 250) : 0);
            }
        }
        const std::filesystem::path path =
            folder_ / ("S" + std::to_string(width) + "x" + std::to_string(height) + ".BAI");
        writePictureFile(path, picture);
        auto made = std::make_unique<SpriteSheet>(&backDC());
        made->loadSheet(0, 1, 0, path.string(), width, height);
        return made;
    }

  private:
    std::unique_ptr<Bitmap> window_;
    DeviceContext windowDC_;
    std::filesystem::path folder_;
    std::unique_ptr<Surface> backBuffer_;
};

void KeyedDraw61x61(benchmark::State& state) {
    Stage stage;
    auto sheet = stage.sheet(61, 61);
    sheet->setPosition(90, 130);
    for (auto _ : state)
        benchmark::DoNotOptimize(sheet->drawKeyed(kKeyBlue));
    state.SetItemsProcessed(state.iterations() * 61 * 61);
}
BENCHMARK(KeyedDraw61x61);

void RotatedDraw220x145(benchmark::State& state) {
    Stage stage;
    auto sheet = stage.sheet(220, 145);
    sheet->setPosition(10, 40);
    int angle = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sheet->drawRotated(kKeyBlue, angle));
        angle = angle % 360 + 1;
    }
    state.SetItemsProcessed(state.iterations() * 220 * 145);
}
BENCHMARK(RotatedDraw220x145);

void FlashDraw61x61(benchmark::State& state) {
    Stage stage;
    auto sheet = stage.sheet(61, 61);
    sheet->setPosition(90, 130);
    for (auto _ : state)
        benchmark::DoNotOptimize(sheet->drawFlash(kKeyBlue));
    state.SetItemsProcessed(state.iterations() * 61 * 61);
}
BENCHMARK(FlashDraw61x61);

void RotatedFlashDraw61x61(benchmark::State& state) {
    Stage stage;
    auto sheet = stage.sheet(61, 61);
    sheet->setPosition(90, 130);
    for (auto _ : state)
        benchmark::DoNotOptimize(sheet->drawRotatedFlash(kKeyBlue, 30));
    state.SetItemsProcessed(state.iterations() * 61 * 61);
}
BENCHMARK(RotatedFlashDraw61x61);

void BackBufferCopy240x320(benchmark::State& state) {
    Stage stage;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            platform::bitBlt(stage.windowDC(), 0, 0, 240, 320, stage.backDC(), 0, 0));
    state.SetItemsProcessed(state.iterations() * 240 * 320);
}
BENCHMARK(BackBufferCopy240x320);

void ScoreText(benchmark::State& state) {
    Stage stage;
    auto font = platform::Font::create("Courier New", 13, 0);
    if (!font) {
        state.SkipWithError("no font");
        return;
    }
    stage.backDC().selectFont(font.get());
    stage.backDC().setTextColour(0xFFFFFF);
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::drawText(stage.backDC(), "1234560",
                                                    platform::Rect{140, 297, 235, 325},
                                                    platform::TextFormat::Right));
}
BENCHMARK(ScoreText);

}  // namespace
}  // namespace cindervane
