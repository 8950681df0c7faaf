#pragma once

#include <QColor>
#include <QRgb>
#include <cstdint>

namespace quorvel::platform {

// A colour value as the controls store it: 0x00BBGGRR for a plain colour (red in the low byte);
// a value with the top byte 0x80 names a system colour by the index in its low byte.
using Colour = std::int32_t;

// What pixel reads outside a surface answer: no plain colour has bits set in the top byte.
inline constexpr Colour kInvalidColour = -1;

constexpr int RedOf(Colour c)
{
    return c & 0xFF;
}
constexpr int GreenOf(Colour c)
{
    return (c >> 8) & 0xFF;
}
constexpr int BlueOf(Colour c)
{
    return (c >> 16) & 0xFF;
}

constexpr Colour PackColour(int red, int green, int blue)
{
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

// QImage keeps 0xAARRGGBB; only the low three bytes of a plain colour reach the pixel.
constexpr QRgb ToQRgb(Colour c)
{
    return qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}
constexpr Colour FromQRgb(QRgb rgb)
{
    return PackColour(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

inline Colour FromQColor(const QColor& colour)
{
    return PackColour(colour.red(), colour.green(), colour.blue());
}

} // namespace quorvel::platform
