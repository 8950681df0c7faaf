#include "editor/code_page.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>

namespace quorvel {
namespace {

constexpr const char* kCodePage = "windows-1254";

} // namespace

QString FromCodePage(std::string_view bytes)
{
    QStringDecoder decoder(kCodePage);
    return decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::optional<std::string> ToCodePage(const QString& text)
{
    QStringEncoder encoder(kCodePage);
    const QByteArray bytes = encoder(text);
    if (encoder.hasError()) {
        return std::nullopt;
    }
    return bytes.toStdString();
}

} // namespace quorvel
