#pragma once

#include <Qt>

namespace quorvel {

// The Shift argument of the mouse events: Shift 1, Ctrl 2 and Alt 4, added together.
short MouseShiftCode(Qt::KeyboardModifiers modifiers);

} // namespace quorvel
