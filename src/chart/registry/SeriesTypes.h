// The list of series types and calculation functions the engine offers, each with its
// display name and the gallery page a chart editor shows it on. Filled at start-up,
// emptied at finalisation (ChartModules.h), read-only in between.
#pragma once

#include <string>
#include <string_view>

#include "chart/registry/ChartClass.h"

namespace chart {

struct TZelSeriesType {
  const TChartClass* SeriesClass = nullptr;    // none for a plain function entry
  const TChartClass* FunctionClass = nullptr;  // none for a plain series entry
  std::string Description;                     // at most MaxTypeNameLength characters
  std::string GalleryPage;                     // likewise
  int NumGallerySeries = 1;                    // sample series a gallery preview shows
};

// Longer descriptions and page names are cut to this many characters.
inline constexpr int MaxTypeNameLength = 20;

// Enters the given classes into the class registry and appends an entry, unless one with
// the same series class and the same function class is listed already. Reports nothing.
void AddSeriesTypeEntry(const TChartClass* seriesClass, const TChartClass* functionClass,
                        std::string_view description, int numGallerySeries, std::string_view galleryPage);

void RegisterSeriesType(const TChartClass& seriesClass, std::string_view description, std::string_view galleryPage,
                        int numGallerySeries);
void RegisterFunctionType(const TChartClass& functionClass, std::string_view description,
                          std::string_view galleryPage, int numGallerySeries);
// A function on the engine's "Functions" page, previewed with two series.
void RegisterStandardFunction(const TChartClass& functionClass, std::string_view description);

int SeriesTypeCount();
// Raises the list error for an index outside 0 .. SeriesTypeCount() - 1.
const TZelSeriesType& SeriesTypeAt(int index);

// The first `count` characters (code points) of a UTF-8 text.
std::string FirstCharacters(std::string_view text, int count);

}  // namespace chart
