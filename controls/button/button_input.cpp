// Mouse, keyboard, focus, access key and ambient notifications, and the hover timer.
#include "controls/button/button.h"

namespace quorvel {

void Button::OnMouseDown(short, short, float, float) {}
void Button::OnMouseMove(short, short, float, float) {}
void Button::OnMouseUp(short, short, float, float) {}
void Button::OnClick() {}
void Button::OnDblClick() {}
void Button::OnKeyDown(short, short) {}
void Button::OnAccessKeyPress() {}
void Button::OnGotFocus() {}
void Button::OnLostFocus() {}
void Button::AmbientChanged() {}
void Button::OnOverTimerTick() {}

void Button::mousePressEvent(QMouseEvent*) {}
void Button::mouseMoveEvent(QMouseEvent*) {}
void Button::mouseReleaseEvent(QMouseEvent*) {}
void Button::mouseDoubleClickEvent(QMouseEvent*) {}
void Button::keyPressEvent(QKeyEvent*) {}
void Button::focusInEvent(QFocusEvent*) {}
void Button::focusOutEvent(QFocusEvent*) {}

} // namespace quorvel
