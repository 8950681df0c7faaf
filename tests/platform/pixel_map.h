#pragma once

#include "platform/surface.h"

#include <map>
#include <string>

namespace quorvel::testing {

// A surface as text, one character per pixel and one line per row, so a whole small image can
// be compared with an expected picture. Colours missing from the legend show as '?'.
inline std::string PixelMap(const platform::Surface& surface,
                            const std::map<platform::Colour, char>& legend)
{
    std::string map;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            const auto found = legend.find(surface.GetPixel(x, y));
            map += found == legend.end() ? '?' : found->second;
        }
        map += '\n';
    }
    return map;
}

// Joins expected rows the way PixelMap prints them.
inline std::string Rows(std::initializer_list<const char*> rows)
{
    std::string map;
    for (const char* row : rows) {
        map += row;
        map += '\n';
    }
    return map;
}

} // namespace quorvel::testing
