// Item boxes: bouncing inside the screen, the box trapped at an edge, and its lifetime.
#include "play/item_box.h"

#include <gtest/gtest.h>

#include <set>

#include "play_field.h"

namespace cindervane {
namespace {

class ItemBoxTest : public ::testing::Test {
  protected:
    ItemBoxTest() {
        box.resolveSprite(field.state.run.boxSheets);  // 37 x 27
        box.setAlive(true);
    }

    PlayField field;
    ItemBox box;
};

TEST_F(ItemBoxTest, TurnsBackAtTheRightEdgeAtOnce) {
    box.setX(240 - 37);
    box.setY(100);
    box.updateBox();
    EXPECT_EQ(box.getDirX(), -1);
    box.updateBox();
    EXPECT_EQ(box.getX(), 240 - 37);
    EXPECT_EQ(box.getY(), 106);
}

TEST_F(ItemBoxTest, ABoxOutsideTheLeftEdgeStaysTrappedThereUntilItsTimeRunsOut) {
    box.setX(-5);
    box.setY(100);
    std::set<int> places;
    for (int frame = 1; frame < 1000; ++frame) {
        box.updateBox();
        places.insert(box.getX());
    }
    EXPECT_EQ(places, (std::set<int>{-5, -2}));
    EXPECT_TRUE(box.isAlive());
    box.updateBox();
    EXPECT_FALSE(box.isAlive());
}

}  // namespace
}  // namespace cindervane
