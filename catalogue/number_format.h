#pragma once

#include <string>
#include <string_view>

namespace quorvel::catalogue {

// Picture formatting: "0" always shows a digit, "#" only a significant one, "." is the point.
// Rounds half away from zero on the value's decimal form; a float uses its shortest decimal
// form, so a typed 2.675 shows as 2.68.
std::string FormatPicture(double value, std::string_view picture);
std::string FormatPicture(float value, std::string_view picture);

// Fixed-width text of a number: the overflow mark (byte 0xCA) alone above 1 000 000 in
// magnitude (and for an infinity or NaN), otherwise the picture result cut to or right-aligned
// in `width` characters. A value that rounds to zero shows no minus sign.
std::string FormatFixed(double value, int width, int decimals);
std::string FormatFixed(float value, int width, int decimals);

// FormatFixed(value, width, decimals) added to the end of out, as the list rows are built.
void AppendFixed(std::string& out, float value, int width, int decimals);

// Reads a number as the edit fields and list items hold it: blanks, tabs and line feeds are
// ignored, "." is the only decimal point, E or D (either case) starts an exponent; no number,
// or one beyond the range of a double, gives 0.
double ReadNumber(std::string_view text);

} // namespace quorvel::catalogue
