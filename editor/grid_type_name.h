#pragma once

#include <QString>
#include <array>

namespace quorvel {

// A typed mesh type name turned into the 10 bytes the catalogue stores, or the reason the
// catalogue file could not carry it back unchanged.
struct GridTypeName
{
    bool ok = false;
    std::array<char, 10> bytes{};
    QString problem; // for the user, when !ok
};

// Cuts the text to its first 10 characters or pads it with blanks, and refuses what the file
// would read back differently: a comma, a double quote as first non-blank, a control character
// or a character outside the code page.
GridTypeName EncodeGridType(const QString& typed);

} // namespace quorvel
