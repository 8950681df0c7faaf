#pragma once

#include "catalogue/mesh_record.h"

#include <string_view>

namespace quorvel::catalogue::test {

// The 10-byte name field for a shorter text, blank-padded.
inline std::array<char, 10> Name(std::string_view text)
{
    std::array<char, 10> name;
    name.fill(' ');
    for (std::size_t i = 0; i < text.size() && i < name.size(); ++i) {
        name[i] = text[i];
    }
    return name;
}

inline MeshRecord Record(std::string_view name, float length, float width, float lenSpace,
                         float widSpace, std::int16_t lenCount, float lenDia, std::int16_t widCount,
                         float widDia, float lenArea, float widArea, float unitWeight)
{
    MeshRecord r;
    r.GridType = Name(name);
    r.GridLength = length;
    r.GridWidth = width;
    r.LenSpace = lenSpace;
    r.WidSpace = widSpace;
    r.LenCount = lenCount;
    r.LenDia = lenDia;
    r.WidCount = widCount;
    r.WidDia = widDia;
    r.LenArea = lenArea;
    r.WidArea = widArea;
    r.UnitWeight = unitWeight;
    return r;
}

} // namespace quorvel::catalogue::test
