// The demo's Draw action: a 1024-point Hann window, its spectrum through the FFT engine
// and the window back through the inverse transform, shown as three series. The FFT engine
// must be initialised (uFFTasm::FFTInit) before and is not released here.
#pragma once

#include "chart/series/ChartSeries.h"

namespace demo {

inline constexpr int DrawPoints = 1024;
// Room for the longest transform the engine accepts.
inline constexpr int FFTBufferEntries = 65536;

// Clears the three series and fills them: the window, (|re| + |im|) / 500 of its forward
// transform, and the negated real part of the inverse transform of that.
void DrawAction(chart::TChartSeries& series1, chart::TChartSeries& series2, chart::TChartSeries& series3);

}  // namespace demo
