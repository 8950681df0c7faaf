#pragma once

#include <cstddef>
#include <string_view>

namespace quorvel::catalogue {

// Sequential field input over the library's bytes: fields end at a comma or a line end (CR, LF
// or CR LF), which is consumed with the field; blanks before a field are skipped; a field that
// begins with a double quote runs to the next double quote.
class FieldReader
{
public:
    explicit FieldReader(std::string_view bytes) : mBytes(bytes) {}

    bool AtEnd() const { return mPos >= mBytes.size(); }

    // The next field's text (without quotes), a view into the input.
    std::string_view ReadField();

private:
    void SkipToSeparator();
    void ConsumeSeparator();

    std::string_view mBytes;
    std::size_t mPos = 0;
};

} // namespace quorvel::catalogue
