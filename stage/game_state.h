// The one record of the game: everything the game knows, owned by the game and handed to
// the code that needs it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/game_screen.h"
#include "core/high_score_table.h"
#include "core/music_entry.h"
#include "core/object_list.h"
#include "core/pickup_label.h"
#include "core/sheet_catalogue.h"
#include "core/shop_row.h"
#include "core/spawn_entry.h"
#include "enemies/enemy.h"
#include "gamelibrary/random_generator.h"
#include "gamelibrary/sound_clip.h"
#include "gamelibrary/sprite.h"
#include "gamelibrary/sprite_sheet.h"
#include "gamelibrary/surface.h"
#include "platform/draw/brush.h"
#include "platform/draw/font.h"
#include "play/play_observer.h"
#include "play/player_ship.h"
#include "stage/drawn_effects.h"

namespace cindervane {

class GameApp;

constexpr int kFontCount = 5;
constexpr int kBrushCount = 6;
constexpr int kCaptionCount = 8;
constexpr int kPickupLabelCount = 9;

// The eight captions drawn over play and the pause and game over screens.
enum CaptionIndex {
    kCaptionWarning = 0,
    kCaptionGameOver = 1,
    kCaptionStageClear = 2,
    kCaptionPause = 3,
    kCaptionGiveUp = 4,
    kCaptionContinue = 5,
    kCaptionOr = 6,
    kCaptionResume = 7,
};

// The six brushes made at start-up.
enum BrushIndex {
    kBrushBlack = 0,
    kBrushWhite = 1,
    kBrushBlue = 2,
    kBrushPaleMint = 3,
    kBrushYellow = 4,
    kBrushRed = 5,
};

// What the whole run keeps, made at start-up and released at shutdown: the application
// shell, the source of chance, the back buffer, fonts, brushes and the pictures used
// everywhere, the sounds and the sound switch, and the sprite catalogues.
struct RunResources {
    // The application shell the game runs in: fatal errors, closing, paths.
    GameApp* app = nullptr;

    // A watcher of play for statistics, or none; the game tells it of hits and never reads
    // anything from it.
    PlayObserver* observer = nullptr;

    // The game's one source of chance, seeded at start-up.
    RandomGenerator random;

    // The back buffer every frame is drawn into before it is copied to the window, and its
    // drawing context: the target of every other picture and of all text.
    std::unique_ptr<Surface> backBuffer;
    platform::DeviceContext* backDC = nullptr;

    // Fonts and brushes made at start-up.
    std::array<std::unique_ptr<platform::Font>, kFontCount> fonts;
    std::array<std::optional<platform::Brush>, kBrushCount> brushes;

    // Pictures loaded at start-up and kept for the whole run.
    std::unique_ptr<Surface> keyboardImage;
    std::unique_ptr<Surface> logoImage;
    std::unique_ptr<Surface> logoWwwImage;
    std::unique_ptr<Surface> panelImage;
    std::unique_ptr<Surface> hpBarImage;
    std::unique_ptr<Surface> speakerOnImage;
    std::unique_ptr<Surface> speakerOffImage;
    std::array<std::unique_ptr<Sprite>, kCaptionCount> captions;

    // The sound switch on the play screen: whether sounds are started at all.
    bool soundOn = true;
    // Explosion, machine gun, laser and special gun, loaded at start-up.
    std::array<std::unique_ptr<SoundClip>, kSoundEffectCount> soundEffects;
    // The players the stage music sequencer loads and plays in turn.
    std::array<std::unique_ptr<SoundClip>, kMusicPlayerCount> musicPlayers;

    // Every catalogue's sheets: made once at start-up and kept for the whole run.
    std::vector<std::unique_ptr<SpriteSheet>> catalogueSheets;
    // The sprite catalogues, filled at start-up, in which play objects find their sheets
    // by id.
    SheetCatalogue craftSheets;
    SheetCatalogue projectileSheets;
    SheetCatalogue effectSheets;
    SheetCatalogue coinSheets;
    SheetCatalogue boxSheets;
    SheetCatalogue partSheets;
};

// The screen machine: the current screen, its counters, the scrolling window, the pictures
// of single screens, and the counters the head-up display shows over play.
struct ScreenFlow {
    GameScreen screen = GameScreen::Logo;
    std::int32_t frameCounter = 0;
    std::int32_t gameOverCounter = 0;
    std::int32_t continuesUsed = 0;
    std::int32_t stageNumber = 1;
    // Taps on the hidden corner of the play screen that refill the ship.
    std::int32_t refillTaps = 0;

    // The scrolling window of the text screens, and of the stage background during play.
    std::int32_t scrollX = 0;
    std::int32_t scrollY = 0;
    std::int32_t scrollWrap = 0;
    std::int32_t scrollSpeed = 1;

    // Pictures of single screens, loaded when the screen is entered.
    std::unique_ptr<Surface> backgroundImage;
    std::unique_ptr<Surface> introImage;
    std::unique_ptr<Surface> endImage;
    std::unique_ptr<Surface> shopImage;
    std::unique_ptr<Surface> helpBackground;
    std::unique_ptr<Surface> helpTitleImage;
    std::unique_ptr<Surface> buttonPanelImage;
    std::unique_ptr<Surface> prevButtonImage;
    std::unique_ptr<Surface> nextButtonImage;
    std::unique_ptr<Surface> goldCoinImage;
    std::unique_ptr<Surface> silverCoinImage;
    std::unique_ptr<Surface> itemBoxImage;
    std::unique_ptr<Surface> creditTitleImage;
    std::unique_ptr<Surface> highScoreTitleImage;

    // The pickup labels, placed at start-up; the label of the item picked up last, and the
    // frames it still shows.
    std::array<PickupLabel, kPickupLabelCount> pickupLabels{};
    std::int32_t pickupIndex = 0;
    std::int32_t pickupTimer = 0;
    // Frames the boss warning still shows.
    std::int32_t bossWarning = 0;
};

// The stage being played: the ship, the enemies, the timetable, the music and the outcome.
struct FieldState {
    // The player ship of the stage being played: built when the stage starts, none before.
    std::unique_ptr<PlayerShip> ship;
    // Every enemy of the stage in the order it came on; the list owns them.
    ObjectList<Enemy> enemies;

    // Seen only: the falls of bosses and the ship and the bosses' wind-ups, drawn over the
    // play field. Play never reads it, and neither the dump nor the state's hash includes it.
    DrawnEffects drawnEffects;

    // The stage's timetable: rows 0 to spawnCount - 1 are valid, written by the stage
    // loader. spawnCursor is the row the spawn walk is looking at.
    std::array<SpawnEntry, kSpawnTableSize> spawnTable{};
    std::int32_t spawnCount = 0;
    std::int32_t spawnCursor = 0;
    // The enemy of each timetable row, built when the stage starts so that the spawn step
    // takes it from here instead of asking the heap during play; empty once taken.
    std::array<std::unique_ptr<ObjectList<Enemy>::Node>, kSpawnTableSize> enemyPool;

    // The stage's playlist: musicEntryCount entries in use, currentMusicEntry playing.
    std::array<MusicEntry, kMusicPlaylistLength> musicPlaylist{};
    std::int32_t musicEntryCount = 0;
    std::int32_t currentMusicEntry = 0;

    // The outcome: the ship is lost, or the stage's boss is destroyed.
    bool playerDown = false;
    bool stageCleared = false;
};

// What a game earns and spends, and the table of the best games.
struct ShopAndScores {
    std::int32_t score = 0;
    std::int32_t money = 0;
    // The upgrade levels carried from one stage's ship to the next.
    std::array<ShopRow, kShopRowCount> shopRows{};
    // The nick being typed on the nick entry screen: up to three characters.
    std::u16string nick;
    // The ten best scores, read from the file at start-up and written back at shutdown.
    std::unique_ptr<HighScoreTable> highScores;
};

// The one record of the game, in four parts by concern, so that a function handed only a
// part shows by its signature what it touches.
struct GameState {
    RunResources run;
    ScreenFlow flow;
    FieldState field;
    ShopAndScores scores;
};

}  // namespace cindervane
