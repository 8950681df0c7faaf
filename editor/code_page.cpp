#include "editor/code_page.h"

#include <QByteArray>
#include <QStringEncoder>
#include <array>

namespace quorvel {
namespace {

constexpr const char* kCodePage = "windows-1254";

// The code page's characters, compiled in: opening a converter for them at start-up would cost
// more than decoding the whole catalogue. Bytes below 0x80 and from 0xA0 up are Latin-1 but for
// six Turkish letters; 0x80 to 0x9F are the code page's own, undefined ones as C1 controls.
constexpr std::array<char16_t, 256> kCharacters = [] {
    constexpr char16_t k80To9F[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x008E, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178};
    std::array<char16_t, 256> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i] = static_cast<char16_t>(i);
    }
    for (std::size_t i = 0; i < std::size(k80To9F); ++i) {
        table[0x80 + i] = k80To9F[i];
    }
    table[0xD0] = 0x011E; // Ğ
    table[0xDD] = 0x0130; // İ
    table[0xDE] = 0x015E; // Ş
    table[0xF0] = 0x011F; // ğ
    table[0xFD] = 0x0131; // ı
    table[0xFE] = 0x015F; // ş
    return table;
}();

} // namespace

QString FromCodePage(std::string_view bytes)
{
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    char16_t* const out = reinterpret_cast<char16_t*>(text.data());
    const char* const in = bytes.data();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out[i] = kCharacters[static_cast<unsigned char>(in[i])];
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
