// Repaint cost of a 3D line chart on the Qt device at 905 x 525: three line series of
// 100,000 noisy points each, drawn as ribbons in depth, against the same chart flat in the
// same run (Arg 0 flat, 1 in 3D). Many points share a pixel column, so the 3D chart draws
// one ribbon fill per column where the flat one draws one line. The 3D chart also point by
// point (SetDirectDrawing(false)), one fill per segment; and with pointers on 10,000 points
// per series, a box of three faces per point. The allocation counter shows allocations per
// frame.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "app/QtChartHost.h"
#include "chart/panel/Chart.h"
#include "chart/seriestypes/LineSeries.h"

#include "AllocationCounter.h"

namespace {

using demo::testing::TQtImageHost;

constexpr int Width = 905, Height = 525;

struct LineChart {
  TQtImageHost host{Width, Height};
  chart::TChart chart;
  chart::TLineSeries series[3];
  LineChart(int n, bool view3D, bool direct, bool pointers = false) {
    chart.SetWidth(Width);
    chart.SetHeight(Height);
    chart.SetView3D(view3D);
    chart.Legend().SetVisible(false);
    chart.SetHost(&host);
    const chart::TColor colors[] = {chart::clFuchsia, chart::clGreen, chart::clNavy};
    std::mt19937 rng(7);
    std::normal_distribution<double> noise(0, 0.05);
    for (int k = 0; k < 3; ++k) {
      series[k].SetSeriesColor(colors[k]);
      series[k].SetParentChart(&chart);
      series[k].SetDirectDrawing(direct);
      series[k].Pointer().SetVisible(pointers);
      for (int i = 0; i < n; ++i) series[k].AddPoint(i, std::sin(i * 6e-5 + k * 2.0) + noise(rng));
    }
    chart.Paint();
  }
};

void Repaint(benchmark::State& state, chart::TChart& chart) {
  const long long before = gAllocations;
  for (auto _ : state) {
    chart.InvalidateChart();
    chart.Paint();
  }
  state.counters["allocs/frame"] = benchmark::Counter(static_cast<double>(gAllocations - before),
                                                      benchmark::Counter::kAvgIterations);
}

void BM_LineChartRepaint(benchmark::State& state) {
  LineChart c(100000, state.range(0) != 0, true);
  Repaint(state, c.chart);
}
BENCHMARK(BM_LineChartRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_LineChart3DPointByPoint(benchmark::State& state) {
  LineChart c(100000, true, false);
  Repaint(state, c.chart);
}
BENCHMARK(BM_LineChart3DPointByPoint)->Unit(benchmark::kMillisecond);

void BM_LineChart3DPointers(benchmark::State& state) {
  LineChart c(10000, true, true, true);
  Repaint(state, c.chart);
}
BENCHMARK(BM_LineChart3DPointers)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
