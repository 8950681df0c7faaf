#include "editor/window_fonts.h"

#include <QStringList>

namespace quorvel {
namespace {

// 8.25 pt and 9.75 pt at 96 dpi.
constexpr int kSmallPixels = 11;
constexpr int kLargePixels = 13;

QFont MakeFont(const QString& family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

void InstallFontSubstitutes()
{
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    for (const char* family : {"Tahoma", "Verdana", "MS Sans Serif"}) {
        if (QFont::substitutes(QString::fromLatin1(family)).isEmpty()) {
            QFont::insertSubstitutions(QString::fromLatin1(family), sans);
        }
    }
}

QFont FormFont()
{
    return MakeFont(QStringLiteral("MS Sans Serif"), kLargePixels, false);
}
QFont FieldFont()
{
    QFont font = MakeFont(QStringLiteral("Tahoma"), kSmallPixels, true);
    // The stand-in runs wider than the design face; narrowed, the captions fit their labels.
    font.setStretch(82);
    return font;
}
QFont FrameFont()
{
    return MakeFont(QStringLiteral("Verdana"), kSmallPixels, true);
}
QFont ButtonFont()
{
    return MakeFont(QStringLiteral("MS Sans Serif"), kSmallPixels, false);
}

QFont ListFont()
{
    QFont font = MakeFont(QStringLiteral("Liberation Mono"), kLargePixels, true);
    font.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

} // namespace quorvel
