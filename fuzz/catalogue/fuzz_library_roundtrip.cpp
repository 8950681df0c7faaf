// Reads arbitrary bytes as a library, writes what was read, reads and writes that again: the two
// writes must agree (the first one settles names and the 7-digit numbers), and no value read may
// be an infinity or NaN.
#include "catalogue/library_format.h"
#include "catalogue/mesh_record.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

using quorvel::catalogue::MeshRecord;
using quorvel::catalogue::MeshTable;

void CheckFinite(const MeshTable& table, int records)
{
    for (int slot = 1; slot <= records; ++slot) {
        const MeshRecord& r = table[slot];
        const float values[] = {r.GridLength, r.GridWidth, r.LenDia,  r.WidDia,
                                r.LenSpace,   r.WidSpace,  r.LenArea, r.WidArea, r.UnitWeight};
        for (float value : values) {
            if (!std::isfinite(value)) {
                std::fprintf(stderr, "slot %d holds a non-finite value\n", slot);
                std::abort();
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The table is large; keep it off the stack.
    auto first = std::make_unique<MeshTable>();
    const auto read = quorvel::catalogue::ParseMeshLibrary(bytes, *first);
    CheckFinite(*first, read.recordsRead);
    if (quorvel::catalogue::RecordCount(*first) != read.recordsRead) {
        std::fprintf(stderr, "%d records read but %d in the table\n", read.recordsRead,
                     quorvel::catalogue::RecordCount(*first));
        std::abort();
    }
    const std::string once = quorvel::catalogue::SerializeMeshLibrary(*first);

    auto second = std::make_unique<MeshTable>();
    const auto again = quorvel::catalogue::ParseMeshLibrary(once, *second);
    CheckFinite(*second, again.recordsRead);
    if (again.recordsRead != read.recordsRead || again.recordsDropped != 0) {
        std::fprintf(stderr, "read %d records back instead of %d\n", again.recordsRead,
                     read.recordsRead);
        std::abort();
    }
    const std::string twice = quorvel::catalogue::SerializeMeshLibrary(*second);
    if (once != twice) {
        std::fprintf(stderr, "second write differs from the first\n");
        std::abort();
    }
    return 0;
}
