// The demo's chart after a Draw press, rendered by the Qt device at 905 x 525: the three
// curves in their colours where the axes put them, the black back-wall frame, the grey
// dotted grid and the labels. The picture is kept as a test artefact.
#include <gtest/gtest.h>

#include "QtChartHost.h"
#include "TestFiles.h"
#include "app/core/DemoChart.h"
#include "app/core/DrawAction.h"
#include "fft/uFFTasm.h"

namespace demo {
namespace {

using chart::TColor;

QRgb ToRgb(TColor c) { return qRgb(chart::GetRValue(c), chart::GetGValue(c), chart::GetBValue(c)); }

struct DemoPicture : ::testing::Test {
  static void SetUpTestSuite() { uFFTasm::FFTInit(); }
  static void TearDownTestSuite() { uFFTasm::FFTDone(); }

  testing::TQtImageHost host{905, 525};
  TDemoChart demo;

  DemoPicture() { demo.Chart1.SetHost(&host); }
  QRgb At(int x, int y) { return host.Image().pixel(x, y) | 0xFF000000u; }
  void Save(const char* name) { testing::SaveArtifact(host.Image(), name); }
  void SaveZoomed(const char* name, QRect r) {
    const QImage part = host.Image().copy(r);
    testing::SaveArtifact(part.scaled(part.width() * 4, part.height() * 4), name);
  }
};

TEST_F(DemoPicture, AfterDrawShowsTheThreeCurves) {
  DrawAction(demo.Series1, demo.Series2, demo.Series3);
  demo.Chart1.Paint();
  Save("demo_chart.png");
  // The bottom-left corner four times enlarged, to look at single pixels.
  SaveZoomed("demo_chart_corner_x4.png", QRect(20, 420, 160, 105));
  SaveZoomed("demo_chart_top_right_x4.png", QRect(780, 0, 125, 80));
  const chart::TCustomChartAxis& bottom = *demo.Chart1.BottomAxis();
  const chart::TCustomChartAxis& left = *demo.Chart1.LeftAxis();
  // The window's peak, the spectrum's first point and the restored window's trough.
  const struct { const chart::TLineSeries* s; int i; TColor c; } probes[] = {
      {&demo.Series1, 300, chart::clFuchsia}, {&demo.Series1, 700, chart::clFuchsia},
      {&demo.Series3, 300, chart::clNavy},    {&demo.Series3, 700, chart::clNavy},
      {&demo.Series2, 512, chart::clGreen},
  };
  for (const auto& p : probes) {
    const int x = bottom.ValueToXPixel(p.s->XValue(p.i));
    const int y = left.ValueToYPixel(p.s->YValue(p.i));
    EXPECT_EQ(At(x, y), ToRgb(p.c)) << "point " << p.i << " at " << x << "," << y;
  }
  // Away from the crossings every point of the window and of its mirror shows its colour,
  // and the near-zero spectrum runs in green over the zero grid line.
  // The clip keeps the series off the rectangle's edges: the lowest row of the chart
  // rectangle (where the mirror's trough lands) stays the axis line's.
  const chart::TRect r = demo.Chart1.ChartRect();
  int checked = 0;
  for (int i = 60; i < 970; i += 10) {
    const int x = bottom.ValueToXPixel(i);
    const struct { const chart::TLineSeries* s; TColor c; } curves[] = {
        {&demo.Series1, chart::clFuchsia}, {&demo.Series2, chart::clGreen}, {&demo.Series3, chart::clNavy}};
    for (const auto& curve : curves) {
      const int y = left.ValueToYPixel(curve.s->YValue(i));
      if (y <= r.Top || y >= r.Bottom - 1) continue;
      EXPECT_EQ(At(x, y), ToRgb(curve.c)) << i << " at " << x << "," << y;
      ++checked;
    }
  }
  EXPECT_GT(checked, 250);
  // The trough itself: the axis line, black, two pixels wide.
  EXPECT_EQ(left.ValueToYPixel(demo.Series3.YValue(512)), r.Bottom);
}

TEST_F(DemoPicture, FrameGridLabelsAndTitle) {
  DrawAction(demo.Series1, demo.Series2, demo.Series3);
  demo.Chart1.Paint();
  const chart::TRect r = demo.Chart1.ChartRect();
  const chart::TCustomChartAxis& bottom = *demo.Chart1.BottomAxis();
  const chart::TCustomChartAxis& left = *demo.Chart1.LeftAxis();
  const QRgb black = qRgb(0, 0, 0), grey = qRgb(128, 128, 128);
  const QRgb face = At(r.Left + 5, r.Top + 5);
  EXPECT_NE(face, black);
  // The back wall's frame on the top and right edges (the axes' lines cover the others).
  int frame = 0;
  for (int x = r.Left + 3; x < r.Right; ++x) frame += At(x, r.Top) == black;
  EXPECT_GT(frame, (r.Right - r.Left) * 9 / 10);
  for (int y = r.Top + 3; y < r.Bottom - 3; ++y) EXPECT_EQ(At(r.Right, y), black) << y;
  // The axis lines, two pixels wide, in black.
  EXPECT_EQ(At(r.Left, r.Top + 100), black);
  EXPECT_EQ(At(r.Left - 1, r.Top + 100), black);
  EXPECT_EQ(At(r.Left + 100, r.Bottom), black);
  // Grid lines: grey dots with the background between them.
  const int gx = bottom.TickPositions()[3];
  int dots = 0, gaps = 0;
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
    const QRgb p = At(gx, y);
    dots += p == grey;
    gaps += p == face;
  }
  EXPECT_GT(dots, 50);
  EXPECT_GT(gaps, 50);
  // Ticks below the axis line, grey.
  EXPECT_EQ(At(gx, r.Bottom + 2), grey);
  // Label ink under the bottom ticks and left of the left ticks; the title in blue above.
  // Dark pixels, or (blue) pixels whose blue clearly outweighs red and green.
  auto ink = [&](int x0, int y0, int x1, int y1, bool blue) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) {
        const QRgb p = At(x, y);
        n += blue ? qBlue(p) > 150 && qRed(p) < 100 && qGreen(p) < 100 : qGray(p) < 100;
      }
    return n;
  };
  EXPECT_GT(ink(gx - 12, bottom.LabelsPosition(), gx + 12, bottom.LabelsPosition() + 14, false), 10);
  const int zero = left.ValueToYPixel(0);
  EXPECT_GT(ink(left.LabelsPosition() - 10, zero - 7, left.LabelsPosition(), zero + 7, false), 5);
  EXPECT_GT(ink(r.Left, 0, r.Right, r.Top, true), 10);
  EXPECT_EQ(ink(r.Left + 2, r.Top + 2, r.Left + 40, r.Top + 20, false), 0) << "nothing dark inside the wall there";
}

TEST_F(DemoPicture, UnchangedChartRepaintsByCopyingTheBuffer) {
  DrawAction(demo.Series1, demo.Series2, demo.Series3);
  demo.Chart1.Paint();
  const QImage first = host.Image().copy();
  demo.Chart1.Paint();
  EXPECT_EQ(host.Image(), first);
}

}  // namespace
}  // namespace demo
