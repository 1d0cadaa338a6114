// The paint sequence of a chart with axes: background, headings, layout, walls, axes,
// series and the zoom rectangle, in that order.
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
  if (View3D() && FDepthAxis->Inverted()) {
    // The first slot stands at the back of an inverted depth axis.
    for (int slot = 0; slot < depthSlots; ++slot)
      for (TChartSeries* s : SeriesList())
        if (s->Active() && s->DepthOrder() == slot) DrawSeries(*s);
  } else {
    ForEachSeriesBackToFront(SeriesList(), depthSlots, [this](TChartSeries& s) { DrawSeries(s); });
  }
  if (ZoomRectangleActive()) DrawZoomRectangle();
  c.ResetDrawingState();
  if (OnAfterDraw) OnAfterDraw(this);
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
  if (s.MarksVisible()) {
    const bool clipMarks = s.MarksClip() && clipAllowed;
    if (clipMarks) c.ClipToCube(ChartRect(), 0, Width3D());
    s.DrawMarks();
    if (clipMarks) c.RemoveClip();
  }
  if (s.AfterDrawValues) s.AfterDrawValues(&s);
}

}  // namespace chart
