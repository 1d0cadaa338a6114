// Series marks on the recording device: texts by style, the box around the text, the
// arrow and its contrast colour, and the remembered positions.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "chart/core/Exceptions.h"
#include "lineseries_fixture.h"

namespace chart {
namespace {

using testing::TOp;
using testing::TRecordedOp;

struct Marks : testing::LineSeriesFixture {
  TLineSeries line;
  Marks() {
    line.SetSeriesColor(clRed);
    line.SetParentChart(&chart);
    line.Marks().SetVisible(true);
  }
  // What the last paint drew after the series' clipped points: its marks.
  std::vector<TRecordedOp> MarkOps() {
    if (chart.Canvas().Buffer()) Buffer().ClearOps();
    chart.InvalidateChart();
    chart.Paint();
    const auto& ops = Buffer().Ops();
    const auto clipEnd = std::find_if(ops.rbegin(), ops.rend(), [](const TRecordedOp& o) { return o.Op == TOp::RemoveClip; });
    return {clipEnd.base(), ops.end()};
  }
  static std::vector<TRecordedOp> Only(const std::vector<TRecordedOp>& ops, TOp op) {
    std::vector<TRecordedOp> out;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(out), [op](const TRecordedOp& o) { return o.Op == op; });
    return out;
  }
};

TEST_F(Marks, TextFollowsTheStyle) {
  struct Case {
    TSeriesMarksStyle style;
    std::vector<double> x, y;
    std::vector<std::string> labels;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {smsPercent, {0, 1}, {0, 0}, {"", ""}, {"100 %", "100 %"}},
      {smsPercentTotal, {0, 1}, {1, 3}, {"", ""}, {"25 % of 4", "75 % of 4"}},
      {smsLabel, {0, 1}, {1234.5, 2}, {"", "two"}, {"1,234.5", "two"}},
      {smsValue, {0}, {-1.25}, {"a"}, {"-1.25"}},
      {smsLabelPercent, {0, 1}, {-1, 3}, {"a", ""}, {"a 25 %", "3 75 %"}},
      {smsLabelValue, {0}, {2}, {"b"}, {"b 2"}},
      {smsLabelPercentTotal, {0, 1}, {1, 3}, {"a", ""}, {"a 25 % of 4", "3 75 % of 4"}},
      {smsXValue, {1500}, {2}, {"c"}, {"1,500"}},
      {smsLegend, {0}, {2}, {"b"}, {"2 b"}},
  };
  for (const Case& c : cases) {
    line.Clear();
    for (std::size_t i = 0; i < c.y.size(); ++i) line.AddPoint(c.x[i], c.y[i], c.labels[i]);
    line.Marks().SetStyle(c.style);
    for (int i = 0; i < line.Count(); ++i)
      EXPECT_EQ(line.Marks().MarkText(i), c.expected[static_cast<std::size_t>(i)]) << "style " << int(c.style) << " point " << i;
  }
  chart.Legend().SetTextStyle(ltsRightValue);
  EXPECT_EQ(line.Marks().MarkText(0), "b 2") << "as the legend words it";
  chart.Legend().SetTextStyle(ltsLeftValue);
  line.OnGetMarkText = [](TChartSeries*, int index, std::string& text) { text += "#" + std::to_string(index); };
  EXPECT_EQ(line.Marks().MarkText(0), "2 b#0");
  // A paint draws the same texts.
  line.Marks().SetStyle(smsValue);
  line.AddPoint(1, 3);
  const auto texts = Only(MarkOps(), TOp::TextOut);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].Text, "2#0");
  EXPECT_EQ(texts[1].Text, "3#1");
}

// Offsets from the point: the box (right and bottom exclusive) and each text line's reference.
TEST_F(Marks, BoxFitsTheTextAndSitsArrowLengthAboveThePoint) {
  struct Case {
    const char* text;
    bool frameVisible;
    int frameWidth;
    bool transparent;
    std::optional<TRect> box;
    std::vector<TPoint> lines;
  };
  // 8 pixels per character, 13 per line; the box is the widest line plus "W" wide.
  const Case cases[] = {
      {"20", true, 1, false, TRect{-13, -22, 13, -7}, {{0, -21}}},
      {"ab\rcd", true, 1, false, TRect{-13, -35, 13, -7}, {{0, -34}, {0, -21}}},
      {"abc\rd", true, 3, true, TRect{-19, -39, 19, -7}, {{0, -36}, {0, -23}}},
      {"ab", false, 1, false, TRect{-12, -20, 12, -7}, {{0, -20}}},
      {"ab", false, 1, true, std::nullopt, {{0, -20}}},
  };
  line.AddPoint(0, 0);
  line.AddPoint(10, 20);
  line.AddPoint(20, 10);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    line.OnGetMarkText = [&c](TChartSeries*, int index, std::string& text) { text = index == 1 ? c.text : ""; };
    line.Marks().Frame().SetVisible(c.frameVisible);
    line.Marks().Frame().SetWidth(c.frameWidth);
    line.Marks().SetTransparent(c.transparent);
    const auto ops = MarkOps();
    const int x = line.XPixel(1), y = line.YPixel(1);

    const auto arrows = Only(ops, TOp::LineTo);
    ASSERT_EQ(arrows.size(), 1u);
    EXPECT_EQ(arrows[0].Args, (std::vector<int>{x, y, x, y - 8})) << "from the point to 8 rows above it";
    const auto boxes = Only(ops, TOp::Rectangle);
    ASSERT_EQ(boxes.size(), c.box ? 1u : 0u);
    if (c.box) {
      const TRect b = *c.box;
      EXPECT_EQ(boxes[0].Args, (std::vector<int>{x + b.Left, y + b.Top, x + b.Right, y + b.Bottom}));
      EXPECT_EQ(boxes[0].Brush.Style(), c.transparent ? bsClear : bsSolid);
      EXPECT_EQ(boxes[0].Brush.Color(), RGB(255, 255, 128));
      EXPECT_EQ(boxes[0].Pen.Style(), c.frameVisible ? psSolid : psClear);
    }
    const auto texts = Only(ops, TOp::TextOut);
    ASSERT_EQ(texts.size(), c.lines.size());
    for (std::size_t k = 0; k < texts.size(); ++k) {
      EXPECT_EQ(texts[k].Args, (std::vector<int>{x + c.lines[k].X, y + c.lines[k].Y})) << k;
      EXPECT_EQ(texts[k].TextAlign, TA_CENTER | TA_TOP);
      EXPECT_EQ(texts[k].Brush.Style(), bsClear);
      EXPECT_EQ(texts[k].TextBackMode, TRANSPARENT);
    }
    EXPECT_EQ(chart.Canvas().TextAlignment(), TA_LEFT | TA_TOP) << "alignment restored";
  }
}

TEST_F(Marks, ArrowStandsOutFromThePointAndTheChart) {
  struct Case {
    TColor arrow, point, chartColor;
    bool contrast;
    TColor drawn;
  };
  const Case cases[] = {
      {clWhite, clRed, clBtnFace, true, clWhite},
      {clRed, clRed, clBtnFace, true, clBlack},
      {clBlue, clRed, clBlue, true, clBlack},
      {clBlack, clRed, clBlack, true, clWhite},
      {clRed, clRed, clBtnFace, false, clRed},
  };
  line.AddPoint(0, 0);
  line.AddPoint(1, 1);
  for (const Case& c : cases) {
    line.Marks().Arrow().SetColor(c.arrow);
    line.SetValueColor(1, c.point);
    chart.SetColor(c.chartColor);
    TSeriesMarks::ArrowContrast = c.contrast;
    const auto arrows = Only(MarkOps(), TOp::LineTo);
    ASSERT_EQ(arrows.size(), 2u);
    EXPECT_EQ(arrows[1].Pen.Color(), c.drawn) << std::hex << c.arrow << " on " << c.chartColor;
  }
  TSeriesMarks::ArrowContrast = true;
}

TEST_F(Marks, NullPointsAndEmptyTextsHaveNoMarkAndClipKeepsThemInside) {
  line.AddPoint(0, 1);
  line.AddNullPoint(1, 2);
  line.AddPoint(2, 3);
  line.AddPoint(3, 4);
  line.OnGetMarkText = [](TChartSeries*, int index, std::string& text) { if (index == 2) text.clear(); };
  auto texts = Only(MarkOps(), TOp::TextOut);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].Text, "1");
  EXPECT_EQ(texts[1].Text, "4");
  EXPECT_FALSE(texts[0].Clip.has_value());

  line.Marks().SetClip(true);
  EXPECT_TRUE(Only(MarkOps(), TOp::TextOut).empty());
  const auto groups = ClippedGroups();
  ASSERT_EQ(groups.size(), 2u);
  texts = Only(groups[1], TOp::TextOut);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].Clip, groups[0].front().Clip) << "the points' clip";
}

TEST_F(Marks, PositionsFollowThePointsAndACustomOneStays) {
  for (int i = 0; i < 3; ++i) line.AddPoint(i, i * 10);
  auto boxes = Only(MarkOps(), TOp::Rectangle);
  TSeriesMarksPositions& positions = line.Marks().Positions();
  ASSERT_EQ(positions.Count(), 3);
  for (int i = 0; i < 3; ++i) {
    const TRect b = positions.Position(i)->Bounds();
    EXPECT_EQ(boxes[static_cast<std::size_t>(i)].Args, (std::vector<int>{b.Left, b.Top, b.Right, b.Bottom}));
    EXPECT_FALSE(positions.Position(i)->Custom);
  }

  TSeriesMarkPosition& fixed = line.Marks().PositionOf(1);
  fixed.Custom = true;
  fixed.LeftTop = {100, 50};
  const TSeriesMarkPosition kept = fixed;
  line.YValues().SetValue(1, 25);  // would move a computed box
  boxes = Only(MarkOps(), TOp::Rectangle);
  EXPECT_EQ(boxes[1].Args, (std::vector<int>{100, 50, 100 + kept.Width, 50 + kept.Height}));

  line.Delete(0);
  ASSERT_EQ(positions.Count(), 2);
  EXPECT_TRUE(positions.Position(0)->Custom);
  EXPECT_EQ(positions.Position(0)->LeftTop, (TPoint{100, 50}));
  // Copying a position leaves its custom flag alone.
  TSeriesMarkPosition other;
  other.Assign(*positions.Position(0));
  EXPECT_FALSE(other.Custom);
  EXPECT_EQ(other.LeftTop, (TPoint{100, 50}));

  EXPECT_THROW(line.Marks().PositionOf(2), EListError);
  line.Clear();
  EXPECT_EQ(positions.Count(), 0);
}

TEST_F(Marks, SettingsRepaintOnChangeAndCopyWithTheSeries) {
  const auto before = chart.InvalidateCount();
  line.Marks().SetStyle(smsLabel);
  line.Marks().SetArrowLength(8);
  EXPECT_EQ(chart.InvalidateCount(), before) << "same values";
  line.Marks().SetStyle(smsValue);
  line.Marks().Font().SetSize(12);
  EXPECT_EQ(chart.InvalidateCount(), before + 2);
  EXPECT_TRUE(line.Marks().IsFontStored());

  line.AddPoint(0, 1);
  (void)MarkOps();
  TLineSeries copy;
  copy.Assign(line);
  EXPECT_TRUE(copy.Marks().Visible());
  EXPECT_EQ(copy.Marks().Style(), smsValue);
  EXPECT_EQ(copy.Marks().Font().Size(), 12);
  EXPECT_EQ(copy.Marks().Positions().Count(), 0) << "positions belong to the points";
}

TEST_F(Marks, MarkStyledAxisLabelsShowTheMarkTexts) {
  line.Marks().SetVisible(false);
  line.Marks().SetStyle(smsValue);
  line.AddPoint(0, 1000, "a");
  line.AddPoint(1, 2000, "b");
  chart.BottomAxis()->SetLabelStyle(talMark);
  chart.Paint();
  std::vector<std::string> texts;
  for (const TRecordedOp& op : BufferOps(TOp::TextOut)) texts.push_back(op.Text);
  EXPECT_NE(std::find(texts.begin(), texts.end(), "1,000"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "2,000"), texts.end());
  EXPECT_EQ(std::find(texts.begin(), texts.end(), "a"), texts.end());
}

}  // namespace
}  // namespace chart
