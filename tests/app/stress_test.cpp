// Long sessions a user can have: thousands of Draw presses, and the chart's window dragged
// from nothing to huge and back. Neither may grow memory, fail a paint or break the layout.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QWidget>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "QtChartHost.h"
#include "app/Form1.h"
#include "app/core/DemoChart.h"
#include "app/core/DrawAction.h"
#include "fft/uFFTasm.h"
#include "platform/ChartWidget.h"

namespace demo {
namespace {

struct Stress : ::testing::Test {
  static void SetUpTestSuite() {
    testing::EnsureQtApp();
    uFFTasm::FFTInit();
  }
  static void TearDownTestSuite() { uFFTasm::FFTDone(); }
  static void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }
};

long ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

TEST_F(Stress, DrawPressesKeepResidentMemoryFlat) {
#ifdef SANITIZED_BUILD
  // The sanitizers' shadow memory and freed-block quarantine make resident memory say
  // nothing here: a few presses still run every path under their checks, and the leak
  // checker reports what a press would lose.
  constexpr int Presses = 300;
#else
  constexpr int Presses = 10000;
#endif
  constexpr int Warmup = 100;
  TForm1 form;
  form.show();
  Settle();
  const int paintsBefore = form.Chart1Widget().ChartPaints();
  // A press as a user makes it: the click, then the paint it asked for.
  const auto press = [&] {
    form.SpeedButton1()->click();
    form.Chart1Widget().repaint();
  };
  for (int i = 0; i < Warmup; ++i) press();
  const long warm = ResidentBytes();
  for (int i = Warmup; i < Presses; ++i) press();
  const long grown = ResidentBytes() - warm;

  EXPECT_EQ(form.Chart1Widget().ChartPaints(), paintsBefore + Presses);
  for (const chart::TChartSeries* s : {&form.Series1, &form.Series2, &form.Series3}) EXPECT_EQ(s->Count(), 1024);
#ifndef SANITIZED_BUILD
  EXPECT_LT(grown, 1L << 20) << "resident memory grew by " << grown << " bytes over " << Presses - Warmup
                             << " presses";
#else
  (void)grown;
#endif
}

// A column of the picture holds the colour somewhere.
bool ColumnHas(const QImage& image, int x, QRgb colour) {
  for (int y = 0; y < image.height(); ++y)
    if ((image.pixel(x, y) & 0xFFFFFFu) == (colour & 0xFFFFFFu)) return true;
  return false;
}

TEST_F(Stress, ResizeStormFromNothingToHugeAndBack) {
  TDemoChart demo;
  // A small window shows the chart's corner: the chart still paints at its full size, and
  // Qt's own screen buffer stays small.
  QWidget window;
  window.resize(120, 90);
  platform::ChartWidget widget(demo.Chart1, &window);
  window.show();
  Settle();
  DrawAction(demo.Series1, demo.Series2, demo.Series3);

  const std::vector<int> ladder{0, 1, 2, 3, 5, 8, 13, 21, 40, 75, 150, 300, 600, 1200, 2500, 5000, 10000};
  std::vector<QSize> steps;
  for (int v : ladder) steps.emplace_back(v, v);
  // Back down through lopsided shapes.
  for (auto it = ladder.rbegin(); it != ladder.rend(); ++it) steps.emplace_back(*it / 7, *it);
  steps.emplace_back(10000, 0);
  steps.emplace_back(0, 0);

  for (const QSize size : steps) {
    SCOPED_TRACE(std::to_string(size.width()) + " x " + std::to_string(size.height()));
    widget.resize(size);
    const int paints = widget.ChartPaints();
    // Qt sends no paint event to an empty widget; the chart's paint entry is called as the
    // event would call it.
    if (size.isEmpty()) {
      demo.Chart1.Paint();
    } else {
      widget.repaint();
      EXPECT_EQ(widget.ChartPaints(), paints + 1);
    }
    EXPECT_EQ(widget.WindowImage().size(), size.expandedTo({1, 1}));
    EXPECT_EQ(demo.Chart1.ChartBounds(), (chart::TRect{0, 0, size.width(), size.height()}));
    const chart::TRect r = demo.Chart1.ChartRect();
    EXPECT_GE(r.Left, 0);
    EXPECT_GE(r.Top, 0);
    EXPECT_GE(r.Right, r.Left);
    EXPECT_GE(r.Bottom, r.Top);
    if (std::min(size.width(), size.height()) >= 150) {
      EXPECT_LE(r.Right, size.width());
      EXPECT_LE(r.Bottom, size.height());
      // The window's arch reaches the middle of the plot: the series were drawn at this size.
      EXPECT_TRUE(ColumnHas(widget.WindowImage(), (r.Left + r.Right) / 2, qRgb(255, 0, 255)));
    }
  }
}

}  // namespace
}  // namespace demo
