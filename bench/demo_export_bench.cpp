// The demo chart (three 1024-point line series at 905 x 525) drawn where the direct pixel
// path does not go: a full paint straight on a surface (no buffer) of device pixel ratio 1
// and 2, with the 1x surface also forced through QPainter (the like-for-like peer of the
// direct path), and an export to PNG at scale 1 and 4, SVG and PDF, file written included.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <memory>

#include "app/QtChartHost.h"
#include "app/core/DemoChart.h"
#include "app/core/DrawAction.h"
#include "fft/uFFTasm.h"
#include "platform/ChartExport.h"
#include "platform/QtChartHostBase.h"
#include "platform/QtDeviceSurface.h"

namespace {

// A window surface of `ratio` image pixels per chart pixel; `painterOnly` draws through
// QPainter even where pixels could be written directly.
class TScaledHost : public platform::QtChartHostBase {
 public:
  TScaledHost(int width, int height, double ratio, bool painterOnly)
      : FWidth(width), FHeight(height), FImage(static_cast<int>(width * ratio), static_cast<int>(height * ratio),
                                               QImage::Format_RGB32) {
    FImage.setDevicePixelRatio(ratio);
    FImage.fill(Qt::black);
    FSurface = painterOnly ? std::make_unique<platform::QtDeviceSurface>(static_cast<QPaintDevice&>(FImage))
                           : std::make_unique<platform::QtDeviceSurface>(FImage);
  }
  chart::TRect ClientRect() const override { return {0, 0, FWidth, FHeight}; }
  void Invalidate() override {}
  void RepaintNow() override {}
  void SetCursor(chart::TCursor) override {}
  chart::TDeviceSurface& WindowSurface() override { return *FSurface; }

 private:
  int FWidth, FHeight;
  QImage FImage;
  std::unique_ptr<platform::QtDeviceSurface> FSurface;
};

struct TDrawnDemo {
  demo::TDemoChart demo;
  TDrawnDemo() {
    demo::testing::EnsureQtApp();
    uFFTasm::FFTInit();
    demo::DrawAction(demo.Series1, demo.Series2, demo.Series3);
  }
  ~TDrawnDemo() { uFFTasm::FFTDone(); }
};

// Arg: 0 direct pixels at 1x, 1 QPainter at 1x, 2 QPainter at 2x.
void BM_DemoRepaintBySurface(benchmark::State& state) {
  TDrawnDemo d;
  const int kind = static_cast<int>(state.range(0));
  TScaledHost host(905, 525, kind == 2 ? 2.0 : 1.0, kind != 0);
  d.demo.Chart1.SetHost(&host);
  d.demo.Chart1.Canvas().SetBuffered(false);
  for (auto _ : state) {
    d.demo.Chart1.InvalidateChart();
    d.demo.Chart1.Paint();
  }
  d.demo.Chart1.SetHost(nullptr);
  const char* labels[] = {"1x direct pixels", "1x through QPainter", "2x through QPainter"};
  state.SetLabel(labels[kind]);
}
BENCHMARK(BM_DemoRepaintBySurface)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// Arg: 0 PNG, 1 PNG at scale 4, 2 SVG, 3 PDF.
void BM_DemoExport(benchmark::State& state) {
  TDrawnDemo d;
  const int kind = static_cast<int>(state.range(0));
  const char* names[] = {"export_bench.png", "export_bench_x4.png", "export_bench.svg", "export_bench.pdf"};
  const QString path = QDir::temp().filePath(names[kind]);
  platform::TExportOptions options;
  options.Scale = kind == 1 ? 4.0 : 1.0;
  for (auto _ : state) platform::ExportChart(d.demo.Chart1, path, options);
  state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
  QFile::remove(path);
  state.SetLabel(names[kind]);
}
BENCHMARK(BM_DemoExport)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
