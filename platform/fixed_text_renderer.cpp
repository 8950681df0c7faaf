// Text of fixed metrics for tests and headless layout.
#include "platform/fixed_text_renderer.h"

#include <QImage>

namespace quorvel::platform {

FixedTextRenderer::FixedTextRenderer(int charWidth, int lineHeight)
    : mCharWidth(charWidth), mLineHeight(lineHeight)
{
}

int FixedTextRenderer::LineHeight(const QFont&) const
{
    return mLineHeight;
}

int FixedTextRenderer::Advance(const QFont&, const QString& run) const
{
    return static_cast<int>(run.size()) * mCharWidth;
}

int FixedTextRenderer::UnderlineOffset(const QFont&) const
{
    return mLineHeight - 1;
}

void FixedTextRenderer::DrawRun(QImage& image, const QFont&, int x, int y, const QString& run,
                                Colour colour) const
{
    const QRgb pixel = ToQRgb(colour);
    for (qsizetype i = 0; i < run.size(); ++i) {
        if (run.at(i).isSpace())
            continue;
        const long long left = x + static_cast<long long>(i) * mCharWidth;
        for (long long row = y; row < static_cast<long long>(y) + mLineHeight - 2; ++row) {
            if (row < 0 || row >= image.height())
                continue;
            for (long long col = left; col < left + mCharWidth - 1; ++col) {
                if (col >= 0 && col < image.width())
                    image.setPixel(static_cast<int>(col), static_cast<int>(row), pixel);
            }
        }
    }
}

} // namespace quorvel::platform
