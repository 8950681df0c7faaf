// The colour functions: shift, tint and translation of colour values.
#include "controls/button/colour_math.h"

#include "platform/checked.h"

namespace quorvel {
namespace {

using platform::CheckedAdd;
using platform::CheckedDiv;
using platform::CheckedMul;
using platform::CheckedSub;

// The channel split works on any value, not only plain colours: truncating division and a
// remainder that keeps the dividend's sign, as the stored values expect.
struct Channels
{
    std::int32_t red;
    std::int32_t green;
    std::int32_t blue;
};

Channels Split(platform::Colour value)
{
    return {value & 255, (value / 256) % 256, (value / 65536) % 256};
}

platform::Colour Pack(const Channels& c)
{
    return CheckedAdd(CheckedAdd(c.red, CheckedMul(256, c.green)), CheckedMul(65536, c.blue));
}

} // namespace

platform::Colour ShiftColor(platform::Colour colour, std::int32_t amount, bool proportionalBlue)
{
    Channels c = Split(colour);
    c.red = CheckedAdd(c.red, amount);
    c.green = CheckedAdd(c.green, amount);
    c.blue = proportionalBlue ? CheckedAdd(c.blue, CheckedDiv(CheckedMul(c.blue, amount), 192))
                              : CheckedAdd(c.blue, amount);
    for (std::int32_t* channel : {&c.red, &c.green, &c.blue}) {
        if (amount > 0 && *channel > 255)
            *channel = 255;
        else if (amount < 0 && *channel < 0)
            *channel = 0;
    }
    return Pack(c);
}

platform::Colour TintColor(platform::Colour colour, std::int32_t amount)
{
    Channels c = Split(colour);
    const std::int32_t remaining = CheckedSub(255, amount);
    for (std::int32_t* channel : {&c.red, &c.green, &c.blue}) {
        *channel = CheckedAdd(amount, CheckedMul(remaining, *channel) / 255);
        if (*channel > 255)
            *channel = 255;
    }
    return Pack(c);
}

platform::Colour TranslateColor(platform::Colour colour, const platform::SystemColours& colours)
{
    return platform::TranslateColour(colour, colours);
}

} // namespace quorvel
