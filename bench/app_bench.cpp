// What a user waits for: from the Draw click to the finished repaint of the window (the
// action plus one full paint of the chart into the window image), and the repaint of an
// unchanged chart (a copy of the clean buffer). The parts are measured alone in the same
// run, and as a peer, plain QPainter polylines of the same three curves into an image of
// the same size: the least any Qt program pays to put these curves on screen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include <cmath>

#include "app/Form1.h"
#include "chart/axis/CustomChartAxis.h"
#include "fft/uFFTasm.h"

namespace {

using demo::TForm1;

QApplication& App() {
  static int argc = 1;
  static char name[] = "app_bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

struct TShownForm {
  TShownForm() {
    form.show();
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    form.SpeedButton1()->click();
    form.Chart1Widget().repaint();
  }
  ~TShownForm() { uFFTasm::FFTDone(); }
  // The application and the FFT engine come before the window.
  bool ready = (App(), uFFTasm::FFTInit(), true);
  TForm1 form;
};

void BM_DrawClickToRepaint(benchmark::State& state) {
  TShownForm f;
  platform::ChartWidget& w = f.form.Chart1Widget();
  const int before = w.ChartPaints();
  for (auto _ : state) {
    f.form.SpeedButton1()->click();
    w.repaint();  // what the event loop does next: the one deferred paint
  }
  if (w.ChartPaints() - before != static_cast<int>(state.iterations())) state.SkipWithError("not one paint per click");
}
BENCHMARK(BM_DrawClickToRepaint)->Unit(benchmark::kMillisecond);

void BM_DrawActionOnly(benchmark::State& state) {
  TShownForm f;
  for (auto _ : state) f.form.SpeedButton1Click();
}
BENCHMARK(BM_DrawActionOnly)->Unit(benchmark::kMillisecond);

void BM_FullRepaint(benchmark::State& state) {
  TShownForm f;
  for (auto _ : state) {
    f.form.Chart1.InvalidateChart();
    f.form.Chart1Widget().repaint();
  }
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond);

void BM_CleanBufferRepaint(benchmark::State& state) {
  TShownForm f;
  platform::ChartWidget& w = f.form.Chart1Widget();
  const auto invalidations = f.form.Chart1.InvalidateCount();
  for (auto _ : state) w.RepaintNow();  // the chart is clean: its buffer is copied
  if (f.form.Chart1.InvalidateCount() != invalidations) state.SkipWithError("the chart was redrawn");
}
BENCHMARK(BM_CleanBufferRepaint)->Unit(benchmark::kMillisecond);

// Peer: the three curves as antialiasing-free QPainter polylines over a filled image,
// mapped with the chart's own axes so they land where the chart draws them.
void BM_QPainterPolylinesPeer(benchmark::State& state) {
  TShownForm f;
  const chart::TCustomChartAxis& h = *f.form.Chart1.BottomAxis();
  const chart::TCustomChartAxis& v = *f.form.Chart1.LeftAxis();
  QImage image(905, 525, QImage::Format_RGB32);
  const chart::TLineSeries* series[3] = {&f.form.Series1, &f.form.Series2, &f.form.Series3};
  const QColor colours[3] = {Qt::magenta, QColor(0, 128, 0), QColor(0, 0, 128)};
  for (auto _ : state) {
    image.fill(QColor(240, 240, 240));
    QPainter p(&image);
    for (int s = 0; s < 3; ++s) {
      QPolygon line(series[s]->Count());
      for (int i = 0; i < series[s]->Count(); ++i)
        line[i] = QPoint(h.ValueToXPixel(series[s]->XValue(i)), v.ValueToYPixel(series[s]->YValue(i)));
      p.setPen(colours[s]);
      p.drawPolyline(line);
    }
    p.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_QPainterPolylinesPeer)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
