#include "chart/registry/ClassRegistry.h"

#include <algorithm>

#include "chart/registry/ModuleState.h"
#include "chart/series/ChartSeries.h"
#include "chart/series/ZelFunction.h"

namespace chart {

void RegisterChartClass(const TChartClass& cls) {
  if (FindChartClass(cls.Name)) return;
  ChartModuleState().Classes.push_back(&cls);
}

const TChartClass* FindChartClass(std::string_view name) {
  const auto& classes = ChartModuleState().Classes;
  const auto it = std::find_if(classes.begin(), classes.end(), [name](const TChartClass* c) { return c->Name == name; });
  return it == classes.end() ? nullptr : *it;
}

std::unique_ptr<TChartSeries> CreateSeriesByName(std::string_view name) {
  const TChartClass* cls = FindChartClass(name);
  return cls && cls->NewSeries ? cls->NewSeries() : nullptr;
}

std::unique_ptr<TZelFunction> CreateFunctionByName(std::string_view name) {
  const TChartClass* cls = FindChartClass(name);
  return cls && cls->NewFunction ? cls->NewFunction() : nullptr;
}

}  // namespace chart
