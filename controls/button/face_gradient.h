#pragma once

#include <cstdint>

namespace quorvel {

// The per-row step of the rounded face's vertical gradient: 25 / height, kept in single
// precision as the amounts depend on that precision. height must not be 0.
float GradientStep(std::int32_t height);

// The shift of gradient row i: -(step x i), rounded to the nearest integer, ties to even.
std::int32_t GradientAmount(float step, std::int32_t i);

} // namespace quorvel
