// Which value labels an axis draws, where, and with which ticks and grid lines.
#include <gtest/gtest.h>

#include "axisdraw_fixture.h"

namespace chart {
namespace {

using testing::AxisDrawFixture;
using testing::LabelsOf;
using testing::LinesOf;
using testing::TLabelOp;
using testing::TextsOf;
using Strings = std::vector<std::string>;

using AxisLabels = AxisDrawFixture;

TEST_F(AxisLabels, DemoLeftAxisAfterDrawReadsOneAndZero) {
  DemoExtremes();
  const auto ops = DrawOnly(Left());
  ASSERT_EQ(chart.ChartRect(), (TRect{49, 39, 878, 485}));
  // Right-aligned on the labels line, tops half a line above the ticks at 44 and 265.
  EXPECT_EQ(LabelsOf(ops), (std::vector<TLabelOp>{{"1", 43, 38, TA_RIGHT | TA_TOP, 0}, {"0", 43, 259, TA_RIGHT | TA_TOP, 0}}));
  EXPECT_EQ(Left().TickPositions(), (std::vector<int>{44, 265}));
}

TEST_F(AxisLabels, DemoBottomAxisStepsByAHundredFromAThousandDown) {
  DemoExtremes();
  const auto ops = DrawOnly(Bottom());
  EXPECT_EQ(TextsOf(ops), (Strings{"1,000", "900", "800", "700", "600", "500", "400", "300", "200", "100", "0"}));
  EXPECT_EQ(Bottom().TickPositions(), (std::vector<int>{859, 778, 697, 616, 535, 454, 373, 292, 211, 130, 49}));
  for (const TLabelOp& l : LabelsOf(ops)) {
    EXPECT_EQ(l.Y, 491) << "tops on the labels line";
    EXPECT_EQ(l.Align, TA_CENTER | TA_TOP);
  }
}

TEST_F(AxisLabels, EmptySeriesGiveOneZeroAtTheMiddleWithOneTickAndNoMinorTicks) {
  for (TCustomChartAxis* axis : {&Bottom(), &Left()}) {
    const auto ops = DrawOnly(*axis);
    ASSERT_EQ(TextsOf(ops), (Strings{"0"}));
    EXPECT_EQ(axis->TickPositions(), (std::vector<int>{axis->PixelCenter()}));
    // Axis line, one tick, one grid line, one (empty) inner tick; no minor ticks.
    EXPECT_EQ(LinesOf(ops).size(), 4u);
  }
}

TEST_F(AxisLabels, RepeatedSubtractionLeavesAZeroThatPrintsAsZero) {
  DemoExtremes();
  Left().SetRange(-0.45, 0.45);
  Left().SetIncrement(0.1);
  EXPECT_EQ(TextsOf(DrawOnly(Left())),
            (Strings{"0.4", "0.3", "0.2", "0.1", "0", "-0.1", "-0.2", "-0.3", "-0.4"}));
}

TEST_F(AxisLabels, WithoutRoundFirstLabelTheLabelsStartAtTheMaximum) {
  DemoExtremes();
  Bottom().SetIncrement(50);
  Bottom().SetLabelsSeparation(0);  // the step stays the user's
  Bottom().SetRoundFirstLabel(false);
  const Strings texts = TextsOf(DrawOnly(Bottom()));
  ASSERT_EQ(texts.size(), 21u);
  EXPECT_EQ(texts.front(), "1,023");
  EXPECT_EQ(texts[1], "973");
  EXPECT_EQ(texts.back(), "23");
}

struct BoundCase {
  double min, max;
  Strings labels;
};

class AxisLowestLabel : public AxisDrawFixture, public ::testing::WithParamInterface<BoundCase> {};

TEST_P(AxisLowestLabel, FollowsTheSlightlyRaisedBound) {
  DemoExtremes();
  Left().SetRange(GetParam().min, GetParam().max);
  Left().SetIncrement(500);
  Left().SetLabelsSeparation(0);
  EXPECT_EQ(TextsOf(DrawOnly(Left())), GetParam().labels);
}

INSTANTIATE_TEST_SUITE_P(All, AxisLowestLabel,
                         ::testing::Values(BoundCase{-1000, 1000, {"1,000", "500", "0", "-500"}},
                                           BoundCase{0, 1000, {"1,000", "500", "0"}},
                                           BoundCase{1000, 2000, {"2,000", "1,500", "1,000"}}));

// A flat series has one label, at its value. A range zoomed in far from zero, whose step
// is below the bound's relative slack, draws no labels below its minimum; ranges near and
// beyond the largest double draw labels like any other.
struct SpanCase {
  double low, high;
};

void PrintTo(const SpanCase& c, std::ostream* os) { *os << c.low << ".." << c.high; }

class AxisLabelSpan : public AxisDrawFixture, public ::testing::WithParamInterface<SpanCase> {};

TEST_P(AxisLabelSpan, LabelsStayOnTheSpan) {
  series.AddPoint(0, GetParam().low);
  series.AddPoint(1, GetParam().high);
  DrawOnly(Left());
  const std::vector<int>& ticks = Left().TickPositions();
  if (GetParam().low == GetParam().high) {
    EXPECT_EQ(ticks, (std::vector<int>{Left().PixelCenter()}));
  } else {
    EXPECT_GE(ticks.size(), 2u);
  }
  for (const int t : ticks) {
    EXPECT_GE(t, Left().PixelStart());
    EXPECT_LE(t, Left().PixelEnd());
  }
}

INSTANTIATE_TEST_SUITE_P(All, AxisLabelSpan,
                         ::testing::Values(SpanCase{0, 0}, SpanCase{1000, 1000}, SpanCase{-1e6, -1e6},
                                           SpanCase{1e300, 1e300}, SpanCase{1000, 1000 + 1e-10},
                                           SpanCase{0, 1e306}, SpanCase{-1e308, 1e308}));

TEST_F(AxisLabels, LabelsOnAxisFalseDropsLabelsTicksAndGridAtTheEnds) {
  DemoExtremes();
  Bottom().SetRange(0, 1000);
  Bottom().SetIncrement(100);
  Bottom().SetLabelsSeparation(0);
  Bottom().SetLabelsOnAxis(false);
  Bottom().MinorTicks().SetVisible(false);
  const auto ops = DrawOnly(Bottom());
  EXPECT_EQ(TextsOf(ops), (Strings{"900", "800", "700", "600", "500", "400", "300", "200", "100"}));
  EXPECT_EQ(Bottom().TickPositions().size(), 9u);
  EXPECT_EQ(LinesOf(ops).size(), 1u + 9 + 9 + 9) << "axis line, ticks, grid, inner ticks";
}

TEST_F(AxisLabels, TicksWithoutLabelsWhenNotOnlyOnLabels) {
  DemoExtremes();
  Bottom().SetLabels(false);
  EXPECT_TRUE(TextsOf(DrawOnly(Bottom())).empty());
  EXPECT_TRUE(Bottom().TickPositions().empty()) << "ticks follow drawn labels only";
  Bottom().SetTickOnLabelsOnly(false);
  EXPECT_TRUE(TextsOf(DrawOnly(Bottom())).empty());
  EXPECT_EQ(Bottom().TickPositions().size(), 11u);
}

TEST_F(AxisLabels, CustomLabelsStopPastTheMaximum) {
  DemoExtremes();
  Bottom().SetRange(0, 35);
  std::vector<int> indices;
  chart.OnGetNextAxisLabel = [&](TCustomChartAxis* sender, int index, double& value, bool& stop) {
    if (sender != &Bottom()) return;  // the left axis keeps its default labels
    if (index == 0) indices.clear();  // every paint asks again
    indices.push_back(index);
    value = index * 10;
    stop = false;
  };
  EXPECT_EQ(TextsOf(DrawOnly(Bottom())), (Strings{"0", "10", "20", "30"}));
  EXPECT_EQ(indices, (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST_F(AxisLabels, CustomLabelHandlerThatKeepsStopGivesTheDefaultLabels) {
  DemoExtremes();
  const Strings defaults = TextsOf(DrawOnly(Bottom()));
  chart.OnGetNextAxisLabel = [](TCustomChartAxis*, int, double& value, bool&) { value = 500; };
  EXPECT_EQ(TextsOf(DrawOnly(Bottom())), defaults);
}

TEST_F(AxisLabels, LabelEventRewritesTextsAndMultiLineBreaksThem) {
  DemoExtremes();
  Bottom().SetRange(0, 10);
  Bottom().SetIncrement(10);
  Bottom().SetLabelsMultiLine(true);
  chart.OnGetAxisLabel = [&](TCustomChartAxis* sender, TChartSeries* s, int index, std::string& text) {
    if (sender != &Bottom()) return;
    EXPECT_EQ(s, nullptr);
    EXPECT_EQ(index, -1);
    text = "at " + text;
  };
  const auto labels = LabelsOf(DrawOnly(Bottom()));
  ASSERT_EQ(labels.size(), 4u);
  const int pos = Bottom().LabelsPosition();
  EXPECT_EQ(labels[0], (TLabelOp{"at", Bottom().PixelEnd(), pos, TA_CENTER | TA_TOP, 0}));
  EXPECT_EQ(labels[1], (TLabelOp{"10", Bottom().PixelEnd(), pos + 13, TA_CENTER | TA_TOP, 0}));
  EXPECT_EQ(labels[3].Text, "0");
}

TEST_F(AxisLabels, TheLabelCountGuardLeavesOnlyTheAxisLine) {
  DemoExtremes();
  Bottom().SetRange(0, 10000);
  Bottom().SetIncrement(1);
  Bottom().SetLabelsSeparation(0);
  const auto ops = DrawOnly(Bottom());
  EXPECT_TRUE(TextsOf(ops).empty());
  EXPECT_EQ(LinesOf(ops).size(), 1u);
}

TEST_F(AxisLabels, MoreThanTwoThousandTicksAreAllKept) {
  DemoExtremes();
  Bottom().SetRange(0, 9000);
  Bottom().SetIncrement(1);
  Bottom().SetLabelsSeparation(0);
  const auto ops = DrawOnly(Bottom());
  EXPECT_EQ(TextsOf(ops).size(), 9001u);
  EXPECT_EQ(Bottom().TickPositions().size(), 9001u);
  EXPECT_EQ(Bottom().TickPositions().back(), Bottom().PixelStart());
}

TEST_F(AxisLabels, SeriesTextsLabelTheAxisAlongThePointsAndSkipOverlaps) {
  series.AddPoint(0, 5, "alpha");
  series.AddPoint(1, 6, "b");
  series.AddPoint(2, 7, "gamma");
  series.AddPoint(30, 8, "delta");
  std::vector<int> indices;
  chart.OnGetAxisLabel = [&](TCustomChartAxis*, TChartSeries* s, int index, std::string& text) {
    if (s == &series) {
      if (index == 0) indices.clear();
      indices.push_back(index);
    }
    text += "!";
  };
  const auto labels = LabelsOf(DrawOnly(Bottom()));
  // "b!" at x = 1 touches "alpha!" at x = 0: skipped. Gamma and delta stand clear.
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(labels[0].Text, "alpha!");
  EXPECT_EQ(labels[1].Text, "gamma!");
  EXPECT_EQ(labels[2].Text, "delta!");
  EXPECT_EQ(labels[2].X, Bottom().ValueToPixel(30));
  EXPECT_EQ(indices, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(Bottom().TickPositions().size(), 3u);
  EXPECT_EQ(Left().EffectiveLabelStyle(), talValue) << "the values' axis keeps value labels";
}

// Mark labels show the point texts (the marks' default style) and take their room: labels
// upright on the bottom axis reserve the widest text.
TEST_F(AxisLabels, MarkLabelsShowThePointTextsAndTakeTheirRoom) {
  series.AddPoint(0, 5, "alpha");
  series.AddPoint(30, 8, "a much longer text");
  Bottom().SetLabelsAngle(90);
  auto layOut = [&](TAxisLabelStyle style) {
    Bottom().SetLabelStyle(style);
    std::vector<std::string> texts;
    for (const auto& label : LabelsOf(DrawOnly(Bottom()))) texts.push_back(label.Text);
    return std::pair{texts, chart.ChartRect()};
  };
  const auto [textTexts, textRect] = layOut(talText);
  const auto [markTexts, markRect] = layOut(talMark);
  const auto [noTexts, noRect] = layOut(talNone);
  EXPECT_EQ(markTexts, (std::vector<std::string>{"alpha", "a much longer text"}));
  EXPECT_EQ(markTexts, textTexts);
  EXPECT_EQ(markRect, textRect);
  EXPECT_TRUE(noTexts.empty());
  EXPECT_LT(markRect.Bottom, noRect.Bottom - 50) << "room for the longest text, upright";
}

}  // namespace
}  // namespace chart
