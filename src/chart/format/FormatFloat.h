// Number formatting with picture strings such as "#,##0.###" and "##0.## %".
//
//   0   a digit, always shown (leading or trailing zero when needed)
//   #   a digit, shown only when significant
//   .   the decimal separator (the first one; later ones are ignored)
//   ,   anywhere among the integer digits: group them by three with the thousands separator
//   '...' or "..."   literal text; any other character is literal too
//   ;   separates the sections for positive, negative and zero values
//   E+0 / E-0 (or e)   scientific form: the exponent, with at least as many digits as
//                      '0's follow the sign (up to 4); "E+" always shows the sign
//
// An empty format writes the value with up to 15 decimals. NaN and infinities give
// "NAN", "INF" and "-INF".
//
// The value is first written in its shortest decimal form that reads back to the same
// double (at most 17 significant digits), then rounded half away from zero to the number
// of decimal places. A value that rounds to zero has no sign. The separators come from
// the caller (the user's locale) and may be longer than one character.
#pragma once

#include <string>
#include <string_view>

namespace chart {

std::string FormatFloat(std::string_view format, double value, std::string_view thousandSep = ",",
                        std::string_view decimalSep = ".");

}  // namespace chart
