// Picture objects and the HiMetric conversions.
#include "platform/picture.h"

#include "platform/checked.h"

namespace quorvel::platform {
namespace {

constexpr std::int64_t kHiMetricPerInch = 2540;

// numerator / denominator (denominator > 0) rounded to nearest, ties to even.
std::int64_t DivideRoundEven(std::int64_t numerator, std::int64_t denominator)
{
    std::int64_t quotient = numerator / denominator;
    std::int64_t remainder = numerator % denominator;
    if (remainder < 0) {
        remainder += denominator;
        --quotient; // floor division
    }
    const std::int64_t twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

} // namespace

std::int32_t HiMetricToPixels(std::int32_t hiMetric, std::int32_t pixelsPerInch)
{
    return CheckedNarrow32(
        DivideRoundEven(std::int64_t{hiMetric} * pixelsPerInch, kHiMetricPerInch));
}

std::int32_t PixelsToHiMetric(std::int32_t pixels, std::int32_t pixelsPerInch)
{
    if (pixelsPerInch <= 0)
        throw OverflowError();
    return CheckedNarrow32(DivideRoundEven(std::int64_t{pixels} * kHiMetricPerInch, pixelsPerInch));
}

Picture::Picture(Type type, QImage image, std::int32_t hiMetricWidth, std::int32_t hiMetricHeight)
    : mType(type), mImage(std::move(image)), mHiMetricWidth(hiMetricWidth),
      mHiMetricHeight(hiMetricHeight)
{
}

std::shared_ptr<const Picture> Picture::FromImage(const QImage& image, Type type)
{
    return std::make_shared<const Picture>(type, image, PixelsToHiMetric(image.width(), 96),
                                           PixelsToHiMetric(image.height(), 96));
}

} // namespace quorvel::platform
