#include "mouseshift.h"

namespace quorvel {

short MouseShiftCode(Qt::KeyboardModifiers modifiers)
{
    short code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= 1;
    if (modifiers & Qt::ControlModifier)
        code |= 2;
    if (modifiers & Qt::AltModifier)
        code |= 4;
    return code;
}

} // namespace quorvel
