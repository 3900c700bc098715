// The game's layers point down only: no include and no link of a layer reaches a higher one,
// and SDL stays in the platform. The check runs over the real source tree, and over a small
// tree of its own with one fault of each kind planted, so that a check finding nothing is
// known to be able to find something.
#include "layer_check.h"

#include <gtest/gtest.h>

#include <fstream>

namespace cindervane::layers {
namespace {

namespace fs = std::filesystem;

const fs::path kSourceRoot = CINDERVANE_SOURCE_DIR;

std::string lines(const std::vector<std::string>& faults) {
    std::string text;
    for (const std::string& fault : faults)
        text += fault + "\n";
    return text;
}

void write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text;
}

TEST(Layers, TheGameIsAStackOfEightNamedLayers) {
    const std::vector<Layer> layers = readLayers(kSourceRoot);
    std::vector<std::string> names;
    for (const Layer& layer : layers)
        names.push_back(layer.name);
    EXPECT_EQ(names, (std::vector<std::string>{"platform", "gamelibrary", "core", "play", "enemies",
                                               "stage", "shell", "game"}));
    for (std::size_t i = 0; i < layers.size(); ++i)
        EXPECT_EQ(layers[i].rank, int(i) + 1);
}

TEST(Layers, NoIncludeOrLinkOfTheGamePointsToAHigherLayer) {
    const std::vector<Layer> layers = readLayers(kSourceRoot);
    ASSERT_FALSE(layers.empty());
    const auto includes = upwardIncludes(kSourceRoot, layers);
    EXPECT_TRUE(includes.empty()) << lines(includes);
    const auto links = upwardLinks(kSourceRoot, layers);
    EXPECT_TRUE(links.empty()) << lines(links);
}

TEST(Layers, OnlyThePlatformIncludesSdl) {
    std::vector<std::string> folders{"tools", "tests", "bench"};
    for (const Layer& layer : readLayers(kSourceRoot))
        folders.push_back(layer.name);
    const auto faults = sdlIncludesOutsidePlatform(kSourceRoot, folders);
    EXPECT_TRUE(faults.empty()) << lines(faults);
}

// A tree of three layers with a fault of each kind, and the lawful uses beside them.
class PlantedFaults : public ::testing::Test {
  protected:
    void SetUp() override {
        // A tree for each test: CTest runs the tests of this fixture side by side.
        root_ = fs::path(CINDERVANE_TEST_OUTPUT) / "layer_check_trees" /
                ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(root_);
        write(root_ / "low/CMakeLists.txt",
              "# Layer 1 of 3, low: the bottom.\ntarget_link_libraries(cv_low PUBLIC\n"
              "    cv_top)\n");
        write(root_ / "mid/CMakeLists.txt",
              "# Layer 2 of 3, mid: the middle.\ntarget_link_libraries(cv_mid PUBLIC cv_low)\n");
        write(root_ / "top/CMakeLists.txt",
              "# Layer 3 of 3, top: the top.\ntarget_link_libraries(cv_top PUBLIC cv_mid)\n");
        write(root_ / "tools/CMakeLists.txt", "# Not a layer.\n");
        write(root_ / "low/a.h", "#pragma once\n#include <vector>\n#include \"low/b.h\"\n");
        write(root_ / "low/deep/b.cpp", "// b\n\n#include \"mid/c.h\"\n");
        write(root_ / "mid/c.h", "#include \"low/a.h\"\n#include <SDL.h>\n");
        write(root_ / "top/d.cpp", "#include \"mid/c.h\"\n#include \"tools/e.h\"\n");
        write(root_ / "platform/sdl.cpp", "#include <SDL.h>\n");
    }

    fs::path root_;
};

TEST_F(PlantedFaults, TheLayersAreReadFromTheirCMakeFilesInRankOrder) {
    const std::vector<Layer> layers = readLayers(root_);
    ASSERT_EQ(layers.size(), 3u);
    EXPECT_EQ(layers[0].name, "low");
    EXPECT_EQ(layers[1].name, "mid");
    EXPECT_EQ(layers[2].name, "top");
}

TEST_F(PlantedFaults, AnUpwardIncludeIsNamedByFileAndLine) {
    const auto faults = upwardIncludes(root_, readLayers(root_));
    ASSERT_EQ(faults.size(), 1u) << lines(faults);
    EXPECT_EQ(faults[0],
              "low/deep/b.cpp:3: low includes mid, a higher layer: #include \"mid/c.h\"");
}

TEST_F(PlantedFaults, AnUpwardLinkIsNamedByFileAndLine) {
    const auto faults = upwardLinks(root_, readLayers(root_));
    ASSERT_EQ(faults.size(), 1u) << lines(faults);
    EXPECT_EQ(faults[0], "low/CMakeLists.txt:3: low links cv_top, a higher layer");
}

TEST_F(PlantedFaults, SdlOutsideThePlatformIsNamedByFileAndLine) {
    const auto faults = sdlIncludesOutsidePlatform(root_, {"low", "mid", "top", "platform"});
    ASSERT_EQ(faults.size(), 1u) << lines(faults);
    EXPECT_EQ(faults[0], "mid/c.h:2: SDL outside platform/: #include <SDL.h>");
}

}  // namespace
}  // namespace cindervane::layers
