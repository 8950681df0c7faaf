#pragma once

#include <QChar>
#include <QString>
#include <optional>

namespace quorvel {

// The access key that the caption's "&" marks, lower-cased. Only the first two ampersand
// groups are looked at: "&x" gives x; after a doubled "&&" the next "&" decides, and a second
// doubled group gives no key.
std::optional<QChar> AccessKeyOf(const QString& caption);

} // namespace quorvel
