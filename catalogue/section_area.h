#pragma once

#include "catalogue/mesh_record.h"

#include <cstdint>

namespace quorvel::catalogue {

// Section area in cm² per metre of bars of diameter d (mm), n bars per position, spacing s (mm).
// A spacing of 0, or any input that would give a non-finite area, gives 0.
float SectionArea(float diameter, std::int16_t count, float spacing);

// Derives LenArea, then WidArea, from the record's diameters, counts and spacings.
void DeriveSectionAreas(MeshRecord& record);

} // namespace quorvel::catalogue
