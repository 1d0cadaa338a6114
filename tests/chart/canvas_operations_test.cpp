// Canvas operations as the chart issues them, observed on the recording device.
#include "support/RecordingDevice.h"
#include "chart/canvas/ZelCanvas3D.h"

#include <gtest/gtest.h>

namespace chart {
namespace {

using testing::TOp;
using testing::TRecordingDevice;

class CanvasOps : public ::testing::Test {
 protected:
  TRecordingDevice device;
  TZelCanvas3D canvas;
  void SetUp() override { canvas.AttachDevice(device); }
  const testing::TRecordedOp& Only(TOp op) {
    auto ops = device.OpsOf(op);
    EXPECT_EQ(ops.size(), 1u) << testing::OpName(op);
    static testing::TRecordedOp last;
    last = ops.empty() ? testing::TRecordedOp{} : ops[0];
    return last;
  }
};

TEST_F(CanvasOps, PolygonOfLastIndexThreeIsAQuadrilateral) {
  const std::vector<TPoint> pts{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {99, 99}};
  canvas.DrawPolygon(pts, 3);
  EXPECT_EQ(Only(TOp::Polygon).Points, (std::vector<TPoint>(pts.begin(), pts.begin() + 4)));
}

TEST_F(CanvasOps, PolygonNeverReadsBeyondItsPointsAndNegativeLastIndexDrawsNothing) {
  const std::vector<TPoint> pts{{0, 0}, {10, 0}, {10, 10}};
  canvas.DrawPolygon(pts, -1);
  EXPECT_TRUE(device.Ops().empty());
  canvas.DrawPolygon(pts, 7);
  EXPECT_EQ(Only(TOp::Polygon).Points.size(), 3u);
}

TEST_F(CanvasOps, EllipseAtDepthCoversOneMoreColumnAndRow) {
  canvas.DrawEllipse(10, 20, 30, 40);
  canvas.DrawEllipseAtDepth(10, 20, 30, 40, 7);
  auto ellipses = device.OpsOf(TOp::Ellipse);
  ASSERT_EQ(ellipses.size(), 2u);
  EXPECT_EQ(ellipses[0].Args, (std::vector<int>{10, 20, 30, 40}));
  EXPECT_EQ(ellipses[1].Args, (std::vector<int>{10, 20, 31, 41}));
  device.ClearOps();
  canvas.DrawSphere(50, 50, 3, 4.5);  // radius rounds half to even: 4
  EXPECT_EQ(Only(TOp::Ellipse).Args, (std::vector<int>{46, 46, 55, 55}));
}

TEST_F(CanvasOps, ClipToCubeMovesLeftAndTopInAndBottomUp) {
  canvas.ClipToCube({10, 20, 110, 220}, 0, 0);
  ASSERT_TRUE(device.Clip().has_value());
  const TRect clip = *device.Clip();
  // Columns 11 .. 109 and rows 21 .. 218.
  EXPECT_EQ(clip, (TRect{11, 21, 110, 219}));
  canvas.ClipToRect({0, 0, 50, 300});
  EXPECT_EQ(*device.Clip(), (TRect{11, 21, 50, 219})) << "clips intersect";
  canvas.RemoveClip();
  EXPECT_FALSE(device.Clip().has_value());
}

TEST_F(CanvasOps, RotatedTextReducesAnglesAboveFullTurnAndRestoresTheFont) {
  canvas.Brush().SetStyle(bsSolid);
  canvas.Font().SetSize(9);
  canvas.DrawRotatedText(5, 6, "a", 450);
  canvas.DrawRotatedText(5, 6, "b", 360);
  canvas.DrawRotatedText(5, 6, "c", 90);
  auto texts = device.OpsOf(TOp::TextOut);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].Font.Orientation(), 900);
  EXPECT_EQ(texts[1].Font.Orientation(), 3600);
  EXPECT_EQ(texts[2].Font.Orientation(), 900);
  EXPECT_TRUE(texts[0].Font.OutlineOnly());
  EXPECT_EQ(texts[0].Font.Size(), 9);
  EXPECT_EQ(texts[0].Brush.Style(), bsClear);
  EXPECT_EQ(texts[0].Args, (std::vector<int>{5, 6}));
  EXPECT_EQ(canvas.Font().Orientation(), 0);
  EXPECT_FALSE(canvas.Font().OutlineOnly());
  EXPECT_EQ(canvas.Brush().Style(), bsClear) << "the brush style stays clear";
}

TEST_F(CanvasOps, InvisibleChartPenKeepsColourAndWidthButDrawsNoOutline) {
  canvas.Pen().SetColor(clRed);
  canvas.Pen().SetWidth(3);
  TChartPen hidden;
  hidden.SetVisible(false);
  hidden.SetColor(clBlue);
  hidden.SetWidth(1);
  canvas.ApplyChartPen(hidden);
  EXPECT_EQ(canvas.Pen().Style(), psClear);
  EXPECT_EQ(canvas.Pen().Color(), clRed);
  EXPECT_EQ(canvas.Pen().Width(), 3);
}

TEST_F(CanvasOps, VisibleChartPenTakesColourWidthStyleAndMode) {
  TChartPen pen;
  pen.SetColor(clBtnShadow);
  pen.SetWidth(2);
  pen.SetStyle(psDashDot);
  pen.SetMode(pmNotXor);
  canvas.ApplyChartPen(pen);
  EXPECT_EQ(canvas.Pen().Color(), clBtnShadow) << "the device resolves system colours when it draws";
  EXPECT_EQ(canvas.Pen().Width(), 2);
  EXPECT_EQ(canvas.Pen().Style(), psDashDot);
  EXPECT_EQ(canvas.Pen().Mode(), pmNotXor);
  EXPECT_FALSE(canvas.Pen().Alternate());
}

TEST_F(CanvasOps, SmallDotsGiveAnAlternatePixelPenInTheResolvedColourWhenTheDeviceHasOne) {
  TChartPen pen;
  pen.SetSmallDots(true);
  pen.SetColor(clBtnShadow);
  pen.SetStyle(psDash);
  canvas.ApplyChartPen(pen);
  EXPECT_TRUE(canvas.Pen().Alternate());
  EXPECT_EQ(canvas.Pen().Color(), device.LookupSystemColor(16));
  EXPECT_EQ(canvas.Pen().Width(), 1);

  device.SetSupportsAlternatePen(false);
  canvas.ApplyChartPen(pen);
  EXPECT_FALSE(canvas.Pen().Alternate());
  EXPECT_EQ(canvas.Pen().Style(), psDash);

  device.SetSupportsAlternatePen(true);
  pen.SetWidth(2);
  canvas.ApplyChartPen(pen);
  EXPECT_FALSE(canvas.Pen().Alternate()) << "small dots apply to one-pixel pens only";
}

TEST_F(CanvasOps, ResetDrawingStateLeavesThePenModeAlone) {
  canvas.Pen().SetMode(pmNotXor);
  canvas.Pen().SetColor(clRed);
  canvas.Pen().SetWidth(4);
  canvas.Pen().SetStyle(psDot);
  canvas.Brush().SetStyle(bsClear);
  canvas.Brush().SetColor(clRed);
  canvas.Font().SetColor(clRed);
  canvas.SetTextBackMode(OPAQUE);
  canvas.SetTextBackColor(clRed);
  canvas.ResetDrawingState();
  EXPECT_EQ(canvas.Pen().Mode(), pmNotXor);
  EXPECT_EQ(canvas.Pen().Color(), clBlack);
  EXPECT_EQ(canvas.Pen().Width(), 1);
  EXPECT_EQ(canvas.Pen().Style(), psSolid);
  EXPECT_EQ(canvas.Brush().Color(), clWhite);
  EXPECT_EQ(canvas.Brush().Style(), bsSolid);
  EXPECT_EQ(canvas.Font().Color(), clBlack);
  EXPECT_EQ(canvas.Font().Size(), 10);
  EXPECT_EQ(canvas.TextBackColor(), clWhite);
  EXPECT_EQ(canvas.TextBackMode(), TRANSPARENT);
}

TEST_F(CanvasOps, TextMeasuringUsesTheDeviceAndGivesZeroWhenItCannotMeasure) {
  canvas.Font().SetSize(8);
  EXPECT_EQ(canvas.MeasureTextWidth("0.25"), 32);
  EXPECT_EQ(canvas.MeasureFontHeight(), 13);
  device.SetFixedMetrics(0, 0);
  EXPECT_EQ(canvas.MeasureTextWidth("0.25"), 0);
  EXPECT_EQ(canvas.MeasureTextHeight("W"), 0);
}

TEST_F(CanvasOps, BevelFrameDrawsNestedFramesInsideTheRectangle) {
  canvas.Pen().SetWidth(3);
  const TRect rect{0, 0, 10, 8};
  canvas.DrawBevelFrame(rect, clBtnShadow, clBtnHighlight, 2);
  auto lines = device.OpsOf(TOp::Polyline);
  ASSERT_EQ(lines.size(), 4u);
  using P = std::vector<TPoint>;
  EXPECT_EQ(lines[0].Points, (P{{0, 7}, {0, 0}, {9, 0}}));
  EXPECT_EQ(lines[0].Pen.Color(), clBtnShadow);
  EXPECT_EQ(lines[0].Pen.Width(), 1);
  EXPECT_EQ(lines[1].Points, (P{{9, 0}, {9, 7}, {-1, 7}}));
  EXPECT_EQ(lines[1].Pen.Color(), clBtnHighlight);
  EXPECT_EQ(lines[2].Points, (P{{1, 6}, {1, 1}, {8, 1}}));
  EXPECT_EQ(lines[3].Points, (P{{8, 1}, {8, 6}, {0, 6}}));
}

TEST_F(CanvasOps, ResolveColorFollowsThePaletteAndPassesOtherValues) {
  device.SetSystemColor(15, 0x00123456);
  EXPECT_EQ(canvas.ResolveColor(clBtnFace), 0x00123456u);
  device.SetSystemColor(15, 0x00654321);
  EXPECT_EQ(canvas.ResolveColor(clBtnFace), 0x00654321u);
  EXPECT_EQ(canvas.ResolveColor(0x0000FF00), 0x0000FF00u);
  EXPECT_EQ(canvas.ResolveColor(clDefault), clDefault);
  EXPECT_EQ(canvas.ResolveColor(clNone), clNone);
}

TEST_F(CanvasOps, ResolvedColoursReachTheDeviceForPixelsAndTextBackground) {
  device.SetSystemColor(15, 0x00ABCDEF);
  canvas.PutPixel(3, 4, clBtnFace);
  EXPECT_EQ(Only(TOp::SetPixel).Color, 0x00ABCDEFu);
  canvas.SetTextBackColor(clBtnFace);
  EXPECT_EQ(device.TextBackColor(), 0x00ABCDEFu);
  EXPECT_EQ(canvas.TextBackColor(), 0x00ABCDEFu);
}

TEST_F(CanvasOps, LinesAndRectanglesPassTheirCoordinatesThrough) {
  canvas.DrawSegment(1, 2, 3, 4);
  canvas.DrawHorizontalLine(5, 9, 7);
  canvas.DrawVerticalLine(6, 1, 8);
  canvas.MovePenTo(0, 0);
  canvas.LineToPoint(-4, 5);
  canvas.DrawRectangleOf({1, 2, 3, 4});
  canvas.EraseRect({0, 0, 9, 9});
  auto lines = device.OpsOf(TOp::LineTo);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].Args, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(lines[1].Args, (std::vector<int>{5, 7, 9, 7}));
  EXPECT_EQ(lines[2].Args, (std::vector<int>{6, 1, 6, 8}));
  EXPECT_EQ(lines[3].Args, (std::vector<int>{0, 0, -4, 5}));
  EXPECT_EQ(Only(TOp::Rectangle).Args, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(Only(TOp::FillRect).Args, (std::vector<int>{0, 0, 9, 9}));
}

TEST_F(CanvasOps, DepthOperationsIgnoreZIn2D) {
  canvas.DrawHorizontalLine3D(1, 9, 5, 40);
  canvas.DrawVerticalLine3D(2, 3, 8, 40);
  canvas.DrawLineAtDepth(1, 1, 4, 4, 40);
  canvas.MovePenTo3D(7, 7, 40);
  canvas.LineToPoint3D(8, 9, 40);
  canvas.DrawText3D(10, 11, "x", 40);
  canvas.DrawRotatedText3D(12, 13, 40, "y", 0);
  canvas.DrawRectangleAtDepth({1, 2, 3, 4}, 40);
  auto lines = device.OpsOf(TOp::LineTo);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].Args, (std::vector<int>{1, 5, 9, 5}));
  EXPECT_EQ(lines[1].Args, (std::vector<int>{2, 3, 2, 8}));
  EXPECT_EQ(lines[2].Args, (std::vector<int>{1, 1, 4, 4}));
  EXPECT_EQ(lines[3].Args, (std::vector<int>{7, 7, 8, 9}));
  auto texts = device.OpsOf(TOp::TextOut);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].Args, (std::vector<int>{10, 11}));
  EXPECT_EQ(texts[1].Args, (std::vector<int>{12, 13}));
  EXPECT_EQ(Only(TOp::Polygon).Points, (std::vector<TPoint>{{1, 2}, {3, 2}, {3, 4}, {1, 4}}));
}

TEST_F(CanvasOps, PutPixel3DSetsAPixelWithAThinPenAndADotWithAWideOne) {
  canvas.PutPixel3D(3, 4, 9, clRed);
  EXPECT_EQ(Only(TOp::SetPixel).Args, (std::vector<int>{3, 4}));
  canvas.Pen().SetWidth(3);
  canvas.PutPixel3D(5, 6, 9, clBlue);
  const auto& dot = Only(TOp::LineTo);
  EXPECT_EQ(dot.Args, (std::vector<int>{5, 6, 5, 6}));
  EXPECT_EQ(dot.Pen.Color(), clBlue);
}

TEST_F(CanvasOps, PicturesAreSkippedWhenMissingOrEmpty) {
  canvas.DrawGraphic(0, 0, nullptr);
  TPicture empty;
  canvas.DrawGraphic(0, 0, &empty);
  canvas.StretchGraphic({0, 0, 5, 5}, &empty);
  EXPECT_TRUE(device.Ops().empty());
  TPicture one(2, 1, {clRed, clBlue});
  canvas.Brush().SetColor(clYellow);
  canvas.Font().SetColor(clNavy);
  canvas.DrawGraphic(4, 5, &one);
  EXPECT_EQ(Only(TOp::DrawPicture).Args, (std::vector<int>{4, 5, 2, 1}));
  EXPECT_EQ(device.TextBackColor(), clYellow);
  EXPECT_EQ(Only(TOp::DrawPicture).TextColor, clNavy) << "a picture's foreground is the font colour";
}

TEST_F(CanvasOps, GradientBandsRunFromStartToEndColourAndRestoreTheBrush) {
  canvas.Brush().SetColor(clAqua);
  canvas.FillGradient({0, 0, 10, 4}, clBlack, clWhite, gdTopBottom);
  auto bands = device.OpsOf(TOp::FillRect);
  ASSERT_EQ(bands.size(), 4u);
  EXPECT_EQ(bands[0].Args, (std::vector<int>{0, 0, 10, 1}));
  EXPECT_EQ(bands[0].Brush.Color(), clBlack);
  EXPECT_EQ(bands[3].Args, (std::vector<int>{0, 3, 10, 4}));
  EXPECT_EQ(bands[3].Brush.Color(), clWhite);
  EXPECT_EQ(bands[1].Brush.Color(), RGB(85, 85, 85));
  EXPECT_EQ(canvas.Brush().Color(), clAqua);

  device.ClearOps();
  canvas.FillGradient({0, 0, 1000, 3}, clRed, clBlue, gdRightLeft);
  bands = device.OpsOf(TOp::FillRect);
  ASSERT_EQ(bands.size(), 256u) << "at most 256 bands";
  EXPECT_EQ(bands.front().Args[2], 1000);
  EXPECT_EQ(bands.back().Args[0], 0);
  EXPECT_EQ(bands.back().Brush.Color(), clBlue);
}

TEST_F(CanvasOps, OrthogonalProjectionFollowsTheFormula) {
  TView3DOptions options;
  options.SetZoom(150);
  options.SetHorizOffset(3);
  options.SetVertOffset(-4);
  canvas.BeginDrawing(device, &options, clWhite, true, {0, 0, 200, 100});
  canvas.SetProjection(21, {0, 0, 200, 100}, {-11, 10, 100, 91});
  EXPECT_EQ(canvas.Center(), (TPoint{44, 50})) << "(-11 + 100) div 2 truncates towards zero";
  EXPECT_EQ(canvas.ZCenter(), 10);
  EXPECT_EQ(canvas.CenterOffset(), (TPoint{47, 46}));
  // x' = Round(1.5 * (x + z - 44)) + 47, y' = Round(1.5 * (y - z - 50)) + 46.
  EXPECT_EQ(canvas.ProjectToPoint(50, 60, 5), (TPoint{RoundInt(1.5 * 11) + 47, RoundInt(1.5 * 5) + 46}));
  int x = 64, y = 54;
  canvas.UnprojectPoint(x, y, 5);
  const TPoint back = canvas.ProjectToPoint(x, y, 5);
  EXPECT_NEAR(back.X, 64, 1);
  EXPECT_NEAR(back.Y, 54, 1);
  EXPECT_DOUBLE_EQ(canvas.PerspectiveFactor(), 15 / 35000.0);
}

TEST_F(CanvasOps, TextScalesWithTheZoomOnlyIn3D) {
  TView3DOptions options;
  options.SetZoom(200);
  canvas.Font().SetSize(8);
  canvas.BeginDrawing(device, &options, clWhite, true, {0, 0, 200, 100});
  canvas.AttachDevice(device);
  canvas.DrawText3D(0, 0, "z", 0);
  canvas.DrawRotatedText(0, 0, "r", 30);
  auto texts = device.OpsOf(TOp::TextOut);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].Font.Size(), 16);
  EXPECT_EQ(texts[1].Font.Size(), 16);
  EXPECT_EQ(canvas.Font().Size(), 8);
  options.SetZoomText(false);
  canvas.BeginDrawing(device, &options, clWhite, true, {0, 0, 200, 100});
  canvas.AttachDevice(device);
  canvas.DrawText3D(0, 0, "z", 0);
  EXPECT_EQ(device.OpsOf(TOp::TextOut).back().Font.Size(), 8);
}

TEST_F(CanvasOps, FlatPlaneSuspendsAndRestoresTheProjection) {
  TView3DOptions options;
  options.SetOrthogonal(false);
  canvas.BeginDrawing(device, &options, clWhite, true, {0, 0, 200, 100});
  EXPECT_TRUE(canvas.Is3D());
  canvas.BeginFlatPlane();
  EXPECT_FALSE(canvas.Is3D());
  EXPECT_EQ(canvas.ProjectToPoint(5, 6, 50), (TPoint{5, 6}));
  canvas.EndFlatPlane();
  EXPECT_TRUE(canvas.Is3D());
}

// The 3D solids never run in a 2D chart; in every mode they must draw something sane.
TEST_F(CanvasOps, SolidsDrawInEveryProjectionMode) {
  TView3DOptions options;
  for (int mode = 0; mode < 3; ++mode) {
    options.SetOrthogonal(mode == 1);
    canvas.BeginDrawing(device, &options, clWhite, mode != 0, {0, 0, 200, 100});
    canvas.AttachDevice(device);
    canvas.SetProjection(30, {0, 0, 200, 100}, {10, 10, 190, 90});
    device.ClearOps();
    const TRect r{20, 20, 60, 80};
    canvas.DrawCube(r, 0, 10, true);
    canvas.DrawCylinder(true, r, 0, 10, false);
    canvas.DrawCone(false, r, 0, 10, true, 30);
    canvas.DrawPyramid(true, r, 0, 10, false);
    canvas.DrawPie3D(100, 50, 30, 20, 0, 10, 0.0, 1.5, true, true);
    canvas.DrawArrow(true, {10, 10}, {50, 40}, 8, 6, 0);
    canvas.DrawArrow(false, {10, 10}, {10, 10}, 8, 6, 0);
    canvas.DrawPlane3D({1, 1}, {5, 5}, 0, 10);
    canvas.DrawQuad3D({TPoint{1, 1}, {5, 1}, {5, 5}, {1, 5}}, 0, 10);
    canvas.DrawTriangle3D({TPoint3D{1, 1, 0}, {5, 1, 0}, {3, 5, 10}}, {clRed, clBlue, clLime});
    canvas.DrawFloorPlane(1, 2, 3, 0, 10);
    canvas.DrawSidePlane(1, 2, 3, 0, 10);
    canvas.DrawDepthLine3D(4, 4, 0, 10);
    canvas.DrawSurface3D();
    EXPECT_GE(device.OpsOf(TOp::Polygon).size(), 9u) << "mode " << mode;
    // Flat, the slice is the device's pie; in depth it is made of faces.
    EXPECT_EQ(device.OpsOf(TOp::Pie).size(), mode == 0 ? 1u : 0u);
    for (const auto& op : device.OpsOf(TOp::Polygon))
      for (const TPoint& p : op.Points) {
        EXPECT_GT(p.X, -1000);
        EXPECT_LT(p.X, 1000);
      }
  }
}

}  // namespace
}  // namespace chart
