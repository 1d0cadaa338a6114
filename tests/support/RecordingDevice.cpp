#include "RecordingDevice.h"

#include <algorithm>
#include <cstdint>

#include "chart/core/Numeric.h"

namespace chart::testing {

namespace {

class TRecordingBitmap final : public TDeviceBitmap {
 public:
  TRecordingBitmap(int width, int height, bool monochrome, std::shared_ptr<int> alive)
      : FWidth(width), FHeight(height), FMonochrome(monochrome), FAlive(std::move(alive)) {
    ++*FAlive;
  }
  ~TRecordingBitmap() override { --*FAlive; }
  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  bool Monochrome() const override { return FMonochrome; }
  TDeviceSurface& Surface() override { return FSurface; }

 private:
  int FWidth, FHeight;
  bool FMonochrome;
  std::shared_ptr<int> FAlive;
  TRecordingDevice FSurface;
};

}  // namespace

const char* OpName(TOp op) {
  switch (op) {
    case TOp::LineTo: return "LineTo";
    case TOp::Polyline: return "Polyline";
    case TOp::Rectangle: return "Rectangle";
    case TOp::RoundRect: return "RoundRect";
    case TOp::Ellipse: return "Ellipse";
    case TOp::Arc: return "Arc";
    case TOp::Pie: return "Pie";
    case TOp::Polygon: return "Polygon";
    case TOp::FillRect: return "FillRect";
    case TOp::SetPixel: return "SetPixel";
    case TOp::TextOut: return "TextOut";
    case TOp::IntersectClip: return "IntersectClip";
    case TOp::RemoveClip: return "RemoveClip";
    case TOp::DrawBitmap: return "DrawBitmap";
    case TOp::DrawPicture: return "DrawPicture";
    case TOp::StretchPicture: return "StretchPicture";
  }
  return "?";
}

int CodePoints(std::string_view text) {
  return static_cast<int>(std::count_if(text.begin(), text.end(),
                                        [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

TRecordingDevice::TRecordingDevice() {
  // A recognisable palette: entry i is RGB(i, 2i, 3i), except a few named ones.
  for (std::size_t i = 0; i < FSystemColors.size(); ++i)
    FSystemColors[i] = RGB(static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(2 * i),
                           static_cast<std::uint8_t>(3 * i));
  FSystemColors[SystemColorIndex(clBtnFace)] = 0x00F0F0F0;
  FSystemColors[SystemColorIndex(clBtnShadow)] = 0x00A0A0A0;
  FSystemColors[SystemColorIndex(clBtnHighlight)] = 0x00FFFFFF;
  FSystemColors[SystemColorIndex(clWindowText)] = 0x00000000;
}

std::vector<TRecordedOp> TRecordingDevice::OpsOf(TOp op) const {
  std::vector<TRecordedOp> out;
  for (const auto& r : FOps)
    if (r.Op == op) out.push_back(r);
  return out;
}

TRecordedOp& TRecordingDevice::Record(TOp op, std::vector<int> args) {
  const bool kept = FOps.size() < FOpLimit;
  if (!kept) ++FDroppedOps;
  TRecordedOp& r = kept ? FOps.emplace_back() : (FDropped = TRecordedOp{});
  r.Op = op;
  r.Args = std::move(args);
  r.Pen = Pen();
  r.Brush = Brush();
  r.Font = Font();
  r.TextBackColor = TextBackColor();
  r.TextColor = TextColor();
  r.TextBackMode = TextBackMode();
  r.TextAlign = TextAlign();
  r.Clip = FClip;
  return r;
}

void TRecordingDevice::LineTo(int x, int y) {
  const TPoint from = PenPos();
  Record(TOp::LineTo, {from.X, from.Y, x, y});
  SetPenPos({x, y});
}

void TRecordingDevice::Polyline(std::span<const TPoint> points) {
  Record(TOp::Polyline, {}).Points.assign(points.begin(), points.end());
}

void TRecordingDevice::Rectangle(int left, int top, int right, int bottom) {
  Record(TOp::Rectangle, {left, top, right, bottom});
}

void TRecordingDevice::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  Record(TOp::RoundRect, {left, top, right, bottom, cornerWidth, cornerHeight});
}

void TRecordingDevice::Ellipse(int left, int top, int right, int bottom) {
  Record(TOp::Ellipse, {left, top, right, bottom});
}

void TRecordingDevice::Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
  Record(TOp::Arc, {left, top, right, bottom, x3, y3, x4, y4});
}

void TRecordingDevice::Pie(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
  Record(TOp::Pie, {left, top, right, bottom, x3, y3, x4, y4});
}

void TRecordingDevice::Polygon(std::span<const TPoint> points) {
  Record(TOp::Polygon, {}).Points.assign(points.begin(), points.end());
}

void TRecordingDevice::FillRect(const TRect& rect) {
  Record(TOp::FillRect, {rect.Left, rect.Top, rect.Right, rect.Bottom});
}

void TRecordingDevice::SetPixel(int x, int y, TColor color) { Record(TOp::SetPixel, {x, y}).Color = color; }

void TRecordingDevice::TextOut(int x, int y, std::string_view text) {
  Record(TOp::TextOut, {x, y}).Text = std::string(text);
}

TSize TRecordingDevice::TextExtent(std::string_view text) {
  // Saturates like a real device's extent: huge fonts and texts must not overflow here.
  if (FFixed) return {ClampToInt(std::int64_t{FFixedCharWidth} * CodePoints(text)), FFixedHeight};
  const int size = Font().Size();
  return {ClampToInt(std::int64_t{size} * CodePoints(text)), ClampToInt(std::int64_t{size} + 5)};
}

void TRecordingDevice::IntersectClipRect(const TRect& rect) {
  Record(TOp::IntersectClip, {rect.Left, rect.Top, rect.Right, rect.Bottom});
  if (!FClip) {
    FClip = rect;
  } else {
    FClip = TRect{std::max(FClip->Left, rect.Left), std::max(FClip->Top, rect.Top),
                  std::min(FClip->Right, rect.Right), std::min(FClip->Bottom, rect.Bottom)};
  }
}

void TRecordingDevice::RemoveClip() {
  Record(TOp::RemoveClip, {});
  FClip.reset();
}

std::unique_ptr<TDeviceBitmap> TRecordingDevice::CreateBitmap(int width, int height, bool monochrome) {
  ++FBitmapsCreated;
  auto bitmap = std::make_unique<TRecordingBitmap>(width, height, monochrome, FBitmapsAlive);
  static_cast<TRecordingDevice&>(bitmap->Surface()).SetOpLimit(FOpLimit);
  return bitmap;
}

void TRecordingDevice::DrawBitmap(int x, int y, TDeviceBitmap& bitmap) {
  Record(TOp::DrawBitmap, {x, y, bitmap.Width(), bitmap.Height()}).Source = &bitmap;
}

void TRecordingDevice::DrawPicture(int x, int y, const TPicture& picture) {
  Record(TOp::DrawPicture, {x, y, picture.Width(), picture.Height()});
}

void TRecordingDevice::StretchPicture(const TRect& rect, const TPicture& picture) {
  Record(TOp::StretchPicture, {rect.Left, rect.Top, rect.Right, rect.Bottom, picture.Width(), picture.Height()});
}

TColor TRecordingDevice::LookupSystemColor(int index) const {
  if (index < 0 || index >= static_cast<int>(FSystemColors.size())) return clBlack;
  return FSystemColors[static_cast<std::size_t>(index)];
}

}  // namespace chart::testing
