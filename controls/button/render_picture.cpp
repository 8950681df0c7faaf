// Picture pixels onto a surface: mask colour, silhouettes and greyscale.
#include "controls/button/button.h"

namespace quorvel {

void Button::RenderPicture(platform::Surface&, std::int32_t, std::int32_t, std::int32_t,
                           std::int32_t, const platform::Picture&, Colour, Colour, bool, bool)
{
}

} // namespace quorvel
