// The pie: every point a slice of one ellipse, its angle proportional to the point's
// absolute value. Slices can be pulled out of the pie, small ones gathered into one
// "Other" slice before each paint, and the whole pie rotated.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "chart/canvas/ChartPen.h"
#include "chart/seriestypes/CircledSeries.h"

namespace chart {

enum TPieOtherStyle : std::uint8_t { poNone, poBelowPercent, poBelowValue };

// Which slices are gathered into the "Other" slice, and its label.
class TPieOtherSlice {
 public:
  explicit TPieOtherSlice(std::function<void()> onChange) : FOnChange(std::move(onChange)) {}
  TPieOtherStyle Style() const { return FStyle; }
  void SetStyle(TPieOtherStyle v);
  const std::string& Text() const { return FText; }
  void SetText(const std::string& v);
  // A value, or a percentage of the total with poBelowPercent: slices below it are gathered.
  double Value() const { return FValue; }
  void SetValue(double v);
  void Assign(const TPieOtherSlice& source);

 private:
  std::function<void()> FOnChange;
  std::string FText = "Other";
  double FValue = 0;
  TPieOtherStyle FStyle = poNone;
};

// A slice's angles in radians, counterclockwise from the right before the rotation.
struct TPieAngle {
  double Start = 0, Middle = 0, End = 0;
};

class TPieSeries : public TCircledSeries {
 public:
  // X values that mark a point gathered into "Other", and the "Other" slice itself.
  static constexpr double GatheredX = -1;
  static constexpr double OtherSliceX = 2147483647;

  TPieSeries();
  ~TPieSeries() override;

  // --- properties ----------------------------------------------------------------------
  using TCircledSeries::SetCircleBackColor;
  bool Dark3D() const { return FDark3D; }
  void SetDark3D(bool v);
  // Percent by which the slice of the largest value is pulled out (0: none).
  int ExplodeBiggest() const { return FExplodeBiggest; }
  void SetExplodeBiggest(int v);
  TPieOtherSlice& OtherSlice() { return FOtherSlice; }
  const TPieOtherSlice& OtherSlice() const { return FOtherSlice; }
  TChartPen& PiePen() { return FPiePen; }
  const TChartPen& PiePen() const { return FPiePen; }
  TChartValueList& PieValues() { return YValues(); }
  const TChartValueList& PieValues() const { return YValues(); }
  bool UsePatterns() const { return FUsePatterns; }
  void SetUsePatterns(bool v);

  // Percent by which slice index is pulled out: 0 beyond the list. Setting an entry
  // extends the list with zeros.
  int ExplodedSlice(int index) const;
  void SetExplodedSlice(int index, int percent);
  int ExplodedCount() const { return static_cast<int>(FExploded.size()); }

  // Angles of the last paint; a point gathered into "Other" has no extent.
  const TPieAngle& AngleOf(int index) const { return FAngles[static_cast<std::size_t>(index)]; }
  bool IsGathered(int index) const { return XValues().RawValue(index) == GatheredX; }

  void Assign(const TChartSeries& source) override;
  void SwapPoints(int a, int b) override;

  // --- what the chart calls --------------------------------------------------------------
  // Sorting, renumbering and the gathering into "Other" (PieOther.cpp).
  void DoBeforeDrawChart() override;
  void DrawVisiblePoints() override;
  void DrawMarks() override;
  void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) override;
  int Clicked(int x, int y) override;
  int LegendItemCount() const override;
  int LegendToValueIndex(int item) const override;

  // Angles of every slice for the current values (PieGeometry.cpp).
  void CalcAngles();
  // The exploded offset of slice index while the pie is exploded, else (0, 0).
  TPoint ExplodedOffset(int index) const;

 protected:
  bool IsSameClass(const TChartSeries& other) const override {
    return dynamic_cast<const TPieSeries*>(&other) != nullptr;
  }

 private:
  // The layout of a paint: the circle, ExplodeBiggest, angles and the shrink for the
  // exploded slices (PieGeometry.cpp).
  void CalcPieGeometry();
  void ApplyExplodeBiggest();
  void DrawSlice(TCanvas3D& c, int index, TPoint& from);
  // In depth: the slice's sides and face, or its face alone.
  void DrawSlice3D(TCanvas3D& c, int index, bool sides);
  void PrepareBrush(TCanvas3D& c, int index, TColor color) const;
  // The points that are not gathered, in order, as of the last gathering.
  void IndexLegendItems() const;

  TChartPen FPiePen;
  TPieOtherSlice FOtherSlice;
  std::vector<int> FExploded;
  std::vector<TPieAngle> FAngles;
  // The slices of a 3D paint, back to front; kept to reuse its room.
  std::vector<int> FDrawOrder;
  mutable std::vector<int> FLegendItems;
  mutable int FLegendItemsFor = -1;
  int FExplodeBiggest = 0;
  // The largest exploded percent of the last layout (0: the pie is not exploded).
  int FMaxExploded = 0;
  // Measured once for all marks of a paint.
  int FMarkW = 0;
  int FMarkFontHeight = 0;
  bool FDark3D = true;
  bool FUsePatterns = false;
};

}  // namespace chart
