#include "chart/series/ChartSeries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/core/Exceptions.h"
#include "chart/core/Palette.h"
#include "chart/panel/Chart.h"

namespace chart {
namespace {

struct Point {
  double x, y;
  std::string label;
  TColor color;
  friend bool operator==(const Point&, const Point&) = default;
};

std::vector<Point> Points(const TChartSeries& s) {
  std::vector<Point> p;
  for (int i = 0; i < s.Count(); ++i) p.push_back({s.XValue(i), s.YValue(i), s.XLabel(i), s.ValueColor(i)});
  return p;
}

class SeriesOnChart : public ::testing::Test {
 protected:
  SeriesOnChart() {
    s.SetSeriesColor(clFuchsia);
    s.SetParentChart(&chart);
  }
  std::uint64_t Repaints() const { return chart.InvalidateCount(); }

  TChart chart;
  TChartSeries s;
};

// --- defaults and empty series ---------------------------------------------------------------

TEST(Series, DefaultsOfANewSeries) {
  TChartSeries s;
  EXPECT_EQ(s.XValues().Name(), "X");
  EXPECT_EQ(s.YValues().Name(), "Y");
  EXPECT_EQ(s.XValues().Order(), loAscending);
  EXPECT_EQ(s.YValues().Order(), loNone);
  EXPECT_EQ(s.ValuesLists().size(), 2u);
  EXPECT_EQ(s.SeriesColor(), clDefault);
  EXPECT_TRUE(s.Active());
  EXPECT_TRUE(s.ShowInLegend());
  EXPECT_FALSE(s.ColorEachPoint());
  EXPECT_EQ(s.ValueFormat(), "#,##0.###");
  EXPECT_EQ(s.PercentFormat(), "##0.## %");
  EXPECT_EQ(s.HorizAxis(), aBottomAxis);
  EXPECT_EQ(s.VertAxis(), aLeftAxis);
  EXPECT_EQ(s.FirstValueIndex(), -1);
  EXPECT_EQ(s.LastValueIndex(), -1);
  EXPECT_EQ(s.ParentChart(), nullptr);
  EXPECT_EQ(s.RecalcOptions(), roAll);
}

TEST(Series, EmptySeries) {
  TChartSeries s;
  s.SetSeriesColor(clTeal);
  EXPECT_EQ(s.Count(), 0);
  EXPECT_EQ(s.MinX(), 0);
  EXPECT_EQ(s.MaxX(), 0);
  EXPECT_EQ(s.MinY(), 0);
  EXPECT_EQ(s.MaxY(), 0);
  for (int i : {-5, 0, 3}) EXPECT_EQ(s.ValueColor(i), clTeal);
  EXPECT_EQ(s.XLabel(0), "");
  EXPECT_THROW(s.YValues().LastValue(), EListError);
  EXPECT_THROW(s.XValue(0), EListError);
  s.RequestRepaint();  // no chart: nothing to ask, no crash
}

// --- adding ----------------------------------------------------------------------------------

TEST(Series, AppendValuesGivesXEqualToTheCount) {
  TChartSeries s;
  EXPECT_EQ(s.AppendValues(std::vector<double>{}), 0);
  EXPECT_EQ(s.AppendValues(nullptr, -1), 0);
  EXPECT_EQ(s.Count(), 0);

  std::vector<double> v(1024);
  for (int i = 0; i < 1024; ++i) v[i] = i * 0.5 - 3;
  EXPECT_EQ(s.AppendValues(v.data(), 1023), 1024);
  ASSERT_EQ(s.Count(), 1024);
  for (int i = 0; i < 1024; ++i) {
    ASSERT_EQ(s.XValue(i), i);
    ASSERT_EQ(s.YValue(i), v[i]);
  }
  EXPECT_EQ(s.AppendValues(std::vector<double>{7, 8}), 2);
  EXPECT_EQ(s.XValue(1024), 1024);
  EXPECT_EQ(s.XValue(1025), 1025);
  EXPECT_EQ(s.YValue(1025), 8);
}

TEST(Series, AddAfterDeleteRepeatsTheLastXAndGoesAfterIt) {
  TChartSeries s;
  s.AppendValues(std::vector<double>{10, 11, 12, 13});
  s.Delete(1);
  EXPECT_EQ(s.Add(99), 3);
  std::vector<double> xs;
  for (int i = 0; i < s.Count(); ++i) xs.push_back(s.XValue(i));
  EXPECT_EQ(xs, (std::vector<double>{0, 2, 3, 3}));
  EXPECT_EQ(s.YValue(3), 99);
}

TEST(Series, AddPointPlacesBySmallerAndEqualX) {
  TChartSeries s;
  s.AddPoint(5, 50, "five");
  s.AddPoint(7, 70);
  EXPECT_EQ(s.AddPoint(5, 51, "again"), 1);  // equal X: after the stored one
  EXPECT_EQ(s.AddPoint(1, 10, "one", clRed), 0);  // smallest X: at index 0, with its Y
  EXPECT_EQ(Points(s), (std::vector<Point>{{1, 10, "one", clRed},
                                           {5, 50, "five", clDefault},
                                           {5, 51, "again", clDefault},
                                           {7, 70, "", clDefault}}));
  EXPECT_EQ(s.YValues().Value(0), 10);
}

TEST(Series, YListOrderIsNotConsultedOnAddPoint) {
  TChartSeries s;
  s.YValues().SetOrder(loAscending);
  s.AddPoint(0, 5);
  s.AddPoint(1, 1);
  EXPECT_EQ(s.YValue(1), 1);
}

TEST(Series, MultiplierDoublesReadsButNotInsertionOrder) {
  TChartSeries s;
  s.AppendValues(std::vector<double>{1, -2, 3});
  s.YValues().SetMultiplier(2);
  s.XValues().SetMultiplier(2);
  EXPECT_EQ(s.YValue(2), 6);
  EXPECT_EQ(s.MinY(), -4);
  EXPECT_EQ(s.MaxY(), 6);
  EXPECT_EQ(s.YValues().Total(), 4);
  EXPECT_EQ(s.MaxX(), 4);
  // Raw X 2.5 lies between the stored 2 and 3 (read back as 4 and 6): goes before 3.
  EXPECT_EQ(s.AddPoint(2.5, 0), 3);
}

TEST(Series, OnBeforeAddCanVetoWithoutAnyChange) {
  TChart chart;
  TChartSeries s, linked;
  s.SetParentChart(&chart);
  linked.SetParentChart(&chart);
  linked.SetDataSource(&s);
  int after = 0;
  s.OnAfterAdd = [&](TChartSeries*, int) { ++after; };
  s.OnBeforeAdd = [&](TChartSeries* sender) { return sender->Count() < 2; };
  const auto repaints = chart.InvalidateCount();
  EXPECT_EQ(s.AppendValues(std::vector<double>{1, 2, 3, 4}), 4);  // vetoed ones count as offered
  EXPECT_EQ(s.Count(), 2);
  EXPECT_EQ(after, 2);
  EXPECT_EQ(linked.Count(), 2);
  EXPECT_EQ(s.AddPoint(9, 9), -1);
  EXPECT_EQ(s.Add(9), -1);
  EXPECT_EQ(s.Count(), 2);
  EXPECT_EQ(after, 2);
  // Two accepted points, each with its own request, plus the refresh of the linked one.
  EXPECT_GE(chart.InvalidateCount() - repaints, 2u);
  s.OnBeforeAdd = nullptr;
  EXPECT_EQ(s.Add(5), 2);
  EXPECT_EQ(s.XValue(2), 2);  // X continues from the count
}

TEST(Series, OnBeforeAddSeesThePendingValuesAndMayChangeThem) {
  TChartSeries s;
  s.OnBeforeAdd = [](TChartSeries* sender) {
    EXPECT_EQ(sender->XValues().PendingValue(), 4);
    EXPECT_EQ(sender->YValues().PendingValue(), 40);
    sender->YValues().SetPendingValue(41);
    return true;
  };
  s.AddPoint(4, 40);
  EXPECT_EQ(s.YValue(0), 41);
}

TEST(Series, OnAfterAddGetsTheIndex) {
  TChartSeries s;
  std::vector<int> seen;
  s.OnAfterAdd = [&](TChartSeries* sender, int index) {
    EXPECT_EQ(sender->Count(), static_cast<int>(seen.size()) + 1);  // the point is already in
    seen.push_back(index);
  };
  s.AddPoint(3, 0);
  s.AddPoint(1, 0);
  s.AddPoint(2, 0);
  EXPECT_EQ(seen, (std::vector<int>{0, 0, 1}));
}

// --- colours ---------------------------------------------------------------------------------

TEST(Series, PointColourResolution) {
  TChartSeries s;
  s.SetSeriesColor(clNavy);
  s.Add(1, "", clDefault);
  s.Add(2, "", clLime);
  s.AddNullValue("gap");
  s.AddNullPoint(10, 5);
  EXPECT_EQ(s.ValueColor(0), clNavy);
  EXPECT_EQ(s.ValueColor(1), clLime);
  EXPECT_EQ(s.ValueColor(2), clNone);
  EXPECT_TRUE(s.IsNull(2));
  EXPECT_TRUE(s.IsNull(3));
  EXPECT_FALSE(s.IsNull(0));
  EXPECT_EQ(s.XLabel(2), "gap");
  EXPECT_EQ(s.YValue(2), 0);
  EXPECT_EQ(s.XValue(3), 10);
  EXPECT_EQ(s.ValueColor(4), clNavy);  // past the end: the series colour

  s.SetColorEachPoint(true);
  EXPECT_EQ(s.ValueColor(0), PaletteColor(0));
  EXPECT_EQ(s.ValueColor(1), clLime);
  EXPECT_EQ(s.ValueColor(2), clNone);
  s.SetColorEachPoint(false);  // forgets every point's own colour, nulls included
  for (int i = 0; i < s.Count(); ++i) EXPECT_EQ(s.ValueColor(i), clNavy) << i;
}

TEST(Series, PaletteWrapsEvery16Points) {
  TChartSeries s;
  s.SetColorEachPoint(true);
  for (int i = 0; i < 33; ++i) s.Add(i);
  EXPECT_EQ(s.ValueColor(0), clRed);
  EXPECT_EQ(s.ValueColor(3), clBlue);
  EXPECT_EQ(s.ValueColor(15), clBlack);
  EXPECT_EQ(s.ValueColor(16), clRed);
  EXPECT_EQ(s.ValueColor(32), clRed);
}

// --- delete, clear, swap ---------------------------------------------------------------------

TEST(Series, DeleteRemovesAWholePointWithoutRenumbering) {
  TChartSeries s;
  s.AddPoint(0, 10, "a", clRed);
  s.AddPoint(1, 11, "b", clGreen);
  s.AddPoint(2, 12, "c", clBlue);
  s.Delete(1);
  EXPECT_EQ(Points(s), (std::vector<Point>{{0, 10, "a", clRed}, {2, 12, "c", clBlue}}));
}

TEST(Series, ErrorsLeaveTheSeriesUnchanged) {
  TChartSeries s;
  s.AddPoint(0, 10, "a", clRed);
  s.AddPoint(1, 11, "b", clGreen);
  const auto before = Points(s);
  auto expectError = [&](auto&& op, long long index) {
    try {
      op();
      ADD_FAILURE() << "no error";
    } catch (const EListError& e) {
      EXPECT_EQ(e.Index, index);
      EXPECT_EQ(std::string(e.what()), "List index out of bounds (" + std::to_string(index) + ")");
    }
    EXPECT_EQ(Points(s), before);
  };
  expectError([&] { s.Delete(2); }, 2);
  expectError([&] { s.Delete(-1); }, -1);
  expectError([&] { s.SwapPoints(0, 7); }, 7);
  expectError([&] { s.SwapPoints(-3, 0); }, -3);
  expectError([&] { s.SetValueColor(2, clRed); }, 2);
  expectError([&] { (void)s.YValue(2); }, 2);
  expectError([&] { s.DeleteRange(1, 2); }, 2);
  expectError([&] { s.DeleteRange(-1, 1); }, -1);
  expectError([&] { s.DeleteRange(0, -1); }, -1);
  expectError([&] { s.AppendPoints(std::vector<double>{5, 6}, std::vector<double>{1}); }, 1);
}

TEST(Series, SwapPointsExchangesEverySequence) {
  TChartSeries s;
  s.AddPoint(0, 10, "a", clRed);
  s.AddPoint(1, 11, "", clDefault);
  s.SwapPoints(0, 1);
  EXPECT_EQ(Points(s), (std::vector<Point>{{1, 11, "", clDefault}, {0, 10, "a", clRed}}));
  s.SwapPoints(1, 1);
  EXPECT_EQ(s.XLabel(1), "a");
}

TEST(Series, ClearReleasesEveryPointAndFiresItsEvent) {
  TChartSeries s;
  int cleared = 0;
  s.OnClearValues = [&](TChartSeries* sender) {
    EXPECT_EQ(sender->Count(), 0);
    ++cleared;
  };
  for (int i = 0; i < 100; ++i) s.AddPoint(i, i, "some label that is long enough to allocate");
  ASSERT_GT(s.AllocatedBytes(), 0u);
  s.Clear();
  EXPECT_EQ(cleared, 1);
  EXPECT_EQ(s.Count(), 0);
  EXPECT_EQ(s.ColorCount(), 0);
  EXPECT_EQ(s.LabelCount(), 0);
  EXPECT_EQ(s.AllocatedBytes(), 0u);
  EXPECT_EQ(s.MaxY(), 0);
}

TEST(Series, NaNAndInfinityPointsAreStoredAndReadBack) {
  TChartSeries s;
  const double inf = std::numeric_limits<double>::infinity();
  s.AppendValues(std::vector<double>{std::nan(""), inf, -inf, 1});
  EXPECT_TRUE(std::isnan(s.YValue(0)));
  EXPECT_EQ(s.YValue(1), inf);
  EXPECT_EQ(s.MinY(), -inf);
  EXPECT_EQ(s.MaxY(), inf);
  s.AddPoint(std::nan(""), 2);  // appended: NaN never compares
  EXPECT_TRUE(std::isnan(s.XValue(4)));
  s.AddPoint(0.5, 3);  // the stored NaN ends the scan: placed after it
  EXPECT_EQ(s.XValue(5), 0.5);
  EXPECT_EQ(s.MinX(), 0);
  EXPECT_EQ(s.MaxX(), 3);
}

// --- repaint requests ------------------------------------------------------------------------

TEST_F(SeriesOnChart, EveryDataChangeOfAnActiveSeriesRequestsARepaint) {
  auto r = Repaints();
  s.AppendValues(std::vector<double>{1, 2, 3});  // one pass, one request
  EXPECT_EQ(Repaints() - r, 1u);
  r = Repaints();
  s.OnAfterAdd = [](TChartSeries*, int) {};  // a listener makes it a point at a time
  s.AppendValues(std::vector<double>{1, 2, 3});
  EXPECT_EQ(Repaints() - r, 3u);
  s.OnAfterAdd = nullptr;
  r = Repaints();
  s.Delete(0);
  EXPECT_EQ(Repaints() - r, 1u);
  r = Repaints();
  s.Clear();
  EXPECT_EQ(Repaints() - r, 1u);
  s.AppendValues(std::vector<double>{1, 2});
  r = Repaints();
  s.YValues().SetValue(0, 5);  // a value overwritten in place asks for no repaint
  s.SwapPoints(0, 1);
  EXPECT_EQ(Repaints(), r);
  s.SetValueColor(0, clRed);
  EXPECT_EQ(Repaints() - r, 1u);
}

TEST_F(SeriesOnChart, AnInactiveSeriesChangesItsDataWithoutRepaints) {
  s.SetActive(false);
  const auto r = Repaints();
  s.AppendValues(std::vector<double>{1, 2, 3});
  s.Delete(0);
  s.Clear();
  EXPECT_EQ(Repaints(), r);
}

TEST_F(SeriesOnChart, SettersRepaintOnlyWhenTheValueChanges) {
  auto expectRepaint = [&](auto&& set, bool expected) {
    const auto r = Repaints();
    set();
    EXPECT_EQ(Repaints() - r, expected ? 1u : 0u);
  };
  expectRepaint([&] { s.SetSeriesColor(clFuchsia); }, false);
  expectRepaint([&] { s.SetSeriesColor(clAqua); }, true);
  expectRepaint([&] { s.SetActive(true); }, false);
  expectRepaint([&] { s.SetActive(false); }, true);
  expectRepaint([&] { s.SetActive(true); }, true);
  expectRepaint([&] { s.SetShowInLegend(false); }, true);
  expectRepaint([&] { s.SetTitle(""); }, false);
  expectRepaint([&] { s.SetTitle("Spectrum"); }, true);
  expectRepaint([&] { s.SetValueFormat("0.0"); }, true);
  expectRepaint([&] { s.SetPercentFormat("##0.## %"); }, false);
  expectRepaint([&] { s.SetColorEachPoint(true); }, true);
  expectRepaint([&] { s.SetHorizAxis(aTopAxis); }, true);
  expectRepaint([&] { s.SetVertAxis(aLeftAxis); }, false);
  expectRepaint([&] { s.YValues().SetDateTime(true); }, true);
  expectRepaint([&] { s.YValues().SetMultiplier(1); }, false);
  expectRepaint([&] { s.YValues().SetMultiplier(2); }, true);
  expectRepaint([&] { s.XValues().SetOrder(loNone); }, false);  // plain field
  expectRepaint([&] { s.XValues().SetName("Time"); }, false);
}

TEST_F(SeriesOnChart, WritingAValueListCopiesItsSettingsAndRepaints) {
  TChartValueList source(nullptr, "Other");
  source.SetOrder(loNone);
  source.SetMultiplier(3);
  const auto r = Repaints();
  s.SetXValues(source);
  EXPECT_EQ(Repaints() - r, 1u);
  EXPECT_EQ(s.XValues().Order(), loNone);
  EXPECT_EQ(s.XValues().Multiplier(), 3);
  EXPECT_EQ(s.XValues().Name(), "X");
}

// A chart that can be put into its destruction phase, as its destructor does.
class DyingChart : public TChart {
 public:
  void BeginDestruction() { SetDestroying(); }
};

TEST(Series, ClearWhileTheChartIsBeingDestroyedRequestsNoRepaint) {
  DyingChart chart;
  TChartSeries s;
  s.SetParentChart(&chart);
  s.AppendValues(std::vector<double>{1, 2});
  chart.BeginDestruction();
  const auto r = chart.InvalidateCount();
  s.Clear();
  EXPECT_EQ(chart.InvalidateCount(), r);
  EXPECT_EQ(s.Count(), 0);
}

TEST(Series, PointsWithoutColoursOrLabelsStoreOnlyTheirValues) {
  TChartSeries s;
  std::vector<double> v(100000, 1.0);
  s.AppendValues(v);
  EXPECT_EQ(s.AllocatedBytes(), 16u * 100000u);
  for (int i = 0; i < 1000; ++i) s.AddPoint(-i, 2, "");  // in at the front, one at a time
  EXPECT_EQ(s.StoredColorCount(), 0);
  EXPECT_EQ(s.ColorCount(), s.Count());
  EXPECT_EQ(s.LabelCount(), s.Count());
  // A colour of its own makes the colours take memory up to that point only.
  s.SetValueColor(10, clRed);
  EXPECT_EQ(s.StoredColorCount(), 11);
  EXPECT_EQ(s.ValueColor(11), s.SeriesColor());
}

// A scrolling stream: blocks appended at the end, as many dropped at the front. The room
// the front frees is used again, so the memory stays a small multiple of the points.
TEST(Series, AScrollingStreamKeepsItsMemoryBounded) {
  TChartSeries s;
  std::vector<double> xs(100), ys(100, 0.5);
  for (int frame = 0; frame < 500; ++frame) {
    for (int i = 0; i < 100; ++i) xs[static_cast<std::size_t>(i)] = frame * 100 + i;
    s.AppendPoints(xs, ys);
    if (frame >= 10) s.DeleteRange(0, 100);
    ASSERT_LE(s.AllocatedBytes(), 3u * 16u * 1000u) << "frame " << frame;
  }
  EXPECT_EQ(s.Count(), 1000);
  EXPECT_EQ(s.XValue(0), 49000);
  EXPECT_EQ(s.MinX(), 49000);
  EXPECT_EQ(s.MaxX(), 49999);
}

}  // namespace
}  // namespace chart
