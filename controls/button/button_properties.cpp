// Properties, the DisableRefresh and Refresh methods, saved settings and the lifecycle
// operations with the widget events that drive them.
#include "controls/button/button.h"

namespace quorvel {

Button::Colour Button::BackColor() const
{
    return mBackColor;
}
void Button::SetBackColor(Colour) {}
Button::Colour Button::BackOver() const
{
    return mBackOver;
}
void Button::SetBackOver(Colour) {}
Button::Colour Button::ForeColor() const
{
    return mForeColor;
}
void Button::SetForeColor(Colour) {}
Button::Colour Button::ForeOver() const
{
    return mForeOver;
}
void Button::SetForeOver(Colour) {}
Button::Colour Button::MaskColor() const
{
    return mMaskColor;
}
void Button::SetMaskColor(Colour) {}
std::int32_t Button::ButtonType() const
{
    return mButtonType;
}
void Button::SetButtonType(std::int32_t) {}
QString Button::Caption() const
{
    return mCaption;
}
void Button::SetCaption(const QString&) {}
bool Button::Enabled() const
{
    return mEnabled;
}
void Button::SetEnabled(bool) {}
QFont Button::Font() const
{
    return font();
}
void Button::SetFont(const QFont&) {}
bool Button::FontBold() const
{
    return font().bold();
}
void Button::SetFontBold(bool) {}
bool Button::FontItalic() const
{
    return font().italic();
}
void Button::SetFontItalic(bool) {}
bool Button::FontUnderline() const
{
    return font().underline();
}
void Button::SetFontUnderline(bool) {}
std::int16_t Button::FontSize() const
{
    return 0;
}
void Button::SetFontSize(std::int16_t) {}
QString Button::FontName() const
{
    return font().family();
}
void Button::SetFontName(const QString&) {}
std::int32_t Button::ColorScheme() const
{
    return mColorScheme;
}
void Button::SetColorScheme(std::int32_t) {}
std::int32_t Button::MousePointer() const
{
    return mMousePointer;
}
void Button::SetMousePointer(std::int32_t) {}
Button::PicturePtr Button::MouseIcon() const
{
    return mMouseIcon;
}
void Button::SetMouseIcon(PicturePtr) {}
bool Button::HandPointer() const
{
    return mHandPointer;
}
void Button::SetHandPointer(bool) {}
quintptr Button::hwnd() const
{
    return 0;
}
Button::PicturePtr Button::PictureNormal() const
{
    return mPictureNormal;
}
void Button::SetPictureNormal(PicturePtr) {}
Button::PicturePtr Button::PictureOver() const
{
    return mPictureOver;
}
void Button::SetPictureOver(PicturePtr) {}
std::int32_t Button::PicturePosition() const
{
    return mPicturePosition;
}
void Button::SetPicturePosition(std::int32_t) {}
bool Button::UseMaskColor() const
{
    return mUseMaskColor;
}
void Button::SetUseMaskColor(bool) {}
bool Button::UseGreyscale() const
{
    return mUseGreyscale;
}
void Button::SetUseGreyscale(bool) {}
std::int32_t Button::SpecialEffect() const
{
    return mSpecialEffect;
}
void Button::SetSpecialEffect(std::int32_t) {}
bool Button::CheckBoxBehaviour() const
{
    return mCheckBoxBehaviour;
}
void Button::SetCheckBoxBehaviour(bool) {}
bool Button::Value() const
{
    return mValue;
}
void Button::SetValue(bool) {}

void Button::DisableRefresh() {}
void Button::Refresh() {}

void Button::InitProperties() {}
void Button::ReadProperties(const platform::PropertyStore&) {}
void Button::WriteProperties(platform::PropertyStore&) const {}

void Button::Resize() {}
void Button::Show() {}
void Button::Hide() {}
void Button::Terminate() {}

void Button::resizeEvent(QResizeEvent*) {}
void Button::showEvent(QShowEvent*) {}
void Button::hideEvent(QHideEvent*) {}

} // namespace quorvel
