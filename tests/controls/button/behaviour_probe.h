#pragma once

#include "controls/button/button.h"

#include <QImage>

namespace quorvel {

// The behaviour tests' and the hover bench's window into a Button: its interaction state, its
// notification handlers, and whether a step painted. It is the class the control befriends,
// like button_probe.h, so the two are never built into one executable.
class ButtonProbe
{
public:
    explicit ButtonProbe(Button& button) : b(button) { MarkPainted(); }

    // Paints are counted by the face image changing: every paint clears and redraws it, and
    // nothing else writes to it.
    void MarkPainted() { mImageKey = b.mSurface.Image().cacheKey(); }
    bool PaintedSinceMark()
    {
        const bool painted = b.mSurface.Image().cacheKey() != mImageKey;
        MarkPainted();
        return painted;
    }
    const QImage& Face() const { return b.mSurface.Image(); }

    std::uint8_t State() const { return b.mState; }
    bool MouseOver() const { return b.mMouseOver; }
    std::uint8_t LastButton() const { return b.mLastButton; }
    bool RefreshEnabled() const { return b.mRefreshEnabled; }
    bool Capturing() const { return b.mCapturing; }
    std::int32_t Width() const { return b.mWidth; }
    std::int32_t Height() const { return b.mHeight; }
    const platform::Surface* BackDC() const { return b.mBackDC.get(); }
    const QTimer& OverTimer() const { return b.OverTimer; }
    const QCursor& Image1() const { return b.Image1; }
    bool& Capturing() { return b.mCapturing; }

    // The notifications as the host delivers them.
    void MouseDown(short button, short shift, float x, float y)
    {
        b.OnMouseDown(button, shift, x, y);
    }
    void MouseMove(short button, short shift, float x, float y)
    {
        b.OnMouseMove(button, shift, x, y);
    }
    void MouseUp(short button, short shift, float x, float y) { b.OnMouseUp(button, shift, x, y); }
    void Click() { b.OnClick(); }
    void DblClick() { b.OnDblClick(); }
    void KeyDown(short keyCode, short shift) { b.OnKeyDown(keyCode, shift); }
    void AccessKeyPress() { b.OnAccessKeyPress(); }
    void GotFocus() { b.OnGotFocus(); }
    void LostFocus() { b.OnLostFocus(); }
    void OverTimerTick() { b.OnOverTimerTick(); }

    bool IsMouseOver() const { return b.IsMouseOver(); }
    void CaptureBackground() { b.CaptureBackground(); }

private:
    Button& b;
    qint64 mImageKey = 0;
};

} // namespace quorvel
