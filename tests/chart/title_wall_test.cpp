#include <gtest/gtest.h>

#include "chart_test_fixture.h"

namespace chart {
namespace {

using testing::ChartFixture;
using testing::TOp;

// Titles and walls on a chart without axes, so only they move the chart rectangle.
struct Headings : ChartFixture {
  Headings() {
    DemoLook();
    chart.SetAxisVisible(false);
  }
  std::vector<testing::TRecordedOp> Texts() { return BufferOps(TOp::TextOut); }
};

TEST_F(Headings, EmptyTitleTakesNoRoom) {
  chart.Paint();
  EXPECT_EQ(chart.ChartRect(), (TRect{27, 21, 878, 504}));
  EXPECT_EQ(chart.Title().TitleBounds().Height(), 0);
  EXPECT_TRUE(Texts().empty());
}

TEST_F(Headings, TitleLinesStackDownFromTheTop) {
  chart.Title().SetText({"first", "second"});
  chart.Paint();
  EXPECT_EQ(chart.ChartRect().Top, 21 + 2 * 13 + 5);
  const auto texts = Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].Text, "first");
  EXPECT_EQ(texts[0].Args, (std::vector<int>{452 - 20, 21}));
  EXPECT_EQ(texts[1].Text, "second");
  EXPECT_EQ(texts[1].Args, (std::vector<int>{452 - 24, 34}));
  EXPECT_EQ(chart.Title().TitleBounds(), (TRect{27, 21, 878, 47}));
}

TEST_F(Headings, FootLinesStackUpFromTheBottomLastFirst) {
  chart.Foot().SetText({"first", "second"});
  chart.Paint();
  EXPECT_EQ(chart.ChartRect().Bottom, 504 - 2 * 13 - 5);
  const auto texts = Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].Text, "second");
  EXPECT_EQ(texts[0].Args[1], 504 - 13);
  EXPECT_EQ(texts[1].Text, "first");
  EXPECT_EQ(texts[1].Args[1], 504 - 26);
  EXPECT_EQ(texts[0].Font.Color(), clBlue);
}

TEST_F(Headings, AlignmentPlacesLinesHalfAWInside) {
  chart.Title().SetText({"abc"});
  chart.Title().SetAlignment(taLeftJustify);
  chart.Paint();
  EXPECT_EQ(Texts().back().Args[0], 27 + 4);
  chart.Title().SetAlignment(taRightJustify);
  Buffer().ClearOps();
  chart.Paint();
  EXPECT_EQ(Texts().back().Args[0], 878 - 24 - 4);
}

TEST_F(Headings, FramedTitleBoxIsAsWideAsItsTextPlusW) {
  chart.Title().SetText({"TChart"});
  chart.Title().Frame().SetVisible(true);
  chart.Paint();
  EXPECT_EQ(chart.ChartRect().Top, 21 + 13 + 1 + 1 + 5);
  const auto boxes = BufferOps(TOp::Rectangle);
  ASSERT_GE(boxes.size(), 1u);
  // 48 wide text plus "W" (8): 56, centred on 452; one pixel above and below the text.
  EXPECT_EQ(boxes[0].Args, (std::vector<int>{452 - 28, 21, 452 + 28, 21 + 1 + 13 + 1}));
  EXPECT_EQ(Texts()[0].Args, (std::vector<int>{452 - 24, 22}));
  EXPECT_TRUE(chart.Title().Clicked(452, 25));
  EXPECT_FALSE(chart.Title().Clicked(452 + 28, 25)) << "right edge excluded";
  chart.Title().SetVisible(false);
  EXPECT_FALSE(chart.Title().Clicked(452, 25));
}

TEST_F(Headings, BrushColourBecomesTheTitleColourOnFirstPaint) {
  chart.Title().SetText({"TChart"});
  chart.Title().Brush().SetColor(clYellow);
  chart.Paint();
  EXPECT_EQ(chart.Title().Color(), clYellow);
  for (int paint = 0; paint < 2; ++paint) {
    const auto boxes = BufferOps(TOp::Rectangle);
    ASSERT_GE(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Brush.Color(), clYellow);
    EXPECT_EQ(boxes[0].Brush.Style(), bsSolid);
    EXPECT_EQ(boxes[0].Pen.Style(), psClear) << "hidden frame";
    Buffer().ClearOps();
    chart.InvalidateChart();
    chart.Paint();
  }
}

TEST_F(Headings, LegendOrderDependsOnItsPlace) {
  struct LegendChart : TChart {
    bool visible = true;
    TLegendAlignment alignment = laRight;
    std::vector<int> textsBeforeLegend;
    std::function<int()> countTexts;
    bool LegendVisible() const override { return visible; }
    TLegendAlignment LegendAlignment() const override { return alignment; }
    void DrawLegend() override { textsBeforeLegend.push_back(countTexts()); }
  } c;
  c.SetHost(&host);
  c.SetView3D(false);
  c.Title().SetText({"T"});
  c.Foot().SetText({"F"});
  testing::TJournalSeries s(nullptr);
  c.countTexts = [&] { return static_cast<int>(dynamic_cast<testing::TRecordingDevice&>(c.Canvas().Buffer()->Surface()).OpsOf(TOp::TextOut).size()); };
  c.Paint();
  EXPECT_TRUE(c.textsBeforeLegend.empty()) << "no active series: no legend";
  s.SetParentChart(&c);
  auto paint = [&] {
    dynamic_cast<testing::TRecordingDevice&>(c.Canvas().Buffer()->Surface()).ClearOps();
    c.InvalidateChart();
    c.Paint();
  };
  paint();
  EXPECT_EQ(c.textsBeforeLegend.back(), 0) << "right-aligned legend first";
  c.alignment = laBottom;
  paint();
  EXPECT_EQ(c.textsBeforeLegend.back(), 2) << "title and foot first";
  c.visible = false;
  const std::size_t calls = c.textsBeforeLegend.size();
  paint();
  EXPECT_EQ(c.textsBeforeLegend.size(), calls);
}

TEST_F(Headings, DemoBackWallIsAOnePixelOutline) {
  chart.Paint();
  const auto boxes = BufferOps(TOp::Rectangle);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].Args, (std::vector<int>{27, 21, 879, 505}));
  EXPECT_EQ(boxes[0].Brush.Style(), bsClear);
  EXPECT_EQ(boxes[0].Pen.Style(), psSolid);
  EXPECT_EQ(boxes[0].Pen.Width(), 1);
  EXPECT_EQ(boxes[0].Pen.Color(), clBlack);
  EXPECT_EQ(boxes[0].TextBackMode, OPAQUE);
  EXPECT_EQ(boxes[0].TextBackColor, clWhite);
}

TEST_F(Headings, SolidBrushWithoutColourDrawsOnlyTheOutline) {
  chart.BackWall().Brush().SetStyle(bsSolid);
  chart.Paint();
  EXPECT_EQ(BufferOps(TOp::Rectangle)[0].Brush.Style(), bsClear);
  chart.SetBackColor(clWhite);
  Buffer().ClearOps();
  chart.Paint();
  const auto box = BufferOps(TOp::Rectangle)[0];
  EXPECT_EQ(box.Brush.Style(), bsSolid);
  EXPECT_EQ(box.Brush.Color(), clWhite);
  EXPECT_EQ(box.TextBackMode, TRANSPARENT);
}

TEST_F(Headings, InvisibleWallPenDrawsNoOutline) {
  chart.BackWall().Pen().SetVisible(false);
  chart.Paint();
  const auto box = BufferOps(TOp::Rectangle)[0];
  EXPECT_EQ(box.Pen.Style(), psClear);
  EXPECT_EQ(box.Brush.Style(), bsClear);
}

TEST_F(Headings, HatchInTheBackgroundColourStaysVisible) {
  chart.BackWall().Brush().SetStyle(bsCross);
  chart.BackWall().Brush().SetColor(clBlue);
  chart.SetBackColor(clBlue);
  chart.BackWall().Brush().SetStyle(bsCross);  // BackColor made it solid
  chart.Paint();
  EXPECT_EQ(BufferOps(TOp::Rectangle)[0].Brush.Color(), clBlack);
  chart.BackWall().Brush().SetColor(clBlack);
  chart.SetBackColor(clBlack);
  chart.BackWall().Brush().SetStyle(bsCross);
  Buffer().ClearOps();
  chart.Paint();
  EXPECT_EQ(BufferOps(TOp::Rectangle)[0].Brush.Color(), clWhite);
}

TEST_F(ChartFixture, WallThicknessOnlyIn3DWithWalls) {
  chart.LeftWall().SetSize(7);
  chart.BottomWall().SetSize(5);
  EXPECT_EQ(chart.WallThickness(*chart.LeftAxis()), 7);
  EXPECT_EQ(chart.WallThickness(*chart.BottomAxis()), 5);
  EXPECT_EQ(chart.WallThickness(*chart.TopAxis()), 0);
  chart.SetView3DWalls(false);
  EXPECT_EQ(chart.WallThickness(*chart.LeftAxis()), 0);
  chart.SetView3DWalls(true);
  chart.SetView3D(false);
  EXPECT_EQ(chart.WallThickness(*chart.LeftAxis()), 0);
}

}  // namespace
}  // namespace chart
