// A series: an ordered set of points (X, Y, optional colour, optional label) kept in step
// across its value lists and per-point sequences, with the notices each change sends to
// the chart (repaint) and to the series that take their data from it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "chart/core/ChartHost.h"
#include "chart/core/Color.h"
#include "chart/core/MouseTypes.h"
#include "chart/marks/SeriesMarks.h"
#include "chart/series/ChartComponent.h"
#include "chart/series/ChartValueList.h"
#include "chart/series/PointLabels.h"
#include "chart/series/TwoEndedArray.h"

namespace chart {

class TCanvas3D;
class TCustomAxisPanel;
class TCustomChartAxis;
class TPendingPoints;
class TZelFunction;

enum THorizAxis : std::uint8_t { aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis };
enum TVertAxis : std::uint8_t { aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis };

// How a point's legend entry combines its label and its value.
enum TLegendTextStyle : std::uint8_t {
  ltsPlain, ltsLeftValue, ltsRightValue, ltsLeftPercent, ltsRightPercent, ltsXValue
};

// What a series tells the series linked to it.
enum TSeriesNotice : std::uint8_t { snClear, snInsert, snDelete, snRefresh, snModify };

// Which notices from its source a linked series acts on (refresh always acts).
using TRecalcOptions = std::uint8_t;
inline constexpr TRecalcOptions roClear = 1;
inline constexpr TRecalcOptions roInsert = 2;
inline constexpr TRecalcOptions roDelete = 4;
inline constexpr TRecalcOptions roModify = 8;
inline constexpr TRecalcOptions roAll = roClear | roInsert | roDelete | roModify;

class TChartSeries;
using TSeriesOnBeforeAdd = std::function<bool(TChartSeries* sender)>;
using TSeriesOnAfterAdd = std::function<void(TChartSeries* sender, int valueIndex)>;
using TSeriesOnClear = std::function<void(TChartSeries* sender)>;
using TSeriesOnGetMarkText = std::function<void(TChartSeries* sender, int valueIndex, std::string& markText)>;
using TSeriesClick = std::function<void(TChartSeries* sender, int valueIndex, TMouseButton button,
                                       TShiftState shift, int x, int y)>;

class TChartSeries : public TChartComponent {
 public:
  TChartSeries();
  ~TChartSeries() override;

  // --- values --------------------------------------------------------------------------
  TChartValueList& XValues() { return *FValueLists[0]; }
  const TChartValueList& XValues() const { return *FValueLists[0]; }
  TChartValueList& YValues() { return *FValueLists[1]; }
  const TChartValueList& YValues() const { return *FValueLists[1]; }
  // Copy the given list's settings (not its values) and repaint.
  void SetXValues(const TChartValueList& source);
  void SetYValues(const TChartValueList& source);
  const TChartValueLists& ValuesLists() const { return FValueLists; }
  // The list that Add fills from its argument.
  virtual TChartValueList& MandatoryValueList() { return YValues(); }
  const TChartValueList& MandatoryValueList() const {
    return const_cast<TChartSeries*>(this)->MandatoryValueList();
  }
  bool YMandatory() const { return &MandatoryValueList() == &YValues(); }

  int Count() const { return XValues().Count(); }
  virtual double XValue(int index) const { return XValues().Value(index); }
  virtual double YValue(int index) const { return YValues().Value(index); }
  virtual TColor ValueColor(int index) const;
  void SetValueColor(int index, TColor color);
  virtual std::string XLabel(int index) const {
    Settle();
    return FLabels.Get(index);
  }
  bool IsNull(int index) const { return ValueColor(index) == clNone; }
  // Number of entries in the colour and label sequences (a point beyond them takes the
  // series colour and has no label). A point added through the series has both entries.
  int ColorCount() const {
    Settle();
    return FColorCount;
  }
  // The colours stored per point (clDefault: none of its own), StoredColorCount of them,
  // for drawing loops that resolve them as ValueColor does without a call per point. Only
  // entries up to the last colour of its own take memory: the entries after them, up to
  // ColorCount, are clDefault.
  const TColor* StoredColors() const {
    Settle();
    return FColors.data();
  }
  int StoredColorCount() const {
    Settle();
    return static_cast<int>(FColors.size());
  }
  // True while points that arrived out of X order wait to be merged (any read merges them).
  bool HasWaitingPoints() const { return FHasPending; }
  // True when some point has a colour of its own (not clDefault) stored.
  bool HasOwnColors() const { return FOwnColors > 0; }
  int LabelCount() const {
    Settle();
    return FLabelCount;
  }

  virtual double MinX() const { return XValues().Minimum(); }
  virtual double MaxX() const { return XValues().Maximum(); }
  virtual double MinY() const { return YValues().Minimum(); }
  virtual double MaxY() const { return YValues().Maximum(); }

  // --- data operations -----------------------------------------------------------------
  // Returns the new point's index, or -1 when OnBeforeAdd vetoes the point.
  virtual int AddPoint(double x, double y, std::string_view label = {}, TColor color = clDefault);
  virtual int Add(double value, std::string_view label = {}, TColor color = clDefault);
  virtual int AddNullValue(std::string_view label = {}) { return Add(0, label, clNone); }
  virtual int AddNullPoint(double x, double y, std::string_view label = {}) {
    return AddPoint(x, y, label, clNone);
  }
  // Adds values[0] .. values[lastIndex] as Add does, one by one, then sends the refresh
  // notice; returns lastIndex + 1. While nothing listens to single points (OnBeforeAdd,
  // OnAfterAdd, linked series) and the X values go in at the end, the values are
  // appended in one pass: what the series holds is the same either way.
  int AppendValues(const double* values, int lastIndex);
  int AppendValues(std::span<const double> values);
  // Adds the points (xs[k], ys[k]) as AddPoint does, one by one (no label, no colour of
  // their own; in one pass under the same conditions). Spans of different lengths raise
  // EListError and add nothing. Returns the number of points offered.
  int AppendPoints(std::span<const double> xs, std::span<const double> ys);
  virtual void Clear();
  virtual void Delete(int index);
  // Deletes points start .. start + quantity - 1 as Delete does one by one, in time
  // proportional to the points deleted when they lie at either end. A range not inside
  // 0 .. Count - 1 raises EListError and deletes nothing; quantity 0 does nothing.
  void DeleteRange(int start, int quantity);
  virtual void SwapPoints(int a, int b);

  // Asks the chart, when there is one, for a deferred repaint.
  void RequestRepaint() const;

  // --- linked series -------------------------------------------------------------------
  void NotifyLinkedSeries(TSeriesNotice notice, int index);
  void RefreshLinkedSeries() { NotifyLinkedSeries(snRefresh, 0); }
  const std::vector<TChartSeries*>& LinkedSeries() const { return FLinkedSeries; }
  // The series this one takes its data from (empty without a data source).
  const std::vector<TChartSeries*>& DataSources() const { return FDataSources; }
  TChartSeries* DataSource() const { return FDataSources.empty() ? nullptr : FDataSources.front(); }
  // Links the series to a source (nullptr unlinks) and rebuilds it from that source.
  void SetDataSource(TChartComponent* source);
  // Links the series to several sources (a function combines them index by index; without
  // one the first is copied); an empty list unlinks. Every source is checked before any
  // link changes: no chart, a rejected component or a cycle raise ChartException.
  void SetDataSources(std::span<TChartComponent* const> sources);
  TRecalcOptions RecalcOptions() const { return FRecalcOptions; }
  void SetRecalcOptions(TRecalcOptions v) { FRecalcOptions = v; }
  TZelFunction* FunctionType() const { return FFunction.get(); }
  // Takes ownership of a calculation function (freeing the old one) and rebuilds.
  void SetFunction(std::unique_ptr<TZelFunction> function);
  // Clears the series and refills it from its first data source.
  virtual void CheckDataSource();
  // Whether a function's one result over a whole source may be one point; a series drawn
  // as a line needs two to show it.
  virtual bool AllowSinglePoint() const { return true; }

  // --- chart and axes ------------------------------------------------------------------
  TCustomAxisPanel* ParentChart() const { return FParentChart; }
  virtual void SetParentChart(TCustomAxisPanel* chart);
  // The chart has just taken the series into its list (series types set up the chart).
  virtual void AddedToChart() {}
  THorizAxis HorizAxis() const { return FHorizAxis; }
  void SetHorizAxis(THorizAxis v);
  TVertAxis VertAxis() const { return FVertAxis; }
  void SetVertAxis(TVertAxis v);
  // The axis drawn against with aCustomHorizAxis (aCustomVertAxis): null, or a horizontal
  // (vertical) axis of the series' own chart, usually one made by its CreateCustomAxis;
  // anything else raises ChartException. Leaving the chart, or the axis leaving it,
  // clears it again.
  TCustomChartAxis* CustomHorizAxis() const { return FCustomHorizAxis; }
  void SetCustomHorizAxis(TCustomChartAxis* axis);
  TCustomChartAxis* CustomVertAxis() const { return FCustomVertAxis; }
  void SetCustomVertAxis(TCustomChartAxis* axis);
  // The axes the series draws against; unset without a chart.
  TCustomChartAxis* GetHorizAxis() const { return FHorizAxisBound; }
  TCustomChartAxis* GetVertAxis() const { return FVertAxisBound; }
  // Whether the series counts for the axis (both-axes bindings count for either side).
  virtual bool AssociatedToAxis(const TCustomChartAxis* axis) const;

  // --- properties ----------------------------------------------------------------------
  bool Active() const { return FActive; }
  virtual void SetActive(bool v);
  TColor SeriesColor() const { return FSeriesColor; }
  virtual void SetSeriesColor(TColor v);
  bool ColorEachPoint() const { return FColorEachPoint; }
  virtual void SetColorEachPoint(bool v);
  bool ShowInLegend() const { return FShowInLegend; }
  void SetShowInLegend(bool v);
  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& v);
  const std::string& ValueFormat() const { return FValueFormat; }
  void SetValueFormat(const std::string& v);
  const std::string& PercentFormat() const { return FPercentFormat; }
  void SetPercentFormat(const std::string& v);

  // --- point texts (marks and legend) ---------------------------------------------------
  // A value in ValueFormat, a percentage in PercentFormat, with the chart's separators.
  std::string FormatValue(double value) const;
  std::string FormatPercent(double percent) const;
  // Sum of the absolute values of the mandatory list (kept by the list until it changes).
  double AbsTotal() const;
  // |V| x 100 / absTotal of the point's mandatory value; 100 when absTotal is 0.
  double PercentOf(int index, double absTotal) const;
  // The point's label when it has one, else its mandatory value formatted.
  std::string LabelOrValue(int index) const;
  // The legend's entries for the points of this series: by default one per point.
  virtual int LegendItemCount() const { return Count(); }
  virtual int LegendToValueIndex(int item) const { return item; }
  // Text of point valueIndex in a legend of the given style, line breaks as spaces.
  std::string LegendString(int valueIndex, TLegendTextStyle style) const;
  // The entry's colour box in a legend: by default filled in the item's colour, outlined
  // with the canvas pen the legend set.
  virtual void DrawLegendSymbol(TCanvas3D& canvas, const TRect& rect, TColor color);

  // Takes every setting of another series (not its points, chart, links or events);
  // series types add their own. Custom axes come along only between series of one chart.
  virtual void Assign(const TChartSeries& source);

  // First and last point worth drawing for the current axis ranges (-1, -1 when none):
  // series types that draw against the axes compute their range with this. Points up to
  // `reach` pixels beyond the chart rectangle count too (a bar reaches beside its point).
  void CalcVisibleRange(int reach = 0);
  // Visible index range, computed before drawing.
  int FirstValueIndex() const { return FFirstVisible; }
  int LastValueIndex() const { return FLastVisible; }
  bool CalcVisiblePoints() const { return FCalcVisiblePoints; }
  bool DrawBetweenPoints() const { return FDrawBetweenPoints; }

  // Heap bytes held for the points (value lists, colours, labels), for measurements.
  std::size_t AllocatedBytes() const;

  // --- drawing: what the chart calls in its paint; the series types fill these in ----
  // Finds the first and last point to draw (-1, -1 when none). By default every point.
  virtual void CalcFirstLastVisibleIndex() { SetVisibleRange(Count() > 0 ? 0 : -1, Count() - 1); }
  // Before the chart draws anything of this paint.
  virtual void DoBeforeDrawChart() {}
  virtual void DrawVisiblePoints() {}
  TSeriesMarks& Marks() { return *FMarks; }
  const TSeriesMarks& Marks() const { return *FMarks; }
  virtual bool MarksVisible() const { return FMarks->Visible(); }
  virtual bool MarksClip() const { return FMarks->Clip(); }
  virtual void DrawMarks() { FMarks->DrawMarks(); }
  // Places one mark (series types move the computed box) and draws it.
  virtual void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) {
    FMarks->DrawMark(valueIndex, text, position);
  }
  // Pixel margins the series wants kept free at the ends of its axes.
  virtual void CalcHorizMargins(int& left, int& right) { left = right = 0; }
  virtual void CalcVerticalMargins(int& top, int& bottom) { top = bottom = 0; }
  // Whether the series is drawn against axes at all.
  virtual bool UseAxis() const { return true; }

  // --- depth (3D) ----------------------------------------------------------------------
  // The depth slot the series takes: by default the next free one (`next`); series that
  // share a slot with earlier ones (side-by-side bars, stacked areas) answer theirs.
  // `largest` is the highest slot taken so far (-1 before the first).
  virtual int TakeDepthOrder(int next, int largest) const { (void)largest; return next; }
  int DepthOrder() const { return FDepthOrder; }
  void SetDepthOrder(int v) { FDepthOrder = v; }
  // The series' front, back and middle depth in the current paint; 0 in 2D.
  int StartZ() const { return FStartZ; }
  int EndZ() const { return FEndZ; }
  int MiddleZ() const { return static_cast<int>((std::int64_t{FStartZ} + FEndZ) / 2); }
  void SetDepthPositions(int startZ, int endZ) { FStartZ = startZ; FEndZ = endZ; }
  // The depth the series' marks are drawn at.
  virtual int MarksDepth() const { return MiddleZ(); }
  // Series that share a depth slot are drawn point by point, interleaved, when each of them
  // can draw one point alone: BeginPointByPoint, then DrawPointAlone for visible indices.
  virtual bool CanDrawPointAlone() const { return false; }
  virtual void BeginPointByPoint() {}
  virtual void DrawPointAlone(int index) { (void)index; }
  // The two draw directions of a 3D view, so that nearer solids cover farther ones: the
  // points from first to last, and this series before the later ones of its slot.
  virtual bool DrawValuesForward() const { return true; }
  virtual bool DrawSeriesForward() const { return true; }
  std::function<void(TChartSeries* sender)> BeforeDrawValues;
  std::function<void(TChartSeries* sender)> AfterDrawValues;

  // --- mouse ---------------------------------------------------------------------------
  // Index of the point (or of the first point of the segment) drawn at the pixel in the
  // last paint; -1 when none.
  virtual int Clicked(int x, int y) { (void)x; (void)y; return -1; }
  // The chart shows this cursor while the pointer is over the series; crDefault: none.
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor v) { FCursor = v; }
  // Every mouse move and release over the chart reaches every series.
  virtual void MouseMove(TShiftState shift, int x, int y) { (void)shift; (void)x; (void)y; }
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    (void)button; (void)shift; (void)x; (void)y;
  }
  TSeriesClick OnClick;
  TSeriesClick OnDblClick;

  // --- events --------------------------------------------------------------------------
  TSeriesOnBeforeAdd OnBeforeAdd;
  TSeriesOnAfterAdd OnAfterAdd;
  TSeriesOnClear OnClearValues;
  // May replace the text of each mark.
  TSeriesOnGetMarkText OnGetMarkText;

 protected:
  // Further coordinates of a series type (appended after X and Y).
  TChartValueList& AddValueList(std::string name);
  // First step of Clear: empties every value list and per-point sequence.
  virtual void ClearLists();
  // After a point is placed: OnAfterAdd, the insert notice, a repaint when active.
  virtual void NotifyNewValue(int index);
  // Copies point index of source into this series (the linked-series insert notice).
  virtual void AddValueFrom(const TChartSeries& source, int index);
  // Rebuilds from source: every point copied, or the function run.
  virtual void AddValues(TChartSeries& source);
  // The remembered mark positions follow the points.
  virtual void MarksCleared() { FMarks->Positions().Clear(); }
  virtual void MarksDeleted(int start, int quantity) { FMarks->Positions().Delete(start, quantity); }
  // Whether AppendValues may skip Add when nothing listens to single points: a series
  // type whose Add does more says no.
  virtual bool AppendsInOnePass() const { return true; }

  void SetVisibleRange(int first, int last) { FFirstVisible = first; FLastVisible = last; }
  void SetCalcVisiblePoints(bool v) { FCalcVisiblePoints = v; }
  void SetDrawBetweenPoints(bool v) { FDrawBetweenPoints = v; }

 private:
  friend class TCustomAxisPanel;
  friend class TChartValueList;

  void CheckPointIndex(int index) const;
  TColor StoredColor(int index) const {
    return index < static_cast<int>(FColors.size()) ? FColors[static_cast<std::size_t>(index)] : clDefault;
  }
  // Points that arrived out of X order wait in FPending; every read merges them first.
  void Settle() const {
    if (FHasPending) SettlePendingPoints();
  }
  void SettlePendingPoints() const;
  // Whether a point at x waits instead of going into the middle of the lists now.
  bool ShouldWait(double x) const;
  int AddWaitingPoint(std::string_view label, TColor color);
  void DropPendingPoints();
  // Room for `extra` more points in every sequence, before a run of additions.
  void ReserveForInsert(std::size_t extra);
  // Appends x(k), y(k) for k = 0 .. count - 1 in one pass when nothing listens to single
  // points and each X goes in at the end by the order rule; returns how many went in
  // (the rest is for the caller to add one by one).
  template <class X, class Y>
  int AppendInOnePass(int count, X x, Y y);
  // Takes points start .. start + quantity - 1 (checked) out of every sequence.
  void RemovePoints(int start, int quantity);
  bool ListensToSinglePoints() const { return OnBeforeAdd || OnAfterAdd || !FLinkedSeries.empty(); }
  // Places the pending values of every list as one point; returns its index.
  int InsertPoint(std::string_view label, TColor color);
  void ResolveAxes();
  // Leaves the chart without the removal steps (also used by them); the chart's axes stop
  // being the series' custom axes.
  void DetachFromChart();
  void CheckCustomAxis(const TCustomChartAxis* axis, bool horizontal) const;
  void UnlinkDataSources();
  void UnlinkLinkedSeries();
  bool DependsOn(const TChartSeries* other) const;
  // Checks that source may feed this series (the ChartException of a refused link).
  TChartSeries& CheckedSource(TChartComponent& source) const;
  void ReceiveNotice(TChartSeries& source, TSeriesNotice notice, int index);

  int FDepthOrder = 0;
  int FStartZ = 0, FEndZ = 0;
  TChartValueLists FValueLists;
  TTwoEndedArray<TColor> FColors;
  std::unique_ptr<TPendingPoints> FPending;
  bool FHasPending = false;
  // The index AddWaitingPoint gave the last point that waits (-1: none waits).
  int FLastWaitingIndex = -1;
  bool FWaitingPaysOff = true;
  int FInsertsSinceMerge = 0;
  // How many of FColors are not clDefault: drawing loops skip the per-point look when none.
  int FOwnColors = 0;
  TPointLabels FLabels;
  // The sequences' lengths; FColors and FLabels hold their first entries, up to the last
  // colour or label of its own (the others are clDefault and empty).
  int FColorCount = 0;
  int FLabelCount = 0;
  std::vector<TChartSeries*> FLinkedSeries;
  std::vector<TChartSeries*> FDataSources;
  std::unique_ptr<TZelFunction> FFunction;
  std::unique_ptr<TSeriesMarks> FMarks;

  TCustomAxisPanel* FParentChart = nullptr;
  TCustomChartAxis* FCustomHorizAxis = nullptr;
  TCustomChartAxis* FCustomVertAxis = nullptr;
  TCustomChartAxis* FHorizAxisBound = nullptr;
  TCustomChartAxis* FVertAxisBound = nullptr;

  std::string FTitle;
  std::string FValueFormat = "#,##0.###";
  std::string FPercentFormat = "##0.## %";
  TColor FSeriesColor = clDefault;
  TCursor FCursor = crDefault;
  int FFirstVisible = -1;
  int FLastVisible = -1;
  THorizAxis FHorizAxis = aBottomAxis;
  TVertAxis FVertAxis = aLeftAxis;
  TRecalcOptions FRecalcOptions = roAll;
  bool FActive = true;
  bool FColorEachPoint = false;
  bool FShowInLegend = true;
  bool FCalcVisiblePoints = true;
  bool FDrawBetweenPoints = false;
};

}  // namespace chart
