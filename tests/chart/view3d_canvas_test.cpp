// The 3D view on the canvas: the rotated projection and its inverse, and the solids, whose
// faces show only when they face the viewer.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

#include "chart/canvas/DarkColor.h"
#include "chart/canvas/ZelCanvas3D.h"
#include "support/RecordingDevice.h"

namespace chart {
namespace {

using testing::TOp;
using testing::TRecordingDevice;

struct TView {
  int Rotation, Elevation, Tilt, Perspective, Zoom, HorizOffset, VertOffset;
};

class View3DCanvas : public ::testing::Test {
 protected:
  TRecordingDevice device;
  TZelCanvas3D canvas;
  TView3DOptions options;
  // A 200 x 100 chart with depth 20: centre (100, 50), depth centre 10.
  void Begin(bool orthogonal, const TView& v = {345, 345, 0, 15, 100, 0, 0}) {
    options.SetOrthogonal(orthogonal);
    options.SetRotation(v.Rotation);
    options.SetElevation(v.Elevation);
    options.SetTilt(v.Tilt);
    options.SetPerspective(v.Perspective);
    options.SetZoom(v.Zoom);
    options.SetHorizOffset(v.HorizOffset);
    options.SetVertOffset(v.VertOffset);
    canvas.SetBuffered(false);
    canvas.BeginDrawing(device, &options, clWhite, true, {0, 0, 200, 100});
    canvas.SetProjection(20, {0, 0, 200, 100}, {0, 0, 200, 100});
    device.ClearOps();
  }
  std::vector<std::vector<TPoint>> Polygons() const {
    std::vector<std::vector<TPoint>> out;
    for (const auto& op : device.OpsOf(TOp::Polygon)) out.push_back(op.Points);
    return out;
  }
  std::vector<TPoint> Face(std::initializer_list<TPoint3D> corners) const {
    std::vector<TPoint> out;
    for (const TPoint3D& c : corners) out.push_back(canvas.ProjectToPoint(c.X, c.Y, c.Z));
    return out;
  }
};

TEST_F(View3DCanvas, RotatedViewKeepsTheFrontPlaneFlatAtZeroAnglesAndInvertsExactly) {
  const std::vector<TView> views = {{360, 360, 0, 15, 100, 0, 0}, {0, 0, 0, 0, 100, 0, 0},   {345, 345, 0, 15, 100, 0, 0},
                                    {330, 320, 10, 40, 150, -7, 9}, {20, 10, 350, 0, 250, 3, 0}, {345, 345, 0, 90, 100, 0, 0}};
  for (std::size_t i = 0; i < views.size(); ++i) {
    const TView& v = views[i];
    Begin(false, v);
    const bool flat = v.Rotation % 360 == 0 && v.Elevation % 360 == 0 && v.Tilt % 360 == 0 && v.Zoom == 100;
    for (int x : {-40, 0, 37, 100, 199, 260})
      for (int y : {-10, 0, 50, 99, 140})
        for (int z : {0, 7, 20}) {
          const TPoint p = canvas.ProjectToPoint(x, y, z);
          if (flat && z == 0) {
            EXPECT_EQ(p, (TPoint{x, y})) << "view " << i;
          }
          // Screen to depth z and back, and depth z to screen and back: a pixel at most
          // lost to rounding.
          int ux = p.X, uy = p.Y;
          canvas.UnprojectPoint(ux, uy, z);
          EXPECT_LE(std::abs(ux - x), 1) << "view " << i << " at " << x << "," << y << "," << z;
          EXPECT_LE(std::abs(uy - y), 1) << "view " << i;
          const TPoint again = canvas.ProjectToPoint(ux, uy, z);
          EXPECT_LE(std::abs(again.X - p.X), 1) << "view " << i;
          EXPECT_LE(std::abs(again.Y - p.Y), 1) << "view " << i;
        }
  }
}

TEST_F(View3DCanvas, DefaultAnglesShowTheTopAndRightLikeTheOrthogonalView) {
  for (bool orthogonal : {true, false}) {
    Begin(orthogonal);
    const TPoint front = canvas.ProjectToPoint(60, 60, 0), back = canvas.ProjectToPoint(60, 60, 20);
    EXPECT_GT(back.X, front.X) << orthogonal;
    EXPECT_LT(back.Y, front.Y) << orthogonal;
  }
  // Perspective: the far end of a depth line looks shorter than the near one.
  Begin(false, {360, 360, 0, 100, 100, 0, 0});
  const int nearWidth = canvas.ProjectToPoint(150, 50, 0).X - canvas.ProjectToPoint(50, 50, 0).X;
  const int farWidth = canvas.ProjectToPoint(150, 50, 20).X - canvas.ProjectToPoint(50, 50, 20).X;
  EXPECT_EQ(nearWidth, 100);
  EXPECT_LT(farWidth, nearWidth);
}

TEST_F(View3DCanvas, CubeShowsItsFrontTopAndRightShadedInTheOrthogonalView) {
  Begin(true);
  canvas.Brush().SetColor(clWhite);
  canvas.DrawCube({60, 30, 20, 80}, 10, 0, true);  // corners and depths in any order
  const auto ops = device.OpsOf(TOp::Polygon);
  ASSERT_EQ(ops.size(), 3u);
  // x' = x + z, y' = y - z.
  EXPECT_EQ(ops[0].Points, (std::vector<TPoint>{{20, 30}, {60, 30}, {60, 80}, {20, 80}}));
  EXPECT_EQ(ops[0].Brush.Color(), clWhite);
  EXPECT_EQ(ops[1].Points, (std::vector<TPoint>{{20, 30}, {30, 20}, {70, 20}, {60, 30}}));
  EXPECT_EQ(ops[1].Brush.Color(), ApplyDark(clWhite, DarkTopQuantity));
  EXPECT_EQ(ops[2].Points, (std::vector<TPoint>{{60, 30}, {70, 20}, {70, 70}, {60, 80}}));
  EXPECT_EQ(ops[2].Brush.Color(), ApplyDark(clWhite, DarkSideQuantity));
  EXPECT_EQ(canvas.Brush().Color(), clWhite) << "the brush comes back";
  // Without shading, or with a hatch, every face keeps the brush.
  device.ClearOps();
  canvas.Brush().SetStyle(bsCross);
  canvas.DrawCube({20, 30, 60, 80}, 0, 10, true);
  for (const auto& op : device.OpsOf(TOp::Polygon)) EXPECT_EQ(op.Brush.Color(), clWhite);
}

TEST_F(View3DCanvas, CubeFacesFollowTheSideTheViewComesFrom) {
  struct Case {
    TView View;
    bool Left, Top;  // which of left/right and top/bottom shows
  };
  const Case cases[] = {{{345, 345, 0, 15, 100, 0, 0}, false, true},
                        {{15, 345, 0, 15, 100, 0, 0}, true, true},
                        {{345, 15, 0, 15, 100, 0, 0}, false, false},
                        {{20, 25, 0, 0, 100, 0, 0}, true, false}};
  for (const Case& c : cases) {
    Begin(false, c.View);
    canvas.DrawCube({40, 30, 120, 80}, 0, 20, false);
    const int x = c.Left ? 40 : 120, y = c.Top ? 30 : 80;
    const auto expected = std::vector<std::vector<TPoint>>{
        Face({{40, 30, 0}, {120, 30, 0}, {120, 80, 0}, {40, 80, 0}}),
        c.Top ? Face({{40, y, 0}, {40, y, 20}, {120, y, 20}, {120, y, 0}})
              : Face({{40, y, 0}, {120, y, 0}, {120, y, 20}, {40, y, 20}}),
        c.Left ? Face({{x, 30, 0}, {x, 80, 0}, {x, 80, 20}, {x, 30, 20}})
               : Face({{x, 30, 0}, {x, 30, 20}, {x, 80, 20}, {x, 80, 0}})};
    EXPECT_EQ(Polygons(), expected) << c.View.Rotation << "/" << c.View.Elevation;
  }
}

TEST_F(View3DCanvas, RoundSolidsShowTheirNearHalfAndTheCapTowardsTheViewer) {
  // Default orthogonal view: seen from above and from the right.
  struct Case {
    const char* Name;
    bool Vertical;
    int Percent;  // 100 cylinder, 0..99 cone, -1 pyramid
    std::size_t CapPoints;
  };
  const Case cases[] = {{"cylinder", true, 100, 32}, {"lying cylinder", false, 100, 32}, {"cone", true, 0, 0},
                        {"frustum", false, 50, 32},  {"pyramid", true, -1, 0}};
  const TRect r{40, 30, 120, 80};
  for (const Case& c : cases) {
    Begin(true);
    if (c.Percent == 100) canvas.DrawCylinder(c.Vertical, r, 0, 20, true);
    else if (c.Percent >= 0) canvas.DrawCone(c.Vertical, r, 0, 20, true, c.Percent);
    else canvas.DrawPyramid(c.Vertical, r, 0, 20, true);
    std::vector<TPoint> cap;
    std::size_t sides = 0;
    for (const auto& p : Polygons()) {
      if (p.size() == 4) ++sides;
      else cap = p;
    }
    EXPECT_EQ(cap.size(), c.CapPoints) << c.Name << ": only the cap at the tip shows";
    // The tip's cap lies at the top (y - z <= 30) or at the right end (x + z >= 120).
    for (const TPoint& p : cap) EXPECT_TRUE(c.Vertical ? p.Y <= 30 : p.X >= 120) << c.Name;
    const std::size_t around = c.Percent < 0 ? 4 : 32;
    // Faces beside the outline may project to nothing.
    EXPECT_GE(sides, around / 2 - (around > 4 ? 3 : 0)) << c.Name;
    // A slanted side leans towards the viewer above: more than half may show, never all.
    EXPECT_LT(sides, around) << c.Name;
    if (c.Percent == 100) {
      EXPECT_LE(sides, around / 2 + 1) << c.Name;
    }
  }
}

TEST_F(View3DCanvas, PieSliceWithDepthShowsItsFaceAndTheRimTowardsTheViewer) {
  Begin(true);
  // A quarter from three to twelve o'clock: its rim faces up and right, both shown here.
  canvas.DrawPie3D(100, 50, 40, 30, 0, 10, 0.0, 1.5707963267948966, false, true);
  const auto polygons = Polygons();
  ASSERT_FALSE(polygons.empty());
  const std::vector<TPoint>& face = polygons.back();
  EXPECT_EQ(face.front(), (TPoint{100, 50})) << "the face at the front depth, from the centre";
  EXPECT_EQ(face[1], (TPoint{100, 20}));
  EXPECT_EQ(face.back(), (TPoint{140, 50}));
  // The cut along twelve o'clock faces left (hidden); the one along three o'clock faces down
  // (hidden); the rim and the back face are covered by the front face or show beside it.
  for (std::size_t i = 0; i + 1 < polygons.size(); ++i)
    for (const TPoint& p : polygons[i]) EXPECT_TRUE(p.X >= 100 && p.Y <= 50) << i;
}

TEST_F(View3DCanvas, RotatedPieLiesFlatWithItsFaceOnTheEllipseAndItsRimBelow) {
  // The view a pie chart takes: looking down on the table at 45 degrees.
  Begin(false, {360, 315, 0, 0, 100, 0, 0});
  constexpr double pi = std::numbers::pi;
  struct Case {
    double From, To;
    std::size_t Polygons;
  };
  // The front half shows its whole rim (32 pieces); the back half only its two cuts.
  for (const Case& k : {Case{pi, 2 * pi, 33}, Case{0, pi, 3}}) {
    device.ClearOps();
    canvas.DrawPie3D(100, 50, 40, 20, 0, 10, k.From, k.To, false, true);
    const auto polygons = Polygons();
    ASSERT_EQ(polygons.size(), k.Polygons) << k.From;
    const std::vector<TPoint>& face = polygons.back();
    EXPECT_LE(std::abs(face[0].X - 100) + std::abs(face[0].Y - 50), 1) << "the centre stays where it was asked";
    for (std::size_t i = 1; i < face.size(); ++i) {
      const double dx = (face[i].X - 100) / 40.0, dy = (face[i].Y - 50) / 20.0;
      EXPECT_NEAR(dx * dx + dy * dy, 1, 0.12) << "on the ellipse, as the flat pie and its marks";
    }
    int lowest = 0;
    for (std::size_t i = 0; i + 1 < polygons.size(); ++i)
      for (const TPoint& p : polygons[i]) lowest = std::max(lowest, p.Y);
    if (k.Polygons == 33) {
      EXPECT_GE(lowest, 50 + 20 + 5) << "the rim hangs below the face's front edge";
    }
  }
}

TEST_F(View3DCanvas, ClipToCubeKeepsTheWholeProjectedBox) {
  Begin(true);
  canvas.ClipToCube({10, 20, 110, 220}, 0, 30);
  // Columns 11 .. 109 and rows 21 .. 218 at depths 0 to 30: up to 30 right and 30 up.
  EXPECT_EQ(*device.Clip(), (TRect{11, -9, 140, 219}));
}

TEST_F(View3DCanvas, OptionsTellTheirOwnerAboutScrollingAndZoom) {
  std::vector<std::string> heard;
  const TView3DOptions* seen = nullptr;
  // The zoom is heard before it is stored.
  TView3DOptions o({.Repaint = [&] { heard.push_back("repaint"); },
                    .Scrolled = [&](bool h) { heard.push_back(h ? "scroll h" : "scroll v"); },
                    .ZoomChanged = [&](int z) {
                      heard.push_back("zoom " + std::to_string(seen->Zoom()) + " to " + std::to_string(z));
                    }});
  seen = &o;
  o.SetHorizOffset(5);
  o.SetHorizOffset(5);
  o.SetVertOffset(-3);
  o.SetZoom(120);
  o.SetZoom(120);
  EXPECT_EQ(heard, (std::vector<std::string>{"repaint", "scroll h", "repaint", "scroll v", "zoom 100 to 120", "repaint"}));
  EXPECT_EQ(seen->Zoom(), 120);
}

}  // namespace
}  // namespace chart
