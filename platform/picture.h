#pragma once

#include <QImage>
#include <cstdint>
#include <memory>

namespace quorvel::platform {

// Pixels from a size in HiMetric units (0.01 mm, 2540 to the inch) at the given resolution,
// rounded to the nearest integer with ties to the even neighbour.
// Throws OverflowError when the result leaves the 32-bit range.
std::int32_t HiMetricToPixels(std::int32_t hiMetric, std::int32_t pixelsPerInch);

// HiMetric units from pixels, the inverse rounding (ties to even), so converting back at the
// same resolution gives the pixels again.
std::int32_t PixelsToHiMetric(std::int32_t pixels, std::int32_t pixelsPerInch);

// A picture that a control shows: a bitmap or an icon with its size in HiMetric units.
class Picture
{
public:
    enum class Type : int
    {
        Bitmap = 1,
        Icon = 3
    };

    Picture(Type type, QImage image, std::int32_t hiMetricWidth, std::int32_t hiMetricHeight);

    // The size comes from the image's pixels at 96 pixels per inch.
    static std::shared_ptr<const Picture> FromImage(const QImage& image, Type type = Type::Bitmap);

    Type PictureType() const { return mType; }
    const QImage& Image() const { return mImage; }
    std::int32_t HiMetricWidth() const { return mHiMetricWidth; }
    std::int32_t HiMetricHeight() const { return mHiMetricHeight; }

private:
    Type mType;
    QImage mImage;
    std::int32_t mHiMetricWidth;
    std::int32_t mHiMetricHeight;
};

} // namespace quorvel::platform
