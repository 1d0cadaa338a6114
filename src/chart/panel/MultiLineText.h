// Texts of titles and labels break their lines at a carriage return (13).
#pragma once

#include <algorithm>
#include <string_view>

namespace chart {

inline constexpr char LineSeparator = '\r';

// Lines a text draws: one per separator, plus one when text follows the last separator.
inline int TextLineCount(std::string_view text) {
  int n = 0;
  std::size_t start = 0;
  for (std::size_t p; (p = text.find(LineSeparator, start)) != std::string_view::npos; start = p + 1) ++n;
  return start < text.size() ? n + 1 : n;
}

struct TTextExtent {
  int Width = 0;  // the widest line
  int Lines = 1;
};

// Width of a text that may hold line breaks: its widest line, and its number of lines. A
// text without a separator measures as one line. measure(line) gives a line's width.
template <class Measure>
TTextExtent MultiLineTextWidth(std::string_view text, Measure&& measure) {
  if (text.find(LineSeparator) == std::string_view::npos) return {measure(text), 1};
  TTextExtent e{0, TextLineCount(text)};
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t p = text.find(LineSeparator, start);
    if (p == std::string_view::npos) p = text.size();
    e.Width = std::max(e.Width, static_cast<int>(measure(text.substr(start, p - start))));
    start = p + 1;
  }
  return e;
}

}  // namespace chart
