// Picture pixels onto a surface: mask colour, silhouettes and greyscale.
#include "controls/button/render_picture.h"

#include "controls/button/button.h"
#include "platform/checked.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace quorvel {

std::uint8_t GreyLevel(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    // The order of the roundings is part of the result: red is rounded on its own first.
    const double t = std::nearbyint(red * 0.3);
    const double s = (green * 0.59 + t) + blue * 0.11;
    return static_cast<std::uint8_t>(std::nearbyint(s));
}

void ComposePicture(std::vector<std::uint8_t>& background, const std::vector<std::uint8_t>& picture,
                    std::int32_t width, std::int32_t height, std::int32_t coveredWidth,
                    std::int32_t coveredHeight, const PictureRules& rules)
{
    if (width <= 0 || height <= 0)
        return;
    const std::int32_t stride = platform::Surface::Dib24Stride(width);
    const auto size = static_cast<std::size_t>(platform::CheckedMul(stride, height));
    if (background.size() < size || picture.size() < size)
        return;
    const std::int32_t columns = std::clamp(coveredWidth, 0, width);
    const std::int32_t rows = std::clamp(coveredHeight, 0, height);
    const bool solid = rules.solid >= 0;
    const auto solidBlue = static_cast<std::uint8_t>(platform::BlueOf(rules.solid));
    const auto solidGreen = static_cast<std::uint8_t>(platform::GreenOf(rules.solid));
    const auto solidRed = static_cast<std::uint8_t>(platform::RedOf(rules.solid));

    // Bottom-up: the covered top rows are the last `rows` rows of the block.
    for (std::int32_t r = height - rows; r < height; ++r) {
        const std::size_t rowStart = static_cast<std::size_t>(r) * stride;
        for (std::int32_t c = 0; c < columns; ++c) {
            const std::size_t at = rowStart + 3 * static_cast<std::size_t>(c);
            const std::uint8_t B = picture[at];
            const std::uint8_t G = picture[at + 1];
            const std::uint8_t R = picture[at + 2];
            // A true-colour surface shows every colour as it is, so the mask test is exact.
            if (platform::PackColour(R, G, B) == rules.mask)
                continue;
            std::uint8_t* out = background.data() + at;
            if (solid) {
                if (rules.skipLight && R + G + B > 384)
                    continue;
                out[0] = solidBlue;
                out[1] = solidGreen;
                out[2] = solidRed;
            } else if (rules.greyscale) {
                const std::uint8_t g = GreyLevel(R, G, B);
                out[0] = out[1] = out[2] = g;
            } else {
                out[0] = B;
                out[1] = G;
                out[2] = R;
            }
        }
    }
}

void Button::RenderPicture(platform::Surface& destination, std::int32_t x, std::int32_t y,
                           std::int32_t width, std::int32_t height,
                           const platform::Picture& picture, Colour maskColour, Colour solidColour,
                           bool skipLight, bool greyscale)
{
    if (width == 0 || height == 0)
        return;
    if (width < 0)
        width = platform::HiMetricToPixels(picture.HiMetricWidth(), logicalDpiX());
    if (height < 0)
        height = platform::HiMetricToPixels(picture.HiMetricHeight(), logicalDpiY());
    if (width <= 0 || height <= 0)
        return;

    // Only the part of the area on the destination can change, so the work (and the memory)
    // is bounded by the surface however large the area is.
    const std::int64_t left = std::max<std::int64_t>(x, 0);
    const std::int64_t top = std::max<std::int64_t>(y, 0);
    const std::int64_t right = std::min<std::int64_t>(std::int64_t{x} + width, destination.Width());
    const std::int64_t bottom =
        std::min<std::int64_t>(std::int64_t{y} + height, destination.Height());
    if (right <= left || bottom <= top)
        return;
    const auto blockX = static_cast<std::int32_t>(left);
    const auto blockY = static_cast<std::int32_t>(top);
    const auto blockWidth = static_cast<std::int32_t>(right - left);
    const auto blockHeight = static_cast<std::int32_t>(bottom - top);
    // Where the block starts inside the picture.
    const auto pictureX = static_cast<std::int32_t>(left - x);
    const auto pictureY = static_cast<std::int32_t>(top - y);

    std::vector<std::uint8_t> pictureBlock;
    std::int32_t coveredWidth = blockWidth;
    std::int32_t coveredHeight = blockHeight;
    if (picture.PictureType() == platform::Picture::Type::Bitmap) {
        const platform::Surface source(picture.Image());
        pictureBlock = source.ReadDib24(pictureX, pictureY, blockWidth, blockHeight);
        coveredWidth = std::clamp(source.Width() - pictureX, 0, blockWidth);
        coveredHeight = std::clamp(source.Height() - pictureY, 0, blockHeight);
    } else {
        // An icon is drawn at its own size on a box of the mask colour, which the mask test
        // then removes again; without the mask the box shows.
        QImage box(blockWidth, blockHeight, QImage::Format_RGB32);
        box.fill(platform::ToQRgb(mMaskRGB));
        {
            QPainter painter(&box);
            painter.drawImage(-pictureX, -pictureY, picture.Image());
        }
        pictureBlock = platform::Surface(box).ReadDib24(0, 0, blockWidth, blockHeight);
    }
    std::vector<std::uint8_t> backgroundBlock =
        destination.ReadDib24(blockX, blockY, blockWidth, blockHeight);

    PictureRules rules;
    rules.mask = mUseMaskColor ? maskColour : -1;
    rules.solid = solidColour < 0 ? -1 : solidColour;
    rules.skipLight = skipLight;
    rules.greyscale = greyscale;
    ComposePicture(backgroundBlock, pictureBlock, blockWidth, blockHeight, coveredWidth,
                   coveredHeight, rules);
    destination.WriteDib24(blockX, blockY, blockWidth, blockHeight, backgroundBlock);
}

} // namespace quorvel
