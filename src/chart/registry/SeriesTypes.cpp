#include "chart/registry/SeriesTypes.h"

#include <algorithm>

#include "chart/core/Exceptions.h"
#include "chart/registry/ChartTexts.h"
#include "chart/registry/ClassRegistry.h"
#include "chart/registry/ModuleState.h"

namespace chart {

std::string FirstCharacters(std::string_view text, int count) {
  std::size_t end = 0;
  for (int n = 0; end < text.size(); ++end) {
    // A byte 10xxxxxx continues the character before it.
    if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80 && n++ == count) break;
  }
  return std::string(text.substr(0, end));
}

void AddSeriesTypeEntry(const TChartClass* seriesClass, const TChartClass* functionClass,
                        std::string_view description, int numGallerySeries, std::string_view galleryPage) {
  if (seriesClass) RegisterChartClass(*seriesClass);
  if (functionClass) RegisterChartClass(*functionClass);
  auto& types = ChartModuleState().SeriesTypes;
  const bool listed = std::any_of(types.begin(), types.end(), [&](const TZelSeriesType& t) {
    return t.SeriesClass == seriesClass && t.FunctionClass == functionClass;
  });
  if (listed) return;
  types.push_back({seriesClass, functionClass, FirstCharacters(description, MaxTypeNameLength),
                   FirstCharacters(galleryPage, MaxTypeNameLength), numGallerySeries});
}

void RegisterSeriesType(const TChartClass& seriesClass, std::string_view description, std::string_view galleryPage,
                        int numGallerySeries) {
  AddSeriesTypeEntry(&seriesClass, nullptr, description, numGallerySeries, galleryPage);
}

void RegisterFunctionType(const TChartClass& functionClass, std::string_view description,
                          std::string_view galleryPage, int numGallerySeries) {
  AddSeriesTypeEntry(nullptr, &functionClass, description, numGallerySeries, galleryPage);
}

void RegisterStandardFunction(const TChartClass& functionClass, std::string_view description) {
  RegisterFunctionType(functionClass, description, ChartText(TChartText::GalleryFunctions), 2);
}

int SeriesTypeCount() { return static_cast<int>(ChartModuleState().SeriesTypes.size()); }

const TZelSeriesType& SeriesTypeAt(int index) {
  const auto& types = ChartModuleState().SeriesTypes;
  if (index < 0 || index >= static_cast<int>(types.size())) throw EListError(index);
  return types[static_cast<std::size_t>(index)];
}

}  // namespace chart
