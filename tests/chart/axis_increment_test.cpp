#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "axis_test_parent.h"
#include "chart/axis/ChartAxis.h"
#include "chart/axis/DateTimeSteps.h"

namespace chart {
namespace {

using testing::TAxisTestParent;

class NextStep : public ::testing::TestWithParam<std::pair<double, double>> {};

TEST_P(NextStep, FollowsTheOneTwoFiveSequence) {
  const auto [from, to] = GetParam();
  EXPECT_DOUBLE_EQ(TCustomChartAxis::NextIncrementStep(from), to) << from;
}

INSTANTIATE_TEST_SUITE_P(All, NextStep,
                         ::testing::Values(std::pair{1.0, 2.0}, std::pair{1.5, 2.0}, std::pair{2.0, 5.0},
                                           std::pair{3.0, 5.0}, std::pair{5.0, 10.0}, std::pair{9.9, 10.0},
                                           std::pair{10.0, 20.0}, std::pair{20.0, 50.0}, std::pair{50.0, 100.0},
                                           std::pair{700.0, 1000.0}, std::pair{0.25, 0.5}, std::pair{0.5, 1.0},
                                           std::pair{0.2, 0.5}, std::pair{0.003, 0.005}));

TEST(NextStep, ClimbsFromTheSmallestStepThroughEveryDecade) {
  // Decade scaling in doubles may repeat a member once (1e-12 comes back as
  // 1.0000000000000006e-12); the members themselves still come in order.
  std::vector<double> members;
  for (double x = 1e-12; x < 2e-10; x = TCustomChartAxis::NextIncrementStep(x)) {
    const double rounded = std::stod(std::to_string(x * 1e12)) / 1e12;
    if (members.empty() || std::fabs(members.back() - rounded) > 1e-20) members.push_back(rounded);
  }
  const std::vector<double> expected{1e-12, 2e-12, 5e-12, 1e-11, 2e-11, 5e-11, 1e-10};
  ASSERT_EQ(members.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(members[i], expected[i], 1e-24);
}

TEST(NextStep, HasNoSuccessorForDegenerateSteps) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(TCustomChartAxis::NextIncrementStep(0), 0);
  EXPECT_EQ(TCustomChartAxis::NextIncrementStep(-3), -3);
  EXPECT_EQ(TCustomChartAxis::NextIncrementStep(inf), inf);
  EXPECT_TRUE(std::isnan(TCustomChartAxis::NextIncrementStep(std::nan(""))));
  EXPECT_TRUE(std::isinf(TCustomChartAxis::NextIncrementStep(1e308)));
  EXPECT_GT(TCustomChartAxis::NextIncrementStep(5e-324), 0);
}

struct Increment : ::testing::Test {
  TAxisTestParent parent;
  TChartAxis bottom{&parent, true, false, false};
  TChartAxis left{&parent, false, false, false};

  void Range(double lo, double hi, TRect rect = {0, 0, 800, 450}) {
    parent.MinX = parent.MinY = lo;
    parent.MaxX = parent.MaxY = hi;
    parent.Rect = rect;
    for (TChartAxis* a : {&bottom, &left}) {
      a->ApplyAutomaticRange();
      a->ComputePixelSpan();
    }
  }
};

TEST_F(Increment, WorkedExampleChoosesFifty) {
  // 800 pixels, every label 30 wide, 10 % separation: room 33, at most 24 labels.
  parent.FixedTextWidth = 30;
  Range(0, 1023);
  EXPECT_EQ(bottom.ComputeIncrement(), 50);
  EXPECT_EQ(bottom.IncrementForLabelCount(24), 50);
  EXPECT_EQ(bottom.IncrementForLabelCount(25), 50);
  EXPECT_EQ(bottom.IncrementForLabelCount(51), 20);
  EXPECT_EQ(bottom.IncrementForLabelCount(1023), 1);
}

TEST_F(Increment, DemoLeftAxisKeepsStepOne) {
  Range(-0.9999976, 1.023, {27, 40, 878, 480});
  // Label height 13 + Round(1.3) = 14 per label over 440 pixels: 31 labels would fit.
  EXPECT_EQ(left.ComputeIncrement(), 1);
}

TEST_F(Increment, EmptyRangeKeepsTheSmallestStep) {
  Range(0, 0);
  EXPECT_EQ(bottom.IncrementForLabelCount(10), 1e-12);
  EXPECT_EQ(left.ComputeIncrement(), 1e-12);
}

TEST_F(Increment, FirstLayoutWithoutSpanGivesTheSmallestStep) {
  Range(0, 1023, {0, 0, 0, 0});
  EXPECT_EQ(bottom.ComputeIncrement(), 1e-12) << "limit Round(0 / room) = 0";
}

TEST_F(Increment, SmallRangesClimbFromTheSmallestStep) {
  Range(0, 0.003);
  EXPECT_NEAR(bottom.IncrementForLabelCount(10), 5e-4, 1e-15);
  EXPECT_NEAR(bottom.IncrementForLabelCount(3), 1e-3, 1e-15);
}

TEST_F(Increment, ZeroSeparationUsesTheStartStepUnchanged) {
  bottom.SetLabelsSeparation(0);
  Range(0, 1e6);
  EXPECT_EQ(bottom.IncrementForLabelCount(5), 1.0);
  Range(0, 0.5);
  EXPECT_EQ(bottom.IncrementForLabelCount(5), 1e-12);
  parent.FixedTextWidth = 30;  // room without separation is the label size: 800 / 30
  bottom.SetLabelsSeparation(10);
  Range(0, 26);
  EXPECT_EQ(bottom.ComputeIncrement(), 2) << "26 labels of 33 pixels do not fit";
  bottom.SetLabelsSeparation(0);
  EXPECT_EQ(bottom.ComputeIncrement(), 1);
}

TEST_F(Increment, UserIncrementGrowsAlongTheSequence) {
  bottom.SetIncrement(0.25);
  Range(0, 1000);
  EXPECT_EQ(bottom.IncrementForLabelCount(20), 50);
  EXPECT_EQ(bottom.IncrementForLabelCount(4000), 0.25);
  bottom.SetIncrement(3);
  EXPECT_EQ(bottom.IncrementForLabelCount(100), 10) << "3 is not a member: 5, then 10";
}

TEST_F(Increment, RotatedLabelsMeasureByLineHeight) {
  parent.CharWidth = 100;  // wide enough that width-based room would force a larger step
  Range(0, 40);
  bottom.SetLabelsAngle(90);
  EXPECT_EQ(bottom.LabelWidth(40), 13);
  EXPECT_EQ(bottom.ComputeIncrement(), 1) << "room 14: 57 labels fit";
  left.SetLabelsAngle(90);
  EXPECT_EQ(left.LabelHeight(40), 200);
}

TEST_F(Increment, MultiLineLabelsCountTheirLines) {
  left.SetLabelsMultiLine(true);
  parent.Rect = {0, 0, 100, 100};
  // "%g" of 1e+06 has no space; make one through the label text instead.
  struct SpacedParent : TAxisTestParent {
    std::string FormatAxisLabel(const TCustomChartAxis&, double, bool) override { return "12 345"; }
  } spaced;
  TChartAxis axis(&spaced, false, false, false);
  axis.SetLabelsMultiLine(true);
  EXPECT_EQ(axis.FormatLabel(1), "12\r345");
  EXPECT_EQ(axis.LabelHeight(1), 26);
  EXPECT_EQ(axis.LabelWidth(1), 21);
}

TEST_F(Increment, SearchTerminatesOnDegenerateRanges) {
  const double inf = std::numeric_limits<double>::infinity();
  for (auto [lo, hi] : {std::pair{0.0, std::nan("")}, std::pair{-inf, inf}, std::pair{0.0, inf},
                        std::pair{-1.7e308, 1.7e308}, std::pair{0.0, 1.7e308}, std::pair{0.0, 5e-324}}) {
    Range(lo, hi);
    const double step = bottom.IncrementForLabelCount(1);
    EXPECT_GE(step, 1e-12) << lo << ".." << hi;
    EXPECT_TRUE(std::isfinite(step)) << lo << ".." << hi;
    EXPECT_GE(bottom.ComputeIncrement(), 1e-12);
  }
}

TEST_F(Increment, DateTimeStepsComeFromTheTable) {
  parent.DateTime = true;
  bottom.RefreshScaleIsDateTime();
  ASSERT_TRUE(bottom.ScaleIsDateTime());
  Range(0, 1);  // one day
  EXPECT_DOUBLE_EQ(bottom.IncrementForLabelCount(10), 6 * OneHour);
  EXPECT_DOUBLE_EQ(bottom.IncrementForLabelCount(0), OneSecond);
  Range(0, 1000);
  EXPECT_EQ(bottom.IncrementForLabelCount(5), 182);
  Range(0, 10000);
  EXPECT_EQ(bottom.IncrementForLabelCount(2), 5840) << "past a year the step doubles";
  Range(0, 100);  // 8.64 million seconds: starts at a millionth of the range
  EXPECT_DOUBLE_EQ(bottom.IncrementForLabelCount(1000000), 1e-4);
  EXPECT_DOUBLE_EQ(bottom.IncrementForLabelCount(999999), 10 * OneSecond);
}

}  // namespace
}  // namespace chart
