// What an axis needs from the chart that owns it. The chart implements this; tests give
// an axis a small stand-in so the scale arithmetic runs without a chart or a canvas.
#pragma once

#include <string>
#include <string_view>

#include "chart/core/Geometry.h"

namespace chart {

class TCustomChartAxis;

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
  virtual TRect ChartRect() const = 0;
  // Depth of the 3D view in pixels; 0 in a flat chart.
  virtual int ChartDepth3D() const = 0;

  // Deferred repaint request.
  virtual void InvalidateChart() = 0;
  // True while the chart's stored properties are being read.
  virtual bool IsLoading() const = 0;

  // Text measuring in the font currently selected on the chart's canvas.
  virtual int MeasureTextWidth(std::string_view text) = 0;
  virtual int MeasureFontHeight() = 0;

  // Label text of a value: number (or date-time) format of the axis, then the chart's
  // label event. The axis supplies the format; the chart supplies the locale.
  virtual std::string FormatAxisLabel(const TCustomChartAxis& axis, double value) = 0;
};

}  // namespace chart
