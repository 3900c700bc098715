// What the game writes into a state dump about its sounds and its music (the high scores in
// a dump are checked through the program, by the replay tests).
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "../bas_file.h"
#include "../test_folder.h"
#include "game/cindervane_game.h"
#include "platform/headless_platform.h"

namespace cindervane {
namespace {

TEST(StateDump, ReportsEveryClipAndTheMusicEntry) {
    TestFolder folder;
    platform::HeadlessPlatform host({}, {});
    CindervaneGame game(host);
    GameState& state = game.state();

    nlohmann::json before;
    game.reportState(before);
    EXPECT_EQ(before["soundOn"], true);
    EXPECT_EQ(before["sounds"]["effects"].size(), 4u);
    EXPECT_TRUE(before["sounds"]["effects"][0].is_null());  // no clip made yet

    writeBasFile(folder.path() / "W0003.BAS", 11025);
    state.run.soundEffects[1] = std::make_unique<SoundClip>(host.waveOutput());
    ASSERT_TRUE(state.run.soundEffects[1]->load(folder.path() / "W0003.BAS"));
    state.run.soundEffects[1]->setRepeatLimit(100);
    state.run.soundEffects[1]->play(true);
    state.run.musicPlayers[2] = std::make_unique<SoundClip>(host.waveOutput());
    state.field.currentMusicEntry = 4;
    state.run.soundOn = false;

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
}

}  // namespace
}  // namespace cindervane
