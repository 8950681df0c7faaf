#pragma once

#include <QRect>

namespace quorvel {

// Where the banner's three pictures go for a banner of a given size, in pixels.
struct BannerLayout
{
    QRect Image1; // left end piece
    QRect Image2; // middle piece, stretched
    QRect Image3; // right end piece
};

// The left piece covers columns 0 and 1, the middle piece 2 to width - 3, and the right piece,
// at its full 3 pixels, ends on the last column so the bar has a finished right edge. Below a
// width of 4 the middle piece is empty and the right piece, still anchored to the right edge,
// is clipped on the left. Sizes are never negative.
BannerLayout LayOutBanner(int width, int height);

} // namespace quorvel
