// The working colour set of each colour scheme, against the classic system colour table.
#include "controls/button/colour_scheme.h"

#include <gtest/gtest.h>
#include <vector>

namespace quorvel {
namespace {

constexpr platform::Colour kSystemFace = static_cast<platform::Colour>(0x8000000F);
constexpr platform::Colour kSystemWindow = static_cast<platform::Colour>(0x80000005);

SchemeInputs Inputs(std::int32_t scheme, platform::Colour back = 0x00C0C0C0)
{
    SchemeInputs in;
    in.colorScheme = scheme;
    in.buttonType = 1;
    in.backColor = back;
    in.foreColor = 0x00112233;
    in.foreOver = 0x00445566;
    in.maskColor = 0x00FF00FF;
    in.parentBack = 0x00FFFFFF;
    in.parentText = 0x00000080;
    return in;
}

// face, light, highlight, shadow, darkShadow, text, textOver, hotBorder, hotFace, faceLight, mask
TEST(ColourScheme, OwnColoursWithEdgeOffsets)
{
    const platform::FixedSystemColours system;
    const ColourSet expected{0x00C0C0C0, 0x00DFDFDF, 0x00EFEFEF, 0x00808080, 0x00000000, 0x00112233,
                             0x00445566, 0x00404040, 0x00C0C0C0, 0x00F0F0F0, 0x00FF00FF};
    EXPECT_EQ(DeriveColourSet(Inputs(2), system), expected);

    const ColourSet black = DeriveColourSet(Inputs(2, 0), system);
    EXPECT_EQ(black.shadow, 0);
    EXPECT_EQ(black.darkShadow, 0);
    EXPECT_EQ(black.hotBorder, 0);
    EXPECT_EQ(black.light, 0x001F1F1F);
    EXPECT_EQ(black.highlight, 0x002F2F2F);

    // Property colours may name system colours; they are translated first.
    EXPECT_EQ(DeriveColourSet(Inputs(2, kSystemFace), system).face, 0x00C8D0D4);
}

TEST(ColourScheme, FixedPaletteIgnoresEverythingButTheMask)
{
    const platform::FixedSystemColours system;
    const ColourSet expected{0x00C0C0C0, 0x00DFDFDF, 0x00FFFFFF, 0x00808080, 0x00000000, 0x00000000,
                             0x00000000, 0x00800000, 0x00D1ADAD, 0x00F0F0F0, 0x00FF00FF};
    EXPECT_EQ(DeriveColourSet(Inputs(3), system), expected);

    SchemeInputs other = Inputs(3, 0x00123456);
    other.foreColor = other.foreOver = other.parentBack = other.parentText = 0x00654321;
    EXPECT_EQ(DeriveColourSet(other, system), expected);
}

TEST(ColourScheme, ParentColoursWithEdgeOffsets)
{
    const platform::FixedSystemColours system;
    const ColourSet expected{0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF, 0x00BFBFBF, 0x003F3F3F, 0x00000080,
                             0x00000080, 0x006A240A, 0x00D0BBB3, 0x00FFFFFF, 0x00FF00FF};
    EXPECT_EQ(DeriveColourSet(Inputs(4), system), expected);
}

TEST(ColourScheme, AnyOtherValueTakesTheSystemColours)
{
    const platform::FixedSystemColours system;
    const ColourSet expected{0x00C8D0D4, 0x00C8D0D4, 0x00FFFFFF, 0x00808080, 0x00404040, 0x00000000,
                             0x00000000, 0x006A240A, 0x00D0BBB3, 0x00F8FFFF, 0x00FF00FF};
    for (std::int32_t scheme : {0, 1, 5, -1, INT32_MIN})
        EXPECT_EQ(DeriveColourSet(Inputs(scheme), system), expected) << "scheme " << scheme;

    const ColourSet other =
        DeriveColourSet(Inputs(1), system.With(platform::kHighlight, 0x00112233));
    EXPECT_EQ(other.hotBorder, 0x00112233);
}

struct FaceLightCase
{
    std::int32_t buttonType;
    platform::Colour faceLight;
};

TEST(ColourScheme, FaceLightHasProportionalBlueOnlyForType2)
{
    const platform::FixedSystemColours system;
    const std::vector<FaceLightCase> cases{
        {2, 0x00A0B0B0}, {1, 0x00B0B0B0}, {3, 0x00B0B0B0}, {12, 0x00B0B0B0}};
    for (const FaceLightCase& c : cases) {
        SchemeInputs in = Inputs(2, 0x00808080);
        in.buttonType = c.buttonType;
        EXPECT_EQ(DeriveColourSet(in, system).faceLight, c.faceLight) << "type " << c.buttonType;
    }
}

TEST(ColourScheme, MaskIsTranslated)
{
    const platform::FixedSystemColours system;
    SchemeInputs in = Inputs(3);
    in.maskColor = kSystemWindow;
    EXPECT_EQ(DeriveColourSet(in, system).maskRGB, 0x00FFFFFF);
    in.maskColor = 0x7F000000;
    EXPECT_EQ(DeriveColourSet(in, system).maskRGB, 0);
}

} // namespace
} // namespace quorvel
