// The direct drawing of dense 2D lines against the point-by-point reference: the same
// device calls with the same pens, over random data with nulls, colours, huge values,
// zoomed and inverted axes.
#include <gtest/gtest.h>

#include <random>

#include "lineseries_fixture.h"

namespace chart {
namespace {

using testing::LineSeriesFixture;
using testing::TRecordedOp;

struct DirectCase {
  unsigned seed;
  double zoomFrom, zoomTo;  // zoomFrom == zoomTo: no zoom
  bool inverted;
  // Nulls, own colours and far-off values only in a few bursts, so that most blocks of
  // points are plain and go to the device as whole chains.
  bool bursts = false;
};

void PrintTo(const DirectCase& c, std::ostream* os) { *os << "seed " << c.seed; }

class DirectDrawing : public LineSeriesFixture, public ::testing::WithParamInterface<DirectCase> {};

std::vector<std::vector<int>> Summary(const std::vector<TRecordedOp>& ops) {
  std::vector<std::vector<int>> out;
  for (const TRecordedOp& op : ops) {
    std::vector<int> row{static_cast<int>(op.Op), static_cast<int>(op.Pen.Color()), op.Pen.Width(), op.Pen.Style(),
                         static_cast<int>(op.Pen.Mode()), op.Brush.Style()};
    row.insert(row.end(), op.Args.begin(), op.Args.end());
    out.push_back(row);
  }
  return out;
}

TEST_P(DirectDrawing, IssuesExactlyWhatThePointByPointPathIssues) {
  const DirectCase& c = GetParam();
  std::mt19937 rng(c.seed);
  std::uniform_real_distribution<double> y(-1, 1);
  std::uniform_int_distribution<int> pick(0, 99);
  TLineSeries line;
  line.SetSeriesColor(clFuchsia);
  line.SetParentChart(&chart);
  double x = 0;
  for (int i = 0; i < 3000; ++i) {
    x += pick(rng) < 10 ? 0 : 0.25 + pick(rng) * 0.01;  // repeated X now and then
    const int kind = c.bursts && i % 1000 >= 40 ? 50 + pick(rng) % 45 : pick(rng);
    if (kind < 3) line.AddNullPoint(x, y(rng));
    else if (kind < 5) line.AddPoint(x, 5e4 * y(rng));  // far off the drawable range
    else line.AddPoint(x, y(rng));
    if (kind >= 95) line.SetValueColor(line.Count() - 1, kind % 2 ? clGreen : clNavy);
  }
  chart.LeftAxis()->SetRange(-1, 1);
  if (c.zoomFrom != c.zoomTo) chart.BottomAxis()->SetRange(c.zoomFrom, c.zoomTo);
  chart.BottomAxis()->SetInverted(c.inverted);

  line.SetDirectDrawing(false);
  const auto reference = Summary(PaintSeriesOps());
  line.SetDirectDrawing(true);
  const int runsBefore = Buffer().LineRuns();
  const auto direct = Summary(PaintSeriesOps());
  ASSERT_FALSE(reference.empty());
  EXPECT_EQ(direct, reference);
  if (c.bursts) {
    EXPECT_GT(Buffer().LineRuns(), runsBefore);
  }
}

INSTANTIATE_TEST_SUITE_P(All, DirectDrawing,
                         ::testing::Values(DirectCase{1, 0, 0, false}, DirectCase{2, 100.3, 400.9, false},
                                           DirectCase{3, 100.3, 400.9, true}, DirectCase{4, 0, 0, true},
                                           DirectCase{5, 2.1, 2.2, false},  // inside one segment
                                           DirectCase{6, 0, 0, false, true}, DirectCase{7, 100.3, 700.9, true, true}));

TEST_F(LineSeriesFixture, DirectDrawingPreparesThePenOncePerColourRun) {
  TLineSeries line;
  line.SetSeriesColor(clRed);
  // Nothing else draws with this colour: the canvas pen turns olive once per preparation.
  line.LinePen().SetColor(clOlive);
  line.SetParentChart(&chart);
  // Segments take the colour of the point they end at: red, green, red.
  for (int i = 0; i < 100; ++i) line.AddPoint(i, i % 7, "", i >= 30 && i < 60 ? clGreen : clDefault);
  PaintSeriesOps();  // the buffer exists from here on
  TPen& pen = Buffer().Pen();
  const auto device = pen.OnChange;
  int preparations = 0;
  bool olive = false;
  pen.OnChange = [&] {
    device();
    const bool now = pen.Color() == clOlive;
    preparations += now && !olive;
    olive = now;
  };
  const struct {
    bool direct;
    int preparations;
  } cases[] = {{true, 3}, {false, 99}};
  for (const auto& c : cases) {
    line.SetDirectDrawing(c.direct);
    preparations = 0;
    const auto ops = PaintSeriesOps();
    ASSERT_EQ(ops.size(), 99u);
    for (std::size_t k = 0; k < ops.size(); ++k)
      EXPECT_EQ(ops[k].Pen.Color(), k + 1 >= 30 && k + 1 < 60 ? clGreen : clRed) << k;
    EXPECT_EQ(preparations, c.preparations) << "direct " << c.direct;
  }
  pen.OnChange = device;
}

TEST_F(LineSeriesFixture, PointsOnOnePixelTakeThePenAsOftenEitherWay) {
  // Nothing to draw: point by point the series never takes its pen, and a handler painting
  // after it finds the canvas pen as it was, so the direct path must not take it either.
  TLineSeries line;
  line.LinePen().SetColor(clOlive);
  line.SetParentChart(&chart);
  for (int i = 0; i < 600; ++i) line.AddPoint(1, 1);
  PaintSeriesOps();
  TPen& pen = Buffer().Pen();
  const auto device = pen.OnChange;
  int olive = 0;
  pen.OnChange = [&] {
    device();
    olive += pen.Color() == clOlive;
  };
  int taken[2] = {};
  for (const bool direct : {false, true}) {
    line.SetDirectDrawing(direct);
    olive = 0;
    PaintSeriesOps();
    taken[direct] = olive;
  }
  pen.OnChange = device;
  EXPECT_EQ(taken[true], taken[false]);
}

}  // namespace
}  // namespace chart
