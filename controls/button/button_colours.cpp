// The button's colour functions and the derivation of its working colour set.
#include "controls/button/button.h"
#include "controls/button/colour_math.h"
#include "controls/button/colour_scheme.h"
#include "platform/checked.h"

#include <QPalette>

namespace quorvel {

Button::Colour Button::TranslateColor(Colour colour) const
{
    return quorvel::TranslateColor(colour, *mSystemColours);
}

Button::Colour Button::ShiftColor(Colour colour, std::int32_t amount, bool proportionalBlue)
{
    return quorvel::ShiftColor(colour, amount, proportionalBlue);
}

Button::Colour Button::TintColor(Colour colour, std::int32_t amount)
{
    return quorvel::TintColor(colour, amount);
}

void Button::ComputeColors()
{
    SchemeInputs inputs;
    inputs.colorScheme = mColorScheme;
    inputs.buttonType = mButtonType;
    inputs.backColor = mBackColor;
    inputs.foreColor = mForeColor;
    inputs.foreOver = mForeOver;
    inputs.maskColor = mMaskColor;
    if (mColorScheme == 4) {
        // The container's colours as they are now; a control without one takes its own, which
        // come from the application.
        const QWidget* container = parentWidget() ? parentWidget() : this;
        const QPalette palette = container->palette();
        inputs.parentBack = platform::FromQColor(palette.color(QPalette::Window));
        inputs.parentText = platform::FromQColor(palette.color(QPalette::WindowText));
    }

    ColourSet set;
    try {
        set = DeriveColourSet(inputs, *mSystemColours);
    } catch (const platform::OverflowError&) {
        return; // keep the last complete set rather than a half-derived one
    }
    mFaceColor = set.face;
    mLightColor = set.light;
    mHighlightColor = set.highlight;
    mShadowColor = set.shadow;
    mDarkShadowColor = set.darkShadow;
    mTextColor = set.text;
    mTextOverColor = set.textOver;
    mHotBorderColor = set.hotBorder;
    mHotFaceColor = set.hotFace;
    mFaceLightColor = set.faceLight;
    mMaskRGB = set.maskRGB;
}

} // namespace quorvel
