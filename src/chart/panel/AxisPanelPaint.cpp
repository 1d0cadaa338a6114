// The paint sequence of a chart with axes: background, headings, layout, walls, axes,
// series and the zoom rectangle, in that order.
#include <algorithm>
#include <vector>

#include "chart/axis/CustomChartAxis.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"
#include "chart/series/SeriesDepth.h"

namespace chart {

void TCustomAxisPanel::PaintChart(const TRect& bounds) {
  TZelCanvas3D& c = Canvas();
  PaintPanelBackground(bounds);
  for (TChartSeries* s : SeriesList())
    if (s->Active()) s->DoBeforeDrawChart();
  DrawHeadings();
  // Depth slots of the series (all 0 in 2D, or with ApplyZOrder off): they size the depth
  // and the depth axis, and the series then share out the depth the layout gave.
  FDepthSlots = AssignDepthOrders(SeriesList(), View3D() && FApplyZOrder);
  const int depthSlots = FDepthSlots;
  LayoutAxes();
  PlaceSeriesAlongDepthAxis();
  ApplySeriesMargins();
  c.SetProjection(Width3D(), bounds, ChartRect());
  if (c.RendersTrue3D()) {
    // A real 3D renderer draws the headings in space, over the whole drawing.
    const TRect saved = ChartRect();
    SetChartRect(bounds);
    DrawHeadings();
    SetChartRect(saved);
  }
  PaintWalls();
  // Axes go behind the series.
  if (FAxisVisible) {
    if (OnBeforeDrawAxes) OnBeforeDrawAxes(this);
    for (TCustomChartAxis* axis : FAxes)
      if (IsAxisShown(*axis)) DrawAxis(*axis);
  }
  if (OnBeforeDrawSeries) OnBeforeDrawSeries(this);
  // From the back slot to the front one; the first slot stands at the back of an inverted
  // depth axis.
  if (View3D() && FDepthAxis->Inverted())
    for (int slot = 0; slot < depthSlots; ++slot) DrawSlot(slot);
  else
    for (int slot = depthSlots - 1; slot >= 0; --slot) DrawSlot(slot);
  if (ZoomRectangleActive()) DrawZoomRectangle();
  c.ResetDrawingState();
  if (OnAfterDraw) OnAfterDraw(this);
}

void TCustomAxisPanel::DrawSlot(int slot) {
  int members = 0;
  bool alone = true;
  for (TChartSeries* s : SeriesList())
    if (s->Active() && s->DepthOrder() == slot) {
      ++members;
      alone = alone && s->CanDrawPointAlone();
    }
  if (members > 1 && alone && View3D()) return DrawInterleaved(slot);
  // By index into the live list: an event of one series may take another off the chart.
  for (int i = 0; i < SeriesList().Count(); ++i) {
    TChartSeries* s = SeriesList().Items(i);
    if (s->Active() && s->DepthOrder() == slot) DrawSeries(*s);
  }
}

// The series of the slot, point index by point index, so that a bar of one series never
// covers a nearer bar of another drawn before it. The steps around the points are those of
// DrawSeries, for each series in turn.
void TCustomAxisPanel::DrawInterleaved(int slot) {
  auto inSlot = [&](const TChartSeries* s) { return s->Active() && s->DepthOrder() == slot; };
  for (TChartSeries* s : SeriesList())
    if (inSlot(s)) s->CalcFirstLastVisibleIndex();
  // By index into the live list: an event may take a series off the chart.
  for (int i = 0; i < SeriesList().Count(); ++i) {
    TChartSeries* s = SeriesList().Items(i);
    if (inSlot(s) && s->FirstValueIndex() != -1 && s->BeforeDrawValues) s->BeforeDrawValues(s);
  }
  std::vector<TChartSeries*>& group = FSlotSeries;
  group.clear();
  for (TChartSeries* s : SeriesList())
    if (inSlot(s) && s->FirstValueIndex() != -1) group.push_back(s);
  if (group.empty()) return;
  if (!group.front()->DrawSeriesForward()) std::reverse(group.begin(), group.end());
  int low = group.front()->FirstValueIndex(), high = group.front()->LastValueIndex();
  for (TChartSeries* s : group) {
    low = std::min(low, s->FirstValueIndex());
    high = std::max(high, s->LastValueIndex());
    s->BeginPointByPoint();
  }
  TZelCanvas3D& c = Canvas();
  const bool clip = FClipPoints && !c.RendersTrue3D();
  if (clip) c.ClipToCube(ChartRect(), 0, Width3D());
  const bool forward = group.front()->DrawValuesForward();
  for (int k = low; k <= high; ++k) {
    const int i = forward ? k : low + high - k;
    for (TChartSeries* s : group)
      if (s->FirstValueIndex() <= i && i <= s->LastValueIndex()) s->DrawPointAlone(i);
  }
  if (clip) c.RemoveClip();
  for (TChartSeries* s : group) FinishSeries(*s);
}

void TCustomAxisPanel::DrawSeries(TChartSeries& s) {
  s.CalcFirstLastVisibleIndex();
  if (s.FirstValueIndex() == -1) return;
  if (s.BeforeDrawValues) s.BeforeDrawValues(&s);
  TZelCanvas3D& c = Canvas();
  const bool clipAllowed = !c.RendersTrue3D();
  const bool clip = FClipPoints && clipAllowed;
  if (clip) c.ClipToCube(ChartRect(), 0, Width3D());
  s.DrawVisiblePoints();
  if (clip) c.RemoveClip();
  FinishSeries(s);
}

void TCustomAxisPanel::FinishSeries(TChartSeries& s) {
  TZelCanvas3D& c = Canvas();
  if (s.MarksVisible()) {
    const bool clipMarks = s.MarksClip() && !c.RendersTrue3D();
    if (clipMarks) c.ClipToCube(ChartRect(), 0, Width3D());
    s.DrawMarks();
    if (clipMarks) c.RemoveClip();
  }
  if (s.AfterDrawValues) s.AfterDrawValues(&s);
}

}  // namespace chart
