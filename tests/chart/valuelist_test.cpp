#include "chart/series/ChartValueList.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "chart/core/Exceptions.h"
#include "chart/series/ChartSeries.h"

namespace chart {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::vector<double> Values(const TChartValueList& l) {
  std::vector<double> v;
  for (int i = 0; i < l.Count(); ++i) v.push_back(l.Value(i));
  return v;
}

// --- ordered insertion ---------------------------------------------------------------------

struct InsertCase {
  const char* name;
  TChartListOrder order;
  std::vector<double> adds;
  std::vector<int> indices;    // index returned by each AddValue
  std::vector<double> result;  // final contents
};

class OrderedInsertion : public ::testing::TestWithParam<InsertCase> {};

TEST_P(OrderedInsertion, PlacesEachValueByTheOrderRule) {
  const InsertCase& c = GetParam();
  TChartValueList list(nullptr, "X");
  list.SetOrder(c.order);
  std::vector<int> got;
  for (double v : c.adds) got.push_back(list.AddValue(v));
  EXPECT_EQ(got, c.indices);
  EXPECT_EQ(Values(list), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    ValueList, OrderedInsertion,
    ::testing::Values(
        InsertCase{"NoneAppends", loNone, {3, 1, 2}, {0, 1, 2}, {3, 1, 2}},
        InsertCase{"AscendingInOrder", loAscending, {1, 2, 3}, {0, 1, 2}, {1, 2, 3}},
        InsertCase{"AscendingSmallestGoesFirst", loAscending, {5, 6, 1}, {0, 1, 0}, {1, 5, 6}},
        InsertCase{"AscendingMiddle", loAscending, {1, 5, 3}, {0, 1, 1}, {1, 3, 5}},
        InsertCase{"AscendingEqualGoesAfterAllEqual", loAscending, {1, 2, 2, 3, 2}, {0, 1, 2, 3, 3},
                   {1, 2, 2, 2, 3}},
        InsertCase{"DescendingInOrder", loDescending, {3, 2, 1}, {0, 1, 2}, {3, 2, 1}},
        InsertCase{"DescendingLargestGoesFirst", loDescending, {5, 4, 9}, {0, 1, 0}, {9, 5, 4}},
        InsertCase{"DescendingEqualGoesAfterAllEqual", loDescending, {5, 3, 3, 1, 3}, {0, 1, 2, 3, 3},
                   {5, 3, 3, 3, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ValueList, InsertionComparesRawValuesNotMultiplied) {
  // With a negative multiplier the read values run the other way; insertion must still
  // follow the stored numbers.
  TChartValueList list(nullptr, "X");
  list.SetOrder(loAscending);
  list.SetMultiplier(-1);
  list.AddValue(1);
  list.AddValue(3);
  EXPECT_EQ(list.AddValue(2), 1);
  EXPECT_EQ(Values(list), (std::vector<double>{-1, -2, -3}));
}

TEST(ValueList, NaNIsAppendedAndAStoredNaNStopsTheScan) {
  TChartValueList list(nullptr, "X");
  list.SetOrder(loAscending);
  list.AddValue(1);
  list.AddValue(5);
  EXPECT_EQ(list.AddValue(kNaN), 2);  // never compares: appended
  EXPECT_EQ(list.AddValue(0), 3);     // the scan stops at the NaN: placed after it
  EXPECT_EQ(list.AddValue(-kInf), 3);
  EXPECT_EQ(list.Count(), 5);
}

// Values go where the scan down from the end puts them while values before the ordered
// tail change, go and come (the cached extreme of those values must follow).
TEST(ValueList, InsertionFollowsTheScanWhileTheUnorderedHeadChanges) {
  std::mt19937 rng(5);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  auto value = [&]() { return pick(0, 30) == 0 ? std::nan("") : static_cast<double>(pick(0, 50)); };
  TChartValueList list(nullptr, "X");
  list.SetOrder(loAscending);
  std::vector<double> ref;
  for (int step = 0; step < 6000; ++step) {
    const int n = static_cast<int>(ref.size());
    const int op = pick(0, 9);
    if (op < 2 && n > 0) {
      const int i = pick(0, n - 1);
      const double v = value();
      list.SetValue(i, v);
      ref[static_cast<std::size_t>(i)] = v;
    } else if (op < 4 && n > 0) {
      const int i = pick(0, n - 1);
      list.Delete(i);
      ref.erase(ref.begin() + i);
    } else {
      const double v = value();
      int k = n - 1;
      while (k >= 0 && ref[static_cast<std::size_t>(k)] > v) --k;
      ASSERT_EQ(list.AddValue(v), k + 1) << "step " << step;
      ref.insert(ref.begin() + (k + 1), v);
    }
  }
}

// --- statistics ------------------------------------------------------------------------------

TEST(ValueList, StatisticsAreZeroWhenEmptyAndRecomputedLazily) {
  TChartValueList list(nullptr, "Y");
  EXPECT_TRUE(list.StatisticsDirty());
  EXPECT_EQ(list.Minimum(), 0);
  EXPECT_EQ(list.Maximum(), 0);
  EXPECT_EQ(list.Total(), 0);
  EXPECT_EQ(list.TotalAbs(), 0);
  EXPECT_FALSE(list.StatisticsDirty());

  for (double v : {3.0, -4.0, 10.0, 0.5}) list.AddValue(v);
  EXPECT_TRUE(list.StatisticsDirty());
  EXPECT_EQ(list.Minimum(), -4);
  EXPECT_FALSE(list.StatisticsDirty());
  EXPECT_EQ(list.Maximum(), 10);
  EXPECT_EQ(list.Total(), 9.5);
  EXPECT_EQ(list.TotalAbs(), 17.5);
}

TEST(ValueList, EveryChangeSetsTheDirtyFlag) {
  TChartValueList list(nullptr, "Y");
  list.AddValue(1);
  list.AddValue(2);
  auto clean = [&] { (void)list.Minimum(); ASSERT_FALSE(list.StatisticsDirty()); };
  clean();
  list.SetValue(0, 7);
  EXPECT_TRUE(list.StatisticsDirty());
  EXPECT_EQ(list.Maximum(), 7);
  clean();
  list.InsertValue(0, -1);
  EXPECT_EQ(list.Minimum(), -1);
  clean();
  list.Delete(0);
  EXPECT_EQ(list.Minimum(), 2);
  clean();
  list.SetMultiplier(3);
  EXPECT_EQ(list.Maximum(), 21);
  clean();
  list.Clear();
  EXPECT_EQ(list.Maximum(), 0);
}

TEST(ValueList, MultiplierAppliesToEveryReadButNotToStorage) {
  TChartValueList list(nullptr, "Y");
  list.AddValue(1.5);
  list.AddValue(-2);
  list.SetMultiplier(2);
  EXPECT_EQ(list.Value(0), 3);
  EXPECT_EQ(list.RawValue(0), 1.5);
  EXPECT_EQ(list.LastValue(), -4);
  EXPECT_EQ(list.Minimum(), -4);
  EXPECT_EQ(list.Maximum(), 3);
  EXPECT_EQ(list.Total(), -1);
  EXPECT_EQ(list.TotalAbs(), 7);
  EXPECT_EQ(list.IndexOfValue(3), 0);
  EXPECT_EQ(list.IndexOfValue(1.5), -1);
}

TEST(ValueList, NaNTakesNoPartInStatisticsAndInfinityDoes) {
  TChartValueList list(nullptr, "Y");
  list.AddValue(kNaN);
  EXPECT_EQ(list.Minimum(), 0);  // no number at all: as an empty list
  EXPECT_EQ(list.Maximum(), 0);
  EXPECT_EQ(list.Total(), 0);
  list.AddValue(2);
  list.AddValue(kNaN);
  list.AddValue(-1);
  EXPECT_EQ(list.Minimum(), -1);
  EXPECT_EQ(list.Maximum(), 2);
  EXPECT_EQ(list.Total(), 1);
  EXPECT_EQ(list.TotalAbs(), 3);
  list.AddValue(kInf);
  EXPECT_EQ(list.Maximum(), kInf);
  EXPECT_EQ(list.Total(), kInf);
  list.AddValue(-kInf);
  EXPECT_EQ(list.Minimum(), -kInf);
  EXPECT_TRUE(std::isnan(list.Total()));  // inf - inf
  EXPECT_TRUE(std::isnan(list.Value(0)));  // stored and read back unchanged
  EXPECT_EQ(list.IndexOfValue(kNaN), -1);  // nothing equals NaN
}

// --- errors ----------------------------------------------------------------------------------

TEST(ValueList, BadIndexRaisesTheListErrorWithTheIndexAndChangesNothing) {
  TChartValueList list(nullptr, "Y");
  EXPECT_THROW(list.LastValue(), EListError);
  list.AddValue(1);
  list.AddValue(2);
  auto expectError = [&](auto&& op, long long index) {
    try {
      op();
      ADD_FAILURE() << "no error for index " << index;
    } catch (const EListError& e) {
      EXPECT_EQ(std::string(e.what()), "List index out of bounds (" + std::to_string(index) + ")");
    }
    EXPECT_EQ(Values(list), (std::vector<double>{1, 2}));
  };
  expectError([&] { (void)list.Value(2); }, 2);
  expectError([&] { (void)list.Value(-1); }, -1);
  expectError([&] { list.SetValue(5, 0); }, 5);
  expectError([&] { list.Delete(2); }, 2);
  expectError([&] { list.InsertValue(3, 0); }, 3);
  expectError([&] { list.InsertValue(-1, 0); }, -1);
  list.InsertValue(2, 3);  // Count itself is a valid insertion point
  EXPECT_EQ(list.LastValue(), 3);
}

// --- other operations ------------------------------------------------------------------------

TEST(ValueList, ClearReleasesTheStorage) {
  TChartValueList list(nullptr, "Y");
  for (int i = 0; i < 1000; ++i) list.AddValue(i);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Capacity(), 0u);
}

TEST(ValueList, RotateMovesTheFirstValueToTheEnd) {
  TChartValueList list(nullptr, "Y");
  list.Rotate();  // nothing on an empty list
  for (double v : {1.0, 2.0, 3.0}) list.AddValue(v);
  list.Rotate();
  EXPECT_EQ(Values(list), (std::vector<double>{2, 3, 1}));
  EXPECT_EQ(list.Minimum(), 1);
  EXPECT_EQ(list.Total(), 6);
}

TEST(ValueList, AssignCopiesSettingsButNotValuesOrName) {
  TChartValueList a(nullptr, "A"), b(nullptr, "B");
  a.SetOrder(loDescending);
  a.SetDateTime(true);
  a.SetMultiplier(0.5);
  a.SetValueSource("Field");
  a.AddValue(1);
  b.Assign(a);
  EXPECT_EQ(b.Order(), loDescending);
  EXPECT_TRUE(b.DateTime());
  EXPECT_EQ(b.Multiplier(), 0.5);
  EXPECT_EQ(b.ValueSource(), "Field");
  EXPECT_EQ(b.Name(), "B");
  EXPECT_EQ(b.Count(), 0);
}

TEST(ValueList, FillWithIndicesOverwritesInPlace) {
  TChartValueList list(nullptr, "X");
  for (double v : {9.0, 7.0, 8.0}) list.AddValue(v);
  list.FillWithIndices();
  EXPECT_EQ(Values(list), (std::vector<double>{0, 1, 2}));
}

// --- sorting ---------------------------------------------------------------------------------

TEST(ValueList, SortOrdersAStandaloneListAndIgnoresNone) {
  TChartValueList list(nullptr, "X");
  for (double v : {5.0, 1.0, 4.0, 1.0, 3.0, 9.0, 0.0}) list.AddValue(v);
  list.Sort();  // loNone: unchanged
  EXPECT_EQ(Values(list), (std::vector<double>{5, 1, 4, 1, 3, 9, 0}));
  list.SetOrder(loAscending);
  list.Sort();
  EXPECT_EQ(Values(list), (std::vector<double>{0, 1, 1, 3, 4, 5, 9}));
  list.SetOrder(loDescending);
  list.Sort();
  EXPECT_EQ(Values(list), (std::vector<double>{9, 5, 4, 3, 1, 1, 0}));
}

TEST(ValueList, SortComparesMultipliedValues) {
  TChartValueList list(nullptr, "X");
  for (double v : {1.0, 3.0, 2.0}) list.AddValue(v);
  list.SetMultiplier(-1);
  list.SetOrder(loAscending);
  list.Sort();
  EXPECT_EQ(Values(list), (std::vector<double>{-3, -2, -1}));
}

TEST(ValueList, SortMovesWholePointsOfTheOwningSeries) {
  TChartSeries s;
  s.XValues().SetOrder(loNone);
  s.AddPoint(3, 30, "c", clRed);
  s.AddPoint(1, 10, "a", clBlue);
  s.AddPoint(2, 20, "", clDefault);
  s.XValues().SetOrder(loAscending);
  s.XValues().Sort();
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(s.XValue(i), i + 1);
    EXPECT_EQ(s.YValue(i), 10 * (i + 1));
  }
  EXPECT_EQ(s.XLabel(0), "a");
  EXPECT_EQ(s.XLabel(1), "");
  EXPECT_EQ(s.XLabel(2), "c");
  EXPECT_EQ(s.ValueColor(0), clBlue);
  EXPECT_EQ(s.ValueColor(2), clRed);
}

TEST(ValueList, SortSurvivesNaNAndLargeAdversarialInputs) {
  // NaN compares false both ways; the sort must stay in range and terminate. A long
  // sawtooth checks that the recursion depth stays small.
  TChartValueList list(nullptr, "X");
  list.SetOrder(loAscending);
  for (int i = 0; i < 200000; ++i) list.InsertValue(i, (i % 7 == 0) ? kNaN : double((i * 7919) % 1000));
  list.Sort();
  EXPECT_EQ(list.Count(), 200000);
  int nans = 0;
  for (int i = 0; i < list.Count(); ++i) nans += std::isnan(list.Value(i));
  EXPECT_EQ(nans, (200000 + 6) / 7);

  TChartValueList plain(nullptr, "X");
  plain.SetOrder(loDescending);
  for (int i = 0; i < 100000; ++i) plain.InsertValue(i, i / 2);  // ascending with pairs
  plain.Sort();
  for (int i = 1; i < plain.Count(); ++i) ASSERT_GE(plain.Value(i - 1), plain.Value(i));
}

}  // namespace
}  // namespace chart
