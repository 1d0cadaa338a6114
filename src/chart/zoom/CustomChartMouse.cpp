// The chart's mouse handling: what lies under the pointer, the click events, and starting,
// following and ending the zoom and panning drags.
#include <cstdlib>

#include "chart/axis/CustomChartAxis.h"
#include "chart/panel/CustomChart.h"
#include "chart/series/ChartSeries.h"

namespace chart {

namespace {
bool InsideChartRect(const TRect& r, int x, int y) {
  return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}
}  // namespace

void TCustomChart::SetCursor(TCursor v) {
  FCursor = v;
  if (Host()) Host()->SetCursor(v);
}

void TCustomChart::Loaded() { FHomeCursor = FCursor; }

void TCustomChart::ReleaseSeriesCursor(const TChartSeries& series) {
  if (FCursor == series.Cursor() && FCursor != FHomeCursor) SetCursor(FHomeCursor);
}

TPoint TCustomChart::FrontPlanePoint(int x, int y) const {
  // The projection of the last paint; a flat chart leaves the point as it is.
  Canvas().UnprojectPoint(x, y, 0);
  return {x, y};
}

TChartClickedPart TCustomChart::PartAtPoint(int x, int y) {
  TChartClickedPart part;
  const TChartSeriesList& list = SeriesList();
  for (int i = list.Count() - 1; i >= 0; --i) {
    TChartSeries* s = list.Items(i);
    if (!s->Active()) continue;
    const int index = s->Clicked(x, y);
    if (index != -1) {
      part.Part = TChartPart::Series;
      part.Series = s;
      part.ValueIndex = index;
      return part;
    }
  }
  for (TCustomChartAxis* axis : AxisList()) {
    if (axis->Clicked(x, y)) {
      part.Part = TChartPart::Axis;
      part.Axis = axis;
      return part;
    }
  }
  if (FTitle->Clicked(x, y)) {
    part.Part = TChartPart::Title;
  } else if (FFoot->Clicked(x, y)) {
    part.Part = TChartPart::Foot;
  } else if (const TPoint p = FrontPlanePoint(x, y); InsideChartRect(ChartRect(), p.X, p.Y) && ActiveCount() > 0) {
    part.Part = TChartPart::ChartRect;
  } else if (LegendVisible()) {
    const int item = LegendClicked(x, y);
    if (item != -1) {
      part.Part = TChartPart::Legend;
      part.ValueIndex = item;
    }
  }
  return part;
}

bool TCustomChart::TryStartDrag(TMouseButton button, TShiftState shift, int x, int y) {
  bool started = false;
  const TChartMouseSettings& m = FMouseSettings;
  if (AllowZoom() && button == m.ZoomButton && ShiftContains(shift, m.ZoomShift)) {
    SetCursor(crDefault);
    FZoom.StartDrag(x, y);
    DrawZoomRectangle();
    started = true;
  }
  if (AllowPanning() != pmNone && button == m.PanButton && ShiftContains(shift, m.PanShift)) {
    SetCursor(crDefault);
    FPanning.StartDrag(x, y);
    started = true;
  }
  return started;
}

// The handler may clear MouseHandled to let the press go on to a drag.
void TCustomChart::ClickBackground(TMouseButton button, TShiftState shift, int x, int y, bool& handled) {
  if (!OnClickBackground) return;
  FMouseHandled = true;
  OnClickBackground(this, button, shift, x, y);
  handled = FMouseHandled;
}

void TCustomChart::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
  // Other presses during a drag are ignored.
  if (FZoom.Dragging || FPanning.Dragging) return;
  if (FMouseHandled) {
    FMouseHandled = false;
    return;
  }
  bool handled = false;
  const TChartClickedPart part = PartAtPoint(x, y);
  switch (part.Part) {
    case TChartPart::Legend:
      if (OnClickLegend) {
        FMouseHandled = true;
        OnClickLegend(this, button, shift, x, y);
        handled = FMouseHandled;
      }
      break;
    case TChartPart::Axis:
      if (OnClickAxis) {
        FMouseHandled = true;
        OnClickAxis(this, part.Axis, button, shift, x, y);
        handled = FMouseHandled;
      }
      if (!handled) handled = TryStartDrag(button, shift, x, y);
      break;
    case TChartPart::Series: {
      TChartSeries* s = part.Series;
      FMouseHandled = false;
      if ((shift & ssDouble) && s->OnDblClick) {
        FMouseHandled = true;
        s->OnDblClick(s, part.ValueIndex, button, shift, x, y);
      } else if (s->OnClick) {
        FMouseHandled = true;
        s->OnClick(s, part.ValueIndex, button, shift, x, y);
      }
      handled = FMouseHandled;
      if (OnClickSeries) {
        FMouseHandled = true;
        OnClickSeries(this, s, part.ValueIndex, button, shift, x, y);
        handled = FMouseHandled;
      }
      if (!handled) handled = TryStartDrag(button, shift, x, y);
      break;
    }
    case TChartPart::ChartRect:
      ClickBackground(button, shift, x, y, handled);
      if (!handled) handled = TryStartDrag(button, shift, x, y);
      break;
    case TChartPart::Title:
    case TChartPart::Foot:
    case TChartPart::None:
      break;
  }
  // A press inside the chart rectangle already offered itself as a background click.
  if (!handled && part.Part != TChartPart::ChartRect) ClickBackground(button, shift, x, y, handled);
  FMouseHandled = false;
}

void TCustomChart::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
  if (FZoom.Dragging) {
    if (x == FZoom.ToX && y == FZoom.ToY) return;
    DrawZoomRectangle();  // erases the old one
    FZoom.ToX = x;
    FZoom.ToY = y;
    DrawZoomRectangle();
    return;
  }
  if (FPanning.Dragging) {
    // The data under the pointer lies in the front plane of a 3D view.
    const TPoint now = FrontPlanePoint(x, y);
    if (!InsideChartRect(ChartRect(), now.X, now.Y)) {
      FPanning.Dragging = false;
      return;
    }
    if (x == FPanning.ToX && y == FPanning.ToY) return;
    if (FAtHomeScales) SaveHomeScales();
    const TPoint before = FrontPlanePoint(FPanning.ToX, FPanning.ToY);
    bool moved = PanDirection(true, now.X, before.X);
    moved = PanDirection(false, now.Y, before.Y) || moved;
    FPanning.ToX = x;
    FPanning.ToY = y;
    if (moved) {
      if (OnScroll) OnScroll(this);
      InvalidateChart();
    }
    return;
  }
  // Hovering: the first series under the pointer with a cursor of its own shows it.
  bool gaveCursor = false;
  for (TChartSeries* s : SeriesList()) {
    if (s->Active() && s->Cursor() != crDefault && s->Clicked(x, y) != -1) {
      SetCursor(s->Cursor());
      gaveCursor = true;
      break;
    }
  }
  for (TChartSeries* s : SeriesList()) s->MouseMove(shift, x, y);
  if (!gaveCursor && FCursor != FHomeCursor) SetCursor(FHomeCursor);
}

void TCustomChart::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
  for (TChartSeries* s : SeriesList()) s->MouseUp(button, shift, x, y);
  if (FZoom.Dragging && button == FMouseSettings.ZoomButton) {
    FZoom.Dragging = false;
    DrawZoomRectangle();  // erases it
    Canvas().Pen().SetMode(pmCopy);
    FZoom.ToX = x;
    FZoom.ToY = y;
    const int minimum = FMouseSettings.MinimumZoomDrag;
    // 64-bit differences: coordinates far outside the window must not overflow.
    const long long dx = static_cast<long long>(FZoom.ToX) - FZoom.FromX;
    const long long dy = static_cast<long long>(FZoom.ToY) - FZoom.FromY;
    if (std::llabs(dx) > minimum && std::llabs(dy) > minimum) {
      if (dx > 0 && dy > 0)
        ZoomToRectangle();
      else
        UndoZoom();
      InvalidateChart();
    }
  }
  FPanning.Dragging = false;
}

void TCustomChart::MouseWheelDown(TShiftState shift, TPoint pos) {
  bool handled = false;
  if (OnMouseWheelDown) OnMouseWheelDown(this, shift, pos, handled);
  WheelScroll(true);
}

void TCustomChart::MouseWheelUp(TShiftState shift, TPoint pos) {
  bool handled = false;
  if (OnMouseWheelUp) OnMouseWheelUp(this, shift, pos, handled);
  WheelScroll(false);
}

void TCustomChart::MouseLeave() {
  if (FCursor != FHomeCursor) SetCursor(FHomeCursor);
  FPanning.Dragging = false;
}

}  // namespace chart
