// A long random run of series operations (single points and blocks, ranges deleted) checked
// against a plain reference model: the value lists, colours and labels must stay in step,
// and the cached statistics must equal a fresh recomputation after every step.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "chart/core/Palette.h"
#include "chart/panel/Chart.h"
#include "chart/series/ChartSeries.h"

namespace chart {
namespace {

struct ModelPoint {
  double x, y;
  std::string label;
  TColor color;
};

struct Stats {
  double min = 0, max = 0, total = 0, totalAbs = 0;
};

// The statistics written out plainly: NaN skipped, sums in point order.
Stats Recompute(const std::vector<ModelPoint>& m, bool useX) {
  Stats s;
  bool any = false;
  for (const auto& p : m) {
    const double v = useX ? p.x : p.y;
    if (std::isnan(v)) continue;
    if (!any) {
      s = {v, v, v, std::fabs(v)};
      any = true;
      continue;
    }
    s.min = std::min(s.min, v);
    s.max = std::max(s.max, v);
    s.total += v;
    s.totalAbs += std::fabs(v);
  }
  return s;
}

void ExpectSame(double a, double b, const char* what, int step) {
  if (std::isnan(a) && std::isnan(b)) return;
  ASSERT_EQ(a, b) << what << " at step " << step;
}

class SeriesModel : public ::testing::TestWithParam<unsigned> {};

TEST_P(SeriesModel, RandomOperationsMatchTheReference) {
  std::mt19937 rng(GetParam());
  auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };

  TChart chart;
  TChartSeries s;
  s.SetSeriesColor(clPurple);
  s.SetParentChart(&chart);
  std::vector<ModelPoint> m;
  int serial = 0;
  bool eachPoint = false;

  auto modelColor = [&](int i) {
    const TColor c = m[static_cast<std::size_t>(i)].color;
    if (c != clDefault) return c;
    return eachPoint ? PaletteColor(i) : clPurple;
  };
  auto randomY = [&]() -> double {
    const int r = uniform(0, 99);
    if (r == 0) return std::nan("");
    if (r == 1) return -1e300;
    return uniform(-1000, 1000) / 7.3;  // inexact: sums depend on the order
  };
  auto randomColor = [&]() -> TColor {
    const int r = uniform(0, 3);
    return r == 0 ? clNone : r == 1 ? PaletteColor(uniform(0, 15)) : clDefault;
  };
  auto randomLabel = [&]() -> std::string {
    return uniform(0, 2) == 0 ? std::string() : "p" + std::to_string(serial++) + std::string(uniform(0, 30), 'x');
  };

  for (int step = 0; step < 20000; ++step) {
    const int op = uniform(0, 99);
    const int n = static_cast<int>(m.size());
    if (op < 40) {  // AddPoint with a small X range: many equal X values
      const double x = uniform(0, 40);
      const double y = randomY();
      const std::string label = randomLabel();
      const TColor color = randomColor();
      int i = n - 1;
      while (i >= 0 && m[static_cast<std::size_t>(i)].x > x) --i;
      m.insert(m.begin() + (i + 1), {x, y, label, color});
      ASSERT_EQ(s.AddPoint(x, y, label, color), i + 1) << "step " << step;
    } else if (op < 55) {  // Add: X is the count
      const double y = randomY();
      const std::string label = randomLabel();
      const double x = n;
      int i = n - 1;
      while (i >= 0 && m[static_cast<std::size_t>(i)].x > x) --i;
      m.insert(m.begin() + (i + 1), {x, y, label, clDefault});
      ASSERT_EQ(s.Add(y, label), i + 1);
    } else if (op < 70 && n > 0) {
      const int i = uniform(0, n - 1);
      m.erase(m.begin() + i);
      s.Delete(i);
    } else if (op < 80 && n > 1) {
      const int a = uniform(0, n - 1), b = uniform(0, n - 1);
      std::swap(m[static_cast<std::size_t>(a)], m[static_cast<std::size_t>(b)]);
      s.SwapPoints(a, b);
    } else if (op < 85 && n > 0) {
      const int i = uniform(0, n - 1);
      const TColor c = randomColor();
      m[static_cast<std::size_t>(i)].color = c;
      s.SetValueColor(i, c);
    } else if (op < 88) {
      // Equal X values may come out in any order: check that the points are sorted and
      // still whole (same multiset of points), then continue from the series' order.
      s.XValues().Sort();
      std::vector<ModelPoint> got;
      for (int i = 0; i < s.Count(); ++i) got.push_back({s.XValue(i), s.YValue(i), s.XLabel(i), clDefault});
      for (int i = 1; i < s.Count(); ++i) ASSERT_LE(got[i - 1].x, got[i].x) << "step " << step;
      auto key = [](const ModelPoint& p) {
        return std::to_string(p.x) + "|" + (std::isnan(p.y) ? "nan" : std::to_string(p.y)) + "|" + p.label;
      };
      // Match every sorted point to an unused model point with the same X, Y and label
      // whose own colour resolves, at the new index, to the colour the series reports.
      std::vector<ModelPoint> next;
      std::vector<bool> used(m.size(), false);
      for (int i = 0; i < s.Count(); ++i) {
        const std::string k = key(got[static_cast<std::size_t>(i)]);
        std::size_t pick = m.size();
        for (std::size_t j = 0; j < m.size() && pick == m.size(); ++j) {
          if (used[j] || key(m[j]) != k) continue;
          const TColor c = m[j].color;
          const TColor resolved = c != clDefault ? c : (eachPoint ? PaletteColor(i) : clPurple);
          if (resolved == s.ValueColor(i)) pick = j;
        }
        ASSERT_LT(pick, m.size()) << "step " << step << ": sorted point " << i << " matches no model point";
        used[pick] = true;
        next.push_back(m[pick]);
      }
      m = std::move(next);
    } else if (op < 90) {
      eachPoint = !eachPoint;
      s.SetColorEachPoint(eachPoint);
      if (!eachPoint)
        for (auto& p : m) p.color = clDefault;
    } else if (op < 92) {
      m.clear();
      s.Clear();
    } else if (op < 95 && n > 0) {  // a range, mostly at the front as a scrolling stream drops it
      const int start = uniform(0, 1) ? 0 : uniform(0, n - 1);
      const int quantity = uniform(0, n - start);
      m.erase(m.begin() + start, m.begin() + start + quantity);
      s.DeleteRange(start, quantity);
    } else if (op < 98) {  // a block of points: in order from near the last X, some going back
      std::vector<double> xs, ys;
      double x = n > 0 ? m.back().x - uniform(0, 1) : 0;
      for (int k = uniform(0, 30); k > 0; --k) {
        x += uniform(0, 9) == 0 ? -uniform(1, 5) : uniform(0, 2);
        xs.push_back(x);
        ys.push_back(randomY());
      }
      for (std::size_t k = 0; k < xs.size(); ++k) {
        int i = static_cast<int>(m.size()) - 1;
        while (i >= 0 && m[static_cast<std::size_t>(i)].x > xs[k]) --i;
        m.insert(m.begin() + (i + 1), {xs[k], ys[k], "", clDefault});
      }
      ASSERT_EQ(s.AppendPoints(xs, ys), static_cast<int>(xs.size()));
    } else if (op < 99) {  // values with X from the count
      std::vector<double> ys(static_cast<std::size_t>(uniform(0, 30)));
      for (double& y : ys) {
        y = randomY();
        const double x = static_cast<double>(m.size());
        int i = static_cast<int>(m.size()) - 1;
        while (i >= 0 && m[static_cast<std::size_t>(i)].x > x) --i;
        m.insert(m.begin() + (i + 1), {x, y, "", clDefault});
      }
      ASSERT_EQ(s.AppendValues(ys), static_cast<int>(ys.size()));
    }

    // After every step: the same points, colours, labels and statistics.
    ASSERT_EQ(s.Count(), static_cast<int>(m.size())) << "step " << step;
    ASSERT_EQ(s.YValues().Count(), s.Count());
    if (step % 7 == 0 || op >= 85) {
      for (int i = 0; i < s.Count(); ++i) {
        const auto& p = m[static_cast<std::size_t>(i)];
        ExpectSame(s.XValue(i), p.x, "x", step);
        ExpectSame(s.YValue(i), p.y, "y", step);
        ASSERT_EQ(s.XLabel(i), p.label) << "step " << step << " point " << i;
        ASSERT_EQ(s.ValueColor(i), modelColor(i)) << "step " << step << " point " << i;
      }
      const bool own = std::any_of(m.begin(), m.end(), [](const ModelPoint& p) { return p.color != clDefault; });
      ASSERT_EQ(s.HasOwnColors(), own) << "step " << step;
    }
    const Stats sx = Recompute(m, true), sy = Recompute(m, false);
    ExpectSame(s.MinX(), sx.min, "MinX", step);
    ExpectSame(s.MaxX(), sx.max, "MaxX", step);
    ExpectSame(s.MinY(), sy.min, "MinY", step);
    ExpectSame(s.MaxY(), sy.max, "MaxY", step);
    ExpectSame(s.YValues().Total(), sy.total, "Total", step);
    ExpectSame(s.YValues().TotalAbs(), sy.totalAbs, "TotalAbs", step);
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, SeriesModel, ::testing::Values(1u, 2u, 3u, 20240607u));

}  // namespace
}  // namespace chart
