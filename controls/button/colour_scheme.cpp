// The working colour set from the colour scheme and the colour properties.
#include "controls/button/colour_scheme.h"

#include "controls/button/colour_math.h"

namespace quorvel {

ColourSet DeriveColourSet(const SchemeInputs& in, const platform::SystemColours& system)
{
    namespace sc = platform;
    ColourSet set;
    // Schemes 2 and 4 share the offsets; they differ in where the face and text come from.
    auto offsetsFromFace = [&set]() {
        set.shadow = ShiftColor(set.face, -64, false);
        set.light = ShiftColor(set.face, +31, false);
        set.highlight = ShiftColor(set.face, +47, false);
        set.darkShadow = ShiftColor(set.face, -192, false);
    };
    switch (in.colorScheme) {
    case 2:
        set.face = TranslateColor(in.backColor, system);
        set.text = TranslateColor(in.foreColor, system);
        set.textOver = TranslateColor(in.foreOver, system);
        offsetsFromFace();
        set.hotBorder = ShiftColor(set.face, -128, false);
        set.hotFace = set.face;
        break;
    case 3:
        set.face = 0x00C0C0C0;
        set.text = 0x00000000;
        set.textOver = 0x00000000;
        set.shadow = 0x00808080;
        set.light = 0x00DFDFDF;
        set.highlight = 0x00FFFFFF;
        set.darkShadow = 0x00000000;
        set.hotBorder = 0x00800000;
        set.hotFace = 0x00D1ADAD;
        break;
    case 4:
        set.face = in.parentBack;
        set.text = in.parentText;
        set.textOver = in.parentText;
        offsetsFromFace();
        set.hotBorder = system.Get(sc::kHighlight);
        set.hotFace = TintColor(set.hotBorder, 176);
        break;
    default:
        set.face = system.Get(sc::kButtonFace);
        set.text = system.Get(sc::kButtonText);
        set.textOver = system.Get(sc::kButtonText);
        set.shadow = system.Get(sc::kButtonShadow);
        set.light = system.Get(sc::kLight3D);
        set.highlight = system.Get(sc::kButtonHighlight);
        set.darkShadow = system.Get(sc::kDarkShadow3D);
        set.hotBorder = system.Get(sc::kHighlight);
        set.hotFace = TintColor(set.hotBorder, 176);
        break;
    }
    set.maskRGB = TranslateColor(in.maskColor, system);
    set.faceLight = ShiftColor(set.face, +48, in.buttonType == 2);
    return set;
}

} // namespace quorvel
