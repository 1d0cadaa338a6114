// The chart with titles, walls and the legend: it fills in the layout steps of the paint
// sequence (headings, axis layout, series margins, walls).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "chart/core/ChartHost.h"
#include "chart/legend/ChartLegend.h"
#include "chart/legend/LegendTypes.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/title/ChartTitle.h"
#include "chart/walls/ChartWall.h"
#include "chart/zoom/ChartMouseEvents.h"
#include "chart/zoom/ChartMouseSettings.h"
#include "chart/zoom/ZoomPanningRecord.h"

namespace chart {

class TCustomChart : public TCustomAxisPanel {
 public:
  TCustomChart();
  ~TCustomChart() override;

  TChartTitle& Title() { return *FTitle; }
  TChartTitle& Foot() { return *FFoot; }
  TChartWall& BackWall() { return *FBackWall; }
  TChartWall& LeftWall() { return *FLeftWall; }
  TChartWall& BottomWall() { return *FBottomWall; }

  // The back wall's colour. Set at run time on a chart shown in a window, it also makes
  // the back wall's brush solid so that the colour shows.
  TColor BackColor() const { return FBackWall->Color(); }
  void SetBackColor(TColor v);
  // The back wall's pen.
  TChartPen& Frame() { return FBackWall->Pen(); }
  // Draw the background picture inside the back wall instead of over the whole panel.
  bool BackImageInside() const { return FBackImageInside; }
  void SetBackImageInside(bool v);

  TChartLegend& Legend() { return *FLegend; }
  const TChartLegend& Legend() const { return *FLegend; }
  // What the headings and the mouse ask of the legend.
  virtual bool LegendVisible() const { return FLegend->Visible(); }
  virtual TLegendAlignment LegendAlignment() const { return FLegend->Alignment(); }
  virtual void DrawLegend() { FLegend->Draw(); }
  // Legend item under the point, -1 when none.
  virtual int LegendClicked(int x, int y) { return FLegend->Clicked(x, y); }
  // May replace an entry's text, move an entry, replace the legend box.
  TOnGetLegendText OnGetLegendText;
  TOnGetLegendPos OnGetLegendPos;
  TOnGetLegendRect OnGetLegendRect;

  // A font still at the engine's built-in default takes the default of the chart's
  // platform (the interface font on a Japanese system); other fonts stay as they are.
  // For fonts of elements created after the chart got its host.
  void FollowPlatformFont(TFont& font) const;

  // Steps of the paint sequence.
  void LayoutAxes() override;
  void ApplySeriesMargins() override;
  int WallThickness(const TCustomChartAxis& axis) override;
  int CrossWallThickness(const TCustomChartAxis& axis) override;
  // The 3D depth of this paint and the room the back wall takes at the far depth.
  void LayoutDepth();
  void DrawHeadings() override;
  void PaintWalls() override;
  // The back wall at the far depth, the left and bottom walls along the depth.
  void PaintWalls3D();
  void DrawBackImage(const TRect& rect) override;

  // --- mouse: click events, zoom, panning and the wheel (zoom/CustomChartMouse.cpp,
  // zoom/CustomChartZoom.cpp) -------------------------------------------------------------
  // Entry points for the window, in client coordinates. Each fires the control's own event
  // first, then does the chart's work.
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  // The point of the front plane (depth 0) shown at (x, y) in the last paint.
  TPoint FrontPlanePoint(int x, int y) const;
  void MouseMove(TShiftState shift, int x, int y);
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  void MouseWheelDown(TShiftState shift, TPoint pos);
  void MouseWheelUp(TShiftState shift, TPoint pos);
  void MouseLeave();
  // After the stored properties are read: the current cursor becomes the home cursor.
  void Loaded();

  TChartClickedPart PartAtPoint(int x, int y);
  // Starts a zoom and/or a panning drag when the button and keys say so; true if one started.
  bool TryStartDrag(TMouseButton button, TShiftState shift, int x, int y);
  virtual void ZoomToRectangle();
  void ZoomAxes(double topMin, double topMax, double bottomMin, double bottomMax, double leftMin,
                double leftMax, double rightMin, double rightMax);
  void UndoZoom();
  // Shifts the axes of one direction so the data follows the pointer; true if it moved them.
  bool PanDirection(bool horizontal, int newPos, int previous);
  void WheelScroll(bool up);
  bool ZoomRectangleActive() const override { return FZoom.Dragging; }
  // The rubber band in NOT-XOR: drawing it twice leaves the pixels as they were.
  void DrawZoomRectangle() override;
  // Marks the chart dirty and paints it before returning (animated zoom, wheel).
  void RepaintChartNow();

  TZoomPanningRecord& Zoom() { return FZoom; }
  TZoomPanningRecord& Panning() { return FPanning; }
  TChartMouseSettings& MouseSettings() { return FMouseSettings; }
  bool MouseHandled() const { return FMouseHandled; }
  void SetMouseHandled(bool v) { FMouseHandled = v; }
  bool AtHomeScales() const { return FAtHomeScales; }
  bool ZoomedIn() const { return FZoomedIn; }
  // The control's cursor; the window shows it.
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor v);
  TCursor HomeCursor() const { return FHomeCursor; }

  // Range flags and ends of one axis before the first zoom or pan.
  struct TAxisHomeScale {
    bool Automatic = true;
    bool AutomaticMinimum = true;
    bool AutomaticMaximum = true;
    double Minimum = 0;
    double Maximum = 0;
  };
  // Top, left, right and bottom axis.
  const TAxisHomeScale (&HomeScales() const)[4] { return FHomeScales; }

  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TMouseWheelUpDownEvent OnMouseWheelDown;
  TMouseWheelUpDownEvent OnMouseWheelUp;
  TChartClickAxis OnClickAxis;
  TChartClickSeries OnClickSeries;
  TChartClick OnClickLegend;
  TChartClick OnClickBackground;
  TChartAllowScrollEvent OnAllowScroll;

 protected:
  TColor BackWallColor() const override { return FBackWall->Color(); }
  void HostAttached(TChartHost& host) override;
  void ReleaseSeriesCursor(const TChartSeries& series) override;
  void CustomAxisRemoving(TCustomChartAxis& axis) override;
  void CustomAxisCreated(TCustomChartAxis& axis) override;
  void SeriesAdded(TChartSeries& series) override;

 private:
  // Created in this order; the legend comes between the left and the bottom wall.
  std::unique_ptr<TChartTitle> FTitle;
  std::unique_ptr<TChartTitle> FFoot;
  std::unique_ptr<TChartWall> FBackWall;
  std::unique_ptr<TChartWall> FLeftWall;
  std::unique_ptr<TChartLegend> FLegend;
  std::unique_ptr<TChartWall> FBottomWall;
  bool FBackImageInside = false;
  // Name and size of the default chart font on the platform the fonts follow now.
  std::string FDefaultFontName;
  int FDefaultFontSize = 0;

  // Mouse state.
  void SaveHomeScales();
  void ClickBackground(TMouseButton button, TShiftState shift, int x, int y, bool& handled);
  TZoomPanningRecord FZoom;
  TZoomPanningRecord FPanning;
  TChartMouseSettings FMouseSettings;
  TAxisHomeScale FHomeScales[4];
  // The custom axes' scales before the first pan, which moves them too.
  std::vector<std::pair<TCustomChartAxis*, TAxisHomeScale>> FCustomHomeScales;
  TCursor FCursor = crDefault;
  TCursor FHomeCursor = crDefault;
  bool FMouseHandled = false;
  bool FAtHomeScales = true;
  bool FZoomedIn = false;
};

}  // namespace chart
