// The stage music sequencer over playlists of its own, on the headless platform's silent
// devices and virtual clock, and stopping every sound at once.
#include "stage/stage_music.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../bas_file.h"
#include "../gamelibrary/recording_game.h"
#include "../test_folder.h"
#include "platform/headless_platform.h"
#include "stage/game_state.h"

namespace cindervane {
namespace {

platform::PlatformOptions optionsWithAssets(const std::filesystem::path& folder) {
    platform::PlatformOptions options;
    options.assetDirectory = folder;
    return options;
}

// A game state in play with its three music players, the pieces written as sounds of about
// 100 ms (three or four frames), and frames run as the shell runs them.
struct MusicRun {
    TestFolder assets;
    platform::HeadlessPlatform host{optionsWithAssets(assets.path()), {}};
    RecordingGame callbacks{host};
    GameApp app{host, callbacks, "CindervaneTest"};
    GameState state;
    std::int32_t frameCounter = 0;

    MusicRun() {
        for (const char* name : {"W0004.BAS", "W0005.BAS", "W0006.BAS"})
            writeBasFile(assets.path() / name, 1103);
        state.run.app = &app;
        state.flow.screen = GameScreen::Play;
        for (auto& player : state.run.musicPlayers)
            player = std::make_unique<SoundClip>(host.waveOutput());
    }

    void setPlaylist(std::initializer_list<MusicEntry> entries) {
        state.field.musicEntryCount = static_cast<std::int32_t>(entries.size());
        std::size_t i = 0;
        for (const MusicEntry& entry : entries)
            state.field.musicPlaylist[i++] = entry;
    }

    void frame() {
        host.waitForMessageOrTick(true, host.tickCount() + 32);
        platform::Message message;
        while (host.peekMessage(message)) {
        }
        updateStageMusic(state, ++frameCounter);
    }

    const SoundClip& player(int index) const {
        return *state.run.musicPlayers[static_cast<std::size_t>(index)];
    }
    int playingCount() const {
        int count = 0;
        for (const auto& player : state.run.musicPlayers)
            count += player->isPlaying() ? 1 : 0;
        return count;
    }
};

TEST(StageMusic, PlaysEachPieceItsCountThenLoopsWithTheNextPieceLoadedAhead) {
    MusicRun run;
    run.setPlaylist(
        {{2, 0, 1, 100, "W0004.BAS"}, {3, 1, 2, 100, "W0005.BAS"}, {2, 2, 0, 100, "W0006.BAS"}});
    std::vector<std::string> passes;
    for (int frame = 0; frame < 120 && passes.size() < 10; ++frame) {
        run.frame();
        ASSERT_EQ(run.playingCount(), 1) << "frame " << run.frameCounter;
        const MusicEntry& current =
            run.state.field.musicPlaylist[run.state.field.currentMusicEntry];
        const SoundClip& playing = run.player(current.player);
        ASSERT_TRUE(playing.isPlaying());
        const std::string pass = playing.fileName() + " #" + std::to_string(playing.plays());
        if (!passes.empty() && passes.back() == pass) continue;
        passes.push_back(pass);
        // The piece that follows is ready in its own player before its turn.
        const MusicEntry& next = run.state.field.musicPlaylist[current.next];
        EXPECT_EQ(run.player(next.player).fileName(), next.fileName) << pass;
    }
    const std::vector<std::string> expected = {
        "W0004.BAS #1", "W0004.BAS #2", "W0005.BAS #1", "W0005.BAS #2", "W0005.BAS #3",
        "W0006.BAS #1", "W0006.BAS #2", "W0004.BAS #1", "W0004.BAS #2", "W0005.BAS #1"};
    EXPECT_EQ(passes, expected);
    EXPECT_TRUE(run.host.messageBoxes().empty());
}

TEST(StageMusic, WithTheSoundOffTheFirstPieceWaitsAndTurningItOnStartsTheNext) {
    MusicRun run;
    run.setPlaylist(
        {{1, 0, 1, 100, "W0004.BAS"}, {1, 1, 2, 100, "W0005.BAS"}, {1, 2, 0, 100, "W0006.BAS"}});
    run.state.run.soundOn = false;
    for (int i = 0; i < 10; ++i)
        run.frame();
    EXPECT_EQ(run.player(0).fileName(), "W0004.BAS");  // loaded, never played
    EXPECT_EQ(run.player(1).fileName(), "W0005.BAS");
    EXPECT_EQ(run.playingCount(), 0);
    EXPECT_EQ(run.state.field.currentMusicEntry, 0);

    run.state.run.soundOn = true;
    run.frame();
    EXPECT_TRUE(run.player(1).isPlaying());
    EXPECT_EQ(run.state.field.currentMusicEntry, 1);
    EXPECT_EQ(run.player(2).fileName(), "W0006.BAS");
}

TEST(StageMusic, ASinglePiecePlaysItsCountAndThenTheMusicStaysSilent) {
    MusicRun run;
    run.setPlaylist({{2, 0, 0, 100, "W0004.BAS"}});
    int framesPlaying = 0;
    for (int i = 0; i < 30; ++i) {
        run.frame();
        framesPlaying += run.playingCount();
    }
    EXPECT_GE(framesPlaying, 6);  // two passes of about 100 ms
    EXPECT_LE(framesPlaying, 7);
    EXPECT_EQ(run.playingCount(), 0);
}

TEST(StageMusic, APieceThatCannotBeLoadedIsAFatalError) {
    MusicRun run;
    run.setPlaylist({{1, 0, 1, 100, "W0099.BAS"}, {1, 1, 0, 100, "W0005.BAS"}});
    run.frame();
    ASSERT_EQ(run.host.messageBoxes().size(), 1u);
    EXPECT_EQ(run.host.messageBoxes()[0].caption, "Fatal Error");
    EXPECT_EQ(run.host.messageBoxes()[0].text, "Error Load Sound Background");
    EXPECT_EQ(run.player(1).fileName(), "W0005.BAS");  // the sequencer carried on
}

TEST(StageMusic, StopAllSoundsSilencesEffectsAndMusicUntilPlayGoesOn) {
    MusicRun run;
    writeBasFile(run.assets.path() / "W0001.BAS", 11025);
    for (auto& effect : run.state.run.soundEffects) {
        effect = std::make_unique<SoundClip>(run.host.waveOutput());
        ASSERT_TRUE(effect->load(run.assets.path() / "W0001.BAS"));
        effect->setRepeatLimit(100);
        effect->play(true);
    }
    run.setPlaylist({{5, 0, 1, 100, "W0004.BAS"}, {1, 1, 0, 100, "W0005.BAS"}});
    run.frame();
    ASSERT_EQ(run.playingCount(), 1);
    stopAllSounds(run.state.run);
    EXPECT_EQ(run.playingCount(), 0);
    for (const auto& effect : run.state.run.soundEffects)
        EXPECT_FALSE(effect->isPlaying());
    // Off the play screen the sequencer does nothing; back in play it starts the music again.
    run.state.flow.screen = GameScreen::Pause;
    run.frame();
    EXPECT_EQ(run.playingCount(), 0);
    run.state.flow.screen = GameScreen::Play;
    run.frame();
    EXPECT_EQ(run.playingCount(), 1);
}

}  // namespace
}  // namespace cindervane
