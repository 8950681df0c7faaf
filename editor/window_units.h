#pragma once

#include <QColor>
#include <QRect>
#include <cstdint>

namespace quorvel {

// The layout is drawn up in twips at 96 dots per inch: 15 twips to a pixel.
inline constexpr int kTwipsPerPixel = 15;

int TwipsToPixels(int twips);
QRect TwipsRect(int left, int top, int width, int height);

// A colour written 00BBGGRR: red in the low byte, blue in the high byte.
QColor BgrColor(std::uint32_t value);

} // namespace quorvel
