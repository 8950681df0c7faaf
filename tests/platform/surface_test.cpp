// Pixels of the drawing surface: lines, fills, frames, single pixels, block copies, 24-bit
// blocks, all with clipping.
#include "platform/checked.h"
#include "platform/fixed_text_renderer.h"
#include "platform/surface.h"
#include "tests/platform/pixel_map.h"

#include <climits>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace quorvel::platform {
namespace {

using testing::PixelMap;
using testing::Rows;

constexpr Colour kInk = 0x00123456;

Surface Blank(int width, int height)
{
    return Surface(width, height, std::make_shared<FixedTextRenderer>(3, 4));
}

std::set<std::pair<int, int>> InkedPixels(const Surface& surface)
{
    std::set<std::pair<int, int>> inked;
    for (int y = 0; y < surface.Height(); ++y)
        for (int x = 0; x < surface.Width(); ++x)
            if (surface.GetPixel(x, y) == kInk)
                inked.insert({x, y});
    return inked;
}

struct LineCase
{
    const char* name;
    int x1, y1, x2, y2;
    std::set<std::pair<int, int>> pixels;
};

class LineTest : public ::testing::TestWithParam<LineCase>
{
};

TEST_P(LineTest, PaintsStartExcludesEnd)
{
    const LineCase& c = GetParam();
    Surface surface = Blank(12, 12);
    surface.DrawLine(c.x1, c.y1, c.x2, c.y2, kInk);
    EXPECT_EQ(InkedPixels(surface), c.pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineTest,
    ::testing::Values(
        LineCase{"HorizontalRight", 1, 2, 4, 2, {{1, 2}, {2, 2}, {3, 2}}},
        LineCase{"HorizontalLeft", 4, 2, 1, 2, {{4, 2}, {3, 2}, {2, 2}}},
        LineCase{"VerticalDown", 3, 1, 3, 4, {{3, 1}, {3, 2}, {3, 3}}},
        LineCase{"VerticalUp", 3, 4, 3, 1, {{3, 4}, {3, 3}, {3, 2}}},
        LineCase{"SinglePixelSpan", 5, 5, 6, 5, {{5, 5}}}, LineCase{"SamePoint", 5, 5, 5, 5, {}},
        // The documented examples; the first two are the short strokes of the rounded faces.
        LineCase{"SteepTieToSmallerX", 1, 2, 2, 0, {{1, 2}, {1, 1}}},
        LineCase{"FortyFiveDegrees", 10, 7, 8, 9, {{10, 7}, {9, 8}}},
        LineCase{"ShallowTiesToSmallerY", 0, 2, 4, 0, {{0, 2}, {1, 1}, {2, 1}, {3, 0}}},
        // Drawn the other way the ties still go to the smaller y.
        LineCase{"ShallowReversed", 4, 0, 0, 2, {{4, 0}, {3, 0}, {2, 1}, {1, 1}}},
        LineCase{"SteepReversed", 2, 0, 1, 2, {{2, 0}, {1, 1}}},
        LineCase{"NoTie", 0, 0, 3, 1, {{0, 0}, {1, 0}, {2, 1}}},
        LineCase{"ClippedStart", -3, 1, 2, 1, {{0, 1}, {1, 1}}},
        LineCase{"EntirelyOutside", -5, -1, 5, -1, {}}),
    [](const auto& info) { return info.param.name; });

TEST(SurfaceLines, ExtremeCoordinatesAreClippedWithoutOverflow)
{
    Surface surface = Blank(4, 3);
    surface.DrawLine(INT_MIN, 1, INT_MAX, 1, kInk);
    surface.DrawLine(INT_MIN, INT_MIN, INT_MAX, INT_MAX, kInk); // 45 degrees through (0, 0)
    EXPECT_EQ(PixelMap(surface, {{0, '.'}, {kInk, '#'}}), Rows({"#...", "####", "..#."}));
}

TEST(SurfaceLines, LineToContinuesFromTheEndPoint)
{
    Surface surface = Blank(4, 4);
    surface.MoveTo(0, 0);
    surface.LineTo(3, 0, kInk);
    surface.LineTo(3, 3, kInk);
    EXPECT_EQ(PixelMap(surface, {{0, '.'}, {kInk, '#'}}), Rows({"####", "...#", "...#", "...."}));
}

struct RectCase
{
    const char* name;
    Rect rect;
    const char* fill[3];
    const char* frame[3];
};

class RectTest : public ::testing::TestWithParam<RectCase>
{
};

TEST_P(RectTest, FillAndFrameCoverTheHalfOpenArea)
{
    const RectCase& c = GetParam();
    Surface filled = Blank(4, 3);
    filled.FillRect(c.rect, kInk);
    Surface framed = Blank(4, 3);
    framed.FrameRect(c.rect, kInk);
    const std::map<Colour, char> legend{{0, '.'}, {kInk, '#'}};
    EXPECT_EQ(PixelMap(filled, legend), Rows({c.fill[0], c.fill[1], c.fill[2]}));
    EXPECT_EQ(PixelMap(framed, legend), Rows({c.frame[0], c.frame[1], c.frame[2]}));
}

INSTANTIATE_TEST_SUITE_P(
    Rects, RectTest,
    ::testing::Values(
        RectCase{"Whole", {0, 0, 4, 3}, {"####", "####", "####"}, {"####", "#..#", "####"}},
        RectCase{"OneByOne", {1, 1, 2, 2}, {"....", ".#..", "...."}, {"....", ".#..", "...."}},
        RectCase{"EmptyWidth", {1, 0, 1, 3}, {"....", "....", "...."}, {"....", "....", "...."}},
        RectCase{"Inverted", {3, 2, 1, 0}, {"....", "....", "...."}, {"....", "....", "...."}},
        RectCase{"OneColumn", {2, 0, 3, 3}, {"..#.", "..#.", "..#."}, {"..#.", "..#.", "..#."}},
        RectCase{"PastTheEdges", {2, 1, 9, 9}, {"....", "..##", "..##"}, {"....", "..##", "..#."}},
        RectCase{"Extreme",
                 {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
                 {"####", "####", "####"},
                 {"....", "....", "...."}}),
    [](const auto& info) { return info.param.name; });

TEST(SurfacePixels, OutsideReadsInvalidAndWritesNothing)
{
    Surface surface = Blank(2, 2);
    surface.SetPixel(1, 0, kInk);
    surface.SetPixel(2, 0, kInk);
    surface.SetPixel(-1, 1, kInk);
    EXPECT_EQ(surface.GetPixel(1, 0), kInk);
    EXPECT_EQ(surface.GetPixel(0, 0), 0);
    EXPECT_EQ(surface.GetPixel(2, 0), kInvalidColour);
    EXPECT_EQ(surface.GetPixel(0, -1), kInvalidColour);
    EXPECT_EQ(PixelMap(surface, {{0, '.'}, {kInk, '#'}}), Rows({".#", ".."}));
}

TEST(SurfaceCopy, ClipsAgainstBothImages)
{
    Surface source = Blank(3, 2);
    source.FillRect({0, 0, 3, 1}, 1);
    source.FillRect({0, 1, 3, 2}, 2);
    source.SetPixel(0, 0, 3);
    Surface target = Blank(4, 3);
    // Starts one column left of the source and runs past the target's right and bottom edges:
    // only the source's first column fits.
    target.CopyFrom(source, -1, 0, 5, 5, 2, 1);
    EXPECT_EQ(PixelMap(target, {{0, '.'}, {1, 'a'}, {2, 'b'}, {3, 'c'}}),
              Rows({"....", "...c", "...b"}));
}

TEST(SurfaceCopy, OverlappingCopyWithinOneSurface)
{
    Surface surface = Blank(4, 1);
    for (int x = 0; x < 4; ++x)
        surface.SetPixel(x, 0, x + 1);
    surface.CopyFrom(surface, 0, 0, 3, 1, 1, 0);
    EXPECT_EQ(PixelMap(surface, {{1, 'a'}, {2, 'b'}, {3, 'c'}, {4, 'd'}}), Rows({"aabc"}));
}

TEST(SurfaceDib, StrideRoundsRowsToFourBytes)
{
    const std::vector<std::pair<int, int>> cases{{0, 0}, {1, 4}, {4, 12}, {5, 16}, {6, 20}};
    for (const auto& [width, stride] : cases)
        EXPECT_EQ(Surface::Dib24Stride(width), stride) << "width " << width;
    EXPECT_THROW(Surface::Dib24Stride(INT_MAX / 2), OverflowError);
}

TEST(SurfaceDib, BlockIsBottomUpBlueGreenRed)
{
    Surface surface = Blank(5, 2);
    surface.SetPixel(0, 1, 0x00332211); // bottom-left: red 0x11, green 0x22, blue 0x33
    surface.SetPixel(4, 0, 0x00665544); // top-right
    const std::vector<std::uint8_t> block = surface.ReadDib24(0, 0, 5, 2);
    ASSERT_EQ(block.size(), 32u);
    // Row 0 of the block is the bottom row of the area.
    EXPECT_EQ(block[0], 0x33);
    EXPECT_EQ(block[1], 0x22);
    EXPECT_EQ(block[2], 0x11);
    EXPECT_EQ(block[16 + 12], 0x66);
    EXPECT_EQ(block[16 + 13], 0x55);
    EXPECT_EQ(block[16 + 14], 0x44);
    // The padding byte after the fifteen pixel bytes of each row.
    EXPECT_EQ(block[15], 0);
    EXPECT_EQ(block[31], 0);
}

TEST(SurfaceDib, RoundTripAndClipping)
{
    Surface surface = Blank(3, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            surface.SetPixel(x, y, PackColour(10 * x + 1, 10 * y + 1, 7));
    // Half outside: the outside pixels read as black.
    std::vector<std::uint8_t> block = surface.ReadDib24(1, -1, 3, 2);
    ASSERT_EQ(block.size(), 2u * 12u);
    EXPECT_EQ(std::vector<std::uint8_t>(block.begin() + 12, block.begin() + 21),
              std::vector<std::uint8_t>(9, 0));

    Surface copy = Blank(3, 3);
    copy.WriteDib24(1, -1, 3, 2, block);
    EXPECT_EQ(copy.GetPixel(1, 0), surface.GetPixel(1, 0));
    EXPECT_EQ(copy.GetPixel(2, 0), surface.GetPixel(2, 0));
    EXPECT_EQ(copy.GetPixel(0, 0), 0);
    EXPECT_EQ(copy.GetPixel(1, 1), 0);

    // A block too short for its size is not written at all.
    block.pop_back();
    Surface untouched = Blank(3, 3);
    untouched.WriteDib24(1, -1, 3, 2, block);
    EXPECT_EQ(untouched.GetPixel(1, 0), 0);
}

TEST(SurfaceText, DrawsCentredLinesWithUnderlinesAndNoBackground)
{
    // Characters are 3 x 4 cells; a glyph is a 2 x 2 block, the underline sits on row 3.
    Surface surface = Blank(12, 8);
    surface.FillRect({0, 0, 12, 8}, 1);
    surface.SetTextColour(kInk);
    surface.DrawText("a&b cd", {0, 0, 11, 8});
    EXPECT_EQ(PixelMap(surface, {{1, '.'}, {kInk, '#'}}),
              Rows({"..##.##.....", "..##.##.....", "............", ".....##.....", "..##.##.....",
                    "..##.##.....", "............", "............"}));
}

TEST(SurfaceText, MeasureKeepsLeftAndTop)
{
    Surface surface = Blank(1, 1);
    EXPECT_EQ(surface.MeasureText("ab cd", {5, 7, 14, 7}), (Rect{5, 7, 11, 15}));
}

} // namespace
} // namespace quorvel::platform
