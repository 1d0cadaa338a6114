// A surface that draws nothing and cannot measure: the canvas draws on it until a real
// surface is attached, so no operation ever needs a null check.
#pragma once

#include "chart/canvas/DeviceSurface.h"

namespace chart {

class TNullDeviceSurface final : public TDeviceSurface {
 public:
  void LineTo(int x, int y) override { SetPenPos({x, y}); }
  void Line(int, int, int x1, int y1) override { SetPenPos({x1, y1}); }
  void Polyline(std::span<const TPoint>) override {}
  void Rectangle(int, int, int, int) override {}
  void RoundRect(int, int, int, int, int, int) override {}
  void Ellipse(int, int, int, int) override {}
  void Arc(int, int, int, int, int, int, int, int) override {}
  void Pie(int, int, int, int, int, int, int, int) override {}
  void Polygon(std::span<const TPoint>) override {}
  void FillRect(const TRect&) override {}
  void SetPixel(int, int, TColor) override {}
  void TextOut(int, int, std::string_view) override {}
  TSize TextExtent(std::string_view) override { return {}; }
  void IntersectClipRect(const TRect&) override {}
  void RemoveClip() override {}
  std::unique_ptr<TDeviceBitmap> CreateBitmap(int width, int height, bool monochrome) override;
  void DrawBitmap(int, int, TDeviceBitmap&) override {}
  void DrawPicture(int, int, const TPicture&) override {}
  void StretchPicture(const TRect&, const TPicture&) override {}
  TColor LookupSystemColor(int) const override { return clBlack; }
};

}  // namespace chart
