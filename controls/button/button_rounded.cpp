// The face recipes of the rounded types 2 and 3.
#include "controls/button/button.h"
#include "controls/button/face_gradient.h"
#include "platform/checked.h"

namespace quorvel {
namespace {

using platform::CheckedSub;

// Fixed colours of the type 2 face: its frame and corner pixels, and the hover glow.
constexpr Button::Colour kFrame = 0x00733C00;
constexpr Button::Colour kCorner = 0x007B4D10;
constexpr Button::Colour kGlowFrame = 0x0031B2FF;
constexpr Button::Colour kGlowBottom = 0x000096E7;
constexpr Button::Colour kGlowTop = 0x00CEF3FF;
constexpr Button::Colour kGlowSecondRow = 0x008CDBFF;
constexpr Button::Colour kGlowSides = 0x006BCBFF;

} // namespace

void Button::PaintType2(Face face)
{
    const std::int32_t W = mWidth;
    const std::int32_t H = mHeight;
    const std::int32_t W1 = CheckedSub(W, 1);
    const std::int32_t W2 = CheckedSub(W, 2);
    const std::int32_t W3 = CheckedSub(W, 3);
    const std::int32_t H2 = CheckedSub(H, 2);
    const std::int32_t H3 = CheckedSub(H, 3);
    const std::int32_t H4 = CheckedSub(H, 4);
    const Colour FL = mFaceLightColor;
    auto S = [](Colour c, std::int32_t amount) { return ShiftColor(c, amount, true); };

    if (face == Face::Disabled) {
        DrawRect(0, 0, W, H, S(FL, -24), false);
        DrawCaption(5);
        DrawRect(0, 0, W, H, S(FL, -84), true);
        Corners(S(FL, -72));
        DrawContent(2);
        return;
    }

    const float step = GradientStep(H);
    if (face == Face::Up) {
        // The lightest row at the top; row 0 keeps the face fill until the frame covers it.
        // A 64-bit counter, so a height of INT32_MAX ends the loop instead of wrapping.
        for (std::int64_t row = 1; row <= H; ++row) {
            const auto i = static_cast<std::int32_t>(row);
            DrawLine(0, i, W, i, S(FL, GradientAmount(step, i)));
        }
        DrawCaption(CaptionHover());
        DrawRect(0, 0, W, H, kFrame, true);
        Corners(kCorner);
        if (mMouseOver) {
            DrawRect(1, 2, W2, H4, kGlowFrame, true);
            DrawLine(2, H2, W2, H2, kGlowBottom);
            DrawLine(2, 1, W2, 1, kGlowTop);
            DrawLine(1, 2, W1, 2, kGlowSecondRow);
            DrawLine(2, 3, 2, H3, kGlowSides);
            DrawLine(W3, 3, W3, H3, kGlowSides);
        } else {
            DrawLine(2, H2, W2, H2, S(FL, -48));
            DrawLine(1, H3, W2, H3, S(FL, -32));
            DrawLine(W2, 2, W2, H2, S(FL, -36));
            DrawLine(W3, 3, W3, H3, S(FL, -24));
            DrawLine(2, 1, W2, 1, S(FL, +16));
            DrawLine(1, 2, W2, 2, S(FL, +10));
            DrawLine(1, 2, 1, H2, S(FL, -5));
            DrawLine(2, 3, 2, H3, S(FL, -10));
        }
        DrawContent(0);
        return;
    }

    // Down: the gradient reversed on a darker base, darkest at the top.
    const Colour base = S(FL, -32);
    for (std::int64_t counter = 1; counter <= H; ++counter) {
        const auto i = static_cast<std::int32_t>(counter);
        const std::int32_t row = CheckedSub(H, i);
        DrawLine(0, row, W, row, S(base, GradientAmount(step, i)));
    }
    DrawCaption(2);
    DrawRect(0, 0, W, H, kFrame, true);
    Corners(kCorner);
    DrawLine(2, H2, W2, H2, S(base, +16));
    DrawLine(1, H3, W2, H3, S(base, +10));
    DrawLine(W2, 2, W2, H2, S(base, +5));
    DrawLine(W3, 3, W3, H3, FL);
    DrawLine(2, 1, W2, 1, S(base, -32));
    DrawLine(1, 2, W2, 2, S(base, -24));
    DrawLine(1, 2, 1, H2, S(base, -32));
    DrawLine(2, 2, 2, H2, S(base, -22));
    DrawContent(1);
}

void Button::PaintType3(Face face)
{
    const std::int32_t W = mWidth;
    const std::int32_t H = mHeight;
    const std::int32_t W2 = CheckedSub(W, 2);
    const std::int32_t W3 = CheckedSub(W, 3);
    const std::int32_t W4 = CheckedSub(W, 4);
    const std::int32_t H1 = CheckedSub(H, 1);
    const std::int32_t H2 = CheckedSub(H, 2);
    const std::int32_t H3 = CheckedSub(H, 3);
    const std::int32_t H4 = CheckedSub(H, 4);

    if (face != Face::Down) {
        const bool up = face == Face::Up;
        DrawRect(1, 1, W2, H2, mLightColor, false);
        DrawCaption(up ? CaptionHover() : 3);
        DrawRect(0, 0, W, H, mDarkShadowColor, true);
        Corners(mDarkShadowColor);
        // The rasteriser puts this stroke's row-1 pixel on (1, 1), over the corner pixel.
        DrawLine(1, 2, 2, 0, mFaceColor);
        DrawLine(3, 2, W3, 2, mHighlightColor);
        DrawLine(2, 2, 2, H3, mHighlightColor);
        PutPixel(3, 3, mHighlightColor);
        DrawLine(W3, 1, W3, H3, mFaceColor);
        DrawLine(1, H3, W3, H3, mFaceColor);
        PutPixel(W4, H4, mFaceColor);
        DrawLine(W2, 2, W2, H2, mShadowColor);
        DrawLine(2, H2, W2, H2, mShadowColor);
        PutPixel(W3, H3, mShadowColor);
        DrawContent(up ? 0 : 2);
        return;
    }

    auto Sh = [this](std::int32_t amount) { return ShiftColor(mShadowColor, amount, false); };
    DrawRect(1, 1, W2, H2, Sh(-16), false);
    {
        // The pressed caption's effect copies take their base from the face-light colour; it is
        // put back even when the caption is abandoned half-way.
        struct Restore
        {
            Colour& colour;
            Colour value;
            ~Restore() { colour = value; }
        } restore{mFaceLightColor, ShiftColor(mFaceColor, +48, false)};
        mFaceLightColor = Sh(-16);
        DrawCaption(2);
    }
    DrawRect(0, 0, W, H, mDarkShadowColor, true);
    DrawRect(1, 1, W2, H2, Sh(-64), true);
    DrawRect(2, 2, W4, H4, Sh(-32), true);
    PutPixel(2, 2, Sh(-64));
    PutPixel(3, 3, Sh(-32));
    Corners(mDarkShadowColor);
    DrawLine(W3, 1, W3, H3, mShadowColor);
    DrawLine(1, H3, W2, H3, mShadowColor);
    PutPixel(W4, H4, mShadowColor);
    DrawLine(W2, 3, W2, H2, Sh(-16));
    DrawLine(3, H2, W2, H2, Sh(-16));
    // A 45-degree stroke: (W - 2, H - 3) and (W - 3, H - 2); its end is left out.
    DrawLine(W2, H3, W4, H1, Sh(-32));
    PutPixel(2, H2, Sh(-32));
    PutPixel(W2, 2, Sh(-32));
    DrawContent(1);
}

} // namespace quorvel
