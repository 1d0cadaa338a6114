// The plain font. Like the toolkit's, it keeps its height in pixels together with the
// resolution it was set for; Size (points) is derived through PixelsPerInch.
#pragma once

#include "chart/canvas/GraphicsTypes.h"
#include "chart/core/Color.h"

#include <functional>
#include <string>

namespace chart {

class TFont {
 public:
  static constexpr int DefaultPixelsPerInch = 96;

  TFont() = default;
  explicit TFont(std::function<void()> onChange) : OnChange(std::move(onChange)) {}
  virtual ~TFont() = default;
  TFont(const TFont& other);
  TFont& operator=(const TFont& other) { Assign(other); return *this; }

  int Charset() const { return FCharset; }
  TColor Color() const { return FColor; }
  // Negative: character height in pixels (without internal leading); positive: cell height.
  int Height() const { return FHeight; }
  const std::string& Name() const { return FName; }
  TFontPitch Pitch() const { return FPitch; }
  int Size() const;  // points at PixelsPerInch
  TFontStyles Style() const { return FStyle; }
  int PixelsPerInch() const { return FPixelsPerInch; }
  // Rotation of the text, counter-clockwise, in tenths of a degree.
  int Orientation() const { return FOrientation; }
  // Restricts the toolkit to scalable outline fonts (needed for rotated text).
  bool OutlineOnly() const { return FOutlineOnly; }

  void SetCharset(int v) { if (v != FCharset) { FCharset = v; Changed(); } }
  void SetColor(TColor v) { if (v != FColor) { FColor = v; Changed(); } }
  void SetHeight(int v) { if (v != FHeight) { FHeight = v; Changed(); } }
  void SetName(const std::string& v) { if (v != FName) { FName = v; Changed(); } }
  void SetPitch(TFontPitch v) { if (v != FPitch) { FPitch = v; Changed(); } }
  void SetSize(int points);
  void SetStyle(TFontStyles v) { if (v != FStyle) { FStyle = v; Changed(); } }
  // Changing the resolution keeps the pixel height (as the toolkit does); Size follows.
  void SetPixelsPerInch(int v) { if (v > 0 && v != FPixelsPerInch) { FPixelsPerInch = v; Changed(); } }
  // The same, for a font about to be drawn on a device of that resolution: the pixels do not
  // change, so the owner is not told (a paint must not ask for another paint).
  void AdoptPixelsPerInch(int v) { if (v > 0) FPixelsPerInch = v; }
  void SetOrientation(int tenths) { if (tenths != FOrientation) { FOrientation = tenths; Changed(); } }
  void SetOutlineOnly(bool v) { if (v != FOutlineOnly) { FOutlineOnly = v; Changed(); } }

  // Copies every attribute but the resolution; across resolutions the point size is kept.
  // Calls the change handler once when anything differed.
  virtual void Assign(const TFont& source);
  bool SameAttributes(const TFont& o) const;

  std::function<void()> OnChange;

 protected:
  void Changed() { if (OnChange) OnChange(); }

 private:
  int FCharset = DEFAULT_CHARSET;
  TColor FColor = clWindowText;
  int FHeight = -11;  // 8 points at 96 pixels per inch
  std::string FName = "Arial";
  TFontPitch FPitch = fpDefault;
  TFontStyles FStyle;
  int FPixelsPerInch = DefaultPixelsPerInch;
  int FOrientation = 0;
  bool FOutlineOnly = false;
};

}  // namespace chart
