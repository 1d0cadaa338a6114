// A series drawn inside one ellipse that fills the chart rectangle instead of against the
// axes: the ellipse's rectangle, centre and radii, kept round on the screen on request,
// with fixed radii and a rotation. Attaching one to a chart switches the axes off.
#pragma once

#include <cstdint>

#include "chart/core/Color.h"
#include "chart/core/Geometry.h"
#include "chart/series/ChartSeries.h"

namespace chart {

class TCircledSeries : public TChartSeries {
 public:
  // --- properties ----------------------------------------------------------------------
  // Shared by every circled series of the chart.
  bool Circled() const { return FCircled; }
  void SetCircled(bool v);
  // Fixed radii in pixels (0: computed); shared by the series of the same class on the chart.
  int CustomXRadius() const { return FCustomXRadius; }
  void SetCustomXRadius(int v);
  int CustomYRadius() const { return FCustomYRadius; }
  void SetCustomYRadius(int v);
  // Degrees added to every angle, counterclockwise; stored modulo 360, negative rejected.
  int RotationAngle() const { return FRotationAngle; }
  void SetRotationAngle(int v);
  TColor CircleBackColor() const { return FCircleBackColor; }

  // Every setting of another circled series as well (not its points).
  void Assign(const TChartSeries& source) override;

  // --- geometry of the last layout -----------------------------------------------------
  const TRect& CircleRect() const { return FCircleRect; }
  int CircleWidth() const { return FCircleRect.Right - FCircleRect.Left; }
  int CircleHeight() const { return FCircleRect.Bottom - FCircleRect.Top; }
  TPoint CircleCenter() const { return FCenter; }
  int XRadius() const { return FXRadius; }
  int YRadius() const { return FYRadius; }
  double Rotation() const { return FRotationAngle * RadiansPerDegree; }
  // The point at angle (radians, counterclockwise from the right) on the ellipse of radii
  // rx, ry around the centre, turned by the rotation.
  TPoint PointAtAngle(double angle, std::int64_t rx, std::int64_t ry) const;
  // The click's angle around the centre in 0 .. 2 pi, the rotation taken off.
  double ClickAngle(int x, int y) const;

  // --- what the chart calls --------------------------------------------------------------
  bool UseAxis() const override { return false; }
  // The axes keep whatever range they have: a circled series never widens them.
  double MinX() const override;
  double MaxX() const override;
  double MinY() const override;
  double MaxY() const override;
  void AddedToChart() override;

  static constexpr double RadiansPerDegree = 3.14159265358979323846 / 180;

 protected:
  TCircledSeries();
  void SetCircleBackColor(TColor v);
  // The circle rectangle := the chart rectangle, room for the marks, the screen aspect and
  // the radii, as the layout before drawing does.
  void CalcCircleGeometry();
  // Odd sizes lose a pixel, each side is at least 4, and the centre follows.
  void AdjustCircleRect();
  // The radii from CustomXRadius / CustomYRadius or the rectangle, and the rectangle again
  // as centre +- radii.
  void CalcRadius();
  void SetCircleRect(const TRect& r) { FCircleRect = r; }
  // Room the marks take beyond the ellipse: across (left and right) and along (top and bottom).
  virtual void MarksRoom(int& across, int& along);
  // True when other is of this object's class (for the shared radii).
  virtual bool IsSameClass(const TChartSeries& other) const = 0;

 private:
  // Narrows or shortens the rectangle so that the ellipse is round on the screen.
  void MakeRound();
  template <class Each>
  void ForEachOnChart(bool sameClassOnly, Each&& each);

  TRect FCircleRect;
  TPoint FCenter;
  int FXRadius = 0;
  int FYRadius = 0;
  int FCustomXRadius = 0;
  int FCustomYRadius = 0;
  int FRotationAngle = 0;
  TColor FCircleBackColor = clDefault;
  bool FCircled = false;
};

}  // namespace chart
