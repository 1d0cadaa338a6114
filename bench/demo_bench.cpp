// Repaint cost of the demo chart with the Qt device at 905 x 525: the full paint after a
// change (three 1024-point line series, axes, grid, title), the paint of an unchanged chart
// (one buffer copy), and the full paint of three line series of up to 1,000,000 points each
// with every point drawn. Peers in the same run: the same chart drawn point by point
// (SetDirectDrawing(false)), the same chart drawn by fast line series, Qt's own polyline of
// the same pixels, and one plain read of the values (the memory floor). The allocation
// counter shows that a paint allocates nothing per point. Also the legend's share of a
// repaint of 100 series.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>
#include <memory>
#include <random>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include "app/QtChartHost.h"
#include "app/core/DemoChart.h"
#include "app/core/DrawAction.h"
#include "chart/axis/CustomChartAxis.h"
#include "chart/seriestypes/FastLineSeries.h"
#include "fft/uFFTasm.h"

#include "AllocationCounter.h"

namespace {

using demo::testing::TQtImageHost;

struct DrawnDemo {
  TQtImageHost host{905, 525};
  demo::TDemoChart demo;
  DrawnDemo() {
    uFFTasm::FFTInit();
    demo.Chart1.SetHost(&host);
    demo::DrawAction(demo.Series1, demo.Series2, demo.Series3);
    demo.Chart1.Paint();
  }
  ~DrawnDemo() { uFFTasm::FFTDone(); }
};

void Report(benchmark::State& state, long long allocationsBefore) {
  state.counters["allocs/frame"] = benchmark::Counter(static_cast<double>(gAllocations - allocationsBefore),
                                                      benchmark::Counter::kAvgIterations);
}

void BM_DemoFullRepaint(benchmark::State& state) {
  DrawnDemo d;
  const bool direct = state.range(0) != 0;
  for (auto* s : {&d.demo.Series1, &d.demo.Series2, &d.demo.Series3}) s->SetDirectDrawing(direct);
  const long long before = gAllocations;
  for (auto _ : state) {
    d.demo.Chart1.InvalidateChart();
    d.demo.Chart1.Paint();
  }
  Report(state, before);
  state.SetLabel(direct ? "direct" : "point by point");
}
BENCHMARK(BM_DemoFullRepaint)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_DemoUnchangedRepaint(benchmark::State& state) {
  DrawnDemo d;
  const long long before = gAllocations;
  for (auto _ : state) d.demo.Chart1.Paint();
  Report(state, before);
}
BENCHMARK(BM_DemoUnchangedRepaint)->Unit(benchmark::kMillisecond);

// Three curves like the demo's, with noise so that a pixel column holds many points
// spread over many rows, as dense measured data does.
template <class Series>
struct BigChartOf {
  TQtImageHost host{905, 525};
  chart::TChart chart;
  Series series[3];
  // host: draws there instead of on the Qt image.
  explicit BigChartOf(int n, chart::TChartHost* other = nullptr) {
    demo::ApplyChart1Properties(chart);
    chart.SetHost(other ? other : &host);
    const chart::TColor colors[3] = {chart::clFuchsia, chart::clGreen, chart::clNavy};
    std::mt19937 rng(7);
    std::normal_distribution<double> noise(0, 0.01);
    std::vector<double> values(static_cast<std::size_t>(n));
    for (int k = 0; k < 3; ++k) {
      if constexpr (std::is_same_v<Series, chart::TLineSeries>) {
        demo::ApplySeriesProperties(series[k], colors[k], k == 0);
      } else {
        series[k].SetSeriesColor(colors[k]);
        series[k].SetShowInLegend(k == 0);
      }
      series[k].SetParentChart(&chart);
      for (int i = 0; i < n; ++i) {
        const double hann = 0.5 - 0.5 * std::cos(2 * M_PI * i / (n - 1));
        values[static_cast<std::size_t>(i)] = k == 0 ? hann + noise(rng) : k == 1 ? std::fabs(noise(rng)) * 10 : -hann + noise(rng);
      }
      series[k].AppendValues(values);
    }
    chart.Paint();
  }
};
using BigChart = BigChartOf<chart::TLineSeries>;

void BM_LargeFullRepaint(benchmark::State& state) {
  BigChart b(static_cast<int>(state.range(0)));
  const bool direct = state.range(1) != 0;
  for (auto& s : b.series) s.SetDirectDrawing(direct);
  const long long before = gAllocations;
  for (auto _ : state) {
    b.chart.InvalidateChart();
    b.chart.Paint();
  }
  Report(state, before);
  state.counters["points/s"] = benchmark::Counter(3.0 * state.range(0), benchmark::Counter::kIsIterationInvariantRate);
  state.SetLabel(direct ? "direct" : "point by point");
}
BENCHMARK(BM_LargeFullRepaint)
    ->Args({125000, 1})
    ->Args({250000, 1})
    ->Args({500000, 1})
    ->Args({1000000, 1})
    ->Args({1000000, 0})
    ->Unit(benchmark::kMillisecond);

// The same chart drawn by fast line series: one pen, no point colours or null points.
void BM_LargeFastLineRepaint(benchmark::State& state) {
  BigChartOf<chart::TFastLineSeries> b(static_cast<int>(state.range(0)));
  const long long before = gAllocations;
  for (auto _ : state) {
    b.chart.InvalidateChart();
    b.chart.Paint();
  }
  Report(state, before);
  state.counters["points/s"] = benchmark::Counter(3.0 * state.range(0), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_LargeFastLineRepaint)->Arg(125000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// A scrolling stream on the same chart: every frame each series takes 1,000 new points at
// its end, drops its 1,000 oldest and the chart repaints. Against BM_LargeFullRepaint
// (the same chart repainted as it stands) in the same run.
void BM_StreamingFrame(benchmark::State& state) {
  BigChart b(static_cast<int>(state.range(0)));
  constexpr int Block = 1000;
  std::vector<double> xs(Block), ys(Block);
  std::mt19937 rng(11);
  std::normal_distribution<double> noise(0, 0.01);
  const long long before = gAllocations;
  for (auto _ : state) {
    for (int k = 0; k < 3; ++k) {
      chart::TLineSeries& s = b.series[k];
      const double next = s.XValues().LastValue() + 1;
      for (int i = 0; i < Block; ++i) {
        xs[static_cast<std::size_t>(i)] = next + i;
        ys[static_cast<std::size_t>(i)] = (k - 1) * 0.5 + noise(rng);
      }
      s.AppendPoints(xs, ys);
      s.DeleteRange(0, Block);
    }
    b.chart.Paint();
  }
  Report(state, before);
}
BENCHMARK(BM_StreamingFrame)->Arg(1000000)->Unit(benchmark::kMillisecond);

// A device that draws nothing: the same chart's paint without the Qt device's pixel work,
// to tell the engine's share from the device's.
class TNullBitmap;
class TNullDevice final : public chart::TDeviceSurface {
 public:
  void LineTo(int x, int y) override { SetPenPos({x, y}); }
  void LineRun(std::span<const chart::TPoint>) override {}
  void Polyline(std::span<const chart::TPoint>) override {}
  void Rectangle(int, int, int, int) override {}
  void RoundRect(int, int, int, int, int, int) override {}
  void Ellipse(int, int, int, int) override {}
  void Arc(int, int, int, int, int, int, int, int) override {}
  void Pie(int, int, int, int, int, int, int, int) override {}
  void Polygon(std::span<const chart::TPoint>) override {}
  void FillRect(const chart::TRect&) override {}
  void SetPixel(int, int, chart::TColor) override {}
  void TextOut(int, int, std::string_view) override {}
  chart::TSize TextExtent(std::string_view text) override { return {7 * static_cast<int>(text.size()), 13}; }
  void IntersectClipRect(const chart::TRect&) override {}
  void RemoveClip() override {}
  std::unique_ptr<chart::TDeviceBitmap> CreateBitmap(int w, int h, bool) override;
  void DrawBitmap(int, int, chart::TDeviceBitmap&) override {}
  void DrawPicture(int, int, const chart::TPicture&) override {}
  void StretchPicture(const chart::TRect&, const chart::TPicture&) override {}
  chart::TColor LookupSystemColor(int) const override { return chart::clGray; }
};

class TNullBitmap final : public chart::TDeviceBitmap {
 public:
  TNullBitmap(int w, int h) : FW(w), FH(h) {}
  int Width() const override { return FW; }
  int Height() const override { return FH; }
  bool Monochrome() const override { return false; }
  chart::TDeviceSurface& Surface() override { return FSurface; }

 private:
  int FW, FH;
  TNullDevice FSurface;
};

std::unique_ptr<chart::TDeviceBitmap> TNullDevice::CreateBitmap(int w, int h, bool) {
  return std::make_unique<TNullBitmap>(w, h);
}

class TNullHost final : public TQtImageHost {
 public:
  TNullHost() : TQtImageHost(905, 525) {}
  chart::TDeviceSurface& WindowSurface() override { return FNull; }

 private:
  TNullDevice FNull;
};

void BM_LargeEngineOnlyPeer(benchmark::State& state) {
  TNullHost host;
  BigChart b(static_cast<int>(state.range(0)), &host);
  for (auto _ : state) {
    b.chart.InvalidateChart();
    b.chart.Paint();
  }
}
BENCHMARK(BM_LargeEngineOnlyPeer)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The legend's share of a repaint: 100 line series of 100 points on the demo's chart, the
// legend shown on the right (it lists as many as fit) against the same chart without it.
void BM_HundredSeriesLegend(benchmark::State& state) {
  TQtImageHost host{905, 525};
  chart::TChart chart;
  demo::ApplyChart1Properties(chart);
  const bool shown = state.range(0) != 0;
  chart.Legend().SetVisible(shown);
  chart.Legend().SetAlignment(chart::laRight);
  chart.Legend().SetColorWidth(12);
  chart.Legend().SetShadowSize(3);
  chart.SetHost(&host);
  std::vector<std::unique_ptr<chart::TLineSeries>> series;
  std::vector<double> values(100);
  for (int k = 0; k < 100; ++k) {
    auto s = std::make_unique<chart::TLineSeries>();
    s->SetName("Series" + std::to_string(k + 1));
    s->SetParentChart(&chart);
    for (int i = 0; i < 100; ++i) values[static_cast<std::size_t>(i)] = std::sin(i * 0.05 + k * 0.1) + k * 0.01;
    s->AppendValues(values);
    series.push_back(std::move(s));
  }
  chart.Paint();
  const long long before = gAllocations;
  for (auto _ : state) {
    chart.InvalidateChart();
    chart.Paint();
  }
  Report(state, before);
  state.counters["entries"] = chart.Legend().RowCount();
  state.SetLabel(shown ? "legend" : "no legend");
}
BENCHMARK(BM_HundredSeriesLegend)
    ->Arg(0)
    ->Arg(1)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// The floor for any drawing that looks at every point: reading the values once. The
// sums keep the reads; eight of them, so that the adds do not wait for one another and
// the loop runs at the speed of memory.
void BM_ReadValuesPeer(benchmark::State& state) {
  BigChart b(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    double sum[8] = {};
    for (auto& s : b.series) {
      const double* x = s.XValues().Data();
      const double* y = s.YValues().Data();
      const int n = s.Count();
      int i = 0;
      for (; i + 4 <= n; i += 4)
        for (int k = 0; k < 4; ++k) {
          sum[k] += x[i + k];
          sum[4 + k] += y[i + k];
        }
      for (; i < n; ++i) sum[0] += x[i] + y[i];
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_ReadValuesPeer)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Qt's own polyline through the same pixels the chart computes (mapping not timed): what
// handing every point to the toolkit costs.
void BM_QtPolylinePeer(benchmark::State& state) {
  BigChart b(static_cast<int>(state.range(0)));
  const chart::TCustomChartAxis& h = *b.chart.BottomAxis();
  const chart::TCustomChartAxis& v = *b.chart.LeftAxis();
  std::vector<QPolygon> lines(3);
  for (int k = 0; k < 3; ++k) {
    lines[static_cast<std::size_t>(k)].reserve(b.series[k].Count());
    for (int i = 0; i < b.series[k].Count(); ++i)
      lines[static_cast<std::size_t>(k)].append(
          QPoint(h.ValueToXPixel(b.series[k].XValue(i)), v.ValueToYPixel(b.series[k].YValue(i))));
  }
  QImage image(905, 525, QImage::Format_RGB32);
  const QColor colors[3] = {Qt::magenta, Qt::darkGreen, Qt::darkBlue};
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter p(&image);
    for (int k = 0; k < 3; ++k) {
      p.setPen(QPen(colors[k], 0));
      p.drawPolyline(lines[static_cast<std::size_t>(k)]);
    }
  }
}
BENCHMARK(BM_QtPolylinePeer)->Arg(1024)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
