// Empty 3D charts painted by the Qt device: the default orthogonal view with its walls, and
// a rotated view in perspective with thick walls, the depth axis and the canvas solids. The
// pictures are kept in build/artifacts for a person to look at.
#include <gtest/gtest.h>

#include "ChartPicture.h"
#include "chart/axis/CustomChartAxis.h"

namespace platform {
namespace {

using namespace chart;
using testing::Rgb;

TEST(View3DPicture, WallsStandInDepthInTheOrthogonalAndTheRotatedView) {
  {
    testing::TChartPicture pic("3D walls");
    pic.chart.SetView3D(true);
    const QImage& image = pic.Paint("view3d_walls.png");
    const TRect r = pic.chart.ChartRect();
    const int d = pic.chart.Width3D();
    ASSERT_GT(d, 20);
    // The left wall rises from the left edge towards the back, the floor from the bottom.
    EXPECT_EQ(image.pixel(r.Left + d / 2, (r.Top + r.Bottom) / 2 - d / 2) | 0xFF000000u, Rgb(RGB(255, 255, 128)));
    EXPECT_EQ(image.pixel((r.Left + r.Right) / 2 + d / 2, r.Bottom - d / 2) | 0xFF000000u, Rgb(clWhite));
  }
  {
    testing::TChartPicture pic("Rotated, in perspective");
    TChart& c = pic.chart;
    c.SetView3D(true);
    c.SetChart3DPercent(40);
    c.View3DOptions().SetOrthogonal(false);
    c.View3DOptions().SetRotation(335);
    c.View3DOptions().SetElevation(340);
    c.View3DOptions().SetPerspective(40);
    c.View3DOptions().SetZoom(85);
    c.LeftWall().SetSize(8);
    c.BottomWall().SetSize(8);
    c.BottomWall().SetColor(RGB(200, 220, 255));
    c.BackWall().SetSize(6);
    c.BackWall().Brush().SetStyle(bsSolid);
    c.BackWall().SetColor(RGB(235, 235, 235));
    c.DepthAxis()->SetVisible(true);
    // The solids on the floor, in front of the back wall.
    c.OnAfterDraw = [&c](TCustomZelPanel*) {
      TZelCanvas3D& k = c.Canvas();
      const TRect r = c.ChartRect();
      const int d = c.Width3D(), w = (r.Right - r.Left) / 7, z0 = d / 4, z1 = d * 3 / 4;
      k.Pen().SetColor(clBlack);
      k.Brush().SetStyle(bsSolid);
      const TColor colors[] = {clRed, clGreen, clBlue, RGB(255, 160, 0), clPurple};
      auto box = [&](int i, int top) { return TRect{r.Left + w * i + w / 3, top, r.Left + w * (i + 1), r.Bottom}; };
      k.Brush().SetColor(colors[0]);
      k.DrawCube(box(0, r.Top + 60), z0, z1, true);
      k.Brush().SetColor(colors[1]);
      k.DrawCylinder(true, box(1, r.Top + 40), z0, z1, true);
      k.Brush().SetColor(colors[2]);
      k.DrawCone(true, box(2, r.Top + 20), z0, z1, true, 0);
      k.Brush().SetColor(colors[3]);
      k.DrawPyramid(true, box(3, r.Top + 50), z0, z1, true);
      k.Brush().SetColor(colors[4]);
      k.DrawPie3D(r.Left + w * 5 + w, (r.Top + r.Bottom) / 2, w * 3 / 4, w / 2, z0, z1, 0.3, 4.5, true, true);
    };
    const QImage& image = pic.Paint("view3d_rotated.png");
    // The depth axis's slots and the walls changed the picture from the flat layout; the
    // cube's front shows its own colour at its middle.
    const TRect r = c.ChartRect();
    const int w = (r.Right - r.Left) / 7;
    const TPoint mid = c.Canvas().ProjectToPoint(r.Left + w / 3 + w / 3, r.Bottom - 20, c.Width3D() / 4);
    EXPECT_EQ(image.pixel(mid.X, mid.Y) | 0xFF000000u, Rgb(clRed));
  }
}

}  // namespace
}  // namespace platform
