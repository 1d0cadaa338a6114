#include <gtest/gtest.h>

#include "chart/axis/ChartAxis.h"
#include "chart/core/Exceptions.h"
#include "chart_test_fixture.h"

namespace chart {
namespace {

using testing::ChartFixture;

TEST(ChartDefaults, AsConstructed) {
  TChart c;
  EXPECT_EQ(c.Width(), 400);
  EXPECT_EQ(c.Height(), 250);
  EXPECT_EQ(c.Color(), clBtnFace);
  EXPECT_EQ(c.BevelOuter(), bvRaised);
  EXPECT_EQ(c.BevelInner(), bvNone);
  EXPECT_EQ(c.BevelWidth(), 1);
  EXPECT_EQ(c.BorderWidth(), 0);
  EXPECT_EQ(c.MarginLeft(), 3);
  EXPECT_EQ(c.MarginTop(), 4);
  EXPECT_EQ(c.MarginRight(), 3);
  EXPECT_EQ(c.MarginBottom(), 4);
  EXPECT_TRUE(c.View3D());
  EXPECT_EQ(c.Chart3DPercent(), 15);
  EXPECT_FALSE(c.Monochrome());
  EXPECT_TRUE(c.Canvas().Buffered());
  EXPECT_FALSE(c.Gradient().Visible());
  EXPECT_EQ(c.BackImage(), nullptr);
  EXPECT_EQ(c.BackImageMode(), pbmStretch);
  EXPECT_TRUE(c.AllowZoom());
  EXPECT_EQ(c.AllowPanning(), pmBoth);
  EXPECT_FALSE(c.AnimatedZoom());
  EXPECT_EQ(c.AnimatedZoomSteps(), 8);
  EXPECT_TRUE(c.AxisVisible());
  EXPECT_TRUE(c.ClipPoints());
  EXPECT_TRUE(c.View3DWalls());
  EXPECT_EQ(c.MaxPointsPerPage(), 0);
  EXPECT_EQ(c.Page(), 1);
  EXPECT_TRUE(c.ScaleLastPage());
  EXPECT_FALSE(c.BackImageInside());
  EXPECT_TRUE(c.RepaintEnabled());

  EXPECT_EQ(c.BackWall().Brush().Style(), bsClear);
  EXPECT_EQ(c.BackWall().Color(), clDefault);
  EXPECT_EQ(c.LeftWall().Color(), TColor{0x0080FFFF});
  EXPECT_EQ(c.LeftWall().Brush().Style(), bsSolid);
  EXPECT_EQ(c.BottomWall().Color(), clWhite);
  for (TChartWall* w : {&c.BackWall(), &c.LeftWall(), &c.BottomWall()}) {
    EXPECT_TRUE(w->Pen().Visible());
    EXPECT_EQ(w->Pen().Color(), clBlack);
    EXPECT_EQ(w->Brush().Color(), clDefault);
    EXPECT_TRUE(w->Dark3D());
    EXPECT_EQ(w->Size(), 0);
    EXPECT_FALSE(w->IsColorStored());
  }
  EXPECT_EQ(&c.Frame(), &c.BackWall().Pen());

  for (TChartTitle* t : {&c.Title(), &c.Foot()}) {
    EXPECT_TRUE(t->Visible());
    EXPECT_TRUE(t->Text().empty());
    EXPECT_EQ(t->Alignment(), taCenter);
    EXPECT_EQ(t->Color(), clDefault);
    EXPECT_EQ(t->Brush().Style(), bsSolid);
    EXPECT_EQ(t->Brush().Color(), clDefault);
    EXPECT_FALSE(t->Frame().Visible());
    EXPECT_TRUE(t->AdjustFrame());
    EXPECT_EQ(t->Font().Color(), clBlue);
    EXPECT_EQ(t->Font().Name(), "Arial");
    EXPECT_EQ(t->Font().Size(), 8);
    EXPECT_FALSE(t->IsFontStored());
  }
}

TEST(ChartDefaults, FiveAxesInOrderWithTheirFixedFlags) {
  TChart c;
  const auto& axes = c.AxisList();
  ASSERT_EQ(axes.size(), 5u);
  EXPECT_EQ(axes[0], c.BottomAxis());
  EXPECT_EQ(axes[1], c.TopAxis());
  EXPECT_EQ(axes[2], c.LeftAxis());
  EXPECT_EQ(axes[3], c.RightAxis());
  EXPECT_EQ(axes[4], c.DepthAxis());
  struct Flags { bool horizontal, otherSide, depth; int titleAngle; bool visible; };
  const Flags expected[5] = {{true, false, false, 0, true}, {true, true, false, 0, true},
                             {false, false, false, 90, true}, {false, true, false, 270, true},
                             {false, true, true, 0, false}};
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(axes[i]->IsHorizontal(), expected[i].horizontal);
    EXPECT_EQ(axes[i]->IsOtherSide(), expected[i].otherSide);
    EXPECT_EQ(axes[i]->IsDepth(), expected[i].depth);
    EXPECT_EQ(axes[i]->Title().Angle(), expected[i].titleAngle);
    EXPECT_FALSE(axes[i]->Title().IsAngleStored());
    EXPECT_EQ(axes[i]->Visible(), expected[i].visible);
  }
  EXPECT_TRUE(dynamic_cast<TChartDepthAxis*>(c.DepthAxis()));
}

TEST(ChartValidation, RefusesOutOfRangeValuesAndKeepsTheOldOnes) {
  TChart c;
  for (int bad : {0, 101, -5}) {
    try {
      c.SetChart3DPercent(bad);
      FAIL() << bad;
    } catch (const ChartException& e) {
      EXPECT_STREQ(e.what(), "3D effect percent must be between 1 and 100");
    }
  }
  EXPECT_EQ(c.Chart3DPercent(), 15);
  c.SetChart3DPercent(1);
  c.SetChart3DPercent(100);
  EXPECT_EQ(c.Chart3DPercent(), 100);
  try {
    c.SetMaxPointsPerPage(-1);
    FAIL();
  } catch (const ChartException& e) {
    EXPECT_STREQ(e.what(), "MaxPointsPerPage must be >= 0");
  }
  EXPECT_EQ(c.MaxPointsPerPage(), 0);
  EXPECT_THROW(c.TopAxis()->Title().SetAngle(360), ChartException);
}

TEST_F(ChartFixture, ChangesMarkTheBufferDirtyAndAskTheWindowOnce) {
  chart.Paint();
  ASSERT_FALSE(chart.Canvas().Dirty());
  const int before = host.Invalidations;
  // Same values: nothing happens.
  chart.SetMarginLeft(3);
  chart.SetColor(clBtnFace);
  chart.SetView3D(true);
  chart.Title().SetText({});
  chart.BottomAxis()->SetInverted(false);
  chart.BackWall().Pen().SetColor(clBlack);
  EXPECT_EQ(host.Invalidations, before);
  EXPECT_FALSE(chart.Canvas().Dirty());
  // New values: the buffer is dirty and the window is asked once for the whole burst.
  chart.SetMarginLeft(5);
  chart.Title().Font().SetSize(12);
  chart.LeftAxis()->SetMinimum(-3);
  chart.BackWall().Brush().SetColor(clRed);
  EXPECT_TRUE(chart.Canvas().Dirty());
  EXPECT_EQ(host.Invalidations, before + 1);
  chart.Paint();
  chart.SetMarginLeft(6);
  EXPECT_EQ(host.Invalidations, before + 2) << "a paint re-arms the window request";
}

TEST_F(ChartFixture, PaintOnACleanBufferOnlyCopiesIt) {
  chart.Paint();
  const std::size_t drawn = Buffer().Ops().size();
  ASSERT_GT(drawn, 0u);
  Window().ClearOps();
  chart.Paint();
  EXPECT_EQ(Buffer().Ops().size(), drawn) << "nothing drawn again";
  ASSERT_EQ(Window().Ops().size(), 1u);
  EXPECT_EQ(Window().Ops()[0].Op, testing::TOp::DrawBitmap);
  EXPECT_EQ(Window().Ops()[0].Source, chart.Canvas().Buffer());
  EXPECT_EQ(host.Window().BitmapsCreated(), 1) << "the buffer is reused";
  chart.SetWidth(904);  // a size change must not show the old picture
  EXPECT_TRUE(chart.Canvas().Dirty());
}

TEST_F(ChartFixture, PrintingPaintsNothing) {
  chart.SetPrinting(true);
  chart.Paint();
  EXPECT_EQ(chart.Canvas().Buffer(), nullptr);
  EXPECT_TRUE(Window().Ops().empty());
}

TEST_F(ChartFixture, BackColorMakesTheWallSolidOnlyOnAShownChart) {
  TChart loose;
  loose.SetBackColor(clWhite);
  EXPECT_EQ(loose.BackWall().Color(), clWhite);
  EXPECT_EQ(loose.BackWall().Brush().Style(), bsClear);

  chart.BeginLoading();
  chart.SetBackColor(clYellow);
  EXPECT_EQ(chart.BackWall().Brush().Style(), bsClear);
  chart.EndLoading();
  chart.SetBackColor(clWhite);
  EXPECT_EQ(chart.BackColor(), clWhite);
  EXPECT_EQ(chart.BackWall().Brush().Style(), bsSolid);
  EXPECT_FALSE(chart.IsColorFree(clWhite, true)) << "series colours avoid the back colour";
}

TEST_F(ChartFixture, LoadingExemptsAxisRangeValidation) {
  chart.BeginLoading();
  chart.BottomAxis()->SetMinimum(5);
  chart.BottomAxis()->SetMaximum(8);
  chart.EndLoading();
  EXPECT_EQ(chart.BottomAxis()->Minimum(), 5);
  EXPECT_THROW(chart.BottomAxis()->SetMinimum(9), AxisException);
}

}  // namespace
}  // namespace chart
