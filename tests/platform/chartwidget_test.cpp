#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "QtTestSupport.h"
#include "chart/axis/CustomChartAxis.h"
#include "chart/panel/Chart.h"
#include "chart/registry/ChartModules.h"
#include "chart/seriestypes/FastLineSeries.h"
#include "chart/seriestypes/LineSeries.h"
#include "platform/ChartWidget.h"

namespace platform {
namespace {

using namespace chart;

struct ChartWidgetTest : ::testing::Test {
  TChart chart;
  TLineSeries series;
  std::unique_ptr<ChartWidget> widget;

  ChartWidgetTest() {
    testing::EnsureQtApp();
    chart.SetWidth(500);
    chart.SetHeight(300);
    chart.SetView3D(false);
    series.SetParentChart(&chart);
    for (int i = 0; i <= 50; ++i) series.AddPoint(i, (i % 10) * 0.5);
    widget = std::make_unique<ChartWidget>(chart);
    widget->show();
    Settle();
  }
  ~ChartWidgetTest() override { widget.reset(); }

  static void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }
  void Mouse(QEvent::Type type, Qt::MouseButton button, QPoint p, Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(p), QPointF(widget->mapToGlobal(p)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget.get(), &e);
  }
  void Wheel(int delta) {
    const QPointF p(100, 100);
    QWheelEvent e(p, QPointF(widget->mapToGlobal(p.toPoint())), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget.get(), &e);
  }
  QPoint Inside() const { return {chart.ChartRect().Left + 50, chart.ChartRect().Top + 50}; }
};

TEST_F(ChartWidgetTest, ManyChangesGiveOnePaint) {
  EXPECT_EQ(widget->ChartPaints(), 1);
  for (int i = 0; i < 100; ++i) series.AddPoint(51 + i, 1);
  chart.Title().SetText({"changed"});
  Settle();
  EXPECT_EQ(widget->ChartPaints(), 2);
  // Nothing changed: Qt's own repaints only show the window image again.
  widget->repaint();
  EXPECT_EQ(widget->ChartPaints(), 2);
}

TEST_F(ChartWidgetTest, BackgroundIsNeverErasedByQt) {
  EXPECT_TRUE(widget->testAttribute(Qt::WA_OpaquePaintEvent));
  EXPECT_TRUE(widget->testAttribute(Qt::WA_NoSystemBackground));
}

TEST_F(ChartWidgetTest, PaintShowsTheChartAndResizeRedrawsAtTheNewSize) {
  const QImage& image = widget->WindowImage();
  // The series colour appears inside the chart rectangle.
  const QRgb want = qRgb(GetRValue(series.SeriesColor()), GetGValue(series.SeriesColor()),
                         GetBValue(series.SeriesColor()));
  bool found = false;
  for (int y = chart.ChartRect().Top; y < chart.ChartRect().Bottom && !found; ++y)
    for (int x = chart.ChartRect().Left; x < chart.ChartRect().Right && !found; ++x)
      found = (image.pixel(x, y) | 0xFF000000u) == want;
  EXPECT_TRUE(found);
  const auto before = chart.InvalidateCount();
  widget->resize(640, 360);
  EXPECT_GT(chart.InvalidateCount(), before);
  Settle();
  EXPECT_EQ(widget->ChartPaints(), 2);
  EXPECT_EQ(chart.ChartBounds(), (TRect{0, 0, 640, 360}));
  EXPECT_EQ(widget->WindowImage().size(), QSize(640, 360));
}

TEST_F(ChartWidgetTest, RubberBandIsInvertedOnTheWindowAndRestoredExactly) {
  const QImage before = widget->WindowImage().copy();
  const QPoint p = Inside();
  Mouse(QEvent::MouseButtonPress, Qt::LeftButton, p, Qt::LeftButton);
  Mouse(QEvent::MouseMove, Qt::NoButton, p + QPoint(10, 8), Qt::LeftButton);
  Settle();
  const QImage during = widget->WindowImage().copy();
  EXPECT_NE(during, before);
  // Only the outline changed; the chart itself was not repainted.
  EXPECT_EQ(widget->ChartPaints(), 1);
  EXPECT_NE(during.pixel(p.x() + 5, p.y()), before.pixel(p.x() + 5, p.y()));
  EXPECT_EQ(during.pixel(p.x() + 5, p.y() + 4), before.pixel(p.x() + 5, p.y() + 4));
  // Released short of 16 pixels: nothing zooms and the window is as it was.
  Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, p + QPoint(10, 8), Qt::NoButton);
  Settle();
  EXPECT_EQ(widget->WindowImage(), before);
  EXPECT_TRUE(chart.BottomAxis()->Automatic());
}

TEST_F(ChartWidgetTest, ZoomDragRepaintsOnceZoomedAndBackDragRestoresThePicture) {
  // The first layout sizes the labels without a previous scale; compare with a later one.
  chart.InvalidateChart();
  Settle();
  const int paints = widget->ChartPaints();
  const QImage before = widget->WindowImage().copy();
  const QPoint p = Inside();
  Mouse(QEvent::MouseButtonPress, Qt::LeftButton, p, Qt::LeftButton);
  Mouse(QEvent::MouseMove, Qt::NoButton, p + QPoint(100, 80), Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, p + QPoint(100, 80), Qt::NoButton);
  Settle();
  EXPECT_TRUE(chart.ZoomedIn());
  EXPECT_EQ(widget->ChartPaints(), paints + 1);
  EXPECT_NE(widget->WindowImage(), before);
  Mouse(QEvent::MouseButtonPress, Qt::LeftButton, p + QPoint(100, 80), Qt::LeftButton);
  Mouse(QEvent::MouseMove, Qt::NoButton, p, Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, p, Qt::NoButton);
  Settle();
  EXPECT_FALSE(chart.ZoomedIn());
  EXPECT_EQ(widget->WindowImage(), before);
}

TEST_F(ChartWidgetTest, WheelScrollsAndRepaintsBeforeReturning) {
  const double min = chart.LeftAxis()->Minimum();
  Wheel(-120);  // towards the user: wheel down
  EXPECT_EQ(widget->ChartPaints(), 2);
  EXPECT_GT(chart.LeftAxis()->Minimum(), min);
  Wheel(60);  // half a notch does nothing yet
  EXPECT_EQ(widget->ChartPaints(), 2);
  Wheel(60);
  EXPECT_EQ(widget->ChartPaints(), 3);
  EXPECT_NEAR(chart.LeftAxis()->Minimum(), min, 1e-12);
}

TEST_F(ChartWidgetTest, RightDragPansAndLeavingEndsIt) {
  const QPoint p = Inside();
  Mouse(QEvent::MouseButtonPress, Qt::RightButton, p, Qt::RightButton);
  EXPECT_TRUE(chart.Panning().Dragging);
  const double min = chart.BottomAxis()->Minimum();
  Mouse(QEvent::MouseMove, Qt::NoButton, p + QPoint(20, 0), Qt::RightButton);
  EXPECT_LT(chart.BottomAxis()->Minimum(), min);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(widget.get(), &leave);
  EXPECT_FALSE(chart.Panning().Dragging);
}

TEST_F(ChartWidgetTest, ChartCursorBecomesTheWidgetCursor) {
  chart.SetCursor(crCross);
  EXPECT_EQ(widget->cursor().shape(), Qt::CrossCursor);
  chart.SetCursor(crHandPoint);
  EXPECT_EQ(widget->cursor().shape(), Qt::PointingHandCursor);
  chart.SetCursor(crDefault);
  EXPECT_EQ(widget->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(ChartWidgetTest, EngineHandCursorIsAHandOnlyBetweenStartUpAndFinalisation) {
  const Qt::CursorShape expected[] = {Qt::ArrowCursor, Qt::PointingHandCursor, Qt::ArrowCursor};
  for (int stage = 0; stage < 3; ++stage) {
    if (stage == 1) ChartModulesInit();
    if (stage == 2) ChartModulesDone();
    chart.SetCursor(crZelHand);
    EXPECT_EQ(widget->cursor().shape(), expected[stage]) << stage;
  }
}

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
  int Paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    Paints += e->type() == QEvent::Paint;
    return false;
  }
};

TEST_F(ChartWidgetTest, APointDrawnAtOnceReachesTheScreenWithoutAChartPaint) {
  TFastLineSeries fast;
  fast.SetParentChart(&chart);
  for (int i = 0; i <= 40; ++i) fast.AddPoint(i, 4);
  fast.SetAutoRepaint(false);
  Settle();
  const int chartPaints = widget->ChartPaints();
  const TColor c = fast.SeriesColor();
  // Pixels of the line's colour between the last point and the new one, as shown.
  auto inked = [&] {
    const QImage shown = widget->grab().toImage();
    int n = 0;
    for (int y = chart.LeftAxis()->ValueToYPixel(4); y <= chart.LeftAxis()->ValueToYPixel(0); ++y)
      for (int x = fast.XPixel(40) + 1; x <= chart.BottomAxis()->ValueToXPixel(41); ++x)
        n += (shown.pixel(x, y) | 0xFF000000u) == qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
    return n;
  };
  const int before = inked();
  PaintCounter counter;
  widget->installEventFilter(&counter);
  fast.AddPoint(41, 0);
  Settle();
  widget->removeEventFilter(&counter);
  EXPECT_GT(counter.Paints, 0);
  EXPECT_EQ(widget->ChartPaints(), chartPaints);
  EXPECT_GT(inked(), before + 5);
}

TEST_F(ChartWidgetTest, ChartOutlivingItsWidgetHasNoHost) {
  widget.reset();
  EXPECT_EQ(chart.Host(), nullptr);
  series.AddPoint(100, 1);  // no window to ask for a paint
}

// Arrow keys stop at the focused chart; other keys go on to the parent as usual.
TEST(ChartWidgetKeys, ArrowKeysStayWithTheChart) {
  testing::EnsureQtApp();
  // The chart outlives the parent, which frees the widget that refers to it.
  TChart chart;
  struct Parent : QWidget {
    int keys = 0;
    void keyPressEvent(QKeyEvent* e) override {
      ++keys;
      e->accept();
    }
  } parent;
  auto* widget = new ChartWidget(chart, &parent);
  EXPECT_TRUE(widget->focusPolicy() & Qt::ClickFocus) << "a click gives the chart the keys";
  struct Case {
    Qt::Key key;
    int parentKeys;
  };
  for (const Case k : {Case{Qt::Key_Left, 0}, Case{Qt::Key_Up, 0}, Case{Qt::Key_A, 1}}) {
    SCOPED_TRACE(k.key);
    parent.keys = 0;
    QKeyEvent over(QEvent::ShortcutOverride, k.key, Qt::NoModifier);
    QApplication::sendEvent(widget, &over);
    EXPECT_EQ(over.isAccepted(), k.parentKeys == 0) << "window shortcuts do not take arrows";
    QKeyEvent press(QEvent::KeyPress, k.key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    EXPECT_EQ(parent.keys, k.parentKeys);
  }
}

TEST(ChartWidgetShift, KeysAndButtonsMapToTheShiftState) {
  EXPECT_EQ(ShiftStateOf(Qt::ShiftModifier | Qt::ControlModifier, Qt::LeftButton), ssShift | ssCtrl | ssLeft);
  EXPECT_EQ(ShiftStateOf(Qt::AltModifier, Qt::RightButton | Qt::MiddleButton), ssAlt | ssRight | ssMiddle);
  EXPECT_EQ(ShiftStateOf(Qt::NoModifier, Qt::NoButton), 0);
}

}  // namespace
}  // namespace platform
