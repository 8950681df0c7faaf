#pragma once

#include "controls/button/button.h"

namespace quorvel {

// The tests' window into a Button's private state. The control befriends this class; it is
// defined only here, so production code cannot reach past the public interface.
class ButtonProbe
{
public:
    explicit ButtonProbe(Button& button) : b(button) {}

    // Size the control's state and surface without going through the resize handling.
    void SetSize(std::int32_t width, std::int32_t height)
    {
        b.mWidth = width;
        b.mHeight = height;
        b.ResizeSurface();
    }
    platform::Surface& Surface() { return b.mSurface; }

    // Property fields.
    std::int32_t& ButtonType() { return b.mButtonType; }
    std::int32_t& ColorScheme() { return b.mColorScheme; }
    std::int32_t& PicturePosition() { return b.mPicturePosition; }
    std::int32_t& SpecialEffect() { return b.mSpecialEffect; }
    platform::Colour& BackColor() { return b.mBackColor; }
    platform::Colour& BackOver() { return b.mBackOver; }
    platform::Colour& ForeColor() { return b.mForeColor; }
    platform::Colour& ForeOver() { return b.mForeOver; }
    platform::Colour& MaskColor() { return b.mMaskColor; }
    bool& UseMaskColor() { return b.mUseMaskColor; }
    bool& UseGreyscale() { return b.mUseGreyscale; }
    bool& HandPointer() { return b.mHandPointer; }
    Button::PicturePtr& PictureNormal() { return b.mPictureNormal; }
    Button::PicturePtr& PictureOver() { return b.mPictureOver; }
    QString& Caption() { return b.mCaption; }
    bool& Enabled() { return b.mEnabled; }
    bool& CheckBoxBehaviour() { return b.mCheckBoxBehaviour; }
    bool& Value() { return b.mValue; }

    // Size, resources and state.
    std::int32_t Width() const { return b.mWidth; }
    std::int32_t Height() const { return b.mHeight; }
    const QRegion& Region() const { return b.mRegion; }
    std::unique_ptr<platform::Surface>& BackDC() { return b.mBackDC; }
    bool& RefreshEnabled() { return b.mRefreshEnabled; }
    bool& Capturing() { return b.mCapturing; }
    std::uint8_t& State() { return b.mState; }
    QString& LastCaption() { return b.mLastCaption; }
    bool& MouseOver() { return b.mMouseOver; }
    std::uint8_t& LastButton() { return b.mLastButton; }
    QTimer& OverTimer() { return b.OverTimer; }
    const QCursor& Image1() const { return b.Image1; }
    QShortcut* AccessKey() const { return b.mAccessKey.get(); }

    // Working colour set.
    platform::Colour& FaceColor() { return b.mFaceColor; }
    platform::Colour& LightColor() { return b.mLightColor; }
    platform::Colour& HighlightColor() { return b.mHighlightColor; }
    platform::Colour& ShadowColor() { return b.mShadowColor; }
    platform::Colour& DarkShadowColor() { return b.mDarkShadowColor; }
    platform::Colour& TextColor() { return b.mTextColor; }
    platform::Colour& TextOverColor() { return b.mTextOverColor; }
    platform::Colour& HotBorderColor() { return b.mHotBorderColor; }
    platform::Colour& HotFaceColor() { return b.mHotFaceColor; }
    platform::Colour& FaceLightColor() { return b.mFaceLightColor; }
    platform::Colour& MaskRGB() { return b.mMaskRGB; }

    // Layout.
    platform::Rect& CaptionRect() { return b.mCaptionRect; }
    platform::Rect& CaptionShiftRect() { return b.mCaptionShiftRect; }
    platform::Rect& CaptionTextRect() { return b.mCaptionTextRect; }
    std::int32_t& CaptionHeight() { return b.mCaptionHeight; }
    std::int32_t& PictureX() { return b.mPictureX; }
    std::int32_t& PictureY() { return b.mPictureY; }
    std::int32_t& PictureWidth() { return b.mPictureWidth; }
    std::int32_t& PictureHeight() { return b.mPictureHeight; }
    std::int32_t& CaptionState() { return b.mCaptionState; }

    // Procedures.
    void ComputeColors() { b.ComputeColors(); }
    void DrawRect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                  platform::Colour colour, bool frameOnly)
    {
        b.DrawRect(x, y, w, h, colour, frameOnly);
    }
    void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                  platform::Colour colour)
    {
        b.DrawLine(x1, y1, x2, y2, colour);
    }
    void DrawBevel(platform::Colour c1, platform::Colour c2, platform::Colour c3,
                   platform::Colour c4, std::int16_t offset, bool outerOnly)
    {
        b.DrawBevel(c1, c2, c3, c4, offset, outerOnly);
    }
    void PutPixel(std::int32_t x, std::int32_t y, platform::Colour colour)
    {
        b.PutPixel(x, y, colour);
    }
    void Corners(platform::Colour colour) { b.Corners(colour); }
    void BuildRegion() { b.BuildRegion(); }
    void MeasurePicture() { b.MeasurePicture(); }
    void CalcLayout() { b.CalcLayout(); }
    void UpdateAccessKey() { b.UpdateAccessKey(); }

    // Painting.
    void Redraw(std::uint8_t state, bool force) { b.Redraw(state, force); }
    void DrawCaption(std::uint8_t state) { b.DrawCaption(state); }
    void DrawContent(std::uint8_t state) { b.DrawContent(state); }
    void RenderPicture(platform::Surface& destination, std::int32_t x, std::int32_t y,
                       std::int32_t width, std::int32_t height, const platform::Picture& picture,
                       platform::Colour maskColour, platform::Colour solidColour, bool skipLight,
                       bool greyscale)
    {
        b.RenderPicture(destination, x, y, width, height, picture, maskColour, solidColour,
                        skipLight, greyscale);
    }

private:
    Button& b;
};

} // namespace quorvel
