// A class that a stored chart can name: its class name and, for the classes that can be
// made on their own, how to make one. One descriptor per class; a registered class is
// known by the address of its descriptor, so two descriptors never stand for one class.
#pragma once

#include <memory>
#include <string_view>

namespace chart {

class TChartSeries;
class TZelFunction;

struct TChartClass {
  std::string_view Name;
  // At most one of these is set: a series class or a calculation-function class. Parts
  // that only exist inside their owner (axes, titles, walls) have neither.
  std::unique_ptr<TChartSeries> (*NewSeries)() = nullptr;
  std::unique_ptr<TZelFunction> (*NewFunction)() = nullptr;
};

}  // namespace chart
