#include "catalogue/library_format.h"
#include "test_records.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace quorvel::catalogue {
namespace {

using test::Name;
using test::Record;

const MeshRecord kQ131 = Record("Q131", 5, 2.15f, 150, 150, 1, 5, 1, 5, 1.31f, 1.31f, 2.09f);
const std::string kQ131Lines = "Q131      \r\n5,2.15,150,150,1,5,1,5,1.31,1.31,2.09\r\n";

// ---------------------------------------------------------------------------------------------
// Numbers as the file writes them.

struct FileNumberCase
{
    float value;
    const char* expected;
};

class FormatFileNumberTest : public ::testing::TestWithParam<FileNumberCase>
{
};

TEST_P(FormatFileNumberTest, Writes)
{
    const FileNumberCase& c = GetParam();
    EXPECT_EQ(FormatFileNumber(c.value), c.expected) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatFileNumberTest,
    ::testing::Values(FileNumberCase{5, "5"}, FileNumberCase{150, "150"},
                      FileNumberCase{2.15f, "2.15"}, FileNumberCase{0.5f, ".5"},
                      FileNumberCase{-0.25f, "-.25"}, FileNumberCase{0, "0"},
                      FileNumberCase{-0.0f, "0"}, FileNumberCase{1.3089583f, "1.308958"},
                      FileNumberCase{6.6666665f, "6.666667"}, FileNumberCase{0.0001f, ".0001"},
                      FileNumberCase{1234567, "1234567"}, FileNumberCase{9999999, "9999999"},
                      FileNumberCase{1e7f, "1E+07"}, FileNumberCase{12345678, "1.234568E+07"},
                      FileNumberCase{1.5e-5f, "1.5E-05"}, FileNumberCase{-1.5e10f, "-1.5E+10"},
                      FileNumberCase{std::numeric_limits<float>::max(), "3.402823E+38"},
                      FileNumberCase{1e-45f, "1.401298E-45"},
                      // Rounds to 7 digits on carry into a new digit.
                      FileNumberCase{9.9999999f, "10"}, FileNumberCase{0.99999999f, "1"},
                      // Nothing non-finite reaches the file.
                      FileNumberCase{std::numeric_limits<float>::infinity(), "0"},
                      FileNumberCase{std::numeric_limits<float>::quiet_NaN(), "0"}));

// The text written for a value reads back to a value that is written the same way.
TEST(FormatFileNumberTest, StableAfterOneReadBack)
{
    const float values[] = {1.0f / 3, 2.0f / 3, 8589934592.0f, 8.6e9f, 9.7e12f,
                            1.1e-7f,  3.3e38f,  123456.789f,   0.1f,   7.0e-39f};
    for (float value : values) {
        const std::string text = FormatFileNumber(value);
        MeshTable table;
        ParseMeshLibrary("X\r\n" + text + "\r\n", table);
        EXPECT_EQ(FormatFileNumber(table[1].GridLength), text) << value;
    }
}

// ---------------------------------------------------------------------------------------------
// Reading.

struct ParseCase
{
    const char* label;
    std::string bytes;
    MeshRecord expected; // slot 1
    int recordsRead;
};

class ParseFieldRulesTest : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P(ParseFieldRulesTest, ReadsSlotOne)
{
    const ParseCase& c = GetParam();
    MeshTable table;
    const ParseResult result = ParseMeshLibrary(c.bytes, table);
    EXPECT_EQ(result.recordsRead, c.recordsRead);
    EXPECT_EQ(result.recordsDropped, 0);
    const MeshRecord& r = table[1];
    EXPECT_EQ(std::string(r.GridType.data(), 10), std::string(c.expected.GridType.data(), 10));
    EXPECT_EQ(r, c.expected);
    EXPECT_EQ(RecordCount(table), c.recordsRead) << "every record read stays a record";
}

MeshRecord WithName(MeshRecord r, std::string_view name)
{
    r.GridType = Name(name);
    return r;
}

const MeshRecord kNumbersOnly = Record("", 1, 2, 3, 4, 1, 6, 2, 8, 9, 10, 11);

INSTANTIATE_TEST_SUITE_P(
    Table, ParseFieldRulesTest,
    ::testing::Values(
        ParseCase{"crlf", kQ131Lines, kQ131, 1},
        ParseCase{"lf", "Q131\n5,2.15,150,150,1,5,1,5,1.31,1.31,2.09\n", kQ131, 1},
        ParseCase{"cr_only", "Q131\r5,2.15,150,150,1,5,1,5,1.31,1.31,2.09\r", kQ131, 1},
        ParseCase{"one_line", "Q131,5,2.15,150,150,1,5,1,5,1.31,1.31,2.09", kQ131, 1},
        ParseCase{"spread_over_lines", "Q131\r\n5,2.15\r\n150\n150,1,5,1\r5,1.31,1.31,2.09\r\n",
                  kQ131, 1},
        ParseCase{"blanks_before_fields", "   Q131\r\n 5,  2.15, 150,150,1,5,1,5,1.31,1.31,2.09",
                  kQ131, 1},
        ParseCase{"field_order", "N\r\n1,2,3,4,1,6,2,8,9,10,11\r\n", WithName(kNumbersOnly, "N"),
                  1},
        ParseCase{"long_name_cut", "ABCDEFGHIJKLMNOP\r\n1,2,3,4,1,6,2,8,9,10,11\r\n",
                  WithName(kNumbersOnly, "ABCDEFGHIJ"), 1},
        ParseCase{"quoted_name_with_comma", "\"A,B\"\r\n1,2,3,4,1,6,2,8,9,10,11\r\n",
                  WithName(kNumbersOnly, "A,B"), 1},
        ParseCase{"quoted_name_keeps_blanks", "\"  AB\"\r\n1,2,3,4,1,6,2,8,9,10,11\r\n",
                  WithName(kNumbersOnly, "  AB"), 1},
        ParseCase{"text_after_closing_quote_dropped", "\"AB\"xyz\r\n1,2,3,4,1,6,2,8,9,10,11",
                  WithName(kNumbersOnly, "AB"), 1},
        ParseCase{"unclosed_quote_runs_to_end", "\"AB\r\n1,2",
                  WithName(Record("", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), "AB  1,2"), 1},
        ParseCase{"quote_inside_plain_name", "A\"B\r\n1,2,3,4,1,6,2,8,9,10,11",
                  WithName(kNumbersOnly, "A\"B"), 1},
        ParseCase{"not_a_number_is_zero", "N\r\nabc,2,3,4,x,6,2,8,9,10,11",
                  Record("N", 0, 2, 3, 4, 0, 6, 2, 8, 9, 10, 11), 1},
        ParseCase{"quoted_numbers", "N\r\n\"1\",2,3,4,\"1\",6,2,8,9,10,11",
                  WithName(kNumbersOnly, "N"), 1},
        ParseCase{"exponent_forms", "N\r\n1E+07,1.5E-05,3,4,1,6,2,8,9,10,11",
                  Record("N", 1e7f, 1.5e-5f, 3, 4, 1, 6, 2, 8, 9, 10, 11), 1},
        ParseCase{"counts_round_half_even", "N\r\n1,2,3,4,2.5,6,1.5,8,9,10,11",
                  Record("N", 1, 2, 3, 4, 2, 6, 2, 8, 9, 10, 11), 1},
        ParseCase{"count_beyond_16_bits_is_zero", "N\r\n1,2,3,4,40000,6,-32769,8,9,10,11",
                  Record("N", 1, 2, 3, 4, 0, 6, 0, 8, 9, 10, 11), 1},
        ParseCase{"count_limits_kept", "N\r\n1,2,3,4,32767,6,-32768,8,9,10,11",
                  Record("N", 1, 2, 3, 4, 32767, 6, -32768, 8, 9, 10, 11), 1},
        ParseCase{"beyond_single_precision_is_zero", "N\r\n1E39,-1E39,1E300,4,1,6,2,8,9,10,11",
                  Record("N", 0, 0, 0, 4, 1, 6, 2, 8, 9, 10, 11), 1},
        ParseCase{"inf_and_nan_are_zero", "N\r\ninf,nan,-inf,INF,1,NaN,2,8,9,10,11",
                  Record("N", 0, 0, 0, 0, 1, 0, 2, 8, 9, 10, 11), 1},
        ParseCase{"ends_inside_number_line", "Q131\r\n5,2.15,150",
                  Record("Q131", 5, 2.15f, 150, 0, 0, 0, 0, 0, 0, 0, 0), 1},
        ParseCase{"ends_after_separator", "Q131\r\n5,2.15,",
                  Record("Q131", 5, 2.15f, 0, 0, 0, 0, 0, 0, 0, 0, 0), 1},
        ParseCase{"name_line_only", "Q131\r\n", Record("Q131", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), 1},
        ParseCase{"name_without_line_end", "Q131", Record("Q131", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0),
                  1},
        ParseCase{"nul_bytes_in_name_read_as_blanks",
                  std::string("A\0B\0", 4) + "\r\n1,2,3,4,1,6,2,8,9,10,11",
                  WithName(kNumbersOnly, "A B"), 1},
        ParseCase{"control_byte_first_still_a_record", "\x01Q\tR\r\n1,2,3,4,1,6,2,8,9,10,11",
                  WithName(kNumbersOnly, " Q R"), 1},
        ParseCase{"code_page_bytes_kept", "\xDE\xFE\xF0\xFF\x81\r\n1,2,3,4,1,6,2,8,9,10,11",
                  WithName(kNumbersOnly, "\xDE\xFE\xF0\xFF\x81"), 1},
        ParseCase{"blank_only_input_is_a_blank_record", "   ",
                  Record("", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), 1},
        ParseCase{"empty_input", "", MeshRecord{}, 0}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(ParseMeshLibraryTest, EmptyLineAfterLastRecordIsABlankRecord)
{
    MeshTable table;
    const ParseResult result = ParseMeshLibrary(kQ131Lines + "\r\n", table);
    EXPECT_EQ(result.recordsRead, 2);
    EXPECT_EQ(table[1], kQ131);
    EXPECT_EQ(table[2], Record("", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(SerializeMeshLibrary(table), kQ131Lines + "          \r\n0,0,0,0,0,0,0,0,0,0,0\r\n");
}

TEST(ParseMeshLibraryTest, VeryLongLinesLoad)
{
    const std::string longName(1 << 20, 'N');
    const std::string longNumber = "5" + std::string(1 << 20, '0') + "E-1048576";
    MeshTable table;
    const ParseResult result =
        ParseMeshLibrary(longName + "\r\n" + longNumber + ",2,3,4,1,6,2,8,9,10,11\r\n", table);
    EXPECT_EQ(result.recordsRead, 1);
    EXPECT_EQ(table[1].GridType, Name("NNNNNNNNNN"));
    EXPECT_EQ(table[1].GridLength, 5.0f);
}

std::string Catalogue(int records)
{
    std::string bytes;
    for (int i = 1; i <= records; ++i) {
        std::string name = "R" + std::to_string(i);
        name.resize(10, ' ');
        bytes += name + "\r\n" + std::to_string(i) + ",2,3,4,1,6,2,8,9,10,11\r\n";
    }
    return bytes;
}

struct CapacityCase
{
    int inFile;
    int read;
    int dropped;
};

class CapacityTest : public ::testing::TestWithParam<CapacityCase>
{
};

TEST_P(CapacityTest, FirstThousandLoadTheRestAreCounted)
{
    const CapacityCase& c = GetParam();
    MeshTable table;
    const ParseResult result = ParseMeshLibrary(Catalogue(c.inFile), table);
    EXPECT_EQ(result.recordsRead, c.read);
    EXPECT_EQ(result.recordsDropped, c.dropped);
    EXPECT_EQ(RecordCount(table), c.read);
    EXPECT_TRUE(SerializeMeshLibrary(table) == Catalogue(c.read)) << "written back as read";
}

INSTANTIATE_TEST_SUITE_P(Table, CapacityTest,
                         ::testing::Values(CapacityCase{999, 999, 0}, CapacityCase{1000, 1000, 0},
                                           CapacityCase{1001, 1000, 1},
                                           CapacityCase{1250, 1000, 250}));

// ---------------------------------------------------------------------------------------------
// Writing.

TEST(SerializeMeshLibraryTest, NameLineThenNumberLineInFileOrder)
{
    MeshTable table;
    table[1] = kQ131;
    table[2] = Record("R2", 6, 2.3f, 150, 250, 2, 6.5f, 1, 0.5f, 6.7018666f, 1.3089583f, -0.25f);
    EXPECT_EQ(SerializeMeshLibrary(table),
              kQ131Lines + "R2        \r\n6,2.3,150,250,2,6.5,1,.5,6.701867,1.308958,-.25\r\n");
}

TEST(SerializeMeshLibraryTest, StopsAtTheFirstEmptySlot)
{
    MeshTable table;
    table[1] = kQ131;
    table[2] = Record("", 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1); // blank name: a record, kept
    table[3] = kQ131;
    table[5] = kQ131; // after the empty slot 4
    const std::string bytes = SerializeMeshLibrary(table);
    EXPECT_EQ(bytes, kQ131Lines + "          \r\n1,1,1,1,1,1,1,1,1,1,1\r\n" + kQ131Lines);
    EXPECT_EQ(SerializeMeshLibrary(MeshTable{}), "");
}

struct NameCase
{
    const char* label;
    std::string name;     // as held
    std::string line;     // as written
    std::string readBack; // as read again
};

class NameLineTest : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(NameLineTest, WritesWhatReadsBack)
{
    const NameCase& c = GetParam();
    MeshTable table;
    table[1] = kQ131;
    std::copy(c.name.begin(), c.name.end(), table[1].GridType.begin());
    const std::string bytes = SerializeMeshLibrary(table);
    EXPECT_EQ(bytes.substr(0, bytes.find("\r\n5,")), c.line);

    MeshTable back;
    ParseMeshLibrary(bytes, back);
    EXPECT_EQ(std::string(back[1].GridType.data(), 10), c.readBack);
    EXPECT_EQ(SerializeMeshLibrary(back),
              c.readBack == c.name ? bytes : SerializeMeshLibrary(back));
    MeshTable again;
    ParseMeshLibrary(SerializeMeshLibrary(back), again);
    EXPECT_EQ(again, back) << "stable after one round";
}

INSTANTIATE_TEST_SUITE_P(
    Table, NameLineTest,
    ::testing::Values(NameCase{"plain", "Q131      ", "Q131      ", "Q131      "},
                      NameCase{"all_blank", "          ", "          ", "          "},
                      NameCase{"quote_inside", "A\"B       ", "A\"B       ", "A\"B       "},
                      NameCase{"comma", "A,B       ", "\"A,B       \"", "A,B       "},
                      NameCase{"line_ends", "A\r\nB      ", "\"A\r\nB      \"", "A  B      "},
                      NameCase{"leading_blanks", "  Q131    ", "\"  Q131    \"", "  Q131    "},
                      NameCase{"quote_first", "\"Q131     ", "\"'Q131     \"", "'Q131     "},
                      NameCase{"blanks_then_quote", "  \"Q      ", "\"  'Q      \"", "  'Q      "},
                      NameCase{"comma_and_quote", "A,\"B      ", "\"A,'B      \"", "A,'B      "}),
    [](const auto& info) { return std::string(info.param.label); });

// Inputs whose first write settles names and numbers: the second write must equal it.
class RoundTripTest : public ::testing::TestWithParam<std::string>
{
};

TEST_P(RoundTripTest, SecondWriteEqualsFirst)
{
    MeshTable first;
    ParseMeshLibrary(GetParam(), first);
    const std::string once = SerializeMeshLibrary(first);
    MeshTable second;
    ParseMeshLibrary(once, second);
    EXPECT_EQ(SerializeMeshLibrary(second), once);
}

INSTANTIATE_TEST_SUITE_P(Settling, RoundTripTest,
                         ::testing::Values(kQ131Lines, std::string("\"  \"\r\n"),
                                           std::string("  \"x\r\n1"), std::string("\"a\"\"b\",1,2"),
                                           std::string("\r\r\r"), std::string(",,,,,,,,,,,,,,,")));

} // namespace
} // namespace quorvel::catalogue
