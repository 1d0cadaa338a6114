#include "fuzz/ChartPaint.h"


#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/FuzzReader.h"
#include "app/QtChartHost.h"
#include "platform/ChartExport.h"
#include "support/RecordingDevice.h"
#include "chart/seriestypes/CustomSeries.h"

namespace fuzz {

namespace {

using chart::testing::TOp;
using chart::testing::TRecordedOp;
using chart::testing::TRecordingDevice;

// The same call with the same attributes, looking only at the attributes the call uses: a
// paint starts with whatever font or brush the previous paint left behind.
bool SameOp(const TRecordedOp& a, const TRecordedOp& b) {
  if (a.Op != b.Op || a.Args != b.Args || a.Points != b.Points || a.Text != b.Text || a.Color != b.Color ||
      a.Clip != b.Clip)
    return false;
  const bool pen = a.Op == TOp::LineTo || a.Op == TOp::Polyline || a.Op == TOp::Arc || a.Op == TOp::Rectangle ||
                   a.Op == TOp::RoundRect || a.Op == TOp::Ellipse || a.Op == TOp::Pie || a.Op == TOp::Polygon;
  const bool brush = a.Op == TOp::FillRect || a.Op == TOp::Rectangle || a.Op == TOp::RoundRect ||
                     a.Op == TOp::Ellipse || a.Op == TOp::Pie || a.Op == TOp::Polygon;
  if (pen && !a.Pen.SameAttributes(b.Pen)) return false;
  if (brush && !a.Brush.SameAttributes(b.Brush)) return false;
  if (a.Op == TOp::TextOut)
    return a.Font.Name() == b.Font.Name() && a.Font.Height() == b.Font.Height() && a.Font.Color() == b.Font.Color() &&
           a.Font.Style() == b.Font.Style() && a.Font.Orientation() == b.Font.Orientation() &&
           a.TextBackColor == b.TextBackColor && a.TextBackMode == b.TextBackMode && a.TextAlign == b.TextAlign;
  return true;
}

std::string Describe(const std::vector<TRecordedOp>& ops, std::size_t i) {
  if (i >= ops.size()) return "(none)";
  std::ostringstream out;
  out << chart::testing::OpName(ops[i].Op);
  for (int v : ops[i].Args) out << ' ' << v;
  const TRecordedOp& o = ops[i];
  out << std::hex << " pen " << o.Pen.Color() << std::dec << '/' << o.Pen.Width() << '/' << int{o.Pen.Style()} << '/'
      << int{o.Pen.Mode()} << std::hex << " brush " << o.Brush.Color() << std::dec << '/' << int{o.Brush.Style()}
      << " font " << o.Font.Name() << '/' << o.Font.Height() << " text " << o.Text << " clip "
      << (o.Clip ? std::to_string(o.Clip->Left) + "," + std::to_string(o.Clip->Top) : std::string("none"));
  return out.str();
}

TRecordingDevice* BufferDevice(chart::TChart& chart) {
  if (!chart.Canvas().Buffer()) return nullptr;
  return dynamic_cast<TRecordingDevice*>(&chart.Canvas().Buffer()->Surface());
}

// The calls of one paint: the first MaxKeptOps of them, and how many more there were.
struct TPaintOps {
  std::vector<TRecordedOp> Kept;
  std::size_t Dropped = 0;
};

TPaintOps PaintOps(TChartSession& s) {
  if (TRecordingDevice* d = BufferDevice(s.Chart)) d->ClearOps();
  s.Chart.InvalidateChart();
  s.Chart.Paint();
  TRecordingDevice* d = BufferDevice(s.Chart);
  if (!d) return {};
  const std::size_t dropped = d->DroppedOps();
  return {d->TakeOps(), dropped};
}

// Larger images only cost time: the device's clipping is what sizes test, and the
// recording paints cover the full range.
constexpr int MaxQtWidth = 1000;
constexpr int MaxQtHeight = 700;

// The series that draw an area, and have points to draw. Drawn directly, the fills of one pixel column become one
// line: the calls differ from drawing point by point, the picture must not.
std::vector<chart::TCustomSeries*> AreaSeries(TChartSession& s) {
  std::vector<chart::TCustomSeries*> out;
  auto take = [&](chart::TChartSeries* series) {
    auto* c = dynamic_cast<chart::TCustomSeries*>(series);
    if (c && c->DrawArea() && c->DirectDrawing() && c->Active() && c->Count() > 0 && c->ParentChart() == &s.Chart)
      out.push_back(c);
  };
  for (const auto& series : s.Series) take(series.get());
  for (const auto& series : s.Typed) take(series.get());
  return out;
}

// The picture on Qt with the areas drawn directly, and drawn point by point: pixel for pixel
// the same.
void CompareAreaPictures(TChartSession& s, const std::vector<chart::TCustomSeries*>& areas) {
  demo::testing::EnsureQtApp();
  const chart::TRect client = s.Host.Client;
  demo::testing::TQtImageHost qt(std::clamp(client.Width(), 0, MaxQtWidth), std::clamp(client.Height(), 0, MaxQtHeight));
  s.Chart.SetHost(&qt);
  s.Chart.Paint();
  auto paint = [&] {
    s.Chart.InvalidateChart();
    s.Chart.Paint();
    return qt.Image().copy();
  };
  const QImage direct = paint();
  for (chart::TCustomSeries* a : areas) a->SetDirectDrawing(false);
  const QImage pointByPoint = paint();
  for (chart::TCustomSeries* a : areas) a->SetDirectDrawing(true);
  s.Chart.SetHost(&s.Host);
  if (direct != pointByPoint) Fail("areas drawn directly and point by point show different pictures");
}

}  // namespace

bool PaintRecordedAndCompare(TChartSession& s, bool compareAreas) {
  const std::vector<chart::TCustomSeries*> areas = AreaSeries(s);
  const bool compared = compareAreas && !areas.empty();
  if (compared) CompareAreaPictures(s, areas);
  // The calls are compared for the other series; the areas stay direct in both paints.
  const auto isArea = [&](const chart::TChartSeries* series) {
    return std::find(areas.begin(), areas.end(), series) != areas.end();
  };
  bool anyDirect = false;
  for (const auto& series : s.Series)
    anyDirect = anyDirect || (series->DirectDrawing() && !isArea(series.get()) && series->Active() &&
                              series->Count() > 0 && series->ParentChart());
  // In 3D the direct path draws the ribbons of a pixel column as one fill, on purpose: its
  // calls differ from the point-by-point ones.
  if (!anyDirect || s.Chart.View3D()) {
    PaintOps(s);
    return compared;
  }
  // The layout of a paint depends on the paint before it (the label room is measured with
  // the previous pixel spans), so both compared paints follow a paint of the same chart.
  PaintOps(s);
  const TPaintOps directPaint = PaintOps(s);
  const std::vector<TRecordedOp>& direct = directPaint.Kept;
  std::array<bool, 3> was{};
  for (std::size_t i = 0; i < s.Series.size(); ++i) {
    was[i] = s.Series[i]->DirectDrawing();
    if (!isArea(s.Series[i].get())) s.Series[i]->SetDirectDrawing(false);
  }
  const TPaintOps pointPaint = PaintOps(s);
  const std::vector<TRecordedOp>& pointByPoint = pointPaint.Kept;
  for (std::size_t i = 0; i < s.Series.size(); ++i) s.Series[i]->SetDirectDrawing(was[i]);
  const std::size_t n = std::min(direct.size(), pointByPoint.size());
  std::size_t i = 0;
  while (i < n && SameOp(direct[i], pointByPoint[i])) ++i;
  if (i < n || direct.size() != pointByPoint.size() || directPaint.Dropped != pointPaint.Dropped)
    Fail("direct and point-by-point drawing differ at call " + std::to_string(i) + " of " +
         std::to_string(direct.size() + directPaint.Dropped) + "/" +
         std::to_string(pointByPoint.size() + pointPaint.Dropped) + ": " + Describe(direct, i) +
         " against " + Describe(pointByPoint, i));
  return compared;
}

void PaintOnQtImage(TChartSession& s) {
  demo::testing::EnsureQtApp();
  const chart::TRect client = s.Host.Client;
  demo::testing::TQtImageHost qt(std::clamp(client.Width(), 0, MaxQtWidth), std::clamp(client.Height(), 0, MaxQtHeight));
  s.Chart.SetHost(&qt);
  s.Chart.Paint();
  s.Chart.SetHost(&s.Host);
}

void PaintThroughPainter(TChartSession& s) {
  demo::testing::EnsureQtApp();
  const chart::TRect client = s.Host.Client;
  const QSize size(std::clamp(client.Width(), 1, MaxQtWidth), std::clamp(client.Height(), 1, MaxQtHeight));
  (void)platform::ChartImage(s.Chart, size, 2.0);
}

}  // namespace fuzz
