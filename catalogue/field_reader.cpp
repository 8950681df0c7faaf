#include "catalogue/field_reader.h"

namespace quorvel::catalogue {

std::string_view FieldReader::ReadField()
{
    while (!AtEnd() && mBytes[mPos] == ' ') {
        ++mPos;
    }
    std::string_view value;
    if (!AtEnd() && mBytes[mPos] == '"') {
        const std::size_t start = mPos + 1;
        const std::size_t close = mBytes.find('"', start);
        if (close == std::string_view::npos) {
            value = mBytes.substr(start);
            mPos = mBytes.size();
            return value;
        }
        value = mBytes.substr(start, close - start);
        mPos = close + 1;
        // Whatever stands between the closing quote and the separator is not part of the value.
        SkipToSeparator();
    } else {
        const std::size_t start = mPos;
        SkipToSeparator();
        value = mBytes.substr(start, mPos - start);
    }
    ConsumeSeparator();
    return value;
}

void FieldReader::SkipToSeparator()
{
    const char* const bytes = mBytes.data();
    const std::size_t size = mBytes.size();
    std::size_t pos = mPos;
    while (pos < size && bytes[pos] != ',' && bytes[pos] != '\r' && bytes[pos] != '\n') {
        ++pos;
    }
    mPos = pos;
}

void FieldReader::ConsumeSeparator()
{
    if (AtEnd()) {
        return;
    }
    const char c = mBytes[mPos++];
    if (c == '\r' && !AtEnd() && mBytes[mPos] == '\n') {
        ++mPos;
    }
}

} // namespace quorvel::catalogue
