// Drawing line series through the canvas and the Qt device into a 905 x 525 buffer, one
// segment per point as a line series issues them, against QPainter::drawLine per segment
// in the same run. Also the canvas layer on its own (over a device that draws nothing).
#include "chart/canvas/NullDeviceSurface.h"
#include "chart/canvas/ZelCanvas3D.h"
#include "chart/core/Numeric.h"
#include "platform/QtDeviceSurface.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

namespace {

using chart::TPoint;

constexpr int Width = 905, Height = 525;
// The demo's plot area: about 850 columns.
constexpr chart::TRect PlotRect{27, 21, 878, 504};

// Pixels of three series shaped like the demo's: a Hann window, a spiky spectrum and a
// noisy signal, N points each spread over the plot's columns.
std::vector<std::vector<TPoint>> MakeSeries(int n) {
  std::vector<std::vector<TPoint>> all(3);
  std::uint32_t noise = 12345;
  for (int s = 0; s < 3; ++s) {
    auto& pts = all[s];
    pts.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
      const double t = n > 1 ? static_cast<double>(i) / (n - 1) : 0.0;
      noise = noise * 1664525u + 1013904223u;
      const double r = static_cast<double>(noise >> 8) / (1u << 24);
      double v;
      if (s == 0) v = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * t);
      else if (s == 1) v = std::exp(-40 * t) + 0.05 * r;
      else v = 0.5 + 0.4 * std::sin(40 * std::numbers::pi * t) * (0.5 + 0.5 * r);
      const int x = PlotRect.Left + chart::RoundInt(t * (PlotRect.Width() - 1));
      const int y = PlotRect.Bottom - 1 - chart::RoundInt(v * (PlotRect.Height() - 2));
      pts.push_back({x, y});
    }
  }
  return all;
}

constexpr chart::TColor SeriesColors[3] = {chart::clFuchsia, chart::clGreen, chart::clNavy};

void DrawSeries(chart::TCanvas3D& canvas, const std::vector<std::vector<TPoint>>& series) {
  canvas.ClipToCube(PlotRect, 0, 0);
  for (int s = 0; s < 3; ++s) {
    canvas.Pen().SetColor(SeriesColors[s]);
    const auto& p = series[static_cast<std::size_t>(s)];
    for (std::size_t i = 1; i < p.size(); ++i) canvas.DrawSegment(p[i - 1].X, p[i - 1].Y, p[i].X, p[i].Y);
  }
  canvas.RemoveClip();
}

// One frame as the chart paints it: buffer, background, three series, present.
void BM_CanvasQtFrame(benchmark::State& state) {
  const auto series = MakeSeries(static_cast<int>(state.range(0)));
  platform::QtDeviceBitmap window(Width, Height, false);
  chart::TZelCanvas3D canvas;
  canvas.AttachDevice(window.Surface());
  for (auto _ : state) {
    const chart::TRect bounds = canvas.BeginDrawing(window.Surface(), nullptr, chart::clBtnFace, false,
                                                    {0, 0, Width, Height});
    canvas.Brush().SetColor(chart::clWhite);
    canvas.EraseRect(bounds);
    DrawSeries(canvas, series);
    canvas.PresentBuffer(window.Surface(), window.Surface(), {0, 0, Width, Height});
    benchmark::DoNotOptimize(window.QtSurface().Image().constBits());
  }
  state.counters["segments"] = static_cast<double>(3 * (state.range(0) - 1));
}

// The series alone, through the canvas onto the Qt device.
void BM_CanvasQtSegments(benchmark::State& state) {
  const auto series = MakeSeries(static_cast<int>(state.range(0)));
  platform::QtDeviceBitmap buffer(Width, Height, false);
  chart::TZelCanvas3D canvas;
  canvas.AttachDevice(buffer.Surface());
  for (auto _ : state) {
    DrawSeries(canvas, series);
    buffer.QtSurface().Flush();
    benchmark::ClobberMemory();
  }
}

// The same segments issued to the Qt device directly, without the canvas.
void BM_QtDeviceSegments(benchmark::State& state) {
  const auto series = MakeSeries(static_cast<int>(state.range(0)));
  platform::QtDeviceBitmap buffer(Width, Height, false);
  chart::TDeviceSurface& device = buffer.Surface();
  for (auto _ : state) {
    device.IntersectClipRect({PlotRect.Left + 1, PlotRect.Top + 1, PlotRect.Right, PlotRect.Bottom - 1});
    for (int s = 0; s < 3; ++s) {
      device.Pen().SetColor(SeriesColors[s]);
      const auto& p = series[static_cast<std::size_t>(s)];
      for (std::size_t i = 1; i < p.size(); ++i) device.Line(p[i - 1].X, p[i - 1].Y, p[i].X, p[i].Y);
    }
    device.RemoveClip();
    buffer.QtSurface().Flush();
    benchmark::ClobberMemory();
  }
}

// The canvas layer on its own: the same calls onto a device that draws nothing.
void BM_CanvasOverNullDevice(benchmark::State& state) {
  const auto series = MakeSeries(static_cast<int>(state.range(0)));
  chart::TNullDeviceSurface device;
  chart::TZelCanvas3D canvas;
  canvas.AttachDevice(device);
  for (auto _ : state) {
    DrawSeries(canvas, series);
    benchmark::DoNotOptimize(device.PenPos());
  }
}

// Peer: QPainter::drawLine for every segment, cosmetic one-pixel pen, same clip.
void BM_QPainterDrawLinePerSegment(benchmark::State& state) {
  const auto series = MakeSeries(static_cast<int>(state.range(0)));
  QImage image(Width, Height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setClipRect(QRect(PlotRect.Left + 1, PlotRect.Top + 1, PlotRect.Width() - 1, PlotRect.Height() - 2));
  const QColor colors[3] = {QColor(255, 0, 255), QColor(0, 128, 0), QColor(0, 0, 128)};
  for (auto _ : state) {
    for (int s = 0; s < 3; ++s) {
      QPen pen(colors[s]);
      pen.setCosmetic(true);
      pen.setCapStyle(Qt::FlatCap);
      painter.setPen(pen);
      const auto& p = series[static_cast<std::size_t>(s)];
      for (std::size_t i = 1; i < p.size(); ++i)
        painter.drawLine(QPoint(p[i - 1].X, p[i - 1].Y), QPoint(p[i].X, p[i].Y));
    }
    benchmark::ClobberMemory();
  }
}

void PointCounts(benchmark::internal::Benchmark* b) {
  b->Arg(1024)->Arg(1000000)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_CanvasQtFrame)->Apply(PointCounts);
BENCHMARK(BM_CanvasQtSegments)->Apply(PointCounts);
BENCHMARK(BM_QtDeviceSegments)->Apply(PointCounts);
BENCHMARK(BM_CanvasOverNullDevice)->Apply(PointCounts);
BENCHMARK(BM_QPainterDrawLinePerSegment)->Apply(PointCounts);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  char name[] = "canvas_bench";
  char* qtArgv[] = {name, nullptr};
  QGuiApplication app(qtArgc, qtArgv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
