// The autopilot's settings list: any order, each optional, and nothing for a wrong list.
#include <gtest/gtest.h>

#include "game/autopilot_settings.h"

namespace cindervane {
namespace {

TEST(AutopilotSettings, AnEmptyListIsTheExpertWithoutRefillsOnSeedZero) {
    const auto settings = parseAutopilotSettings("");
    ASSERT_TRUE(settings);
    EXPECT_FALSE(settings->refills);
    EXPECT_EQ(settings->skill, AutopilotSkill::Expert);
    EXPECT_EQ(settings->seed, 0u);
    EXPECT_TRUE(parseAutopilotSettings("refill")->refills);
}

TEST(AutopilotSettings, SettingsComeInAnyOrder) {
    for (const char* list : {"refill,skill=normal,seed=4", "seed=4,refill,skill=normal",
                             "skill=normal,seed=4,refill"}) {
        const auto settings = parseAutopilotSettings(list);
        ASSERT_TRUE(settings) << list;
        EXPECT_TRUE(settings->refills) << list;
        EXPECT_EQ(settings->skill, AutopilotSkill::Normal) << list;
        EXPECT_EQ(settings->seed, 4u) << list;
    }
    EXPECT_EQ(parseAutopilotSettings("skill=novice")->skill, AutopilotSkill::Novice);
    EXPECT_EQ(parseAutopilotSettings("seed=4294967295")->seed, 4294967295u);
    EXPECT_EQ(parseAutopilotSettings("hand=keys,skill=normal")->hand, AutopilotHandKind::Keys);
    EXPECT_EQ(parseAutopilotSettings("seed=2,hand=pad")->hand, AutopilotHandKind::Pad);
    EXPECT_EQ(parseAutopilotSettings("refill,hand=stylus")->hand, AutopilotHandKind::Stylus);
}

TEST(AutopilotSettings, AWrongListGivesNothing) {
    for (const char* list :
         {"always", "refill,", ",refill", "refill,,seed=1", "refill,refill", "skill=", "skill=pro",
          "skill=expert,skill=novice", "seed=", "seed=-1", "seed=1x", "seed=4294967296", "Refill",
          "seed = 3", "hand=mouse", "hand=keys,hand=pad", "refill,hand=keys", "hand=pad,refill"})
        EXPECT_FALSE(parseAutopilotSettings(list)) << list;
}

}  // namespace
}  // namespace cindervane
