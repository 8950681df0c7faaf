// Gradient arithmetic of the rounded face.
#include "controls/button/face_gradient.h"

#include <cmath>

namespace quorvel {

float GradientStep(std::int32_t height)
{
    return static_cast<float>(25.0 / height);
}

std::int32_t GradientAmount(float step, std::int32_t i)
{
    // |step x i| stays near 25 for the rows of a face, far inside the 32-bit range; nearbyint
    // rounds ties to even in the default rounding mode.
    const double amount = std::nearbyint(-(static_cast<double>(step) * i));
    if (!(amount >= INT32_MIN && amount <= INT32_MAX))
        return amount < 0 ? INT32_MIN : INT32_MAX;
    return static_cast<std::int32_t>(amount);
}

} // namespace quorvel
