// Checked 32-bit arithmetic and the HiMetric conversions of picture sizes.
#include "platform/checked.h"
#include "platform/picture.h"

#include <QImage>
#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace quorvel::platform {
namespace {

TEST(CheckedArithmetic, ResultsInRangeAndOverflows)
{
    EXPECT_EQ(CheckedAdd(INT_MAX - 1, 1), INT_MAX);
    EXPECT_EQ(CheckedSub(INT_MIN + 1, 1), INT_MIN);
    EXPECT_EQ(CheckedMul(-65536, 32768), INT_MIN);
    EXPECT_EQ(CheckedDiv(-7, 2), -3); // truncates toward zero
    EXPECT_EQ(CheckedNarrow16(-32768), -32768);

    EXPECT_THROW(CheckedAdd(INT_MAX, 1), OverflowError);
    EXPECT_THROW(CheckedSub(INT_MIN, 1), OverflowError);
    EXPECT_THROW(CheckedMul(65536, 32768), OverflowError);
    EXPECT_THROW(CheckedDiv(INT_MIN, -1), OverflowError);
    EXPECT_THROW(CheckedDiv(1, 0), OverflowError);
    EXPECT_THROW(CheckedNarrow16(32768), OverflowError);
    EXPECT_THROW(CheckedNarrow32(std::int64_t{INT_MAX} + 1), OverflowError);
}

struct HiMetricCase
{
    std::int32_t hiMetric;
    std::int32_t pixelsPerInch;
    std::int32_t pixels;
};

TEST(HiMetric, ToPixelsRoundsHalvesToEven)
{
    const std::vector<HiMetricCase> cases{
        {2540, 96, 96},
        {423, 96, 16},
        {0, 96, 0},
        {-423, 96, -16},
        // At 254 pixels per inch one pixel is 10 units, so 5, 15 and 25 are exact halves.
        {5, 254, 0},
        {15, 254, 2},
        {25, 254, 2},
        {35, 254, 4},
        {-5, 254, 0},
        {-15, 254, -2},
        {14, 254, 1},
        {16, 254, 2},
    };
    for (const HiMetricCase& c : cases)
        EXPECT_EQ(HiMetricToPixels(c.hiMetric, c.pixelsPerInch), c.pixels)
            << c.hiMetric << " at " << c.pixelsPerInch;
}

TEST(HiMetric, OutOfRangeIsAnOverflow)
{
    EXPECT_THROW(HiMetricToPixels(INT_MAX, 5080), OverflowError);
    EXPECT_THROW(PixelsToHiMetric(INT_MAX, 96), OverflowError);
}

TEST(HiMetric, PictureFromImageConvertsBackToItsPixels)
{
    for (int size : {1, 16, 17, 32, 75, 1000}) {
        const auto picture = Picture::FromImage(QImage(size, size + 1, QImage::Format_RGB32));
        EXPECT_EQ(HiMetricToPixels(picture->HiMetricWidth(), 96), size);
        EXPECT_EQ(HiMetricToPixels(picture->HiMetricHeight(), 96), size + 1);
    }
    EXPECT_EQ(Picture::FromImage(QImage(16, 16, QImage::Format_RGB32))->HiMetricWidth(), 423);
}

} // namespace
} // namespace quorvel::platform
