#pragma once

#include "catalogue/mesh_record.h"

#include <string>
#include <string_view>

namespace quorvel::catalogue {

// The list line of a record, in the list's 8-bit code page (0xA1 is the column rule).
std::string RowText(const MeshRecord& record);

// The two header lines above the list, same code page and layout.
std::string_view HeaderLine1();
std::string_view HeaderLine2();

} // namespace quorvel::catalogue
