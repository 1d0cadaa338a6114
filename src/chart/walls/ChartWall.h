// The walls of a chart: the back wall frames (and may fill) the plotting area; the left
// and bottom walls show only in a 3D view.
#pragma once

#include <functional>

#include "chart/canvas/ChartBrush.h"
#include "chart/canvas/ChartPen.h"
#include "chart/core/Color.h"

namespace chart {

class TCustomAxisPanel;
class TZelCanvas3D;

class TCustomChartWall {
 public:
  TCustomChartWall(TCustomAxisPanel& chart, TColor defaultColor, TBrushStyle brushStyle);
  virtual ~TCustomChartWall() = default;
  TCustomChartWall(const TCustomChartWall&) = delete;
  TCustomChartWall& operator=(const TCustomChartWall&) = delete;

  TChartPen& Pen() { return FPen; }
  const TChartPen& Pen() const { return FPen; }
  TChartBrush& Brush() { return FBrush; }
  const TChartBrush& Brush() const { return FBrush; }
  TColor Color() const { return FColor; }
  void SetColor(TColor v);
  bool Dark3D() const { return FDark3D; }
  void SetDark3D(bool v);
  int Size() const { return FSize; }
  void SetSize(int v);
  TCustomAxisPanel& ParentChart() const { return FChart; }

  TColor WallDefaultColor() const { return FDefaultColor; }
  bool IsColorStored() const { return FColor != FDefaultColor; }

  // Makes the wall's pen and brush current on the canvas (pattern, clear or coloured fill).
  void PrepareCanvas(TZelCanvas3D& canvas) const;

  void Assign(const TCustomChartWall& other);

 private:
  void Changed();

  TCustomAxisPanel& FChart;
  TChartPen FPen;
  TChartBrush FBrush;
  TColor FColor;
  TColor FDefaultColor;
  bool FDark3D = true;
  int FSize = 0;
};

class TChartWall : public TCustomChartWall {
 public:
  using TCustomChartWall::TCustomChartWall;
};

}  // namespace chart
