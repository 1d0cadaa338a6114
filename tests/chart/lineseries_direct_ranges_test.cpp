// Direct drawing against the point-by-point reference on scales the block mapping finds
// hard: ranges beyond the largest double, near it, far below one, an infinite end,
// inverted and logarithmic axes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "lineseries_fixture.h"

namespace chart {
namespace {

using testing::LineSeriesFixture;
using testing::TRecordedOp;

struct RangeCase {
  const char* name;
  double low, high;          // the data
  double axisMin, axisMax;   // of the vertical axis; equal: automatic
  bool inverted = false, logarithmic = false;
};

void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.name; }

class DirectRanges : public LineSeriesFixture, public ::testing::WithParamInterface<RangeCase> {};

std::vector<std::vector<int>> Calls(const std::vector<TRecordedOp>& ops) {
  std::vector<std::vector<int>> out;
  for (const TRecordedOp& op : ops) {
    std::vector<int> row{static_cast<int>(op.Op), static_cast<int>(op.Pen.Color())};
    row.insert(row.end(), op.Args.begin(), op.Args.end());
    out.push_back(row);
  }
  return out;
}

TEST_P(DirectRanges, IssueWhatThePointByPointPathIssues) {
  const RangeCase& c = GetParam();
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> u(0, 1);
  // Mostly inside the data range, with its ends and a few values far beyond them.
  auto value = [&](int i) {
    if (i % 97 == 0) return i % 2 ? c.low : c.high;
    const double t = u(rng);
    const double v = c.low * (1 - t) + c.high * t;
    return i % 31 == 0 && std::isfinite(v * 1e3) ? v * 1e3 : v;
  };
  std::vector<double> xs(2000);
  for (int i = 0; i < 2000; ++i) xs[i] = value(i);
  std::sort(xs.begin(), xs.end());
  TLineSeries line;
  line.SetParentChart(&chart);
  for (int i = 0; i < 2000; ++i) line.AddPoint(xs[i], value(i));
  // A fixed range only on the vertical axis: the visible points are found on the other.
  if (c.axisMin != c.axisMax) chart.LeftAxis()->SetRange(c.axisMin, c.axisMax);
  for (TCustomChartAxis* axis : {chart.BottomAxis(), chart.LeftAxis()}) {
    axis->SetInverted(c.inverted);
    axis->SetLogarithmic(c.logarithmic);
  }

  // The layout settles in the second paint (labels are measured on the span of the one
  // before); both paths then see the same one.
  PaintSeriesOps();
  line.SetDirectDrawing(false);
  const auto reference = Calls(PaintSeriesOps());
  line.SetDirectDrawing(true);
  const auto direct = Calls(PaintSeriesOps());
  ASSERT_GT(reference.size(), 10u);
  EXPECT_EQ(direct, reference);
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(All, DirectRanges,
                         ::testing::Values(RangeCase{"beyond the largest double", -1e308, 1e308, 0, 0},
                                           RangeCase{"near the largest double", 0, 1e306, 0, 0},
                                           RangeCase{"inverted near the largest double", -1e305, 1e306, 0, 0, true},
                                           RangeCase{"an infinite end", -1, 1e306, -1, kInf},
                                           RangeCase{"tiny far from zero", 1000, 1000 + 1e-10, 1000, 1000 + 1e-10},
                                           RangeCase{"subnormal", 0, 1e-310, 0, 0},
                                           RangeCase{"logarithmic", 1, 1e6, 0, 0, false, true},
                                           RangeCase{"inverted logarithmic", 1e-3, 1e300, 0, 0, true, true}));

}  // namespace
}  // namespace chart
