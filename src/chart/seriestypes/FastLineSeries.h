// The fast line: every visible point joined into one chain drawn with a single pen. It has
// none of the line series' per-point work (point colours, null points, markers, the edge
// interpolation, the coordinate guard), and it can draw a newly added point at once
// instead of asking for a repaint.
#pragma once

#include <string>

#include "chart/canvas/ChartPen.h"
#include "chart/core/Geometry.h"
#include "chart/series/ChartSeries.h"

namespace chart {

class TFastLineSeries : public TChartSeries {
 public:
  TFastLineSeries();
  // A function's one result is drawn as a level line between the source's ends.
  bool AllowSinglePoint() const override { return false; }

  // --- properties ----------------------------------------------------------------------
  // False: a new point is drawn straight onto the chart's current canvas, with no repaint.
  bool AutoRepaint() const { return FAutoRepaint; }
  void SetAutoRepaint(bool v);
  // The pen of the whole line. Its colour and SeriesColor follow each other.
  TChartPen& LinePen() { return FLinePen; }
  const TChartPen& LinePen() const { return FLinePen; }
  void SetLinePen(const TChartPen& pen) { FLinePen.Assign(pen); }
  void SetSeriesColor(TColor v) override;

  // Every setting of another series; from a fast line also its pen and AutoRepaint.
  void Assign(const TChartSeries& source) override;

  // --- pixels --------------------------------------------------------------------------
  int XPixel(int index) const;
  int YPixel(int index) const;

  // --- drawing -------------------------------------------------------------------------
  void CalcFirstLastVisibleIndex() override { CalcVisibleRange(); }
  void DrawVisiblePoints() override;
  // Lifts the box and the arrow's end above the point by the marks' ArrowLength.
  void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) override;
  // A line with LinePen across the middle of the rectangle.
  void DrawLegendSymbol(TCanvas3D& canvas, const TRect& rect, TColor color) override;
  // The point at the pixel, or the first point of the segment through it, in the last
  // paint's visible range; -1 when nothing is hit.
  int Clicked(int x, int y) override;

 protected:
  // With AutoRepaint off the point is drawn here instead of asking for a repaint.
  void NotifyNewValue(int index) override;
  // With AutoRepaint off every appended point is drawn, so each goes in on its own.
  bool AppendsInOnePass() const override { return FAutoRepaint; }

 private:
  void LinePenChanged();
  // The canvas pen and brush for the line.
  void PrepareCanvas(TCanvas3D& canvas) const;
  // One point of the chain (i is never below the first visible index).
  void DrawPoint(TCanvas3D& canvas, int i);
  void DrawPoints2D(TCanvas3D& canvas, int first, int last);
  void DrawNewPoint(int index);

  TChartPen FLinePen;
  bool FAutoRepaint = true;
  // The pixel of the last point drawn: a point on the same pixel draws nothing.
  TPoint FOld;
};

}  // namespace chart
