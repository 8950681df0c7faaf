#include "editor/window_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace quorvel {
namespace {

// 8.25 pt and 9.75 pt at 96 dpi.
constexpr int kSmallPixels = 11;
constexpr int kLargePixels = 13;

QStringList SansStandIns()
{
    return {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
}

// The design family where it is installed, else its first installed stand-in. Chosen here
// rather than left to the substitution table: a font whose first family is missing costs the
// font matcher a full fallback search each time it is loaded, about a millisecond apiece at
// start-up. With nothing installed the design name stays and the matcher's fallbacks decide.
QString InstalledFamily(const QString& design)
{
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(design, Qt::CaseInsensitive)) {
        return design;
    }
    for (const QString& standIn : SansStandIns()) {
        if (installed.contains(standIn, Qt::CaseInsensitive)) {
            return standIn;
        }
    }
    return design;
}

QFont MakeFont(const QString& design, int pixels, bool bold)
{
    QFont font(InstalledFamily(design));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

void InstallFontSubstitutes()
{
    const QStringList sans = SansStandIns();
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
