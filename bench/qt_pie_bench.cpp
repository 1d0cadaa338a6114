// Repaint cost of a 905 x 525 chart with one pie on the Qt device, by the number of
// slices, with and without gathering the small ones into "Other" (which renumbers every
// point, marks the gathered ones and adds the "Other" slice each paint), and with the
// marks, each formatted and measured on every paint, shown or not. Slices thinner
// than the rim's pixels are drawn with the next one, so the drawing stays bounded while the
// per-slice work (angles, rim points) grows with the slices. The allocation counter shows
// allocations per frame.
#include <benchmark/benchmark.h>

#include <vector>

#include "app/QtChartHost.h"
#include "chart/panel/Chart.h"
#include "chart/seriestypes/PieSeries.h"

#include "AllocationCounter.h"

namespace {

using demo::testing::TQtImageHost;

constexpr int Width = 905, Height = 525;

void BM_PieRepaint(benchmark::State& state) {
  TQtImageHost host{Width, Height};
  chart::TChart chart;
  chart.SetWidth(Width);
  chart.SetHeight(Height);
  chart.SetView3D(false);
  chart.Legend().SetVisible(false);
  chart.SetHost(&host);
  chart::TPieSeries pie;
  pie.SetParentChart(&chart);
  pie.Marks().SetVisible(state.range(2) != 0);
  const int slices = static_cast<int>(state.range(0));
  std::vector<double> values(static_cast<std::size_t>(slices));
  // A few large slices and a long tail of small ones.
  for (int i = 0; i < slices; ++i) values[static_cast<std::size_t>(i)] = i % 97 == 0 ? 1000 : 1 + i % 7;
  pie.AppendValues(values);
  if (state.range(1) != 0) {
    pie.OtherSlice().SetStyle(chart::poBelowPercent);
    pie.OtherSlice().SetValue(0.5);
  }
  chart.Paint();
  const long long before = gAllocations;
  for (auto _ : state) {
    chart.InvalidateChart();
    chart.Paint();
  }
  state.counters["allocs/frame"] =
      benchmark::Counter(static_cast<double>(gAllocations - before), benchmark::Counter::kAvgIterations);
  state.counters["points"] = pie.Count();
}
BENCHMARK(BM_PieRepaint)
    ->Args({100, 0, 0})
    ->Args({10000, 0, 0})
    ->Args({100000, 0, 0})
    ->Args({100000, 1, 0})
    ->Args({100, 0, 1})
    ->Args({100000, 0, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
