// The desktop colour table from the application palette or a fixed table, and colour
// translation.
#include "platform/system_colours.h"

#include <QGuiApplication>
#include <QPalette>

namespace quorvel::platform {
namespace {

struct PaletteEntry
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr QPalette::ColorGroup A = QPalette::Active;
constexpr QPalette::ColorGroup I = QPalette::Inactive;
constexpr QPalette::ColorGroup D = QPalette::Disabled;

constexpr std::array<PaletteEntry, kSystemColourCount> kPaletteMap = {{
    {A, QPalette::Button},
    {A, QPalette::Dark},
    {A, QPalette::Highlight},
    {I, QPalette::Highlight},
    {A, QPalette::Window},
    {A, QPalette::Base},
    {A, QPalette::Shadow},
    {A, QPalette::WindowText},
    {A, QPalette::Text},
    {A, QPalette::HighlightedText},
    {A, QPalette::Window},
    {A, QPalette::Window},
    {A, QPalette::Dark},
    {A, QPalette::Highlight},
    {A, QPalette::HighlightedText},
    {A, QPalette::Button},
    {A, QPalette::Dark},
    {D, QPalette::Text},
    {A, QPalette::ButtonText},
    {I, QPalette::HighlightedText},
    {A, QPalette::Light},
    {A, QPalette::Shadow},
    {A, QPalette::Midlight},
    {A, QPalette::ToolTipText},
    {A, QPalette::ToolTipBase},
    {A, QPalette::Button},
    {A, QPalette::Link},
    {A, QPalette::Highlight},
    {I, QPalette::Highlight},
    {A, QPalette::Highlight},
    {A, QPalette::Window},
}};

constexpr std::array<Colour, kSystemColourCount> kClassicScheme = {
    0x00C8D0D4, // scroll bar
    0x00A56E3A, // desktop
    0x006A240A, // active caption
    0x00808080, // inactive caption
    0x00C8D0D4, // menu
    0x00FFFFFF, // window
    0x00000000, // window frame
    0x00000000, // menu text
    0x00000000, // window text
    0x00FFFFFF, // caption text
    0x00C8D0D4, // active border
    0x00C8D0D4, // inactive border
    0x00808080, // app workspace
    0x006A240A, // highlight
    0x00FFFFFF, // highlight text
    0x00C8D0D4, // button face
    0x00808080, // button shadow
    0x00808080, // grey text
    0x00000000, // button text
    0x00C8D0D4, // inactive caption text
    0x00FFFFFF, // button highlight
    0x00404040, // 3-D dark shadow
    0x00C8D0D4, // 3-D light
    0x00000000, // info text
    0x00E1FFFF, // info background
    0x00B5B5B5, // unused index
    0x00800000, // hot light
    0x00F0CAA6, // gradient active caption
    0x00C0C0C0, // gradient inactive caption
    0x006A240A, // menu highlight
    0x00C8D0D4, // menu bar
};

bool IsValidIndex(int index)
{
    return index >= 0 && index < kSystemColourCount;
}

} // namespace

Colour PaletteSystemColours::Get(int index) const
{
    if (!IsValidIndex(index))
        return 0;
    const PaletteEntry& entry = kPaletteMap[static_cast<std::size_t>(index)];
    return FromQColor(QGuiApplication::palette().color(entry.group, entry.role));
}

FixedSystemColours::FixedSystemColours() : mTable(kClassicScheme) {}

FixedSystemColours::FixedSystemColours(const std::array<Colour, kSystemColourCount>& table)
    : mTable(table)
{
}

Colour FixedSystemColours::Get(int index) const
{
    return IsValidIndex(index) ? mTable[static_cast<std::size_t>(index)] : 0;
}

FixedSystemColours FixedSystemColours::With(int index, Colour colour) const
{
    FixedSystemColours copy = *this;
    if (IsValidIndex(index))
        copy.mTable[static_cast<std::size_t>(index)] = colour;
    return copy;
}

Colour TranslateColour(Colour colour, const SystemColours& colours)
{
    const auto bits = static_cast<std::uint32_t>(colour);
    const std::uint32_t top = bits >> 24;
    if (top == 0)
        return colour;
    if (top == 0x80 && IsValidIndex(static_cast<int>(bits & 0xFF)))
        return colours.Get(static_cast<int>(bits & 0xFF));
    return 0;
}

} // namespace quorvel::platform
