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

QStringList MonospacedFamilies()
{
    return {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")};
}

// The first of the families that is installed; empty when none is. Chosen here rather than left
// to the font matcher: a font whose first family is missing, or that lists several, costs the
// matcher a fallback search each time it is loaded, about a millisecond apiece at start-up.
QString FirstInstalled(const QStringList& families)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : families) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
            return family;
        }
    }
    return {};
}

// The design family where it is installed, else its first installed stand-in. With nothing
// installed the design name stays and the substitution table and the matcher decide.
QFont MakeFont(const QString& design, int pixels, bool bold)
{
    const QString family = FirstInstalled(QStringList{design} + SansStandIns());
    QFont font(family.isEmpty() ? design : family);
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
    QFont font;
    const QString family = FirstInstalled(MonospacedFamilies());
    if (family.isEmpty()) {
        font.setFamilies(MonospacedFamilies());
    } else {
        font.setFamily(family);
    }
    font.setPixelSize(kLargePixels);
    font.setBold(true);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

} // namespace quorvel
