#pragma once

#include <Qt>
#include <cstdint>
#include <optional>

namespace quorvel {

// The pointer shape codes of the MousePointer property.
inline constexpr std::int16_t kPointerDefault = 0;
inline constexpr std::int16_t kPointerArrow = 1;
inline constexpr std::int16_t kPointerCustom = 99;

// The Qt cursor for a standard pointer code:
//   1 arrow, 2 cross, 3 I-beam, 4 and 5 the four-way size cursor, 6 size NE-SW, 7 size N-S,
//   8 size NW-SE, 9 size W-E, 10 up arrow, 11 hourglass, 12 no drop, 13 arrow and hourglass,
//   14 arrow and question mark, 15 size all.
// None for 0 (the widget's default), 99 (the custom picture) and every unknown code, which
// also show the default.
std::optional<Qt::CursorShape> StandardPointerShape(std::int16_t code);

} // namespace quorvel
