// What an axis needs from the chart that owns it. The chart implements this; tests give
// an axis a small stand-in so the scale arithmetic runs without a chart or a canvas.
#pragma once

#include <string>
#include <string_view>

#include "chart/canvas/Font.h"
#include "chart/core/Color.h"
#include "chart/core/Geometry.h"

namespace chart {

class TCanvas3D;
class TCustomChartAxis;

enum class TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };
using enum TAxisLabelStyle;

class TAxisParent {
 public:
  virtual ~TAxisParent() = default;

  // Extremes over the series bound to the axis; 0 when no bound series has points.
  virtual double ChartMinX(const TCustomChartAxis& axis) = 0;
  virtual double ChartMaxX(const TCustomChartAxis& axis) = 0;
  virtual double ChartMinY(const TCustomChartAxis& axis) = 0;
  virtual double ChartMaxY(const TCustomChartAxis& axis) = 0;

  // True when the first active series bound to the axis keeps date-times in the value
  // list of the axis's direction.
  virtual bool AxisSeriesAreDateTime(const TCustomChartAxis& axis) = 0;

  // The chart rectangle of the current (or last) layout.
  virtual TRect AxisChartRect() const = 0;
  // Depth of the 3D view in pixels; 0 in a flat chart.
  virtual int ChartDepth3D() const = 0;

  // Deferred repaint request.
  virtual void InvalidateChart() = 0;
  // True while the chart's stored properties are being read.
  virtual bool IsLoading() const = 0;

  // Text measuring in the font currently selected on the chart's canvas.
  virtual int MeasureTextWidth(std::string_view text) = 0;
  virtual int MeasureFontHeight() = 0;

  // Label text of a value: number (or date-time) format of the axis, then, when useEvent,
  // the chart's label event. The axis supplies the format; the chart supplies the locale.
  virtual std::string FormatAxisLabel(const TCustomChartAxis& axis, double value, bool useEvent = true) = 0;

  // The font becomes the canvas font (after taking the canvas resolution).
  virtual void ApplyFont(TFont& font) = 0;
  // Wall thickness along the axis in a 3D view with walls; 0 otherwise.
  virtual int WallThickness(const TCustomChartAxis& axis) = 0;
  // Thickness of the wall the axis line runs into at its start (the left wall for the
  // bottom axis) or end (the bottom wall for the left axis); 0 otherwise.
  virtual int CrossWallThickness(const TCustomChartAxis& axis) { (void)axis; return 0; }
  // The label style an automatic axis gets from the series bound to it.
  virtual TAxisLabelStyle AutoLabelStyle(const TCustomChartAxis& axis) = 0;
  // Widest point label and widest mark text over the series (0 when none).
  virtual int MaxLabelTextWidth() = 0;
  virtual int MaxMarkTextWidth() = 0;
  // Widest title of an active series (the depth axis's text labels).
  virtual int MaxSeriesTitleWidth() { return 0; }

  // --- drawing. The defaults suit an axis without a chart: it has nothing to draw on. ---
  // The canvas the axis draws on; null draws nothing.
  virtual TCanvas3D* AxisCanvas() { return nullptr; }
  // The chart's colour, the brush colour behind labels and titles.
  virtual TColor AxisBackColor() const { return clWhite; }
  // Whether the chart shows the axis (the hit test of a hidden axis fails).
  virtual bool AxisIsShown(const TCustomChartAxis& axis) const { (void)axis; return true; }
  // Custom label values: whether the chart supplies them, and the next one. The handler
  // may change value and stop.
  virtual bool HasNextAxisLabel() const { return false; }
  virtual void NextAxisLabel(TCustomChartAxis& axis, int index, double& value, bool& stop) {
    (void)axis, (void)index, (void)value, stop = true;
  }
  // Labels taken from the series' point texts: the index range over the series bound to
  // the axis that have texts (False when none has), and the label at one index (False
  // when no such series has a text there). markText picks mark texts over point labels.
  virtual bool SeriesLabelRange(const TCustomChartAxis& axis, int& first, int& last) {
    (void)axis, first = last = -1;
    return false;
  }
  virtual bool SeriesLabelAt(TCustomChartAxis& axis, int index, bool markText, double& value, std::string& text) {
    (void)axis, (void)index, (void)markText, (void)value, (void)text;
    return false;
  }
};

}  // namespace chart
