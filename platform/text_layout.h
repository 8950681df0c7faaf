#pragma once

#include "platform/rect.h"
#include "platform/text_renderer.h"

#include <QFont>
#include <QString>
#include <cstdint>
#include <vector>

namespace quorvel::platform {

// One line of wrapped text as it is drawn: the visible characters and the positions (indices
// into `text`) of the characters that carry a mnemonic underline.
struct TextLine
{
    QString text;
    std::vector<qsizetype> underlined;
};

// Resolves "&" mnemonics: "&x" is x underlined, "&&" is one "&", a lone "&" at the very end
// stays as it is. Returns the whole text as one line (no wrapping).
TextLine ResolveMnemonics(const QString& text);

// Breaks text into lines between words so each fits `maxWidth`; a word wider than that stays
// whole on its own line. Line breaks in the text ("\n", "\r\n", "\r") always break. The spaces
// at a break are dropped. An empty text has no lines.
std::vector<TextLine> WrapText(const TextMeasurer& measurer, const QFont& font, const QString& text,
                               std::int64_t maxWidth);

// Measuring in "calculate rectangle" mode with word wrap: left and top stay, right becomes
// left + the widest line, bottom becomes top + lines x line height.
// Throws OverflowError when the result leaves the 32-bit range.
Rect MeasureText(const TextMeasurer& measurer, const QFont& font, const QString& text,
                 const Rect& box);

} // namespace quorvel::platform
