#pragma once

#include "platform/colour.h"
#include "platform/system_colours.h"

#include <cstdint>

namespace quorvel {

// Moves red and green by `amount`, and blue by `amount` too or, with proportionalBlue, by
// blue x amount / 192 (truncated). Channels are clamped by the sign of the amount: above 255
// for a positive amount, below 0 for a negative one, not at all for 0.
// Throws platform::OverflowError when a step leaves the 32-bit range.
platform::Colour ShiftColor(platform::Colour colour, std::int32_t amount, bool proportionalBlue);

// Moves each channel toward 255 by amount/255 of its distance:
// amount + (255 - amount) x channel / 255, truncated, clamped above 255 only.
// Throws platform::OverflowError when a step leaves the 32-bit range.
platform::Colour TintColor(platform::Colour colour, std::int32_t amount);

// A plain colour stays; a system colour comes from the table; anything else is black.
platform::Colour TranslateColor(platform::Colour colour, const platform::SystemColours& colours);

} // namespace quorvel
