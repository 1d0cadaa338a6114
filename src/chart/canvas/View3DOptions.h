// The 3D view of a chart. No option changes a 2D picture; every change repaints the owner.
#pragma once

#include <functional>

namespace chart {

class TView3DOptions {
 public:
  // How the options reach the chart that owns them.
  struct TOwnerLinks {
    std::function<void()> Repaint;
    std::function<void(bool horizontal)> Scrolled;
    std::function<void(int zoom)> ZoomChanged;
  };

  TView3DOptions() = default;
  explicit TView3DOptions(TOwnerLinks owner) : FOwner(std::move(owner)) {}

  int Elevation() const { return FElevation; }
  int HorizOffset() const { return FHorizOffset; }
  bool Orthogonal() const { return FOrthogonal; }
  int Perspective() const { return FPerspective; }
  int Rotation() const { return FRotation; }
  int Tilt() const { return FTilt; }
  int VertOffset() const { return FVertOffset; }
  int Zoom() const { return FZoom; }  // percent
  bool ZoomText() const { return FZoomText; }

  void SetElevation(int v) { Store(FElevation, v); }
  void SetHorizOffset(int v);
  void SetOrthogonal(bool v) { Store(FOrthogonal, v); }
  void SetPerspective(int v) { Store(FPerspective, v); }
  void SetRotation(int v) { Store(FRotation, v); }
  void SetTilt(int v) { Store(FTilt, v); }
  void SetVertOffset(int v);
  void SetZoom(int v);
  void SetZoomText(bool v) { Store(FZoomText, v); }

  void Assign(const TView3DOptions& source);
  // Asks the owning chart to repaint (nothing without an owner).
  void RepaintOwner() const { if (FOwner.Repaint) FOwner.Repaint(); }
  void SetOwnerLinks(TOwnerLinks owner) { FOwner = std::move(owner); }

 private:
  template <typename T>
  bool Store(T& field, T v) {
    if (field == v) return false;
    field = v;
    RepaintOwner();
    return true;
  }

  TOwnerLinks FOwner;
  int FElevation = 345;
  int FHorizOffset = 0;
  bool FOrthogonal = true;
  int FPerspective = 15;
  int FRotation = 345;
  int FTilt = 0;
  int FVertOffset = 0;
  int FZoom = 100;
  bool FZoomText = true;
};

}  // namespace chart
