#pragma once

#include "platform/rect.h"

#include <QString>
#include <cstdint>
#include <functional>

namespace quorvel {

// Where the caption goes: the measured block centred in its share of the face, the block
// moved one pixel right and down, and the rectangle the text is drawn in.
struct CaptionLayout
{
    platform::Rect captionRect;
    platform::Rect captionShiftRect;
    platform::Rect captionTextRect;
    std::int32_t captionHeight = 0;

    friend bool operator==(const CaptionLayout&, const CaptionLayout&) = default;
};

// Measures text in a box ("calculate rectangle": left and top stay, right and bottom bound the
// wrapped text).
using CaptionMeasure = std::function<platform::Rect(const platform::Rect& box)>;

// Lays the caption out on a width x height face beside a pictureWidth x pictureHeight picture
// at `position` (0 left of the caption, 1 right, 2 above, 3 below, 4 centred under it). Any
// other position measures in `previousShiftRect` and does no centring.
// Throws platform::OverflowError when the arithmetic leaves the 32-bit range.
CaptionLayout LayoutCaption(std::int32_t width, std::int32_t height, std::int32_t pictureWidth,
                            std::int32_t pictureHeight, std::int32_t position,
                            const platform::Rect& previousShiftRect, const CaptionMeasure& measure);

struct PicturePlace
{
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend bool operator==(const PicturePlace&, const PicturePlace&) = default;
};

// The picture's top-left corner beside the caption block, or centred on the face when the
// caption is blank (only spaces at its end count as blank) or the position is 4. Without any
// picture, or at a position outside 0 to 4 beside a caption, `current` stays.
// Throws platform::OverflowError when the arithmetic leaves the 32-bit range.
PicturePlace PlacePicture(bool hasPicture, const QString& caption, std::int32_t position,
                          const platform::Rect& captionRect, std::int32_t pictureWidth,
                          std::int32_t pictureHeight, std::int32_t width, std::int32_t height,
                          PicturePlace current);

} // namespace quorvel
