#include "chart/canvas/View3DOptions.h"

namespace chart {

void TView3DOptions::SetHorizOffset(int v) {
  if (Store(FHorizOffset, v) && FOwner.Scrolled) FOwner.Scrolled(true);
}

void TView3DOptions::SetVertOffset(int v) {
  if (Store(FVertOffset, v) && FOwner.Scrolled) FOwner.Scrolled(false);
}

void TView3DOptions::SetZoom(int v) {
  if (v == FZoom) return;
  // The owner hears the new value before it is stored.
  if (FOwner.ZoomChanged) FOwner.ZoomChanged(v);
  FZoom = v;
  RepaintOwner();
}

void TView3DOptions::Assign(const TView3DOptions& source) {
  if (&source == this) return;
  FElevation = source.FElevation;
  FHorizOffset = source.FHorizOffset;
  FOrthogonal = source.FOrthogonal;
  FPerspective = source.FPerspective;
  FRotation = source.FRotation;
  FTilt = source.FTilt;
  FVertOffset = source.FVertOffset;
  FZoom = source.FZoom;
  FZoomText = source.FZoomText;
  RepaintOwner();
}

}  // namespace chart
