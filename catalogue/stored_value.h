#pragma once

#include <cstdint>

namespace quorvel::catalogue {

// A number read from text, narrowed to the field it is stored in. Values the field cannot hold
// (beyond single precision, a count outside 16 bits, anything non-finite) give 0, so the table
// never holds an infinity or NaN.
float StoredReal(double value);

// Rounds to the nearest whole number, a tie to the even one (0.5 gives 0, 1.5 gives 2).
std::int16_t StoredCount(double value);

} // namespace quorvel::catalogue
