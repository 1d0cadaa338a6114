// Cost of the chart engine's own paint: layout and drawing of a chart with three
// 1024-point series, and the paint of an unchanged chart (one buffer copy). Drawn on the
// recording device of the tests and, as a peer in the same run, on a device that only
// counts calls, so the recorder's own bookkeeping can be told apart from the engine's.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "chart/axis/CustomChartAxis.h"
#include "chart/panel/Chart.h"
#include "chart/series/ChartSeries.h"
#include "support/FakeChartHost.h"
#include "support/RecordingDevice.h"

namespace {

using namespace chart;

// Stands in for a line series: every point through the axis mapping to one segment.
class TSegmentSeries : public TChartSeries {
 public:
  void DrawVisiblePoints() override {
    TCustomAxisPanel& c = *ParentChart();
    TZelCanvas3D& canvas = c.Canvas();
    const TCustomChartAxis& h = *GetHorizAxis();
    const TCustomChartAxis& v = *GetVertAxis();
    canvas.MovePenTo(h.ValueToXPixel(XValue(0)), v.ValueToYPixel(YValue(0)));
    for (int i = 1; i < Count(); ++i) canvas.LineToPoint(h.ValueToXPixel(XValue(i)), v.ValueToYPixel(YValue(i)));
  }
};

class TCountingDevice;

class TCountingBitmap final : public TDeviceBitmap {
 public:
  TCountingBitmap(int w, int h, std::unique_ptr<TCountingDevice> surface);
  ~TCountingBitmap() override;
  int Width() const override { return FW; }
  int Height() const override { return FH; }
  bool Monochrome() const override { return false; }
  TDeviceSurface& Surface() override;

 private:
  int FW, FH;
  std::unique_ptr<TCountingDevice> FSurface;
};

class TCountingDevice final : public TDeviceSurface {
 public:
  long long Calls = 0;
  void LineTo(int x, int y) override { ++Calls; SetPenPos({x, y}); }
  void Polyline(std::span<const TPoint>) override { ++Calls; }
  void Rectangle(int, int, int, int) override { ++Calls; }
  void RoundRect(int, int, int, int, int, int) override { ++Calls; }
  void Ellipse(int, int, int, int) override { ++Calls; }
  void Arc(int, int, int, int, int, int, int, int) override { ++Calls; }
  void Pie(int, int, int, int, int, int, int, int) override { ++Calls; }
  void Polygon(std::span<const TPoint>) override { ++Calls; }
  void FillRect(const TRect&) override { ++Calls; }
  void SetPixel(int, int, TColor) override { ++Calls; }
  void TextOut(int, int, std::string_view) override { ++Calls; }
  TSize TextExtent(std::string_view text) override {
    return {Font().Size() * static_cast<int>(text.size()), Font().Size() + 5};
  }
  void IntersectClipRect(const TRect&) override { ++Calls; }
  void RemoveClip() override { ++Calls; }
  std::unique_ptr<TDeviceBitmap> CreateBitmap(int w, int h, bool) override {
    return std::make_unique<TCountingBitmap>(w, h, std::make_unique<TCountingDevice>());
  }
  void DrawBitmap(int, int, TDeviceBitmap&) override { ++Calls; }
  void DrawPicture(int, int, const TPicture&) override { ++Calls; }
  void StretchPicture(const TRect&, const TPicture&) override { ++Calls; }
  TColor LookupSystemColor(int) const override { return clBlack; }
};

TCountingBitmap::TCountingBitmap(int w, int h, std::unique_ptr<TCountingDevice> surface)
    : FW(w), FH(h), FSurface(std::move(surface)) {}
TCountingBitmap::~TCountingBitmap() = default;
TDeviceSurface& TCountingBitmap::Surface() { return *FSurface; }

// A host whose window is a counting device.
class TCountingHost : public chart::testing::TFakeChartHost {
 public:
  TDeviceSurface& WindowSurface() override { return FCounting; }
  TCountingDevice FCounting;
};

// The demo's picture: three 1024-point curves on a 905 x 525 chart with a title.
struct DemoChart {
  TChart chart;
  TSegmentSeries series[3];

  explicit DemoChart(TChartHost& host) {
    chart.SetHost(&host);
    chart.SetView3D(false);
    chart.SetBevelOuter(bvLowered);
    chart.Title().SetText({"TChart"});
    std::vector<double> hann(1024), mag(1024), back(1024);
    for (int i = 0; i < 1024; ++i) {
      hann[i] = 0.5 - 0.5 * std::cos(2 * M_PI * i / 1023);
      mag[i] = std::fabs(std::sin(i * 0.01)) * 1.02;
      back[i] = -hann[i];
    }
    const TColor colors[3] = {clFuchsia, clGreen, clNavy};
    const std::vector<double>* data[3] = {&hann, &mag, &back};
    for (int k = 0; k < 3; ++k) {
      series[k].SetSeriesColor(colors[k]);
      series[k].SetParentChart(&chart);
      series[k].AppendValues(*data[k]);
    }
    chart.Paint();
  }
};

void BM_FullPaint_RecordingDevice(benchmark::State& state) {
  chart::testing::TFakeChartHost host;
  DemoChart demo(host);
  auto& buffer = dynamic_cast<chart::testing::TRecordingDevice&>(demo.chart.Canvas().Buffer()->Surface());
  for (auto _ : state) {
    buffer.ClearOps();
    host.Window().ClearOps();
    demo.chart.InvalidateChart();
    demo.chart.Paint();
  }
  state.counters["ops"] = static_cast<double>(buffer.Ops().size());
}
BENCHMARK(BM_FullPaint_RecordingDevice)->Unit(benchmark::kMicrosecond);

void BM_FullPaint_CountingDevice(benchmark::State& state) {
  TCountingHost host;
  DemoChart demo(host);
  for (auto _ : state) {
    demo.chart.InvalidateChart();
    demo.chart.Paint();
  }
}
BENCHMARK(BM_FullPaint_CountingDevice)->Unit(benchmark::kMicrosecond);

// Layout alone (ranges, title, axis room, spans, margins), without drawing a series.
void BM_LayoutOnly_CountingDevice(benchmark::State& state) {
  TCountingHost host;
  DemoChart demo(host);
  for (auto _ : state) {
    demo.chart.SetChartRect({27, 21, 878, 504});
    demo.chart.LayoutAxes();
    demo.chart.ApplySeriesMargins();
    benchmark::DoNotOptimize(demo.chart.ChartRect());
  }
}
BENCHMARK(BM_LayoutOnly_CountingDevice)->Unit(benchmark::kMicrosecond);

void BM_CleanBufferPaint_RecordingDevice(benchmark::State& state) {
  chart::testing::TFakeChartHost host;
  DemoChart demo(host);
  for (auto _ : state) {
    host.Window().ClearOps();
    demo.chart.Paint();
  }
}
BENCHMARK(BM_CleanBufferPaint_RecordingDevice)->Unit(benchmark::kNanosecond);

void BM_CleanBufferPaint_CountingDevice(benchmark::State& state) {
  TCountingHost host;
  DemoChart demo(host);
  for (auto _ : state) demo.chart.Paint();
}
BENCHMARK(BM_CleanBufferPaint_CountingDevice)->Unit(benchmark::kNanosecond);

// The mapping every point goes through, on its own.
void BM_ValueToPixel(benchmark::State& state) {
  TCountingHost host;
  DemoChart demo(host);
  const TCustomChartAxis& axis = *demo.chart.BottomAxis();
  double v = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(axis.ValueToXPixel(v));
    v = v < 1023 ? v + 1 : 0;
  }
}
BENCHMARK(BM_ValueToPixel);

}  // namespace

BENCHMARK_MAIN();
