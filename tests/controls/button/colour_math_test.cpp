// The colour functions: shift with its clamps and proportional blue, and tint.
#include "controls/button/colour_math.h"
#include "platform/checked.h"

#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace quorvel {
namespace {

struct ShiftCase
{
    platform::Colour colour;
    std::int32_t amount;
    bool proportionalBlue;
    platform::Colour expected;
};

TEST(ShiftColor, ChannelArithmetic)
{
    const std::vector<ShiftCase> cases{
        {0x00808080, -64, true, 0x00564040}, // blue 128 - 8192 / 192 = 86
        {0x00808080, -64, false, 0x00404040},
        {0x00ABCDEF, 0, false, 0x00ABCDEF},
        {0x00ABCDEF, 0, true, 0x00ABCDEF},
        {0x00008080, 64, true, 0x0000C0C0}, // a blue of 0 stays 0
        {0x00008080, -64, true, 0x00004040},
        {0x00FF0000, -192, true, 0x00000000}, // -192 empties any blue
        {0x007F0000, -192, true, 0x00000000},
        {0x00640000, -1, true, 0x00640000},   // 100 x -1 / 192 truncates to 0
        {0x00FFFFFF, 48, false, 0x00FFFFFF},  // clamped at 255
        {0x00000000, -64, false, 0x00000000}, // clamped at 0
        {0x00C0C0C0, -64, false, 0x00808080},
        {0x00C0C0C0, 31, false, 0x00DFDFDF},
        {0x00C0C0C0, 47, false, 0x00EFEFEF},
        {0x00C0C0C0, -192, false, 0x00000000},
        {0x00C0C0C0, -128, false, 0x00404040},
        {0x00808080, 48, true, 0x00A0B0B0},
        {0x00808080, 48, false, 0x00B0B0B0},
        {0x00C0C0C0, 48, true, 0x00F0F0F0},
        {0x00F0F0F0, -24, true, 0x00D2D8D8},
    };
    for (const ShiftCase& c : cases)
        EXPECT_EQ(ShiftColor(c.colour, c.amount, c.proportionalBlue), c.expected)
            << std::hex << c.colour << " by " << std::dec << c.amount << " flag "
            << c.proportionalBlue;
}

TEST(ShiftColor, AmountsBeyond32BitsAreOverflows)
{
    EXPECT_THROW(ShiftColor(0x00010101, INT_MAX, false), platform::OverflowError);
    EXPECT_THROW(ShiftColor(0x00FF0000, 10'000'000, true), platform::OverflowError);
    EXPECT_EQ(ShiftColor(0x00000000, INT_MIN, false), 0);
}

struct TintCase
{
    platform::Colour colour;
    std::int32_t amount;
    platform::Colour expected;
};

TEST(TintColor, MovesTowardWhite)
{
    const std::vector<TintCase> cases{
        {0x006A240A, 176, 0x00D0BBB3},
        {0x006A240A, 128, 0x00B49184},
        {0x006A240A, 0, 0x006A240A},
        {0x00123456, 255, 0x00FFFFFF},
        {0x00000000, 300, 0x00FFFFFF},                  // clamped above
        {0x00000000, -10, -10 - 256 * 10 - 65536 * 10}, // no lower clamp
    };
    for (const TintCase& c : cases)
        EXPECT_EQ(TintColor(c.colour, c.amount), c.expected)
            << std::hex << c.colour << " by " << std::dec << c.amount;
}

TEST(TintColor, AmountsBeyond32BitsAreOverflows)
{
    EXPECT_THROW(TintColor(0x00FFFFFF, INT_MIN), platform::OverflowError);
}

} // namespace
} // namespace quorvel
