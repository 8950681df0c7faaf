#include "catalogue/number_format.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace quorvel::catalogue {
namespace {

const std::string kOverflow = "\xCA";

struct FixedCase
{
    double value;
    int width;
    int decimals;
    std::string expected;
};

class FormatFixedDoubleTest : public ::testing::TestWithParam<FixedCase>
{
};

TEST_P(FormatFixedDoubleTest, Formats)
{
    const FixedCase& c = GetParam();
    EXPECT_EQ(FormatFixed(c.value, c.width, c.decimals), c.expected)
        << c.value << " width " << c.width << " decimals " << c.decimals;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatFixedDoubleTest,
    ::testing::Values(
        // The row's four layouts.
        FixedCase{5, 6, 2, "  5.00"}, FixedCase{0, 6, 2, "  0.00"}, FixedCase{5, 5, 0, "    5"},
        FixedCase{0, 5, 0, "     "}, FixedCase{5, 4, 1, " 5.0"}, FixedCase{0, 4, 1, " 0.0"},
        FixedCase{5, 5, 2, " 5.00"}, FixedCase{0, 5, 2, " 0.00"}, FixedCase{150, 5, 0, "  150"},
        // Too long: the right end is cut off.
        FixedCase{123.456, 5, 2, "123.4"}, FixedCase{1000000, 5, 0, "10000"},
        FixedCase{99.995, 5, 2, "100.0"},
        // Beyond a million: the mark alone, not widened.
        FixedCase{1234567, 6, 2, kOverflow}, FixedCase{-2000000, 5, 0, kOverflow},
        FixedCase{1000000.01, 6, 2, kOverflow}, FixedCase{-1000000, 6, 2, "-10000"},
        // Negative values and rounding half away from zero.
        FixedCase{-1.5, 5, 2, "-1.50"}, FixedCase{0.5, 5, 0, "    1"},
        FixedCase{2.5, 5, 0, "    3"}, FixedCase{-2.5, 5, 0, "   -3"},
        FixedCase{1.005, 5, 2, " 1.01"}, FixedCase{0.4, 5, 0, "     "},
        FixedCase{-0.4, 5, 0, "     "}, FixedCase{-0.004, 5, 2, " 0.00"},
        FixedCase{9.95, 4, 1, "10.0"}, FixedCase{0.05, 4, 1, " 0.1"},
        // A width too small for the digits before the point still shows "0.".
        FixedCase{5, 2, 2, "5."}, FixedCase{5, 1, 0, "5"}));

struct FloatCase
{
    float value;
    int width;
    int decimals;
    std::string expected;
};

class FormatFixedFloatTest : public ::testing::TestWithParam<FloatCase>
{
};

TEST_P(FormatFixedFloatTest, UsesTheShortestDecimalForm)
{
    const FloatCase& c = GetParam();
    EXPECT_EQ(FormatFixed(c.value, c.width, c.decimals), c.expected) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatFixedFloatTest,
    ::testing::Values(
        // Stored just below the half, typed as the half: shows as typed.
        FloatCase{2.675f, 6, 2, "  2.68"}, FloatCase{1.005f, 5, 2, " 1.01"},
        FloatCase{0.125f, 5, 2, " 0.13"}, FloatCase{1.3089583f, 5, 2, " 1.31"},
        FloatCase{6.7018666f, 5, 2, " 6.70"}, FloatCase{4.7782216f, 5, 2, " 4.78"},
        FloatCase{2.15f, 6, 2, "  2.15"}, FloatCase{1e6f, 6, 2, "100000"},
        FloatCase{1.5e6f, 6, 2, kOverflow},
        // The floats either side of a half round as their digits say.
        FloatCase{2.6749997f, 6, 2, "  2.67"}, FloatCase{2.6750002f, 6, 2, "  2.68"},
        FloatCase{-2.675f, 6, 2, " -2.68"}, FloatCase{0.5f, 5, 0, "    1"},
        FloatCase{1.4999999f, 5, 0, "    1"}, FloatCase{1234.5f, 5, 0, " 1235"},
        FloatCase{0.00049999997f, 8, 3, "   0.000"}, FloatCase{2.675f, 11, 8, " 2.67500000"}));

TEST(FormatFixedTest, AppendsToWhatIsThere)
{
    std::string row = "\xA1";
    AppendFixed(row, 2.675f, 6, 2);
    AppendFixed(row, 1234567.0f, 6, 2);
    AppendFixed(row, 0.0f, 5, 0);
    EXPECT_EQ(row, "\xA1  2.68\xCA     ");
}

TEST(FormatFixedTest, NonFiniteGivesTheOverflowMark)
{
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 5, 2), kOverflow);
    EXPECT_EQ(FormatFixed(-std::numeric_limits<float>::infinity(), 5, 2), kOverflow);
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 5, 2), kOverflow);
}

struct PictureCase
{
    double value;
    const char* picture;
    std::string expected;
};

class FormatPictureTest : public ::testing::TestWithParam<PictureCase>
{
};

TEST_P(FormatPictureTest, Formats)
{
    const PictureCase& c = GetParam();
    EXPECT_EQ(FormatPicture(c.value, c.picture), c.expected) << c.value << " with " << c.picture;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatPictureTest,
    ::testing::Values(PictureCase{5, "##0.00", "5.00"}, PictureCase{0, "#####", ""},
                      PictureCase{0.3, "#####", ""}, PictureCase{12345678, "#", "12345678"},
                      PictureCase{7, "000", "007"}, PictureCase{0.5, "#.00", ".50"},
                      PictureCase{1.5, "0.0#", "1.5"}, PictureCase{1.25, "0.0#", "1.25"},
                      PictureCase{1.255, "0.0#", "1.26"}, PictureCase{-0.75, "0.0", "-0.8"},
                      PictureCase{999.9999, "0.00", "1000.00"},
                      PictureCase{1e20, "0", "100000000000000000000"},
                      PictureCase{1.5e-10, "0.00", "0.00"}));

struct ReadCase
{
    const char* text;
    double expected;
};

class ReadNumberTest : public ::testing::TestWithParam<ReadCase>
{
};

TEST_P(ReadNumberTest, Reads)
{
    const ReadCase& c = GetParam();
    EXPECT_DOUBLE_EQ(ReadNumber(c.text), c.expected) << "\"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadNumberTest,
    ::testing::Values(ReadCase{"150", 150}, ReadCase{"2.15", 2.15}, ReadCase{"", 0},
                      ReadCase{"abc", 0}, ReadCase{"2,5", 2}, ReadCase{"4 mm", 4},
                      ReadCase{"1.5E3", 1500}, ReadCase{"12D3", 12000}, ReadCase{"1.5e3", 1500},
                      ReadCase{"1E+07", 1e7}, ReadCase{"1.5E-05", 1.5e-5}, ReadCase{".5", 0.5},
                      ReadCase{"-.25", -0.25}, ReadCase{"+7", 7}, ReadCase{"5.", 5},
                      // Blanks, tabs and line feeds anywhere are ignored; a CR is not.
                      ReadCase{" 1 2 ", 12}, ReadCase{"\t- 1 . 5\n", -1.5}, ReadCase{"1 E 3", 1000},
                      ReadCase{"\r5", 0},
                      // An exponent without digits is not part of the number.
                      ReadCase{"1.5E", 1.5}, ReadCase{"1.5E+", 1.5}, ReadCase{"2Ex", 2},
                      // Nothing a field could not hold.
                      ReadCase{"-", 0}, ReadCase{".", 0}, ReadCase{"+-5", 0}, ReadCase{"inf", 0},
                      ReadCase{"nan", 0}, ReadCase{"1E999", 0}, ReadCase{"-1E999", 0},
                      ReadCase{"1E-999", 0}, ReadCase{"1E99999999999999999999", 0}));

// Plain decimals read as the nearest double, exactly: 0.3 is not 3 times 0.1.
TEST(ReadNumberTest, PlainDecimalsAreTheNearestDouble)
{
    const std::pair<const char*, double> cases[] = {
        {"0.3", 0.3},
        {"1.308958", 1.308958},
        {"-2.675", -2.675},
        {"123456789012345", 123456789012345.0},
        {"0.000000000000001", 1e-15},
        {"9007199254740993", 9007199254740992.0},
        {"1.0000000000000002", 1.0000000000000002},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ReadNumber(text), expected) << text;
    }
    EXPECT_TRUE(std::signbit(ReadNumber("-0")));
}

TEST(ReadNumberTest, VeryLongDigitRun)
{
    EXPECT_DOUBLE_EQ(ReadNumber("1" + std::string(100000, '0') + "E-100000"), 1.0);
}

} // namespace
} // namespace quorvel::catalogue
