// The main menu, the help pages and the credits.
#include "shell/menus.h"

#include "shell/picture_slots.h"
#include "shell/screen_text.h"

namespace cindervane {

namespace {

using platform::TextFormat;

constexpr std::u16string_view kShotText = u"PRESS ONCE AND IT WILL \nAUTOMATICALLY SHOT.";
constexpr std::u16string_view kEvadeText =
    u"MAKE MANUVER TO EVADE \nENEMY SHOT. YOU MUST WAIT \nTILL THE EVADE BAR IS FULL";
constexpr std::u16string_view kHyperBeamText =
    u"WAIT TILL BAR POWER IS FULL \n(MINIMUM 1 BAR IS FULL) THEN \nPRESS ONCE TO CHARGE. \nWHEN "
    u"THE BAR BLINK PRESS AGAIN \nTO RELEASE THE HYPER BEAM.";
constexpr std::u16string_view kItemBoxText =
    u"CAN COINTAIN ONE OF \nTHIS FOLLOWING \nITEMS : HP, HOMMING \nMISSILE, MACHINE GUN, "
    u"\nARMOR, PULSE CANON, \nLASER BEAM, HYPER \nBEAM, CHARGE RATE, \nRECHARGE RATE.";

// The people who made the game, and those it thanks.
constexpr std::u16string_view kMakers =
    u"MIRA OKONKWO-HALE \nTOBIAS VERNHOLT \nSUNNI ADEYEMI \nLEIF MARROW \nCASS "
    u"DELACROIX-PINE \nHARUN BELLWEATHER \n";
constexpr std::u16string_view kThanks =
    u"NELL FARRADAY \nOSKAR TEMPLE \nYUNA BRISTOW \nDEV RAMACHANDRA \nPIA SOLVANG \n";

void drawPageFrame(GameState& state) {
    drawPicture(state.flow.helpTitleImage, 0, 0);
    drawPicture(state.flow.helpBackground, 0, 35);
}

void drawPageButtons(GameState& state) {
    drawPictureKeyed(state.flow.prevButtonImage, 9, 292);
    drawPictureKeyed(state.flow.nextButtonImage, 159, 292);
}

void drawPageNumber(GameState& state, std::u16string_view number) {
    writeText(state, number, 4, kWhiteText, 0, 292, 240, 310, TextFormat::Centre);
}

void drawHelpPage1(GameState& state) {
    drawPageFrame(state);
    drawPictureKeyed(state.flow.buttonPanelImage, 16, 111);
    drawPageButtons(state);
    writeText(state, u"SHOT", 4, kWhiteText, 30, 60, 240, 310);
    writeText(state, u"EVADE", 4, kWhiteText, 150, 60, 240, 310);
    writeText(state, u"HYPER BEAM", 4, kWhiteText, 0, 220, 240, 310, TextFormat::Centre);
    // Red lines from each heading to its button on the panel.
    fillBox(state, kBrushRed, 54, 80, 56, 132);
    fillBox(state, kBrushRed, 178, 80, 180, 132);
    fillBox(state, kBrushRed, 118, 162, 120, 219);
    drawPageNumber(state, u"1 / 3");
}

void drawHelpPage2(GameState& state) {
    drawPageFrame(state);
    drawPageButtons(state);
    writeText(state, u"SHOT", 4, kRedText, 8, 40, 240, 70);
    writeText(state, u"EVADE", 4, kRedText, 8, 97, 240, 127);
    writeText(state, u"HYPER BEAM", 4, kRedText, 8, 169, 240, 199);
    drawPageNumber(state, u"2 / 3");
    // The rectangles below reach the screen's right edge, as the game has them; the hyper
    // beam text's "WHEN THE BAR BLINK PRESS AGAIN" runs a letter past it in the 15-pixel bold.
    writeText(state, kShotText, 3, kWhiteText, 8, 61, 240, 292);
    writeText(state, kEvadeText, 3, kWhiteText, 8, 118, 240, 292);
    writeText(state, kHyperBeamText, 3, kWhiteText, 8, 189, 240, 292);
}

void drawHelpPage3(GameState& state) {
    drawPageFrame(state);
    drawPictureKeyed(state.flow.silverCoinImage, 18, 45);
    drawPictureKeyed(state.flow.goldCoinImage, 18, 88);
    drawPictureKeyed(state.flow.itemBoxImage, 18, 135);
    drawPageButtons(state);
    writeText(state, u"SILVER COIN", 4, kRedText, 57, 52, 240, 80);
    writeText(state, u"GOLD COIN", 4, kRedText, 57, 95, 240, 128);
    writeText(state, u"ITEM BOX", 4, kRedText, 57, 139, 240, 172);
    drawPageNumber(state, u"3 / 3");
    writeText(state, kItemBoxText, 3, kWhiteText, 57, 160, 240, 292);
}

}  // namespace

void enterHelp(GameState& state) {
    for (std::unique_ptr<Surface>* slot :
         {&state.flow.helpTitleImage, &state.flow.buttonPanelImage, &state.flow.helpBackground,
          &state.flow.goldCoinImage, &state.flow.silverCoinImage, &state.flow.itemBoxImage,
          &state.flow.prevButtonImage, &state.flow.nextButtonImage}) {
        slot->reset();
    }
    replacePicture(state, state.flow.helpBackground, "IMG_BGHELP", "O0018.BAI");
    replacePicture(state, state.flow.goldCoinImage, "IMG_COINGOLD", "O0001.BAI");
    replacePicture(state, state.flow.silverCoinImage, "IMG_COINSILVER", "O0002.BAI");
    replacePicture(state, state.flow.itemBoxImage, "IMG_BOX", "O0019.BAI");
    replacePicture(state, state.flow.prevButtonImage, "IMG_BTNPREV", "O0004.BAI");
    replacePicture(state, state.flow.nextButtonImage, "IMG_BTNNEXT", "O0005.BAI");
    replacePicture(state, state.flow.buttonPanelImage, "IMG_BTNPANEL", "O0067.BAI");
    replacePicture(state, state.flow.helpTitleImage, "IMG_HELPTITLE", "O0020.BAI");
    state.flow.screen = GameScreen::HelpPage1;
}

void enterCredits(GameState& state) {
    replacePicture(state, state.flow.helpBackground, "IMG_BGHELP", "O0018.BAI");
    replacePicture(state, state.flow.creditTitleImage, "IMG_CREDITTITLE", "O0022.BAI");
    state.flow.screen = GameScreen::Credits;
}

void drawMainMenu(GameState& state) {
    drawPicture(state.flow.backgroundImage, 0, 0);
}

void drawHelpPage(GameState& state) {
    switch (state.flow.screen) {
        case GameScreen::HelpPage1:
            drawHelpPage1(state);
            break;
        case GameScreen::HelpPage2:
            drawHelpPage2(state);
            break;
        case GameScreen::HelpPage3:
            drawHelpPage3(state);
            break;
        default:
            break;
    }
}

void drawCredits(GameState& state) {
    drawPicture(state.flow.creditTitleImage, 0, 0);
    drawPicture(state.flow.helpBackground, 0, 35);
    writeText(state, kMakers, 3, kWhiteText, 0, 50, 240, 320, TextFormat::Centre);
    writeText(state, kThanks, 3, kWhiteText, 0, 225, 240, 320, TextFormat::Centre);
    writeText(state, u"SPECIAL THANK", 4, kRedText, 0, 200, 240, 320, TextFormat::Centre);
}

}  // namespace cindervane
