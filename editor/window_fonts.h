#pragma once

#include <QFont>

namespace quorvel {

// The window's fonts by their design names: each is the design font where it is installed,
// else the Debian font that stands in for it. Sizes are pixel sizes of the 96-dpi design, so the
// layout holds on any screen. The fonts need the application object.
//
// The substitution table serves fonts that come by name from elsewhere, such as saved settings.
void InstallFontSubstitutes();

QFont FormFont();   // MS Sans Serif 9.75 pt
QFont FieldFont();  // Tahoma 8.25 pt bold
QFont FrameFont();  // Verdana 8.25 pt bold
QFont ListFont();   // bold monospaced 9.75 pt: list rows and header lines
QFont ButtonFont(); // MS Sans Serif 8.25 pt

} // namespace quorvel
