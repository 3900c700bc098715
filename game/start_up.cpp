// Start-up: everything the whole run needs, made and loaded in the game's fixed order.
#include "game/start_up.h"

#include <string>

#include "core/asset_tables.h"
#include "core/high_score_table.h"
#include "gamelibrary/game_app.h"
#include "stage/sheet_catalogue_loader.h"

namespace cindervane {

namespace {

std::unique_ptr<Surface>& commonSlot(GameState& state, CommonSlot slot) {
    switch (slot) {
        case CommonSlot::Keyboard:
            return state.keyboardImage;
        case CommonSlot::Logo:
            return state.logoImage;
        case CommonSlot::LogoWww:
            return state.logoWwwImage;
        case CommonSlot::Panel:
            return state.panelImage;
        case CommonSlot::HpBar:
            return state.hpBarImage;
        case CommonSlot::SpeakerOn:
            return state.speakerOnImage;
        case CommonSlot::SpeakerOff:
        case CommonSlot::Caption:
            break;
    }
    return state.speakerOffImage;
}

void makeFontsBrushesAndLabels(GameState& state) {
    for (std::size_t i = 0; i < std::size(kFonts); ++i)
        state.fonts[i] = platform::Font::create(kFonts[i].face, kFonts[i].height, kFonts[i].weight);
    for (const BrushRow& row : kBrushes) {
        state.brushes[row.index] =
            row.stock ? platform::Brush::stock(row.colour == 0 ? platform::StockBrush::Black
                                                               : platform::StockBrush::White)
                      : platform::Brush::solid(row.colour);
    }
    for (std::size_t i = 0; i < std::size(kPickupLabelTexts); ++i)
        state.pickupLabels[i].label = std::u16string(kPickupLabelTexts[i].substr(0, 10));
}

// The pictures every screen may need, each reported on its own when it cannot be loaded.
void loadCommonImages(GameState& state) {
    for (const CommonPicture& row : kCommonPictures) {
        const std::string path = state.app->pathBesideProgram(row.file);
        bool loaded = false;
        if (row.slot == CommonSlot::Caption) {
            auto caption = std::make_unique<Sprite>(state.backDC);
            loaded = caption->loadImage(path);
            state.captions[row.captionIndex] = std::move(caption);
        } else {
            auto picture = std::make_unique<Surface>(state.backDC);
            loaded = picture->loadImage(path);
            commonSlot(state, row.slot) = std::move(picture);
        }
        if (!loaded) state.app->fatalError("Error loading " + std::string(row.symbol));
    }
}

void loadSoundEffects(GameState& state, platform::Platform& platform) {
    for (std::size_t i = 0; i < std::size(kSoundEffects); ++i)
        state.soundEffects[i] = std::make_unique<SoundClip>(platform.waveOutput());
    for (std::size_t i = 0; i < std::size(kSoundEffects); ++i) {
        const std::string path = state.app->pathBesideProgram(kSoundEffects[i].file);
        if (!state.soundEffects[i]->load(path)) state.app->fatalError(kSoundEffects[i].failure);
    }
}

}  // namespace

void startUpGame(GameState& state, platform::Platform& platform) {
    state.random.reseed(platform.randomSeed());

    state.backBuffer = std::make_unique<Surface>(&platform.windowContext());
    if (!state.backBuffer->createBlank(platform.screenWidth(), platform.screenHeight()))
        state.app->fatalError("Error creating double buffer");
    state.backDC = state.backBuffer->memoryDC();

    state.highScores = std::make_unique<HighScoreTable>();
    loadHighScores(*state.highScores, platform.dataDirectory());

    makeFontsBrushesAndLabels(state);
    loadCommonImages(state);
    loadSheetCatalogues(state, state.backDC);
    if (state.backDC) state.backDC->selectFont(state.fonts[0].get());

    state.frameCounter = 0;
    state.screen = GameScreen::Logo;

    loadSoundEffects(state, platform);
    for (auto& player : state.musicPlayers)
        player = std::make_unique<SoundClip>(platform.waveOutput());
}

}  // namespace cindervane
