// Series that take their data from another series: the notices they receive and the
// checks on making such a link.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "chart/core/Exceptions.h"
#include "chart/panel/Chart.h"
#include "chart/series/ChartSeries.h"
#include "chart/series/ZelFunction.h"

namespace chart {
namespace {

std::vector<double> Ys(const TChartSeries& s) {
  std::vector<double> v;
  for (int i = 0; i < s.Count(); ++i) v.push_back(s.YValue(i));
  return v;
}

std::vector<double> Xs(const TChartSeries& s) {
  std::vector<double> v;
  for (int i = 0; i < s.Count(); ++i) v.push_back(s.XValue(i));
  return v;
}

// A series whose mandatory list is X: Add(v) gives the point (v, count).
class HorizontalSeries : public TChartSeries {
 public:
  TChartValueList& MandatoryValueList() override { return XValues(); }
};

// Sums the source's Y values into one point at X 0.
class SumFunction : public TZelFunction {
 public:
  void AddPoints(TChartSeries& source) override {
    ++calls;
    ParentSeries()->AddPoint(0, source.YValues().Total());
  }
  int calls = 0;
};

class LinkedSeries : public ::testing::Test {
 protected:
  LinkedSeries() {
    source.SetName("Source");
    source.SetParentChart(&chart);
    target.SetParentChart(&chart);
  }
  TChart chart;
  TChartSeries source, target;
};

TEST_F(LinkedSeries, LinkingCopiesTheSourceAndFollowsItsChanges) {
  source.AddPoint(0, 10, "a", clRed);
  source.AddPoint(1, 11);
  target.SetDataSource(&source);
  EXPECT_EQ(target.DataSource(), &source);
  EXPECT_EQ(source.LinkedSeries(), std::vector<TChartSeries*>{&target});
  EXPECT_EQ(Ys(target), (std::vector<double>{10, 11}));
  EXPECT_EQ(target.XLabel(0), "a");
  EXPECT_EQ(target.ValueColor(0), clRed);

  source.AddPoint(0.5, 20);  // insert notice: placed by the target's own X order
  EXPECT_EQ(Ys(target), (std::vector<double>{10, 20, 11}));
  source.Delete(0);
  EXPECT_EQ(Ys(target), (std::vector<double>{20, 11}));
  source.YValues().SetValue(0, 7);  // modify notice: rebuilt
  EXPECT_EQ(Ys(target), (std::vector<double>{7, 11}));
  source.YValues().SetMultiplier(2);  // refresh notice: rebuilt with the read values
  EXPECT_EQ(Ys(target), (std::vector<double>{14, 22}));
  source.Clear();
  EXPECT_EQ(target.Count(), 0);
}

TEST_F(LinkedSeries, RecalculationOptionsSelectTheNoticesActedOn) {
  source.AppendValues(std::vector<double>{1, 2, 3});
  target.SetDataSource(&source);
  target.SetRecalcOptions(0);
  source.Add(4);
  source.Delete(0);
  source.YValues().SetValue(0, 9);
  source.Clear();
  EXPECT_EQ(Ys(target), (std::vector<double>{1, 2, 3}));
  source.Add(5);
  source.RefreshLinkedSeries();  // refresh acts whatever the options
  EXPECT_EQ(Ys(target), (std::vector<double>{5}));
}

TEST_F(LinkedSeries, AppendValuesEndsWithARefresh) {
  target.SetDataSource(&source);
  int rebuilds = 0;
  target.OnClearValues = [&](TChartSeries*) { ++rebuilds; };
  source.AppendValues(std::vector<double>{1, 2, 3});
  EXPECT_EQ(rebuilds, 1);
  EXPECT_EQ(Ys(target), (std::vector<double>{1, 2, 3}));
  source.AppendValues(std::vector<double>{});
  EXPECT_EQ(rebuilds, 2);
}

TEST_F(LinkedSeries, DifferentMandatoryListsExchangeXAndY) {
  HorizontalSeries h;
  h.SetParentChart(&chart);
  h.Add(5);  // (5, 0)
  h.Add(7);  // (7, 1)
  target.SetDataSource(&h);
  EXPECT_EQ(Xs(target), (std::vector<double>{0, 1}));
  EXPECT_EQ(Ys(target), (std::vector<double>{5, 7}));
}

TEST_F(LinkedSeries, LinkErrorsCarryTheirMessagesAndChangeNothing) {
  TChartSeries orphan;
  try {
    orphan.SetDataSource(&source);
    ADD_FAILURE();
  } catch (const ChartException& e) {
    EXPECT_STREQ(e.what(), "No ParentChart to validate DataSource");
  }
  EXPECT_EQ(orphan.DataSource(), nullptr);

  TChart other;
  other.SetName("Chart2");
  try {
    target.SetDataSource(&other);
    ADD_FAILURE();
  } catch (const ChartException& e) {
    EXPECT_STREQ(e.what(), "No valid DataSource: Chart2");
  }

  target.SetDataSource(&source);
  source.AddPoint(0, 1);
  try {
    source.SetDataSource(&target);
    ADD_FAILURE();
  } catch (const ChartException& e) {
    EXPECT_STREQ(e.what(), "Circular Series dependences are not allowed");
  }
  EXPECT_THROW(source.SetDataSource(&source), ChartException);
  EXPECT_EQ(source.DataSource(), nullptr);
  EXPECT_EQ(target.DataSource(), &source);
  EXPECT_EQ(Ys(target), (std::vector<double>{1}));
}

TEST_F(LinkedSeries, LongerChainsAreCircularToo) {
  TChartSeries third;
  third.SetParentChart(&chart);
  target.SetDataSource(&source);
  third.SetDataSource(&target);
  EXPECT_THROW(source.SetDataSource(&third), ChartException);
  source.Add(3);
  EXPECT_EQ(Ys(third), (std::vector<double>{3}));  // notices travel down the chain
}

TEST_F(LinkedSeries, AFunctionReplacesCopyingAndIgnoresInsertAndDelete) {
  auto fn = std::make_unique<SumFunction>();
  SumFunction* f = fn.get();
  source.AppendValues(std::vector<double>{1, 2, 3});
  target.SetFunction(std::move(fn));
  EXPECT_EQ(f->ParentSeries(), &target);
  target.SetDataSource(&source);
  EXPECT_EQ(Ys(target), (std::vector<double>{6}));
  const int calls = f->calls;
  source.Add(4);  // insert: no action with a function
  source.Delete(0);
  EXPECT_EQ(f->calls, calls);
  source.YValues().SetValue(0, 10);  // modify: recalculated
  EXPECT_EQ(Ys(target), (std::vector<double>{10 + 3 + 4}));
  target.SetFunction(nullptr);  // back to a copy
  EXPECT_EQ(target.Count(), 3);
}

TEST_F(LinkedSeries, DestroyingEitherSideUnlinks) {
  {
    TChartSeries temp;
    temp.SetParentChart(&chart);
    temp.SetDataSource(&source);
    ASSERT_EQ(source.LinkedSeries().size(), 1u);
  }
  EXPECT_TRUE(source.LinkedSeries().empty());
  source.Add(1);  // must not reach the dead series

  auto temp = std::make_unique<TChartSeries>();
  temp->SetParentChart(&chart);
  target.SetDataSource(temp.get());
  temp.reset();
  EXPECT_EQ(target.DataSource(), nullptr);
  target.CheckDataSource();  // nothing to rebuild from
}

TEST_F(LinkedSeries, RemovingASourceFromItsChartDetachesItsLinkedSeries) {
  target.SetDataSource(&source);
  chart.RemoveSeries(source);
  EXPECT_TRUE(source.LinkedSeries().empty());
  EXPECT_EQ(target.DataSource(), nullptr);
  EXPECT_EQ(source.ParentChart(), nullptr);
}

}  // namespace
}  // namespace chart
