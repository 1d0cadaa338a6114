// Points added in any order to an ordered series land where a plain scan down from the
// end would put them (equal X in arrival order, a stored NaN stopping the scan), with one
// after-add event, one insert notice to a linked series and one repaint request each.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "chart/panel/Chart.h"
#include "chart/series/ChartSeries.h"

namespace chart {
namespace {

struct OrderCase {
  const char* name;
  TChartListOrder order;
  std::function<double(int)> x;  // X of the i-th point added
  int breakAt = -1;  // before this add, X of point 10 is overwritten out of order
  bool observed = true;  // an after-add handler and a linked series read every new point
  int readEvery = 0;     // without observers: read the series after every this many adds
  bool mirrored = false;  // without observers: a linked series copies every new point
};

void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.name; }

class OrderedInsertionOfPoints : public ::testing::TestWithParam<OrderCase> {};

TEST_P(OrderedInsertionOfPoints, MatchesTheScanFromTheEnd) {
  const OrderCase& c = GetParam();
  constexpr int kPoints = 3000;
  TChart chart;
  TChartSeries s;
  s.SetParentChart(&chart);
  s.XValues().SetOrder(c.order);
  // Y arrives rising but lands wherever X puts it: its own ordered tail must follow.
  s.YValues().SetOrder(loAscending);
  TChartSeries linked;  // inactive: the repaint requests counted are the source's
  linked.SetActive(false);
  linked.SetParentChart(&chart);
  linked.XValues().SetOrder(c.order);
  const bool linkedReads = c.observed || c.mirrored;
  if (linkedReads) linked.SetDataSource(&s);
  std::vector<int> afterAdd;
  if (c.observed) s.OnAfterAdd = [&](TChartSeries*, int index) { afterAdd.push_back(index); };

  struct Ref {
    double x, y;
  };
  std::vector<Ref> ref;
  std::vector<int> expectedIndices;
  const auto repaintsBefore = chart.InvalidateCount();
  for (int i = 0; i < kPoints; ++i) {
    if (i == c.breakAt) {
      s.XValues().SetValue(10, 1e9);  // the linked series rebuilds itself by its own rule
      ref[10].x = 1e9;
    }
    const double x = c.x(i);
    int k = static_cast<int>(ref.size()) - 1;
    while (c.order != loNone && k >= 0 && (c.order == loDescending ? ref[static_cast<std::size_t>(k)].x < x : ref[static_cast<std::size_t>(k)].x > x)) --k;
    ref.insert(ref.begin() + (k + 1), {x, static_cast<double>(i)});
    expectedIndices.push_back(k + 1);
    // Labels and colours travel with their points.
    const std::string label = i % 3 ? std::string() : std::to_string(i);
    ASSERT_EQ(s.AddPoint(x, i, label, i % 5 ? clDefault : static_cast<TColor>(i)), k + 1) << "point " << i;
    if (c.readEvery && i % c.readEvery == 0) {
      ASSERT_EQ(s.YValue(k + 1), i);
    }
  }
  if (c.observed) {
    EXPECT_EQ(afterAdd, expectedIndices);
  }
  EXPECT_EQ(chart.InvalidateCount() - repaintsBefore, static_cast<std::uint64_t>(kPoints));
  ASSERT_EQ(s.Count(), kPoints);
  EXPECT_EQ(s.YValues().Minimum(), 0);
  EXPECT_EQ(s.YValues().Maximum(), kPoints - 1);
  if (linkedReads) {
    ASSERT_EQ(linked.Count(), kPoints);
  }
  for (int i = 0; i < kPoints; ++i) {
    const Ref& r = ref[static_cast<std::size_t>(i)];
    // Y is the arrival number: equal X must keep it rising.
    ASSERT_EQ(s.YValue(i), r.y) << "index " << i;
    ASSERT_EQ(std::isnan(s.XValue(i)) ? 0 : s.XValue(i), std::isnan(r.x) ? 0 : r.x) << "index " << i;
    const int arrival = static_cast<int>(r.y);
    ASSERT_EQ(s.XLabel(i), arrival % 3 ? std::string() : std::to_string(arrival)) << "index " << i;
    ASSERT_EQ(s.ValueColor(i), arrival % 5 ? s.SeriesColor() : static_cast<TColor>(arrival)) << "index " << i;
    if (linkedReads && c.breakAt < 0) {
      ASSERT_EQ(linked.YValue(i), r.y) << "linked, index " << i;
      ASSERT_EQ(linked.XLabel(i), s.XLabel(i)) << "linked, index " << i;
      ASSERT_EQ(linked.ValueColor(i), arrival % 5 ? linked.SeriesColor() : s.ValueColor(i)) << "linked, index " << i;
    }
  }
}

double Shuffled(int i) {
  static const std::vector<double> xs = [] {
    std::mt19937 rng(7);
    std::vector<double> v(3000);
    for (double& x : v) x = std::uniform_int_distribution<int>(0, 200)(rng);
    return v;
  }();
  return xs[static_cast<std::size_t>(i)];
}

INSTANTIATE_TEST_SUITE_P(
    Orders, OrderedInsertionOfPoints,
    ::testing::Values(
        OrderCase{"Rising", loAscending, [](int i) { return i; }},
        OrderCase{"Falling", loAscending, [](int i) { return -i; }},
        OrderCase{"FallingInPairsOfEqualX", loAscending, [](int i) { return -(i / 2); }},
        OrderCase{"Sawtooth", loAscending, [](int i) { return i % 97 - (i / 97) * 0.5; }},
        OrderCase{"BothEndsInTurn", loAscending, [](int i) { return i % 2 ? i : -i; }},
        OrderCase{"ShuffledWithTies", loAscending, Shuffled},
        OrderCase{"FallingPastANaN", loAscending, [](int i) { return i == 1500 ? std::nan("") : -i; }},
        OrderCase{"FallingAfterAnOverwrite", loAscending, [](int i) { return -i; }, 2000},
        OrderCase{"ShuffledAfterAnOverwrite", loAscending, Shuffled, 1000},
        OrderCase{"RisingIntoDescending", loDescending, [](int i) { return i / 3; }},
        OrderCase{"ShuffledIntoDescending", loDescending, Shuffled},
        OrderCase{"UnorderedAppends", loNone, Shuffled},
        // Nobody reads the new points: they may wait and be merged in later.
        OrderCase{"ShuffledUnread", loAscending, Shuffled, -1, false},
        OrderCase{"ShuffledIntoDescendingUnread", loDescending, Shuffled, -1, false},
        OrderCase{"ShuffledReadNowAndThen", loAscending, Shuffled, -1, false, 250},
        OrderCase{"FallingPastANaNUnread", loAscending, [](int i) { return i == 1500 ? std::nan("") : -i; }, -1, false},
        OrderCase{"ShuffledAfterRisingUnread", loAscending, [](int i) { return i < 1000 ? i - 1000 : Shuffled(i); }, -1, false},
        OrderCase{"ShuffledAmongNaNsMirrored", loAscending, [](int i) { return i % 7 ? Shuffled(i) : std::nan(""); }, -1, false, 0, true},
        OrderCase{"FallingBehindNaNsUnread", loAscending, [](int i) { return i < 1000 ? std::nan("") : -i; }, -1, false},
        OrderCase{"ShuffledAmongNaNsUnread", loDescending, [](int i) { return i % 7 ? Shuffled(i) : std::nan(""); }, -1, false},
        OrderCase{"ShuffledAmongNaNsReadNowAndThen", loAscending, [](int i) { return i % 300 ? Shuffled(i) : std::nan(""); }, -1, false, 50},
        OrderCase{"ShuffledAfterAnOverwriteUnread", loAscending, Shuffled, 1000, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace chart
