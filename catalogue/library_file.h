#pragma once

#include "catalogue/mesh_record.h"

#include <string>

namespace quorvel::catalogue {

// The folder that holds the library, from the folder the program was started from. The folder's
// letter case is kept (file names are case-sensitive here); a development folder, one whose path
// contains "/QELTAR" in any letter case, gives the fixed data folder "/MORV13" instead. Trailing
// "/" are dropped (except for "/" itself); an empty folder gives ".".
std::string DataFolder(const std::string& programFolder);

// DataFolder followed by "/ZAFIK.LIB".
std::string LibraryPath(const std::string& dataFolder);

struct LoadResult
{
    bool ok = false;
    std::string error; // why the file could not be read, when !ok (the reason, not the path)
    int recordsRead = 0;
    int recordsDropped = 0;
};

// Reads the library of the data folder into an empty table.
LoadResult LoadMeshLibrary(const std::string& dataFolder, MeshTable& table);

struct SaveResult
{
    bool ok = false;
    std::string error; // why the file could not be written, when !ok (the reason, not the path)
};

// Rewrites the library safely: a failed or interrupted save leaves the old file whole.
// The table is never changed.
SaveResult SaveMeshLibrary(const std::string& dataFolder, const MeshTable& table);

} // namespace quorvel::catalogue
