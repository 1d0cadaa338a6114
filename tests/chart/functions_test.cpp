// Calculation functions: the one-source rules with their grouping, the many-source rules,
// the period checks, and rebuilding along chains of linked series.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "chart/axis/AxisDateTime.h"
#include "chart/core/Exceptions.h"
#include "chart/functions/StandardFunctions.h"
#include "chart/panel/Chart.h"
#include "chart/registry/ChartModules.h"
#include "chart/registry/ClassRegistry.h"
#include "chart/seriestypes/LineSeries.h"
#include "chart/seriestypes/PointSeries.h"

namespace chart {
namespace {

using TPoints = std::vector<std::pair<double, double>>;

TPoints PointsOf(const TChartSeries& s) {
  TPoints p;
  for (int i = 0; i < s.Count(); ++i) p.emplace_back(s.XValue(i), s.YValue(i));
  return p;
}

template <class F>
std::unique_ptr<TZelFunction> Make(double period = 0, TFunctionPeriodStyle style = psNumPoints,
                                   TFunctionPeriodAlign align = paCenter) {
  auto f = std::make_unique<F>();
  f->SetPeriod(period);
  f->SetPeriodStyle(style);
  f->SetPeriodAlign(align);
  return f;
}

class Functions : public ::testing::Test {
 protected:
  // A source on the chart with the points (xs[i], ys[i]).
  TLineSeries& Source(const std::vector<double>& xs, const std::vector<double>& ys) {
    auto& s = *Own(std::make_unique<TLineSeries>());
    s.SetName("Source" + std::to_string(owned.size()));
    s.AppendPoints(xs, ys);
    return s;
  }
  template <class T = TLineSeries>
  T& Target() { return *Own(std::make_unique<T>()); }
  template <class T>
  T* Own(std::unique_ptr<T> s) {
    T* raw = s.get();
    raw->SetParentChart(&chart);
    owned.push_back(std::move(s));
    return raw;
  }

  TChart chart;
  std::vector<std::unique_ptr<TChartSeries>> owned;
};

TEST_F(Functions, OneSourceResultsAndGrouping) {
  const std::vector<double> x10{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, y10{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  const std::vector<double> x7{0, 1, 2, 3, 4, 5, 6}, y7{1, 2, 3, 4, 5, 6, 7};
  const std::vector<double> xr{0, 1, 5, 5.5}, yr{1, 2, 4, 8};
  struct Case {
    const char* what;
    std::function<std::unique_ptr<TZelFunction>()> make;
    bool pointSeries;
    const std::vector<double>& xs;
    const std::vector<double>& ys;
    TPoints expected;
  };
  const Case cases[] = {
      {"average of all, line: two points at the ends", [] { return Make<TAverageZelFunction>(); }, false, x10, y10,
       {{0, 5.5}, {9, 5.5}}},
      {"average of all, point series: one point in the middle", [] { return Make<TAverageZelFunction>(); }, true, x10,
       y10, {{4.5, 5.5}}},
      {"high and low of all", [] { return Make<THighZelFunction>(); }, true, x7, y7, {{3, 7}}},
      {"low of all", [] { return Make<TLowZelFunction>(); }, true, x7, y7, {{3, 1}}},
      {"add by 3 centred: the short last group adds nothing", [] { return Make<TAddZelFunction>(3); }, true, x7, y7,
       {{1, 6}, {4, 15}}},
      {"high by 2 at the first point", [] { return Make<THighZelFunction>(2, psNumPoints, paFirst); }, true, x7, y7,
       {{0, 2}, {2, 4}, {4, 6}}},
      {"low by 2 at the last point", [] { return Make<TLowZelFunction>(2, psNumPoints, paLast); }, true, x7, y7,
       {{1, 1}, {3, 3}, {5, 5}}},
      {"a period under one point groups single points", [] { return Make<TAverageZelFunction>(0.3); }, true, xr, yr,
       {{0, 1}, {1, 2}, {5, 4}, {5.5, 8}}},
      {"a period beyond the count adds nothing", [] { return Make<TAddZelFunction>(1e300); }, true, x7, y7, {}},
      {"one-source subtract is 0", [] { return Make<TSubtractZelFunction>(); }, true, x7, y7, {{3, 0}}},
      {"ranges of 2 at their start: an empty range gives 0", [] { return Make<TAddZelFunction>(2, psRange, paFirst); },
       true, xr, yr, {{0, 3}, {2, 0}, {4, 12}}},
      {"ranges of 2 at their end", [] { return Make<TAverageZelFunction>(2, psRange, paLast); }, true, xr, yr,
       {{1.998, 1.5}, {3.998, 0}, {5.998, 6}}},
      {"ranges of 4 centred", [] { return Make<THighZelFunction>(4, psRange); }, true, xr, yr,
       {{1.998, 2}, {5.998, 8}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TLineSeries& source = Source(c.xs, c.ys);
    TChartSeries& target = c.pointSeries ? static_cast<TChartSeries&>(Target<TPointSeries>()) : Target();
    target.SetFunction(c.make());
    target.SetDataSource(&source);
    const TPoints got = PointsOf(target);
    ASSERT_EQ(got.size(), c.expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
      EXPECT_DOUBLE_EQ(got[i].first, c.expected[i].first) << i;
      EXPECT_DOUBLE_EQ(got[i].second, c.expected[i].second) << i;
    }
  }
}

TEST_F(Functions, ManySourcesCombineIndexByIndex) {
  struct Case {
    const char* what;
    std::function<std::unique_ptr<TZelFunction>()> make;
    std::vector<std::vector<double>> sources;  // Y values; X = index
    std::vector<double> expected;              // one per point of the first source
  };
  const Case cases[] = {
      {"subtract: a missing point is skipped", [] { return Make<TSubtractZelFunction>(); }, {{5, 6}, {2}}, {3, 6}},
      {"divide: a zero divisor is skipped", [] { return Make<TDivideZelFunction>(); }, {{8, 9}, {0, 3}}, {8, 3}},
      {"multiply in source order", [] { return Make<TMultiplyZelFunction>(); }, {{2, 3}, {4}, {0.5, 2}}, {4, 6}},
      {"add", [] { return Make<TAddZelFunction>(); }, {{1, 2, 3}, {10}, {100, 200}}, {111, 202, 3}},
      {"average over the sources that have the point", [] { return Make<TAverageZelFunction>(); },
       {{1, 2, 3}, {3}, {5, 6}}, {3, 4, 3}},
      {"high starts at 0; the first source always counts", [] { return Make<THighZelFunction>(); },
       {{-5, -5}, {-7, -1}}, {-5, -1}},
      {"low: the smallest", [] { return Make<TLowZelFunction>(); },
       {{1, 4, 2}, {3, 5}}, {1, 4, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<TChartComponent*> sources;
    for (const auto& ys : c.sources) {
      std::vector<double> xs(ys.size());
      for (std::size_t i = 0; i < xs.size(); ++i) xs[i] = static_cast<double>(i);
      sources.push_back(&Source(xs, ys));
    }
    TLineSeries& target = Target();
    target.SetFunction(c.make());
    target.SetDataSources(sources);
    std::vector<double> got;
    for (int i = 0; i < target.Count(); ++i) got.push_back(target.YValue(i));
    EXPECT_EQ(got, c.expected);
  }
}

TEST_F(Functions, ManySourceResultsTakeTheFirstSourcesPositionsAndLabels) {
  TLineSeries& a = Source({}, {});
  a.AddPoint(10, 1, "ten");
  a.AddPoint(20, 2, "twenty");
  TLineSeries& b = Source({0, 1}, {5, 5});
  TLineSeries& target = Target();
  target.SetFunction(Make<TAddZelFunction>());
  TChartComponent* const sources[] = {&a, &b};
  target.SetDataSources(sources);
  EXPECT_EQ(PointsOf(target), (TPoints{{10, 6}, {20, 7}}));
  EXPECT_EQ(target.XLabel(1), "twenty");
  EXPECT_EQ(target.DataSources(), (std::vector<TChartSeries*>{&a, &b}));
  EXPECT_EQ(b.LinkedSeries(), std::vector<TChartSeries*>{&target});
}

TEST_F(Functions, PeriodRejectsNegativeAndNaNAndKeepsItsValue) {
  TAddZelFunction f;
  f.SetPeriod(2);
  for (double bad : {-1.0, -1e-300, std::nan("")}) {
    try {
      f.SetPeriod(bad);
      ADD_FAILURE() << bad;
    } catch (const ChartException& e) {
      EXPECT_STREQ(e.what(), "Function Period should be >= 0");
    }
    EXPECT_EQ(f.Period(), 2);
  }
}

TEST_F(Functions, DateTimeRangesStepByCalendarMonths) {
  const double jan31 = EncodeDate({2024, 1, 31}), feb29 = EncodeDate({2024, 2, 29}), mar1 = EncodeDate({2024, 3, 1});
  TLineSeries& source = Source({jan31, feb29 - 0.5, feb29, mar1}, {1, 2, 4, 8});
  source.XValues().SetDateTime(true);
  TPointSeries& target = Target<TPointSeries>();
  target.SetFunction(Make<TAddZelFunction>(30, psRange, paFirst));
  target.SetDataSource(&source);
  // 31 January + one month is 29 February (the month's last day): the first range ends there.
  EXPECT_EQ(PointsOf(target), (TPoints{{jan31, 3}, {feb29, 12}}));
  EXPECT_TRUE(target.XValues().DateTime());
}

TEST_F(Functions, RangeWalksStopOnUnreachableOrNaNPositions) {
  TLineSeries& source = Source({0, 1e12}, {1, 2});
  TPointSeries& target = Target<TPointSeries>();
  target.SetFunction(Make<TAddZelFunction>(1, psRange, paFirst));
  target.SetDataSource(&source);
  EXPECT_EQ(target.Count(), 1 + TZelFunction::MaxEmptyRanges);

  TLineSeries& nan = Source({std::nan("")}, {1});
  target.SetDataSource(&nan);
  EXPECT_LE(target.Count(), 1 + TZelFunction::MaxEmptyRanges);
}

// Counts how often each series of a chain is rebuilt.
class TCountingAverage : public TAverageZelFunction {
 public:
  explicit TCountingAverage(int& counter) : Counter(counter) {}
  void AddPoints(TChartSeries& source) override {
    ++Counter;
    TAverageZelFunction::AddPoints(source);
  }
  int& Counter;
};

TEST_F(Functions, AChainRebuildsEachLinkOncePerChange) {
  TLineSeries& a = Source({0, 1, 2, 3}, {1, 2, 3, 4});
  TLineSeries& b = Target();
  TLineSeries& c = Target();
  int rebuiltB = 0, rebuiltC = 0;
  b.SetFunction(std::make_unique<TCountingAverage>(rebuiltB));
  c.SetFunction(std::make_unique<TCountingAverage>(rebuiltC));
  b.FunctionType()->SetPeriod(2);
  b.SetDataSource(&a);
  c.SetDataSource(&b);
  EXPECT_EQ(PointsOf(c), (TPoints{{0.5, 2.5}, {2.5, 2.5}}));

  const std::pair<const char*, std::function<void()>> changes[] = {
      {"a value changes", [&] { a.YValues().SetValue(0, 5); }},
      {"values are appended", [&] { a.AppendValues(std::vector<double>{6, 7}); }},
      {"the period changes", [&] { b.FunctionType()->SetPeriod(3); }},
      {"settings change inside an update", [&] {
         TZelFunction& f = *b.FunctionType();
         f.BeginUpdate();
         f.SetPeriod(1);
         f.SetPeriodAlign(paLast);
         f.EndUpdate();
       }},
      {"every X renumbered", [&] { a.XValues().FillWithIndices(); }},
  };
  for (const auto& [what, change] : changes) {
    SCOPED_TRACE(what);
    rebuiltB = rebuiltC = 0;
    change();
    EXPECT_EQ(rebuiltC, 1);
    EXPECT_LE(rebuiltB, 1);
  }
  // After the last change: b holds a's points one by one, c their average at both ends.
  EXPECT_EQ(PointsOf(b), (TPoints{{0, 5}, {1, 2}, {2, 3}, {3, 4}, {4, 6}, {5, 7}}));
  EXPECT_EQ(PointsOf(c), (TPoints{{0, 4.5}, {5, 4.5}}));
}

TEST_F(Functions, RemovingOrFreeingASourceLeavesNoLink) {
  TLineSeries& a = Source({0, 1}, {1, 2});
  auto b = std::make_unique<TLineSeries>();
  b->SetParentChart(&chart);
  b->AppendPoints(std::vector<double>{0, 1}, std::vector<double>{10, 20});
  TLineSeries& target = Target();
  target.SetFunction(Make<TSubtractZelFunction>());
  TChartComponent* const sources[] = {&a, b.get()};
  target.SetDataSources(sources);
  EXPECT_EQ(PointsOf(target), (TPoints{{0, -9}, {1, -18}}));
  b.reset();
  EXPECT_EQ(target.DataSources(), std::vector<TChartSeries*>{&a});
  target.CheckDataSource();  // one source left: the one-source rule
  EXPECT_EQ(PointsOf(target), (TPoints{{0, 0}, {1, 0}}));
  chart.RemoveSeries(a);
  EXPECT_TRUE(target.DataSources().empty());
  a.Add(3);  // reaches nobody
}

TEST_F(Functions, ARefusedListChangesNoLink) {
  TLineSeries& a = Source({0}, {1});
  TLineSeries& target = Target();
  target.SetDataSource(&a);
  TChartComponent* const withSelf[] = {&a, &target};
  EXPECT_THROW(target.SetDataSources(withSelf), ChartException);
  TChart other;
  TChartComponent* const withChart[] = {&a, &other};
  EXPECT_THROW(target.SetDataSources(withChart), ChartException);
  EXPECT_EQ(target.DataSources(), std::vector<TChartSeries*>{&a});
  EXPECT_EQ(a.LinkedSeries(), std::vector<TChartSeries*>{&target});
}

TEST(FunctionClasses, EveryStandardFunctionIsMadeByItsClassName) {
  ChartModulesInit();
  for (const char* name : {"TAddZelFunction", "TSubtractZelFunction", "TMultiplyZelFunction", "TDivideZelFunction",
                           "THighZelFunction", "TLowZelFunction", "TAverageZelFunction"}) {
    EXPECT_NE(CreateFunctionByName(name), nullptr) << name;
  }
  ChartModulesDone();
}

}  // namespace
}  // namespace chart
