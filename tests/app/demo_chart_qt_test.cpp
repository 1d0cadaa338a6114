// The demo's chart after a Draw press, rendered by the Qt device at 905 x 525: the three
// curves in their colours where the axes put them, the black back-wall frame, the grey
// dotted grid and the labels. The picture is kept as a test artefact.
#include <gtest/gtest.h>

#include <QDir>

#include "QtChartHost.h"
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
  void Save(const char* name) {
    // build/tests/app_tests writes to build/artifacts.
    const QString dir = QCoreApplication::applicationDirPath() + "/../artifacts";
    QDir().mkpath(dir);
    host.Image().save(dir + "/" + name);
  }
  void SaveZoomed(const char* name, QRect r) {
    const QImage part = host.Image().copy(r);
    const QString dir = QCoreApplication::applicationDirPath() + "/../artifacts";
    part.scaled(part.width() * 4, part.height() * 4).save(dir + "/" + name);
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
}

}  // namespace
}  // namespace demo
