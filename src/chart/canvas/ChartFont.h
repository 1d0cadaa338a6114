// The default chart font that every font-owning chart object starts with, and the test
// that tells whether a font still equals it.
#pragma once

#include "chart/canvas/Font.h"

#include <string>

namespace chart {

class TPlatformServices;

// String-table texts of the default font.
inline constexpr const char* DefaultChartFontNameText = "Arial";
inline constexpr const char* DefaultChartFontSizeText = "8";

// Name and size of the default font. With `services` and a Japanese primary language, the
// toolkit's interface font and its size in points at the screen's resolution stand in.
std::string DefaultChartFontName(const TPlatformServices* services);
int DefaultChartFontSize(const TPlatformServices* services);

// Makes `font` the default chart font (name, size, clBlack, no style). Calls its change
// handler like any other change.
void SetDefaultChartFont(TFont& font, const TPlatformServices* services);

// True when `font` equals the default: size and name, colour exactly clBlack, empty style
// and the default character set.
bool IsDefaultChartFont(const TFont& font, const TPlatformServices* services);

}  // namespace chart
