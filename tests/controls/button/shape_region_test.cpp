// The window shape: corner cuts of the rounded types, the full rectangle of the others.
#include "controls/button/shape_region.h"

#include <gtest/gtest.h>
#include <string>

namespace quorvel {
namespace {

std::string ShapeMap(const QRegion& region, int width, int height)
{
    std::string map;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            map += region.contains(QPoint(x, y)) ? '#' : '.';
        map += '\n';
    }
    return map;
}

TEST(ButtonShape, RoundedTypesLoseThreePixelsAtEachCorner)
{
    for (int type : {2, 3}) {
        EXPECT_EQ(ShapeMap(ButtonShape(6, 4, type), 6, 4), "..##..\n.####.\n.####.\n..##..\n")
            << "type " << type;
        // The cuts overlap on a 3 x 3 control: only the centre remains.
        EXPECT_EQ(ShapeMap(ButtonShape(3, 3, type), 3, 3), "...\n.#.\n...\n") << "type " << type;
    }
}

TEST(ButtonShape, OtherTypesKeepTheFullRectangle)
{
    for (int type : {0, 1, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, -1})
        EXPECT_EQ(ButtonShape(5, 3, type), QRegion(0, 0, 5, 3)) << "type " << type;
}

TEST(ButtonShape, EmptyControlHasAnEmptyShape)
{
    EXPECT_TRUE(ButtonShape(0, 10, 2).isEmpty());
    EXPECT_TRUE(ButtonShape(10, 0, 1).isEmpty());
    EXPECT_TRUE(ButtonShape(1, 1, 3).isEmpty());
}

} // namespace
} // namespace quorvel
