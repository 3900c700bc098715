// Coins: the jump and the fall, and the end below the screen.
#include "play/coin.h"

#include <gtest/gtest.h>

#include "play_field.h"

namespace cindervane {
namespace {

TEST(Coin, RisesAndDriftsUntilItsAgeReachesSixThenFallsStraightDownOffTheScreen) {
    PlayField field;
    Coin coin(2, field.state.run.random);
    coin.resolveSprite(field.state.run.coinSheets);
    coin.setDirX(1);
    coin.setSpeedY(4);
    coin.setX(100);
    coin.setY(200);
    coin.setAlive(true);
    std::vector<std::pair<int, int>> path;
    for (int i = 0; i < 8; ++i) {
        coin.move();
        path.emplace_back(coin.getX(), coin.getY());
    }
    // The age is counted after each move: the sixth move still rises, then it falls.
    // clang-format off
    EXPECT_EQ(path, (std::vector<std::pair<int, int>>{
        {101, 196}, {102, 192}, {103, 188}, {104, 184}, {105, 180}, {106, 176},
        {106, 180}, {106, 184}}));
    // clang-format on

    // It is gone in the frame it falls below the screen.
    coin.setY(316);
    coin.move();
    EXPECT_TRUE(coin.isAlive());  // at 320
    coin.move();
    EXPECT_FALSE(coin.isAlive());
    EXPECT_EQ(coin.getAge(), 0);
}

}  // namespace
}  // namespace cindervane
