// The chart widget on a screen of twice the density (QT_SCALE_FACTOR=2): the window
// has twice the pixels, text and lines are drawn at that resolution rather than enlarged,
// the layout is the one of the plain screen, and the mouse hits the values it points at.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QWheelEvent>

#include <cmath>

#include "../QtTestSupport.h"
#include "chart/axis/CustomChartAxis.h"
#include "chart/panel/Chart.h"
#include "chart/seriestypes/LineSeries.h"
#include "platform/ChartExport.h"
#include "platform/ChartWidget.h"

namespace platform {
namespace {

using namespace chart;

// Before the application object exists, which reads it.
const bool ScaledScreen = qputenv("QT_SCALE_FACTOR", "2");

struct TWaveChart {
  TChart chart;
  TLineSeries series;
  TWaveChart() {
    testing::EnsureQtApp();
    chart.SetWidth(500);
    chart.SetHeight(300);
    chart.SetView3D(false);
    chart.Title().SetText({"High density"});
    series.SetSeriesColor(clNavy);
    series.SetParentChart(&chart);
    for (int i = 0; i <= 200; ++i) series.AddPoint(i, std::sin(i * 0.05) * 40);
  }
};

void Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

// Share of the 2 x 2 blocks with ink inside `box` whose four pixels are not all alike: none
// in a picture enlarged from the plain one.
double MixedBlockShare(const QImage& image, const QRect& box, QRgb background) {
  int inked = 0, mixed = 0;
  for (int y = box.top() & ~1; y + 1 <= box.bottom(); y += 2)
    for (int x = box.left() & ~1; x + 1 <= box.right(); x += 2) {
      const QRgb a = image.pixel(x, y), b = image.pixel(x + 1, y), c = image.pixel(x, y + 1), d = image.pixel(x + 1, y + 1);
      if (a == background && b == background && c == background && d == background) continue;
      ++inked;
      if (a != b || a != c || a != d) ++mixed;
    }
  return inked ? static_cast<double>(mixed) / inked : 0.0;
}

TEST(ChartWidgetHiDpi, PaintsAtTheScreensResolutionWithThePlainLayout) {
  TWaveChart wave;
  ChartWidget widget(wave.chart);
  widget.show();
  Settle();
  // The engine sizes the axis labels by the scale of the paint before: a second full paint
  // has the layout that every later one keeps.
  ChartImage(wave.chart, {500, 300});
  Settle();
  ASSERT_TRUE(ScaledScreen);
  ASSERT_EQ(widget.devicePixelRatioF(), 2.0);
  const QImage window = widget.WindowImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(window.size(), QSize(1000, 600));
  EXPECT_EQ(wave.chart.Width(), 500);
  const QString dir = QStringLiteral(TEST_ARTIFACTS_DIR);
  ASSERT_TRUE(QDir().mkpath(dir));
  window.save(dir + "/hidpi_chart.png");

  // The title's glyphs and the curve have edges finer than a chart pixel.
  const QRgb face = window.pixel(4, 4);
  const TRect t = wave.chart.Title().TitleBounds();
  const QRect title(t.Left * 2, t.Top * 2, t.Width() * 2, t.Height() * 2);
  ASSERT_FALSE(title.isEmpty());
  EXPECT_GT(MixedBlockShare(window, title, face), 0.3);
  const TRect plot = wave.chart.ChartRect();
  const QRect inside((plot.Left + 2) * 2, (plot.Top + 2) * 2, (plot.Width() - 4) * 2, (plot.Height() - 4) * 2);
  EXPECT_GT(MixedBlockShare(window, inside, face), 0.05);

  // The same layout as the plain picture: brought down to its size, nearly every pixel agrees.
  const QImage plain = ChartImage(wave.chart, {500, 300});
  const QImage small = window.scaled(500, 300, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  int differ = 0;
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 500; ++x) {
      const QRgb p = small.pixel(x, y), q = plain.pixel(x, y);
      if (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) > 150) ++differ;
    }
  EXPECT_LT(differ, 500 * 300 / 50);
}

// A drag and a wheel notch on the widget, in its logical pixels, do what the same calls on
// the chart do.
TEST(ChartWidgetHiDpi, MouseZoomAndWheelHitTheValuesUnderThePointer) {
  TWaveChart shown, reference;
  ChartWidget widget(shown.chart);
  widget.show();
  Settle();
  ChartImage(reference.chart, {500, 300});  // the reference laid out at the same size
  ASSERT_EQ(shown.chart.ChartRect(), reference.chart.ChartRect());

  auto mouse = [&](QEvent::Type type, Qt::MouseButton button, QPoint p, Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(p), QPointF(widget.mapToGlobal(p)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &e);
  };
  const QPoint from(120, 60), to(330, 200);
  mouse(QEvent::MouseButtonPress, Qt::LeftButton, from, Qt::LeftButton);
  mouse(QEvent::MouseMove, Qt::NoButton, to, Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, Qt::LeftButton, to, Qt::NoButton);
  reference.chart.MouseDown(mbLeft, ssLeft, from.x(), from.y());
  reference.chart.MouseMove(ssLeft, to.x(), to.y());
  reference.chart.MouseUp(mbLeft, 0, to.x(), to.y());
  const QPointF at(200, 150);
  QWheelEvent wheel(at, QPointF(widget.mapToGlobal(at.toPoint())), QPoint(), QPoint(0, 120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&widget, &wheel);
  reference.chart.MouseWheelUp(0, {200, 150});

  const TCustomChartAxis* axes[][2] = {{shown.chart.BottomAxis(), reference.chart.BottomAxis()},
                                       {shown.chart.LeftAxis(), reference.chart.LeftAxis()}};
  for (const auto& pair : axes) {
    EXPECT_DOUBLE_EQ(pair[0]->Minimum(), pair[1]->Minimum());
    EXPECT_DOUBLE_EQ(pair[0]->Maximum(), pair[1]->Maximum());
  }
  // The drag did zoom in (the whole range is 0 .. 200).
  EXPECT_LT(shown.chart.BottomAxis()->Maximum() - shown.chart.BottomAxis()->Minimum(), 150);
}

}  // namespace
}  // namespace platform
