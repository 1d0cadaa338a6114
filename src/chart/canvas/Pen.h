// The plain pen: colour, raster mode, style and width, with a change handler that tells
// the owner (a device surface realising it, or a chart element repainting) about changes.
#pragma once

#include "chart/canvas/GraphicsTypes.h"
#include "chart/core/Color.h"

#include <functional>

namespace chart {

class TPen {
 public:
  TPen() = default;
  explicit TPen(std::function<void()> onChange) : OnChange(std::move(onChange)) {}
  virtual ~TPen() = default;
  // Copying a pen copies its attributes, never its change handler (that belongs to the owner).
  TPen(const TPen& other) : FColor(other.FColor), FMode(other.FMode), FStyle(other.FStyle),
      FWidth(other.FWidth), FAlternate(other.FAlternate) {}
  TPen& operator=(const TPen& other) { Assign(other); return *this; }

  TColor Color() const { return FColor; }
  TPenMode Mode() const { return FMode; }
  TPenStyle Style() const { return FStyle; }
  int Width() const { return FWidth; }
  // A one-pixel cosmetic pen that sets every other pixel (how chart pens draw SmallDots).
  bool Alternate() const { return FAlternate; }

  void SetColor(TColor v) { if (v != FColor) { FColor = v; Changed(); } }
  void SetMode(TPenMode v) { if (v != FMode) { FMode = v; Changed(); } }
  void SetStyle(TPenStyle v) { if (v != FStyle) { FStyle = v; Changed(); } }
  // Widths below 1 are drawn as 1 by every device; the value is kept as given.
  void SetWidth(int v) { if (v != FWidth) { FWidth = v; Changed(); } }
  void SetAlternate(bool v) { if (v != FAlternate) { FAlternate = v; Changed(); } }

  // Copies every attribute and calls the change handler once when anything differed.
  virtual void Assign(const TPen& source);

  bool SameAttributes(const TPen& o) const {
    return FColor == o.FColor && FMode == o.FMode && FStyle == o.FStyle && FWidth == o.FWidth &&
           FAlternate == o.FAlternate;
  }

  std::function<void()> OnChange;

 protected:
  void Changed() { if (OnChange) OnChange(); }
  // Stores attributes without notifying: for constructors of descendants with other defaults.
  void InitDefaults(TColor color, TPenStyle style, int width) { FColor = color; FStyle = style; FWidth = width; }

 private:
  TColor FColor = clBlack;
  TPenMode FMode = pmCopy;
  TPenStyle FStyle = psSolid;
  int FWidth = 1;
  bool FAlternate = false;
};

}  // namespace chart
