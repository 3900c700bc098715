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
            return state.run.keyboardImage;
        case CommonSlot::Logo:
            return state.run.logoImage;
        case CommonSlot::LogoWww:
            return state.run.logoWwwImage;
        case CommonSlot::Panel:
            return state.run.panelImage;
        case CommonSlot::HpBar:
            return state.run.hpBarImage;
        case CommonSlot::SpeakerOn:
            return state.run.speakerOnImage;
        case CommonSlot::SpeakerOff:
        case CommonSlot::Caption:
            break;
    }
    return state.run.speakerOffImage;
}

void makeFontsBrushesAndLabels(GameState& state) {
    for (std::size_t i = 0; i < std::size(kFonts); ++i)
        state.run.fonts[i] =
            platform::Font::create(kFonts[i].face, kFonts[i].height, kFonts[i].weight);
    for (const BrushRow& row : kBrushes) {
        state.run.brushes[row.index] =
            row.stock ? platform::Brush::stock(row.colour == 0 ? platform::StockBrush::Black
                                                               : platform::StockBrush::White)
                      : platform::Brush::solid(row.colour);
    }
    for (std::size_t i = 0; i < std::size(kPickupLabelTexts); ++i)
        state.flow.pickupLabels[i].label = std::u16string(kPickupLabelTexts[i].substr(0, 10));
}

// The pictures every screen may need, each reported on its own when it cannot be loaded.
void loadCommonImages(GameState& state) {
    for (const CommonPicture& row : kCommonPictures) {
        const std::string path = state.run.app->pathBesideProgram(row.file);
        bool loaded = false;
        if (row.slot == CommonSlot::Caption) {
            auto caption = std::make_unique<Sprite>(state.run.backDC);
            loaded = caption->loadImage(path);
            state.run.captions[row.captionIndex] = std::move(caption);
        } else {
            auto picture = std::make_unique<Surface>(state.run.backDC);
            loaded = picture->loadImage(path);
            commonSlot(state, row.slot) = std::move(picture);
        }
        if (!loaded) state.run.app->fatalError("Error loading " + std::string(row.symbol));
    }
}

void loadSoundEffects(GameState& state, platform::Platform& platform) {
    for (std::size_t i = 0; i < std::size(kSoundEffects); ++i)
        state.run.soundEffects[i] = std::make_unique<SoundClip>(platform.waveOutput());
    for (std::size_t i = 0; i < std::size(kSoundEffects); ++i) {
        const std::string path = state.run.app->pathBesideProgram(kSoundEffects[i].file);
        if (!state.run.soundEffects[i]->load(path))
            state.run.app->fatalError(kSoundEffects[i].failure);
    }
}

}  // namespace

void startUpGame(GameState& state, platform::Platform& platform) {
    state.run.random.reseed(platform.randomSeed());

    state.run.backBuffer = std::make_unique<Surface>(&platform.windowContext());
    if (!state.run.backBuffer->createBlank(platform.screenWidth(), platform.screenHeight()))
        state.run.app->fatalError("Error creating double buffer");
    state.run.backDC = state.run.backBuffer->memoryDC();

    state.scores.highScores = std::make_unique<HighScoreTable>();
    loadHighScores(*state.scores.highScores, platform.dataDirectory());

    makeFontsBrushesAndLabels(state);
    loadCommonImages(state);
    loadSheetCatalogues(state.run, state.run.backDC);
    if (state.run.backDC) state.run.backDC->selectFont(state.run.fonts[0].get());

    state.flow.frameCounter = 0;
    state.flow.screen = GameScreen::Logo;

    loadSoundEffects(state, platform);
    for (auto& player : state.run.musicPlayers)
        player = std::make_unique<SoundClip>(platform.waveOutput());
}

}  // namespace cindervane
