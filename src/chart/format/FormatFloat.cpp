#include "chart/format/FormatFloat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace chart {

namespace {

// A non-negative decimal number: digits without leading zeros, and the position of the
// decimal point counted from the first digit (value = 0.digits x 10^point).
struct TDecimal {
  std::string digits;
  int point = 0;
  bool IsZero() const { return digits.find_first_not_of('0') == std::string::npos; }
};

TDecimal ShortestDecimal(double v) {
  TDecimal d;
  if (v == 0) return d;
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
  const std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));  // "d.ddde+XX"
  const std::size_t e = s.find('e');
  for (char c : s.substr(0, e))
    if (c != '.') d.digits += c;
  d.point = std::atoi(std::string(s.substr(e + 1)).c_str()) + 1;
  return d;
}

// Rounds half away from zero to `decimals` places (the digits are a magnitude).
void RoundTo(TDecimal& d, int decimals) {
  const long keep = static_cast<long>(d.point) + decimals;
  if (keep >= static_cast<long>(d.digits.size())) return;
  if (keep < 0) {
    d.digits.clear();
    d.point = 0;
    return;
  }
  const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
  d.digits.resize(static_cast<std::size_t>(keep));
  if (!up) return;
  int i = static_cast<int>(keep) - 1;
  while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') d.digits[static_cast<std::size_t>(i--)] = '0';
  if (i >= 0) {
    ++d.digits[static_cast<std::size_t>(i)];
  } else {
    d.digits.insert(d.digits.begin(), '1');
    ++d.point;
  }
}

// One format section split into its parts.
struct TSection {
  std::string_view text;
  int intPlaces = 0;      // digit placeholders before the decimal point
  int minInt = 0;         // of those, from the first '0' on
  int decPlaces = 0;      // digit placeholders after the decimal point
  int minDec = 0;         // of those, up to the last '0'
  bool grouping = false;  // ',' among the integer placeholders
  bool scientific = false;
  bool expAlwaysSigned = false;  // "E+" shows '+' too; "E-" only '-'
  int expDigits = 0;             // '0's after the exponent sign: its minimum width
};

// Calls f(kind, text) for each piece of a section: 'q' literal text, '0' or '#' a digit
// placeholder, '.' the decimal point, ',' a grouping mark, 'E' the exponent ("E+00"),
// 'c' a literal character. Only the first exponent counts; later ones are literal.
template <class F>
void ForEachPart(std::string_view s, F&& f) {
  bool exponentSeen = false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (!exponentSeen && (c == 'E' || c == 'e') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-')) {
      std::size_t j = i + 2;
      while (j < s.size() && s[j] == '0' && j - i - 2 < 4) ++j;
      f('E', s.substr(i, j - i));
      exponentSeen = true;
      i = j - 1;
    } else if (c == '"' || c == '\'') {
      std::size_t j = s.find(c, i + 1);
      if (j == std::string_view::npos) j = s.size();
      f('q', s.substr(i + 1, j - i - 1));
      i = j;
    } else if (c == '0' || c == '#' || c == '.' || c == ',') {
      f(c, s.substr(i, 1));
    } else {
      f('c', s.substr(i, 1));
    }
  }
}

TSection ParseSection(std::string_view text) {
  TSection sec;
  sec.text = text;
  bool afterPoint = false;
  int firstZero = -1;
  ForEachPart(text, [&](char kind, std::string_view part) {
    if (kind == 'E') {
      sec.scientific = true;
      sec.expAlwaysSigned = part[1] == '+';
      sec.expDigits = static_cast<int>(part.size()) - 2;
    } else if (kind == '.') {
      afterPoint = true;
    } else if (kind == ',') {
      if (!afterPoint) sec.grouping = true;
    } else if (kind == '0' || kind == '#') {
      if (afterPoint) {
        ++sec.decPlaces;
        if (kind == '0') sec.minDec = sec.decPlaces;
      } else {
        if (kind == '0' && firstZero < 0) firstZero = sec.intPlaces;
        ++sec.intPlaces;
      }
    }
  });
  sec.minInt = firstZero < 0 ? 0 : sec.intPlaces - firstZero;
  return sec;
}

std::vector<std::string_view> SplitSections(std::string_view format) {
  std::vector<std::string_view> out;
  std::size_t start = 0;
  char quote = 0;
  for (std::size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == ';' && out.size() < 2) {
      out.push_back(format.substr(start, i - start));
      start = i + 1;
    }
  }
  out.push_back(format.substr(start));
  return out;
}

std::string Render(const TSection& sec, const TDecimal& d, int exponent, bool negative,
                   std::string_view thousandSep, std::string_view decimalSep) {
  // Integer digits, with leading zeros up to the forced count.
  std::string intStr;
  if (d.point > 0) {
    intStr = d.digits.substr(0, static_cast<std::size_t>(d.point));
    intStr.resize(static_cast<std::size_t>(d.point), '0');
  }
  if (static_cast<int>(intStr.size()) < sec.minInt)
    intStr.insert(0, static_cast<std::size_t>(sec.minInt) - intStr.size(), '0');

  // Decimal digits, trailing zeros dropped down to the forced count.
  std::string decStr;
  for (int k = 0; k < sec.decPlaces; ++k) {
    const long idx = static_cast<long>(d.point) + k;
    decStr += idx >= 0 && idx < static_cast<long>(d.digits.size()) ? d.digits[static_cast<std::size_t>(idx)] : '0';
  }
  while (static_cast<int>(decStr.size()) > sec.minDec && decStr.back() == '0') decStr.pop_back();

  // A mantissa always shows a digit: zero in "#.##E+00" is "0E+00", not "E+00".
  if (sec.scientific && intStr.empty() && decStr.empty()) intStr.push_back('0');

  const long len = static_cast<long>(intStr.size());
  std::string out;
  if (negative) out += '-';
  auto emitInt = [&](long idx) {
    out += intStr[static_cast<std::size_t>(idx)];
    const long right = len - 1 - idx;  // integer digits still to come
    if (sec.grouping && right > 0 && right % 3 == 0) out += thousandSep;
  };

  // Without integer placeholders the integer digits still show, just before the decimal
  // point (or the exponent): ".00" writes 12.5 as "12.50" and 0.5 as ".50".
  bool intWritten = sec.intPlaces > 0;
  auto emitAllInt = [&] {
    if (intWritten) return;
    for (long i = 0; i < len; ++i) emitInt(i);
    intWritten = true;
  };

  int intK = 0, decK = 0;
  bool afterPoint = false;
  ForEachPart(sec.text, [&](char kind, std::string_view part) {
    switch (kind) {
      case '0':
      case '#':
        if (afterPoint) {
          if (decK < static_cast<int>(decStr.size())) out += decStr[static_cast<std::size_t>(decK)];
          ++decK;
        } else {
          const long first = len - sec.intPlaces;  // digits beyond the placeholders go first
          if (intK == 0)
            for (long i = 0; i < first; ++i) emitInt(i);
          const long idx = first + intK;
          if (idx >= 0) emitInt(idx);
          ++intK;
        }
        break;
      case '.':
        if (!afterPoint) emitAllInt();
        if (!afterPoint && !decStr.empty()) out += decimalSep;
        afterPoint = true;
        break;
      case ',':
        break;
      case 'E': {
        emitAllInt();
        out += part[0];
        if (exponent < 0) out += '-';
        else if (sec.expAlwaysSigned) out += '+';
        std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
        if (static_cast<int>(digits.size()) < sec.expDigits)
          digits.insert(0, static_cast<std::size_t>(sec.expDigits) - digits.size(), '0');
        out += digits;
        break;
      }
      default:
        out += part;
        break;
    }
  });
  return out;
}

}  // namespace

std::string FormatFloat(std::string_view format, double value, std::string_view thousandSep,
                        std::string_view decimalSep) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (format.empty()) format = "0.###############";

  const std::vector<std::string_view> sections = SplitSections(format);
  auto has = [&](std::size_t i) { return sections.size() > i && !sections[i].empty(); };

  const bool negative = std::signbit(value) && value != 0;
  // A negative value with its own section is written by that section without a sign.
  std::size_t which = negative && has(1) ? 1 : 0;
  TSection sec = ParseSection(sections[which]);
  TDecimal d = ShortestDecimal(std::fabs(value));
  int exponent = 0;
  if (sec.scientific) {
    // The mantissa keeps as many integer digits as there are integer placeholders; the
    // exponent takes the rest of the decimal point's position. Without integer
    // placeholders the mantissa is 0.ddd (".13E+02" for 12.5 with ".##E+00"), unless the
    // format has no decimal places either: then one digit stands before the exponent.
    const int lead = sec.intPlaces > 0 ? sec.intPlaces : (sec.decPlaces > 0 ? 0 : 1);
    if (!d.IsZero()) {
      RoundTo(d, lead + sec.decPlaces - d.point);
      exponent = d.point - lead;
      d.point = lead;
    }
  } else {
    RoundTo(d, sec.decPlaces);
  }

  if (d.IsZero() && has(2)) {
    sec = ParseSection(sections[2]);
    return Render(sec, TDecimal{}, 0, false, thousandSep, decimalSep);
  }
  // A value that rounds to zero is written without a sign.
  return Render(sec, d, exponent, negative && which == 0 && !d.IsZero(), thousandSep, decimalSep);
}

}  // namespace chart
