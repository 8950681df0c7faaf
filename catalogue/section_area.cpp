#include "catalogue/section_area.h"

#include <cmath>
#include <limits>

namespace quorvel::catalogue {

namespace {

constexpr double kPi = 3.1415; // the catalogue's areas were always derived with this value

bool FitsSingle(double value)
{
    return std::fabs(value) <= std::numeric_limits<float>::max();
}

} // namespace

float SectionArea(float diameter, std::int16_t count, float spacing)
{
    if (spacing == 0) {
        return 0.0f;
    }
    const double d = diameter;
    const double barsArea = d * d * (count * kPi) / 400.0;
    const double perMetre = 1000.0 / static_cast<double>(spacing);
    if (!FitsSingle(perMetre)) {
        return 0.0f;
    }
    const double area = barsArea * static_cast<double>(static_cast<float>(perMetre));
    // NaN fails the range check too.
    if (!FitsSingle(area)) {
        return 0.0f;
    }
    return static_cast<float>(area);
}

void DeriveSectionAreas(MeshRecord& record)
{
    record.LenArea = SectionArea(record.LenDia, record.LenCount, record.LenSpace);
    record.WidArea = SectionArea(record.WidDia, record.WidCount, record.WidSpace);
}

} // namespace quorvel::catalogue
