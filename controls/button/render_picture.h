#pragma once

#include "platform/colour.h"

#include <cstdint>
#include <vector>

namespace quorvel {

// The grey of a picture pixel: t = round(red x 0.3), then round((green x 0.59 + t) +
// blue x 0.11), in double precision, each rounding to the nearest integer with ties to even.
std::uint8_t GreyLevel(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

// How picture pixels land on the background.
struct PictureRules
{
    // A pixel of exactly this colour (0x00BBGGRR) is transparent; -1 makes every pixel opaque.
    platform::Colour mask = -1;
    // 0 or more: every opaque pixel becomes this colour (a silhouette); negative: the
    // picture's own colours.
    platform::Colour solid = -1;
    // Silhouettes only: pixels whose red + green + blue exceeds 384 are left out.
    bool skipLight = false;
    // Own colours only: opaque pixels are drawn in grey.
    bool greyscale = false;
};

// Composes `picture` into `background`, both width x height blocks of 24-bit pixels in the
// bottom-up device-independent layout (blue, green, red; rows padded to 4 bytes). Only the
// top-left coveredWidth x coveredHeight pixels hold picture pixels: the rest of the area keeps
// the background, so a picture smaller than its area leaves no stray pixels. The mask test
// comes first: a transparent pixel is never recoloured. Blocks shorter than the area are left
// alone.
void ComposePicture(std::vector<std::uint8_t>& background, const std::vector<std::uint8_t>& picture,
                    std::int32_t width, std::int32_t height, std::int32_t coveredWidth,
                    std::int32_t coveredHeight, const PictureRules& rules);

} // namespace quorvel
