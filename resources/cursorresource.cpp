#include "cursorresource.h"

#include <QFile>
#include <QList>
#include <QPixmap>

namespace quorvel::resources {

namespace {

// The first string literal of the file is the values line "width height colours chars [x y]".
QByteArrayView ValuesLine(QByteArrayView xpm)
{
    const qsizetype brace = xpm.indexOf('{');
    if (brace < 0)
        return {};
    const qsizetype open = xpm.indexOf('"', brace);
    if (open < 0)
        return {};
    const qsizetype close = xpm.indexOf('"', open + 1);
    if (close < 0)
        return {};
    return xpm.sliced(open + 1, close - open - 1);
}

} // namespace

std::optional<QPoint> XpmHotSpot(QByteArrayView xpm)
{
    const QList<QByteArray> fields = ValuesLine(xpm).toByteArray().simplified().split(' ');
    if (fields.size() < 6)
        return std::nullopt;
    int values[6] = {};
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        values[i] = fields[i].toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    const int width = values[0];
    const int height = values[1];
    const int x = values[4];
    const int y = values[5];
    if (x < 0 || y < 0 || x >= width || y >= height)
        return std::nullopt;
    return QPoint(x, y);
}

QCursor LoadCursor(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCursor(Qt::ArrowCursor);
    const QByteArray data = file.readAll();
    QPixmap picture;
    if (!picture.loadFromData(data, "XPM"))
        return QCursor(Qt::ArrowCursor);
    const std::optional<QPoint> hotSpot = XpmHotSpot(data);
    if (!hotSpot)
        return QCursor(picture);
    return QCursor(picture, hotSpot->x(), hotSpot->y());
}

} // namespace quorvel::resources
