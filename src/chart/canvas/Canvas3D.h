// The canvas with a depth coordinate and the paint cycle. In a 2D chart the projection is
// the identity: every operation that takes a z draws at (x, y) and ignores z.
#pragma once

#include "chart/canvas/Point3D.h"
#include "chart/canvas/View3DOptions.h"
#include "chart/canvas/ZelCanvas.h"

#include <array>

namespace chart {

class TCanvas3D : public TZelCanvas {
 public:
  // --- Virtual operations, continuing the slot order ---
  virtual void PutPixel3D(int x, int y, int z, TColor color) = 0;
  virtual bool RendersTrue3D() const = 0;
  virtual bool PlacesText3D() const = 0;
  virtual void UnprojectPoint(int& x, int& y, int z) const = 0;
  virtual TPoint ProjectToPoint(int x, int y, int z) const = 0;
  // Starts a paint; returns the rectangle to draw in (buffer coordinates when buffered).
  virtual TRect BeginDrawing(TDeviceSurface& surface, TView3DOptions* options, TColor backColor, bool is3D,
                             const TRect& requested) = 0;
  virtual void CopySettingsFrom(const TCanvas3D& other);
  virtual void SetProjection(int depth, const TRect& bounds, const TRect& chartRect) = 0;
  // Copies the buffer to `destination` at the requested rectangle's corner (when buffered),
  // then draws on `next`.
  virtual void PresentBuffer(TDeviceSurface& destination, TDeviceSurface& next, const TRect& requested) = 0;
  // Copies a clean buffer to the current surface at (0, 0); False when it is dirty.
  virtual bool RepaintFromBuffer() = 0;
  virtual void DrawArrow(bool filled, TPoint from, TPoint to, int headWidth, int headHeight, int z) = 0;
  virtual void ClipToCube(const TRect& rect, int zMin, int zMax) = 0;
  virtual void DrawCone(bool vertical, const TRect& rect, int z0, int z1, bool darkSides, int conePercent) = 0;
  virtual void DrawCube(const TRect& rect, int z0, int z1, bool darkSides) = 0;
  virtual void DrawCylinder(bool vertical, const TRect& rect, int z0, int z1, bool darkSides) = 0;
  virtual void DrawHorizontalLine3D(int x0, int x1, int y, int z) = 0;
  virtual void DrawVerticalLine3D(int x, int y0, int y1, int z) = 0;
  virtual void DrawDepthLine3D(int x, int y, int z0, int z1) = 0;
  virtual void DrawEllipseAtDepth(int x1, int y1, int x2, int y2, int z) = 0;
  virtual void BeginFlatPlane() = 0;
  virtual void EndFlatPlane() = 0;
  virtual void DrawLineAtDepth(int x0, int y0, int x1, int y1, int z) = 0;
  virtual void MovePenTo3D(int x, int y, int z) = 0;
  virtual void LineToPoint3D(int x, int y, int z) = 0;
  // Angles in radians, counter-clockwise from three o'clock.
  virtual void DrawPie3D(int xCenter, int yCenter, int xRadius, int yRadius, int z0, int z1, double startAngle,
                         double endAngle, bool darkSides, bool drawSides) = 0;
  // The quadrilateral a(z0), b(z0), b(z1), a(z1).
  virtual void DrawPlane3D(TPoint a, TPoint b, int z0, int z1) = 0;
  virtual void DrawPlaneAtDepth(const std::array<TPoint, 4>& points, int z) = 0;
  virtual void DrawQuad3D(const std::array<TPoint, 4>& points, int z0, int z1) = 0;
  virtual void DrawPolygonAtDepth(std::span<const TPoint> points, int lastIndex, int z) = 0;
  virtual void DrawPyramid(bool vertical, const TRect& rect, int z0, int z1, bool darkSides) = 0;
  virtual void DrawRectangleAtDepth(const TRect& rect, int z) = 0;
  virtual void DrawFloorPlane(int left, int top, int right, int z0, int z1) = 0;
  virtual void DrawSidePlane(int left, int top, int bottom, int z0, int z1) = 0;
  virtual void DrawRotatedText3D(int x, int y, int z, std::string_view text, int angle) = 0;
  virtual void DrawSphere(int x, int y, int z, double radius) = 0;
  virtual void DrawSurface3D() = 0;
  virtual void DrawText3D(int x, int y, std::string_view text, int z) = 0;
  virtual void DrawTriangle3D(const std::array<TPoint3D, 3>& points, const std::array<TColor, 3>& colors) = 0;
  virtual void DrawTriangleAtDepth(TPoint a, TPoint b, TPoint c, int z) = 0;

  // The chart's view options (not owned) and the orthogonal flag of the current paint.
  TView3DOptions* View3DOptions() const { return FView3DOptions; }
  void SetView3DOptions(TView3DOptions* options) { FView3DOptions = options; }
  bool IsOrthogonal() const { return FIsOrthogonal; }

 protected:
  TView3DOptions* FView3DOptions = nullptr;
  bool FIsOrthogonal = false;
};

}  // namespace chart
