#pragma once

#include "platform/text_renderer.h"

namespace quorvel::platform {

// Text of fixed metrics, whatever the font: every character (spaces included) is
// `charWidth` wide and every line `lineHeight` high. A glyph paints as a block, one column and
// two rows short of its cell, so pixel tests can see where each character went without
// depending on the machine's fonts.
class FixedTextRenderer : public TextRenderer
{
public:
    FixedTextRenderer(int charWidth, int lineHeight);

    int LineHeight(const QFont& font) const override;
    int Advance(const QFont& font, const QString& run) const override;
    int UnderlineOffset(const QFont& font) const override;
    void DrawRun(QImage& image, const QFont& font, int x, int y, const QString& run,
                 Colour colour) const override;

private:
    int mCharWidth;
    int mLineHeight;
};

} // namespace quorvel::platform
