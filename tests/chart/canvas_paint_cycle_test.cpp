// The canvas's paint cycle: buffer creation, reuse and recreation, presenting, and
// repainting from a clean buffer.
#include "support/RecordingDevice.h"
#include "chart/canvas/ZelCanvas3D.h"

#include <gtest/gtest.h>

namespace chart {
namespace {

using testing::TOp;
using testing::TRecordingDevice;

class PaintCycle : public ::testing::Test {
 protected:
  TRecordingDevice window;
  TZelCanvas3D canvas;
  void SetUp() override { canvas.AttachDevice(window); }
};

TEST_F(PaintCycle, BufferedDrawingHappensInBufferCoordinatesAndIsPresentedAtTheCorner) {
  const TRect bounds = canvas.BeginDrawing(window, nullptr, clBtnFace, false, {10, 20, 110, 70});
  EXPECT_EQ(bounds, (TRect{0, 0, 100, 50}));
  ASSERT_NE(canvas.Buffer(), nullptr);
  EXPECT_EQ(canvas.Buffer()->Width(), 100);
  EXPECT_EQ(canvas.Buffer()->Height(), 50);
  EXPECT_EQ(&canvas.Device(), &canvas.Buffer()->Surface());

  canvas.DrawSegment(1, 2, 3, 4);
  EXPECT_TRUE(window.Ops().empty()) << "drawing must go to the buffer, not the window";

  canvas.PresentBuffer(window, window, {10, 20, 110, 70});
  ASSERT_EQ(window.Ops().size(), 1u);
  EXPECT_EQ(window.Ops()[0].Op, TOp::DrawBitmap);
  EXPECT_EQ(window.Ops()[0].Args, (std::vector<int>{10, 20, 100, 50}));
  EXPECT_EQ(window.Ops()[0].Source, canvas.Buffer());
  EXPECT_FALSE(canvas.Dirty());
  EXPECT_EQ(&canvas.Device(), &window) << "between paints the canvas draws on the window";
}

TEST_F(PaintCycle, SameSizeOnTheSameSurfaceReusesTheBufferAndANewSizeOrSurfaceRecreatesIt) {
  canvas.BeginDrawing(window, nullptr, clBtnFace, false, {0, 0, 100, 50});
  const TDeviceBitmap* first = canvas.Buffer();
  canvas.PresentBuffer(window, window, {0, 0, 100, 50});
  canvas.BeginDrawing(window, nullptr, clBtnFace, false, {5, 5, 105, 55});
  EXPECT_EQ(canvas.Buffer(), first);
  EXPECT_EQ(window.BitmapsCreated(), 1);
  canvas.BeginDrawing(window, nullptr, clBtnFace, false, {0, 0, 100, 51});
  EXPECT_EQ(window.BitmapsCreated(), 2);
  EXPECT_EQ(window.BitmapsAlive(), 1) << "the old buffer is released";
  EXPECT_EQ(canvas.Buffer()->Height(), 51);
  // Another window (a chart given to another host) cannot show a bitmap of the first one.
  TRecordingDevice other;
  canvas.BeginDrawing(other, nullptr, clBtnFace, false, {0, 0, 100, 51});
  EXPECT_EQ(other.BitmapsCreated(), 1);
  EXPECT_EQ(window.BitmapsAlive(), 0);
}

TEST_F(PaintCycle, UnbufferedDrawsDirectlyOnTheSurfaceWithTheRequestedRectangle) {
  TRecordingDevice other;
  canvas.SetBuffered(false);
  const TRect bounds = canvas.BeginDrawing(other, nullptr, clBtnFace, false, {10, 20, 110, 70});
  EXPECT_EQ(bounds, (TRect{10, 20, 110, 70}));
  EXPECT_EQ(canvas.Buffer(), nullptr);
  EXPECT_EQ(&canvas.Device(), &other);
  canvas.DrawSegment(1, 2, 3, 4);
  EXPECT_EQ(other.OpsOf(TOp::LineTo).size(), 1u);
  canvas.PresentBuffer(window, window, bounds);
  EXPECT_TRUE(window.OpsOf(TOp::DrawBitmap).empty());
  EXPECT_TRUE(canvas.Dirty()) << "nothing was buffered, so nothing can be repainted from it";
  EXPECT_FALSE(canvas.RepaintFromBuffer());
}

TEST_F(PaintCycle, RepaintFromBufferOnlyWhileClean) {
  EXPECT_FALSE(canvas.RepaintFromBuffer()) << "before the first present";
  canvas.BeginDrawing(window, nullptr, clBtnFace, false, {0, 0, 40, 30});
  EXPECT_FALSE(canvas.RepaintFromBuffer()) << "drawn but not presented";
  canvas.PresentBuffer(window, window, {0, 0, 40, 30});
  window.ClearOps();
  EXPECT_TRUE(canvas.RepaintFromBuffer());
  ASSERT_EQ(window.OpsOf(TOp::DrawBitmap).size(), 1u);
  EXPECT_EQ(window.OpsOf(TOp::DrawBitmap)[0].Args, (std::vector<int>{0, 0, 40, 30}));
  canvas.MarkDirty();
  EXPECT_FALSE(canvas.RepaintFromBuffer());
}

TEST_F(PaintCycle, SwitchingBufferingOffDiscardsTheBufferAndMarksDirty) {
  canvas.BeginDrawing(window, nullptr, clBtnFace, false, {0, 0, 40, 30});
  canvas.PresentBuffer(window, window, {0, 0, 40, 30});
  canvas.SetBuffered(false);
  EXPECT_EQ(canvas.Buffer(), nullptr);
  EXPECT_TRUE(canvas.Dirty());
  canvas.SetBuffered(true);
  canvas.BeginDrawing(window, nullptr, clBtnFace, false, {0, 0, 40, 30});
  EXPECT_EQ(window.BitmapsCreated(), 2);
}

TEST_F(PaintCycle, MonochromeChangeRecreatesTheBufferAndRepaintsTheOwner) {
  int repaints = 0;
  TView3DOptions options({.Repaint = [&] { ++repaints; }, .Scrolled = {}, .ZoomChanged = {}});
  canvas.BeginDrawing(window, &options, clBtnFace, false, {0, 0, 40, 30});
  canvas.PresentBuffer(window, window, {0, 0, 40, 30});
  canvas.SetIsMonochrome(true);
  EXPECT_EQ(canvas.Buffer(), nullptr);
  EXPECT_TRUE(canvas.Dirty());
  EXPECT_EQ(repaints, 1);
  canvas.SetIsMonochrome(true);
  EXPECT_EQ(repaints, 1);
  canvas.BeginDrawing(window, &options, clBtnFace, false, {0, 0, 40, 30});
  EXPECT_TRUE(canvas.Buffer()->Monochrome());

  TZelCanvas3D copy;
  copy.CopySettingsFrom(canvas);
  EXPECT_TRUE(copy.IsMonochrome());
}

TEST_F(PaintCycle, DiscardingTheBufferMidPaintLeavesNoDanglingSurface) {
  canvas.BeginDrawing(window, nullptr, clBtnFace, false, {0, 0, 40, 30});
  canvas.SetBuffered(false);  // while the canvas draws on the buffer
  canvas.DrawSegment(0, 0, 5, 5);
  canvas.Pen().SetColor(clRed);
  EXPECT_EQ(canvas.MeasureTextWidth("abc"), 0);
  EXPECT_TRUE(window.Ops().empty());
}

TEST_F(PaintCycle, BeginDrawingResetsTheProjectionFor2D) {
  TView3DOptions options;
  options.SetZoom(200);
  canvas.BeginDrawing(window, &options, clBtnFace, true, {0, 0, 40, 30});
  EXPECT_TRUE(canvas.IsOrthogonal());
  EXPECT_DOUBLE_EQ(canvas.ZoomFactor(), 2.0);
  canvas.BeginDrawing(window, &options, clBtnFace, false, {0, 0, 40, 30});
  EXPECT_FALSE(canvas.IsOrthogonal());
  EXPECT_FALSE(canvas.Is3D());
  EXPECT_DOUBLE_EQ(canvas.ZoomFactor(), 1.0);
  EXPECT_EQ(canvas.Project(7, 9, 100), (TPoint{7, 9}));
}

}  // namespace
}  // namespace chart
