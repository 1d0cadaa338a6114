// A pie painted by the Qt device: labelled slices with their marks around the rim, one
// pulled out, the small ones gathered into "Other", and a patterned pie kept round. The
// pictures are kept in build/artifacts for a person to look at.
#include <gtest/gtest.h>

#include <QDir>

#include <cmath>
#include <string>

#include "ChartPicture.h"
#include "chart/panel/Chart.h"
#include "chart/seriestypes/PieSeries.h"

namespace platform {
namespace {

using namespace chart;

using testing::Rgb;

struct PiePicture : testing::TChartPicture {
  TPieSeries pie;
  explicit PiePicture(const char* title) : TChartPicture(title) { pie.SetParentChart(&chart); }
  // A pixel a third of the way out from the centre along the slice's middle.
  QRgb Inside(const QImage& image, int index) const {
    const double a = pie.AngleOf(index).Middle + pie.Rotation();
    const TPoint o = pie.ExplodedOffset(index);
    const TPoint c = pie.CircleCenter();
    return image.pixel(c.X + o.X + static_cast<int>(std::cos(a) * pie.XRadius() / 3),
                       c.Y - o.Y - static_cast<int>(std::sin(a) * pie.YRadius() / 3)) | 0xFF000000u;
  }
};

TEST(PiePicture, SlicesShowTheirColoursWithMarksAroundTheRim) {
  {
    PiePicture pic("Pie with marks");
    const char* labels[] = {"Cars", "Trains", "Planes", "Ships", "Bikes", "Feet", "Horses"};
    const double values[] = {40, 25, 15, 10, 6, 3, 1};
    const TColor colors[] = {clRed, clGreen, clBlue, clYellow, clFuchsia, clTeal, clOlive};
    for (int i = 0; i < 7; ++i) pic.pie.Add(values[i], labels[i], colors[i]);
    pic.pie.SetExplodedSlice(1, 15);
    pic.pie.SetRotationAngle(30);
    pic.pie.OtherSlice().SetStyle(poBelowPercent);
    pic.pie.OtherSlice().SetValue(5);
    const QImage& image = pic.Paint("pie_marks.png");
    // Feet and Horses went into "Other", the eighth point.
    ASSERT_EQ(pic.pie.Count(), 8);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(pic.Inside(image, i), Rgb(colors[i])) << labels[i];
    EXPECT_TRUE(pic.pie.IsGathered(5));
    EXPECT_EQ(pic.pie.XLabel(7), "Other");
  }
  {
    PiePicture pic("Patterns, round");
    for (int i = 0; i < 6; ++i) pic.pie.Add(1 + i);
    pic.pie.SetUsePatterns(true);
    pic.pie.SetCircled(true);
    pic.pie.Marks().SetStyle(smsPercent);
    pic.Paint("pie_patterns.png");
    EXPECT_NEAR(pic.pie.XRadius(), pic.pie.YRadius(), 3) << "nearly square pixels on the test screen";
  }
}

}  // namespace
}  // namespace platform
