#pragma once

#include "platform/text_renderer.h"

#include <QImage>

namespace quorvel::platform {

// Text through Qt's font engine. Anti-aliasing is off so every text pixel is exactly the text
// colour, which the caption effects and pixel tests rely on. Measuring and painting use the
// same device (a QImage), so both see one resolution.
class QtTextRenderer : public TextRenderer
{
public:
    QtTextRenderer();

    int LineHeight(const QFont& font) const override;
    int Advance(const QFont& font, const QString& run) const override;
    int UnderlineOffset(const QFont& font) const override;
    void DrawRun(QImage& image, const QFont& font, int x, int y, const QString& run,
                 Colour colour) const override;

private:
    QImage mMetricsDevice;
};

} // namespace quorvel::platform
