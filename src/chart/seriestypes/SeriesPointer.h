// The marker a series draws at its points: a shape with a pen and a brush, sized by two
// half sizes in pixels.
#pragma once

#include <cstdint>
#include <functional>

#include "chart/canvas/ChartBrush.h"
#include "chart/canvas/ChartPen.h"

namespace chart {

class TCanvas3D;

enum TSeriesPointerStyle : std::uint8_t {
  psRectangle,
  psCircle,
  psTriangle,
  psDownTriangle,
  psCross,
  psDiagCross,
  psStar,
  psDiamond,
  psSmallDot,
};

class TSeriesPointer {
 public:
  // repaint: the owning series' repaint request, called after every change.
  explicit TSeriesPointer(std::function<void()> repaint);
  TSeriesPointer(const TSeriesPointer&) = delete;
  TSeriesPointer& operator=(const TSeriesPointer&) = delete;

  bool Dark3D() const { return FDark3D; }
  void SetDark3D(bool v);
  bool Draw3D() const { return FDraw3D; }
  void SetDraw3D(bool v);
  TChartBrush& Brush() { return FBrush; }
  const TChartBrush& Brush() const { return FBrush; }
  TChartPen& Pen() { return FPen; }
  const TChartPen& Pen() const { return FPen; }
  // Half width and half height; below 1 raises ChartException and keeps the old size.
  int HorizSize() const { return FHorizSize; }
  void SetHorizSize(int v);
  int VertSize() const { return FVertSize; }
  void SetVertSize(int v);
  bool InflateMargins() const { return FInflateMargins; }
  void SetInflateMargins(bool v);
  TSeriesPointerStyle Style() const { return FStyle; }
  void SetStyle(TSeriesPointerStyle v);
  bool Visible() const { return FVisible; }
  void SetVisible(bool v);

  void Assign(const TSeriesPointer& other);

  // The shape centred on (x, y) with the canvas's current pen and brush; the half sizes
  // are given so that the legend can draw a smaller one.
  static void DrawMarker(TCanvas3D& canvas, TSeriesPointerStyle style, int x, int y, int horizSize, int vertSize);

 private:
  void Changed() { if (FRepaint) FRepaint(); }

  std::function<void()> FRepaint;
  TChartBrush FBrush;
  TChartPen FPen;
  int FHorizSize = 4;
  int FVertSize = 4;
  TSeriesPointerStyle FStyle = psRectangle;
  bool FDark3D = true;
  bool FDraw3D = true;
  bool FInflateMargins = true;
  bool FVisible = true;
};

}  // namespace chart
