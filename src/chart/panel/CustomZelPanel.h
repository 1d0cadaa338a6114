// The base of every chart control: its colour and the deferred repaint request that every
// change of the chart or of its elements ends in.
#pragma once

#include <cstdint>

#include "chart/core/Color.h"
#include "chart/series/ChartComponent.h"

namespace chart {

class TCustomZelPanel : public TChartComponent {
 public:
  TCustomZelPanel() = default;
  ~TCustomZelPanel() override = default;

  TColor Color() const { return FColor; }
  void SetColor(TColor v);

  // Marks the chart for painting. Only the first request after a paint reaches the
  // window; the rest cost a counter and a flag, so a series may ask once per point.
  virtual void InvalidateChart();
  // Number of InvalidateChart calls so far (repaint requests, not paints).
  std::uint64_t InvalidateCount() const { return FInvalidateCount; }
  // True between a request that reached the window and the paint that answers it.
  bool RepaintRequested() const { return FRepaintRequested; }

  bool RepaintEnabled() const { return FRepaintEnabled; }
  void SetRepaintEnabled(bool v) { FRepaintEnabled = v; }
  // True while the chart's destructor runs: its series ask for no more repaints.
  bool IsDestroying() const { return FDestroying; }

 protected:
  // The paint calls this first so that the next change asks the window again.
  void RepaintRequestHandled() { FRepaintRequested = false; }
  void SetDestroying() { FDestroying = true; }
  // Marks the drawing buffer dirty and asks the window for a paint.
  virtual void InvalidateWindow() {}

 private:
  std::uint64_t FInvalidateCount = 0;
  TColor FColor = clBtnFace;
  bool FRepaintEnabled = true;
  bool FRepaintRequested = false;
  bool FDestroying = false;
};

}  // namespace chart
