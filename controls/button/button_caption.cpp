// Caption drawing with its effects, and the picture composition for each face state.
#include "controls/button/button.h"
#include "platform/checked.h"

namespace quorvel {
namespace {

using platform::CheckedAdd;

platform::Rect Moved(const platform::Rect& r, std::int32_t dx, std::int32_t dy)
{
    return {CheckedAdd(r.left, dx), CheckedAdd(r.top, dy), CheckedAdd(r.right, dx),
            CheckedAdd(r.bottom, dy)};
}

constexpr Button::Colour kNoSolid = -1;

} // namespace

void Button::DrawCaption(std::uint8_t state)
{
    mCaptionState = state;
    mCaptionPainted = true;
    switch (state) {
    case 0:
        DrawCaptionEffect(mCaptionRect);
        mSurface.SetTextColour(mTextColor);
        break;
    case 1:
        DrawCaptionEffect(mCaptionRect);
        mSurface.SetTextColour(mTextOverColor);
        break;
    case 2:
        DrawCaptionEffect(mCaptionShiftRect);
        mSurface.SetTextColour(mButtonType == 3 ? mLightColor : mTextOverColor);
        break;
    case 3:
        // Engraved: a highlight pass one pixel right and down, the text over it in shadow.
        mSurface.SetTextColour(mHighlightColor);
        mSurface.DrawText(mCaption, mCaptionShiftRect);
        mSurface.SetTextColour(mShadowColor);
        break;
    case 4:
        mSurface.SetTextColour(mShadowColor);
        break;
    case 5:
        mSurface.SetTextColour(ShiftColor(mFaceLightColor, -104, true));
        break;
    default:
        break; // the text colour of the last caption stays
    }
    mSurface.DrawText(mCaption, mCaptionTextRect);
}

void Button::DrawCaptionEffect(const platform::Rect& rect)
{
    if (mSpecialEffect <= 0)
        return;
    platform::Rect copy = Moved(rect, 1, 1);

    Colour base = mFaceColor;
    if (mButtonType == 3 || mButtonType == 4)
        base = mFaceLightColor;
    else if (mState == 0 && mMouseOver && mColorScheme != 2 && mButtonType == 6)
        base = mHotFaceColor;

    // Effect 2 (sunken) puts the light copy right-below; the others put the dark one there.
    const bool sunken = mSpecialEffect == 2;
    mSurface.SetTextColour(ShiftColor(base, sunken ? +40 : -40, false));
    mSurface.DrawText(mCaption, copy);
    if (mSpecialEffect < 3) {
        copy = Moved(copy, -2, -2);
        mSurface.SetTextColour(ShiftColor(base, sunken ? -40 : +40, false));
        mSurface.DrawText(mCaption, copy);
    }
}

void Button::DrawContent(std::uint8_t state)
{
    if (!mPictureNormal)
        return;
    const platform::Picture& normal = *mPictureNormal;
    const std::int32_t x = mPictureX;
    const std::int32_t y = mPictureY;
    const std::int32_t w = mPictureWidth;
    const std::int32_t h = mPictureHeight;
    const std::int32_t xIn = CheckedAdd(x, 1);
    const std::int32_t yIn = CheckedAdd(y, 1);
    auto inColour = [&](const platform::Picture& picture, std::int32_t px, std::int32_t py) {
        RenderPicture(mSurface, px, py, w, h, picture, mMaskRGB, kNoSolid, false, false);
    };
    auto silhouette = [&](std::int32_t px, std::int32_t py, Colour colour, bool darkOnly) {
        RenderPicture(mSurface, px, py, w, h, normal, mMaskRGB, colour, darkOnly, false);
    };

    switch (state) {
    case 0:
        if (!mMouseOver) {
            DrawPictureEffect(0, mPictureNormal);
            RenderPicture(mSurface, x, y, w, h, normal, mMaskRGB, kNoSolid, false, mUseGreyscale);
        } else if (mButtonType == 6 || mButtonType == 7) {
            // Lifted off its own shadow.
            DrawPictureEffect(-1, mPictureNormal);
            silhouette(xIn, yIn, mShadowColor, false);
            inColour(normal, CheckedAdd(x, -1), CheckedAdd(y, -1));
        } else if (mPictureOver && !mCheckBoxBehaviour) {
            DrawPictureEffect(0, mPictureOver);
            inColour(*mPictureOver, x, y);
        } else {
            DrawPictureEffect(0, mPictureNormal);
            inColour(normal, x, y);
        }
        break;
    case 1:
        if (mPictureOver && mButtonType != 6) {
            inColour(*mPictureOver, xIn, yIn);
        } else if (mButtonType == 9) {
            DrawPictureEffect(0, mPictureNormal);
            inColour(normal, x, y);
        } else {
            DrawPictureEffect(1, mPictureNormal);
            inColour(normal, xIn, yIn);
        }
        break;
    case 2:
        if (mButtonType == 3) {
            RenderPicture(mSurface, xIn, yIn, w, h, normal, mMaskRGB, kNoSolid, false, true);
        } else if (mButtonType == 9 || mButtonType == 10) {
            silhouette(x, y, mShadowColor, true);
        } else {
            // Etched: the dark pixels in highlight, and in shadow one pixel up and left.
            silhouette(xIn, yIn, mHighlightColor, true);
            silhouette(x, y, mShadowColor, true);
        }
        break;
    default:
        break;
    }

    if (mPicturePosition == 4 && mCaptionPainted) {
        // The caption lies over the centred picture, in the colours of the state just painted.
        DrawCaption(static_cast<std::uint8_t>(mCaptionState));
    }
}

void Button::DrawPictureEffect(std::int32_t offset, const PicturePtr& picture)
{
    if (mSpecialEffect <= 0 || !picture)
        return;
    Colour base = mFaceColor;
    if (mButtonType == 2)
        base = mFaceLightColor;
    else if (offset == -1 && mColorScheme != 2)
        base = mHotFaceColor;

    const bool sunken = mSpecialEffect == 2;
    const std::int32_t near = CheckedAdd(1, offset);
    RenderPicture(mSurface, CheckedAdd(mPictureX, near), CheckedAdd(mPictureY, near), mPictureWidth,
                  mPictureHeight, *picture, mMaskRGB, ShiftColor(base, sunken ? +40 : -40, false),
                  false, false);
    if (mSpecialEffect < 3) {
        const std::int32_t far = CheckedAdd(-1, offset);
        RenderPicture(mSurface, CheckedAdd(mPictureX, far), CheckedAdd(mPictureY, far),
                      mPictureWidth, mPictureHeight, *picture, mMaskRGB,
                      ShiftColor(base, sunken ? -40 : +40, false), false, false);
    }
}

} // namespace quorvel
