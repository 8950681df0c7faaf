#pragma once

#include <QByteArrayView>
#include <QCursor>
#include <QPoint>
#include <QString>
#include <optional>

namespace quorvel::resources {

// The hot spot that an XPM header may carry after its four size numbers. None when the header
// has none, cannot be read, or puts the hot spot outside the picture.
std::optional<QPoint> XpmHotSpot(QByteArrayView xpm);

// A cursor from an XPM resource. Qt's image reader drops the header's hot spot, so it is read
// here; a picture without one gets Qt's default, its centre. A missing or unreadable resource
// gives the arrow cursor rather than an invisible one.
QCursor LoadCursor(const QString& path);

} // namespace quorvel::resources
