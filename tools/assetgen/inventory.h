// Every picture and sound the game loads, one row per use as the game's own tables list them:
// symbol, file, kind, frames, frame width and frame height. The asset generator draws one
// file per distinct name from these rows, and the tests check every row against its file.
#pragma once

#include <array>
#include <string_view>

namespace cindervane::assetgen {

enum class AssetKind {
    CraftSheet,        // enemy craft and the player ships (drawn keyed, rotated, flashed)
    PartSheet,         // boss sections and the charge aura
    ShotSheet,         // projectiles
    BeamHeadSheet,     // hyper beam head: the body segments stack onto its top row
    BeamBodySheet,     // hyper beam body segment: stacks onto its neighbours at top and bottom
    EffectSheet,       // explosion and hit spark
    CoinSheet,         // spinning coins
    BoxSheet,          // the item box
    Picture,           // a screen picture drawn opaque
    KeyedPicture,      // a picture drawn with the colour key (captions, icons, buttons)
    TextPicture,       // scrolling story text under a 140-row window, drawn opaque
    KeyedTextPicture,  // the prologue's text, scrolled over the title picture with the key
    Background,        // a stage background that wraps while it scrolls
    Sound,             // a sound effect played once
    LoopedSound,       // a sound effect repeated back to back while a gun fires
    Music,             // a piece of stage music
};

struct AssetRow {
    std::string_view symbol;
    std::string_view file;
    AssetKind kind;
    int frames;
    int frameWidth;
    int frameHeight;
};

// The text windows: the story and stage screens show 140 rows of their text picture, the
// prologue the whole screen. A text picture holds its scroll limit's worth of text and then
// a window of padding, so the window never reads past the picture.
inline constexpr int kStoryWindowHeight = 140;
inline constexpr int kPrologueWindowHeight = 320;
constexpr int storyText(int scrollWrap) {
    return scrollWrap + kStoryWindowHeight;
}
constexpr int prologueText(int scrollWrap) {
    return scrollWrap + kPrologueWindowHeight;
}

// Stage backgrounds: the play field shows 320 rows and wraps from row 0 back to row 960.
inline constexpr int kBackgroundWidth = 240;
inline constexpr int kBackgroundHeight = 1280;
inline constexpr int kBackgroundWrap = 960;

using enum AssetKind;

// clang-format off
inline constexpr std::array kInventory = {
    // Sprite sheets: craft catalogue.
    AssetRow{"IMG_ENEMY_KRAPHY",          "S0013.BAI", CraftSheet,  1,  61,  61},
    AssetRow{"IMG_ENEMY_KRAPHYCANNON",    "S0014.BAI", CraftSheet,  1,  61,  61},
    AssetRow{"IMG_ENEMY_KRAPHYMISSILE",   "S0016.BAI", CraftSheet,  1,  61,  61},
    AssetRow{"IMG_ENEMY_KRAPHYLEADER",    "S0015.BAI", CraftSheet,  1,  61,  61},
    AssetRow{"IMG_ENEMY_CHOPTER",         "S0004.BAI", CraftSheet,  2,  42,  42},
    AssetRow{"IMG_ENEMY_CHOPTERGATTLING", "S0005.BAI", CraftSheet,  2,  26,  42},
    AssetRow{"IMG_ENEMY_EGMIXER",         "S0007.BAI", CraftSheet,  1,  80,  80},
    AssetRow{"IMG_ENEMY_GASHIING",        "S0009.BAI", CraftSheet,  2,  38,  38},
    AssetRow{"IMG_ENEMY_GASHIINGALPHA",   "S0010.BAI", CraftSheet,  2,  70,  70},
    AssetRow{"IMG_ENEMY_GASHIINGBETA",    "S0011.BAI", CraftSheet,  3,  80,  80},
    AssetRow{"IMG_ENEMY_GASHIINGGAMMA",   "S0012.BAI", CraftSheet,  1,  76,  76},
    AssetRow{"IMG_ENEMY_LIGHTNING9",      "S0018.BAI", CraftSheet,  7,  50,  50},
    AssetRow{"IMG_ENEMY_LIGHTNING8",      "S0017.BAI", CraftSheet,  7,  50,  50},
    AssetRow{"IMG_ENEMY_MANTARAYV1",      "S0019.BAI", CraftSheet,  1, 110,  58},
    AssetRow{"IMG_ENEMY_MANTARAYV2",      "S0020.BAI", CraftSheet,  1, 120,  62},
    AssetRow{"IMG_ENEMY_MANTARAYV3",      "S0021.BAI", CraftSheet,  1, 120,  63},
    AssetRow{"IMG_ENEMY_OWLION",          "S0025.BAI", CraftSheet,  1,  55,  55},
    AssetRow{"IMG_ENEMY_OWLIONLASER",     "S0026.BAI", CraftSheet,  1,  54,  40},
    AssetRow{"IMG_ENEMY_OWLIONLEADER",    "S0027.BAI", CraftSheet,  1,  54,  40},
    AssetRow{"IMG_ENEMY_OWLIONNAPALM",    "S0029.BAI", CraftSheet,  1,  54,  40},
    AssetRow{"IMG_ENEMY_OWLIONLEADER",    "S0027.BAI", CraftSheet,  1,  54,  40},
    AssetRow{"IMG_ENEMY_POSEIDON",        "S0031.BAI", CraftSheet,  1, 220, 135},
    AssetRow{"IMG_ENEMY_SCROOP",          "S0038.BAI", CraftSheet,  2,  25,  38},
    AssetRow{"IMG_ENEMY_SCROOPBURU",      "S0039.BAI", CraftSheet,  2,  40,  40},
    AssetRow{"IMG_ENEMY_SCROOPKING",      "S0040.BAI", CraftSheet,  2,  45,  45},
    AssetRow{"IMG_ENEMY_RAUDER",          "S0037.BAI", CraftSheet,  1, 224, 205},
    AssetRow{"IMG_ENEMY_OYSTER",          "S0030.BAI", CraftSheet,  1, 130,  91},
    AssetRow{"IMG_ENEMY_POSEIDONV2",      "S0034.BAI", CraftSheet,  1, 220, 145},
    AssetRow{"IMG_ENEMY_SILVERHAWK",      "S0041.BAI", CraftSheet,  9,  57,  57},
    AssetRow{"IMG_ENEMY_ARROWIND",        "S0002.BAI", CraftSheet,  1,  22,  60},
    AssetRow{"IMG_ENEMY_ARROWINDLASER",   "S0003.BAI", CraftSheet,  1,  22,  60},
    AssetRow{"IMG_ENEMY_STEINER",         "S0042.BAI", CraftSheet,  1,  60,  60},
    AssetRow{"IMG_ENEMY_VAZNA",           "S0043.BAI", CraftSheet,  7,  70,  70},
    AssetRow{"IMG_ENEMY_WINDCHART",       "S0046.BAI", CraftSheet,  1,  48,  48},
    AssetRow{"IMG_ENEMY_WINDCHARTDRILL",  "S0045.BAI", CraftSheet,  1,  52,  52},
    AssetRow{"IMG_ENEMY_WINGEDBEAR",      "S0047.BAI", CraftSheet,  1, 240, 170},
    AssetRow{"IMG_ENEMY_POSEIDONV3",      "S0034.BAI", CraftSheet,  1, 220, 145},
    AssetRow{"IMG_ENEMY_WHITECROSS",      "S0044.BAI", CraftSheet,  7,  50,  50},
    AssetRow{"IMG_ENEMY_DEATHBRINGER",    "S0006.BAI", CraftSheet,  1, 260, 210},
    AssetRow{"IMG_ENEMY_FLYINGTURRET",    "S0008.BAI", CraftSheet,  1,  98,  98},
    AssetRow{"IMG_ENEMY_WRIDER",          "S0048.BAI", CraftSheet,  7,  60,  60},
    AssetRow{"IMG_ENEMY_YRIDER",          "S0049.BAI", CraftSheet,  7,  60,  60},
    AssetRow{"IMG_ENEMY_ZAPHONG",         "S0050.BAI", CraftSheet,  1,  55,  55},
    AssetRow{"IMG_ENEMY_ZAPHONGLASER",    "S0051.BAI", CraftSheet,  1,  55,  55},
    AssetRow{"IMG_ENEMY_ZAPHONGLEADER",   "S0052.BAI", CraftSheet,  1,  60,  60},
    AssetRow{"IMG_ENEMY_ZAPHONGMISSILE",  "S0053.BAI", CraftSheet,  1,  55,  55},
    AssetRow{"IMG_ENEMY_ALPHAZERO",       "S0001.BAI", CraftSheet,  3,  90,  90},
    AssetRow{"IMG_TEAM_REDPHOENIX",       "S0054.BAI", CraftSheet, 13,  60,  42},
    AssetRow{"IMG_TEAM_REDPHOENIXV",      "S0055.BAI", CraftSheet, 13,  59,  51},
    AssetRow{"IMG_TEAM_REDPHOENIXX",      "S0056.BAI", CraftSheet, 13,  75,  50},

    // Part catalogue: boss sections and the charge aura.
    AssetRow{"IMG_ENEMY_POSEIDONLEFTV2",  "S0032.BAI", PartSheet,   1, 208, 110},
    AssetRow{"IMG_ENEMY_POSEIDONRIGHTV2", "S0033.BAI", PartSheet,   1, 208, 110},
    AssetRow{"IMG_ENEMY_POSEIDONBACKLV3", "S0035.BAI", PartSheet,   1, 151, 226},
    AssetRow{"IMG_ENEMY_POSEIDONBACKRV3", "S0036.BAI", PartSheet,   1, 151, 226},
    AssetRow{"IMG_ENEMY_POSEIDONLEFTV3",  "S0032.BAI", PartSheet,   1, 208, 145},
    AssetRow{"IMG_ENEMY_POSEIDONRIGHTV3", "S0033.BAI", PartSheet,   1, 208, 145},
    AssetRow{"IMG_ENEMY_OMEGA9FRONT",     "S0022.BAI", PartSheet,   1,  72, 109},
    AssetRow{"IMG_ENEMY_OMEGA9CENTER",    "S0023.BAI", PartSheet,   1, 180,  94},
    AssetRow{"IMG_ENEMY_OMEGA9REAR",      "S0024.BAI", PartSheet,   1,  90,  85},
    AssetRow{"IMG_TEAM_FIREBIRD",         "S0057.BAI", PartSheet,   3, 100,  71},

    // Projectile catalogue.
    AssetRow{"IMG_SHOT_HOMMINGUP",        "A0001.BAI", ShotSheet,   1,  15,  15},
    AssetRow{"IMG_SHOT_PARTICLE",         "A0018.BAI", ShotSheet,   1,  10,  10},
    AssetRow{"IMG_SHOT_MISSILEUP",        "A0016.BAI", ShotSheet,   1,   5,  23},
    AssetRow{"IMG_SHOT_MISSILEUP",        "A0016.BAI", ShotSheet,   1,   5,  23},
    AssetRow{"IMG_SHOT_MACHINEGUNV1",     "A0013.BAI", ShotSheet,   1,   5,  10},
    AssetRow{"IMG_SHOT_MACHINEGUNV2",     "A0014.BAI", ShotSheet,   1,  10,  20},
    AssetRow{"IMG_SHOT_MACHINEGUNLV1",    "A0009.BAI", ShotSheet,   1,  10,  12},
    AssetRow{"IMG_SHOT_MACHINEGUNLV2",    "A0010.BAI", ShotSheet,   1,  19,  23},
    AssetRow{"IMG_SHOT_MACHINEGUNRV1",    "A0011.BAI", ShotSheet,   1,  10,  12},
    AssetRow{"IMG_SHOT_MACHINEGUNRV2",    "A0012.BAI", ShotSheet,   1,  19,  23},
    AssetRow{"IMG_SHOT_NAPALMDOWN",       "A0017.BAI", ShotSheet,   1,   8,  35},
    AssetRow{"IMG_SHOT_PULSECANNONV1",    "A0022.BAI", ShotSheet,   1,  15,  23},
    AssetRow{"IMG_SHOT_PULSECANNONV2",    "A0023.BAI", ShotSheet,   1,  17,  40},
    AssetRow{"IMG_SHOT_PULSECANNONV3",    "A0024.BAI", ShotSheet,   1,  20,  60},
    AssetRow{"IMG_SHOT_PULSEBEAMV1",      "A0019.BAI", ShotSheet,   1,  13,  17},
    AssetRow{"IMG_SHOT_PULSEBEAMV2",      "A0020.BAI", ShotSheet,   1,  13,  26},
    AssetRow{"IMG_SHOT_PULSEBEAMV3",      "A0021.BAI", ShotSheet,   1,  15,  29},
    AssetRow{"IMG_SHOT_LASERBLUEV1",      "A0002.BAI", ShotSheet,   3,  15, 300},
    AssetRow{"IMG_SHOT_LASERBLUEV2",      "A0003.BAI", ShotSheet,   3,  15, 300},
    AssetRow{"IMG_SHOT_LASERBLUEV3",      "A0004.BAI", ShotSheet,   3,  15, 300},
    AssetRow{"IMG_SHOT_LASERREDV1",       "A0005.BAI", ShotSheet,   1,   7,  60},
    AssetRow{"IMG_SHOT_LASERREDV2",       "A0006.BAI", ShotSheet,   1,   9,  62},
    AssetRow{"IMG_SHOT_LASERREDV3",       "A0007.BAI", ShotSheet,   1,  10,  62},
    AssetRow{"IMG_SHOT_SUPERV1A",         "A0025.BAI", BeamHeadSheet, 2, 25,  25},
    AssetRow{"IMG_SHOT_SUPERV1B",         "A0026.BAI", BeamBodySheet, 2, 25,  10},
    AssetRow{"IMG_SHOT_SUPERV2A",         "A0027.BAI", BeamHeadSheet, 2, 41,  30},
    AssetRow{"IMG_SHOT_SUPERV2B",         "A0028.BAI", BeamBodySheet, 2, 41,  10},
    AssetRow{"IMG_SHOT_SUPERV3A",         "A0029.BAI", BeamHeadSheet, 2, 64,  45},
    AssetRow{"IMG_SHOT_SUPERV3B",         "A0030.BAI", BeamBodySheet, 2, 64,  10},
    AssetRow{"IMG_SHOT_LASERREDV4",       "A0008.BAI", ShotSheet,   3,  15, 300},
    AssetRow{"IMG_SHOT_LASERLINE",        "A0031.BAI", ShotSheet,   2,  10, 300},
    AssetRow{"IMG_SHOT_LASERREDSUPER",    "A0032.BAI", ShotSheet,   2,  64, 280},

    // Effect, coin and box catalogues.
    AssetRow{"IMG_EXPLOSION_EXPLOSIONV1", "O0050.BAI", EffectSheet, 5,  71,  71},
    AssetRow{"IMG_EXPLOSION_EXPLOSIONV2", "O0051.BAI", EffectSheet, 3,  23,  26},
    AssetRow{"IMG_ITEM_COINV1",           "I0002.BAI", CoinSheet,   7,  16,  16},
    AssetRow{"IMG_ITEM_COINV2",           "I0003.BAI", CoinSheet,   7,  16,  16},
    AssetRow{"IMG_ITEM_COINV3",           "I0004.BAI", CoinSheet,   7,  31,  31},
    AssetRow{"IMG_ITEM_COINV4",           "I0005.BAI", CoinSheet,   7,  31,  31},
    AssetRow{"IMG_ITEM_BOX",              "I0001.BAI", BoxSheet,   10,  37,  27},

    // Pictures loaded at start-up: keyboard, logos, panel, bar, speaker icons, captions.
    AssetRow{"IMG_KEYBOARD",       "O0023.BAI", Picture,      1, 217,  43},
    AssetRow{"IMG_LOGOORVEL",      "O0024.BAI", Picture,      1, 218,  80},
    AssetRow{"IMG_LOGOWWW",        "O0027.BAI", Picture,      1, 232,  16},
    AssetRow{"IMG_PANEL",          "O0028.BAI", KeyedPicture, 1, 240,  22},
    AssetRow{"IMG_BARHP",          "O0003.BAI", Picture,      1,  99,   7},
    AssetRow{"IMG_SPEAKERON",      "O0031.BAI", KeyedPicture, 1,  21,  21},
    AssetRow{"IMG_SPEAKEROFF",     "O0030.BAI", KeyedPicture, 1,  21,  21},
    // The window's icon on the desktop (icon 144).
    AssetRow{"IMG_ICON",           "O0144.BAI", KeyedPicture, 1,  48,  48},
    AssetRow{"IMG_TXTWARNING",     "O0049.BAI", KeyedPicture, 1, 192,  40},
    AssetRow{"IMG_TXTGAMEOVER",    "O0036.BAI", KeyedPicture, 1, 226,  38},
    AssetRow{"IMG_TXTSTAGECLEAR",  "O0047.BAI", KeyedPicture, 1, 184,  48},
    AssetRow{"IMG_TXTCONTINUE",    "O0035.BAI", KeyedPicture, 1, 126,  31},
    AssetRow{"IMG_TXTPAUSE",       "O0043.BAI", KeyedPicture, 1, 176,  44},
    AssetRow{"IMG_TXTGIVEUP",      "O0037.BAI", KeyedPicture, 1, 107,  29},
    AssetRow{"IMG_TXTOR",          "O0042.BAI", KeyedPicture, 1,  40,  22},
    AssetRow{"IMG_TXTRESUME",      "O0046.BAI", KeyedPicture, 1, 127,  31},

    // The logo, prologue, story and menu screens.
    AssetRow{"IMG_LOGOORVEL1",     "O0025.BAI", Picture,          1, 240, 300},
    AssetRow{"IMG_LOGOORVEL2",     "O0026.BAI", Picture,          1, 240, 320},
    AssetRow{"IMG_BGPROLOGUE",     "O0006.BAI", KeyedTextPicture, 1, 240, prologueText(540)},
    AssetRow{"IMG_PROLOG",         "O0029.BAI", Picture,          1, 240, 180},
    AssetRow{"IMG_BGSTORY",        "O0017.BAI", TextPicture,      1, 240, storyText(508)},
    AssetRow{"IMG_MAINMENU",       "O0048.BAI", Picture,          1, 240, 320},

    // Stage intro pictures and the stages' opening and closing texts.
    AssetRow{"IMG_INTRO_ST1",      "O0052.BAI", Picture,     1, 240, 180},
    AssetRow{"IMG_INTRO_ST2",      "O0053.BAI", Picture,     1, 240, 180},
    AssetRow{"IMG_INTRO_ST3",      "O0054.BAI", Picture,     1, 240, 180},
    AssetRow{"IMG_INTRO_ST4",      "O0055.BAI", Picture,     1, 240, 180},
    AssetRow{"IMG_INTRO_ST5",      "O0056.BAI", Picture,     1, 240, 180},
    AssetRow{"IMG_INTRO_ST6",      "O0057.BAI", Picture,     1, 240, 180},
    AssetRow{"IMG_INTRO_ST7",      "O0058.BAI", Picture,     1, 240, 180},
    AssetRow{"IMG_INTRO_ST8",      "O0059.BAI", Picture,     1, 240, 180},
    AssetRow{"IMG_BGOPEN1",        "O0009.BAI", TextPicture, 1, 240, storyText(187)},
    AssetRow{"IMG_BGOPEN2",        "O0010.BAI", TextPicture, 1, 240, storyText(157)},
    AssetRow{"IMG_BGOPEN3",        "O0011.BAI", TextPicture, 1, 240, storyText(215)},
    AssetRow{"IMG_BGOPEN4",        "O0012.BAI", TextPicture, 1, 240, storyText(444)},
    AssetRow{"IMG_BGOPEN5",        "O0013.BAI", TextPicture, 1, 240, storyText(214)},
    AssetRow{"IMG_BGOPEN6",        "O0014.BAI", TextPicture, 1, 240, storyText(415)},
    AssetRow{"IMG_BGOPEN7",        "O0015.BAI", TextPicture, 1, 240, storyText(201)},
    AssetRow{"IMG_BGOPEN8",        "O0016.BAI", TextPicture, 1, 240, storyText(186)},
    AssetRow{"IMG_BGEND1",         "O0068.BAI", TextPicture, 1, 240, storyText(101)},
    AssetRow{"IMG_BGEND2",         "O0069.BAI", TextPicture, 1, 240, storyText(85)},
    AssetRow{"IMG_BGEND3",         "O0070.BAI", TextPicture, 1, 240, storyText(114)},
    AssetRow{"IMG_BGEND4",         "O0007.BAI", TextPicture, 1, 240, storyText(155)},
    AssetRow{"IMG_BGEND5",         "O0008.BAI", TextPicture, 1, 240, storyText(83)},
    AssetRow{"IMG_BGEND6",         "O0071.BAI", TextPicture, 1, 240, storyText(55)},
    AssetRow{"IMG_BGEND7",         "O0072.BAI", TextPicture, 1, 240, storyText(142)},
    AssetRow{"IMG_BGEND8",         "O0073.BAI", TextPicture, 1, 240, storyText(100)},

    // Stage ending pictures.
    AssetRow{"IMG_END_REDPHOENIX",  "O0060.BAI", Picture, 1, 240, 180},
    AssetRow{"IMG_END_REDPHOENIXV", "O0061.BAI", Picture, 1, 240, 180},
    AssetRow{"IMG_END_REDPHOENIXX", "O0062.BAI", Picture, 1, 240, 180},
    AssetRow{"IMG_END_ST4",         "O0063.BAI", Picture, 1, 240, 180},

    // Help, credit and high score screens.
    AssetRow{"IMG_BGHELP",         "O0018.BAI", Picture,      1, 240, 285},
    AssetRow{"IMG_HELPTITLE",      "O0020.BAI", Picture,      1, 240,  35},
    AssetRow{"IMG_BTNPANEL",       "O0067.BAI", KeyedPicture, 1, 208,  64},
    AssetRow{"IMG_BTNPREV",        "O0004.BAI", KeyedPicture, 1,  72,  22},
    AssetRow{"IMG_BTNNEXT",        "O0005.BAI", KeyedPicture, 1,  72,  22},
    AssetRow{"IMG_COINGOLD",       "O0001.BAI", KeyedPicture, 1,  31,  31},
    AssetRow{"IMG_COINSILVER",     "O0002.BAI", KeyedPicture, 1,  31,  31},
    AssetRow{"IMG_BOX",            "O0019.BAI", KeyedPicture, 1,  37,  27},
    AssetRow{"IMG_CREDITTITLE",    "O0022.BAI", Picture,      1, 240,  35},
    AssetRow{"IMG_HSCORETITLE",    "O0021.BAI", Picture,      1, 240,  35},

    // Upgrade shop pictures.
    AssetRow{"IMG_SHOP_UPSHOPA",   "O0064.BAI", Picture, 1, 240, 320},
    AssetRow{"IMG_SHOP_UPSHOPV",   "O0065.BAI", Picture, 1, 240, 320},
    AssetRow{"IMG_SHOP_UPSHOPX",   "O0066.BAI", Picture, 1, 240, 320},

    // Stage backgrounds.
    AssetRow{"IMG_BG_EARTH",       "B0001.BAI", Background, 1, kBackgroundWidth, kBackgroundHeight},
    AssetRow{"IMG_BG_SPACE",       "B0007.BAI", Background, 1, kBackgroundWidth, kBackgroundHeight},
    AssetRow{"IMG_BG_MARS",        "B0003.BAI", Background, 1, kBackgroundWidth, kBackgroundHeight},
    AssetRow{"IMG_BG_JUPITER",     "B0002.BAI", Background, 1, kBackgroundWidth, kBackgroundHeight},
    AssetRow{"IMG_BG_SATURNUS",    "B0006.BAI", Background, 1, kBackgroundWidth, kBackgroundHeight},
    AssetRow{"IMG_BG_URANUS",      "B0008.BAI", Background, 1, kBackgroundWidth, kBackgroundHeight},
    AssetRow{"IMG_BG_NEPTUNUS",    "B0004.BAI", Background, 1, kBackgroundWidth, kBackgroundHeight},
    AssetRow{"IMG_BG_PLUTO",       "B0005.BAI", Background, 1, kBackgroundWidth, kBackgroundHeight},

    // Sound effects.
    AssetRow{"WAV_EXPLOSION",      "W0001.BAS", Sound,       1, 0, 0},
    AssetRow{"WAV_MACHGUN",        "W0003.BAS", LoopedSound, 1, 0, 0},
    AssetRow{"WAV_LASER",          "W0002.BAS", Sound,       1, 0, 0},
    AssetRow{"WAV_SPGUN",          "W0020.BAS", LoopedSound, 1, 0, 0},

    // Stage music, in the stages' playlists.
    AssetRow{"WAV_MUSIC04",        "W0004.BAS", Music, 1, 0, 0},
    AssetRow{"WAV_MUSIC05",        "W0005.BAS", Music, 1, 0, 0},
    AssetRow{"WAV_MUSIC06",        "W0006.BAS", Music, 1, 0, 0},
    AssetRow{"WAV_MUSIC07",        "W0007.BAS", Music, 1, 0, 0},
    AssetRow{"WAV_MUSIC08",        "W0008.BAS", Music, 1, 0, 0},
    AssetRow{"WAV_MUSIC09",        "W0009.BAS", Music, 1, 0, 0},
    AssetRow{"WAV_MUSIC10",        "W0010.BAS", Music, 1, 0, 0},
    AssetRow{"WAV_MUSIC11",        "W0011.BAS", Music, 1, 0, 0},
    AssetRow{"WAV_MUSIC12",        "W0012.BAS", Music, 1, 0, 0},
    AssetRow{"WAV_MUSIC13",        "W0013.BAS", Music, 1, 0, 0},
    AssetRow{"WAV_MUSIC14",        "W0014.BAS", Music, 1, 0, 0},
    AssetRow{"WAV_MUSIC15",        "W0015.BAS", Music, 1, 0, 0},
    AssetRow{"WAV_MUSIC16",        "W0016.BAS", Music, 1, 0, 0},
    AssetRow{"WAV_MUSIC17",        "W0017.BAS", Music, 1, 0, 0},
    AssetRow{"WAV_MUSIC18",        "W0018.BAS", Music, 1, 0, 0},
    AssetRow{"WAV_MUSIC19",        "W0019.BAS", Music, 1, 0, 0},
};
// clang-format on

constexpr bool isSheet(AssetKind kind) {
    return kind == CraftSheet || kind == PartSheet || kind == ShotSheet || kind == BeamHeadSheet ||
           kind == BeamBodySheet || kind == EffectSheet || kind == CoinSheet || kind == BoxSheet;
}

constexpr bool isSound(AssetKind kind) {
    return kind == Sound || kind == LoopedSound || kind == Music;
}

// Pictures whose blue pixels are left out when drawn.
constexpr bool isKeyed(AssetKind kind) {
    return isSheet(kind) || kind == KeyedPicture || kind == KeyedTextPicture;
}

}  // namespace cindervane::assetgen
