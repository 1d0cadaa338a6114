// Properties of the drawing panel. Each setter stores a changed value and repaints.
#include <string>

#include "chart/core/Exceptions.h"
#include "chart/panel/CustomZelPanel.h"
#include "chart/core/Store.h"

namespace chart {

void TCustomZelPanel::SetHost(TChartHost* host) {
  FHost = host;
  // A request pending with the previous host says nothing about this one.
  FRepaintRequested = false;
  if (!host) return;
  // Between paints the canvas draws straight on the window (the zoom rectangle).
  FCanvas->AttachDevice(host->WindowSurface());
  HostAttached(*host);
  // The new window shows nothing of the chart yet: it gets a full paint.
  FCanvas->MarkDirty();
  if (!FRepaintEnabled) {
    FChangedWhileDisabled = true;
    return;
  }
  FRepaintRequested = true;
  InvalidateWindow();
}

TRect TCustomZelPanel::PanelRect() const {
  return FHost ? FHost->ClientRect() : TRect{0, 0, FWidth, FHeight};
}

// A new size must repaint: the clean buffer holds the picture of the old one.
void TCustomZelPanel::SetWidth(int v) { if (Store(FWidth, v)) InvalidateChart(); }
void TCustomZelPanel::SetHeight(int v) { if (Store(FHeight, v)) InvalidateChart(); }
void TCustomZelPanel::SetBevelOuter(TBevelCut v) { if (Store(FBevelOuter, v)) InvalidateChart(); }
void TCustomZelPanel::SetBevelInner(TBevelCut v) { if (Store(FBevelInner, v)) InvalidateChart(); }
void TCustomZelPanel::SetBevelWidth(int v) { if (Store(FBevelWidth, v)) InvalidateChart(); }
void TCustomZelPanel::SetBorderWidth(int v) { if (Store(FBorderWidth, v)) InvalidateChart(); }
void TCustomZelPanel::SetMarginLeft(int v) { if (Store(FMarginLeft, v)) InvalidateChart(); }
void TCustomZelPanel::SetMarginTop(int v) { if (Store(FMarginTop, v)) InvalidateChart(); }
void TCustomZelPanel::SetMarginRight(int v) { if (Store(FMarginRight, v)) InvalidateChart(); }
void TCustomZelPanel::SetMarginBottom(int v) { if (Store(FMarginBottom, v)) InvalidateChart(); }
void TCustomZelPanel::SetView3D(bool v) { if (Store(FView3D, v)) InvalidateChart(); }

void TCustomZelPanel::SetChart3DPercent(int v) {
  constexpr int MinPercent = 1, MaxPercent = 100;
  if (v < MinPercent || v > MaxPercent)
    throw ChartException("3D effect percent must be between " + std::to_string(MinPercent) + " and " +
                         std::to_string(MaxPercent));
  if (Store(FChart3DPercent, v)) InvalidateChart();
}

void TCustomZelPanel::SetMonochrome(bool v) {
  if (!Store(FMonochrome, v)) return;
  FCanvas->SetIsMonochrome(v);
  InvalidateChart();
}

void TCustomZelPanel::InvalidateWindow() {
  if (FHost) FHost->Invalidate();
}

}  // namespace chart
