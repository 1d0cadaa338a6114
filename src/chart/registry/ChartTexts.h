// The engine's texts for its gallery: type names and page names. Registration reads them
// from this one table, so a translated table renames every entry.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace chart {

enum class TChartText : std::uint8_t {
  GalleryStandard,
  GalleryFunctions,
  Line,
  Bar,
  HorizBar,
  Area,
  Point,
  Pie,
  FastLine,
  Add,
  Subtract,
  Multiply,
  Divide,
  High,
  Low,
  Average,
  Count
};

inline constexpr std::array<std::string_view, static_cast<std::size_t>(TChartText::Count)> ChartTexts = {
    "Standard", "Functions", "Line",   "Bar",      "Horiz. Bar", "Area", "Point", "Pie",
    "Fast Line", "Add",      "Subtract", "Multiply", "Divide",     "High", "Low",   "Average",
};

constexpr std::string_view ChartText(TChartText id) { return ChartTexts[static_cast<std::size_t>(id)]; }

static_assert(ChartText(TChartText::FastLine) == "Fast Line" && ChartText(TChartText::Average) == "Average");

}  // namespace chart
