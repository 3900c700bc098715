// The play field stays readable on every stage: the generated shots, ships, bosses and
// backgrounds measured against the readability rule (tools/assetgen/readability.h), and the
// measures themselves on pictures whose answer is known.
#include <gtest/gtest.h>

#include <map>

#include "tests/tools/asset_reader.h"
#include "tools/assetgen/readability.h"
#include "tools/assetgen/stage_cast.h"

namespace cindervane::assetgen {
namespace {

ColourGrid gridOf(const test::Picture& picture, int x0, int width, int height) {
    ColourGrid grid{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const test::Rgb& c = picture.at(x0 + x, y);
            grid.colours.push_back({static_cast<std::uint8_t>(c.red),
                                    static_cast<std::uint8_t>(c.green),
                                    static_cast<std::uint8_t>(c.blue)});
        }
    return grid;
}

const test::Picture& load(std::string_view file) {
    static std::map<std::string, test::Picture> cache;
    auto found = cache.find(std::string(file));
    if (found == cache.end()) {
        auto picture = test::readPicture(test::assetFolder() / file);
        if (!picture) ADD_FAILURE() << "cannot read " << file;
        found = cache.emplace(std::string(file), picture ? *picture : test::Picture{}).first;
    }
    return found->second;
}

std::vector<ColourGrid> framesOf(const CastSheet& sheet) {
    const test::Picture& picture = load(sheet.file);
    std::vector<ColourGrid> frames;
    for (int f = 0; f < sheet.frames && (f + 1) * sheet.frameWidth <= picture.width; ++f)
        frames.push_back(gridOf(picture, f * sheet.frameWidth, sheet.frameWidth,
                                std::min(sheet.frameHeight, picture.height)));
    return frames;
}

ColourGrid backgroundOf(const StageCast& cast) {
    const test::Picture& picture = load(cast.background);
    return gridOf(picture, 0, picture.width, picture.height);
}

TEST(Readability, EveryEnemyShotAndTheShipReadAgainstTheirStagesGround) {
    for (const StageCast& cast : stageCasts()) {
        const std::vector<double> ground = backgroundLuminances(backgroundOf(cast));
        ASSERT_FALSE(ground.empty()) << cast.name;
        for (const CastSheet& shot : cast.shots)
            EXPECT_GE(readableShare(spriteTones(framesOf(shot)), ground), kReadableShare)
                << shot.file << " on stage " << cast.stage << " " << cast.name;
        EXPECT_GE(readableShare(spriteTones(framesOf(cast.ship)), ground), kReadableShare)
            << "the ship " << cast.ship.file << " on stage " << cast.stage << " " << cast.name;
    }
}

TEST(Readability, NoBossOrShipSharesItsStagesColour) {
    for (const StageCast& cast : stageCasts()) {
        const HueProfile ground = hueProfile({backgroundOf(cast)});
        std::vector<ColourGrid> boss;
        for (const BossPiece& piece : cast.boss)
            for (ColourGrid& frame : framesOf(piece.sheet))
                boss.push_back(std::move(frame));
        const HueProfile bossHue = hueProfile(boss);
        EXPECT_FALSE(sharesHue(bossHue, ground))
            << "boss of stage " << cast.stage << " " << cast.name << ": hue " << bossHue.hue
            << " on ground of hue " << ground.hue;
        const HueProfile shipHue = hueProfile(framesOf(cast.ship));
        EXPECT_FALSE(sharesHue(shipHue, ground))
            << "ship on stage " << cast.stage << " " << cast.name << ": hue " << shipHue.hue
            << " on ground of hue " << ground.hue;
    }
}

ColourGrid plain(Rgb8 colour, int width = 4, int height = 4) {
    return {width, height, std::vector<Rgb8>(static_cast<std::size_t>(width) * height, colour)};
}

TEST(ReadabilityMeasures, ADarkRimMakesABrightShotReadOnBrightGroundToo) {
    // A white dot alone, then the same dot inside a black rim, on a pale ground.
    ColourGrid dot = plain({0, 0, 255}, 5, 5);
    dot.colours[12] = {255, 255, 255};
    ColourGrid rimmed = dot;
    for (int i : {6, 7, 8, 11, 13, 16, 17, 18})
        rimmed.colours[static_cast<std::size_t>(i)] = {10, 10, 10};
    const std::vector<double> pale = backgroundLuminances(plain({230, 230, 220}));
    EXPECT_LT(readableShare(spriteTones({dot}), pale), 0.01);
    EXPECT_GT(readableShare(spriteTones({rimmed}), pale), 0.99);
    EXPECT_NEAR(spriteTones({rimmed}).outline, luminance({10, 10, 10}), 1e-9);
}

TEST(ReadabilityMeasures, SaturatedPicturesOfOneHueShareItAndMutedOnesDoNot) {
    const HueProfile red = hueProfile({plain({220, 40, 30})});
    const HueProfile darkRed = hueProfile({plain({150, 30, 20})});
    const HueProfile teal = hueProfile({plain({30, 180, 170})});
    const HueProfile dust = hueProfile({plain({120, 105, 95})});
    EXPECT_TRUE(sharesHue(red, darkRed));
    EXPECT_FALSE(sharesHue(red, teal));
    EXPECT_LT(dust.colouredShare, 0.01);
    EXPECT_FALSE(sharesHue(red, dust));
}

}  // namespace
}  // namespace cindervane::assetgen
