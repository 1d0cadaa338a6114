#include "chart/canvas/Font.h"

#include "chart/core/Numeric.h"

namespace chart {

TFont::TFont(const TFont& other)
    : FCharset(other.FCharset), FColor(other.FColor), FHeight(other.FHeight), FName(other.FName),
      FPitch(other.FPitch), FStyle(other.FStyle), FPixelsPerInch(other.FPixelsPerInch),
      FOrientation(other.FOrientation), FOutlineOnly(other.FOutlineOnly) {}

int TFont::Size() const { return -MulDiv(FHeight, 72, FPixelsPerInch); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, FPixelsPerInch, 72)); }

bool TFont::SameAttributes(const TFont& o) const {
  return FCharset == o.FCharset && FColor == o.FColor && FHeight == o.FHeight && FName == o.FName &&
         FPitch == o.FPitch && FStyle == o.FStyle && FPixelsPerInch == o.FPixelsPerInch &&
         FOrientation == o.FOrientation && FOutlineOnly == o.FOutlineOnly;
}

void TFont::Assign(const TFont& source) {
  if (&source == this) return;
  const int height = source.FPixelsPerInch == FPixelsPerInch
                         ? source.FHeight
                         : -MulDiv(source.Size(), FPixelsPerInch, 72);
  if (FCharset == source.FCharset && FColor == source.FColor && FHeight == height &&
      FName == source.FName && FPitch == source.FPitch && FStyle == source.FStyle &&
      FOrientation == source.FOrientation && FOutlineOnly == source.FOutlineOnly)
    return;
  FCharset = source.FCharset;
  FColor = source.FColor;
  FHeight = height;
  FName = source.FName;
  FPitch = source.FPitch;
  FStyle = source.FStyle;
  FOrientation = source.FOrientation;
  FOutlineOnly = source.FOutlineOnly;
  Changed();
}

}  // namespace chart
