#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "axis_test_parent.h"
#include "chart/axis/ChartAxis.h"
#include "chart/core/Exceptions.h"

namespace chart {
namespace {

using testing::TAxisTestParent;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct AxisScale : ::testing::Test {
  TAxisTestParent parent;
  TChartAxis bottom{&parent, true, false, false};
  TChartAxis left{&parent, false, false, false};

  void Layout(TRect r) {
    parent.Rect = r;
    bottom.ApplyAutomaticRange();
    left.ApplyAutomaticRange();
    bottom.ComputePixelSpan();
    left.ComputePixelSpan();
  }
};

TEST_F(AxisScale, AutomaticFlagsStayCoupled) {
  bottom.SetAutomatic(false);
  EXPECT_FALSE(bottom.AutomaticMinimum());
  EXPECT_FALSE(bottom.AutomaticMaximum());
  bottom.SetAutomaticMinimum(true);
  EXPECT_FALSE(bottom.Automatic()) << "the maximum is still fixed";
  bottom.SetAutomaticMaximum(true);
  EXPECT_TRUE(bottom.Automatic());
  bottom.SetAutomaticMaximum(false);
  EXPECT_FALSE(bottom.Automatic());
  EXPECT_TRUE(bottom.AutomaticMinimum());
  const int before = parent.Invalidations;
  bottom.SetAutomatic(false);  // Automatic keeps its value, the minimum end still follows
  EXPECT_FALSE(bottom.AutomaticMinimum());
  EXPECT_EQ(parent.Invalidations, before + 1);
}

TEST_F(AxisScale, AutomaticWhileLoadingLeavesTheEndFlagsToTheStream) {
  parent.Loading = true;
  bottom.SetAutomatic(false);
  EXPECT_TRUE(bottom.AutomaticMinimum());
  EXPECT_TRUE(bottom.AutomaticMaximum());
}

TEST_F(AxisScale, AutomaticRangeTakesTheSeriesExtremesOfItsDirection) {
  parent.MinX = 0, parent.MaxX = 1023, parent.MinY = -0.9999976, parent.MaxY = 1.023;
  left.SetAutomaticMaximum(false);
  left.SetMaximum(5);
  const int before = parent.Invalidations;
  Layout({27, 40, 878, 480});
  EXPECT_EQ(parent.Invalidations, before) << "the automatic range requests no repaint";
  EXPECT_EQ(bottom.ScaleMinimum(), 0);
  EXPECT_EQ(bottom.ScaleMaximum(), 1023);
  EXPECT_EQ(left.ScaleMinimum(), -0.9999976);
  EXPECT_EQ(left.ScaleMaximum(), 5) << "a fixed maximum survives the layout";
  EXPECT_DOUBLE_EQ(left.ScaleRange(), 5.9999976);
}

TEST_F(AxisScale, PixelSpanFollowsTheChartRectangleAndPositions) {
  Layout({27, 40, 878, 480});
  EXPECT_EQ(bottom.PixelStart(), 27);
  EXPECT_EQ(bottom.PixelEnd(), 878);
  EXPECT_EQ(bottom.PixelSize(), 851);
  EXPECT_EQ(bottom.PixelCenter(), 452);
  EXPECT_EQ(left.PixelStart(), 40);
  EXPECT_EQ(left.PixelEnd(), 480);
  bottom.SetStartPosition(10);  // 85.1 -> 85
  bottom.SetEndPosition(50.5);  // 429.755 -> 430
  bottom.ComputePixelSpan();
  EXPECT_EQ(bottom.PixelStart(), 112);
  EXPECT_EQ(bottom.PixelEnd(), 457);
  EXPECT_EQ(bottom.PixelCenter(), 284);
}

TEST_F(AxisScale, NonFinitePositionsDoNotBreakTheSpan) {
  bottom.SetStartPosition(kNaN);
  bottom.SetEndPosition(kInf);
  parent.Rect = {0, 0, 100, 100};
  bottom.ComputePixelSpan();
  EXPECT_EQ(bottom.PixelStart(), 0);
  EXPECT_EQ(bottom.PixelEnd(), std::numeric_limits<int>::max());
  EXPECT_EQ(bottom.ValueToPixel(kNaN), bottom.PixelCenter());
}

// Positions past any pixel saturate at the int range instead of overflowing on the way.
struct PositionCase {
  double start, end, percent;
  int pixelStart, pixelEnd, labelsPosition;
};

class ExtremePositions : public AxisScale, public ::testing::WithParamInterface<PositionCase> {};

TEST_P(ExtremePositions, Saturate) {
  const PositionCase& c = GetParam();
  constexpr int kMaxInt = std::numeric_limits<int>::max();
  left.SetStartPosition(c.start);
  left.SetEndPosition(c.end);
  left.SetPositionPercent(c.percent);
  Layout({10, 20, 110, 220});
  TRect r = parent.Rect;
  left.ReserveSpace(r, true);
  EXPECT_EQ(left.PixelStart(), c.pixelStart == 1 ? kMaxInt : c.pixelStart);
  EXPECT_EQ(left.PixelEnd(), c.pixelEnd == 1 ? kMaxInt : c.pixelEnd);
  if (c.labelsPosition != 0) {
    EXPECT_EQ(left.LabelsPosition(), c.labelsPosition == 1 ? kMaxInt : -kMaxInt - 1);
  }
}

// 1 and -1 stand for the largest and smallest int; a labels position 0 is not checked.
INSTANTIATE_TEST_SUITE_P(All, ExtremePositions,
                         ::testing::Values(PositionCase{0, kInf, 0, 20, 1, 0},
                                           PositionCase{1e30, 1e30, 0, 1, 1, 0},
                                           PositionCase{0, 100, kInf, 20, 220, 1},
                                           PositionCase{0, 100, -kInf, 20, 220, -1}));

TEST_F(AxisScale, DemoAxesMapEndsToTheRectangleEdges) {
  parent.MinX = 0, parent.MaxX = 1023, parent.MinY = -0.9999976, parent.MaxY = 1.023;
  Layout({27, 40, 878, 480});
  EXPECT_EQ(bottom.ValueToPixel(0), 27);
  EXPECT_EQ(bottom.ValueToPixel(1023), 878);
  EXPECT_EQ(bottom.ValueToPixel(511.5), 453);  // 27 + 425.5, which rounds to even
  EXPECT_EQ(left.ValueToPixel(1.023), 40) << "maximum at the top";
  EXPECT_EQ(left.ValueToPixel(-0.9999976), 480) << "minimum at the bottom";
}

TEST_F(AxisScale, InvertedAxesMirrorTheMapping) {
  parent.MaxX = 100, parent.MaxY = 100;
  Layout({0, 0, 200, 400});
  left.SetInverted(true);
  bottom.SetInverted(true);
  EXPECT_EQ(left.ValueToPixel(0), 0) << "ScaleMinimum at PixelStart (top)";
  EXPECT_EQ(left.ValueToPixel(100), 400);
  EXPECT_EQ(bottom.ValueToPixel(0), 200);
  EXPECT_EQ(bottom.ValueToPixel(25), 150);
  EXPECT_DOUBLE_EQ(left.PixelToValue(100), 25);
  EXPECT_DOUBLE_EQ(bottom.PixelToValue(150), 25);
}

TEST_F(AxisScale, EmptyRangeAndUnrepresentableValuesGoToTheCentre) {
  Layout({10, 10, 111, 211});  // both ranges 0 before any series has points
  for (double v : {0.0, 1.0, -5.0, kNaN, kInf})
    EXPECT_EQ(bottom.ValueToPixel(v), 60) << v;
  parent.MaxX = 1, parent.MaxY = 1;
  Layout({10, 10, 111, 211});
  for (double v : {kNaN, kInf, -kInf, 1e300, -1e300, 3e7})
    EXPECT_EQ(bottom.ValueToPixel(v), 60) << v;
  // Just inside the guard the sum with the span's start saturates instead of wrapping.
  EXPECT_EQ(bottom.ValueToPixel(21262214.25), std::numeric_limits<int>::max());
  EXPECT_EQ(left.ValueToPixel(-10683997.5), std::numeric_limits<int>::max());
}

TEST_F(AxisScale, PixelToValueInvertsTheMapping) {
  parent.MinX = -50, parent.MaxX = 50, parent.MinY = 0, parent.MaxY = 10;
  Layout({100, 20, 300, 120});
  EXPECT_DOUBLE_EQ(bottom.PixelToValue(100), -50);
  EXPECT_DOUBLE_EQ(bottom.PixelToValue(250), 25);
  EXPECT_DOUBLE_EQ(left.PixelToValue(20), 10);
  EXPECT_DOUBLE_EQ(left.PixelToValue(95), 2.5);
  for (int px = 100; px <= 300; px += 7) EXPECT_EQ(bottom.ValueToPixel(bottom.PixelToValue(px)), px);
  parent.Rect = {5, 5, 5, 5};
  bottom.ComputePixelSpan();
  EXPECT_EQ(bottom.PixelToValue(5), 0) << "a span under one pixel maps to 0";
}

TEST_F(AxisScale, MarginsWidenTheRangeSoTheDataFillsTheInnerSpan) {
  parent.MaxX = 100, parent.MaxY = 100;
  Layout({0, 0, 408, 408});
  bottom.InflateRangeByMargins(4, 0, 4, 0);
  EXPECT_DOUBLE_EQ(bottom.ScaleMinimum(), -1);
  EXPECT_DOUBLE_EQ(bottom.ScaleMaximum(), 101);
  EXPECT_EQ(bottom.PixelStart(), 0) << "the full span is restored";
  EXPECT_EQ(bottom.PixelEnd(), 408);
  EXPECT_EQ(bottom.ValueToPixel(0), 4);
  EXPECT_EQ(bottom.ValueToPixel(100), 404);

  // Vertical: the top margin belongs to the maximum end.
  left.InflateRangeByMargins(0, 8, 0, 0);
  EXPECT_DOUBLE_EQ(left.ScaleMinimum(), 0);
  EXPECT_DOUBLE_EQ(left.ScaleMaximum(), 102);
  EXPECT_EQ(left.ValueToPixel(100), 8);

  Layout({0, 0, 404, 404});
  bottom.InflateRangeByMargins(4, 0, 4, 0);
  EXPECT_NEAR(bottom.ScaleMinimum(), -1.0101, 1e-4);
  EXPECT_NEAR(bottom.ScaleMaximum(), 101.0101, 1e-4);
}

TEST_F(AxisScale, ZeroMarginsKeepTheScale) {
  parent.MinY = -3, parent.MaxY = 7;
  Layout({0, 0, 300, 300});
  left.InflateRangeByMargins(0, 0, 0, 0);
  EXPECT_DOUBLE_EQ(left.ScaleMinimum(), -3);
  EXPECT_DOUBLE_EQ(left.ScaleMaximum(), 7);
}

TEST_F(AxisScale, SetRangeOrdersTheEndsAndSwitchesAutomaticOff) {
  bottom.SetRange(5, 2);
  EXPECT_EQ(bottom.Minimum(), 2);
  EXPECT_EQ(bottom.Maximum(), 5);
  EXPECT_FALSE(bottom.Automatic() || bottom.AutomaticMinimum() || bottom.AutomaticMaximum());
  bottom.SetRange(3, 3);
  EXPECT_EQ(bottom.Minimum(), 3);
  EXPECT_EQ(bottom.Maximum(), 3 + 1e-10);
  // No validation on the way: Minimum may pass the old Maximum.
  left.SetRange(10, 20);
  EXPECT_EQ(left.Minimum(), 10);
  EXPECT_EQ(left.Maximum(), 20);
}

TEST_F(AxisScale, ShiftRangeHonoursTheSeriesLimitsWhenAsked) {
  parent.MinX = 0, parent.MaxX = 100;
  bottom.SetRange(50, 100);
  const int before = parent.Invalidations;
  bottom.ShiftRange(10, true);
  EXPECT_EQ(bottom.Maximum(), 100) << "already at the largest series value";
  bottom.ShiftRange(0, true);
  EXPECT_EQ(parent.Invalidations, before);
  bottom.ShiftRange(-10, true);
  EXPECT_EQ(bottom.Minimum(), 40);
  EXPECT_EQ(bottom.Maximum(), 90);
  bottom.ShiftRange(30, false);
  EXPECT_EQ(bottom.Minimum(), 70);
  EXPECT_EQ(bottom.Maximum(), 120);
  EXPECT_EQ(parent.Invalidations, before + 2);
}

TEST_F(AxisScale, SettersRepaintOnlyOnChange) {
  const int before = parent.Invalidations;
  bottom.SetInverted(false);
  bottom.SetLabelsSeparation(10);
  bottom.SetIncrement(0);
  bottom.SetEndPosition(100);
  EXPECT_EQ(parent.Invalidations, before);
  bottom.SetIncrement(2);
  bottom.SetTickLength(5);
  EXPECT_EQ(parent.Invalidations, before + 2);
}

TEST_F(AxisScale, MinimumAndMaximumValidateExceptWhileLoading) {
  bottom.SetMaximum(3);
  try {
    bottom.SetMinimum(5);
    FAIL() << "no exception";
  } catch (const AxisException& e) {
    EXPECT_STREQ(e.what(), "Axis Minimum Value must be <= Maximum");
  }
  EXPECT_EQ(bottom.Minimum(), 0);
  bottom.SetMinimum(2);
  EXPECT_THROW(bottom.SetMaximum(1), AxisException);
  EXPECT_EQ(bottom.Maximum(), 3);

  parent.Loading = true;  // a stored form writes Minimum before Maximum
  left.SetMinimum(5);
  left.SetMaximum(8);
  EXPECT_EQ(left.Minimum(), 5);
  EXPECT_EQ(left.Maximum(), 8);
}

struct RejectedSetter {
  const char* name;
  void (*apply)(TCustomChartAxis&);
  const char* message;
  bool axisError;  // AxisException, else plain ChartException
};

class AxisSetterErrors : public ::testing::TestWithParam<RejectedSetter> {};

TEST_P(AxisSetterErrors, RaiseTheirMessageAndKeepTheValue) {
  TAxisTestParent parent;
  TChartAxis axis(&parent, true, false, false);
  parent.MinX = -1, parent.MaxX = 5;
  const RejectedSetter& c = GetParam();
  try {
    c.apply(axis);
    FAIL() << "no exception";
  } catch (const AxisException& e) {
    EXPECT_TRUE(c.axisError);
    EXPECT_STREQ(e.what(), c.message);
  } catch (const ChartException& e) {
    EXPECT_FALSE(c.axisError);
    EXPECT_STREQ(e.what(), c.message);
  }
  EXPECT_EQ(axis.Increment(), 0);
  EXPECT_EQ(axis.LabelsSeparation(), 10);
  EXPECT_EQ(axis.LogarithmicBase(), 10);
  EXPECT_FALSE(axis.Logarithmic());
  EXPECT_EQ(axis.LabelsAngle(), 0);
  EXPECT_EQ(parent.Invalidations, 0);
}

INSTANTIATE_TEST_SUITE_P(
    All, AxisSetterErrors,
    ::testing::Values(
        RejectedSetter{"NegativeIncrement", [](TCustomChartAxis& a) { a.SetIncrement(-1); },
                       "Axis increment must be >= 0", true},
        RejectedSetter{"NaNIncrement", [](TCustomChartAxis& a) { a.SetIncrement(kNaN); },
                       "Axis increment must be >= 0", true},
        RejectedSetter{"NegativeSeparation", [](TCustomChartAxis& a) { a.SetLabelsSeparation(-1); },
                       "Labels Separation % must be greater than 0", true},
        RejectedSetter{"LogBase1", [](TCustomChartAxis& a) { a.SetLogarithmicBase(1); },
                       "Axis Logarithmic Base should be >= 2", true},
        RejectedSetter{"LogWithNegativeRange", [](TCustomChartAxis& a) { a.SetLogarithmic(true); },
                       "Logarithmic Axis Min and Max values should be >= 0", true},
        RejectedSetter{"LabelsAngle360", [](TCustomChartAxis& a) { a.SetLabelsAngle(360); },
                       "Axis Labels Angle must be between 0 and 359 degrees", false},
        RejectedSetter{"LabelsAngleNegative", [](TCustomChartAxis& a) { a.SetLabelsAngle(-1); },
                       "Axis Labels Angle must be between 0 and 359 degrees", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AxisScale, ZeroSeparationIsAccepted) {
  bottom.SetLabelsSeparation(0);
  EXPECT_EQ(bottom.LabelsSeparation(), 0);
}

TEST_F(AxisScale, DateTimeAxisRefusesLogarithmAndInvalidIncrements) {
  parent.DateTime = true;
  EXPECT_THROW(bottom.SetLogarithmic(true), AxisException);
  EXPECT_THROW(bottom.SetIncrement(1e9), std::invalid_argument);
  bottom.SetIncrement(7);
  EXPECT_EQ(bottom.Increment(), 7);
}

TEST_F(AxisScale, LogarithmicMapping) {
  parent.MinX = 1, parent.MaxX = 100, parent.MinY = 1, parent.MaxY = 100;
  bottom.SetLogarithmic(true);
  left.SetLogarithmic(true);
  Layout({0, 0, 200, 200});
  EXPECT_EQ(bottom.ValueToPixel(1), 0);
  EXPECT_EQ(bottom.ValueToPixel(10), 100);
  EXPECT_EQ(bottom.ValueToPixel(100), 200);
  EXPECT_EQ(left.ValueToPixel(10), 100);
  EXPECT_EQ(left.ValueToPixel(100), 0);
  EXPECT_EQ(bottom.ValueToPixel(0), 0) << "no logarithm: the minimum end";
  EXPECT_EQ(left.ValueToPixel(-3), 200);
  EXPECT_NEAR(bottom.PixelToValue(100), 10, 1e-9);
  EXPECT_NEAR(left.PixelToValue(100), 10, 1e-9);
}

// Data near or spanning the whole double range: the scale stays finite through the margin
// widening and the data land where they would on an ordinary range. The widest case
// cannot widen further and keeps the largest doubles as its ends.
struct HugeCase {
  double low, high;
  int margin;
  bool inverted;
  int lowPixel, highPixel;  // on the bottom axis of 0 .. 400
};

void PrintTo(const HugeCase& c, std::ostream* os) {
  *os << c.low << ".." << c.high << " margin " << c.margin << (c.inverted ? " inverted" : "");
}

class HugeRange : public AxisScale, public ::testing::WithParamInterface<HugeCase> {};

TEST_P(HugeRange, MapsLikeAnOrdinaryRange) {
  const HugeCase& c = GetParam();
  parent.MinX = parent.MinY = c.low, parent.MaxX = parent.MaxY = c.high;
  bottom.SetInverted(c.inverted);
  left.SetInverted(c.inverted);
  Layout({0, 0, 400, 400});
  bottom.InflateRangeByMargins(c.margin, 0, c.margin, 0);
  left.InflateRangeByMargins(0, c.margin, 0, c.margin);
  for (const TChartAxis* axis : {&bottom, &left}) {
    ASSERT_TRUE(std::isfinite(axis->ScaleMinimum()) && std::isfinite(axis->ScaleMaximum()));
    // The vertical axis runs the other way.
    const int low = axis == &bottom ? c.lowPixel : 400 - c.lowPixel;
    const int high = axis == &bottom ? c.highPixel : 400 - c.highPixel;
    EXPECT_NEAR(axis->ValueToPixel(c.low), low, 1);
    EXPECT_NEAR(axis->ValueToPixel(c.high), high, 1);
    EXPECT_NEAR(axis->ValueToPixel(c.low / 2 + c.high / 2), 200, 1);
    EXPECT_NEAR(axis->ValueToPixel(axis->PixelToValue(123)), 123, 1);
  }
}

constexpr double kMax = std::numeric_limits<double>::max();

INSTANTIATE_TEST_SUITE_P(All, HugeRange,
                         ::testing::Values(HugeCase{0, 1e306, 0, false, 0, 400}, HugeCase{0, 1e306, 5, false, 5, 395},
                                           HugeCase{-1e308, 1e308, 0, false, 0, 400},
                                           HugeCase{-1e308, 1e308, 5, false, 5, 395},
                                           HugeCase{-1e308, 1e308, 5, true, 395, 5},
                                           HugeCase{-kMax, kMax, 0, false, 0, 400},
                                           HugeCase{-kMax, kMax, 5, false, 0, 400}));

TEST(DepthAxis, MapsAcrossTheChartDepth) {
  TAxisTestParent parent;
  TChartDepthAxis depth(&parent);
  EXPECT_FALSE(depth.Visible());
  EXPECT_TRUE(depth.IsDepth() && depth.IsOtherSide() && !depth.IsHorizontal());
  parent.Depth = 40;
  parent.MinY = -0.5, parent.MaxY = 1.5;
  depth.ApplyAutomaticRange();
  EXPECT_EQ(depth.ValueToPixel(0.5), 20);
  EXPECT_EQ(depth.ValueToPixel(1.5), 40);
  depth.SetInverted(true);
  EXPECT_EQ(depth.ValueToPixel(1.5), 0);
  parent.MinY = parent.MaxY = 0;
  depth.ApplyAutomaticRange();
  EXPECT_EQ(depth.ValueToPixel(3), 20) << "half the depth for an empty range";
  parent.MinY = -1e308, parent.MaxY = 1e308;
  depth.ApplyAutomaticRange();
  EXPECT_EQ(depth.ValueToPixel(-5e307), 30) << "a range beyond the largest double";
}

}  // namespace
}  // namespace chart
