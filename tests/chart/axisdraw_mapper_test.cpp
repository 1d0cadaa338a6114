// The prepared value-to-pixel mapping gives the axis's own pixel for every value: random
// values, exact half-pixel ties, values near and beyond the safe range, NaN and infinities,
// inverted axes, both directions, block and single calls.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "axis_test_parent.h"
#include "chart/axis/AxisPixelMapper.h"
#include "chart/axis/ChartAxis.h"

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
    std::vector<int> block(values.size());
    // Odd block lengths exercise the scalar tail of the paired loop.
    for (std::size_t at = 0; at < values.size(); at += 255)
      map.MapBlock(values.data() + at, 1.0, static_cast<int>(std::min<std::size_t>(255, values.size() - at)), block.data() + at);
    for (std::size_t i = 0; i < values.size(); ++i) {
      const int expected = horizontal ? axis.ValueToXPixel(values[i]) : axis.ValueToYPixel(values[i]);
      ASSERT_EQ(map(values[i]), expected) << "value " << values[i];
      ASSERT_EQ(block[i], expected) << "value " << values[i];
    }
  }
}

TEST_P(PixelMapper, AppliesTheMultiplierFirst) {
  const std::vector<double> values = Values();
  const TAxisPixelMapper map(left, false);
  std::vector<int> block(values.size());
  map.MapBlock(values.data(), 0.5, static_cast<int>(values.size()), block.data());
  for (std::size_t i = 0; i < values.size(); ++i) ASSERT_EQ(block[i], left.ValueToYPixel(values[i] * 0.5));
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
  const double values[] = {1, 2, 10, 500, 999, 0, -3};
  int out[7];
  map.MapBlock(values, 1.0, 7, out);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(out[i], axis.ValueToXPixel(values[i]));
}

}  // namespace
}  // namespace chart
