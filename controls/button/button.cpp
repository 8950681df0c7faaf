// Construction and initial state of the button, its dependencies, and the paint event that
// shows the drawing surface.
#include "controls/button/button.h"

#include "resource_paths.h"

#include <QEvent>
#include <QPainter>
#include <QPixmap>
#include <QShortcut>

namespace quorvel {

Button::Button(QWidget* parent) : QWidget(parent), OverTimer(this)
{
    Initialize();
}

// Out of line so the unique_ptr members see complete types.
Button::~Button()
{
    Terminate();
}

void Button::Initialize()
{
    mSystemColours = std::make_shared<platform::PaletteSystemColours>();
    mSurface.SetFont(font());
    mRefreshEnabled = true;

    OverTimer.setInterval(3);
    connect(&OverTimer, &QTimer::timeout, this, &Button::OnOverTimerTick);

    // The hand cursor ships as a resource; without it the platform's pointing hand stands in.
    const QPixmap hand(QString::fromLatin1(resources::kHandCursor));
    Image1 = hand.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(hand, 6, 0);

    // Every pixel comes from the surface, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void Button::SetSystemColours(std::shared_ptr<const platform::SystemColours> colours)
{
    mSystemColours =
        colours ? std::move(colours) : std::make_shared<platform::PaletteSystemColours>();
}

void Button::SetTextRenderer(std::shared_ptr<const platform::TextRenderer> text)
{
    mSurface.SetTextRenderer(std::move(text));
}

void Button::ResizeSurface()
{
    if (mSurface.Width() != mWidth || mSurface.Height() != mHeight)
        mSurface.Resize(mWidth, mHeight);
}

void Button::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, mSurface.Image());
}

void Button::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::FontChange:
        // The surface measures and draws captions in the control's font.
        mSurface.SetFont(font());
        break;
    case QEvent::PaletteChange:
        AmbientChanged();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

} // namespace quorvel
