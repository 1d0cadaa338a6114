// A device surface for tests: records every drawing operation with its arguments and the
// attributes in force, and measures text with fixed simple metrics so layout tests can
// assert exact coordinates: a line of text is Size (points) pixels per character wide and
// Size + 5 pixels high (8 points: 8 px per character, 13 px high).
#pragma once

#include "chart/canvas/DeviceSurface.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace chart::testing {

enum class TOp {
  LineTo,
  Polyline,
  Rectangle,
  RoundRect,
  Ellipse,
  Arc,
  Pie,
  Polygon,
  FillRect,
  SetPixel,
  TextOut,
  IntersectClip,
  RemoveClip,
  DrawBitmap,
  DrawPicture,
  StretchPicture,
};

const char* OpName(TOp op);

struct TRecordedOp {
  TOp Op = TOp::LineTo;
  // Integer arguments in call order (LineTo: from x, from y, to x, to y).
  std::vector<int> Args;
  std::vector<TPoint> Points;  // Polyline, Polygon
  std::string Text;            // TextOut
  TColor Color = clNone;       // SetPixel
  const void* Source = nullptr;  // DrawBitmap: the bitmap copied
  // Attributes in force when the operation ran.
  TPen Pen;
  TBrush Brush;
  TFont Font;
  TColor TextBackColor = clWhite;
  TColor TextColor = clBlack;
  int TextBackMode = OPAQUE;
  unsigned TextAlign = 0;
  std::optional<TRect> Clip;
};

class TRecordingDevice : public TDeviceSurface {
 public:
  TRecordingDevice();

  const std::vector<TRecordedOp>& Ops() const { return FOps; }
  std::vector<TRecordedOp> OpsOf(TOp op) const;
  void ClearOps() {
    FOps.clear();
    FDroppedOps = 0;
  }
  // Keeps at most `limit` calls (later ones are only counted); bitmaps made from this
  // device take the same limit. For paints of huge charts in the fuzzer.
  void SetOpLimit(std::size_t limit) { FOpLimit = limit; }
  std::size_t DroppedOps() const { return FDroppedOps; }
  // Hands the kept calls over and starts an empty record: a huge paint is not copied.
  std::vector<TRecordedOp> TakeOps() {
    FDroppedOps = 0;
    return std::exchange(FOps, {});
  }
  // The clip in force now: none, or the intersection of the rectangles given since RemoveClip.
  const std::optional<TRect>& Clip() const { return FClip; }

  // Metrics: (0, 0) makes the device unable to measure.
  void SetFixedMetrics(int charWidth, int height) { FFixedCharWidth = charWidth; FFixedHeight = height; FFixed = true; }
  void SetSystemColor(int index, TColor rgb) { FSystemColors.at(static_cast<std::size_t>(index)) = rgb; }
  void SetSupportsAlternatePen(bool v) { FAlternate = v; }
  int BitmapsCreated() const { return FBitmapsCreated; }
  int BitmapsAlive() const { return *FBitmapsAlive; }
  // Chains handed over whole; recorded as the segments they draw.
  int LineRuns() const { return FLineRuns; }

  void LineTo(int x, int y) override;
  void LineRun(std::span<const TPoint> points) override {
    ++FLineRuns;
    TDeviceSurface::LineRun(points);
  }
  void Polyline(std::span<const TPoint> points) override;
  void Rectangle(int left, int top, int right, int bottom) override;
  void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  void Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) override;
  void Pie(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) override;
  void Polygon(std::span<const TPoint> points) override;
  void FillRect(const TRect& rect) override;
  void SetPixel(int x, int y, TColor color) override;
  void TextOut(int x, int y, std::string_view text) override;
  TSize TextExtent(std::string_view text) override;
  void IntersectClipRect(const TRect& rect) override;
  void RemoveClip() override;
  std::unique_ptr<TDeviceBitmap> CreateBitmap(int width, int height, bool monochrome) override;
  void DrawBitmap(int x, int y, TDeviceBitmap& bitmap) override;
  void DrawPicture(int x, int y, const TPicture& picture) override;
  void StretchPicture(const TRect& rect, const TPicture& picture) override;
  TColor LookupSystemColor(int index) const override;
  bool SupportsAlternatePen() const override { return FAlternate; }

 private:
  TRecordedOp& Record(TOp op, std::vector<int> args);

  std::vector<TRecordedOp> FOps;
  std::size_t FOpLimit = static_cast<std::size_t>(-1);
  std::size_t FDroppedOps = 0;
  TRecordedOp FDropped;
  std::optional<TRect> FClip;
  bool FFixed = false;
  int FFixedCharWidth = 0;
  int FFixedHeight = 0;
  bool FAlternate = true;
  int FBitmapsCreated = 0;
  int FLineRuns = 0;
  std::shared_ptr<int> FBitmapsAlive = std::make_shared<int>(0);
  std::array<TColor, 32> FSystemColors{};
};

// Number of characters (UTF-8 code points) in a text.
int CodePoints(std::string_view text);

}  // namespace chart::testing
