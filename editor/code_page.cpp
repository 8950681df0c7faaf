#include "editor/code_page.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>
#include <array>

namespace quorvel {
namespace {

constexpr const char* kCodePage = "windows-1254";

// One character per byte: the code page's 256 characters, looked up once, since opening a
// converter costs far more than decoding a list row.
const std::array<char16_t, 256>& CodePageCharacters()
{
    static const std::array<char16_t, 256> characters = [] {
        std::array<char, 256> bytes{};
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            bytes[i] = static_cast<char>(i);
        }
        QStringDecoder decoder(kCodePage);
        const QString text = decoder(QByteArrayView(bytes.data(), 256));
        std::array<char16_t, 256> table{};
        for (std::size_t i = 0; i < table.size(); ++i) {
            // Bytes the code page leaves undefined show as the replacement character.
            table[i] = static_cast<qsizetype>(i) < text.size()
                           ? text[static_cast<qsizetype>(i)].unicode()
                           : char16_t{0xFFFD};
        }
        return table;
    }();
    return characters;
}

} // namespace

QString FromCodePage(std::string_view bytes)
{
    const auto& characters = CodePageCharacters();
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    char16_t* const out = reinterpret_cast<char16_t*>(text.data());
    const char* const in = bytes.data();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out[i] = characters[static_cast<unsigned char>(in[i])];
    }
    return text;
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
