#include "catalogue/library_format.h"

#include "catalogue/field_reader.h"
#include "catalogue/number_format.h"
#include "catalogue/stored_value.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace quorvel::catalogue {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::array<char, 10> NameFromField(std::string_view field)
{
    std::array<char, 10> name;
    name.fill(' ');
    const std::size_t count = field.size() < name.size() ? field.size() : name.size();
    for (std::size_t i = 0; i < count; ++i) {
        const char c = field[i];
        // A control byte in a name would end the catalogue at this record (and drop every
        // record after it on the next save), so it is read as a blank.
        name[i] = static_cast<unsigned char>(c) < 32 ? ' ' : c;
    }
    return name;
}

// The eleven numbers in the order the file holds them. Stops at the end of the input, leaving
// the rest at 0.
void ReadNumberLine(FieldReader& reader, MeshRecord& record)
{
    float* const reals[] = {
        &record.GridLength, &record.GridWidth, &record.LenSpace, &record.WidSpace, nullptr,
        &record.LenDia,     nullptr,           &record.WidDia,   &record.LenArea,  &record.WidArea,
        &record.UnitWeight};
    std::int16_t* const counts[] = {nullptr,          nullptr, nullptr,          nullptr,
                                    &record.LenCount, nullptr, &record.WidCount, nullptr,
                                    nullptr,          nullptr, nullptr};
    for (std::size_t i = 0; i < std::size(reals); ++i) {
        if (reader.AtEnd()) {
            return;
        }
        const double value = ReadNumber(reader.ReadField());
        if (reals[i] != nullptr) {
            *reals[i] = StoredReal(value);
        } else {
            *counts[i] = StoredCount(value);
        }
    }
}

void AppendName(std::string& out, const std::array<char, 10>& name)
{
    const std::string_view text(name.data(), name.size());
    const std::size_t first = text.find_first_not_of(' ');
    // A plain name line loses leading blanks and ends at a comma or line end; a name that
    // starts with a quote would be read as a quoted field. Such names go in quotes; a quote
    // cannot stand inside a quoted field, so there it becomes an apostrophe.
    const bool needsQuotes =
        first != std::string_view::npos &&
        (first > 0 || text[first] == '"' || text.find_first_of(",\r\n") != std::string_view::npos);
    if (!needsQuotes) {
        out += text;
        return;
    }
    out.push_back('"');
    for (char c : text) {
        out.push_back(c == '"' ? '\'' : c);
    }
    out.push_back('"');
}

// A value's significant digits (no trailing zeros) and decimal exponent, from to_chars'
// scientific text "-d.ddde+xx".
struct Scientific
{
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Scientific ParseScientific(std::string_view text)
{
    Scientific form;
    std::size_t i = 0;
    if (text[i] == '-') {
        form.negative = true;
        ++i;
    }
    for (; text[i] != 'e'; ++i) {
        if (text[i] != '.') {
            form.digits.push_back(text[i]);
        }
    }
    const char* first = text.data() + i + 1;
    if (*first == '+') {
        ++first;
    }
    std::from_chars(first, text.data() + text.size(), form.exponent);
    form.digits.erase(form.digits.find_last_not_of('0') + 1);
    return form;
}

// The file's number form: no zero before the point, exponent form outside 1E-05 .. 9999999.
std::string FileForm(const Scientific& form)
{
    std::string text = form.negative ? "-" : "";
    const std::string& digits = form.digits;
    const int exponent = form.exponent;
    if (exponent < -4 || exponent >= 7) {
        text += digits.substr(0, 1);
        if (digits.size() > 1) {
            text += '.';
            text.append(digits, 1);
        }
        text += exponent < 0 ? "E-" : "E+";
        const std::string power = std::to_string(exponent < 0 ? -exponent : exponent);
        if (power.size() < 2) {
            text += '0';
        }
        return text + power;
    }
    if (exponent < 0) {
        text += '.';
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        return text + digits;
    }
    const auto wholeCount = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= wholeCount) {
        text += digits;
        text.append(wholeCount - digits.size(), '0');
        return text;
    }
    text.append(digits, 0, wholeCount);
    text += '.';
    text.append(digits, wholeCount);
    return text;
}

// Seven significant digits in the file's form, without checking that it reads back.
std::string SevenDigits(float value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                      std::chars_format::scientific, 6);
    return FileForm(ParseScientific({buffer, static_cast<std::size_t>(result.ptr - buffer)}));
}

} // namespace

ParseResult ParseMeshLibrary(std::string_view bytes, MeshTable& table)
{
    ParseResult result;
    FieldReader reader(bytes);
    for (int slot = 1; slot <= kMaxRecords && !reader.AtEnd(); ++slot) {
        MeshRecord record;
        record.GridType = NameFromField(reader.ReadField());
        ReadNumberLine(reader, record);
        table[slot] = record;
        ++result.recordsRead;
    }
    while (!reader.AtEnd()) {
        MeshRecord dropped;
        reader.ReadField();
        ReadNumberLine(reader, dropped);
        ++result.recordsDropped;
    }
    return result;
}

std::string SerializeMeshLibrary(const MeshTable& table)
{
    std::string out;
    const int count = RecordCount(table);
    out.reserve(static_cast<std::size_t>(count) * 64);
    for (int slot = 1; slot <= count; ++slot) {
        const MeshRecord& record = table[slot];
        AppendName(out, record.GridType);
        out += kLineEnd;
        out += FormatFileNumber(record.GridLength);
        out.push_back(',');
        out += FormatFileNumber(record.GridWidth);
        out.push_back(',');
        out += FormatFileNumber(record.LenSpace);
        out.push_back(',');
        out += FormatFileNumber(record.WidSpace);
        out.push_back(',');
        out += std::to_string(record.LenCount);
        out.push_back(',');
        out += FormatFileNumber(record.LenDia);
        out.push_back(',');
        out += std::to_string(record.WidCount);
        out.push_back(',');
        out += FormatFileNumber(record.WidDia);
        out.push_back(',');
        out += FormatFileNumber(record.LenArea);
        out.push_back(',');
        out += FormatFileNumber(record.WidArea);
        out.push_back(',');
        out += FormatFileNumber(record.UnitWeight);
        out += kLineEnd;
    }
    return out;
}

std::string FormatFileNumber(float value)
{
    if (!std::isfinite(value) || value == 0) {
        return "0";
    }
    // Where a float is finer than the seven-digit grid, a shortest form of at most seven digits
    // is also the value rounded to seven digits (and reads back to the same value).
    char buffer[32];
    const auto shortest =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const Scientific form =
        ParseScientific({buffer, static_cast<std::size_t>(shortest.ptr - buffer)});
    if (form.digits.size() <= 7 && std::fabs(value) >= std::numeric_limits<float>::min()) {
        int binaryExponent = 0;
        std::frexp(value, &binaryExponent);
        const double ulp = std::ldexp(1.0, binaryExponent - std::numeric_limits<float>::digits);
        if (ulp <= std::pow(10.0, form.exponent - 6)) {
            return FileForm(form);
        }
    }
    // Where a float is coarser than seven decimal digits, the nearest float to the text may
    // print differently; settle on a text that reads back to a value printing as itself.
    std::string text = SevenDigits(value);
    for (int attempt = 0; attempt < 4; ++attempt) {
        const std::string again = SevenDigits(StoredReal(ReadNumber(text)));
        if (again == text) {
            break;
        }
        text = again;
    }
    return text;
}

} // namespace quorvel::catalogue
