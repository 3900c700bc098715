// Start-up and shutdown of the real program: every asset present, one picture or sound
// missing, no sound device at all. The high score file is written in every case.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <nlohmann/json.hpp>

#include "../program_run.h"
#include "../test_folder.h"

namespace cindervane {
namespace {

namespace fs = std::filesystem;

// The generated pictures and sounds, linked into a folder of the test's own so that one of
// them can be taken away.
class StartUp : public ::testing::Test {
  protected:
    StartUp() {
        fs::create_directories(assets());
        fs::create_directories(dataFolder());
        const fs::path program = fs::path(CINDERVANE_PROGRAM).parent_path();
        for (const auto& entry : fs::directory_iterator(program)) {
            const std::string extension = entry.path().extension().string();
            if (extension == ".BAI" || extension == ".BAS")
                fs::create_symlink(entry.path(), assets() / entry.path().filename());
        }
    }

    fs::path assets() const { return folder.path() / "assets"; }
    fs::path dataFolder() const { return folder.path() / "data"; }

    nlohmann::json run(const std::string& extra = "") {
        const fs::path dump = folder.path() / "dump.json";
        const fs::path script = folder.path() / "script.txt";
        std::ofstream(script) << "1 dump " << dump.string() << "\n";
        const ProgramOutcome ran =
            runCommand(std::string(CINDERVANE_PROGRAM) + " --headless --frames 2 --assets " +
                       assets().string() + " --data-dir " + dataFolder().string() + " --script " +
                       script.string() + " " + extra);
        output = ran.output;
        exitCode = ran.exitCode;
        if (!fs::exists(dump)) return nullptr;
        std::ifstream in(dump);
        return nlohmann::json::parse(in);
    }

    std::uintmax_t highScoreFileSize() const {
        std::error_code error;
        const auto size = fs::file_size(dataFolder() / "hscr000.bas", error);
        return error ? 0 : size;
    }

    TestFolder folder;
    std::string output;
    int exitCode = -1;
};

TEST_F(StartUp, WithEveryAssetNoBoxAndTheFirstFrameIsTheLogo) {
    const auto dump = run();
    ASSERT_TRUE(dump.is_object()) << output;
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(dump["messageBoxes"].empty()) << output;
    EXPECT_EQ(dump["screen"], "Logo");
    EXPECT_EQ(dump["frameCounter"], 1);
    EXPECT_EQ(dump["sounds"]["effects"][3]["file"], "W0020.BAS");
    EXPECT_EQ(highScoreFileSize(), 120u);
}

TEST_F(StartUp, AMissingPanelShowsOneBoxClosesTheGameAndStillSavesTheScores) {
    fs::remove(assets() / "O0028.BAI");
    run();
    EXPECT_EQ(exitCode, 0);
    EXPECT_NE(output.find("Fatal Error: Error loading IMG_PANEL"), std::string::npos) << output;
    EXPECT_EQ(output.find("Fatal Error", output.find("IMG_PANEL")), std::string::npos)
        << "exactly one box: " << output;
    EXPECT_EQ(highScoreFileSize(), 120u);
}

TEST_F(StartUp, NoSoundDeviceAtAllFailsEveryEffect) {
    run("--no-wave-device");
    for (const char* name : {"WAV_EXPLOSION", "WAV_MACHGUN", "WAV_LASER", "WAV_SPGUN"})
        EXPECT_NE(output.find(std::string("Sound ") + name + " Error"), std::string::npos) << name;
}

TEST_F(StartUp, SilenceStillStartsTheGame) {
    const auto dump = run("--no-sound");
    ASSERT_TRUE(dump.is_object()) << output;
    EXPECT_TRUE(dump["messageBoxes"].empty());
}

// A sound that is missing, or a picture that is damaged, is named in its own box like a
// missing picture.
TEST_F(StartUp, AMissingSoundOrADamagedPictureIsNamed) {
    fs::remove(assets() / "W0020.BAS");
    fs::remove(assets() / "O0031.BAI");
    std::ofstream(assets() / "O0031.BAI") << "BM this is not a picture";
    run();
    EXPECT_NE(output.find("Fatal Error: Sound WAV_SPGUN Error"), std::string::npos) << output;
    EXPECT_NE(output.find("Error loading IMG_SPEAKERON"), std::string::npos) << output;
}

}  // namespace
}  // namespace cindervane
