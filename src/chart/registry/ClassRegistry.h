// The process-wide class registry: class name -> descriptor, so that a stored chart can
// make a series or a calculation function from its class name.
#pragma once

#include <memory>
#include <string_view>

#include "chart/registry/ChartClass.h"

namespace chart {

// Enters the class; a name already registered keeps its first descriptor.
void RegisterChartClass(const TChartClass& cls);
// The registered class of that name, or nullptr.
const TChartClass* FindChartClass(std::string_view name);

// A new object of the registered class of that name. An unknown name, or a class of the
// other kind, gives nullptr: the reader of a stored chart decides how to report it.
std::unique_ptr<TChartSeries> CreateSeriesByName(std::string_view name);
std::unique_ptr<TZelFunction> CreateFunctionByName(std::string_view name);

}  // namespace chart
