// The one concrete canvas: 2D operations on the device surface, the projection of depth
// coordinates, the 3D solids, and the paint cycle over an owned off-screen buffer.
#pragma once

#include "chart/canvas/Canvas3D.h"
#include "chart/core/Numeric.h"

#include <memory>

namespace chart {

// A point of a solid's outline around its axis, on the unit circle or square.
struct TUnitPoint {
  double A, B;
};

class TZelCanvas3D final : public TCanvas3D {
 public:
  TZelCanvas3D();
  ~TZelCanvas3D() override;

  // --- TZelCanvas ---
  TColor TextBackColor() const override;
  int TextBackMode() const override;
  TDeviceSurface* DeviceHandle() const override { return FDevice; }
  bool IsMonochrome() const override { return FIsMonochrome; }
  unsigned TextAlignment() const override;
  bool Buffered() const override { return FBuffered; }
  void SetTextBackColor(TColor color) override;
  void SetTextBackMode(int mode) override;
  void SetIsMonochrome(bool value) override;
  void PutPixel(int x, int y, TColor color) override;
  void SetTextAlignment(unsigned flags) override;
  void SetBuffered(bool value) override;
  void DrawArc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
  void DrawGraphic(int x, int y, const TPicture* picture) override;
  void DrawEllipse(int x1, int y1, int x2, int y2) override;
  void FillRectangle(const TRect& rect) override;
  void DrawBevelFrame(const TRect& rect, TColor topColor, TColor bottomColor, int width) override;
  void LineToPoint(int x, int y) override { FDevice->LineTo(x, y); }
  void MovePenTo(int x, int y) override { FDevice->MoveTo(x, y); }
  void DrawPieSlice(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
  void DrawRectangle(int left, int top, int right, int bottom) override;
  void DrawRoundRectangle(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) override;
  void StretchGraphic(const TRect& rect, const TPicture* picture) override;
  void DrawText(int x, int y, std::string_view text) override;
  void ClipToRect(const TRect& rect) override;
  void DrawHorizontalLine(int x0, int x1, int y) override;
  void DrawRectangleOf(const TRect& rect) override;
  void DrawVerticalLine(int x, int y0, int y1) override;
  void EraseRect(const TRect& rect) override { FillRectangle(rect); }
  void FillGradient(const TRect& rect, TColor startColor, TColor endColor, TGradientDirection direction) override;
  void MarkDirty() override { FDirty = true; }
  void DrawSegment(int x0, int y0, int x1, int y1) override { FDevice->Line(x0, y0, x1, y1); }
  void DrawSegmentRun(std::span<const TPoint> points) override { FDevice->LineRun(points); }
  void DrawPolygon(std::span<const TPoint> points, int lastIndex) override;
  void DrawRotatedText(int x, int y, std::string_view text, int angle) override;
  void RemoveClip() override;

  // --- TCanvas3D ---
  void PutPixel3D(int x, int y, int z, TColor color) override;
  bool RendersTrue3D() const override { return false; }
  bool PlacesText3D() const override { return false; }
  void UnprojectPoint(int& x, int& y, int z) const override;
  TPoint ProjectToPoint(int x, int y, int z) const override { return Project(x, y, z); }
  TRect BeginDrawing(TDeviceSurface& surface, TView3DOptions* options, TColor backColor, bool is3D,
                     const TRect& requested) override;
  void SetProjection(int depth, const TRect& bounds, const TRect& chartRect) override;
  void PresentBuffer(TDeviceSurface& destination, TDeviceSurface& next, const TRect& requested) override;
  bool RepaintFromBuffer() override;
  void DrawArrow(bool filled, TPoint from, TPoint to, int headWidth, int headHeight, int z) override;
  void ClipToCube(const TRect& rect, int zMin, int zMax) override;
  void DrawCone(bool vertical, const TRect& rect, int z0, int z1, bool darkSides, int conePercent) override;
  void DrawCube(const TRect& rect, int z0, int z1, bool darkSides) override;
  void DrawCylinder(bool vertical, const TRect& rect, int z0, int z1, bool darkSides) override;
  void DrawHorizontalLine3D(int x0, int x1, int y, int z) override;
  void DrawVerticalLine3D(int x, int y0, int y1, int z) override;
  void DrawDepthLine3D(int x, int y, int z0, int z1) override;
  void DrawEllipseAtDepth(int x1, int y1, int x2, int y2, int z) override;
  void BeginFlatPlane() override { FWas3D = FIs3D; FIs3D = false; }
  void EndFlatPlane() override { FIs3D = FWas3D; }
  void DrawLineAtDepth(int x0, int y0, int x1, int y1, int z) override;
  void MovePenTo3D(int x, int y, int z) override;
  void LineToPoint3D(int x, int y, int z) override;
  void DrawPie3D(int xCenter, int yCenter, int xRadius, int yRadius, int z0, int z1, double startAngle,
                 double endAngle, bool darkSides, bool drawSides) override;
  void DrawPlane3D(TPoint a, TPoint b, int z0, int z1) override;
  void DrawPlaneAtDepth(const std::array<TPoint, 4>& points, int z) override;
  void DrawQuad3D(const std::array<TPoint, 4>& points, int z0, int z1) override;
  void DrawPolygonAtDepth(std::span<const TPoint> points, int lastIndex, int z) override;
  void DrawPyramid(bool vertical, const TRect& rect, int z0, int z1, bool darkSides) override;
  void DrawRectangleAtDepth(const TRect& rect, int z) override;
  void DrawFloorPlane(int left, int top, int right, int z0, int z1) override;
  void DrawSidePlane(int left, int top, int bottom, int z0, int z1) override;
  void DrawRotatedText3D(int x, int y, int z, std::string_view text, int angle) override;
  void DrawSphere(int x, int y, int z, double radius) override;
  void DrawSurface3D() override {}
  void DrawText3D(int x, int y, std::string_view text, int z) override;
  void DrawTriangle3D(const std::array<TPoint3D, 3>& points, const std::array<TColor, 3>& colors) override;
  void DrawTriangleAtDepth(TPoint a, TPoint b, TPoint c, int z) override;

  // --- State of the paint cycle and the projection ---
  bool Dirty() const { return FDirty; }
  const TRect& Bounds() const { return FBounds; }
  // The owned off-screen buffer; null before the first buffered paint.
  TDeviceBitmap* Buffer() const { return FBuffer.get(); }
  bool Is3D() const { return FIs3D; }
  bool ZoomText() const { return FZoomText; }
  double ZoomFactor() const { return FZoomFactor; }
  double PerspectiveFactor() const { return FPerspective; }
  TPoint Center() const { return {FXCenter, FYCenter}; }
  int ZCenter() const { return FZCenter; }
  TPoint CenterOffset() const { return {FXCenterOffset, FYCenterOffset}; }

  // Corners of the largest face of a solid; a full circle is drawn in CircleSegments pieces.
  static constexpr std::size_t MaxFacePoints = 72;
  static constexpr int CircleSegments = 32;

  // In 2D (neither orthogonal nor 3D) the point is returned unchanged and z ignored.
  TPoint Project(int x, int y, int z) const {
    // Saturating: a huge zoom or view offset pins the point instead of wrapping it.
    if (FIsOrthogonal)
      return {Offset(RoundInt(FZoomFactor * (static_cast<double>(x) + z - FXCenter)), FXCenterOffset),
              Offset(RoundInt(FZoomFactor * (static_cast<double>(y) - z - FYCenter)), FYCenterOffset)};
    if (FIs3D) return ProjectRotated(x, y, z);
    return {x, y};
  }

 private:
  static int Offset(int v, int offset) { return ClampToInt(static_cast<std::int64_t>(v) + offset); }
  TPoint ProjectRotated(int x, int y, int z) const;
  void ComputeRotation(int elevation, int rotation, int tilt);
  void DiscardBuffer();
  void ProjectedPolygon(std::span<const TPoint3D> points);
  // The rotated view's pie slice, lying flat with its face towards the viewer.
  void DrawLyingPie3D(int xCenter, int yCenter, int xRadius, int yRadius, int thickness, double startAngle,
                      double sweep, int segments, bool darkSides, bool drawSides);
  // Projects a face (corners in the order that shows it clockwise on screen from outside)
  // and fills it when it faces the viewer; fill is the RGB colour to use, or clDefault for
  // the current brush. Returns whether it was drawn.
  bool DrawFacing(std::span<const TPoint3D> points, TColor fill);
  // The same for a face already projected.
  bool DrawFacing(std::span<const TPoint> face, TColor fill);
  // A solid of revolution (or a pyramid) along the rectangle's height (vertical) or width:
  // rings of the given unit outline at the base and the tip, scaled by baseScale and
  // tipScale, across the depth z0 .. z1.
  void DrawRevolved(bool vertical, const TRect& rect, int z0, int z1, double baseScale, double tipScale,
                    bool darkSides, std::span<const TUnitPoint> outline);
  // The RGB colour of the current solid brush when sides are to be shaded, else clDefault.
  TColor ShadeBase(bool darkSides) const;
  // Size for text scaled by the 3D zoom: the current size when no scaling applies.
  int ZoomedFontSize() const;

  std::unique_ptr<TDeviceBitmap> FBuffer;
  const TDeviceSurface* FBufferMaker = nullptr;  // compared only, never used
  int FXCenter = 0, FYCenter = 0, FZCenter = 0;
  int FXCenterOffset = 0, FYCenterOffset = 0;
  // Rows of the rotation matrix (3D only).
  double FRot[3][3] = {};
  bool FWas3D = false;
  bool FIs3D = false;
  bool FBuffered = true;
  bool FIsMonochrome = false;
  bool FDirty = true;
  TRect FBounds;
  bool FZoomText = true;
  double FZoomFactor = 1.0;
  double FPerspective = 0.0;
};

}  // namespace chart
