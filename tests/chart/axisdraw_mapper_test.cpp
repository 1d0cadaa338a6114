// The prepared value-to-pixel mapping gives the axis's own pixel for every value: random
// values, exact half-pixel ties, values near and beyond the safe range, NaN and infinities,
// inverted axes, both directions, single values and blocks of points.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "axis_test_parent.h"
#include "chart/axis/AxisPixelMapper.h"
#include "chart/axis/ChartAxis.h"
#include "chart/axis/PointPixelMapper.h"

namespace chart {
namespace {

using testing::TAxisTestParent;

struct MapperCase {
  double min, max;
  TRect rect;
  bool inverted;
};

void PrintTo(const MapperCase& c, std::ostream* os) { *os << c.min << ".." << c.max << (c.inverted ? " inverted" : ""); }

class PixelMapper : public ::testing::TestWithParam<MapperCase> {
 protected:
  TAxisTestParent parent;
  TChartAxis bottom{&parent, true, false, false};
  TChartAxis left{&parent, false, false, false};

  void SetUp() override {
    const MapperCase& c = GetParam();
    parent.MinX = parent.MinY = c.min;
    parent.MaxX = parent.MaxY = c.max;
    parent.Rect = c.rect;
    for (TChartAxis* a : {&bottom, &left}) {
      a->SetInverted(c.inverted);
      a->ApplyAutomaticRange();
      a->ComputePixelSpan();
    }
  }

  std::vector<double> Values() const {
    const MapperCase& c = GetParam();
    std::vector<double> v;
    std::mt19937_64 rng(42);
    std::uniform_real_distribution<double> inside(c.min, c.max), wide(c.min - 50 * (c.max - c.min), c.max + 50 * (c.max - c.min));
    for (int i = 0; i < 20000; ++i) v.push_back(i % 4 ? inside(rng) : wide(rng));
    // Values whose offset is a whole or half pixel: ties must round to even as the axis does.
    const double range = c.max - c.min;
    const TRect& r = c.rect;
    const int size = r.Right - r.Left;
    for (int k = -4 * size; k <= 4 * size; ++k) v.push_back(c.min + (k * 0.5) * range / size);
    const double inf = std::numeric_limits<double>::infinity();
    for (double x : {std::nan(""), inf, -inf, 1e300, -1e300, c.min + range * 2e6, c.min - range * 3e6, c.min, c.max})
      v.push_back(x);
    return v;
  }
};

TEST_P(PixelMapper, AgreesWithTheAxisForEveryValue) {
  const std::vector<double> values = Values();
  for (const bool horizontal : {true, false}) {
    const TCustomChartAxis& axis = horizontal ? static_cast<TCustomChartAxis&>(bottom) : left;
    const TAxisPixelMapper map(axis, horizontal);
    for (const double v : values) {
      const int expected = horizontal ? axis.ValueToXPixel(v) : axis.ValueToYPixel(v);
      ASSERT_EQ(map(v), expected) << "value " << v;
    }
  }
}

// Points: x through the bottom axis, y through the left one, the multipliers first. The y
// values run backwards so that every x meets many different y.
TEST_P(PixelMapper, MapsPointsAsTheAxesDo) {
  const std::vector<double> xs = Values();
  const std::vector<double> ys(xs.rbegin(), xs.rend());
  std::vector<TPoint> out(xs.size());
  for (const bool wide : {true, false}) {
    for (const double mx : {1.0, 0.5}) {
      const TPointPixelMapper map(bottom, left, wide);
      // Odd block lengths exercise the scalar tails of the vector loops.
      for (std::size_t at = 0; at < xs.size(); at += 255) {
        const int n = static_cast<int>(std::min<std::size_t>(255, xs.size() - at));
        const bool within = map.MapPoints(xs.data() + at, mx, ys.data() + at, 2.0, n, out.data() + at, 500);
        bool expectWithin = true;
        for (std::size_t i = at; i < at + static_cast<std::size_t>(n); ++i) {
          const TPoint expected{bottom.ValueToXPixel(xs[i] * mx), left.ValueToYPixel(ys[i] * 2.0)};
          ASSERT_EQ(out[i], expected) << "point " << xs[i] << ", " << ys[i] << (wide ? " wide" : "");
          expectWithin &= std::abs(expected.X) <= 500 && std::abs(expected.Y) <= 500;
        }
        ASSERT_EQ(within, expectWithin) << "block at " << at;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(All, PixelMapper,
                         ::testing::Values(MapperCase{-0.9999976, 1.023, {49, 39, 878, 485}, false},
                                           MapperCase{0, 1023, {49, 39, 878, 485}, true},
                                           MapperCase{-1e6, 3e6, {0, 0, 1, 1}, false},
                                           MapperCase{1e-9, 3e-9, {10, 10, 30000, 20000}, false},
                                           MapperCase{5, 5, {49, 39, 878, 485}, false}));  // empty range

TEST(PixelMapperLogarithmic, FallsBackToTheAxis) {
  TAxisTestParent parent;
  parent.MinX = 1, parent.MaxX = 1000;
  parent.Rect = {0, 0, 500, 300};
  TChartAxis axis(&parent, true, false, false);
  axis.SetLogarithmic(true);
  axis.ApplyAutomaticRange();
  axis.ComputePixelSpan();
  const TAxisPixelMapper map(axis, true);
  const TPointPixelMapper points(axis, axis);
  const double values[] = {1, 2, 10, 500, 999, 0, -3};
  TPoint out[7];
  points.MapPoints(values, 1.0, values, 1.0, 7, out, 1000);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(map(values[i]), axis.ValueToXPixel(values[i]));
    EXPECT_EQ(out[i], (TPoint{axis.ValueToXPixel(values[i]), axis.ValueToYPixel(values[i])}));
  }
}

}  // namespace
}  // namespace chart
