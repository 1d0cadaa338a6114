// Bar series: every point a bar from an origin value to its value. TBarSeries stands its
// bars on the X positions, THorizBarSeries lays them along the Y positions. Bar series of
// one class on a chart stand side by side, stack, or stack to 100 %.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "chart/canvas/ChartBrush.h"
#include "chart/canvas/ChartPen.h"
#include "chart/core/Geometry.h"
#include "chart/series/ChartSeries.h"
#include "chart/seriestypes/SeriesStack.h"

namespace chart {

class TCanvas3D;
class TCustomChartAxis;

enum TBarStyle : std::uint8_t { bsRectangle, bsPyramid, bsInvPyramid, bsCilinder, bsEllipse, bsArrow, bsRectGradient };

enum TMultiBar : std::uint8_t { mbNone, mbSide, mbStacked, mbStacked100 };

class TCustomBarSeries;
using TGetBarStyleEvent = std::function<void(TCustomBarSeries* sender, int valueIndex, TBarStyle& barStyle)>;

// The bars of one point, in pixels: Start and End across the bar (End = Start + size), Value
// where the bar ends and Origin where it stands.
struct TBarPixels {
  int Start = 0, End = 0, Value = 0, Origin = 0;
};

class TCustomBarSeries : public TChartSeries {
 public:
  ~TCustomBarSeries() override;

  // --- properties ----------------------------------------------------------------------
  bool AutoBarSize() const { return FAutoBarSize; }
  void SetAutoBarSize(bool v);
  // Kept with the other settings; no drawing step reads it.
  bool AutoMarkPosition() const { return FAutoMarkPosition; }
  void SetAutoMarkPosition(bool v);
  TChartBrush& BarBrush() { return FBarBrush; }
  const TChartBrush& BarBrush() const { return FBarBrush; }
  TChartPen& BarPen() { return FBarPen; }
  const TChartPen& BarPen() const { return FBarPen; }
  TBarStyle BarStyle() const { return FBarStyle; }
  void SetBarStyle(TBarStyle v);
  // 1 .. 100; anything else raises BarException and keeps the old value.
  int BarWidthPercent() const { return FBarWidthPercent; }
  void SetBarWidthPercent(int v);
  bool Dark3D() const { return FDark3D; }
  void SetDark3D(bool v);
  // Shared: setting it sets every bar series of the same class on the chart.
  TMultiBar MultiBar() const { return FMultiBar; }
  void SetMultiBar(TMultiBar v);
  // -100 .. 100; anything else raises BarException and keeps the old value.
  int OffsetPercent() const { return FOffsetPercent; }
  void SetOffsetPercent(int v);
  // Shared like MultiBar.
  bool SideMargins() const { return FSideMargins; }
  void SetSideMargins(bool v);
  bool UseYOrigin() const { return FUseYOrigin; }
  void SetUseYOrigin(bool v);
  double YOrigin() const { return FYOrigin; }
  void SetYOrigin(double v);

  TGetBarStyleEvent OnGetBarStyle;

  // Every setting of another bar series as well (not its points).
  void Assign(const TChartSeries& source) override;

  // --- geometry ------------------------------------------------------------------------
  // Lies along the horizontal axis (THorizBarSeries).
  bool Horizontal() const { return FHorizontal; }
  // The bar size of the last layout, in pixels.
  int BarSize() const { return FBarSize; }
  // Recomputes the bar size from the axis the bars stand on (done by the layout).
  void CalcBarSize();
  // Pixels kept free at both ends of the axis the bars stand on.
  int BarMargin() const;
  // Either series' class is the other's or derives from it.
  bool SameClass(const TChartSeries& other) const { return IsOfMyClass(other) || IsOfClassOf(other); }
  // Bars side by side (the active same-class series with mbSide, else 1), and this series'
  // place among them from 1.
  int SideCount() const;
  int OrderPosition() const;
  // What the earlier same-class series stack under point index (their positive values),
  // and the same sum over all of them.
  double StackOrigin(int index) const;
  double StackTotal(int index) const;
  // Where the bar of point index lies (for the last layout's bar size).
  TBarPixels BarPixelsOf(int index) const;
  // The bar's style: BarStyle, or what OnGetBarStyle makes of it.
  TBarStyle StyleOf(int index);

  // The value range of the bars as the axes see it: feet and stacks included.
  double BarsMinimum() const;
  double BarsMaximum() const;

  // --- what the chart calls --------------------------------------------------------------
  // Side-by-side and stacked bars share the slot of the first earlier bar series of their
  // class.
  int TakeDepthOrder(int next, int largest) const override;
  // On the bars' front faces.
  int MarksDepth() const override { return StartZ(); }
  void CalcFirstLastVisibleIndex() override;
  void DrawVisiblePoints() override;
  bool CanDrawPointAlone() const override { return true; }
  void BeginPointByPoint() override { FStackRead = false; }
  void DrawPointAlone(int index) override;
  bool DrawValuesForward() const override;
  bool DrawSeriesForward() const override;
  void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) override;
  int Clicked(int x, int y) override;
  void DrawLegendSymbol(TCanvas3D& canvas, const TRect& rect, TColor color) override;
  void CalcHorizMargins(int& left, int& right) override;
  void CalcVerticalMargins(int& top, int& bottom) override;

 protected:
  explicit TCustomBarSeries(bool horizontal);

  // A fixed bar size in pixels (0: computed), published by each type under its own name.
  int CustomBarSize() const { return FCustomBarSize; }
  void SetCustomBarSize(int v);
  // True when other is of this object's class or derives from it.
  virtual bool IsOfMyClass(const TChartSeries& other) const = 0;

 private:
  bool IsOfClassOf(const TChartSeries& other) const;
  // Calls set on every same-class series of the chart (this one included).
  template <class Each>
  void ForSameClass(Each&& each);
  // The layers under this series and over it, for the whole paint: one pass over the
  // series list, then one sum per layer and point.
  void CollectStack() const;
  double MandatoryAt(int index) const;
  // The pixel of a value on the axis the bars run along; of the foot without UseYOrigin.
  int ValueAxisPixel(double value) const;
  int FootPixel() const;
  int PositionPixel(int index) const;
  int StartOf(int position) const;
  TBarPixels PixelsAt(int index, int position) const;
  TBarPixels PixelsUnbounded(int index, int position) const;
  TCustomChartAxis* ValueAxis() const { return FHorizontal ? GetHorizAxis() : GetVertAxis(); }
  TCustomChartAxis* PositionAxis() const { return FHorizontal ? GetVertAxis() : GetHorizAxis(); }
  // Room kept for the marks beyond the bars' ends.
  int MarksLength();
  void MarksMargins(int& low, int& high);

  // Drawing (BarSeriesDraw.cpp).
  void PrepareBrush(TCanvas3D& c, TColor color) const;
  void DrawBar(TCanvas3D& c, int index, const TBarPixels& p, TColor color);
  void DrawBarRectangle(TCanvas3D& c, const TRect& r);
  void DrawBar3D(TCanvas3D& c, TBarStyle style, const TRect& r);
  // The pyramid standing on its tip at the bar's foot, its base square at the value, over
  // the depth z0 .. z1: the faces that turn towards the viewer, the sides shaded with Dark3D.
  void DrawInvertedPyramid3D(TCanvas3D& c, const TRect& box, int z0, int z1);
  bool Hit(TBarStyle style, const TBarPixels& p, TPoint at) const;

  TChartBrush FBarBrush;
  TChartPen FBarPen;
  double FYOrigin = 0;
  int FBarWidthPercent = 70;
  int FOffsetPercent = 0;
  int FCustomBarSize = 0;
  TBarStyle FBarStyle = bsRectangle;
  TMultiBar FMultiBar = mbSide;
  bool FAutoBarSize = false;
  bool FAutoMarkPosition = true;
  bool FDark3D = true;
  bool FSideMargins = true;
  bool FUseYOrigin = true;
  const bool FHorizontal;

  // Working state of a layout and a paint.
  int FBarSize = 0;
  int FSideCount = 1;
  int FOrderPosition = 1;
  mutable TSeriesStack FStack;
  // Whether this paint's stack has been read (stacked bars).
  bool FStackRead = false;
};

class TBarSeries : public TCustomBarSeries {
 public:
  TBarSeries();
  int CustomBarWidth() const { return CustomBarSize(); }
  void SetCustomBarWidth(int v) { SetCustomBarSize(v); }
  double MinY() const override { return BarsMinimum(); }
  double MaxY() const override { return BarsMaximum(); }

 protected:
  bool IsOfMyClass(const TChartSeries& other) const override {
    return dynamic_cast<const TBarSeries*>(&other) != nullptr;
  }
};

}  // namespace chart
