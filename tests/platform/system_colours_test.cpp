// Colour translation against a fixed system colour table.
#include "platform/system_colours.h"

#include <gtest/gtest.h>
#include <vector>

namespace quorvel::platform {
namespace {

struct TranslateCase
{
    const char* name;
    Colour colour;
    Colour expected;
};

TEST(TranslateColour, PlainSystemAndUntranslatable)
{
    const FixedSystemColours table;
    const std::vector<TranslateCase> cases{
        {"plain", 0x00C0C0C0, 0x00C0C0C0},
        {"black", 0, 0},
        {"button face", static_cast<Colour>(0x8000000F), 0x00C8D0D4},
        {"button shadow", static_cast<Colour>(0x80000010), 0x00808080},
        {"dark shadow", static_cast<Colour>(0x80000015), 0x00404040},
        {"highlight", static_cast<Colour>(0x8000000D), 0x006A240A},
        {"index 0", static_cast<Colour>(0x80000000), table.Get(0)},
        {"index 30", static_cast<Colour>(0x8000001E), table.Get(30)},
        {"index 31", static_cast<Colour>(0x8000001F), 0},
        {"index 255", static_cast<Colour>(0x800000FF), 0},
        {"palette index", 0x01000005, 0},
        {"all bits", -1, 0},
    };
    for (const TranslateCase& c : cases)
        EXPECT_EQ(TranslateColour(c.colour, table), c.expected) << c.name;
}

TEST(FixedSystemColours, ClassicSchemeAndReplacement)
{
    const FixedSystemColours table;
    EXPECT_EQ(table.Get(kButtonFace), 0x00C8D0D4);
    EXPECT_EQ(table.Get(kButtonText), 0);
    EXPECT_EQ(table.Get(kButtonHighlight), 0x00FFFFFF);
    EXPECT_EQ(table.Get(kLight3D), 0x00C8D0D4);
    EXPECT_EQ(table.Get(kWindow), 0x00FFFFFF);
    EXPECT_EQ(table.Get(kWindowText), 0);
    EXPECT_EQ(table.Get(-1), 0);
    EXPECT_EQ(table.Get(31), 0);

    const FixedSystemColours changed = table.With(kHighlight, 0x00112233);
    EXPECT_EQ(changed.Get(kHighlight), 0x00112233);
    EXPECT_EQ(table.Get(kHighlight), 0x006A240A);
}

} // namespace
} // namespace quorvel::platform
