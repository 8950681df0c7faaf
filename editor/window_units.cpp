#include "editor/window_units.h"

#include <cmath>

namespace quorvel {

int TwipsToPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}

QColor BgrColor(std::uint32_t value)
{
    return QColor(static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                  static_cast<int>((value >> 16) & 0xFFu));
}

} // namespace quorvel
