#pragma once

#include <Qt>
#include <cstdint>

namespace quorvel::platform {

// Mouse button codes of the control's events: 1 left, 2 right, 4 middle, added together when
// several are held. Other buttons have no code.
std::int16_t MouseButtonCode(Qt::MouseButtons buttons);

// Shift codes: 1 Shift, 2 Ctrl, 4 Alt, added together.
std::int16_t ShiftCode(Qt::KeyboardModifiers modifiers);

// The desktop key code of a Qt key (32 Space, 37 to 40 the arrows, 65 to 90 the letters, ...);
// 0 for a key that has none.
std::int16_t DesktopKeyCode(int qtKey);

} // namespace quorvel::platform
