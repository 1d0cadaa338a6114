// One axis of a chart: its range (automatic from the series or set by the program), the
// pixel span it covers, the label step, and the mapping between values and pixels.
#pragma once

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "chart/axis/AxisParent.h"
#include "chart/axis/ChartAxisTitle.h"
#include "chart/canvas/ChartPen.h"
#include "chart/canvas/Font.h"
#include "chart/core/Geometry.h"
#include "chart/core/Numeric.h"

namespace chart {

class TCanvas3D;

class TCustomChartAxis {
 public:
  TCustomChartAxis(TAxisParent* parent, bool isHorizontal, bool isOtherSide, bool isDepth);
  virtual ~TCustomChartAxis() = default;
  TCustomChartAxis(const TCustomChartAxis&) = delete;
  TCustomChartAxis& operator=(const TCustomChartAxis&) = delete;

  // Copies every published property of another axis (not its scale or pixel state).
  void Assign(const TCustomChartAxis& other);

  TAxisParent* ParentChart() const { return FParent; }

  // --- fixed at creation ---------------------------------------------------------------
  bool IsHorizontal() const { return FIsHorizontal; }
  bool IsOtherSide() const { return FIsOtherSide; }
  bool IsDepth() const { return FIsDepth; }

  // --- published range properties ------------------------------------------------------
  bool Automatic() const { return FAutomatic; }
  void SetAutomatic(bool v);
  bool AutomaticMinimum() const { return FAutomaticMinimum; }
  void SetAutomaticMinimum(bool v);
  bool AutomaticMaximum() const { return FAutomaticMaximum; }
  void SetAutomaticMaximum(bool v);
  double Minimum() const { return FMinimum; }
  void SetMinimum(double v);
  double Maximum() const { return FMaximum; }
  void SetMaximum(double v);
  double Increment() const { return FIncrement; }
  void SetIncrement(double v);
  bool Inverted() const { return FInverted; }
  void SetInverted(bool v);
  int LabelsSeparation() const { return FLabelsSeparation; }
  void SetLabelsSeparation(int v);
  double StartPosition() const { return FStartPosition; }
  void SetStartPosition(double v);
  double EndPosition() const { return FEndPosition; }
  void SetEndPosition(double v);
  double PositionPercent() const { return FPositionPercent; }
  void SetPositionPercent(double v);
  bool Logarithmic() const { return FLogarithmic; }
  void SetLogarithmic(bool v);
  int LogarithmicBase() const { return FLogarithmicBase; }
  void SetLogarithmicBase(int v);
  bool ExactDateTime() const { return FExactDateTime; }
  void SetExactDateTime(bool v);
  bool RoundFirstLabel() const { return FRoundFirstLabel; }
  void SetRoundFirstLabel(bool v);
  bool Visible() const { return FVisible; }
  void SetVisible(bool v);

  // --- published label and tick properties (read by label sizing and axis drawing) -----
  bool Labels() const { return FLabels; }
  void SetLabels(bool v);
  int LabelsAngle() const { return FLabelsAngle; }
  void SetLabelsAngle(int v);
  bool LabelsMultiLine() const { return FLabelsMultiLine; }
  void SetLabelsMultiLine(bool v);
  bool LabelsOnAxis() const { return FLabelsOnAxis; }
  void SetLabelsOnAxis(bool v);
  int LabelsSize() const { return FLabelsSize; }
  void SetLabelsSize(int v);
  TAxisLabelStyle LabelStyle() const { return FLabelStyle; }
  void SetLabelStyle(TAxisLabelStyle v);
  const std::string& AxisValuesFormat() const { return FAxisValuesFormat; }
  void SetAxisValuesFormat(const std::string& v);
  const std::string& DateTimeFormat() const { return FDateTimeFormat; }
  void SetDateTimeFormat(const std::string& v);
  int TickLength() const { return FTickLength; }
  void SetTickLength(int v);
  int TickInnerLength() const { return FTickInnerLength; }
  void SetTickInnerLength(int v);
  int MinorTickLength() const { return FMinorTickLength; }
  void SetMinorTickLength(int v);
  int MinorTickCount() const { return FMinorTickCount; }
  void SetMinorTickCount(int v);
  bool TickOnLabelsOnly() const { return FTickOnLabelsOnly; }
  void SetTickOnLabelsOnly(bool v);
  bool GridCentered() const { return FGridCentered; }
  void SetGridCentered(bool v);
  int TitleSize() const { return FTitleSize; }
  void SetTitleSize(int v);

  // Pens, labels font and title; any change of them repaints the chart.
  TChartAxisPen& Axis() { return FAxisPen; }
  TDarkGrayPen& Ticks() { return FTicks; }
  TDarkGrayPen& TicksInner() { return FTicksInner; }
  TDarkGrayPen& MinorTicks() { return FMinorTicks; }
  TDottedGrayPen& Grid() { return FGrid; }
  TChartHiddenPen& MinorGrid() { return FMinorGrid; }
  TFont& LabelsFont() { return FLabelsFont; }
  TChartAxisTitle& Title() { return *FTitle; }

  // Whether a property is written with the form (the range only while not automatic).
  bool IsMinimumStored() const { return !FAutomatic && !FAutomaticMinimum; }
  bool IsMaximumStored() const { return !FAutomatic && !FAutomaticMaximum; }

  // --- scale state of the current layout -----------------------------------------------
  double ScaleMinimum() const { return FScaleMinimum; }
  double ScaleMaximum() const { return FScaleMaximum; }
  double ScaleRange() const { return FScaleRange; }
  bool ScaleIsDateTime() const { return FScaleIsDateTime; }
  int PixelStart() const { return FPixelStart; }
  int PixelEnd() const { return FPixelEnd; }
  int PixelSize() const { return FPixelSize; }
  int PixelCenter() const { return FPixelCenter; }
  int AxisPosition() const { return FAxisPosition; }
  int LabelsPosition() const { return FLabelsPosition; }
  int TitlePosition() const { return FTitlePosition; }

  // --- layout steps --------------------------------------------------------------------
  void ApplyAutomaticRange();
  void ComputePixelSpan();
  void InflateRangeByMargins(int left, int top, int right, int bottom);
  // Re-reads whether the series on this axis hold date-times.
  void RefreshScaleIsDateTime();

  // --- label step ----------------------------------------------------------------------
  double ComputeIncrement();
  double IncrementForLabelCount(int count) const;
  static double NextIncrementStep(double x);
  // Pixel width or height of the label of a value in the current canvas font.
  int LabelWidth(double value);
  int LabelHeight(double value);
  std::string FormatLabel(double value);

  // --- room for title, labels and ticks --------------------------------------------
  // Moves the axis's side of rect inwards by the room its title, labels, ticks and wall
  // take (shrink) or only places the axis outside it (extra axes).
  void ReserveSpace(TRect& rect, bool shrink);
  int TickAreaSize() const;
  int LabelsExtent();
  TAxisLabelStyle EffectiveLabelStyle();

  // --- drawing (AxisDraw.cpp, AxisLabels.cpp, AxisTicks.cpp, AxisDrawLabel.cpp) --------
  // Title, labels, then axis line, ticks and grids on the chart's canvas. placeAxisLine
  // puts the axis line on its side of the final chart rectangle first.
  void DrawAxis(bool placeAxisLine);
  // Writes a label or title text (lines split at LineSeparator) turned by angle, placed
  // for this axis's side with (x, y) on the tick and the labels' anchor line.
  void DrawLabel(int x, int y, std::string_view text, int angle);
  // Whether (x, y) lies on the axis: along its span, from its labels to its line.
  bool Clicked(int x, int y) const;
  // Pixel positions of the ticks of the last DrawAxis, in the order their labels came.
  const std::vector<int>& TickPositions() const { return FTickPositions; }

  // --- mapping -------------------------------------------------------------------------
  int ValueToPixel(double value) const;
  int ValueToXPixel(double value) const;
  int ValueToYPixel(double value) const;
  double PixelToValue(int pixel) const;

  // --- range changes from zoom and scroll ----------------------------------------------
  void SetRange(double a, double b);
  void ShiftRange(double offset, bool checkLimits);

 protected:
  // Positions across the axis, written by the space reservation and the axis drawing.
  void SetAxisPosition(int v) { FAxisPosition = v; }
  void SetLabelsPosition(int v) { FLabelsPosition = v; }
  void SetTitlePosition(int v) { FTitlePosition = v; }
  void Repaint();
  // Lets a derived axis copy what it adds (pens, fonts, title) in Assign.
  virtual void AssignExtra(const TCustomChartAxis&) {}

 private:
  // Date-time values must lie between 1 January 1 and 31 December 9999.
  static void CheckDateTimeValue(double v);
  void SetScale(double minimum, double maximum);
  void SetPixelSpan(std::int64_t start, std::int64_t end);
  int LabelExtent(double value, bool alongWidth);
  int ValueLabelsExtent();
  int SideOf(const TRect& r) const;
  void InflateSide(TRect& r, int n) const;
  int ShiftByPositionPercent(int a, const TRect& r) const;
  int LinearOffsetToPixel(double t, bool fromStart) const;
  // (value - ScaleMinimum) * PixelSize / ScaleRange, also where the plain formula
  // overflows (ranges near the largest doubles).
  double LinearOffset(double value) const;
  double HalvedLinearOffset(double value, double plain) const;
  int LogValueToPixel(double value, bool horizontal) const;
  double LogPixelToValue(double d, bool horizontal) const;
  int DepthValueToPixel(double value) const;
  double DateTimeIncrement(int count) const;
  // ScaleRange / step, also for a range beyond the largest double between finite ends.
  double StepsInRange(double step) const;
  double SeriesMinimum();
  double SeriesMaximum();

  void DrawTitle(TCanvas3D& canvas);
  void DrawDefaultLabels(TCanvas3D& canvas, double step);
  void DrawLogarithmicLabels(TCanvas3D& canvas);
  void DrawCustomLabels(TCanvas3D& canvas, double step);
  void DrawSeriesLabels(TCanvas3D& canvas, bool markTexts);
  // A value label: its tick position, and its text unless Labels is off.
  void EmitLabel(TCanvas3D& canvas, double value);
  void DrawLabelAt(TCanvas3D& canvas, int pos, std::string_view text);
  void DrawLinesTicksAndGrids(TCanvas3D& canvas);
  // One tick of this axis at position t, offset o pixels off the axis line, n long.
  void DrawTick(TCanvas3D& canvas, int t, int o, int n, int wall);
  void DrawGridLine(TCanvas3D& canvas, int t, const TRect& r);
  // Minor positions strictly inside the pixel span, for ticks and the minor grid.
  template <class F>
  void ForEachMinorPosition(F&& f) const;
  // Depth of the top and right axes' drawing in a 3D view; 0 for the others.
  int DrawDepth() const;
  // The depth axis: a label or title at depth z, right of the floor's right edge.
  void DrawDepthLabel(int z, int x, std::string_view text, int angle);
  int FDepthLabelZ = 0;

  TAxisParent* FParent;
  bool FIsHorizontal;
  bool FIsOtherSide;
  bool FIsDepth;

  bool FAutomatic = true;
  bool FAutomaticMinimum = true;
  bool FAutomaticMaximum = true;
  double FMinimum = 0;
  double FMaximum = 0;
  double FIncrement = 0;
  bool FInverted = false;
  int FLabelsSeparation = 10;
  double FStartPosition = 0;
  double FEndPosition = 100;
  double FPositionPercent = 0;
  bool FLogarithmic = false;
  int FLogarithmicBase = 10;
  bool FExactDateTime = true;
  bool FRoundFirstLabel = true;
  bool FVisible = true;

  bool FLabels = true;
  int FLabelsAngle = 0;
  bool FLabelsMultiLine = false;
  bool FLabelsOnAxis = true;
  int FLabelsSize = 0;
  TAxisLabelStyle FLabelStyle = talAuto;
  std::string FAxisValuesFormat = "#,##0.###";
  std::string FDateTimeFormat;
  int FTickLength = 4;
  int FTickInnerLength = 0;
  int FMinorTickLength = 2;
  int FMinorTickCount = 3;
  bool FTickOnLabelsOnly = true;
  bool FGridCentered = false;
  int FTitleSize = 0;

  TChartAxisPen FAxisPen{[this] { Repaint(); }};
  TDarkGrayPen FTicks{[this] { Repaint(); }};
  TDarkGrayPen FTicksInner{[this] { Repaint(); }};
  TDarkGrayPen FMinorTicks{[this] { Repaint(); }};
  TDottedGrayPen FGrid{[this] { Repaint(); }};
  TChartHiddenPen FMinorGrid{[this] { Repaint(); }};
  TFont FLabelsFont;
  std::unique_ptr<TChartAxisTitle> FTitle;

  double FScaleMinimum = 0;
  double FScaleMaximum = 0;
  double FScaleRange = 0;
  // Natural logarithms of the scale ends for a logarithmic axis (0 for an end <= 0).
  double FLogMinimum = 0;
  double FLogRange = 0;
  bool FScaleIsDateTime = false;
  int FPixelStart = 0;
  int FPixelEnd = 0;
  int FPixelSize = 0;
  int FPixelCenter = 0;
  int FAxisPosition = 0;
  int FLabelsPosition = 0;
  int FTitlePosition = 0;
  // Filled by the label drawing, read by ticks and grids. Kept between paints so that a
  // paint allocates nothing once it has grown.
  std::vector<int> FTickPositions;
};

// Offsets of 2147483647 pixels or more (and NaN) are not representable: such values go
// to the centre of the span, like an empty range does.
inline int TCustomChartAxis::LinearOffsetToPixel(double t, bool fromStart) const {
  if (!(std::fabs(t) < 2147483647.0)) return FPixelCenter;
  const std::int64_t r = Round(t);
  const std::int64_t p = fromStart ? std::int64_t{FPixelStart} + r : std::int64_t{FPixelEnd} - r;
  if (p > INT32_MAX) return INT32_MAX;
  if (p < INT32_MIN) return INT32_MIN;
  return static_cast<int>(p);
}

inline double TCustomChartAxis::LinearOffset(double value) const {
  const double t = (value - FScaleMinimum) * FPixelSize / FScaleRange;
  // Only an overflow leaves the plain formula, so ordinary ranges map as they always did.
  if (std::isfinite(t) && std::isfinite(FScaleRange)) return t;
  return HalvedLinearOffset(value, t);
}

inline int TCustomChartAxis::ValueToXPixel(double value) const {
  if (FLogarithmic) return LogValueToPixel(value, true);
  if (FScaleRange == 0) return FPixelCenter;
  return LinearOffsetToPixel(LinearOffset(value), !FInverted);
}

inline int TCustomChartAxis::ValueToYPixel(double value) const {
  if (FLogarithmic) return LogValueToPixel(value, false);
  if (FScaleRange == 0) return FPixelCenter;
  return LinearOffsetToPixel(LinearOffset(value), FInverted);
}

inline int TCustomChartAxis::ValueToPixel(double value) const {
  if (FIsDepth) return DepthValueToPixel(value);
  return FIsHorizontal ? ValueToXPixel(value) : ValueToYPixel(value);
}

}  // namespace chart
