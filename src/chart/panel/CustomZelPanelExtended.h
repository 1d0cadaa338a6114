// The panel with its background (solid colour, gradient or picture), the zoom and
// panning switches, and the form-loading state.
#pragma once

#include <memory>

#include "chart/canvas/ChartGradient.h"
#include "chart/canvas/Picture.h"
#include "chart/panel/CustomZelPanel.h"
#include "chart/panel/PanelTypes.h"

namespace chart {

class TCustomZelPanelExtended : public TCustomZelPanel {
 public:
  TCustomZelPanelExtended() = default;
  ~TCustomZelPanelExtended() override = default;

  TChartGradient& Gradient() { return FGradient; }
  // The background picture; null or empty draws none.
  const std::shared_ptr<const TPicture>& BackImage() const { return FBackImage; }
  void SetBackImage(std::shared_ptr<const TPicture> v);
  TZelBackImageMode BackImageMode() const { return FBackImageMode; }
  void SetBackImageMode(TZelBackImageMode v);
  bool AllowZoom() const { return FAllowZoom; }
  void SetAllowZoom(bool v);
  TPanningMode AllowPanning() const { return FAllowPanning; }
  void SetAllowPanning(TPanningMode v);
  bool AnimatedZoom() const { return FAnimatedZoom; }
  void SetAnimatedZoom(bool v);
  int AnimatedZoomSteps() const { return FAnimatedZoomSteps; }
  void SetAnimatedZoomSteps(int v);

  // True while stored properties are being read (validations that compare two
  // properties wait until both are there).
  bool Loading() const { return FLoading; }
  void BeginLoading() { FLoading = true; }
  void EndLoading() { FLoading = false; }

  TNotifyEvent OnZoom;
  TNotifyEvent OnUndoZoom;
  TNotifyEvent OnScroll;

  // Background steps of the paint.
  virtual void FillBackground(const TRect& rect);
  virtual void DrawBackImage(const TRect& rect);
  virtual void PaintPanelBackground(const TRect& rect);

 private:
  TChartGradient FGradient{[this] { InvalidateChart(); }};
  std::shared_ptr<const TPicture> FBackImage;
  // The back image repeated into a block of some 256 pixels a side, for tiling: the number
  // of copies drawn then depends on the area covered, not on how small the image is.
  std::shared_ptr<const TPicture> FTileBlock;
  const TPicture* FTileBlockOf = nullptr;
  TZelBackImageMode FBackImageMode = pbmStretch;
  bool FAllowZoom = true;
  TPanningMode FAllowPanning = pmBoth;
  bool FAnimatedZoom = false;
  int FAnimatedZoomSteps = 8;
  bool FLoading = false;
};

}  // namespace chart
