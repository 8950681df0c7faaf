// The window shape of a button.
#include "controls/button/shape_region.h"

#include <QRect>

namespace quorvel {
namespace {

// Right and bottom exclusive, as the cuts are written.
QRect Span(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom)
{
    return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                 static_cast<int>(bottom - top));
}

} // namespace

QRegion ButtonShape(std::int32_t width, std::int32_t height, std::int32_t buttonType)
{
    if (width <= 0 || height <= 0)
        return QRegion();
    QRegion shape(0, 0, width, height);
    if (buttonType != 2 && buttonType != 3)
        return shape;
    const std::int64_t W = width;
    const std::int64_t H = height;
    for (const QRect& cut : {Span(0, 0, 2, 1), Span(0, H - 1, 2, H), Span(W - 2, 0, W, 1),
                             Span(W - 2, H - 1, W, H), Span(0, 1, 1, 2), Span(0, H - 2, 1, H - 1),
                             Span(W - 1, 1, W, 2), Span(W - 1, H - 2, W, H - 1)})
        shape -= QRegion(cut);
    return shape;
}

} // namespace quorvel
