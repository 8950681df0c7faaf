#include "catalogue/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

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

template <typename Real> std::string FormatFixedImpl(Real value, int width, int decimals)
{
    if (!std::isfinite(value) || std::fabs(static_cast<double>(value)) > 1000000.0) {
        return std::string(1, kOverflowMark);
    }
    if (width < 1) {
        return {};
    }
    decimals = decimals < 0 ? 0 : decimals;
    std::string picture;
    if (decimals != 0) {
        const int optional = width - decimals - 2;
        picture.append(static_cast<std::size_t>(optional > 0 ? optional : 0), '#');
        picture += "0.";
        picture.append(static_cast<std::size_t>(decimals), '0');
    } else {
        picture.append(static_cast<std::size_t>(width), '#');
    }
    std::string text = FormatPicture(value, picture);
    const auto size = static_cast<std::size_t>(width);
    if (text.size() > size) {
        text.resize(size);
    } else if (text.size() < size) {
        text.insert(0, size - text.size(), ' ');
    }
    return text;
}

bool IsIgnored(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
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
    return FormatFixedImpl(value, width, decimals);
}

std::string FormatFixed(float value, int width, int decimals)
{
    return FormatFixedImpl(value, width, decimals);
}

double ReadNumber(std::string_view text)
{
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
