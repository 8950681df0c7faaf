#include "catalogue/mesh_record.h"
#include "test_records.h"

#include <gtest/gtest.h>
#include <string>

namespace quorvel::catalogue {
namespace {

using test::Name;

struct SlotCase
{
    const char* label;
    std::string name; // exactly 10 bytes
    bool inUse;
};

class SlotInUseTest : public ::testing::TestWithParam<SlotCase>
{
};

TEST_P(SlotInUseTest, FirstByteAfterBlanksDecides)
{
    const SlotCase& c = GetParam();
    ASSERT_EQ(c.name.size(), 10u);
    MeshTable table;
    std::copy(c.name.begin(), c.name.end(), table[1].GridType.begin());
    EXPECT_EQ(SlotInUse(table, 1), c.inUse);
}

INSTANTIATE_TEST_SUITE_P(Names, SlotInUseTest,
                         ::testing::Values(SlotCase{"never_written", std::string(10, '\0'), false},
                                           SlotCase{"all_blank", std::string(10, ' '), true},
                                           SlotCase{"plain", "Q131      ", true},
                                           SlotCase{"leading_blanks", "   Q131   ", true},
                                           SlotCase{"blanks_then_nul",
                                                    std::string("  \0\0\0\0\0\0\0\0", 10), false},
                                           SlotCase{"control_first", "\x01Q131     ", false},
                                           SlotCase{"code_page_byte_first",
                                                    "\xDE"
                                                    "ZAFIK    ",
                                                    true}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(SlotInUseTest, SlotsOutsideTheCatalogueHoldNothing)
{
    MeshTable table;
    table[1].GridType = Name("A");
    EXPECT_FALSE(SlotInUse(table, 0));
    EXPECT_FALSE(SlotInUse(table, -1));
    EXPECT_FALSE(SlotInUse(table, kMaxRecords + 1));
}

TEST(RecordCountTest, CountsTheUnbrokenRunFromSlotOne)
{
    MeshTable table;
    EXPECT_EQ(RecordCount(table), 0);
    table[1].GridType = Name("A");
    table[2].GridType = Name(""); // all blank: still a record
    table[3].GridType = Name("C");
    table[5].GridType = Name("E"); // after the gap at 4: not part of the catalogue
    EXPECT_EQ(RecordCount(table), 3);
}

TEST(RecordCountTest, FullTable)
{
    MeshTable table;
    for (int slot = 1; slot <= kMaxRecords; ++slot) {
        table[slot].GridType = Name("X");
    }
    EXPECT_EQ(RecordCount(table), kMaxRecords);
}

} // namespace
} // namespace quorvel::catalogue
