// The main window as the form describes it, and the Draw action through its button.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include <cmath>
#include <numeric>
#include <stdexcept>
#include <vector>

#include "QtChartHost.h"
#include "app/Form1.h"
#include "platform/QtColor.h"
#include "fft/uFFTasm.h"

namespace demo {
namespace {

struct Form : ::testing::Test {
  static void SetUpTestSuite() {
    testing::EnsureQtApp();
    uFFTasm::FFTInit();
  }
  static void TearDownTestSuite() { uFFTasm::FFTDone(); }

  TForm1 form;

  static std::vector<double> Ys(const chart::TChartSeries& s) {
    std::vector<double> v;
    for (int i = 0; i < s.Count(); ++i) v.push_back(s.YValue(i));
    return v;
  }
  static std::vector<double> Xs(const chart::TChartSeries& s) {
    std::vector<double> v;
    for (int i = 0; i < s.Count(); ++i) v.push_back(s.XValue(i));
    return v;
  }
};

TEST_F(Form, LayoutFollowsTheFormDescription) {
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Form1"));
  EXPECT_EQ(form.size(), QSize(905, 577));  // 917 x 612 less the design frame
  EXPECT_EQ(form.Chart1Widget().geometry(), QRect(0, 0, 905, 525));
  EXPECT_EQ(form.SpeedButton1()->geometry(), QRect(352, 536, 189, 37));
  EXPECT_EQ(form.SpeedButton1()->text(), QString::fromUtf8("Нарисовать"));
  EXPECT_EQ(form.font().pixelSize(), 11);
  const chart::TColor face = form.Chart1Widget().SystemColor(chart::SystemColorIndex(chart::clBtnFace));
  EXPECT_EQ(form.palette().color(QPalette::Window).rgb(), platform::ToQRgb(face));
  // Centred with the frame it was designed with.
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(form.pos(), QPoint(area.x() + (area.width() - 917) / 2, area.y() + (area.height() - 612) / 2));
}

TEST_F(Form, ChartHoldsTheThreeSeriesInOrderWithTheirColours) {
  ASSERT_EQ(form.Chart1.SeriesCount(), 3);
  EXPECT_EQ(form.Chart1.Series(0), &form.Series1);
  EXPECT_EQ(form.Chart1.Series(1), &form.Series2);
  EXPECT_EQ(form.Chart1.Series(2), &form.Series3);
  EXPECT_EQ(form.Series1.SeriesColor(), chart::clFuchsia);
  EXPECT_EQ(form.Series2.SeriesColor(), chart::clGreen);
  EXPECT_EQ(form.Series3.SeriesColor(), chart::clNavy);
  EXPECT_TRUE(form.Series1.ShowInLegend());
  EXPECT_FALSE(form.Series2.ShowInLegend());
  EXPECT_EQ(form.Chart1.Host(), &form.Chart1Widget());
  for (const chart::TChartSeries* s : {&form.Series1, &form.Series2, &form.Series3}) EXPECT_EQ(s->Count(), 0);
}

TEST_F(Form, DrawButtonFillsTheWindowItsSpectrumAndTheNegatedInverse) {
  form.SpeedButton1()->click();
  const std::vector<double> w = Ys(form.Series1), s = Ys(form.Series2), r = Ys(form.Series3);
  ASSERT_EQ(w.size(), 1024u);
  ASSERT_EQ(s.size(), 1024u);
  ASSERT_EQ(r.size(), 1024u);
  // The window: zero at both ends, symmetric, its peak just under 1, its sum 511.5.
  EXPECT_EQ(w[0], 0.0);
  EXPECT_EQ(w[1023], 0.0);
  EXPECT_NEAR(w[511], 0.9999976, 1e-7);
  EXPECT_EQ(w[511], w[512]);
  for (int i = 0; i < 1024; ++i) EXPECT_NEAR(w[i], w[1023 - i], 1e-15) << i;
  EXPECT_NEAR(std::accumulate(w.begin(), w.end(), 0.0), 511.5, 1e-9);
  // The spectrum: (|re| + |im|) / 500, symmetric about 512.
  EXPECT_NEAR(s[0], 1.023, 1e-6);
  EXPECT_NEAR(s[1], 0.5138, 1e-4);
  EXPECT_NEAR(s[1023], 0.5138, 1e-4);
  EXPECT_NEAR(s[2], 0.00034, 1e-5);
  EXPECT_NEAR(s[1022], 0.00034, 1e-5);
  for (int k = 3; k < 1022; ++k) EXPECT_LT(s[k], 0.001) << k;
  for (int k = 1; k < 1024; ++k) EXPECT_NEAR(s[k], s[1024 - k], 1e-6) << k;
  // The inverse brings the window back, negated.
  for (int i = 0; i < 1024; ++i) EXPECT_NEAR(r[i], -w[i], 1e-6) << i;
}

TEST_F(Form, EveryPressGivesTheSameCurvesOnXZeroTo1023) {
  form.SpeedButton1()->click();
  const std::vector<double> w = Ys(form.Series1), s = Ys(form.Series2), r = Ys(form.Series3);
  for (int press = 0; press < 3; ++press) form.SpeedButton1()->click();
  EXPECT_EQ(Ys(form.Series1), w);
  EXPECT_EQ(Ys(form.Series2), s);
  EXPECT_EQ(Ys(form.Series3), r);
  std::vector<double> x(1024);
  std::iota(x.begin(), x.end(), 0.0);
  for (const chart::TChartSeries* series : {&form.Series1, &form.Series2, &form.Series3})
    EXPECT_EQ(Xs(*series), x);
}

TEST_F(Form, FailingDrawKeepsTheWindowAliveWithWhatWasAppended) {
  form.Series2.OnBeforeAdd = [](chart::TChartSeries*) -> bool { throw std::runtime_error("no room"); };
  form.SpeedButton1()->click();  // reaches the event loop's caller without an exception
  EXPECT_EQ(form.Series1.Count(), 1024);
  EXPECT_EQ(form.Series2.Count(), 0);
  EXPECT_EQ(form.Series3.Count(), 0);
  form.Series2.OnBeforeAdd = nullptr;
  form.SpeedButton1()->click();
  EXPECT_EQ(form.Series3.Count(), 1024);
}

TEST_F(Form, DrawRepaintsTheChartOnce) {
  form.show();
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  const int paints = form.Chart1Widget().ChartPaints();
  form.SpeedButton1()->click();  // 3 x 1024 appended points, each asking for a repaint
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  EXPECT_EQ(form.Chart1Widget().ChartPaints(), paints + 1);
  const QImage& picture = form.Chart1Widget().WindowImage();
  // Series1's peak near the top of the plot, in fuchsia, somewhere in the middle column band.
  bool fuchsia = false;
  for (int y = 0; y < 525 && !fuchsia; ++y)
    for (int x = 440; x < 470 && !fuchsia; ++x) fuchsia = (picture.pixel(x, y) & 0xFFFFFFu) == 0xFF00FFu;
  EXPECT_TRUE(fuchsia);
}

}  // namespace
}  // namespace demo
