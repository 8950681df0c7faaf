#pragma once

#include "catalogue/mesh_record.h"

#include <string>
#include <string_view>

namespace quorvel::catalogue {

struct ParseResult
{
    int recordsRead = 0;    // records stored in slots 1..1000
    int recordsDropped = 0; // further records in the input beyond the 1000th
};

// Reads the catalogue's bytes into an empty table with the library's field rules.
ParseResult ParseMeshLibrary(std::string_view bytes, MeshTable& table);

// The library's bytes for the unbroken run of records from slot 1: a name line and a number
// line per record, CR LF line ends.
std::string SerializeMeshLibrary(const MeshTable& table);

// A single-precision value in the file's number form: 7 significant digits, ".5", "1E+07".
std::string FormatFileNumber(float value);

} // namespace quorvel::catalogue
