// The access key of a caption.
#include "controls/button/access_key.h"

namespace quorvel {

std::optional<QChar> AccessKeyOf(const QString& caption)
{
    if (caption.size() < 2)
        return std::nullopt;
    const qsizetype p = caption.indexOf(u'&');
    if (p < 0 || p == caption.size() - 1)
        return std::nullopt;
    if (caption.at(p + 1) != u'&')
        return caption.at(p + 1).toLower();
    const qsizetype q = caption.indexOf(u'&', p + 2);
    if (q < 0 || q == caption.size() - 1 || caption.at(q + 1) == u'&')
        return std::nullopt;
    return caption.at(q + 1).toLower();
}

} // namespace quorvel
