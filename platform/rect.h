#pragma once

#include <cstdint>

namespace quorvel::platform {

// A pixel rectangle; right and bottom are exclusive.
struct Rect
{
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    // Widened so that an inverted rectangle of extreme corners cannot overflow.
    std::int64_t Width() const { return std::int64_t{right} - left; }
    std::int64_t Height() const { return std::int64_t{bottom} - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }

    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace quorvel::platform
