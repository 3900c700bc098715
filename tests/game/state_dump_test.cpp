// What the game writes into a state dump about its sounds, its music and the high scores.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "../bas_file.h"
#include "../test_folder.h"
#include "game/cindervane_game.h"
#include "platform/headless_platform.h"

namespace cindervane {
namespace {

TEST(StateDump, ReportsEveryClipTheMusicEntryAndTheHighScores) {
    TestFolder folder;
    platform::HeadlessPlatform host({}, {});
    CindervaneGame game(host);
    GameState& state = game.state();

    nlohmann::json before;
    game.reportState(before);
    EXPECT_EQ(before["soundOn"], true);
    EXPECT_EQ(before["sounds"]["effects"].size(), 4u);
    EXPECT_TRUE(before["sounds"]["effects"][0].is_null());  // no clip made yet
    EXPECT_FALSE(before.contains("highScores"));

    writeBasFile(folder.path() / "W0003.BAS", 11025);
    state.run.soundEffects[1] = std::make_unique<SoundClip>(host.waveOutput());
    ASSERT_TRUE(state.run.soundEffects[1]->load(folder.path() / "W0003.BAS"));
    state.run.soundEffects[1]->setRepeatLimit(100);
    state.run.soundEffects[1]->play(true);
    state.run.musicPlayers[2] = std::make_unique<SoundClip>(host.waveOutput());
    state.field.currentMusicEntry = 4;
    state.run.soundOn = false;
    state.scores.highScores = std::make_unique<HighScoreTable>();
    state.scores.highScores->entries[0].nick = {u'A', u'C', u'E', 0};
    state.scores.highScores->entries[0].score = 4200;

    nlohmann::json dump;
    game.reportState(dump);
    EXPECT_EQ(dump["soundOn"], false);
    EXPECT_EQ(dump["currentMusicEntry"], 4);
    const nlohmann::json gun = dump["sounds"]["effects"][1];
    EXPECT_EQ(gun["playing"], true);
    EXPECT_EQ(gun["looping"], true);
    EXPECT_EQ(gun["plays"], 1);
    EXPECT_EQ(gun["repeatLimit"], 100);
    EXPECT_EQ(gun["file"], "W0003.BAS");
    EXPECT_EQ(dump["sounds"]["music"][2]["file"], "");
    EXPECT_EQ(dump["sounds"]["music"][2]["playing"], false);
    ASSERT_EQ(dump["highScores"].size(), 10u);
    EXPECT_EQ(dump["highScores"][0], (nlohmann::json{{"nick", "ACE"}, {"score", 4200}}));
    EXPECT_EQ(dump["highScores"][9], (nlohmann::json{{"nick", ""}, {"score", 0}}));
}

}  // namespace
}  // namespace cindervane
