// The recorder writes a script the script reader takes back whole: header, input and
// checks. (Header and check lines that cannot be meant are in the script reader's test.)
#include "platform/script_recorder.h"

#include <gtest/gtest.h>

#include <fstream>

#include "../test_folder.h"
#include "platform/keys.h"

namespace cindervane::platform {
namespace {

using Kind = ScriptEvent::Kind;

StateHash someHash(std::uint64_t seed) {
    return StateHash{seed * 0x9E3779B97F4A7C15ull, {{"game", seed}, {"ship", ~seed}}};
}

bool parseFile(const std::filesystem::path& path, std::vector<ScriptEvent>& events,
               ScriptHeader& header, std::string& error) {
    std::ifstream in(path);
    return parseScript(in, events, error, &header);
}

TEST(ScriptRecorder, WritesAScriptTheReaderTakesBackWhole) {
    TestFolder folder;
    const auto path = folder.path() / "rec.txt";
    std::string error;
    auto recorder = ScriptRecorder::open(path, error);
    ASSERT_TRUE(recorder) << error;
    recorder->header(ScriptHeader{4000000000u, 5, {{1200, u"BOT"}, {7, u"a b"}, {0, u""}}});
    recorder->stylus(0, Kind::Down, 10, 20);
    recorder->key(0, true, 4);
    recorder->key(0, false, 9);
    recorder->stylus(3, Kind::Move, 11, 21);
    recorder->stylus(3, Kind::Move, 11, 21);  // repeats the move: left out
    recorder->stylus(4, Kind::Move, 11, 21);  // a frame later it steers again: kept
    recorder->stylus(4, Kind::Up, 11, 21);
    recorder->check(300, someHash(1));
    recorder->check(300, someHash(1));  // the same check again: left out
    recorder->finish(310, someHash(2));
    recorder->stylus(311, Kind::Down, 1, 1);  // after the end: nothing

    std::vector<ScriptEvent> events;
    ScriptHeader header;
    ASSERT_TRUE(parseFile(path, events, header, error)) << error;
    EXPECT_EQ(header.seed, 4000000000u);
    EXPECT_EQ(header.stage, 5);
    ASSERT_EQ(header.highScores.size(), 3u);
    EXPECT_EQ(header.highScores[0].score, 1200);
    EXPECT_EQ(header.highScores[0].nick, u"BOT");
    EXPECT_EQ(header.highScores[1].nick, u"a b");  // the space survives as an escape
    EXPECT_EQ(header.highScores[2].nick, u"");

    ASSERT_EQ(events.size(), 9u);
    const Kind kinds[] = {Kind::Down, Kind::KeyDown, Kind::KeyUp, Kind::Move, Kind::Move,
                          Kind::Up,   Kind::Check,   Kind::Check, Kind::Quit};
    const long long frames[] = {0, 0, 0, 3, 4, 4, 300, 310, 310};
    for (std::size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].kind, kinds[i]) << i;
        EXPECT_EQ(events[i].frame, frames[i]) << i;
    }
    EXPECT_EQ(events[1].keyCode, defaultKeyList().vkA);
    EXPECT_EQ(events[2].keyCode, VK_EXTRA2);
    EXPECT_EQ(events[3].x, 11);
    EXPECT_EQ(events[3].y, 21);
    EXPECT_EQ(events[6].hash.whole, someHash(1).whole);
    EXPECT_EQ(events[7].hash.parts, someHash(2).parts);
}

TEST(ScriptRecorder, AFileThatCannotBeMadeIsReported) {
    std::string error;
    EXPECT_FALSE(ScriptRecorder::open("/nonexistent-folder/rec.txt", error));
    EXPECT_NE(error.find("/nonexistent-folder/rec.txt"), std::string::npos) << error;
}

}  // namespace
}  // namespace cindervane::platform
