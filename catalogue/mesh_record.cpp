#include "catalogue/mesh_record.h"

namespace quorvel::catalogue {

bool SlotInUse(const MeshTable& table, int slot)
{
    if (slot < 1 || slot > kMaxRecords) {
        return false;
    }
    const auto& name = table[slot].GridType;
    for (char c : name) {
        if (c != ' ') {
            return static_cast<unsigned char>(c) >= 32;
        }
    }
    // All blanks: the appended blank is what the rule looks at.
    return true;
}

int RecordCount(const MeshTable& table)
{
    int count = 0;
    while (SlotInUse(table, count + 1)) {
        ++count;
    }
    return count;
}

} // namespace quorvel::catalogue
