// Properties, the DisableRefresh and Refresh methods, saved settings and the lifecycle
// operations with the widget events that drive them.
#include "controls/button/button.h"
#include "controls/button/pointer_shape.h"
#include "platform/checked.h"
#include "platform/property_store.h"

#include <QEvent>
#include <QPixmap>
#include <QPointer>
#include <QVariant>
#include <cmath>
#include <functional>
#include <stdexcept>

namespace quorvel {
namespace {

using platform::PropertyStore;

// A container that is being designed says so with this property set to false; without it the
// container runs.
bool AmbientUserMode(const QWidget& control)
{
    const QWidget* container = control.parentWidget();
    if (!container)
        return true;
    const QVariant mode = container->property(Button::kAmbientUserMode);
    return !mode.isValid() || mode.toBool();
}

// Shows the pointer that a shape code and a custom picture give.
void ApplyPointer(QWidget& widget, std::int16_t code, const Button::PicturePtr& icon)
{
    if (code == kPointerCustom) {
        if (!icon || icon->Image().isNull()) {
            widget.unsetCursor();
            return;
        }
        const QPixmap pixmap = QPixmap::fromImage(icon->Image());
        const std::optional<QPoint> hotSpot = PropertyStore::PictureHotSpot(*icon);
        widget.setCursor(hotSpot ? QCursor(pixmap, hotSpot->x(), hotSpot->y()) : QCursor(pixmap));
        return;
    }
    if (const std::optional<Qt::CursorShape> shape = StandardPointerShape(code))
        widget.setCursor(*shape);
    else
        widget.unsetCursor();
}

// The hand cursor as a picture, for the MouseIcon that HandPointer sets.
Button::PicturePtr CursorPicture(const QCursor& cursor)
{
    const QPixmap pixmap = cursor.pixmap();
    if (pixmap.isNull())
        return nullptr;
    return platform::Picture::FromImage(
        PropertyStore::WithHotSpot(pixmap.toImage(), cursor.hotSpot()),
        platform::Picture::Type::Icon);
}

// Passes the container's font changes on as ambient changes: the control holds a font of its
// own, so they do not reach it by propagation (palette changes do, through changeEvent). A child
// of the control, so it goes with it.
class ContainerWatcher : public QObject
{
public:
    ContainerWatcher(QObject* owner, QWidget* container, std::function<void()> changed)
        : QObject(owner), mContainer(container), mChanged(std::move(changed))
    {
        setObjectName(QString::fromLatin1(kName));
        container->installEventFilter(this);
    }
    ~ContainerWatcher() override
    {
        if (mContainer)
            mContainer->removeEventFilter(this);
    }

    QWidget* Container() const { return mContainer; }

    static constexpr char kName[] = "quorvel.containerWatcher";

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == mContainer && event->type() == QEvent::FontChange)
            mChanged();
        return false;
    }

private:
    QPointer<QWidget> mContainer;
    std::function<void()> mChanged;
};

} // namespace

Button::Colour Button::BackColor() const
{
    return mBackColor;
}

void Button::SetBackColor(Colour value)
{
    mBackColor = value;
    if (!AmbientUserMode(*this))
        mBackOver = value;
    ComputeColors();
    Redraw(mState, true);
    Q_EMIT PropertyChanged(QStringLiteral("BCOL"));
}

Button::Colour Button::BackOver() const
{
    return mBackOver;
}

void Button::SetBackOver(Colour value)
{
    mBackOver = value;
    ComputeColors();
    Redraw(mState, true);
    Q_EMIT PropertyChanged(QStringLiteral("BCOLO"));
}

Button::Colour Button::ForeColor() const
{
    return mForeColor;
}

void Button::SetForeColor(Colour value)
{
    mForeColor = value;
    if (!AmbientUserMode(*this))
        mForeOver = value;
    ComputeColors();
    Redraw(mState, true);
    Q_EMIT PropertyChanged(QStringLiteral("FCOL"));
}

Button::Colour Button::ForeOver() const
{
    return mForeOver;
}

void Button::SetForeOver(Colour value)
{
    mForeOver = value;
    ComputeColors();
    Redraw(mState, true);
    Q_EMIT PropertyChanged(QStringLiteral("FCOLO"));
}

Button::Colour Button::MaskColor() const
{
    return mMaskColor;
}

void Button::SetMaskColor(Colour value)
{
    mMaskColor = value;
    ComputeColors();
    Redraw(mState, true);
    Q_EMIT PropertyChanged(QStringLiteral("MCOL"));
}

std::int32_t Button::ButtonType() const
{
    return mButtonType;
}

void Button::SetButtonType(std::int32_t value)
{
    mButtonType = value;
    if (mButtonType == kBackgroundStyle && mRefreshEnabled)
        CaptureBackground();
    Resize();
    Q_EMIT PropertyChanged(QStringLiteral("BTYPE"));
}

QString Button::Caption() const
{
    return mCaption;
}

void Button::SetCaption(const QString& value)
{
    mCaption = value;
    UpdateAccessKey();
    CalcLayout();
    Redraw(0, true);
    Q_EMIT PropertyChanged(QStringLiteral("TX"));
}

bool Button::Enabled() const
{
    return mEnabled;
}

void Button::SetEnabled(bool value)
{
    mEnabled = value;
    Redraw(0, true);
    setEnabled(value);
    Q_EMIT PropertyChanged(QStringLiteral("ENAB"));
}

QFont Button::Font() const
{
    return font();
}

void Button::SetFont(const QFont& value)
{
    setFont(value);
    CalcLayout();
    Redraw(0, true);
    Q_EMIT PropertyChanged(QStringLiteral("FONT"));
}

bool Button::FontBold() const
{
    return font().bold();
}

void Button::SetFontBold(bool value)
{
    QFont changed = font();
    changed.setBold(value);
    setFont(changed);
    CalcLayout();
    Redraw(0, true);
}

bool Button::FontItalic() const
{
    return font().italic();
}

void Button::SetFontItalic(bool value)
{
    QFont changed = font();
    changed.setItalic(value);
    setFont(changed);
    CalcLayout();
    Redraw(0, true);
}

bool Button::FontUnderline() const
{
    return font().underline();
}

void Button::SetFontUnderline(bool value)
{
    QFont changed = font();
    changed.setUnderline(value);
    setFont(changed);
    CalcLayout();
    Redraw(0, true);
}

std::int16_t Button::FontSize() const
{
    double points = font().pointSizeF();
    if (points <= 0) // a font sized in pixels
        points = font().pixelSize() * 72.0 / logicalDpiY();
    if (!(std::fabs(points) <= INT16_MAX))
        throw platform::OverflowError();
    // Whole points, halves to the even neighbour (the default rounding mode).
    return static_cast<std::int16_t>(std::nearbyint(points));
}

void Button::SetFontSize(std::int16_t value)
{
    if (value <= 0)
        throw std::invalid_argument("a font size must be at least one point");
    QFont changed = font();
    changed.setPointSize(value);
    setFont(changed);
    CalcLayout();
    Redraw(0, true);
}

QString Button::FontName() const
{
    return font().family();
}

void Button::SetFontName(const QString& value)
{
    QFont changed = font();
    changed.setFamily(value);
    setFont(changed);
    CalcLayout();
    Redraw(0, true);
}

std::int32_t Button::ColorScheme() const
{
    return mColorScheme;
}

void Button::SetColorScheme(std::int32_t value)
{
    mColorScheme = value;
    ComputeColors();
    Redraw(0, true);
    Q_EMIT PropertyChanged(QStringLiteral("COLTYPE"));
}

std::int32_t Button::MousePointer() const
{
    return mMousePointer;
}

void Button::SetMousePointer(std::int32_t value)
{
    // Throws before anything changes: the pointer stays as it was.
    mMousePointer = platform::CheckedNarrow16(value);
    ApplyPointer(*this, mMousePointer, mMouseIcon);
    Q_EMIT PropertyChanged(QStringLiteral("MPTR"));
}

Button::PicturePtr Button::MouseIcon() const
{
    return mMouseIcon;
}

void Button::SetMouseIcon(PicturePtr value)
{
    // A picture that makes no cursor leaves the pointer as the platform shows it; nothing
    // here is reported to the caller.
    try {
        mMouseIcon = std::move(value);
        ApplyPointer(*this, mMousePointer, mMouseIcon);
        Q_EMIT PropertyChanged(QStringLiteral("MICON"));
    } catch (...) {
    }
}

bool Button::HandPointer() const
{
    return mHandPointer;
}

void Button::SetHandPointer(bool value)
{
    mHandPointer = value;
    if (value) {
        mMouseIcon = CursorPicture(Image1);
        mMousePointer = kPointerCustom;
        setCursor(Image1);
    } else {
        mMouseIcon = nullptr;
        mMousePointer = kPointerArrow;
        setCursor(Qt::ArrowCursor);
    }
    Q_EMIT PropertyChanged(QStringLiteral("HAND"));
}

quintptr Button::hwnd() const
{
    // A Qt child widget has no native window of its own unless one is forced on it, which
    // would change how it paints; the widget's address names it uniquely instead.
    return reinterpret_cast<quintptr>(this);
}

Button::PicturePtr Button::PictureNormal() const
{
    return mPictureNormal;
}

void Button::SetPictureNormal(PicturePtr value)
{
    mPictureNormal = std::move(value);
    MeasurePicture();
    CalcLayout();
    Redraw(mState, true);
    Q_EMIT PropertyChanged(QStringLiteral("PICN"));
}

Button::PicturePtr Button::PictureOver() const
{
    return mPictureOver;
}

void Button::SetPictureOver(PicturePtr value)
{
    mPictureOver = std::move(value);
    // Without hover the picture is not on show; the next hover paints it.
    if (mMouseOver)
        Redraw(mState, true);
    Q_EMIT PropertyChanged(QStringLiteral("PICO"));
}

std::int32_t Button::PicturePosition() const
{
    return mPicturePosition;
}

void Button::SetPicturePosition(std::int32_t value)
{
    mPicturePosition = value;
    Q_EMIT PropertyChanged(QStringLiteral("PICPOS"));
    CalcLayout();
    Redraw(mState, true);
}

bool Button::UseMaskColor() const
{
    return mUseMaskColor;
}

void Button::SetUseMaskColor(bool value)
{
    mUseMaskColor = value;
    if (mPictureNormal)
        Redraw(mState, true);
    Q_EMIT PropertyChanged(QStringLiteral("UMCOL"));
}

bool Button::UseGreyscale() const
{
    return mUseGreyscale;
}

void Button::SetUseGreyscale(bool value)
{
    mUseGreyscale = value;
    if (mPictureNormal)
        Redraw(mState, true);
    Q_EMIT PropertyChanged(QStringLiteral("NGREY"));
}

std::int32_t Button::SpecialEffect() const
{
    return mSpecialEffect;
}

void Button::SetSpecialEffect(std::int32_t value)
{
    mSpecialEffect = value;
    Redraw(mState, true);
    Q_EMIT PropertyChanged(QStringLiteral("FX"));
}

bool Button::CheckBoxBehaviour() const
{
    return mCheckBoxBehaviour;
}

void Button::SetCheckBoxBehaviour(bool value)
{
    mCheckBoxBehaviour = value;
    Redraw(mState, true);
    Q_EMIT PropertyChanged(QStringLiteral("CHECK"));
}

bool Button::Value() const
{
    return mValue;
}

void Button::SetValue(bool value)
{
    mValue = value;
    if (mCheckBoxBehaviour)
        Redraw(0, true);
    Q_EMIT PropertyChanged(QStringLiteral("VALUE"));
}

void Button::DisableRefresh()
{
    mRefreshEnabled = false;
}

void Button::Refresh()
{
    if (mButtonType == kBackgroundStyle)
        CaptureBackground();
    ComputeColors();
    CalcLayout();
    mRefreshEnabled = true;
    Redraw(mState, true);
}

void Button::InitProperties()
{
    mEnabled = true;
    mUseMaskColor = true;
    // The container names a new instance; that name is its first caption.
    mCaption = objectName();
    if (const QWidget* container = parentWidget())
        setFont(container->font());
    mButtonType = 1;
    mColorScheme = 1;
    ComputeColors();
    mBackColor = mFaceColor;
    mBackOver = mFaceColor;
    mMaskColor = 0xC0C0C0;
    mForeColor = mTextColor;
    mForeOver = mTextColor;
    CalcLayout();
    mHandPointer = true;
}

void Button::ReadProperties(const platform::PropertyStore& store)
{
    mButtonType = store.ReadInt(QStringLiteral("BTYPE"), 2);
    mCaption = store.ReadText(QStringLiteral("TX"), QString());
    mEnabled = store.ReadBool(QStringLiteral("ENAB"), true);
    // The loaded font is the control's own: the container's later font changes are ambient
    // changes only.
    QFont loaded = store.ReadFont(QStringLiteral("FONT"), font());
    loaded.setResolveMask(QFont::AllPropertiesResolved);
    setFont(loaded);
    mColorScheme = store.ReadInt(QStringLiteral("COLTYPE"), 1);
    mBackColor = store.ReadInt(QStringLiteral("BCOL"), mSystemColours->Get(platform::kButtonFace));
    mBackOver = store.ReadInt(QStringLiteral("BCOLO"), mBackColor);
    mForeColor = store.ReadInt(QStringLiteral("FCOL"), mSystemColours->Get(platform::kButtonText));
    mForeOver = store.ReadInt(QStringLiteral("FCOLO"), mForeColor);
    mMaskColor = store.ReadInt(QStringLiteral("MCOL"), 0xC0C0C0);
    mMousePointer = store.ReadInt16(QStringLiteral("MPTR"), kPointerDefault);
    mMouseIcon = store.ReadPicture(QStringLiteral("MICON"));
    ApplyPointer(*this, mMousePointer, mMouseIcon);
    mPictureNormal = store.ReadPicture(QStringLiteral("PICN"));
    mPictureOver = store.ReadPicture(QStringLiteral("PICH"));
    mUseMaskColor = store.ReadBool(QStringLiteral("UMCOL"), true);
    mPicturePosition = store.ReadInt(QStringLiteral("PICPOS"), 0);
    mUseGreyscale = store.ReadBool(QStringLiteral("NGREY"), false);
    mSpecialEffect = store.ReadInt(QStringLiteral("FX"), 0);
    SetHandPointer(store.ReadBool(QStringLiteral("HAND"), true));
    mCheckBoxBehaviour = store.ReadBool(QStringLiteral("CHECK"), false);
    mValue = store.ReadBool(QStringLiteral("VALUE"), false);

    setEnabled(mEnabled);
    MeasurePicture();
    CalcLayout();
    UpdateAccessKey();
}

void Button::WriteProperties(platform::PropertyStore& store) const
{
    store.WriteInt(QStringLiteral("BTYPE"), mButtonType);
    store.WriteText(QStringLiteral("TX"), mCaption);
    store.WriteBool(QStringLiteral("ENAB"), mEnabled);
    store.WriteFont(QStringLiteral("FONT"), font());
    store.WriteInt(QStringLiteral("COLTYPE"), mColorScheme);
    store.WriteColour(QStringLiteral("BCOL"), mBackColor);
    store.WriteColour(QStringLiteral("BCOLO"), mBackOver);
    store.WriteColour(QStringLiteral("FCOL"), mForeColor);
    store.WriteColour(QStringLiteral("FCOLO"), mForeOver);
    store.WriteColour(QStringLiteral("MCOL"), mMaskColor);
    store.WriteInt(QStringLiteral("MPTR"), mMousePointer);
    store.WritePicture(QStringLiteral("MICON"), mMouseIcon);
    store.WritePicture(QStringLiteral("PICN"), mPictureNormal);
    store.WritePicture(QStringLiteral("PICH"), mPictureOver);
    store.WriteBool(QStringLiteral("UMCOL"), mUseMaskColor);
    store.WriteInt(QStringLiteral("PICPOS"), mPicturePosition);
    store.WriteBool(QStringLiteral("NGREY"), mUseGreyscale);
    store.WriteInt(QStringLiteral("FX"), mSpecialEffect);
    store.WriteBool(QStringLiteral("HAND"), mHandPointer);
    store.WriteBool(QStringLiteral("CHECK"), mCheckBoxBehaviour);
    store.WriteBool(QStringLiteral("VALUE"), mValue);
}

void Button::Resize()
{
    // The capture may move the control's edges; that is no resize of the face.
    if (mCapturing)
        return;
    mHeight = height();
    mWidth = width();
    ResizeSurface();
    CalcLayout();
    BuildRegion();
    // An empty region would hide the whole control; no mask is the full rectangle.
    if (mRegion.isEmpty())
        clearMask();
    else
        setMask(mRegion);
    update();
    if (mHeight != 0)
        Redraw(0, true);
}

void Button::Show()
{
    if (mButtonType == kBackgroundStyle) {
        // Made once, at the size of this first Show: later captures are clipped to it.
        if (!mBackDC)
            mBackDC = std::make_unique<platform::Surface>(mWidth, mHeight);
        CaptureBackground();
    }
    mRefreshEnabled = true;
    ComputeColors();
    Redraw(0, true);
}

void Button::Hide()
{
    mRefreshEnabled = false;
}

void Button::Terminate()
{
    mRefreshEnabled = false;
    mBackDC.reset();
}

void Button::resizeEvent(QResizeEvent*)
{
    Resize();
}

void Button::showEvent(QShowEvent*)
{
    // Hover tracking needs the moves made with no button held.
    setMouseTracking(true);
    auto* watcher = findChild<QObject*>(QString::fromLatin1(ContainerWatcher::kName),
                                        Qt::FindDirectChildrenOnly);
    if (parentWidget() &&
        (!watcher || static_cast<ContainerWatcher*>(watcher)->Container() != parentWidget())) {
        delete watcher;
        new ContainerWatcher(this, parentWidget(), [this] { AmbientChanged(); });
    }
    Show();
}

void Button::hideEvent(QHideEvent*)
{
    Hide();
}

} // namespace quorvel
