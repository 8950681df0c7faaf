// Caption rectangles and the picture position beside the caption.
#include "controls/button/caption_layout.h"

#include "platform/checked.h"

namespace quorvel {
namespace {

using platform::CheckedAdd;
using platform::CheckedDiv;
using platform::CheckedSub;
using platform::Rect;

Rect Moved(const Rect& r, std::int32_t dx, std::int32_t dy)
{
    return {CheckedAdd(r.left, dx), CheckedAdd(r.top, dy), CheckedAdd(r.right, dx),
            CheckedAdd(r.bottom, dy)};
}

bool IsBlank(const QString& caption)
{
    qsizetype end = caption.size();
    while (end > 0 && caption.at(end - 1) == u' ')
        --end;
    return end == 0;
}

} // namespace

CaptionLayout LayoutCaption(std::int32_t W, std::int32_t H, std::int32_t pw, std::int32_t ph,
                            std::int32_t position, const Rect& previousShiftRect,
                            const CaptionMeasure& measure)
{
    Rect box = previousShiftRect;
    const std::int32_t right = CheckedSub(W, 2);
    const std::int32_t bottom = CheckedSub(H, 2);
    switch (position) {
    case 0:
        box = {CheckedAdd(pw, 1), 1, right, bottom};
        break;
    case 1:
        box = {1, 1, CheckedSub(right, pw), bottom};
        break;
    case 2:
        box = {1, CheckedAdd(ph, 1), right, bottom};
        break;
    case 3:
        box = {1, 1, right, CheckedSub(bottom, ph)};
        break;
    case 4:
        box = {1, 1, right, bottom};
        break;
    default:
        break;
    }

    const Rect measured = measure(box);
    CaptionLayout layout;
    layout.captionHeight = platform::CheckedNarrow32(measured.Height());

    const std::int32_t centreX = CheckedDiv(CheckedSub(W, measured.right), 2);
    const std::int32_t centreY = CheckedDiv(CheckedSub(H, measured.bottom), 2);
    std::int32_t dx = 0;
    std::int32_t dy = 0;
    switch (position) {
    case 0:
    case 2:
    case 4:
        dx = centreX;
        dy = centreY;
        break;
    case 1:
        dx = CheckedDiv(CheckedSub(CheckedSub(CheckedSub(W, measured.right), pw), 4), 2);
        dy = centreY;
        break;
    case 3:
        dx = centreX;
        dy = CheckedDiv(CheckedSub(CheckedSub(CheckedSub(H, measured.bottom), ph), 4), 2);
        break;
    default:
        break;
    }
    layout.captionRect = Moved(measured, dx, dy);
    layout.captionShiftRect = Moved(layout.captionRect, 1, 1);
    layout.captionTextRect = layout.captionShiftRect;
    if (position == 2) {
        // With the picture above, the text sits on the bottom edge.
        layout.captionTextRect.bottom = bottom;
        layout.captionTextRect.top = CheckedSub(bottom, layout.captionHeight);
    }
    return layout;
}

PicturePlace PlacePicture(bool hasPicture, const QString& caption, std::int32_t position,
                          const Rect& captionRect, std::int32_t w, std::int32_t h, std::int32_t W,
                          std::int32_t H, PicturePlace current)
{
    if (!hasPicture)
        return current;
    const std::int32_t centredX = CheckedDiv(CheckedSub(W, w), 2);
    const std::int32_t centredY = CheckedDiv(CheckedSub(H, h), 2);
    if (IsBlank(caption) || position == 4)
        return {centredX, centredY};
    switch (position) {
    case 0:
        return {CheckedSub(CheckedSub(captionRect.left, w), 4), centredY};
    case 1:
        return {CheckedAdd(captionRect.right, 4), centredY};
    case 2:
        return {centredX, CheckedSub(CheckedSub(captionRect.top, h), 2)};
    case 3:
        return {centredX, CheckedAdd(captionRect.bottom, 2)};
    default:
        return current;
    }
}

} // namespace quorvel
