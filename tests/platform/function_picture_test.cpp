// Series computed by functions, painted by the Qt device: a noisy source, its moving
// average by groups of points, its high by X ranges, and the difference of two sources.
// The picture is kept in build/artifacts for a person to look at.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "ChartPicture.h"
#include "chart/functions/StandardFunctions.h"
#include "chart/seriestypes/LineSeries.h"
#include "chart/seriestypes/PointSeries.h"

namespace platform {
namespace {

using namespace chart;

TEST(FunctionPicture, AveragesHighsAndDifferencesFollowTheirSources) {
  testing::TChartPicture pic("Functions: average by 8, high by 20, A - B");
  TLineSeries source, other, average, difference;
  TPointSeries high;
  const struct {
    TChartSeries* s;
    TColor color;
    const char* title;
  } looks[] = {{&source, clSilver, "A"}, {&other, clTeal, "B"}, {&average, clRed, "average of A by 8"},
               {&high, clNavy, "high of A by 20"}, {&difference, clGreen, "A - B"}};
  for (const auto& l : looks) {
    l.s->SetSeriesColor(l.color);
    l.s->SetTitle(l.title);
    l.s->SetParentChart(&pic.chart);
  }
  for (int i = 0; i < 200; ++i) {
    source.AddPoint(i, 50 + 30 * std::sin(i * 0.05) + 10 * std::sin(i * 1.7));
    other.AddPoint(i, 20 + 0.1 * i);
  }
  auto avg = std::make_unique<TAverageZelFunction>();
  avg->SetPeriod(8);
  average.SetFunction(std::move(avg));
  average.SetDataSource(&source);
  auto hi = std::make_unique<THighZelFunction>();
  hi->SetPeriod(20);
  hi->SetPeriodStyle(psRange);
  high.SetFunction(std::move(hi));
  high.SetDataSource(&source);
  difference.SetFunction(std::make_unique<TSubtractZelFunction>());
  TChartComponent* const both[] = {&source, &other};
  difference.SetDataSources(both);

  const QImage& image = pic.Paint("functions.png");
  ASSERT_EQ(average.Count(), 25);
  ASSERT_EQ(high.Count(), 10);
  ASSERT_EQ(difference.Count(), 200);
  // Each result is drawn where its value maps: the average's line passes through its
  // points (a line leaves its last pixel out), and every high lies on or above the source
  // points of its range.
  for (int i = 0; i + 1 < average.Count(); ++i)
    EXPECT_EQ(image.pixel(average.XPixel(i), average.YPixel(i)) | 0xFF000000u, testing::Rgb(clRed)) << i;
  for (int k = 0; k < high.Count(); ++k)
    for (int i = 20 * k; i < 20 * k + 20; ++i) EXPECT_GE(high.YValue(k), source.YValue(i)) << i;
  for (int i = 0; i < 200; i += 37) EXPECT_DOUBLE_EQ(difference.YValue(i), source.YValue(i) - other.YValue(i)) << i;
}

}  // namespace
}  // namespace platform
