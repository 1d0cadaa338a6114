// Series in an orthogonal 3D chart, on the recording device: each series is laid out by a
// paint, then drawn alone at a known depth, where (x, y, z) projects to (x + z, y - z).
#include <gmock/gmock.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "chart/canvas/HitTest.h"
#include "chart/series/SeriesDepth.h"
#include "chart/seriestypes/AreaSeries.h"
#include "chart/seriestypes/BarSeries.h"
#include "chart/seriestypes/FastLineSeries.h"
#include "chart/seriestypes/LineSeries.h"
#include "chart/seriestypes/PointSeries.h"
#include "chart_test_fixture.h"

namespace chart::testing {
namespace {

using TQuad = std::vector<TPoint>;

TQuad Sorted(TQuad q) {
  std::sort(q.begin(), q.end(), [](TPoint a, TPoint b) { return a.X != b.X ? a.X < b.X : a.Y < b.Y; });
  return q;
}
// The plane from a to b between depths z0 and z1, as the canvas projects it.
TQuad Plane(TPoint a, TPoint b, int z0, int z1) {
  return {{a.X + z0, a.Y - z0}, {b.X + z0, b.Y - z0}, {b.X + z1, b.Y - z1}, {a.X + z1, a.Y - z1}};
}
TQuad AtDepth(std::vector<TPoint> pts, int z) {
  for (TPoint& p : pts) p = {p.X + z, p.Y - z};
  return pts;
}

struct Series3DFixture : ChartFixture {
  static constexpr int Z0 = 10, Z1 = 30;
  Series3DFixture() {
    chart.Legend().SetVisible(false);
    chart.SetView3D(true);
  }
  // Lays the chart out, then draws the series alone at depth Z0 .. Z1 on the window.
  std::vector<TRecordedOp> DrawAlone(TChartSeries& s) {
    chart.Paint();
    chart.Canvas().SetProjection(Z1, chart.ChartBounds(), chart.ChartRect());
    s.SetDepthPositions(Z0, Z1);
    Window().ClearOps();
    s.DrawVisiblePoints();
    return Window().Ops();
  }
  static std::vector<TRecordedOp> Polygons(const std::vector<TRecordedOp>& ops) {
    std::vector<TRecordedOp> out;
    for (const TRecordedOp& op : ops)
      if (op.Op == TOp::Polygon) out.push_back(op);
    return out;
  }
};

// One segment's ribbon: exact corners, LineBrush fill in the point's colour, darker where
// the ribbon shows its underside (it rises more steeply than the depth), the pen's outline.
struct RibbonCase {
  double y1;  // the second point's value; the first is 5
  bool dark3D;
  bool stairs, inverted;
  TBrushStyle lineBrush;
  int ribbons;
  bool darkFirst;  // the first ribbon's fill is darkened
};

class Ribbon : public Series3DFixture, public ::testing::WithParamInterface<RibbonCase> {};

TEST_P(Ribbon, IsAPlaneOverTheSeriesDepth) {
  const RibbonCase& k = GetParam();
  TLineSeries s;
  s.SetParentChart(&chart);
  s.SetSeriesColor(0x00C08040);
  s.LinePen().SetColor(clRed);
  s.SetDark3D(k.dark3D);
  s.SetStairs(k.stairs);
  s.SetInvertedStairs(k.inverted);
  s.SetLineBrush(k.lineBrush);
  s.AddPoint(0, 5);
  s.AddPoint(1, k.y1);
  s.AddPoint(10, 0);
  s.AddPoint(10, 20);  // keeps the axes still across the cases
  const auto polys = Polygons(DrawAlone(s));
  ASSERT_GE(polys.size(), static_cast<std::size_t>(k.ribbons));
  const TPoint a{s.XPixel(0), s.YPixel(0)}, b{s.XPixel(1), s.YPixel(1)};
  std::vector<TQuad> expected;
  if (!k.stairs) expected = {Plane(a, b, Z0, Z1)};
  else if (k.inverted) expected = {Plane(a, {a.X, b.Y}, Z0, Z1), Plane({a.X, b.Y}, b, Z0, Z1)};
  else expected = {Plane(a, {b.X, a.Y}, Z0, Z1), Plane({b.X, a.Y}, b, Z0, Z1)};
  for (int r = 0; r < k.ribbons; ++r) EXPECT_EQ(polys[r].Points, expected[r]) << "ribbon " << r;
  const TRecordedOp& first = polys[0];
  EXPECT_EQ(first.Brush.Color(), k.darkFirst ? TColor{0x00804000} : TColor{0x00C08040});
  EXPECT_EQ(first.Brush.Style(), k.lineBrush);
  EXPECT_EQ(first.Pen.Color(), clRed);
}

INSTANTIATE_TEST_SUITE_P(All, Ribbon,
                         ::testing::Values(RibbonCase{4, true, false, false, bsSolid, 1, false},   // falls
                                           RibbonCase{5.05, true, false, false, bsSolid, 1, false},  // shallow
                                           RibbonCase{19, true, false, false, bsSolid, 1, true},   // steep
                                           RibbonCase{19, false, false, false, bsSolid, 1, false},
                                           RibbonCase{19, true, false, false, bsCross, 1, true},
                                           RibbonCase{19, true, true, false, bsSolid, 2, false},
                                           RibbonCase{19, true, true, true, bsSolid, 2, true}));

TEST_F(Series3DFixture, DenseColumnIsOneRibbon) {
  // Many points on one pixel column: one fill from its lowest to its highest row, then the
  // ribbon that leaves it; the reference path draws one per segment.
  TLineSeries s;
  s.SetParentChart(&chart);
  for (double y : {5.0, 1.0, 9.0, 3.0, 7.0}) s.AddPoint(0, y);
  s.AddPoint(10, 5);
  const auto direct = Polygons(DrawAlone(s));
  const TPoint top{s.XPixel(0), s.YPixel(2)}, bottom{s.XPixel(0), s.YPixel(1)};
  ASSERT_EQ(direct.size(), 2u);
  EXPECT_EQ(Sorted(direct[0].Points), Sorted(Plane(top, bottom, Z0, Z1)));
  EXPECT_EQ(direct[1].Points, Plane({s.XPixel(4), s.YPixel(4)}, {s.XPixel(5), s.YPixel(5)}, Z0, Z1));
  s.SetDirectDrawing(false);
  EXPECT_EQ(Polygons(DrawAlone(s)).size(), 5u);
}

// A line far denser than its pixel columns is one fill: the sweep of the band it covers
// through the depth holds every point at the front and at the back of the series.
TEST_F(Series3DFixture, DenseLineIsOneBandHoldingEveryPoint) {
  const struct {
    double noise;
    int points;
  } cases[] = {{0, 5000}, {0.3, 5000}, {3, 20000}};
  for (const auto& k : cases) {
    TLineSeries s;
    s.SetParentChart(&chart);
    for (int i = 0; i < k.points; ++i) s.AddPoint(i, 5 + 4 * std::sin(i * 1e-3) + k.noise * std::sin(i * 2.3));
    const auto polys = Polygons(DrawAlone(s));
    ASSERT_EQ(polys.size(), 1u) << k.noise;
    // At four times the scale: the pixel (its centre or a corner) meets the fill.
    std::vector<TPoint> band = polys[0].Points;
    for (TPoint& q : band) q = {4 * q.X, 4 * q.Y};
    const int last = static_cast<int>(band.size()) - 1;
    for (int i = 0; i < k.points; i += 7)
      for (int z : {Z0, Z1}) {
        const TPoint p{4 * (s.XPixel(i) + z) + 2, 4 * (s.YPixel(i) - z) + 2};
        const bool meets = std::ranges::any_of(std::vector<TPoint>{{0, 0}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}},
                                               [&](TPoint d) { return PolygonContains({p.X + d.X, p.Y + d.Y}, band, last); });
        ASSERT_TRUE(meets) << k.noise << " point " << i << " z " << z << " at " << p.X << "," << p.Y << " band from " << band.front().X << "," << band.front().Y;
      }
    s.SetActive(false);
  }
}

TEST_F(Series3DFixture, AreaHasTopRibbonThenFrontFace) {
  TAreaSeries s;
  s.SetParentChart(&chart);
  s.AddPoint(0, 2);
  s.AddPoint(10, 6);
  const auto polys = Polygons(DrawAlone(s));
  const TPoint a{s.XPixel(0), s.YPixel(0)}, b{s.XPixel(1), s.YPixel(1)};
  const int base0 = s.OriginPixel(0), base1 = s.OriginPixel(1);
  ASSERT_EQ(polys.size(), 3u);
  EXPECT_EQ(polys[0].Points, Plane(a, b, Z0, Z1));
  EXPECT_EQ(polys[1].Points, AtDepth({{a.X, base0}, a, b, {b.X, base1}}, Z0));
  // The end facing the viewer closes the area.
  EXPECT_EQ(polys[2].Points, Plane(b, {b.X, base1}, Z0, Z1));
}

TEST_F(Series3DFixture, BarIsACubeOfItsSlotWithVisibleFaces) {
  TBarSeries s;
  s.SetParentChart(&chart);
  s.Add(3);
  s.Add(5);
  const auto polys = Polygons(DrawAlone(s));
  const TBarPixels p = s.BarPixelsOf(1);
  const int l = p.Start, r = p.End, t = p.Value, bot = p.Origin;
  ASSERT_EQ(polys.size(), 6u);
  std::vector<TQuad> faces;
  for (std::size_t i = 3; i < polys.size(); ++i) faces.push_back(Sorted(polys[i].Points));
  // Front at Z0, top and right side from Z0 to Z1.
  EXPECT_THAT(faces, ::testing::UnorderedElementsAre(Sorted(AtDepth({{l, t}, {r, t}, {r, bot}, {l, bot}}, Z0)),
                                                     Sorted(Plane({l, t}, {r, t}, Z0, Z1)),
                                                     Sorted(Plane({r, t}, {r, bot}, Z0, Z1))));
}

TEST_F(Series3DFixture, InvertedPyramidShowsItsFrontRightAndTopFaces) {
  TBarSeries s;
  s.SetParentChart(&chart);
  s.SetSeriesColor(0x00C08040);
  s.SetBarStyle(bsInvPyramid);
  s.Add(3);
  s.Add(5);
  const auto polys = Polygons(DrawAlone(s));
  ASSERT_EQ(polys.size(), 6u);
  const TBarPixels p = s.BarPixelsOf(1);
  const int l = p.Start, r = p.End, t = p.Value;
  const TPoint apex{(l + r) / 2 + Z0, p.Origin - Z0};
  auto at = [](int x, int y, int z) { return TPoint{x + z, y - z}; };
  EXPECT_EQ(polys[3].Points, (TQuad{at(l, t, Z0), at(r, t, Z0), apex}));
  EXPECT_EQ(polys[4].Points, (TQuad{at(r, t, Z0), at(r, t, Z1), apex}));
  EXPECT_EQ(polys[5].Points, (TQuad{at(l, t, Z0), at(l, t, Z1), at(r, t, Z1), at(r, t, Z0)}));
  EXPECT_EQ(polys[3].Brush.Color(), TColor{0x00C08040});
  EXPECT_EQ(polys[4].Brush.Color(), TColor{0x00804000});
}

TEST_F(Series3DFixture, MarkersAndFastLineStandInTheSeriesDepth) {
  TPointSeries points;
  points.SetParentChart(&chart);
  points.AddPoint(0, 0);
  points.AddPoint(10, 10);
  const auto cube = Polygons(DrawAlone(points));
  // The marker is a cube as deep as it is wide, about the middle of the series' depth.
  const int x = points.XPixel(0), y = points.YPixel(0), h = points.Pointer().HorizSize(), mid = (Z0 + Z1) / 2;
  ASSERT_GE(cube.size(), 3u);
  std::vector<TQuad> faces;
  for (std::size_t i = 0; i < 3; ++i) faces.push_back(Sorted(cube[i].Points));
  EXPECT_THAT(faces, ::testing::Contains(Sorted(
                         AtDepth({{x - h, y - h}, {x + h, y - h}, {x + h, y + h}, {x - h, y + h}}, mid - h))));
  points.SetActive(false);

  TFastLineSeries line;
  line.SetParentChart(&chart);
  line.AddPoint(0, 0);
  line.AddPoint(10, 10);
  std::vector<int> ends;
  for (const TRecordedOp& op : DrawAlone(line))
    if (op.Op == TOp::LineTo) ends = {op.Args[2], op.Args[3]};
  EXPECT_EQ(ends, (std::vector<int>{line.XPixel(1) + mid, line.YPixel(1) - mid}));
}

TEST_F(Series3DFixture, ClickFindsTheSegmentAtTheRibbonsMiddle) {
  TLineSeries s;
  s.SetParentChart(&chart);
  // A shallow first segment: a steep one may run along the depth's diagonal.
  s.AddPoint(0, 5);
  s.AddPoint(10, 6);
  s.AddPoint(20, 0);
  s.AddPoint(30, 10);
  DrawAlone(s);
  const int mid = (Z0 + Z1) / 2;
  const TPoint a{s.XPixel(0), s.YPixel(0)}, b{s.XPixel(1), s.YPixel(1)};
  const TPoint on{(a.X + b.X) / 2, (a.Y + b.Y) / 2};
  EXPECT_EQ(s.Clicked(on.X + mid, on.Y - mid), 0);
  EXPECT_EQ(s.Clicked(b.X + mid, b.Y - mid), 1);
  EXPECT_EQ(s.Clicked(on.X, on.Y), -1);
}

// Depth slots: each series its own, side-by-side or stacked bars and stacked areas one
// shared slot; the chart's depth is shared out and the back slot is drawn first.
TEST(SeriesDepth, SlotsSharesAndOrder) {
  struct Case {
    bool is3D;
    std::vector<int> kinds;  // 0 line, 1 bar, 3 stacked area
    bool barsApart;          // bars with MultiBar mbNone
    std::vector<int> orders;
    std::vector<int> drawn;  // indexes in draw order
  };
  const Case cases[] = {
      {true, {0, 0, 0}, false, {0, 1, 2}, {2, 1, 0}},
      {false, {0, 0, 0}, false, {0, 0, 0}, {0, 1, 2}},
      {true, {1, 0, 1}, false, {0, 1, 0}, {1, 0, 2}},
      {true, {1, 0, 1}, true, {0, 1, 2}, {2, 1, 0}},
      {true, {3, 0, 3}, false, {0, 1, 0}, {1, 0, 2}},
  };
  for (const Case& k : cases) {
    TFakeChartHost host;
    host.Client = {0, 0, 400, 300};
    TChart chart;
    chart.SetWidth(400);
    chart.SetHeight(300);
    chart.SetHost(&host);
    std::vector<std::unique_ptr<TChartSeries>> owned;
    for (int kind : k.kinds) {
      if (kind == 0) owned.push_back(std::make_unique<TLineSeries>());
      if (kind == 1) owned.push_back(std::make_unique<TBarSeries>());
      if (kind == 3) {
        auto area = std::make_unique<TAreaSeries>();
        area->SetMultiArea(maStacked);
        owned.push_back(std::move(area));
      }
      owned.back()->SetParentChart(&chart);
    }
    if (k.barsApart) dynamic_cast<TBarSeries&>(*owned[0]).SetMultiBar(mbNone);
    const int slots = AssignDepthOrders(chart.SeriesList(), k.is3D);
    PlaceSeriesInDepth(chart.SeriesList(), slots, 90);
    std::vector<int> orders, drawn;
    for (const auto& s : owned) {
      orders.push_back(s->DepthOrder());
      EXPECT_EQ(s->StartZ(), s->DepthOrder() * (90 / slots));
      EXPECT_EQ(s->EndZ(), s->StartZ() + 90 / slots);
    }
    // The paint draws them: each tells when it starts.
    chart.SetView3D(k.is3D);
    for (std::size_t i = 0; i < owned.size(); ++i) {
      owned[i]->AddPoint(0, 1);
      owned[i]->BeforeDrawValues = [&drawn, i](TChartSeries*) { drawn.push_back(static_cast<int>(i)); };
    }
    chart.Paint();
    EXPECT_EQ(orders, k.orders);
    EXPECT_EQ(drawn, k.drawn);
  }
}

// Bars sharing a slot go point by point, left to right on screen on either axis, stacked
// ones bottom-up: a bar drawn later is never farther than one it overlaps.
TEST_F(Series3DFixture, BarsSharingASlotAreDrawnPointByPointNearestLast) {
  struct Case {
    TMultiBar multi;
    bool invertX, invertY;
    const char* colours;
  };
  const Case cases[] = {{mbSide, false, false, "RBRBRB"},
                        {mbSide, true, false, "RBRBRB"},
                        {mbStacked, false, false, "RBRBRB"},
                        {mbStacked, false, true, "BRBRBR"},
                        {mbStacked, true, false, "RBRBRB"}};
  for (const Case& k : cases) {
    TBarSeries red, blue;
    for (TBarSeries* s : {&red, &blue}) {
      s->SetSeriesColor(s == &red ? clRed : clBlue);
      s->SetMultiBar(k.multi);
      s->SetParentChart(&chart);
      for (int i = 0; i < 3; ++i) s->Add(2 + i);
    }
    chart.BottomAxis()->SetInverted(k.invertX);
    chart.LeftAxis()->SetInverted(k.invertY);
    if (chart.Canvas().Buffer()) Buffer().ClearOps();
    chart.InvalidateChart();
    chart.Paint();
    std::string colours;
    std::vector<int> lefts;
    for (const TRecordedOp& op : Buffer().OpsOf(TOp::Polygon)) {
      const TColor c = op.Brush.Color();
      if (c != clRed && c != clBlue) continue;  // the front faces; the others are shaded
      colours += c == clRed ? 'R' : 'B';
      lefts.push_back(std::min_element(op.Points.begin(), op.Points.end(), [](TPoint a, TPoint b) {
                        return a.X < b.X;
                      })->X);
    }
    EXPECT_EQ(colours, k.colours) << int{k.multi} << k.invertX << k.invertY;
    EXPECT_TRUE(std::is_sorted(lefts.begin(), lefts.end())) << ::testing::PrintToString(lefts) << k.invertX;
  }
}

}  // namespace
}  // namespace chart::testing
