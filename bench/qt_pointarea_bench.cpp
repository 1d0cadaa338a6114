// Repaint cost of point and area series on the Qt device at 905 x 525.
// - 100,000 markers of a point series, against a peer in the same run that draws the same
//   9 x 9 outlined rectangles with QPainter::drawRect on a QImage of the same size, every
//   rectangle worked out beforehand (the floor).
// - Three area series of up to 1,000,000 noisy points each (side by side and stacked),
//   against the same data as line series; the area also point by point
//   (SetDirectDrawing(false)), the reference its direct drawing is checked against.
// The allocation counter shows allocations per frame.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <random>
#include <vector>

#include "app/QtChartHost.h"
#include "chart/panel/Chart.h"
#include "chart/seriestypes/AreaSeries.h"
#include "chart/seriestypes/LineSeries.h"
#include "chart/seriestypes/PointSeries.h"

#include "AllocationCounter.h"

namespace {

using demo::testing::TQtImageHost;

constexpr int Width = 905, Height = 525;

void Report(benchmark::State& state, long long allocationsBefore) {
  state.counters["allocs/frame"] = benchmark::Counter(static_cast<double>(gAllocations - allocationsBefore),
                                                      benchmark::Counter::kAvgIterations);
}

void Repaint(benchmark::State& state, chart::TChart& chart) {
  const long long before = gAllocations;
  for (auto _ : state) {
    chart.InvalidateChart();
    chart.Paint();
  }
  Report(state, before);
}

struct PointChart {
  TQtImageHost host{Width, Height};
  chart::TChart chart;
  chart::TPointSeries points;
  explicit PointChart(int n) {
    chart.SetWidth(Width);
    chart.SetHeight(Height);
    chart.SetView3D(false);
    chart.Legend().SetVisible(false);
    chart.SetHost(&host);
    points.SetSeriesColor(chart::clRed);
    points.SetParentChart(&chart);
    points.Marks().SetVisible(false);
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> any(0, 1000);
    for (int i = 0; i < n; ++i) points.AddPoint(any(rng), any(rng));
    chart.Paint();
  }
};

void BM_PointRepaint(benchmark::State& state) {
  PointChart p(static_cast<int>(state.range(0)));
  Repaint(state, p.chart);
}
BENCHMARK(BM_PointRepaint)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_PointRectPeer(benchmark::State& state) {
  std::vector<QRect> rects;
  {
    PointChart p(static_cast<int>(state.range(0)));
    for (int i = 0; i < p.points.Count(); ++i) rects.emplace_back(p.points.XPixel(i) - 4, p.points.YPixel(i) - 4, 8, 8);
  }
  QImage image(Width, Height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(QColor(255, 0, 0));
  const long long before = gAllocations;
  for (auto _ : state) {
    for (const QRect& r : rects) painter.drawRect(r);
    benchmark::ClobberMemory();
  }
  Report(state, before);
}
BENCHMARK(BM_PointRectPeer)->Arg(100000)->Unit(benchmark::kMillisecond);

// Three curves with noise, so that a pixel column holds many points spread over many rows.
template <class Series>
struct BigChartOf {
  TQtImageHost host{Width, Height};
  chart::TChart chart;
  Series series[3];
  explicit BigChartOf(int n) {
    chart.SetWidth(Width);
    chart.SetHeight(Height);
    chart.SetView3D(false);
    chart.SetHost(&host);
    const chart::TColor colors[3] = {chart::clFuchsia, chart::clGreen, chart::clNavy};
    std::mt19937 rng(7);
    std::normal_distribution<double> noise(0, 0.01);
    std::vector<double> values(static_cast<std::size_t>(n));
    for (int k = 0; k < 3; ++k) {
      series[k].SetSeriesColor(colors[k]);
      series[k].SetParentChart(&chart);
      for (int i = 0; i < n; ++i) {
        const double hann = 0.5 - 0.5 * std::cos(2 * M_PI * i / (n - 1));
        values[static_cast<std::size_t>(i)] = k == 0 ? hann + noise(rng) : k == 1 ? std::fabs(noise(rng)) * 10 : 1 - hann + noise(rng);
      }
      series[k].AppendValues(values);
    }
    chart.Paint();
  }
};

void BM_LineRepaint(benchmark::State& state) {
  BigChartOf<chart::TLineSeries> b(static_cast<int>(state.range(0)));
  Repaint(state, b.chart);
}
BENCHMARK(BM_LineRepaint)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Arguments: points per series, direct drawing, MultiArea.
void BM_AreaRepaint(benchmark::State& state) {
  BigChartOf<chart::TAreaSeries> b(static_cast<int>(state.range(0)));
  for (auto& s : b.series) s.SetDirectDrawing(state.range(1) != 0);
  b.series[0].SetMultiArea(static_cast<chart::TMultiArea>(state.range(2)));
  b.chart.Paint();
  Repaint(state, b.chart);
  state.SetLabel(state.range(1) != 0 ? "direct" : "point by point");
}
BENCHMARK(BM_AreaRepaint)
    ->Args({1000000, 1, chart::maNone})
    ->Args({1000000, 1, chart::maStacked})
    ->Args({1000000, 1, chart::maStacked100})
    ->Args({100000, 0, chart::maNone})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
