// Repaint cost of a 905 x 525 chart whose 10,000-point line series shows its marks (value
// texts in framed boxes with arrows), on the Qt device. Peers in the same run: the same
// chart with its marks hidden, and the floor: the same boxes and texts drawn straight
// with QPainter::drawRect and drawText on a QImage of the same size, every text and
// position worked out beforehand. The allocation counter shows the allocations per frame.
#include <benchmark/benchmark.h>

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>
#include <string_view>
#include <vector>

#include "app/QtChartHost.h"
#include "chart/panel/Chart.h"
#include "chart/seriestypes/LineSeries.h"

#include "AllocationCounter.h"

namespace {

using demo::testing::TQtImageHost;

constexpr int Width = 905, Height = 525, Points = 10000;

struct MarkedChart {
  TQtImageHost host{Width, Height};
  chart::TChart chart;
  chart::TLineSeries line;
  explicit MarkedChart(bool marks) {
    chart.SetWidth(Width);
    chart.SetHeight(Height);
    chart.SetView3D(false);
    chart.SetHost(&host);
    line.SetSeriesColor(chart::clNavy);
    line.SetParentChart(&chart);
    line.Marks().SetVisible(marks);
    std::vector<double> values(Points);
    for (int i = 0; i < Points; ++i) values[static_cast<std::size_t>(i)] = 1000 * std::sin(i * 0.003) + i * 0.37;
    line.AppendValues(values);
    chart.Paint();
  }
};

void Report(benchmark::State& state, long long allocationsBefore) {
  state.counters["allocs/frame"] = benchmark::Counter(static_cast<double>(gAllocations - allocationsBefore),
                                                      benchmark::Counter::kAvgIterations);
}

void BM_MarksRepaint(benchmark::State& state) {
  MarkedChart m(state.range(0) != 0);
  const long long before = gAllocations;
  for (auto _ : state) {
    m.chart.InvalidateChart();
    m.chart.Paint();
  }
  Report(state, before);
  state.SetLabel(state.range(0) ? "marks shown" : "marks hidden");
}
BENCHMARK(BM_MarksRepaint)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// What every mark of the chart above draws, laid out once.
struct FloorMark {
  QRect box;
  QPoint textOrigin;
  QString text;
};

void BM_MarksQPainterFloor(benchmark::State& state) {
  std::vector<FloorMark> marks;
  QFont font(QStringLiteral("Arial"));
  {
    MarkedChart m(true);
    // The font the marks draw with: 8 points at the device's resolution, whole-pixel advances.
    font.setPixelSize(11);
    font.setHintingPreference(QFont::PreferFullHinting);
    const QFontMetrics metrics(font);
    for (int i = 0; i < Points; ++i) {
      const chart::TSeriesMarkPosition* p = m.line.Marks().Positions().Position(i);
      if (!p) continue;
      const QString text = QString::fromStdString(m.line.Marks().MarkText(i));
      const int centre = p->LeftTop.X + p->Width / 2;
      marks.push_back({QRect(p->LeftTop.X, p->LeftTop.Y, p->Width - 1, p->Height - 1),
                       QPoint(centre - metrics.horizontalAdvance(text) / 2, p->LeftTop.Y + 1 + metrics.ascent()), text});
    }
  }
  QImage image(Width, Height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(font);
  const QPen frame(Qt::black, 0);
  const QBrush fill(QColor(255, 255, 128));
  const long long before = gAllocations;
  for (auto _ : state) {
    for (const FloorMark& f : marks) {
      painter.setPen(frame);
      painter.setBrush(fill);
      painter.drawRect(f.box);
      painter.setPen(Qt::black);
      painter.drawText(f.textOrigin, f.text);
    }
    benchmark::ClobberMemory();
  }
  Report(state, before);
  state.counters["marks"] = static_cast<double>(marks.size());
}
BENCHMARK(BM_MarksQPainterFloor)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
