// Caption rectangles for every picture position and the picture's place beside the caption,
// with a measurer that returns a fixed text size.
#include "controls/button/caption_layout.h"
#include "platform/checked.h"

#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace quorvel {
namespace {

using platform::Rect;

struct LayoutCase
{
    const char* name;
    std::int32_t width, height, pictureWidth, pictureHeight, position;
    std::int32_t textWidth, textHeight;
    Rect measuringBox;
    Rect captionRect;
};

class CaptionLayoutTest : public ::testing::TestWithParam<LayoutCase>
{
};

TEST_P(CaptionLayoutTest, MeasuresInTheShareAndCentres)
{
    const LayoutCase& c = GetParam();
    Rect box;
    const CaptionLayout layout = LayoutCaption(
        c.width, c.height, c.pictureWidth, c.pictureHeight, c.position, {26, 6, 51, 19},
        [&](const Rect& given) {
            box = given;
            return Rect{given.left, given.top, given.left + c.textWidth, given.top + c.textHeight};
        });
    EXPECT_EQ(box, c.measuringBox);
    EXPECT_EQ(layout.captionRect, c.captionRect);
    EXPECT_EQ(layout.captionHeight, c.textHeight);
    const Rect shifted{c.captionRect.left + 1, c.captionRect.top + 1, c.captionRect.right + 1,
                       c.captionRect.bottom + 1};
    EXPECT_EQ(layout.captionShiftRect, shifted);
    if (c.position != 2) {
        EXPECT_EQ(layout.captionTextRect, shifted);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Positions, CaptionLayoutTest,
    ::testing::Values(
        LayoutCase{"LeftNoPicture", 75, 23, 0, 0, 0, 25, 13, {1, 1, 73, 21}, {25, 5, 50, 18}},
        LayoutCase{"CentredNoPicture", 75, 23, 0, 0, 4, 25, 13, {1, 1, 73, 21}, {25, 5, 50, 18}},
        // Without a picture, right and below still leave 4 pixels: 2 left of, and 2 above,
        // where left and centred put the caption.
        LayoutCase{"RightNoPicture", 75, 23, 0, 0, 1, 25, 13, {1, 1, 73, 21}, {23, 5, 48, 18}},
        LayoutCase{"BelowNoPicture", 75, 23, 0, 0, 3, 25, 13, {1, 1, 73, 21}, {25, 3, 50, 16}},
        LayoutCase{"Above", 75, 40, 16, 16, 2, 25, 13, {1, 17, 73, 38}, {25, 22, 50, 35}},
        LayoutCase{"LeftOfCaption", 76, 53, 16, 16, 0, 30, 13, {17, 1, 74, 51}, {31, 20, 61, 33}},
        LayoutCase{"RightOfCaption", 76, 53, 16, 16, 1, 30, 13, {1, 1, 58, 51}, {13, 20, 43, 33}},
        LayoutCase{"BelowCaption", 76, 53, 16, 16, 3, 30, 13, {1, 1, 74, 35}, {23, 10, 53, 23}},
        // Outside 0 to 4: the previous shift rectangle is measured in and nothing is centred.
        LayoutCase{"OtherValue", 75, 23, 0, 0, 7, 25, 13, {26, 6, 51, 19}, {26, 6, 51, 19}},
        LayoutCase{"NegativeValue", 75, 23, 0, 0, -1, 25, 13, {26, 6, 51, 19}, {26, 6, 51, 19}},
        // A caption larger than the face: the halves truncate toward zero.
        LayoutCase{"LargerThanFace", 10, 5, 0, 0, 0, 25, 13, {1, 1, 8, 3}, {-7, -3, 18, 10}}),
    [](const auto& info) { return info.param.name; });

TEST(CaptionLayout, PictureAboveDropsTheTextToTheBottomEdge)
{
    const CaptionLayout layout = LayoutCaption(75, 40, 16, 16, 2, {}, [](const Rect& box) {
        return Rect{box.left, box.top, box.left + 25, box.top + 13};
    });
    EXPECT_EQ(layout.captionTextRect, (Rect{26, 25, 51, 38}));
}

TEST(CaptionLayout, SizesNearTheLimitAreOverflows)
{
    const CaptionMeasure measure = [](const Rect& box) { return box; };
    EXPECT_THROW(LayoutCaption(INT_MIN + 1, 23, 0, 0, 0, {}, measure), platform::OverflowError);
    EXPECT_THROW(LayoutCaption(75, 23, INT_MAX, 0, 0, {}, measure), platform::OverflowError);
    EXPECT_THROW(LayoutCaption(75, 23, INT_MIN, 0, 1, {}, measure), platform::OverflowError);
}

struct PlaceCase
{
    const char* name;
    bool hasPicture;
    const char* caption;
    std::int32_t position;
    std::int32_t pictureWidth, pictureHeight, width, height;
    PicturePlace expected;
};

TEST(PlacePicture, BesideTheCaptionOrCentred)
{
    const Rect caption{25, 5, 50, 18};
    const PicturePlace current{3, 4};
    const std::vector<PlaceCase> cases{
        {"no picture", false, "OK", 0, 16, 16, 75, 23, current},
        {"left", true, "OK", 0, 16, 16, 75, 23, {5, 3}},
        {"right", true, "OK", 1, 16, 16, 75, 23, {54, 3}},
        {"above", true, "OK", 2, 16, 16, 75, 23, {29, -13}},
        {"below", true, "OK", 3, 16, 16, 75, 23, {29, 20}},
        {"centred", true, "OK", 4, 16, 16, 75, 23, {29, 3}},
        {"other value", true, "OK", 9, 16, 16, 75, 23, current},
        {"blank caption", true, "   ", 0, 16, 16, 75, 23, {29, 3}},
        {"empty caption", true, "", 9, 16, 16, 75, 23, {29, 3}},
        {"leading space counts", true, " x", 0, 16, 16, 75, 23, {5, 3}},
        {"wider than the face", true, "", 0, 13, 13, 10, 10, {-1, -1}},
        {"hover picture only", true, "OK", 0, 0, 0, 75, 23, {21, 11}},
    };
    for (const PlaceCase& c : cases)
        EXPECT_EQ(PlacePicture(c.hasPicture, c.caption, c.position, caption, c.pictureWidth,
                               c.pictureHeight, c.width, c.height, current),
                  c.expected)
            << c.name;
}

} // namespace
} // namespace quorvel
