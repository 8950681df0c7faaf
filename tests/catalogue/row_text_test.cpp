#include "catalogue/row_text.h"
#include "test_records.h"

#include <gtest/gtest.h>
#include <string>

namespace quorvel::catalogue {
namespace {

using test::Record;

// Text at positions [first, last], counted from 1 as the list shows them.
std::string At(const std::string& row, std::size_t first, std::size_t last)
{
    return row.substr(first - 1, last - first + 1);
}

struct Column
{
    std::size_t first;
    std::size_t last;
    std::string expected;
};

TEST(RowTextTest, EveryColumnAtItsPosition)
{
    const MeshRecord record =
        Record("Q131", 5, 2.15f, 150, 250, 2, 5, 1, 6.5f, 1.3089583f, 1.1309f, 2.09f);
    const std::string row = RowText(record);
    ASSERT_EQ(row.size(), 76u) << row;
    const Column columns[] = {
        {1, 1, " "},          {2, 11, "Q131      "}, {12, 12, "\xA1"},     {13, 18, "  5.00"},
        {19, 19, "\xA1"},     {20, 25, "  2.15"},    {26, 26, "\xA1"},     {27, 31, "  150"},
        {32, 32, "\xA1"},     {33, 37, "  250"},     {38, 38, "\xA1"},     {39, 42, " 5.0"},
        {43, 43, "d"},        {44, 44, "\xA1"},      {45, 48, " 6.5"},     {49, 49, " "},
        {50, 50, "\xA1"},     {51, 55, " 1.31"},     {56, 56, "\xA1"},     {57, 61, " 1.13"},
        {62, 66, "\xA1    "}, {67, 71, " 2.09"},     {72, 76, "    \xA1"},
    };
    for (const Column& column : columns) {
        EXPECT_EQ(At(row, column.first, column.last), column.expected)
            << "positions " << column.first << "-" << column.last;
    }
}

struct MarkerCase
{
    std::int16_t lenCount;
    std::int16_t widCount;
    const char* markers; // positions 43 and 49
};

class DoubleBarMarkerTest : public ::testing::TestWithParam<MarkerCase>
{
};

TEST_P(DoubleBarMarkerTest, ShowsDForMoreThanOneBar)
{
    const MarkerCase& c = GetParam();
    const std::string row =
        RowText(Record("X", 1, 1, 100, 100, c.lenCount, 8, c.widCount, 8, 1, 1, 1));
    EXPECT_EQ(std::string() + row[42] + row[48], c.markers);
}

INSTANTIATE_TEST_SUITE_P(Counts, DoubleBarMarkerTest,
                         ::testing::Values(MarkerCase{2, 1, "d "}, MarkerCase{1, 2, " d"},
                                           MarkerCase{0, 0, "  "}, MarkerCase{3, -1, "d "}));

TEST(RowTextTest, EmptyRecordShowsBlankCountsAndZeros)
{
    const std::string row = RowText(Record("", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(row, " " + std::string(10, ' ') +
                       "\xA1  0.00\xA1  0.00\xA1     \xA1     \xA1 0.0 \xA1 0.0 \xA1 0.00\xA1 0.00"
                       "\xA1     0.00    \xA1");
}

TEST(RowTextTest, OverflowMarkShiftsLaterColumnsLeft)
{
    const std::string row = RowText(Record("BIG", 2000000, 2.15f, 150, 150, 1, 5, 1, 5, 1, 1, 1));
    EXPECT_EQ(row.size(), 71u);
    EXPECT_EQ(At(row, 13, 14), "\xCA\xA1");
    EXPECT_EQ(At(row, 15, 20), "  2.15");
}

TEST(RowTextTest, NameBytesPassThroughUnchanged)
{
    MeshRecord record = Record("", 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1);
    record.GridType = {'\xDE', '\xDD', '\xD0', ' ', '\xFE', '\xFD', '\xF0', '-', '1', '2'};
    EXPECT_EQ(At(RowText(record), 2, 11), "\xDE\xDD\xD0 \xFE\xFD\xF0-12");
}

TEST(HeaderLineTest, LengthsAndRulePositions)
{
    const std::string row = RowText(Record("Q131", 5, 2.15f, 150, 150, 1, 5, 1, 5, 1, 1, 1));
    const std::string line1(HeaderLine1());
    const std::string line2(HeaderLine2());
    EXPECT_EQ(line1.size(), 76u);
    EXPECT_EQ(line2.size(), 77u);
    EXPECT_NE(line2.find("kg/m\xB2"), std::string::npos);

    // Every rule of the second line stands one to the right of a row separator.
    for (std::size_t i = 0; i + 1 < row.size(); ++i) {
        if (row[i] == '\xA1') {
            EXPECT_EQ(line2[i + 1], '\xA1') << "after row position " << i + 1;
        }
    }
    EXPECT_EQ(line2[0], '\xA1');
    // The first line closes where the row closes.
    EXPECT_EQ(line1.back(), '\xA1');
    EXPECT_EQ(row.back(), '\xA1');
}

} // namespace
} // namespace quorvel::catalogue
