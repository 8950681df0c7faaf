#pragma once

#include "platform/colour.h"
#include "platform/system_colours.h"

#include <cstdint>

namespace quorvel {

// The working colours every painter reads; all plain colours.
struct ColourSet
{
    platform::Colour face = 0;
    platform::Colour light = 0;
    platform::Colour highlight = 0;
    platform::Colour shadow = 0;
    platform::Colour darkShadow = 0;
    platform::Colour text = 0;
    platform::Colour textOver = 0;
    platform::Colour hotBorder = 0;
    platform::Colour hotFace = 0;
    platform::Colour faceLight = 0;
    platform::Colour maskRGB = 0;

    friend bool operator==(const ColourSet&, const ColourSet&) = default;
};

// What the derivation reads. parentBack and parentText matter only for scheme 4 and are used
// as they come, untranslated.
struct SchemeInputs
{
    std::int32_t colorScheme = 0;
    std::int32_t buttonType = 0;
    platform::Colour backColor = 0;
    platform::Colour foreColor = 0;
    platform::Colour foreOver = 0;
    platform::Colour maskColor = 0;
    platform::Colour parentBack = 0;
    platform::Colour parentText = 0;
};

// Scheme 2: the control's own colours with edges offset from the face; 3: a fixed palette;
// 4: the parent's colours; any other value: the desktop's system colours. The face light is
// the face lifted by 48, with proportional blue for button type 2.
ColourSet DeriveColourSet(const SchemeInputs& inputs, const platform::SystemColours& system);

} // namespace quorvel
