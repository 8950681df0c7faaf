// Redraw, the one paint routine, and the face recipes of types 1 and 4 to 12.
#include "controls/button/button.h"

namespace quorvel {

void Button::Redraw(std::uint8_t, bool) {}

void Button::PaintStandardFace(Face) {}

void Button::Snapshot() {}

std::uint8_t Button::CaptionHover() const
{
    return mMouseOver ? 1 : 0;
}

} // namespace quorvel
