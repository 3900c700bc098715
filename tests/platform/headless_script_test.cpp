// The headless input script: what a line means and how a bad line (event, header or check)
// is reported.
#include "platform/headless_script.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/keys.h"

namespace cindervane::platform {
namespace {

bool parse(const std::string& text, std::vector<ScriptEvent>& events, std::string& error) {
    std::istringstream in(text);
    ScriptHeader header;
    return parseScript(in, events, error, &header);
}

TEST(HeadlessScript, ReadsEveryKindOfLine) {
    std::vector<ScriptEvent> events;
    std::string error;
    ASSERT_TRUE(
        parse("# a comment\n"
              "0 tap 10 20\n"
              "\n"
              "1 down 0 0   # trailing comment\n"
              "2 move 239 319\n"
              "3 up 5 6\n"
              "4 press a\n"
              "5 keydown x1\n"
              "6 keyup x2\n"
              "7 screenshot shot.png\n"
              "8 dump out.json\n"
              "9 quit\n",
              events, error))
        << error;
    ASSERT_EQ(events.size(), 10u);
    EXPECT_EQ(events[0].kind, ScriptEvent::Kind::Tap);
    EXPECT_EQ(events[0].x, 10);
    EXPECT_EQ(events[0].y, 20);
    EXPECT_EQ(events[0].line, 2);
    EXPECT_EQ(events[2].x, 239);
    EXPECT_EQ(events[2].y, 319);
    EXPECT_EQ(events[4].keyCode, defaultKeyList().vkA);
    EXPECT_EQ(events[5].keyCode, 0xC0);
    EXPECT_EQ(events[6].keyCode, 0xC1);
    EXPECT_EQ(events[7].file, "shot.png");
    EXPECT_EQ(events[8].kind, ScriptEvent::Kind::Dump);
    EXPECT_EQ(events[9].frame, 9);
}

TEST(HeadlessScript, KeepsFileOrderWithinAFrameAndSortsByFrame) {
    std::vector<ScriptEvent> events;
    std::string error;
    ASSERT_TRUE(parse("5 dump b.json\n2 press c\n5 tap 1 1\n5 dump a.json\n", events, error));
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].frame, 2);
    EXPECT_EQ(events[1].file, "b.json");
    EXPECT_EQ(events[2].kind, ScriptEvent::Kind::Tap);
    EXPECT_EQ(events[3].file, "a.json");
}

TEST(HeadlessScript, ReportsTheLineNumberOfAMalformedLine) {
    std::string ten;  // ten high scores are a whole table; an eleventh is one too many
    for (int i = 0; i < 10; ++i)
        ten += "highscore 1\n";
    const std::pair<std::string, const char*> cases[] = {
        {"0 tap 1 1\n\n# ok\nx tap 1 1\n", "line 4:"},
        {"0 jump 1 1\n", "line 1: unknown event 'jump'"},
        {"0 tap 1\n", "line 1:"},
        {"0 tap 1 y\n", "line 1:"},
        {"0 tap 240 0\n", "line 1:"},
        {"0 tap 0 320\n", "line 1:"},
        {"0 tap -1 0\n", "line 1:"},
        {"-3 quit\n", "line 1:"},
        {"0 press q\n", "line 1: unknown key 'q'"},
        {"0 dump\n", "line 1:"},
        {"0 quit now\n", "line 1:"},
        {"7\n", "line 1:"},
        // The recorder's header and check lines.
        {"seed 1\nseed 1\n", "line 2: seed needs"},
        {"seed -1\n", "line 1: seed needs"},
        {"seed 4294967296\n", "line 1: seed needs"},
        {"stage 9\n", "line 1: stage needs"},
        {"stage\n", "line 1: stage needs"},
        {"highscore 5 ABCD\n", "line 1: highscore needs"},
        {"highscore 5 A\\u00\n", "line 1: highscore needs"},
        {"highscore x\n", "line 1: highscore needs"},
        {ten + "highscore 1\n", "line 11: highscore needs"},
        {"1 tap 3 4\nseed 5\n", "line 2: header lines come before the first event"},
        {"1 check\n", "line 1: check needs"},
        {"1 check 12345678901234567\n", "line 1: check needs"},
        {"1 check 00ff ship\n", "line 1: check needs"},
        {"1 check 00ff ship=xyz\n", "line 1: check needs"},
    };
    for (const auto& [text, expected] : cases) {
        std::vector<ScriptEvent> events;
        std::string error;
        EXPECT_FALSE(parse(text, events, error)) << text;
        EXPECT_EQ(error.rfind(expected, 0), 0u) << text << " gave: " << error;
        EXPECT_TRUE(events.empty());
    }
    std::vector<ScriptEvent> events;
    std::string error;
    EXPECT_TRUE(parse(ten, events, error)) << error;
}

}  // namespace
}  // namespace cindervane::platform
