// The chart with series and axes: the series list and its colour rule, the standard
// axes that series bind to, and the checks for data-source links between series.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "chart/axis/AxisParent.h"
#include "chart/axis/ChartAxis.h"
#include "chart/axis/CustomChartAxis.h"
#include "chart/core/Color.h"
#include "chart/panel/CustomZelPanelExtended.h"
#include "chart/panel/MultiLineText.h"
#include "chart/series/ChartSeriesList.h"

namespace chart {

class TChartComponent;
class TChartSeries;
class TCustomChartAxis;

using TAxisOnGetLabel =
    std::function<void(TCustomChartAxis* sender, TChartSeries* series, int valueIndex, std::string& labelText)>;
using TAxisOnGetNextLabel =
    std::function<void(TCustomChartAxis* sender, int labelIndex, double& labelValue, bool& stop)>;

class TCustomAxisPanel : public TCustomZelPanelExtended, public TAxisParent {
 public:
  TCustomAxisPanel();
  // Detaches every series still attached (the series belong to their owner, not to the
  // chart) so that none keeps a pointer to a dead chart.
  ~TCustomAxisPanel() override;

  const TChartSeriesList& SeriesList() const { return FSeriesList; }
  int SeriesCount() const { return FSeriesList.Count(); }
  // The series at index in attachment order; EListError outside 0 .. SeriesCount-1.
  TChartSeries* Series(int index) const { return FSeriesList.Items(index); }

  void AddSeries(TChartSeries& series);
  void RemoveSeries(TChartSeries& series);
  int ActiveCount() const;

  // First palette colour that no series uses (and, with checkBackground, that differs
  // from the chart's and the back wall's colour); the palette's first colour when none.
  TColor FreeSeriesColor(bool checkBackground) const;
  bool IsColorFree(TColor color, bool checkBackground) const;

  // Whether component may feed series (it must be a series).
  virtual bool IsValidDataSource(const TChartSeries& series, const TChartComponent& component) const;

  // The standard axes series bind to; unset until the chart creates them.
  TCustomChartAxis* BottomAxis() const { return FBottomAxis; }
  TCustomChartAxis* TopAxis() const { return FTopAxis; }
  TCustomChartAxis* LeftAxis() const { return FLeftAxis; }
  TCustomChartAxis* RightAxis() const { return FRightAxis; }

 protected:
  // The back wall's colour, which a free series colour must differ from.
  virtual TColor BackWallColor() const { return clDefault; }
  // A series is leaving: the chart stops showing its cursor.
  virtual void ReleaseSeriesCursor(const TChartSeries& series) { (void)series; }
  // A custom axis is about to be freed: whatever remembers it forgets it.
  virtual void CustomAxisRemoving(TCustomChartAxis& axis) { (void)axis; }
  // A custom axis has just joined the list (its fonts follow the chart's platform).
  virtual void CustomAxisCreated(TCustomChartAxis& axis) { (void)axis; }
  // A series has joined the chart.
  virtual void SeriesAdded(TChartSeries& series) { (void)series; }
  // Installs the standard axes (not owned here) and rebinds the attached series.
  void SetStandardAxes(TCustomChartAxis* bottom, TCustomChartAxis* top, TCustomChartAxis* left,
                       TCustomChartAxis* right);

  // --- axes, extremes, paging and the paint sequence ------------------------------------
  // (AxisPanelAxes.cpp, AxisPanelExtremes.cpp, AxisPanelPaging.cpp, AxisPanelPaint.cpp)
 public:
  TCustomChartAxis* DepthAxis() const { return FDepthAxis; }
  // Every axis in creation order, which is also the layout and drawing order: the five
  // standard axes, then the custom ones.
  const std::vector<TCustomChartAxis*>& AxisList() const { return FAxes; }
  bool HasAxis(const TCustomChartAxis* axis) const;

  // A further axis on the side that horizontal and otherSide name, placed along it by its
  // StartPosition and EndPosition and across it by PositionPercent. The chart owns it,
  // ranges it from the series that choose it as their custom axis, lays it out, draws it
  // and offers it to the mouse like the standard axes; it takes no room from the chart
  // rectangle.
  TChartAxis& CreateCustomAxis(bool horizontal, bool otherSide);
  // Frees a custom axis of this chart; every series that used it goes back to its
  // standard axis. Any other axis is left alone.
  void RemoveCustomAxis(TCustomChartAxis& axis);
  int CustomAxisCount() const { return static_cast<int>(FCustomAxes.size()); }

  bool AxisVisible() const { return FAxisVisible; }
  void SetAxisVisible(bool v);
  bool ClipPoints() const { return FClipPoints; }
  void SetClipPoints(bool v);
  bool View3DWalls() const { return FView3DWalls; }
  void SetView3DWalls(bool v);
  int MaxPointsPerPage() const { return FMaxPointsPerPage; }
  void SetMaxPointsPerPage(int v);
  int Page() const { return FPage; }
  virtual void SetPage(int v);
  bool ScaleLastPage() const { return FScaleLastPage; }
  void SetScaleLastPage(bool v);
  int NumPages() const;
  // In a 3D view each active series takes a depth slot of its own, drawn back to front;
  // with this off they all share the whole depth and draw in list order.
  bool ApplyZOrder() const { return FApplyZOrder; }
  void SetApplyZOrder(bool v);
  // Depth slots of this paint (at least 1).
  int DepthSlots() const { return FDepthSlots; }
  // Each active series spans its slot on the depth axis (half a unit either side of its
  // order), so that it follows the axis when the axis is scrolled, zoomed or inverted.
  void PlaceSeriesAlongDepthAxis();

  double ChartMinX(const TCustomChartAxis& axis) override;
  double ChartMaxX(const TCustomChartAxis& axis) override;
  double ChartMinY(const TCustomChartAxis& axis) override;
  double ChartMaxY(const TCustomChartAxis& axis) override;
  bool IsAxisShown(const TCustomChartAxis& axis) const;
  TChartSeries* FirstSeriesOfAxis(const TCustomChartAxis& axis) const;
  bool AxisHasNoActiveSeries(const TCustomChartAxis& axis) const;
  // Whether the series' horizontal (vertical) binding selects this horizontal (vertical) axis.
  bool SeriesBoundToAxis(const TChartSeries& series, const TCustomChartAxis& axis) const;
  int MaxLabelTextWidth() override;
  int MaxMarkTextWidth() override;
  int MaxSeriesTitleWidth() override;
  // Widest line and line count of a text in the current canvas font.
  TTextExtent MultiLineTextWidth(std::string_view text);

  // What the axes ask of their chart.
  void InvalidateChart() override { TCustomZelPanel::InvalidateChart(); }
  void ApplyFont(TFont& font) override { TCustomZelPanel::ApplyFont(font); }
  TRect AxisChartRect() const override { return ChartRect(); }
  int ChartDepth3D() const override { return Width3D(); }
  bool IsLoading() const override { return Loading(); }
  bool AxisSeriesAreDateTime(const TCustomChartAxis& axis) override;
  int MeasureTextWidth(std::string_view text) override;
  int MeasureFontHeight() override;
  std::string FormatAxisLabel(const TCustomChartAxis& axis, double value, bool useEvent = true) override;
  TAxisLabelStyle AutoLabelStyle(const TCustomChartAxis& axis) override;
  int WallThickness(const TCustomChartAxis& axis) override { (void)axis; return 0; }
  TCanvas3D* AxisCanvas() override { return &Canvas(); }
  TColor AxisBackColor() const override { return Color(); }
  bool AxisIsShown(const TCustomChartAxis& axis) const override { return IsAxisShown(axis); }
  bool HasNextAxisLabel() const override { return static_cast<bool>(OnGetNextAxisLabel); }
  void NextAxisLabel(TCustomChartAxis& axis, int index, double& value, bool& stop) override {
    OnGetNextAxisLabel(&axis, index, value, stop);
  }
  bool SeriesLabelRange(const TCustomChartAxis& axis, int& first, int& last) override;
  bool SeriesLabelAt(TCustomChartAxis& axis, int index, bool markText, double& value, std::string& text) override;

  // May replace any axis label text (series: the series a text label comes from, else
  // null; valueIndex: its point, else -1).
  TAxisOnGetLabel OnGetAxisLabel;
  // Supplies the values of custom axis labels, one call per label until stop.
  TAxisOnGetNextLabel OnGetNextAxisLabel;

  // The paint sequence and its steps.
  void PaintChart(const TRect& bounds) override;
  virtual void LayoutAxes() {}
  virtual void ApplySeriesMargins() {}
  virtual void DrawHeadings() {}
  virtual void PaintWalls() {}
  // Draws one shown axis: title, labels, line, ticks and grid.
  virtual void DrawAxis(TCustomChartAxis& axis) { axis.DrawAxis(true); }
  // The zoom rectangle of a drag in progress (filled by the mouse handling).
  virtual bool ZoomRectangleActive() const { return false; }
  virtual void DrawZoomRectangle() {}
  // Draws one active series, clipped to the chart rectangle when allowed.
  void DrawSeries(TChartSeries& series);
  // Draws the active series of one depth slot: one after another, or point by point
  // interleaved when several share the slot of a 3D view and each can draw a point alone.
  void DrawSlot(int slot);

  TNotifyEvent OnBeforeDrawAxes;
  TNotifyEvent OnBeforeDrawSeries;
  TNotifyEvent OnAfterDraw;
  TNotifyEvent OnPageChange;

 private:
  double SeriesExtreme(const TCustomChartAxis& axis, bool maximum, bool xValues);
  double PagedExtreme(const TCustomChartAxis& axis, bool maximum, bool xValues);
  int PagesOfAxis(const TCustomChartAxis* axis) const;
  void DrawInterleaved(int slot);
  // The marks of a drawn series and its after-draw event.
  void FinishSeries(TChartSeries& series);

  std::unique_ptr<TCustomChartAxis> FBottomAxisOwned, FTopAxisOwned, FLeftAxisOwned, FRightAxisOwned,
      FDepthAxisOwned;
  TCustomChartAxis* FDepthAxis = nullptr;
  std::vector<std::unique_ptr<TChartAxis>> FCustomAxes;
  std::vector<TCustomChartAxis*> FAxes;
  int FMaxPointsPerPage = 0;
  int FPage = 1;
  bool FScaleLastPage = true;
  bool FAxisVisible = true;
  bool FClipPoints = true;
  bool FView3DWalls = true;
  bool FApplyZOrder = true;
  int FDepthSlots = 1;
  // The series of the slot being drawn point by point; kept to reuse its room.
  std::vector<TChartSeries*> FSlotSeries;

 private:
  TChartSeriesList FSeriesList;
  TCustomChartAxis* FBottomAxis = nullptr;
  TCustomChartAxis* FTopAxis = nullptr;
  TCustomChartAxis* FLeftAxis = nullptr;
  TCustomChartAxis* FRightAxis = nullptr;
};

}  // namespace chart
