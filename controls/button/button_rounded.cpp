// The face recipes of the rounded types 2 and 3.
#include "controls/button/button.h"

namespace quorvel {

void Button::PaintType2(Face) {}

void Button::PaintType3(Face) {}

} // namespace quorvel
