#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// The catalogue keeps its text in Windows-1254 bytes; the window shows Unicode. These two are
// the only crossings between them.
QString FromCodePage(std::string_view bytes);

// Nothing when the text holds a character the code page has no byte for.
std::optional<std::string> ToCodePage(const QString& text);

} // namespace quorvel
