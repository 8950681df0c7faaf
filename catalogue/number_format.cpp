#include "catalogue/number_format.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <system_error>
#include <type_traits>

namespace quorvel::catalogue {

namespace {

constexpr char kOverflowMark = '\xCA';

// The shortest decimal form of a value: its significant digits and the position of the point
// counted from the first digit (digits "2675", point 1 for 2.675).
struct DecimalForm
{
    bool negative = false;
    std::string digits;
    int point = 0;
};

template <typename Real> DecimalForm ShortestDecimal(Real value)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    DecimalForm form;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        form.negative = true;
        ++i;
    }
    for (; i < text.size() && text[i] != 'e'; ++i) {
        if (text[i] != '.') {
            form.digits.push_back(text[i]);
        }
    }
    int exponent = 0;
    if (i < text.size()) {
        const char* first = text.data() + i + 1;
        if (*first == '+') {
            ++first;
        }
        std::from_chars(first, text.data() + text.size(), exponent);
    }
    form.point = exponent + 1;
    return form;
}

// |value| * 10^decimals rounded half away from zero, as a digit string without leading zeros
// ("" for zero).
std::string ScaledRounded(const DecimalForm& form, int decimals)
{
    const long long kept = static_cast<long long>(form.point) + decimals;
    if (kept < 0) {
        return {};
    }
    const auto count = static_cast<std::size_t>(kept);
    std::string digits = form.digits.substr(0, count);
    digits.resize(count, '0');
    const char next = count < form.digits.size() ? form.digits[count] : '0';
    if (next >= '5') {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') {
            digits[--i] = '0';
        }
        if (i == 0) {
            digits.insert(digits.begin(), '1');
        } else {
            ++digits[i - 1];
        }
    }
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    return firstNonZero == std::string::npos ? std::string{} : digits.substr(firstNonZero);
}

std::string ApplyPicture(const DecimalForm& form, std::string_view picture)
{
    const std::size_t pointAt = picture.find('.');
    const std::string_view whole = picture.substr(0, pointAt);
    const std::string_view fraction =
        pointAt == std::string_view::npos ? std::string_view{} : picture.substr(pointAt + 1);

    std::size_t minWholeDigits = 0;
    for (char c : whole) {
        minWholeDigits += c == '0' ? 1 : 0;
    }

    int decimals = 0;
    for (char c : fraction) {
        decimals += (c == '0' || c == '#') ? 1 : 0;
    }
    std::string scaled = ScaledRounded(form, decimals);
    const bool isZero = scaled.empty();
    if (scaled.size() < static_cast<std::size_t>(decimals)) {
        scaled.insert(0, static_cast<std::size_t>(decimals) - scaled.size(), '0');
    }
    std::string wholeDigits = scaled.substr(0, scaled.size() - static_cast<std::size_t>(decimals));
    std::string fractionDigits = scaled.substr(wholeDigits.size());
    if (wholeDigits.size() < minWholeDigits) {
        wholeDigits.insert(0, minWholeDigits - wholeDigits.size(), '0');
    }
    // An optional digit after the point shows only when it is significant.
    std::string fractionPicture;
    for (char c : fraction) {
        if (c == '0' || c == '#') {
            fractionPicture.push_back(c);
        }
    }
    std::size_t shown = fractionDigits.size();
    while (shown > 0 && fractionPicture[shown - 1] == '#' && fractionDigits[shown - 1] == '0') {
        --shown;
    }
    fractionDigits.resize(shown);

    std::string text;
    if (form.negative && !isZero) {
        text.push_back('-');
    }
    text += wholeDigits;
    if (pointAt != std::string_view::npos) {
        text.push_back('.');
        text += fractionDigits;
    }
    return text;
}

// |value| * 10^decimals rounded half away from zero on the value's shortest decimal form, worked
// out in binary: exact for these decimals, since a float's 24-bit significand times 10^8 still
// fits a double. The shortest form lies within half an ulp of the value, so the binary and the
// decimal roundings differ only near a half; there nothing is returned and the caller works on
// the digits instead.
constexpr int kFastDecimals = 8;

std::optional<std::uint64_t> FastScaledRounded(float value, int decimals)
{
    static constexpr double kPowers[kFastDecimals + 1] = {1e0, 1e1, 1e2, 1e3, 1e4,
                                                          1e5, 1e6, 1e7, 1e8};
    const float magnitude = std::fabs(value);
    const double power = kPowers[decimals];
    const double scaled = static_cast<double>(magnitude) * power;
    // Below 2^53 and not negative: the conversion truncates exactly.
    const auto whole = static_cast<std::uint64_t>(scaled);
    const double fraction = scaled - static_cast<double>(whole);
    // The next float up is one more in the bit pattern of a finite non-negative float.
    const float next = std::bit_cast<float>(std::bit_cast<std::uint32_t>(magnitude) + 1);
    const double ulp = static_cast<double>(next) - static_cast<double>(magnitude);
    if (std::fabs(fraction - 0.5) <= ulp * power) {
        return std::nullopt;
    }
    return whole + (fraction > 0.5 ? 1 : 0);
}

// The text cut to `width` characters or right-aligned in them.
void AppendFitted(std::string& out, std::string_view text, int width)
{
    const auto size = static_cast<std::size_t>(width);
    if (text.size() >= size) {
        out.append(text.data(), size);
        return;
    }
    out.append(size - text.size(), ' ');
    out.append(text);
}

// The list rows format ten floats each; this skips the digit strings for all but near-halves.
// False, with nothing appended, where the digits must decide.
bool AppendFastFixed(std::string& out, float value, int width, int decimals)
{
    static constexpr std::uint64_t kUnits[kFastDecimals + 1] = {
        1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};
    if (decimals > kFastDecimals) {
        return false;
    }
    const std::optional<std::uint64_t> scaled = FastScaledRounded(value, decimals);
    if (!scaled) {
        return false;
    }
    // Written from the right end, then padded on the left, so the row grows by one append.
    char field[48];
    char* const end = field + sizeof field;
    char* first = end;
    std::uint64_t whole = *scaled;
    if (decimals > 0) {
        std::uint64_t fraction = whole % kUnits[decimals];
        whole /= kUnits[decimals];
        for (int i = 0; i < decimals; ++i) {
            *--first = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        *--first = '.';
        do {
            *--first = static_cast<char>('0' + whole % 10);
            whole /= 10;
        } while (whole != 0);
    } else {
        for (; whole != 0; whole /= 10) {
            *--first = static_cast<char>('0' + whole % 10);
        }
    }
    if (value < 0 && *scaled != 0) {
        *--first = '-';
    }
    const auto length = static_cast<std::size_t>(end - first);
    const auto size = static_cast<std::size_t>(width);
    if (length >= size) {
        out.append(first, size);
    } else if (size <= sizeof field) {
        while (static_cast<std::size_t>(end - first) < size) {
            *--first = ' ';
        }
        out.append(first, size);
    } else {
        AppendFitted(out, std::string_view(first, length), width);
    }
    return true;
}

template <typename Real> void AppendFixedImpl(std::string& out, Real value, int width, int decimals)
{
    if (!std::isfinite(value) || std::fabs(static_cast<double>(value)) > 1000000.0) {
        out.push_back(kOverflowMark);
        return;
    }
    if (width < 1) {
        return;
    }
    decimals = decimals < 0 ? 0 : decimals;
    if constexpr (std::is_same_v<Real, float>) {
        if (AppendFastFixed(out, value, width, decimals)) {
            return;
        }
    }
    std::string picture;
    if (decimals != 0) {
        const int optional = width - decimals - 2;
        picture.append(static_cast<std::size_t>(optional > 0 ? optional : 0), '#');
        picture += "0.";
        picture.append(static_cast<std::size_t>(decimals), '0');
    } else {
        picture.append(static_cast<std::size_t>(width), '#');
    }
    AppendFitted(out, FormatPicture(value, picture), width);
}

bool IsIgnored(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The file's own numbers ("150", "-1.308958") need no rebuilding: they are read in place.
std::optional<double> ReadPlainNumber(std::string_view text)
{
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const bool negative = !text.empty() && text[0] == '-';
    std::size_t digits = 0;
    std::size_t decimals = 0;
    bool point = false;
    std::uint64_t mantissa = 0;
    for (std::size_t i = negative ? 1 : 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            if (digits < 15) { // only up to 15 digits are read this way
                mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
            }
            ++digits;
            decimals += point ? 1 : 0;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    // Up to 15 digits, digits and power of ten are exact doubles and one division rounds
    // correctly, as from_chars would.
    if (digits <= 15) {
        const double magnitude = static_cast<double>(mantissa) / kPowers[decimals];
        return negative ? -magnitude : magnitude;
    }
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc{} && std::isfinite(value) ? value : 0.0;
}

} // namespace

std::string FormatPicture(double value, std::string_view picture)
{
    if (!std::isfinite(value)) {
        return {};
    }
    return ApplyPicture(ShortestDecimal(value), picture);
}

std::string FormatPicture(float value, std::string_view picture)
{
    if (!std::isfinite(value)) {
        return {};
    }
    return ApplyPicture(ShortestDecimal(value), picture);
}

std::string FormatFixed(double value, int width, int decimals)
{
    std::string text;
    AppendFixedImpl(text, value, width, decimals);
    return text;
}

std::string FormatFixed(float value, int width, int decimals)
{
    std::string text;
    AppendFixedImpl(text, value, width, decimals);
    return text;
}

void AppendFixed(std::string& out, float value, int width, int decimals)
{
    AppendFixedImpl(out, value, width, decimals);
}

double ReadNumber(std::string_view text)
{
    if (const std::optional<double> plain = ReadPlainNumber(text)) {
        return *plain;
    }
    std::size_t i = 0;
    const auto skipIgnored = [&] {
        while (i < text.size() && IsIgnored(text[i])) {
            ++i;
        }
    };
    const auto at = [&](std::size_t index) { return index < text.size() ? text[index] : '\0'; };

    // The number is rebuilt without the ignored characters, in the form from_chars reads.
    std::string clean;
    skipIgnored();
    if (at(i) == '-' || at(i) == '+') {
        if (at(i) == '-') {
            clean.push_back('-');
        }
        ++i;
    }
    std::size_t mantissaDigits = 0;
    for (skipIgnored(); IsDigit(at(i)); skipIgnored()) {
        clean.push_back(text[i++]);
        ++mantissaDigits;
    }
    skipIgnored();
    if (at(i) == '.') {
        ++i;
        clean.push_back('.');
        for (skipIgnored(); IsDigit(at(i)); skipIgnored()) {
            clean.push_back(text[i++]);
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) {
        return 0.0;
    }
    skipIgnored();
    const char marker = at(i);
    if (marker == 'E' || marker == 'e' || marker == 'D' || marker == 'd') {
        std::size_t j = i + 1;
        std::string exponent = "e";
        while (j < text.size() && IsIgnored(text[j])) {
            ++j;
        }
        if (at(j) == '-' || at(j) == '+') {
            exponent.push_back(text[j]);
            ++j;
        }
        bool anyDigit = false;
        for (;;) {
            while (j < text.size() && IsIgnored(text[j])) {
                ++j;
            }
            if (!IsDigit(at(j))) {
                break;
            }
            exponent.push_back(text[j++]);
            anyDigit = true;
        }
        if (anyDigit) {
            clean += exponent;
        }
    }
    double value = 0.0;
    const char* first = clean.data();
    const char* last = clean.data() + clean.size();
    const auto result = std::from_chars(first, last, value);
    if (result.ec != std::errc{} || !std::isfinite(value)) {
        // Beyond the range of a double: not a number the fields can hold.
        return 0.0;
    }
    return value;
}

} // namespace quorvel::catalogue
