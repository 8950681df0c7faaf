#include "bannerlayout.h"

#include <algorithm>

namespace quorvel {

namespace {

constexpr int kLeftPieceWidth = 2;
constexpr int kRightPieceWidth = 3;

} // namespace

BannerLayout LayOutBanner(int width, int height)
{
    // Qt never reports a negative size; clamping keeps the subtractions below in range anyway.
    const int w = std::max(0, width);
    const int h = std::max(0, height);
    BannerLayout layout;
    layout.Image1 = QRect(0, 0, kLeftPieceWidth, h);
    layout.Image2 = QRect(kLeftPieceWidth, 0, std::max(0, w - 4), h);
    layout.Image3 = QRect(w - kRightPieceWidth, 0, kRightPieceWidth, h);
    return layout;
}

} // namespace quorvel
