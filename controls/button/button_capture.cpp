// The pointer test for hover tracking and the capture of the parent's background.
#include "controls/button/button.h"

namespace quorvel {

bool Button::IsMouseOver() const
{
    return false;
}

void Button::CaptureBackground() {}

} // namespace quorvel
