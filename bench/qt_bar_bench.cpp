// Repaint cost of a 905 x 525 chart with a 10,000-bar series on the Qt device, against a
// peer in the same run that fills the same bars with QPainter::fillRect on a QImage of the
// same size, every rectangle worked out beforehand. Arguments: the bar width (0: the width
// the chart computes, which for 10,000 bars is 0, so every bar is a line in its colour)
// and whether the bars have their outline. The allocation counter shows allocations per
// frame.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

#include "app/QtChartHost.h"
#include "chart/panel/Chart.h"
#include "chart/seriestypes/BarSeries.h"

#include "AllocationCounter.h"

namespace {

using demo::testing::TQtImageHost;

constexpr int Width = 905, Height = 525, Bars = 10000;

struct BarChart {
  TQtImageHost host{Width, Height};
  chart::TChart chart;
  chart::TBarSeries bars;
  BarChart(int barWidth, bool outline, chart::TMultiBar multi = chart::mbSide) {
    chart.SetWidth(Width);
    chart.SetHeight(Height);
    chart.SetView3D(false);
    chart.Legend().SetVisible(false);
    chart.SetHost(&host);
    bars.SetSeriesColor(chart::clNavy);
    bars.SetParentChart(&chart);
    bars.Marks().SetVisible(false);
    bars.SetCustomBarWidth(barWidth);
    bars.BarPen().SetVisible(outline);
    bars.SetMultiBar(multi);
    std::vector<double> values(Bars);
    for (int i = 0; i < Bars; ++i) values[static_cast<std::size_t>(i)] = 500 + 400 * std::sin(i * 0.003) + i * 0.02;
    bars.AppendValues(values);
    chart.Paint();
  }
};

void Report(benchmark::State& state, long long allocationsBefore) {
  state.counters["allocs/frame"] = benchmark::Counter(static_cast<double>(gAllocations - allocationsBefore),
                                                      benchmark::Counter::kAvgIterations);
}

void BM_BarRepaint(benchmark::State& state) {
  BarChart b(static_cast<int>(state.range(0)), state.range(1) != 0);
  const long long before = gAllocations;
  for (auto _ : state) {
    b.chart.InvalidateChart();
    b.chart.Paint();
  }
  Report(state, before);
  state.counters["bar size"] = b.bars.BarSize();
}
BENCHMARK(BM_BarRepaint)->Args({0, 1})->Args({3, 0})->Args({3, 1})->Unit(benchmark::kMillisecond);

// Three series stacked: every bar stands on the ones before it.
void BM_StackedBarRepaint(benchmark::State& state) {
  BarChart b(0, true, chart::mbStacked);
  chart::TBarSeries second, third;
  for (chart::TBarSeries* s : {&second, &third}) {
    s->SetParentChart(&b.chart);
    s->Marks().SetVisible(false);
    std::vector<double> values(Bars, 100.0);
    s->AppendValues(values);
  }
  b.chart.Paint();
  const long long before = gAllocations;
  for (auto _ : state) {
    b.chart.InvalidateChart();
    b.chart.Paint();
  }
  Report(state, before);
}
BENCHMARK(BM_StackedBarRepaint)->Unit(benchmark::kMillisecond);

// What the chart above shows of its bars: a rectangle per bar (a bar without width shows
// as a one-pixel column, as its line does).
void BM_BarFillRectPeer(benchmark::State& state) {
  std::vector<QRect> rects;
  {
    BarChart b(static_cast<int>(state.range(0)), false);
    for (int i = 0; i < Bars; ++i) {
      const chart::TBarPixels p = b.bars.BarPixelsOf(i);
      const int top = std::min(p.Value, p.Origin), height = std::abs(p.Value - p.Origin);
      rects.emplace_back(p.Start, top, std::max(1, p.End - p.Start), height);
    }
  }
  QImage image(Width, Height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  const QColor navy(0, 0, 128);
  const long long before = gAllocations;
  for (auto _ : state) {
    for (const QRect& r : rects) painter.fillRect(r, navy);
    benchmark::ClobberMemory();
  }
  Report(state, before);
}
BENCHMARK(BM_BarFillRectPeer)->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
