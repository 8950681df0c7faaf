// The four drawing primitives of the face painter and the named bevels built from them.
#include "controls/button/button.h"
#include "platform/checked.h"

namespace quorvel {

using platform::CheckedAdd;
using platform::CheckedSub;

void Button::DrawRect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, Colour colour,
                      bool frameOnly)
{
    const platform::Rect rect{x, y, CheckedAdd(x, w), CheckedAdd(y, h)};
    if (frameOnly)
        mSurface.FrameRect(rect, colour);
    else
        mSurface.FillRect(rect, colour);
}

void Button::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                      Colour colour)
{
    mSurface.DrawLine(x1, y1, x2, y2, colour);
}

void Button::DrawBevel(Colour c1, Colour c2, Colour c3, Colour c4, std::int16_t offset,
                       bool outerOnly)
{
    // All corners first, so an overflow abandons the bevel before any stroke is drawn.
    const std::int32_t k = offset < 0 ? -std::int32_t{offset} : offset;
    const std::int32_t R = CheckedAdd(CheckedSub(mWidth, 1), offset);
    const std::int32_t B = CheckedAdd(CheckedSub(mHeight, 1), offset);
    const std::int32_t kLess = CheckedSub(k, 1);
    const std::int32_t kMore = CheckedAdd(k, 1);
    const std::int32_t RLess = CheckedSub(R, 1);
    const std::int32_t BLess = CheckedSub(B, 1);

    // Each stroke leaves out its end pixel, so the later strokes own the shared corners.
    mSurface.MoveTo(k, B);
    mSurface.LineTo(k, k, c1);
    mSurface.LineTo(R, k, c1);
    mSurface.LineTo(R, B, c2);
    mSurface.LineTo(kLess, B, c2);
    mSurface.MoveTo(kMore, BLess);
    if (outerOnly)
        return;
    mSurface.LineTo(kMore, kMore, c3);
    mSurface.LineTo(RLess, kMore, c3);
    mSurface.LineTo(RLess, BLess, c4);
    mSurface.LineTo(k, BLess, c4);
}

void Button::PutPixel(std::int32_t x, std::int32_t y, Colour colour)
{
    mSurface.SetPixel(x, y, colour);
}

void Button::Raised()
{
    DrawBevel(mHighlightColor, mDarkShadowColor, mLightColor, mShadowColor, 0, false);
}

void Button::Sunken()
{
    DrawBevel(mDarkShadowColor, mHighlightColor, mShadowColor, mLightColor, 0, false);
}

void Button::ThinRaised()
{
    DrawBevel(mHighlightColor, mShadowColor, 0, 0, 0, true);
}

void Button::ThinSunken()
{
    DrawBevel(mShadowColor, mHighlightColor, 0, 0, 0, true);
}

void Button::Corners(Colour colour)
{
    const std::int32_t right = CheckedSub(mWidth, 2);
    const std::int32_t bottom = CheckedSub(mHeight, 2);
    PutPixel(1, 1, colour);
    PutPixel(1, bottom, colour);
    PutPixel(right, 1, colour);
    PutPixel(right, bottom, colour);
}

} // namespace quorvel
