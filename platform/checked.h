#pragma once

#include <cstdint>
#include <stdexcept>

namespace quorvel::platform {

// A 32-bit (or 16-bit) integer result left its range. Painting code catches it and abandons
// the operation in progress instead of computing with a wrapped value.
class OverflowError : public std::overflow_error
{
public:
    OverflowError() : std::overflow_error("integer overflow") {}
};

inline std::int32_t CheckedAdd(std::int32_t a, std::int32_t b)
{
    std::int32_t result;
    if (__builtin_add_overflow(a, b, &result))
        throw OverflowError();
    return result;
}

inline std::int32_t CheckedSub(std::int32_t a, std::int32_t b)
{
    std::int32_t result;
    if (__builtin_sub_overflow(a, b, &result))
        throw OverflowError();
    return result;
}

inline std::int32_t CheckedMul(std::int32_t a, std::int32_t b)
{
    std::int32_t result;
    if (__builtin_mul_overflow(a, b, &result))
        throw OverflowError();
    return result;
}

// Integer division truncating toward zero. INT32_MIN / -1 does not fit, and division by zero
// has no result: both report as overflow so callers have one error to handle.
inline std::int32_t CheckedDiv(std::int32_t a, std::int32_t b)
{
    if (b == 0 || (b == -1 && a == INT32_MIN))
        throw OverflowError();
    return a / b;
}

inline std::int32_t CheckedNarrow32(std::int64_t value)
{
    if (value < INT32_MIN || value > INT32_MAX)
        throw OverflowError();
    return static_cast<std::int32_t>(value);
}

inline std::int16_t CheckedNarrow16(std::int32_t value)
{
    if (value < INT16_MIN || value > INT16_MAX)
        throw OverflowError();
    return static_cast<std::int16_t>(value);
}

} // namespace quorvel::platform
