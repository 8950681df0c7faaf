#pragma once

#include "platform/colour.h"

#include <QFont>
#include <QString>
#include <memory>

class QImage;

namespace quorvel::platform {

// The font-dependent facts that word wrapping and centring need. Tests inject fixed sizes so
// layouts do not depend on the fonts of the machine.
class TextMeasurer
{
public:
    virtual ~TextMeasurer() = default;

    virtual int LineHeight(const QFont& font) const = 0;
    // Width in pixels of one run of visible text (mnemonic markers already removed).
    virtual int Advance(const QFont& font, const QString& run) const = 0;
};

// Measuring plus glyph painting. Glyphs are painted in exactly the given colour, with nothing
// painted behind them, so offset copies of a caption can be layered.
class TextRenderer : public TextMeasurer
{
public:
    // Row of the mnemonic underline, counted from the top of the line.
    virtual int UnderlineOffset(const QFont& font) const = 0;
    // Paints one line of text with its top-left corner at (x, y).
    virtual void DrawRun(QImage& image, const QFont& font, int x, int y, const QString& run,
                         Colour colour) const = 0;
};

// The application's fonts, rendered without anti-aliasing. Needs a QGuiApplication.
std::shared_ptr<const TextRenderer> DefaultTextRenderer();

} // namespace quorvel::platform
