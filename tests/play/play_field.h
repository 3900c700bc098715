// A play field for the play, enemy and head-up display tests and the benchmark: a back
// buffer, and a game state holding every sprite sheet of the game (small pictures of the
// real frame sizes, written into a temporary folder), the fonts, brushes, panel pictures,
// captions and the four effect sounds, with a headless application for error reports.
// Every frame is red inside a one-pixel blue (key) border, so a plain draw shows red and a
// hit flash white.
#pragma once

#include <algorithm>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "../bas_file.h"
#include "../gamelibrary/recording_game.h"
#include "../gamelibrary/test_pictures.h"
#include "../test_folder.h"
#include "core/asset_tables.h"
#include "core/catalogues/box_sheets.h"
#include "core/catalogues/coin_sheets.h"
#include "core/catalogues/craft_sheets.h"
#include "core/catalogues/effect_sheets.h"
#include "core/catalogues/part_sheets.h"
#include "core/catalogues/projectile_sheets.h"
#include "platform/headless_platform.h"
#include "stage/game_state.h"
#include "stage/sheet_catalogue_loader.h"

namespace cindervane {

// Colours of the test pictures as the screen shows them (0x00RRGGBB).
constexpr std::uint32_t kScreenRed = 0xFF0000;
constexpr std::uint32_t kScreenWhite = 0xFFFFFF;
constexpr std::uint32_t kScreenBlack = 0x000000;

class PlayField {
  public:
    // Which pictures to leave out, to see their absence reported.
    explicit PlayField(std::vector<std::string> missingFiles = {})
        : host(options(), {}),
          game(host),
          app(makeTestApp(host, game)),
          backBuffer(platform::Bitmap::createScreenFormat(240, 320)),
          backDC(backBuffer.get()) {
        state.run.app = app.get();
        state.run.backDC = &backDC;
        writeSheets(missingFiles);
        loadSheetCatalogues(state.run, &backDC);
        makeFontsAndBrushes();
        loadPanelPictures();
        loadSounds();
    }

    // The colour of a back buffer pixel, 0x00RRGGBB.
    std::uint32_t pixel(int x, int y) const { return backBuffer->rgbAt(x, y); }
    void clearScreen() {
        for (int y = 0; y < 320; ++y)
            for (int x = 0; x < 240; ++x)
                backBuffer->setRgb(x, y, kScreenBlack);
    }
    std::vector<std::string> boxes() const {
        std::vector<std::string> texts;
        for (const auto& box : host.messageBoxes())
            texts.push_back(box.text);
        return texts;
    }

    TestFolder folder;
    platform::HeadlessPlatform host;
    RecordingGame game;
    std::unique_ptr<GameApp> app;
    std::unique_ptr<platform::Bitmap> backBuffer;
    platform::DeviceContext backDC;
    GameState state;

  private:
    platform::PlatformOptions options() {
        platform::PlatformOptions chosen;
        chosen.assetDirectory = folder.path();
        return chosen;
    }

    // A strip of frames, each red with a blue border.
    static PictureData framedStrip(int frames, int width, int height) {
        return indexedPicture(frames * width, height, [=](int x, int y) -> std::uint8_t {
            const int column = x % width;
            const bool edge = column == 0 || column == width - 1 || y == 0 || y == height - 1;
            return edge ? 0 : 1;
        });
    }

    void writeSheets(const std::vector<std::string>& missingFiles) {
        const std::span<const SheetRow> tables[] = {kCraftSheets,  kPartSheets, kProjectileSheets,
                                                    kEffectSheets, kCoinSheets, kBoxSheets};
        for (const auto& rows : tables) {
            for (const SheetRow& row : rows) {
                const std::string file(row.file);
                if (std::find(missingFiles.begin(), missingFiles.end(), file) != missingFiles.end())
                    continue;
                writePictureFile(folder.path() / file,
                                 framedStrip(row.frames, row.frameWidth, row.frameHeight));
            }
        }
    }

    void makeFontsAndBrushes() {
        for (std::size_t i = 0; i < std::size(kFonts); ++i)
            state.run.fonts[i] =
                platform::Font::create(kFonts[i].face, kFonts[i].height, kFonts[i].weight);
        for (const BrushRow& row : kBrushes)
            state.run.brushes[row.index] = platform::Brush::solid(row.colour);
        for (std::size_t i = 0; i < std::size(kPickupLabelTexts); ++i)
            state.flow.pickupLabels[i].label = std::u16string(kPickupLabelTexts[i]);
    }

    std::unique_ptr<Surface> picture(const char* file, int width, int height, std::uint8_t colour) {
        writePictureFile(folder.path() / file,
                         indexedPicture(width, height, [=](int, int) { return colour; }));
        auto surface = std::make_unique<Surface>(&backDC);
        surface->loadImage((folder.path() / file).string());
        return surface;
    }

    // The panel is keyed blue all over, so the bars under it stay visible.
    void loadPanelPictures() {
        state.run.panelImage = picture("panel.bai", 240, 22, 0);
        state.run.hpBarImage = picture("hpbar.bai", 99, 7, 2);
        state.run.speakerOnImage = picture("speakeron.bai", 20, 20, 2);
        state.run.speakerOffImage = picture("speakeroff.bai", 20, 20, 3);
        for (int i = 0; i < kCaptionCount; ++i) {
            const std::string file = "caption" + std::to_string(i) + ".bai";
            writePictureFile(folder.path() / file,
                             indexedPicture(30, 10, [](int, int) { return std::uint8_t{3}; }));
            auto caption = std::make_unique<Sprite>(&backDC);
            caption->loadImage((folder.path() / file).string());
            state.run.captions[i] = std::move(caption);
        }
    }

    void loadSounds() {
        for (std::size_t i = 0; i < std::size(kSoundEffects); ++i) {
            const auto path = folder.path() / std::string(kSoundEffects[i].file);
            writeBasFile(path, 11025);
            state.run.soundEffects[i] = std::make_unique<SoundClip>(host.waveOutput());
            state.run.soundEffects[i]->load(path);
        }
    }
};

}  // namespace cindervane
