// The labels of an axis: value labels stepping down from the top of the range, labels at
// values a chart handler supplies, and labels taken from the series' point texts. Each
// drawn label also leaves its pixel position for the ticks and the grid.
#include <algorithm>
#include <cmath>
#include <string>

#include "chart/axis/AxisDateTime.h"
#include "chart/axis/CustomChartAxis.h"
#include "chart/canvas/Canvas3D.h"
#include "chart/panel/MultiLineText.h"

namespace chart {

namespace {
// More labels than this on one axis means the step is far too small to be meant.
constexpr double MaxDefaultLabels = 10000;
// Custom labels end after this many handler calls past the first.
constexpr int MaxCustomLabelIndex = 2000;
// Slack around the range within which a custom label value still counts.
constexpr double CustomLabelSlack = 1e-7;
}  // namespace

void TCustomChartAxis::DrawLabelAt(TCanvas3D& canvas, int pos, std::string_view text) {
  FParent->ApplyFont(FLabelsFont);
  canvas.Brush().SetColor(FParent->AxisBackColor());
  canvas.Brush().SetStyle(bsClear);
  // The clear brush means the chart shows behind the text.
  canvas.SetTextBackMode(TRANSPARENT);
  if (FIsDepth) DrawDepthLabel(pos, FLabelsPosition, text, FLabelsAngle);
  else if (FIsHorizontal) DrawLabel(pos, FLabelsPosition, text, FLabelsAngle);
  else DrawLabel(FLabelsPosition, pos, text, FLabelsAngle);
}

void TCustomChartAxis::EmitLabel(TCanvas3D& canvas, double value) {
  const int pos = ValueToPixel(value);
  if (!(FLabelsOnAxis || (FPixelStart < pos && pos < FPixelEnd))) return;
  if (!FTickOnLabelsOnly) FTickPositions.push_back(pos);
  if (!FLabels) return;
  const std::string text = FormatLabel(value);
  if (FTickOnLabelsOnly) FTickPositions.push_back(pos);
  DrawLabelAt(canvas, pos, text);
}

void TCustomChartAxis::DrawDefaultLabels(TCanvas3D& canvas, double step) {
  const double calendar = FScaleIsDateTime && FExactDateTime ? CalendarStep(FIncrement, step) : 0;
  // The guard counts the labels the loop will make: a calendar step stops at a year, so
  // on a long date range it is far smaller than the computed step. NaN ranges fail too.
  const double spacing = calendar > 0 ? calendar : step;
  if (!(std::fabs(StepsInRange(spacing)) < MaxDefaultLabels)) return;
  auto back = [&](double v) {
    if (calendar >= 15) return CalendarStepBack(v, calendar);
    return v - (calendar > 0 ? calendar : step);
  };

  // An empty range has one value and so one label; stepping down from it by the smallest
  // step would stack labels on one pixel until the relative slack of the bound is used up.
  if (FScaleMinimum == FScaleMaximum) {
    EmitLabel(canvas, FScaleMaximum);
    return;
  }
  double v;
  if (!FRoundFirstLabel) v = FScaleMaximum;
  else if (calendar >= 1) v = CalendarFirstLabel(FScaleMaximum, calendar);
  else v = std::trunc(FScaleMaximum / step) * step;
  while (v > FScaleMaximum) {
    const double next = back(v);
    if (!(next < v)) return;
    v = next;
  }
  // Computed once: the lowest label may sit a hair below the minimum after the repeated
  // subtraction. Where the step is smaller than that relative hair (a range zoomed in far
  // from zero), no label lies more than half a step below the minimum.
  const double bound = std::max((FScaleMinimum - 1e-12) / 1.000000000001, FScaleMinimum - spacing / 2);
  while (v >= bound) {
    EmitLabel(canvas, v);
    const double next = back(v);
    // A step lost against the magnitude of the values would repeat the same label forever.
    if (!(next < v)) break;
    v = next;
  }
}

void TCustomChartAxis::DrawLogarithmicLabels(TCanvas3D& canvas) {
  if (!(FScaleMaximum > 0) || !std::isfinite(FScaleMaximum)) return;
  const double base = FLogarithmicBase;
  const double lowest = FScaleMinimum > 0 ? FScaleMinimum : 1.0;
  // Powers of the base from the highest within the range downwards.
  double v = std::pow(base, std::floor(std::log(FScaleMaximum) / std::log(base) + 1e-9));
  const double bound = lowest * (1 - 1e-12);
  for (int guard = 0; v >= bound && v > 0 && guard < 4096; ++guard) {
    if (v <= FScaleMaximum * (1 + 1e-12)) EmitLabel(canvas, v);
    v /= base;
  }
}

void TCustomChartAxis::DrawCustomLabels(TCanvas3D& canvas, double step) {
  double value = FScaleMinimum;
  bool stop = true;
  for (int index = 0; index <= MaxCustomLabelIndex; ++index) {
    FParent->NextAxisLabel(*this, index, value, stop);
    if (stop) {
      if (index == 0) DrawDefaultLabels(canvas, step);
      return;
    }
    if (!(value >= FScaleMinimum - CustomLabelSlack && value <= FScaleMaximum + CustomLabelSlack)) return;
    EmitLabel(canvas, value);
  }
}

void TCustomChartAxis::DrawSeriesLabels(TCanvas3D& canvas, bool markTexts) {
  int first = -1, last = -1;
  if (!FParent->SeriesLabelRange(*this, first, last) || first < 0) return;
  // Text along the axis measures its width; text across it its height.
  const bool alongWidth = FIsHorizontal ? (FLabelsAngle == 0 || FLabelsAngle == 180)
                                        : (FLabelsAngle == 90 || FLabelsAngle == 270);
  bool drawnBefore = false;
  int previousPos = 0, previousHalf = 0;
  std::string text;
  for (int i = first; i <= last; ++i) {
    double value = 0;
    text.clear();
    if (!FParent->SeriesLabelAt(*this, i, markTexts, value, text)) continue;
    if (value < FScaleMinimum || value > FScaleMaximum) continue;
    const int pos = ValueToPixel(value);
    if (!FTickOnLabelsOnly) FTickPositions.push_back(pos);
    if (!FLabels) continue;
    if (FLabelsMultiLine) std::replace(text.begin(), text.end(), ' ', LineSeparator);
    FParent->ApplyFont(FLabelsFont);
    const TTextExtent e =
        MultiLineTextWidth(text, [this](std::string_view line) { return FParent->MeasureTextWidth(line); });
    const int size = alongWidth ? e.Width : FParent->MeasureFontHeight() * e.Lines;
    if (FLabelsSeparation != 0 && drawnBefore) {
      const int half = static_cast<int>((size + Trunc(size * 0.02 * FLabelsSeparation)) / 2);
      // Only a label clear of the one drawn before it.
      const bool clear = pos >= previousPos
                             ? static_cast<long long>(pos) - half >= static_cast<long long>(previousPos) + previousHalf
                             : static_cast<long long>(pos) + half <= static_cast<long long>(previousPos) - previousHalf;
      if (!clear) continue;
      previousHalf = half;
    } else {
      previousHalf = size / 2;
    }
    previousPos = pos;
    drawnBefore = true;
    if (FTickOnLabelsOnly) FTickPositions.push_back(pos);
    DrawLabelAt(canvas, pos, text);
  }
}

}  // namespace chart
