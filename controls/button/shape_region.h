#pragma once

#include <QRegion>
#include <cstdint>

namespace quorvel {

// The window shape of a width x height button: the full rectangle, except that the rounded
// types 2 and 3 lose three pixels at each corner.
QRegion ButtonShape(std::int32_t width, std::int32_t height, std::int32_t buttonType);

} // namespace quorvel
