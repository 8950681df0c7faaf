#pragma once

#include "catalogue/mesh_record.h"
#include "catalogue/section_area.h"
#include "test_records.h"

#include <string_view>
#include <vector>

namespace quorvel::catalogue::test {

// Public stock-mesh types: single bars both ways; the digits of a name are the main direction's
// section area in mm²/m.
struct StandardMesh
{
    std::string_view type;
    float length, width, lenDia, lenSpace, widDia, widSpace, unitWeight;
    float nominalArea; // cm²/m, from the type name
};

inline const std::vector<StandardMesh>& StandardMeshes()
{
    static const std::vector<StandardMesh> meshes = {
        {"Q131", 5.00f, 2.15f, 5, 150, 5, 150, 2.09f, 1.31f},
        {"Q188", 5.00f, 2.15f, 6, 150, 6, 150, 3.01f, 1.88f},
        {"Q335", 5.00f, 2.15f, 8, 150, 8, 150, 5.37f, 3.35f},
        {"Q523", 5.00f, 2.15f, 10, 150, 10, 150, 8.38f, 5.23f},
        {"Q188A", 6.00f, 2.30f, 6, 150, 6, 150, 3.02f, 1.88f},
        {"Q257A", 6.00f, 2.30f, 7, 150, 7, 150, 4.12f, 2.57f},
        {"Q335A", 6.00f, 2.30f, 8, 150, 8, 150, 5.38f, 3.35f},
        {"Q424A", 6.00f, 2.30f, 9, 150, 9, 150, 6.12f, 4.24f},
        {"Q524A", 6.00f, 2.30f, 10, 150, 10, 150, 7.31f, 5.24f},
        {"Q636A", 6.00f, 2.35f, 9, 100, 10, 125, 9.36f, 6.36f},
        {"R188A", 6.00f, 2.30f, 6, 150, 6, 250, 2.43f, 1.88f},
        {"R257A", 6.00f, 2.30f, 7, 150, 6, 250, 2.99f, 2.57f},
        {"R335A", 6.00f, 2.30f, 8, 150, 6, 250, 3.64f, 3.35f},
        {"R424A", 6.00f, 2.30f, 9, 150, 8, 250, 4.87f, 4.24f},
        {"R524A", 6.00f, 2.30f, 10, 150, 8, 250, 5.49f, 5.24f},
    };
    return meshes;
}

inline MeshRecord StandardRecord(const StandardMesh& mesh)
{
    MeshRecord r = Record(mesh.type, mesh.length, mesh.width, mesh.lenSpace, mesh.widSpace, 1,
                          mesh.lenDia, 1, mesh.widDia, 0, 0, mesh.unitWeight);
    DeriveSectionAreas(r);
    return r;
}

inline MeshTable StandardTable()
{
    MeshTable table;
    int slot = 1;
    for (const StandardMesh& mesh : StandardMeshes()) {
        table[slot++] = StandardRecord(mesh);
    }
    return table;
}

} // namespace quorvel::catalogue::test
