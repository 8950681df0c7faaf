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

// Reads the catalogue's bytes into an empty table with the library's field rules. Never fails:
// - input that ends inside a number line keeps the numbers read and 0 for the rest;
// - a number its field cannot hold (a count outside 16 bits, a real beyond single precision,
//   no number at all, "inf", "nan") is stored as 0, so the table holds only finite values;
// - bytes below 32 in a name are read as blanks, so every record read stays a record;
// - records after the 1000th are counted in recordsDropped and not stored.
ParseResult ParseMeshLibrary(std::string_view bytes, MeshTable& table);

// The library's bytes for the unbroken run of records from slot 1: a name line and a number
// line per record, CR LF line ends. The name line is the 10 bytes as held, except for a name the
// plain line would not read back (a comma, CR or LF in it, leading blanks before other text, or
// a double quote first after the blanks): that one is written in double quotes, with any double
// quote in it written as an apostrophe. An all-blank name stays a line of ten blanks.
std::string SerializeMeshLibrary(const MeshTable& table);

// A single-precision value in the file's number form: 7 significant digits, ".5", "1E+07".
// An infinity or NaN is written as 0. Where a float is coarser than seven decimal digits the
// text is chosen so that it reads back to a value written the same way.
std::string FormatFileNumber(float value);

} // namespace quorvel::catalogue
