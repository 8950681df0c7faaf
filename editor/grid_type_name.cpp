#include "editor/grid_type_name.h"

#include "editor/code_page.h"

#include <algorithm>

namespace quorvel {
namespace {

GridTypeName Refused(QString problem)
{
    GridTypeName result;
    result.problem = std::move(problem);
    return result;
}

} // namespace

GridTypeName EncodeGridType(const QString& typed)
{
    constexpr int kLength = 10;
    const QString kept = typed.left(kLength);

    // A comma or a line end ends the name when the file is read; a control character before the
    // name would make the slot read as empty and end the catalogue there.
    for (const QChar c : kept) {
        if (c.unicode() < 32) {
            return Refused(QStringLiteral("The name must not contain control characters."));
        }
        if (c == QLatin1Char(',')) {
            return Refused(QStringLiteral("The name must not contain a comma (,)."));
        }
    }
    const auto firstNonBlank =
        std::find_if(kept.begin(), kept.end(), [](QChar c) { return c != QLatin1Char(' '); });
    if (firstNonBlank != kept.end() && *firstNonBlank == QLatin1Char('"')) {
        return Refused(QStringLiteral("The name must not begin with a double quote (\")."));
    }

    const auto bytes = ToCodePage(kept);
    if (!bytes) {
        return Refused(QStringLiteral("The name holds a character that the catalogue file cannot "
                                      "store (only Turkish and Western letters, digits and "
                                      "common signs can be stored)."));
    }

    GridTypeName result;
    result.ok = true;
    result.bytes.fill(' ');
    std::copy_n(bytes->begin(), std::min<std::size_t>(bytes->size(), kLength),
                result.bytes.begin());
    return result;
}

} // namespace quorvel
