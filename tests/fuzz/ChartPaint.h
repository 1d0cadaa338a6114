// The paints of the chart fuzzer: on the recording device, with the line series' direct
// drawing checked against their point-by-point drawing, and on the Qt image device.
#pragma once

#include <cstddef>

#include <array>
#include <memory>
#include <vector>

#include "chart/panel/Chart.h"
#include "chart/seriestypes/LineSeries.h"
#include "support/FakeChartHost.h"

namespace fuzz {

// A recorded paint keeps this many device calls and counts the rest: a huge chart with
// wide bevels makes millions of legitimate calls.
inline constexpr std::size_t MaxKeptOps = 100000;

struct TChartSession {
  TChartSession() { Host.Window().SetOpLimit(MaxKeptOps); }
  chart::testing::TFakeChartHost Host;
  chart::TChart Chart;
  // Declared after the chart: destroyed first, as a form frees its series.
  std::array<std::unique_ptr<chart::TLineSeries>, 3> Series;
  // Series of the other registered types the input makes.
  std::vector<std::unique_ptr<chart::TChartSeries>> Typed;
};

// Paints on the recording window, then again with every line series drawing point by point,
// and fails when the two paints differ in any device call. Series that draw an area are
// compared by their pictures on Qt instead, when compareAreas is set (each such comparison
// draws every area point by point on Qt); returns whether it compared pictures.
bool PaintRecordedAndCompare(TChartSession& s, bool compareAreas);
// Paints once on a Qt image of the chart's size (bounded to keep a paint cheap), then gives
// the chart back its recording window.
void PaintOnQtImage(TChartSession& s);
// Paints the chart through QPainter alone, as exports and high-density screens do, on an
// image of twice the resolution.
void PaintThroughPainter(TChartSession& s);

}  // namespace fuzz
