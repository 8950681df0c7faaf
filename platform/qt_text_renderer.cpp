// Text measuring and painting through Qt's font engine, without anti-aliasing.
#include "platform/qt_text_renderer.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace quorvel::platform {
namespace {

QFont Aliased(const QFont& font)
{
    QFont aliased = font;
    aliased.setStyleStrategy(QFont::NoAntialias);
    return aliased;
}

} // namespace

QtTextRenderer::QtTextRenderer() : mMetricsDevice(1, 1, QImage::Format_RGB32) {}

int QtTextRenderer::LineHeight(const QFont& font) const
{
    return QFontMetrics(Aliased(font), &mMetricsDevice).height();
}

int QtTextRenderer::Advance(const QFont& font, const QString& run) const
{
    return QFontMetrics(Aliased(font), &mMetricsDevice).horizontalAdvance(run);
}

int QtTextRenderer::UnderlineOffset(const QFont& font) const
{
    const QFontMetrics metrics(Aliased(font), &mMetricsDevice);
    // Keep the underline inside the line even for fonts that report a deep position.
    return std::clamp(metrics.ascent() + metrics.underlinePos(), 0, metrics.height() - 1);
}

void QtTextRenderer::DrawRun(QImage& image, const QFont& font, int x, int y, const QString& run,
                             Colour colour) const
{
    if (run.isEmpty() || image.isNull())
        return;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    const QFont aliased = Aliased(font);
    painter.setFont(aliased);
    painter.setPen(QColor(ToQRgb(colour)));
    painter.drawText(x, y + QFontMetrics(aliased, &image).ascent(), run);
}

std::shared_ptr<const TextRenderer> DefaultTextRenderer()
{
    // Immutable and shared: every surface measures with the same engine.
    static const std::shared_ptr<const TextRenderer> renderer =
        std::make_shared<const QtTextRenderer>();
    return renderer;
}

} // namespace quorvel::platform
