#pragma once

#include <array>
#include <cstdint>

namespace quorvel::catalogue {

// One mesh type. GridType holds the name's 10 bytes in the file's 8-bit code page (Windows-1254).
struct MeshRecord
{
    std::array<char, 10> GridType{};
    float GridLength = 0;
    float GridWidth = 0;
    std::int16_t LenCount = 0;
    std::int16_t WidCount = 0;
    float LenDia = 0;
    float WidDia = 0;
    float LenSpace = 0;
    float WidSpace = 0;
    float LenArea = 0;
    float WidArea = 0;
    float UnitWeight = 0;

    friend bool operator==(const MeshRecord&, const MeshRecord&) = default;
};

inline constexpr int kMaxRecords = 1000;

// Slots 1 to 1000 hold the catalogue without gaps; slot 0 is never used. A fresh table is all
// empty slots (ten NUL bytes for a name, zero numbers).
class MeshTable
{
public:
    static constexpr int kSlotCount = kMaxRecords + 1;

    MeshRecord& operator[](int slot) { return mSlots.at(static_cast<std::size_t>(slot)); }
    const MeshRecord& operator[](int slot) const
    {
        return mSlots.at(static_cast<std::size_t>(slot));
    }

    friend bool operator==(const MeshTable&, const MeshTable&) = default;

private:
    std::array<MeshRecord, kSlotCount> mSlots{};
};

// True when the slot holds a record: the first byte of the name after leading blanks (with one
// blank appended) is 32 or more. A never-written slot ends the catalogue; an all-blank name is a
// record. Slots outside 1..1000 hold nothing.
bool SlotInUse(const MeshTable& table, int slot);

// Number of records: the unbroken run from slot 1.
int RecordCount(const MeshTable& table);

} // namespace quorvel::catalogue
