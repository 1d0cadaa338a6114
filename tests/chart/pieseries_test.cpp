// Pie series on the recording device: slice angles, the "Other" slice, the circle and its
// exploded slices, the drawing rules for thin slices and small circles, the hit test, the
// chart switched on attach and the checks of the settings.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "chart/core/Exceptions.h"
#include "chart/seriestypes/PieSeries.h"
#include "lineseries_fixture.h"

namespace chart {
namespace {

using testing::TOp;
using testing::TRecordedOp;
constexpr double Pi = std::numbers::pi;
const double NaN = std::nan("");

struct PieFixture : testing::LineSeriesFixture {
  // The chart rectangle is (15, 12, 485, 288): a 470 x 276 circle around (250, 150).
  PieFixture() { Show(500, 300); }
  std::vector<TRecordedOp> PaintPies() {
    if (chart.Canvas().Buffer()) Buffer().ClearOps();
    chart.InvalidateChart();
    chart.Paint();
    return BufferOps(TOp::Pie);
  }
  static void Fill(TPieSeries& pie, const std::vector<double>& values) {
    for (double v : values) pie.Add(v);
  }
};

TEST(PieAngles, EachSliceSpansItsShareOfTheAbsoluteTotal) {
  struct Case {
    std::vector<double> values;
    std::vector<double> ends;  // every slice starts where the one before ended
  };
  const Case cases[] = {
      {{1, 1, 2}, {Pi / 2, Pi, 2 * Pi}},
      {{3}, {2 * Pi}},
      {{-1, 3}, {Pi / 2, 2 * Pi}},
      {{NaN, 1}, {0, 2 * Pi}},  // a NaN counts for nothing
  };
  for (const Case& c : cases) {
    TPieSeries pie;
    for (double v : c.values) pie.Add(v);
    pie.CalcAngles();
    double start = 0;
    for (std::size_t i = 0; i < c.ends.size(); ++i) {
      const TPieAngle& a = pie.AngleOf(static_cast<int>(i));
      EXPECT_DOUBLE_EQ(a.Start, start) << c.values.size() << " values, slice " << i;
      EXPECT_DOUBLE_EQ(a.End, c.ends[i]) << c.values.size() << " values, slice " << i;
      EXPECT_DOUBLE_EQ(a.Middle, (start + c.ends[i]) / 2);
      start = c.ends[i];
    }
    EXPECT_EQ(pie.AngleOf(pie.Count() - 1).End, 2 * Pi) << "the last slice closes the pie exactly";
  }
  // With nothing to share out every slice is the whole pie.
  TPieSeries zeros;
  for (int i = 0; i < 3; ++i) zeros.Add(0);
  zeros.CalcAngles();
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(zeros.AngleOf(i).Start, 0);
    EXPECT_EQ(zeros.AngleOf(i).End, 2 * Pi);
  }
}

TEST_F(PieFixture, SmallSlicesAreGatheredIntoOneOtherSliceEachPaint) {
  struct Case {
    TPieOtherStyle style;
    double limit;
    std::vector<double> values;
    std::vector<int> gathered;
    double other;  // 0: no "Other" slice
  };
  const Case cases[] = {
      {poBelowPercent, 10, {50, 45, 3, 2}, {2, 3}, 5},
      {poBelowValue, 4, {3, 50, 2, 45}, {0, 2}, 5},
      {poBelowValue, 1, {50, 45, 3, 2}, {}, 0},
      {poNone, 10, {50, 45, 3, 2}, {}, 0},
      {poBelowValue, -5, {-7, 10, -1}, {0}, -7},  // a negative sum is a slice of its size
  };
  chart.Legend().SetVisible(true);
  for (const Case& c : cases) {
    TPieSeries pie;
    pie.SetParentChart(&chart);
    Fill(pie, c.values);
    pie.OtherSlice().SetStyle(c.style);
    pie.OtherSlice().SetValue(c.limit);
    const int points = static_cast<int>(c.values.size());
    // A second paint takes the first one's "Other" slice away before gathering again.
    for (int paint = 0; paint < 2; ++paint) {
      PaintPies();
      EXPECT_FALSE(chart.RepaintRequested()) << "the gathering asks for no further paint";
      const int expectedCount = points + (c.other != 0 ? 1 : 0);
      ASSERT_EQ(pie.Count(), expectedCount) << c.style << " " << c.limit;
      std::vector<int> gathered;
      for (int i = 0; i < points; ++i)
        if (pie.IsGathered(i)) {
          gathered.push_back(i);
        } else {
          EXPECT_EQ(pie.XValue(i), i) << "renumbered";
        }
      EXPECT_EQ(gathered, c.gathered);
      EXPECT_EQ(pie.LegendItemCount(), expectedCount - static_cast<int>(c.gathered.size()));
      if (c.other == 0) continue;
      EXPECT_EQ(pie.XValue(points), TPieSeries::OtherSliceX);
      EXPECT_EQ(pie.YValue(points), c.other);
      EXPECT_EQ(pie.XLabel(points), "Other");
      EXPECT_EQ(pie.LegendToValueIndex(pie.LegendItemCount() - 1), points);
      double total = 0;
      for (double v : c.values) total += std::fabs(v);
      EXPECT_EQ(pie.AbsTotal(), total) << "the gathered points count once";
      if (c.style == poBelowPercent) {
        EXPECT_EQ(pie.AngleOf(points).End, 2 * Pi);
      }
    }
  }
}

TEST_F(PieFixture, TheCircleFillsTheChartRectangleRoundOrWithFixedRadii) {
  struct Case {
    bool circled;
    int customX;
    bool marks;
    TRect circle;
  };
  // The screen is 1920 x 1080 pixels on 508 x 286 mm: a pixel is nearly square.
  const Case cases[] = {
      {false, 0, false, {15, 12, 485, 288}},
      {true, 0, false, {112, 12, 388, 288}},
      {false, 100, false, {150, 12, 350, 288}},
      // The marks take ArrowLength 8 + frame 2 + font height 13 at top and bottom, and "W"
      // and the widest mark (16), the arrow and the frame at the sides.
      {false, 0, true, {41, 35, 459, 265}},
  };
  for (const Case& c : cases) {
    TPieSeries pie;
    pie.SetParentChart(&chart);
    Fill(pie, {1, 2, 3});
    pie.SetCircled(c.circled);
    pie.SetCustomXRadius(c.customX);
    pie.Marks().SetVisible(c.marks);
    PaintPies();
    EXPECT_EQ(pie.CircleRect(), c.circle) << c.circled << " " << c.customX << " " << c.marks;
  }
}

TEST_F(PieFixture, ExplodeBiggestPullsOutTheFirstLargestSliceAndShrinksThePie) {
  TPieSeries pie;
  pie.SetParentChart(&chart);
  pie.Marks().SetVisible(false);
  Fill(pie, {1, 5, 5});
  pie.SetExplodeBiggest(20);
  const auto slices = PaintPies();
  EXPECT_EQ(pie.ExplodedSlice(1), 20);
  EXPECT_EQ(pie.ExplodedSlice(2), 0);
  // Slice 1's middle is 7 pi / 11: unshrunk its offset is (-20, 25), so the circle loses
  // 10 at the sides and 12 at top and bottom; drawn, the offset is (-19, 23) of radii 225, 126.
  EXPECT_EQ(pie.CircleRect(), (TRect{25, 24, 475, 276}));
  EXPECT_EQ(pie.ExplodedOffset(1), (TPoint{-19, 23}));
  ASSERT_EQ(slices.size(), 3u);
  EXPECT_EQ(slices[0].Args, (std::vector<int>{25, 24, 475, 276, 475, 150, 439, 82}));
  EXPECT_EQ(slices[1].Args, (std::vector<int>{6, 1, 456, 253, 420, 59, 15, 162}));
  EXPECT_EQ(slices[2].Args, (std::vector<int>{25, 24, 475, 276, 34, 185, 475, 150}));
}

TEST_F(PieFixture, SlicesTooThinOrCirclesTooSmallAreNotDrawn) {
  struct Case {
    int chartWidth;
    std::vector<double> values;
    int rotation;
    std::size_t drawn;
  };
  const Case cases[] = {
      {500, {1e6, 1, 1e6}, 0, 2},    // the thin slice goes with the next one
      {500, {1}, 90, 1},             // one point: the whole ellipse from and to the same rim point
      {500, {0, 0, 0, 0}, 0, 1},     // whole-pie slices under the last one are not drawn
      {38, {1, 2, 3}, 0, 0},         // marks leave a 4-pixel circle: below 5, nothing is drawn
  };
  for (const Case& c : cases) {
    Show(c.chartWidth, 300);
    TPieSeries pie;
    pie.SetParentChart(&chart);
    Fill(pie, c.values);
    pie.SetRotationAngle(c.rotation);
    const auto slices = PaintPies();
    EXPECT_EQ(slices.size(), c.drawn) << c.chartWidth << " " << c.values.size();
    EXPECT_GE(pie.CircleWidth(), 4);
    if (c.drawn == 2) {
      EXPECT_EQ(slices[1].Args[4], slices[0].Args[6]) << "the next slice starts where the last drawn ended";
    }
  }
  // However many slices, the drawing is bounded by the rim's pixels.
  Show(500, 300);
  TPieSeries many;
  many.SetParentChart(&chart);
  many.Marks().SetVisible(false);
  for (int i = 0; i < 100000; ++i) many.Add(1 + i % 7);
  EXPECT_LT(PaintPies().size(), 2000u);
}

TEST_F(PieFixture, AClickHitsTheSliceAtItsAngleInsideTheCircle) {
  TPieSeries pie;
  pie.SetParentChart(&chart);
  pie.Marks().SetVisible(false);
  Fill(pie, {1, 1, 2});
  struct Case {
    int rotation;
    TPoint at;
    int hit;
  };
  // Centre (250, 150), radii 235 and 138.
  const Case cases[] = {
      {0, {300, 100}, 0}, {0, {200, 100}, 1}, {0, {250, 250}, 2},
      {90, {300, 100}, 2}, {90, {200, 100}, 0},  // turned a quarter counterclockwise
      {0, {486, 150}, -1},                       // beyond the x radius
  };
  for (const Case& c : cases) {
    pie.SetRotationAngle(c.rotation);
    PaintPies();
    EXPECT_EQ(pie.Clicked(c.at.X, c.at.Y), c.hit) << c.rotation << " at " << c.at.X << "," << c.at.Y;
  }
}

TEST_F(PieFixture, AttachingSwitchesTheChartToADrawingWithoutAxes) {
  TPieSeries pie;
  pie.SetParentChart(&chart);
  EXPECT_FALSE(chart.AxisVisible());
  EXPECT_FALSE(chart.ClipPoints());
  EXPECT_FALSE(chart.View3DWalls());
  EXPECT_FALSE(chart.Frame().Visible());
  EXPECT_EQ(chart.BackWall().Brush().Style(), bsClear);
  EXPECT_FALSE(chart.AllowZoom());
  EXPECT_EQ(chart.AllowPanning(), pmNone);
  EXPECT_EQ(chart.View3DOptions().Elevation(), 315);
}

TEST(PieSettings, RotationIsStoredModulo360AndNegativeIsRejected) {
  TPieSeries pie;
  pie.SetRotationAngle(370);
  EXPECT_EQ(pie.RotationAngle(), 10);
  try {
    pie.SetRotationAngle(-1);
    FAIL() << "no exception";
  } catch (const PieException& e) {
    EXPECT_STREQ(e.what(), "Rotation Angle must be between 0 and 359 degrees");
  }
  EXPECT_EQ(pie.RotationAngle(), 10);
  // The exploded percents go with their points when points are exchanged.
  pie.Add(1);
  pie.Add(2);
  pie.SetExplodedSlice(1, 30);
  pie.SwapPoints(0, 1);
  EXPECT_EQ(pie.ExplodedSlice(0), 30);
  EXPECT_EQ(pie.ExplodedSlice(1), 0);
}

}  // namespace
}  // namespace chart
