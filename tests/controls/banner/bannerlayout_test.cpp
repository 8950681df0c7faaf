#include "bannerlayout.h"

#include <gtest/gtest.h>
#include <ostream>

void PrintTo(const QRect& r, std::ostream* out)
{
    *out << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ")";
}

namespace quorvel {
namespace {

struct LayoutCase
{
    int width;
    int height;
    QRect image1;
    QRect image2;
    QRect image3;
};

std::ostream& operator<<(std::ostream& out, const LayoutCase& c)
{
    return out << c.width << " x " << c.height;
}

class BannerLayoutTest : public testing::TestWithParam<LayoutCase>
{
};

TEST_P(BannerLayoutTest, PlacesThePieces)
{
    const LayoutCase& c = GetParam();
    const BannerLayout layout = LayOutBanner(c.width, c.height);
    EXPECT_EQ(layout.Image1, c.image1);
    EXPECT_EQ(layout.Image2, c.image2);
    EXPECT_EQ(layout.Image3, c.image3);
}

// QRect(left, top, width, height).
INSTANTIATE_TEST_SUITE_P(Sizes, BannerLayoutTest,
                         testing::Values(
                             // The editor's strip, 9375 x 570 twips.
                             LayoutCase{625, 38, {0, 0, 2, 38}, {2, 0, 621, 38}, {622, 0, 3, 38}},
                             LayoutCase{100, 35, {0, 0, 2, 35}, {2, 0, 96, 35}, {97, 0, 3, 35}},
                             LayoutCase{100, 70, {0, 0, 2, 70}, {2, 0, 96, 70}, {97, 0, 3, 70}},
                             LayoutCase{100, 0, {0, 0, 2, 0}, {2, 0, 96, 0}, {97, 0, 3, 0}},
                             LayoutCase{5, 35, {0, 0, 2, 35}, {2, 0, 1, 35}, {2, 0, 3, 35}},
                             // Narrower than 4: the middle piece is empty, never negative, and the
                             // right piece stays on the right edge.
                             LayoutCase{4, 35, {0, 0, 2, 35}, {2, 0, 0, 35}, {1, 0, 3, 35}},
                             LayoutCase{3, 35, {0, 0, 2, 35}, {2, 0, 0, 35}, {0, 0, 3, 35}},
                             LayoutCase{2, 35, {0, 0, 2, 35}, {2, 0, 0, 35}, {-1, 0, 3, 35}},
                             LayoutCase{1, 35, {0, 0, 2, 35}, {2, 0, 0, 35}, {-2, 0, 3, 35}},
                             LayoutCase{0, 35, {0, 0, 2, 35}, {2, 0, 0, 35}, {-3, 0, 3, 35}},
                             LayoutCase{-5, -1, {0, 0, 2, 0}, {2, 0, 0, 0}, {-3, 0, 3, 0}}));

TEST(BannerLayout, CoversEveryColumnOnceTheRightPieceIsOnTop)
{
    for (int width = 1; width <= 12; ++width) {
        const BannerLayout layout = LayOutBanner(width, 10);
        for (int x = 0; x < width; ++x) {
            const bool covered = layout.Image1.contains(x, 0) || layout.Image2.contains(x, 0) ||
                                 layout.Image3.contains(x, 0);
            EXPECT_TRUE(covered) << "column " << x << " of width " << width;
        }
        EXPECT_EQ(layout.Image3.right(), width - 1) << "width " << width;
    }
}

} // namespace
} // namespace quorvel
