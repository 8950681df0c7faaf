#include "catalogue/stored_value.h"

#include <cmath>
#include <limits>

namespace quorvel::catalogue {

float StoredReal(double value)
{
    if (!(std::fabs(value) <= std::numeric_limits<float>::max()) || value == 0) {
        return 0.0f;
    }
    return static_cast<float>(value);
}

std::int16_t StoredCount(double value)
{
    const double whole = std::nearbyint(value);
    if (!(whole >= std::numeric_limits<std::int16_t>::min() &&
          whole <= std::numeric_limits<std::int16_t>::max())) {
        return 0;
    }
    return static_cast<std::int16_t>(whole);
}

} // namespace quorvel::catalogue
