// The legend's enumerations and the chart events that let a program change its entries.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "chart/core/Geometry.h"

namespace chart {

class TCustomChart;

// The side of the chart the legend occupies: left and right legends are one column,
// top and bottom legends are rows of columns.
enum TLegendAlignment : std::uint8_t { laLeft, laRight, laTop, laBottom };

// What the entries are: lsAuto picks lsValues for fewer than two active series, else
// lsSeries; lsLastValues lists each series with the text of its last point.
enum TLegendStyle : std::uint8_t { lsAuto, lsSeries, lsValues, lsLastValues };

// May replace the text of entry `index` (the entry's number, FirstValue included).
using TOnGetLegendText =
    std::function<void(TCustomChart* sender, TLegendStyle legendStyle, int index, std::string& legendText)>;
// May move an entry: its text's top-left corner and the left edge of its colour box.
using TOnGetLegendPos = std::function<void(TCustomChart* sender, int index, int& x, int& y, int& xColor)>;
// May replace the legend box before it is drawn.
using TOnGetLegendRect = std::function<void(TCustomChart* sender, TRect& rect)>;

}  // namespace chart
