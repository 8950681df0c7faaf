#pragma once

#include "platform/colour.h"

#include <array>

namespace quorvel::platform {

// Indices of the desktop colour table, 0 to 30.
enum SystemColourIndex : int
{
    kScrollBar = 0,
    kDesktop = 1,
    kActiveCaption = 2,
    kInactiveCaption = 3,
    kMenu = 4,
    kWindow = 5,
    kWindowFrame = 6,
    kMenuText = 7,
    kWindowText = 8,
    kCaptionText = 9,
    kActiveBorder = 10,
    kInactiveBorder = 11,
    kAppWorkspace = 12,
    kHighlight = 13,
    kHighlightText = 14,
    kButtonFace = 15,
    kButtonShadow = 16,
    kGreyText = 17,
    kButtonText = 18,
    kInactiveCaptionText = 19,
    kButtonHighlight = 20,
    kDarkShadow3D = 21,
    kLight3D = 22,
    kInfoText = 23,
    kInfoBackground = 24,
    kUnusedIndex25 = 25,
    kHotLight = 26,
    kGradientActiveCaption = 27,
    kGradientInactiveCaption = 28,
    kMenuHighlight = 29,
    kMenuBar = 30,
};

inline constexpr int kSystemColourCount = 31;

// The desktop's colour table. Controls take one as a dependency so tests can fix it.
class SystemColours
{
public:
    virtual ~SystemColours() = default;
    // The current plain colour of an index 0..30; 0 for any other index.
    virtual Colour Get(int index) const = 0;
};

// The table from the application's palette (QGuiApplication::palette()), read at each call.
// Roles are from the Active group unless noted:
//   0 scroll bar -> Button          16 button shadow -> Dark
//   1 desktop -> Dark               17 grey text -> Text (Disabled group)
//   2 active caption -> Highlight   18 button text -> ButtonText
//   3 inactive caption -> Highlight (Inactive group)
//   4 menu -> Window                19 inactive caption text -> HighlightedText (Inactive)
//   5 window -> Base                20 button highlight -> Light
//   6 window frame -> Shadow        21 3-D dark shadow -> Shadow
//   7 menu text -> WindowText       22 3-D light -> Midlight
//   8 window text -> Text           23 info text -> ToolTipText
//   9 caption text -> HighlightedText   24 info background -> ToolTipBase
//  10 active border -> Window       25 (no role of its own) -> Button
//  11 inactive border -> Window     26 hot light -> Link
//  12 app workspace -> Dark         27 gradient active caption -> Highlight
//  13 highlight -> Highlight        28 gradient inactive caption -> Highlight (Inactive)
//  14 highlight text -> HighlightedText   29 menu highlight -> Highlight
//  15 button face -> Button         30 menu bar -> Window
// Needs a QGuiApplication.
class PaletteSystemColours : public SystemColours
{
public:
    Colour Get(int index) const override;
};

// A fixed table; by default the classic desktop scheme, so tests do not depend on the theme.
class FixedSystemColours : public SystemColours
{
public:
    FixedSystemColours();
    explicit FixedSystemColours(const std::array<Colour, kSystemColourCount>& table);

    Colour Get(int index) const override;
    // A copy with one entry replaced.
    FixedSystemColours With(int index, Colour colour) const;

private:
    std::array<Colour, kSystemColourCount> mTable;
};

// Colour translation: a plain colour (top byte 0) is returned unchanged; a system colour (top
// byte 0x80, index 0..30 in the low byte) is looked up; anything else cannot be translated and
// gives 0 (black).
Colour TranslateColour(Colour colour, const SystemColours& colours);

} // namespace quorvel::platform
