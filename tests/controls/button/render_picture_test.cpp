// Per-pixel composition of pictures, and the grey and gradient arithmetic of the faces.
#include "controls/button/face_gradient.h"
#include "controls/button/render_picture.h"
#include "platform/surface.h"

#include <array>
#include <gtest/gtest.h>

namespace quorvel {
namespace {

struct Bgr
{
    std::uint8_t b, g, r;
    friend bool operator==(const Bgr&, const Bgr&) = default;
};

std::ostream& operator<<(std::ostream& out, const Bgr& p)
{
    return out << "(r " << int(p.r) << ", g " << int(p.g) << ", b " << int(p.b) << ")";
}

// A width x height block in the bottom-up 24-bit layout, all one pixel.
struct Block
{
    std::int32_t width, height;
    std::vector<std::uint8_t> bytes;

    Block(std::int32_t w, std::int32_t h, Bgr fill)
        : width(w), height(h),
          bytes(static_cast<std::size_t>(platform::Surface::Dib24Stride(w)) * h, 0)
    {
        for (std::int32_t y = 0; y < h; ++y)
            for (std::int32_t x = 0; x < w; ++x)
                Set(x, y, fill);
    }
    // (x, y) from the top-left, as the picture is seen.
    std::size_t At(std::int32_t x, std::int32_t y) const
    {
        return static_cast<std::size_t>(height - 1 - y) * platform::Surface::Dib24Stride(width) +
               3 * static_cast<std::size_t>(x);
    }
    void Set(std::int32_t x, std::int32_t y, Bgr p)
    {
        bytes[At(x, y)] = p.b;
        bytes[At(x, y) + 1] = p.g;
        bytes[At(x, y) + 2] = p.r;
    }
    Bgr Get(std::int32_t x, std::int32_t y) const
    {
        return {bytes[At(x, y)], bytes[At(x, y) + 1], bytes[At(x, y) + 2]};
    }
};

constexpr Bgr kBack{10, 20, 30};

// One picture pixel on a 1 x 1 background: what lands there.
Bgr ComposeOne(Bgr pixel, const PictureRules& rules)
{
    Block background(1, 1, kBack);
    const Block picture(1, 1, pixel);
    ComposePicture(background.bytes, picture.bytes, 1, 1, 1, 1, rules);
    return background.Get(0, 0);
}

TEST(GreyLevel, RoundsRedFirstThenTheSumTiesToEven)
{
    struct Case
    {
        std::uint8_t r, g, b, grey;
    };
    const Case cases[] = {
        {255, 0, 0, 76},      // 76.5 goes to the even 76
        {0, 255, 0, 150},     // 150.45
        {0, 0, 255, 28},      // 28.05
        {5, 0, 0, 2},         // 1.5 goes to the even 2
        {255, 255, 255, 254}, // 76 + 150.45 + 28.05 = 254.5 goes to 254
        {0, 0, 0, 0},         {128, 128, 128, 128},
        {1, 0, 2, 0}, // red rounds to 0 on its own; rounding the whole sum would give 1
        {4, 0, 3, 1}, // 1 + 0.33; the unrounded sum 1.53 would give 2
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.r) << "," << int(c.g) << "," << int(c.b));
        EXPECT_EQ(GreyLevel(c.r, c.g, c.b), c.grey);
    }
}

TEST(ComposePicture, PixelRulesInTheirOrder)
{
    const Bgr mask{0xC0, 0xC0, 0xC0};
    const platform::Colour maskColour = 0x00C0C0C0;
    struct Case
    {
        const char* what;
        Bgr picture;
        PictureRules rules;
        Bgr expected;
    };
    const Case cases[] = {
        {"own colours", {1, 2, 3}, {-1, -1, false, false}, {1, 2, 3}},
        {"mask colour is transparent", mask, {maskColour, -1, false, false}, kBack},
        {"one off in blue is drawn",
         {0xC1, 0xC0, 0xC0},
         {maskColour, -1, false, false},
         {0xC1, 0xC0, 0xC0}},
        {"one off in red is drawn",
         {0xC0, 0xC0, 0xBF},
         {maskColour, -1, false, false},
         {0xC0, 0xC0, 0xBF}},
        {"without the mask the mask colour is drawn", mask, {-1, -1, false, false}, mask},
        {"mask before silhouette", mask, {maskColour, 0x00112233, false, false}, kBack},
        {"mask before greyscale", mask, {maskColour, -1, false, true}, kBack},
        {"silhouette takes the solid colour",
         {1, 2, 3},
         {-1, 0x00112233, false, false},
         {0x11, 0x22, 0x33}},
        {"solid 0 paints black", {200, 200, 200}, {-1, 0, false, false}, {0, 0, 0}},
        {"skip light leaves white out", {255, 255, 255}, {-1, 0x00112233, true, false}, kBack},
        {"skip light leaves a sum of 385 out",
         {128, 128, 129},
         {-1, 0x00112233, true, false},
         kBack},
        {"skip light paints a sum of 384",
         {128, 128, 128},
         {-1, 0x00112233, true, false},
         {0x11, 0x22, 0x33}},
        {"skip light needs a solid colour",
         {255, 255, 255},
         {-1, -1, true, false},
         {255, 255, 255}},
        {"silhouette wins over greyscale",
         {1, 2, 3},
         {-1, 0x00112233, false, true},
         {0x11, 0x22, 0x33}},
        {"greyscale of red", {0, 0, 255}, {-1, -1, false, true}, {76, 76, 76}},
        {"greyscale of white", {255, 255, 255}, {-1, -1, false, true}, {254, 254, 254}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ComposeOne(c.picture, c.rules), c.expected);
    }
}

TEST(ComposePicture, RowsAreBottomUpAndThePaddingIsNoPixel)
{
    // Five pixels wide: fifteen pixel bytes and one padding byte per row.
    ASSERT_EQ(platform::Surface::Dib24Stride(5), 16);
    Block background(5, 2, kBack);
    Block picture(5, 2, {0, 0, 0});
    picture.Set(4, 0, {7, 8, 9}); // the last pixel of the top row
    for (std::int32_t row = 0; row < 2; ++row)
        picture.bytes[static_cast<std::size_t>(row) * 16 + 15] = 0xEE;
    background.bytes[15] = 0x55;
    background.bytes[31] = 0x66;

    ComposePicture(background.bytes, picture.bytes, 5, 2, 5, 2, {});

    EXPECT_EQ(background.Get(4, 0), (Bgr{7, 8, 9}));
    // The top row is the second row of the block.
    EXPECT_EQ(background.bytes[16 + 12], 7);
    EXPECT_EQ(background.bytes[15], 0x55);
    EXPECT_EQ(background.bytes[31], 0x66);
}

TEST(ComposePicture, OnlyTheCoveredCornerIsDrawn)
{
    // A 2 x 1 picture in a 3 x 2 area: the rest keeps the background.
    Block background(3, 2, kBack);
    const Block picture(3, 2, {1, 1, 1});
    ComposePicture(background.bytes, picture.bytes, 3, 2, 2, 1, {});
    const Bgr one{1, 1, 1};
    EXPECT_EQ(background.Get(0, 0), one);
    EXPECT_EQ(background.Get(1, 0), one);
    EXPECT_EQ(background.Get(2, 0), kBack);
    EXPECT_EQ(background.Get(0, 1), kBack);
    EXPECT_EQ(background.Get(1, 1), kBack);
}

TEST(ComposePicture, ShortBlocksAreLeftAlone)
{
    Block background(2, 2, kBack);
    const std::vector<std::uint8_t> shortPicture(8, 0);
    ComposePicture(background.bytes, shortPicture, 2, 2, 2, 2, {});
    EXPECT_EQ(background.Get(0, 0), kBack);
    EXPECT_EQ(background.Get(1, 1), kBack);
}

TEST(GradientAmount, FollowsTheRowTiesToEven)
{
    struct Case
    {
        std::int32_t height;
        std::array<std::int32_t, 5> amounts; // rows 1 to 5
    };
    const Case cases[] = {
        {25, {-1, -2, -3, -4, -5}},
        {50, {0, -1, -2, -2, -2}},   // 0.5, 1.5 and 2.5 go to the even neighbour
        {8, {-3, -6, -9, -12, -16}}, // 12.5 goes to 12
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        const float step = GradientStep(c.height);
        for (std::int32_t i = 1; i <= 5; ++i)
            EXPECT_EQ(GradientAmount(step, i), c.amounts[static_cast<std::size_t>(i - 1)]) << i;
    }
    EXPECT_EQ(GradientAmount(GradientStep(25), 25), -25);
    EXPECT_EQ(GradientAmount(GradientStep(53), 53), -25);
}

} // namespace
} // namespace quorvel
