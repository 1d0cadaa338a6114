// The plain brush: colour, style and an optional pattern picture, with a change handler.
#pragma once

#include "chart/canvas/GraphicsTypes.h"
#include "chart/canvas/Picture.h"
#include "chart/core/Color.h"

#include <functional>
#include <memory>

namespace chart {

class TBrush {
 public:
  TBrush() = default;
  explicit TBrush(std::function<void()> onChange) : OnChange(std::move(onChange)) {}
  virtual ~TBrush() = default;
  TBrush(const TBrush& other) : FColor(other.FColor), FStyle(other.FStyle), FBitmap(other.FBitmap) {}
  TBrush& operator=(const TBrush& other) { Assign(other); return *this; }

  TColor Color() const { return FColor; }
  TBrushStyle Style() const { return FStyle; }
  // The pattern picture (shared, never modified through the brush); null when none.
  const std::shared_ptr<const TPicture>& Bitmap() const { return FBitmap; }
  bool HasBitmap() const { return FBitmap && !FBitmap->Empty(); }

  void SetColor(TColor v) { if (v != FColor) { FColor = v; Changed(); } }
  void SetStyle(TBrushStyle v) { if (v != FStyle) { FStyle = v; Changed(); } }
  void SetBitmap(std::shared_ptr<const TPicture> v) { if (v != FBitmap) { FBitmap = std::move(v); Changed(); } }

  virtual void Assign(const TBrush& source) {
    if (&source == this || SameAttributes(source)) return;
    FColor = source.FColor;
    FStyle = source.FStyle;
    FBitmap = source.FBitmap;
    Changed();
  }
  bool SameAttributes(const TBrush& o) const {
    return FColor == o.FColor && FStyle == o.FStyle && FBitmap == o.FBitmap;
  }

  std::function<void()> OnChange;

 protected:
  void Changed() { if (OnChange) OnChange(); }
  void InitColor(TColor c) { FColor = c; }

 private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
  std::shared_ptr<const TPicture> FBitmap;
};

}  // namespace chart
