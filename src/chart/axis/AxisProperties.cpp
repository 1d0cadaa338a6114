// Construction, copying and the property setters of an axis. Every setter stores only a
// changed value and then asks the chart to repaint; the validating ones refuse bad input
// with the axis error and leave the property as it was.
#include <cmath>

#include "chart/axis/CustomChartAxis.h"
#include "chart/canvas/ChartFont.h"
#include "chart/core/Exceptions.h"
#include "chart/core/Store.h"

namespace chart {

namespace {

void CheckAngle(int angle, const char* what) {
  if (angle < 0 || angle > 359)
    throw ChartException(std::string(what) + " Angle must be between 0 and 359 degrees");
}

}  // namespace

TCustomChartAxis::TCustomChartAxis(TAxisParent* parent, bool isHorizontal, bool isOtherSide,
                                   bool isDepth)
    : FParent(parent),
      FIsHorizontal(isHorizontal),
      FIsOtherSide(isOtherSide),
      FIsDepth(isDepth),
      FVisible(!isDepth) {
  SetDefaultChartFont(FLabelsFont, nullptr);
  FLabelsFont.OnChange = [this] { Repaint(); };
  // Side axes read their titles upwards on the left and downwards on the right.
  const int titleAngle = isHorizontal || isDepth ? 0 : (isOtherSide ? 270 : 90);
  FTitle = std::make_unique<TChartAxisTitle>([this] { Repaint(); }, titleAngle);
}

void TChartAxisTitle::SetAngle(int v) {
  CheckAngle(v, "Axis Title");
  if (v == FAngle) return;
  FAngle = v;
  Repaint();
}

void TCustomChartAxis::Repaint() {
  if (FParent) FParent->InvalidateChart();
}

void TCustomChartAxis::Assign(const TCustomChartAxis& o) {
  if (&o == this) return;
  FAutomatic = o.FAutomatic;
  FAutomaticMinimum = o.FAutomaticMinimum;
  FAutomaticMaximum = o.FAutomaticMaximum;
  FMinimum = o.FMinimum;
  FMaximum = o.FMaximum;
  FIncrement = o.FIncrement;
  FInverted = o.FInverted;
  FLabelsSeparation = o.FLabelsSeparation;
  FStartPosition = o.FStartPosition;
  FEndPosition = o.FEndPosition;
  FPositionPercent = o.FPositionPercent;
  FLogarithmic = o.FLogarithmic;
  FLogarithmicBase = o.FLogarithmicBase;
  FExactDateTime = o.FExactDateTime;
  FRoundFirstLabel = o.FRoundFirstLabel;
  FVisible = o.FVisible;
  FLabels = o.FLabels;
  FLabelsAngle = o.FLabelsAngle;
  FLabelsMultiLine = o.FLabelsMultiLine;
  FLabelsOnAxis = o.FLabelsOnAxis;
  FLabelsSize = o.FLabelsSize;
  FLabelStyle = o.FLabelStyle;
  FAxisValuesFormat = o.FAxisValuesFormat;
  FDateTimeFormat = o.FDateTimeFormat;
  FTickLength = o.FTickLength;
  FTickInnerLength = o.FTickInnerLength;
  FMinorTickLength = o.FMinorTickLength;
  FMinorTickCount = o.FMinorTickCount;
  FTickOnLabelsOnly = o.FTickOnLabelsOnly;
  FGridCentered = o.FGridCentered;
  FTitleSize = o.FTitleSize;
  FAxisPen.Assign(o.FAxisPen);
  FTicks.Assign(o.FTicks);
  FTicksInner.Assign(o.FTicksInner);
  FMinorTicks.Assign(o.FMinorTicks);
  FGrid.Assign(o.FGrid);
  FMinorGrid.Assign(o.FMinorGrid);
  FLabelsFont.Assign(o.FLabelsFont);
  FTitle->Assign(*o.FTitle);
  AssignExtra(o);
  Repaint();
}

void TCustomChartAxis::SetAutomatic(bool v) {
  bool changed = Store(FAutomatic, v);
  // Both ends follow even when Automatic already had the value: one end may differ after
  // SetAutomaticMinimum or SetAutomaticMaximum. While loading, the stored end flags follow
  // on their own.
  if (!(FParent && FParent->IsLoading())) {
    changed |= Store(FAutomaticMinimum, v);
    changed |= Store(FAutomaticMaximum, v);
  }
  if (changed) Repaint();
}

void TCustomChartAxis::SetAutomaticMinimum(bool v) {
  if (!Store(FAutomaticMinimum, v)) return;
  if (v) {
    if (FAutomaticMaximum) FAutomatic = true;
  } else {
    FAutomatic = false;
  }
  Repaint();
}

void TCustomChartAxis::SetAutomaticMaximum(bool v) {
  if (!Store(FAutomaticMaximum, v)) return;
  if (v) {
    if (FAutomaticMinimum) FAutomatic = true;
  } else {
    FAutomatic = false;
  }
  Repaint();
}

void TCustomChartAxis::SetMinimum(double v) {
  if (!(FParent && FParent->IsLoading()) && v > FMaximum)
    throw AxisException("Axis Minimum Value must be <= Maximum");
  if (Store(FMinimum, v)) Repaint();
}

void TCustomChartAxis::SetMaximum(double v) {
  if (!(FParent && FParent->IsLoading()) && v < FMinimum)
    throw AxisException("Axis Maximum Value must be >= Minimum");
  if (Store(FMaximum, v)) Repaint();
}

void TCustomChartAxis::SetIncrement(double v) {
  if (std::isnan(v) || v < 0) throw AxisException("Axis increment must be >= 0");
  if (FParent && FParent->AxisSeriesAreDateTime(*this)) CheckDateTimeValue(v);
  if (Store(FIncrement, v)) Repaint();
}

void TCustomChartAxis::SetLabelsSeparation(int v) {
  if (v < 0) throw AxisException("Labels Separation % must be greater than 0");
  if (Store(FLabelsSeparation, v)) Repaint();
}

void TCustomChartAxis::SetLogarithmicBase(int v) {
  if (v < 2) throw AxisException("Axis Logarithmic Base should be >= 2");
  if (Store(FLogarithmicBase, v)) Repaint();
}

void TCustomChartAxis::SetLogarithmic(bool v) {
  if (v == FLogarithmic) return;
  if (v) {
    if (FParent && FParent->AxisSeriesAreDateTime(*this))
      throw AxisException("DateTime Axis cannot be Logarithmic");
    ApplyAutomaticRange();
    if (FScaleMinimum < 0 || FScaleMaximum < 0)
      throw AxisException("Logarithmic Axis Min and Max values should be >= 0");
  }
  FLogarithmic = v;
  SetScale(FScaleMinimum, FScaleMaximum);  // refresh the logarithmic bounds
  Repaint();
}

void TCustomChartAxis::SetLabelsAngle(int v) {
  CheckAngle(v, "Axis Labels");
  if (Store(FLabelsAngle, v)) Repaint();
}

void TCustomChartAxis::SetInverted(bool v) { if (Store(FInverted, v)) Repaint(); }
void TCustomChartAxis::SetStartPosition(double v) { if (Store(FStartPosition, v)) Repaint(); }
void TCustomChartAxis::SetEndPosition(double v) { if (Store(FEndPosition, v)) Repaint(); }
void TCustomChartAxis::SetPositionPercent(double v) { if (Store(FPositionPercent, v)) Repaint(); }
void TCustomChartAxis::SetExactDateTime(bool v) { if (Store(FExactDateTime, v)) Repaint(); }
void TCustomChartAxis::SetRoundFirstLabel(bool v) { if (Store(FRoundFirstLabel, v)) Repaint(); }
void TCustomChartAxis::SetVisible(bool v) { if (Store(FVisible, v)) Repaint(); }
void TCustomChartAxis::SetLabels(bool v) { if (Store(FLabels, v)) Repaint(); }
void TCustomChartAxis::SetLabelsMultiLine(bool v) { if (Store(FLabelsMultiLine, v)) Repaint(); }
void TCustomChartAxis::SetLabelsOnAxis(bool v) { if (Store(FLabelsOnAxis, v)) Repaint(); }
void TCustomChartAxis::SetLabelsSize(int v) { if (Store(FLabelsSize, v)) Repaint(); }
void TCustomChartAxis::SetLabelStyle(TAxisLabelStyle v) { if (Store(FLabelStyle, v)) Repaint(); }
void TCustomChartAxis::SetAxisValuesFormat(const std::string& v) { if (Store(FAxisValuesFormat, v)) Repaint(); }
void TCustomChartAxis::SetDateTimeFormat(const std::string& v) { if (Store(FDateTimeFormat, v)) Repaint(); }
void TCustomChartAxis::SetTickLength(int v) { if (Store(FTickLength, v)) Repaint(); }
void TCustomChartAxis::SetTickInnerLength(int v) { if (Store(FTickInnerLength, v)) Repaint(); }
void TCustomChartAxis::SetMinorTickLength(int v) { if (Store(FMinorTickLength, v)) Repaint(); }
void TCustomChartAxis::SetMinorTickCount(int v) { if (Store(FMinorTickCount, v)) Repaint(); }
void TCustomChartAxis::SetTickOnLabelsOnly(bool v) { if (Store(FTickOnLabelsOnly, v)) Repaint(); }
void TCustomChartAxis::SetGridCentered(bool v) { if (Store(FGridCentered, v)) Repaint(); }
void TCustomChartAxis::SetTitleSize(int v) { if (Store(FTitleSize, v)) Repaint(); }

}  // namespace chart
