// Redraw, the one paint routine, and the face recipes of types 1 and 4 to 12.
#include "controls/button/button.h"
#include "platform/checked.h"

namespace quorvel {
namespace {

// The pressed fill of a hovered type 7 face.
constexpr Button::Colour kType7PressedFill = 0x00F0D0D0;

} // namespace

void Button::Redraw(std::uint8_t state, bool force)
{
    // A check-box button that is on always shows the down face.
    if (mCheckBoxBehaviour && mValue)
        state = 2;
    // Repeated mouse messages in an unchanged state do no work.
    if (!force && mCaption == mLastCaption && state == mState)
        return;
    if (mHeight == 0 || !mRefreshEnabled)
        return;
    mState = state;
    mLastCaption = mCaption;

    mSurface.Clear();
    update();

    // In scheme 2 the whole palette follows BackOver while hovered.
    const bool swapped = mMouseOver && mColorScheme == 2;
    const Colour keptBackColor = mBackColor;
    if (swapped) {
        mBackColor = mBackOver;
        ComputeColors();
    }

    mCaptionPainted = false;
    const Face face = !mEnabled ? Face::Disabled : state == 2 ? Face::Down : Face::Up;
    try {
        DrawRect(0, 0, mWidth, mHeight, mFaceColor, false);
        switch (mButtonType) {
        case 2:
            PaintType2(face);
            break;
        case 3:
            PaintType3(face);
            break;
        default:
            PaintStandardFace(face);
            break;
        }
    } catch (const platform::OverflowError&) {
        // Sizes near the 32-bit limit: the paint is abandoned, never drawn with wrapped values.
    }

    if (swapped) {
        mBackColor = keptBackColor;
        ComputeColors();
    }
}

void Button::PaintStandardFace(Face face)
{
    const bool hover = mMouseOver;
    const std::int32_t W = mWidth;
    const std::int32_t H = mHeight;

    if (mButtonType == kBackgroundStyle) {
        Snapshot();
        DrawCaption(face == Face::Up ? CaptionHover() : face == Face::Down ? 2 : 3);
        DrawContent(face == Face::Up ? 0 : face == Face::Down ? 1 : 2);
        return;
    }

    switch (mButtonType) {
    case 1:
    case 4:
    case 5: {
        const bool full = mButtonType == 1;
        switch (face) {
        case Face::Up:
            DrawCaption(CaptionHover());
            if (full)
                Raised();
            else if (mButtonType == 4 || hover)
                ThinRaised();
            DrawContent(0);
            break;
        case Face::Down:
            DrawCaption(2);
            if (full)
                Sunken();
            else
                ThinSunken();
            DrawContent(1);
            break;
        case Face::Disabled:
            DrawCaption(3);
            if (full)
                Raised();
            else if (mButtonType == 4)
                ThinRaised();
            DrawContent(2);
            break;
        }
        break;
    }
    case 6:
        switch (face) {
        case Face::Up:
            if (hover)
                DrawRect(1, 1, W, H, mHotFaceColor, false);
            DrawCaption(CaptionHover());
            if (hover)
                DrawRect(0, 0, W, H, mHotBorderColor, true);
            DrawContent(0);
            break;
        case Face::Down:
            if (hover) {
                const Colour pressed = mColorScheme == 2 ? ShiftColor(mHotFaceColor, -32, false)
                                                         : TintColor(mHotBorderColor, 128);
                DrawRect(0, 0, W, H, pressed, false);
            }
            DrawCaption(2);
            // Pressed without hover (by the keyboard) keeps the plain face but gets the frame.
            DrawRect(0, 0, W, H, mHotBorderColor, true);
            DrawContent(1);
            break;
        case Face::Disabled:
            DrawCaption(4);
            DrawContent(2);
            break;
        }
        break;
    case 7:
        switch (face) {
        case Face::Up:
            if (hover)
                DrawRect(1, 1, W, H, mHotFaceColor, false);
            DrawCaption(CaptionHover());
            if (hover)
                DrawRect(0, 0, W, H, mHotBorderColor, true);
            else
                ThinRaised();
            DrawContent(0);
            break;
        case Face::Down:
            if (hover)
                DrawRect(0, 0, W, H, kType7PressedFill, false);
            DrawCaption(2);
            ThinSunken();
            DrawContent(1);
            break;
        case Face::Disabled:
            DrawCaption(3);
            ThinRaised();
            DrawContent(2);
            break;
        }
        break;
    case 12:
        // Flat until hovered; pressed and disabled show only the pictures.
        if (face == Face::Up) {
            DrawCaption(CaptionHover());
            if (hover)
                Raised();
            DrawContent(0);
        } else {
            DrawContent(face == Face::Down ? 1 : 2);
        }
        break;
    default:
        // 9, 10, 11 and any other value: the plain face and the pictures.
        DrawContent(face == Face::Up ? 0 : face == Face::Down ? 1 : 2);
        break;
    }
}

void Button::Snapshot()
{
    // Before the first capture there is nothing to copy and the face fill stays.
    if (mBackDC)
        mSurface.CopyFrom(*mBackDC, 0, 0, mWidth, mHeight, 0, 0);
}

std::uint8_t Button::CaptionHover() const
{
    return mMouseOver ? 1 : 0;
}

} // namespace quorvel
