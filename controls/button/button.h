#pragma once

#include "platform/colour.h"
#include "platform/picture.h"
#include "platform/rect.h"
#include "platform/surface.h"
#include "platform/system_colours.h"
#include "platform/text_renderer.h"

#include <QCursor>
#include <QFont>
#include <QRegion>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

class QShortcut;

namespace quorvel::platform {
class PropertyStore;
} // namespace quorvel::platform

namespace quorvel {

class ButtonProbe;

// An owner-drawn push or check button. Every pixel of its face is painted into a persistent
// off-screen surface by Redraw; the widget's paint event only shows that surface.
//
// The definitions are split by job: button.cpp (construction, the paint event),
// button_colours.cpp, button_primitives.cpp, button_layout.cpp, button_redraw.cpp,
// button_rounded.cpp, button_caption.cpp, render_picture.cpp, button_capture.cpp,
// button_properties.cpp and button_input.cpp.
class Button : public QWidget
{
    Q_OBJECT

public:
    using Colour = platform::Colour;
    using PicturePtr = std::shared_ptr<const platform::Picture>;

    // The background style, whose face is the captured parent background: type 8 carries the
    // recipes that paint over the captured background.
    static constexpr int kBackgroundStyle = 8;
    // A container that is being designed sets this property of itself to false; run time is
    // the default.
    static constexpr char kAmbientUserMode[] = "ambientUserMode";

    explicit Button(QWidget* parent = nullptr);
    ~Button() override;

    // Dependencies, injectable so tests fix the desktop colours and the text metrics. Passing
    // nullptr restores the default (the application palette; Qt's fonts).
    void SetSystemColours(std::shared_ptr<const platform::SystemColours> colours);
    void SetTextRenderer(std::shared_ptr<const platform::TextRenderer> text);
    // The widget directly under the pointer; by default QApplication::widgetAt(QCursor::pos()).
    void SetPointerLookup(std::function<QWidget*()> lookup);

    // Properties.
    Colour BackColor() const;
    void SetBackColor(Colour value);
    Colour BackOver() const;
    void SetBackOver(Colour value);
    Colour ForeColor() const;
    void SetForeColor(Colour value);
    Colour ForeOver() const;
    void SetForeOver(Colour value);
    Colour MaskColor() const;
    void SetMaskColor(Colour value);
    std::int32_t ButtonType() const;
    void SetButtonType(std::int32_t value);
    QString Caption() const;
    void SetCaption(const QString& value);
    bool Enabled() const;
    void SetEnabled(bool value);
    QFont Font() const;
    void SetFont(const QFont& value);
    bool FontBold() const;
    void SetFontBold(bool value);
    bool FontItalic() const;
    void SetFontItalic(bool value);
    bool FontUnderline() const;
    void SetFontUnderline(bool value);
    std::int16_t FontSize() const;
    void SetFontSize(std::int16_t value);
    QString FontName() const;
    void SetFontName(const QString& value);
    std::int32_t ColorScheme() const;
    void SetColorScheme(std::int32_t value);
    std::int32_t MousePointer() const;
    void SetMousePointer(std::int32_t value);
    PicturePtr MouseIcon() const;
    void SetMouseIcon(PicturePtr value);
    bool HandPointer() const;
    void SetHandPointer(bool value);
    quintptr hwnd() const;
    PicturePtr PictureNormal() const;
    void SetPictureNormal(PicturePtr value);
    PicturePtr PictureOver() const;
    void SetPictureOver(PicturePtr value);
    std::int32_t PicturePosition() const;
    void SetPicturePosition(std::int32_t value);
    bool UseMaskColor() const;
    void SetUseMaskColor(bool value);
    bool UseGreyscale() const;
    void SetUseGreyscale(bool value);
    std::int32_t SpecialEffect() const;
    void SetSpecialEffect(std::int32_t value);
    bool CheckBoxBehaviour() const;
    void SetCheckBoxBehaviour(bool value);
    bool Value() const;
    void SetValue(bool value);

    // Methods.
    void DisableRefresh();
    void Refresh();

    // Lifecycle operations that a container calls.
    void InitProperties();
    void ReadProperties(const platform::PropertyStore& store);
    void WriteProperties(platform::PropertyStore& store) const;

Q_SIGNALS:
    // Events. Arguments are references: a handler connected with Qt::DirectConnection may
    // change them, and the control acts on the values it leaves.
    void Click();
    void MouseDown(short& Button, short& Shift, float& X, float& Y);
    void MouseMove(short& Button, short& Shift, float& X, float& Y);
    void MouseUp(short& Button, short& Shift, float& X, float& Y);
    void KeyDown(short& KeyCode, short& Shift);
    // The saved value under this key is out of date.
    void PropertyChanged(const QString& key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class ButtonProbe;

    enum class Face
    {
        Up,
        Down,
        Disabled
    };

    // Lifecycle (button.cpp, button_properties.cpp).
    void Initialize();
    void Resize();
    void Show();
    void Hide();
    void Terminate();
    // Makes the drawing surface mWidth x mHeight; its pixels start black when the size changes.
    void ResizeSurface();

    // Input (button_input.cpp).
    void OnMouseDown(short Button, short Shift, float X, float Y);
    void OnMouseMove(short Button, short Shift, float X, float Y);
    void OnMouseUp(short Button, short Shift, float X, float Y);
    void OnClick();
    void OnDblClick();
    void OnKeyDown(short KeyCode, short Shift);
    void OnAccessKeyPress();
    void OnGotFocus();
    void OnLostFocus();
    void AmbientChanged();
    void OnOverTimerTick();

    // Colours (button_colours.cpp).
    Colour TranslateColor(Colour colour) const;
    static Colour ShiftColor(Colour colour, std::int32_t amount, bool proportionalBlue);
    static Colour TintColor(Colour colour, std::int32_t amount);
    void ComputeColors();

    // Primitives on the drawing surface (button_primitives.cpp). They throw
    // platform::OverflowError when their coordinates leave the 32-bit range; Redraw catches it.
    void DrawRect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, Colour colour,
                  bool frameOnly);
    void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                  Colour colour);
    void DrawBevel(Colour c1, Colour c2, Colour c3, Colour c4, std::int16_t offset, bool outerOnly);
    void PutPixel(std::int32_t x, std::int32_t y, Colour colour);
    // The named bevels and corner pixels of the face recipes.
    void Raised();
    void Sunken();
    void ThinRaised();
    void ThinSunken();
    void Corners(Colour colour);

    // Layout (button_layout.cpp).
    void BuildRegion();
    void MeasurePicture();
    void CalcLayout();
    void PlacePicture();
    void UpdateAccessKey();

    // Painting (button_redraw.cpp, button_rounded.cpp).
    void Redraw(std::uint8_t state, bool force = false);
    void PaintStandardFace(Face face); // types 1 and 4 to 12, and any other value
    void PaintType2(Face face);
    void PaintType3(Face face);
    void Snapshot();
    std::uint8_t CaptionHover() const;

    // Caption and pictures (button_caption.cpp, render_picture.cpp).
    void DrawCaption(std::uint8_t state);
    void DrawCaptionEffect(const platform::Rect& rect);
    void DrawContent(std::uint8_t state);
    void DrawPictureEffect(std::int32_t offset, const PicturePtr& picture);
    void RenderPicture(platform::Surface& destination, std::int32_t x, std::int32_t y,
                       std::int32_t width, std::int32_t height, const platform::Picture& picture,
                       Colour maskColour, Colour solidColour, bool skipLight, bool greyscale);

    // The world outside the control (button_capture.cpp).
    bool IsMouseOver() const;
    void CaptureBackground();

    // Property fields.
    std::int32_t mButtonType = 0;
    std::int32_t mColorScheme = 0;
    std::int32_t mPicturePosition = 0;
    std::int32_t mSpecialEffect = 0;
    Colour mBackColor = 0;
    Colour mBackOver = 0;
    Colour mForeColor = 0;
    Colour mForeOver = 0;
    Colour mMaskColor = 0;
    bool mUseMaskColor = false;
    bool mUseGreyscale = false;
    bool mHandPointer = false;
    PicturePtr mPictureNormal;
    PicturePtr mPictureOver;
    QString mCaption;
    bool mEnabled = false;
    bool mCheckBoxBehaviour = false;
    bool mValue = false;

    // Size and drawing resources.
    std::int32_t mWidth = 0;
    std::int32_t mHeight = 0;
    QRegion mRegion;
    // The captured parent background of the background style, from its first Show on.
    std::unique_ptr<platform::Surface> mBackDC;
    platform::Surface mSurface;

    // Painting switch and interaction state.
    bool mRefreshEnabled = false;
    bool mCapturing = false;
    std::uint8_t mState = 0;
    QString mLastCaption;
    bool mMouseOver = false;
    std::uint8_t mLastButton = 0;

    // The working colour set.
    Colour mFaceColor = 0;
    Colour mLightColor = 0;
    Colour mHighlightColor = 0;
    Colour mShadowColor = 0;
    Colour mDarkShadowColor = 0;
    Colour mTextColor = 0;
    Colour mTextOverColor = 0;
    Colour mHotBorderColor = 0;
    Colour mHotFaceColor = 0;
    Colour mFaceLightColor = 0;
    Colour mMaskRGB = 0;

    // Caption rectangles and picture geometry.
    platform::Rect mCaptionRect;
    platform::Rect mCaptionShiftRect;
    platform::Rect mCaptionTextRect;
    std::int32_t mCaptionHeight = 0;
    std::int32_t mPictureX = 0;
    std::int32_t mPictureY = 0;
    std::int32_t mPictureWidth = 0;
    std::int32_t mPictureHeight = 0;

    // The caption state of the last DrawCaption.
    std::int32_t mCaptionState = 0;
    // The paint in progress drew the caption, so a centred picture may lay it over itself
    // again; captionless faces must not show it.
    bool mCaptionPainted = false;

    // Pointer settings of the window, which Qt keeps only as a QCursor.
    std::int16_t mMousePointer = 0;
    PicturePtr mMouseIcon;

    // Dependencies and the access key shortcut (Alt + key routes to OnAccessKeyPress).
    std::shared_ptr<const platform::SystemColours> mSystemColours;
    std::unique_ptr<QShortcut> mAccessKey;

    // Input state of the widget events: the hover test's pointer lookup, a Space press that
    // clicks on its release, and the release that ends a double click (which clicks no more).
    std::function<QWidget*()> mPointerLookup;
    bool mSpaceDown = false;
    bool mReleaseEndsDoubleClick = false;

    // Child objects.
    QTimer OverTimer;
    QCursor Image1;
};

} // namespace quorvel
