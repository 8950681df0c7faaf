// Mouse, keyboard, focus, access key and ambient notifications, and the hover timer.
#include "controls/button/button.h"
#include "platform/input_codes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace quorvel {
namespace {

constexpr short kLeft = 1;
constexpr short kRight = 2;

constexpr short kKeySpace = 32;
constexpr short kKeyLeft = 37;
constexpr short kKeyUp = 38;
constexpr short kKeyRight = 39;
constexpr short kKeyDown = 40;

// Sends Tab (or Shift+Tab) to whatever has the focus, without waiting for it: the focus then
// moves along the container's tab order as if the user had pressed it.
void SendTab(bool forward)
{
    QWidget* const target = QApplication::focusWidget();
    if (!target)
        return;
    QCoreApplication::postEvent(
        target, new QKeyEvent(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                              forward ? Qt::NoModifier : Qt::ShiftModifier));
}

} // namespace

void Button::OnMouseDown(short Button, short Shift, float X, float Y)
{
    Q_EMIT MouseDown(Button, Shift, X, Y);
    mLastButton = static_cast<std::uint8_t>(Button);
    if (Button != kRight)
        Redraw(2);
}

void Button::OnMouseMove(short Button, short Shift, float X, float Y)
{
    Q_EMIT MouseMove(Button, Shift, X, Y);
    if (Button >= 2) // a button other than the left one alone is held
        return;
    if (!IsMouseOver()) {
        Redraw(0);
        return;
    }
    if (Button == 0 && !mMouseOver) {
        OverTimer.start();
        mMouseOver = true;
        Redraw(0, true);
    } else if (Button == kLeft) {
        // Back over the control with the press held: the down face, with the hover look if it
        // is repainted now.
        mMouseOver = true;
        Redraw(2);
        mMouseOver = false;
    }
}

void Button::OnMouseUp(short Button, short Shift, float X, float Y)
{
    Q_EMIT MouseUp(Button, Shift, X, Y);
    if (Button != kRight)
        Redraw(0);
}

void Button::OnClick()
{
    if (mLastButton != kLeft || !mEnabled)
        return;
    if (mCheckBoxBehaviour)
        mValue = !mValue;
    Redraw(0, true);
    repaint();
    Q_EMIT Click();
}

void Button::OnDblClick()
{
    if (mLastButton != kLeft)
        return;
    OnMouseDown(kLeft, 0, 0, 0);
    grabMouse();
}

void Button::OnKeyDown(short KeyCode, short Shift)
{
    Q_EMIT KeyDown(KeyCode, Shift);
    switch (KeyCode) {
    case kKeySpace:
        Redraw(2);
        mSpaceDown = true;
        break;
    case kKeyLeft:
    case kKeyUp:
        SendTab(false);
        break;
    case kKeyRight:
    case kKeyDown:
        SendTab(true);
        break;
    default:
        break;
    }
}

void Button::OnAccessKeyPress()
{
    mLastButton = kLeft;
    OnClick();
}

void Button::OnGotFocus()
{
    Redraw(mState, true);
}

void Button::OnLostFocus()
{
    Redraw(mState, true);
}

void Button::AmbientChanged()
{
    ComputeColors();
    Redraw(mState, true);
}

void Button::OnOverTimerTick()
{
    if (IsMouseOver())
        return;
    OverTimer.stop();
    mMouseOver = false;
    Redraw(0, true);
}

void Button::mousePressEvent(QMouseEvent* event)
{
    const short button = platform::MouseButtonCode(event->button());
    if (button == 0) { // a button the control's events have no code for
        QWidget::mousePressEvent(event);
        return;
    }
    mReleaseEndsDoubleClick = false;
    OnMouseDown(button, platform::ShiftCode(event->modifiers()),
                static_cast<float>(event->position().x()),
                static_cast<float>(event->position().y()));
}

void Button::mouseMoveEvent(QMouseEvent* event)
{
    OnMouseMove(platform::MouseButtonCode(event->buttons()),
                platform::ShiftCode(event->modifiers()), static_cast<float>(event->position().x()),
                static_cast<float>(event->position().y()));
}

void Button::mouseReleaseEvent(QMouseEvent* event)
{
    const short button = platform::MouseButtonCode(event->button());
    if (button == 0) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    OnMouseUp(button, platform::ShiftCode(event->modifiers()),
              static_cast<float>(event->position().x()), static_cast<float>(event->position().y()));
    // The grab of a double click ends with its release; held on, it would take every later
    // press from the rest of the program.
    if (mouseGrabber() == this)
        releaseMouse();
    const QPoint at = event->position().toPoint();
    const bool inside = rect().contains(at) && (mask().isEmpty() || mask().contains(at));
    const bool endsDoubleClick = mReleaseEndsDoubleClick;
    mReleaseEndsDoubleClick = false;
    if (event->button() == Qt::LeftButton && inside && !endsDoubleClick)
        OnClick();
}

void Button::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Only the left button has a double click; a quick second press of another is a press.
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    mReleaseEndsDoubleClick = true;
    OnDblClick();
}

void Button::keyPressEvent(QKeyEvent* event)
{
    const short code = platform::DesktopKeyCode(event->key());
    if (code == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    OnKeyDown(code, platform::ShiftCode(event->modifiers()));
    if (code != kKeySpace && (code < kKeyLeft || code > kKeyDown))
        event->ignore(); // the container may still act on other keys
}

void Button::keyReleaseEvent(QKeyEvent* event)
{
    // Space clicks on its release, as push buttons do, unless the press was not taken as
    // Space (a KeyDown handler may have changed the key).
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && mSpaceDown) {
        mSpaceDown = false;
        mLastButton = kLeft;
        OnClick();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void Button::focusInEvent(QFocusEvent* event)
{
    OnGotFocus();
    QWidget::focusInEvent(event);
}

void Button::focusOutEvent(QFocusEvent* event)
{
    // A Space released elsewhere is no click of this control.
    mSpaceDown = false;
    OnLostFocus();
    QWidget::focusOutEvent(event);
}

} // namespace quorvel
