// The layout of a 3D chart on the recording device (orthogonal view: a point at depth z
// shows z pixels right of and above its front position): the depth and the shift of the
// chart rectangle, the walls, the axis lines along the walls, the depth axis, the series'
// depths and drawing order, and the mouse on the front plane.
#include <gtest/gtest.h>

#include "chart/axis/CustomChartAxis.h"
#include "chart/canvas/DarkColor.h"
#include "chart_test_fixture.h"
#include "zoom_test_fixture.h"

namespace chart {
namespace {

using testing::ChartFixture;
using testing::TJournalSeries;
using testing::TOp;

// The orthogonal projection at zoom 100 without offsets.
TPoint P(int x, int y, int z) { return {x + z, y - z}; }
std::vector<TPoint> Quad(TPoint a, TPoint b, TPoint c, TPoint d) { return {a, b, c, d}; }

struct Chart3D : ChartFixture {
  std::vector<std::string> journal;
  TJournalSeries a{&journal, "a"}, b{&journal, "b"};
  Chart3D() {
    chart.Legend().SetVisible(false);
    for (TJournalSeries* s : {&a, &b}) {
      s->SetParentChart(&chart);
      s->AddPoint(0, 0);
      s->AddPoint(10, 5);
    }
    a.SetTitle("a");
    b.SetTitle("b");
  }
  void Repaint() {
    chart.Paint();
    Buffer().ClearOps();
    chart.InvalidateChart();
    chart.Paint();
  }
  std::vector<std::vector<TPoint>> Polygons() {
    std::vector<std::vector<TPoint>> out;
    for (const auto& op : BufferOps(TOp::Polygon)) out.push_back(op.Points);
    return out;
  }
};

// 905 x 525: the margins leave (27, 21, 878, 504); the depth is 15% of the smaller side,
// MulDiv(483, 15, 100) = 72, and the back wall at that depth takes it from the right and
// the top.
TEST_F(Chart3D, WallsStandAlongTheDepthAsPlanesOrBoxes) {
  struct Case {
    int Back, Left, Bottom;
  };
  for (const Case& c : {Case{0, 0, 0}, Case{3, 5, 4}}) {
    chart.BackWall().SetSize(c.Back);
    chart.LeftWall().SetSize(c.Left);
    chart.BottomWall().SetSize(c.Bottom);
    Repaint();
    ASSERT_EQ(chart.Width3D(), 72);
    const TRect r = chart.ChartRect();
    EXPECT_EQ(r.Top, 21 + 72 + c.Back);
    EXPECT_EQ(r.Right, 878 - 72 - c.Back);
    const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom, D = 72;
    std::vector<std::vector<TPoint>> expected;
    if (c.Back == 0) {
      expected = {Quad(P(L, T, D), P(R, T, D), P(R, B, D), P(L, B, D)),
                  Quad(P(L, T, 0), P(L, T, D), P(L, B, D), P(L, B, 0)),
                  Quad(P(L, B, 0), P(L, B, D), P(R, B, D), P(R, B, 0))};
    } else {
      const int e = D + c.Back, wl = L - c.Left, wb = B + c.Bottom;
      expected = {// back wall: front, top and right faces
                  Quad(P(L, T, D), P(R, T, D), P(R, B, D), P(L, B, D)),
                  Quad(P(L, T, D), P(L, T, e), P(R, T, e), P(R, T, D)),
                  Quad(P(R, T, D), P(R, T, e), P(R, B, e), P(R, B, D)),
                  // left wall, its right face towards the chart
                  Quad(P(wl, T, 0), P(L, T, 0), P(L, B, 0), P(wl, B, 0)),
                  Quad(P(wl, T, 0), P(wl, T, D), P(L, T, D), P(L, T, 0)),
                  Quad(P(L, T, 0), P(L, T, D), P(L, B, D), P(L, B, 0)),
                  // bottom wall, under the left wall's foot too; its top face is the floor
                  Quad(P(wl, B, 0), P(R, B, 0), P(R, wb, 0), P(wl, wb, 0)),
                  Quad(P(wl, B, 0), P(wl, B, D), P(R, B, D), P(R, B, 0)),
                  Quad(P(R, B, 0), P(R, B, D), P(R, wb, D), P(R, wb, 0))};
    }
    const auto polygons = Polygons();
    ASSERT_GE(polygons.size(), expected.size());
    EXPECT_EQ(std::vector(polygons.begin(), polygons.begin() + static_cast<long>(expected.size())), expected)
        << c.Back << "/" << c.Left << "/" << c.Bottom;
    const auto ops = BufferOps(TOp::Polygon);
    const std::size_t leftFace = c.Back == 0 ? 1 : 3, bottomFace = c.Back == 0 ? 2 : 6;
    EXPECT_EQ(ops[leftFace].Brush.Color(), RGB(255, 255, 128));
    EXPECT_EQ(ops[bottomFace].Brush.Color(), clWhite);
    if (c.Back != 0) {
      EXPECT_EQ(ops[bottomFace + 1].Brush.Color(), ApplyDark(clWhite, DarkTopQuantity)) << "Dark3D";
    }

    // The axis lines run outside the walls and on under the wall they meet.
    std::vector<std::vector<int>> lines;
    for (const auto& op : BufferOps(TOp::LineTo))
      if (op.Pen.Width() == 2) lines.push_back(op.Args);
    EXPECT_EQ(lines, (std::vector<std::vector<int>>{{L - c.Left, B + c.Bottom, R, B + c.Bottom},
                                                    {L - c.Left, T, L - c.Left, B + c.Bottom}}));
  }
  // Without walls: the back wall alone, flat at the far depth.
  chart.SetView3DWalls(false);
  Repaint();
  const TRect r = chart.ChartRect();
  EXPECT_EQ(r.Top, 21 + 72);
  EXPECT_EQ(Polygons().size(), 1u);
}

TEST_F(Chart3D, DepthAxisLabelsEachSlotWithItsSeriesTitle) {
  chart.DepthAxis()->SetVisible(true);
  chart.Paint();
  const TRect r = chart.ChartRect();
  // The title "a" (8 pixels) and the tick area (6) come off the right.
  EXPECT_EQ(r.Right, 878 - 72 - 8 - 6);
  const int B = r.Bottom, R = r.Right;
  // Slots -0.5 .. 1.5 over 72 pixels: "a" (the front series) at 18, "b" at 54.
  std::vector<std::pair<std::string, TPoint>> texts;
  for (const auto& op : BufferOps(TOp::TextOut))
    if (op.Text == "a" || op.Text == "b") texts.push_back({op.Text, {op.Args[0], op.Args[1]}});
  const TPoint at18 = P(R + 6, B - 6, 18), at54 = P(R + 6, B - 6, 54);
  EXPECT_EQ(texts, (std::vector<std::pair<std::string, TPoint>>{{"a", at18}, {"b", at54}}));
  std::vector<std::vector<int>> ticks, line;
  for (const auto& op : BufferOps(TOp::LineTo)) {
    // Major ticks: 4 pixels across the floor edge (the minor ones take 2).
    if (op.Args[0] > R && op.Args[1] == op.Args[3] && op.Args[2] - op.Args[0] == 4) ticks.push_back(op.Args);
    if (op.Pen.Width() == 2 && op.Args[0] == R) line.push_back(op.Args);
  }
  EXPECT_EQ(ticks, (std::vector<std::vector<int>>{{R + 1 + 18, B - 18, R + 5 + 18, B - 18},
                                                  {R + 1 + 54, B - 54, R + 5 + 54, B - 54}}));
  EXPECT_EQ(line, (std::vector<std::vector<int>>{{R, B, R + 72, B - 72}}));
}

TEST_F(Chart3D, SeriesTakeDepthSlotsAndDrawBackToFront) {
  struct Case {
    bool View3D, ApplyZOrder, Inverted;
    std::vector<int> A, B;  // start, middle, end depth
    std::vector<std::string> Order;
  };
  const Case cases[] = {{true, true, false, {0, 18, 36}, {36, 54, 72}, {"b:points", "a:points"}},
                        {true, true, true, {36, 54, 72}, {0, 18, 36}, {"a:points", "b:points"}},
                        {true, false, false, {0, 36, 72}, {0, 36, 72}, {"a:points", "b:points"}},
                        {false, true, false, {0, 0, 0}, {0, 0, 0}, {"a:points", "b:points"}}};
  for (const Case& c : cases) {
    chart.SetView3D(c.View3D);
    chart.SetApplyZOrder(c.ApplyZOrder);
    chart.DepthAxis()->SetInverted(c.Inverted);
    journal.clear();
    chart.Paint();
    EXPECT_EQ((std::vector<int>{a.StartZ(), a.MiddleZ(), a.EndZ()}), c.A) << c.View3D << c.ApplyZOrder;
    EXPECT_EQ((std::vector<int>{b.StartZ(), b.MiddleZ(), b.EndZ()}), c.B) << c.View3D << c.ApplyZOrder;
    std::vector<std::string> drawn;
    for (const auto& j : journal)
      if (j.ends_with(":points")) drawn.push_back(j);
    EXPECT_EQ(drawn, c.Order) << c.View3D << c.ApplyZOrder;
  }
}

// Zoomed and moved, the front plane no longer lies where the flat chart would: the mouse
// works on what is shown.
struct Mouse3D : testing::ZoomFixture {
  Mouse3D() {
    chart.SetView3D(true);
    chart.View3DOptions().SetZoom(150);
    chart.View3DOptions().SetHorizOffset(10);
    chart.View3DOptions().SetVertOffset(-5);
    chart.Paint();
  }
  TPoint Shown(int x, int y) { return chart.Canvas().ProjectToPoint(x, y, 0); }
};

TEST_F(Mouse3D, RubberBandAndPanningWorkOnTheFrontPlane) {
  const TRect r = chart.ChartRect();
  const double unit = Bottom().PixelToValue(r.Left + 1) - Bottom().PixelToValue(r.Left);
  const double lMin = Left().PixelToValue(r.Bottom - 40), lMax = Left().PixelToValue(r.Top + 30);
  const double bMin = Bottom().PixelToValue(r.Left + 20), bMax = Bottom().PixelToValue(r.Right - 50);
  const TPoint from = Shown(r.Left + 20, r.Top + 30), to = Shown(r.Right - 50, r.Bottom - 40);
  Drag(mbLeft, from.X, from.Y, to.X, to.Y);
  // A pixel's worth lost to rounding the band's corners at most.
  EXPECT_NEAR(Bottom().Minimum(), bMin, std::abs(unit));
  EXPECT_NEAR(Bottom().Maximum(), bMax, std::abs(unit));
  const double lUnit = std::abs(Left().PixelToValue(r.Top) - Left().PixelToValue(r.Top + 1));
  EXPECT_NEAR(Left().Minimum(), lMin, 2 * lUnit);
  EXPECT_NEAR(Left().Maximum(), lMax, 2 * lUnit);

  // Panning 30 screen pixels at zoom 150 moves the data by 20 chart pixels.
  chart.Paint();
  const double min = Bottom().Minimum(), pixel = Bottom().PixelToValue(r.Left + 1) - Bottom().PixelToValue(r.Left);
  const TPoint p = Shown(r.Left + 100, r.Top + 100);
  chart.MouseDown(mbRight, 0, p.X, p.Y);
  chart.MouseMove(0, p.X + 30, p.Y);
  chart.MouseUp(mbRight, 0, p.X + 30, p.Y);
  EXPECT_NEAR(Bottom().Minimum(), min - 20 * pixel, 1e-9);
  // A press shown over the chart rectangle, though outside its flat position, starts a zoom.
  const TPoint corner = Shown(r.Right - 2, r.Bottom - 2);
  ASSERT_FALSE(corner.X < r.Right && corner.Y < r.Bottom);
  chart.MouseDown(mbLeft, 0, corner.X, corner.Y);
  EXPECT_TRUE(chart.Zoom().Dragging);
}

}  // namespace
}  // namespace chart
