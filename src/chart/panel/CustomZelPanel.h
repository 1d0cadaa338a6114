// The base of every chart control: its colour and the deferred repaint request that every
// change of the chart or of its elements ends in.
#pragma once

#include <cstdint>

#include <functional>
#include <memory>

#include "chart/canvas/View3DOptions.h"
#include "chart/canvas/ZelCanvas3D.h"
#include "chart/core/ChartHost.h"
#include "chart/core/Color.h"
#include "chart/core/Geometry.h"
#include "chart/panel/PanelTypes.h"
#include "chart/series/ChartComponent.h"

namespace chart {

class TCustomZelPanel : public TChartComponent {
 public:
  TCustomZelPanel() = default;
  ~TCustomZelPanel() override = default;

  TColor Color() const { return FColor; }
  void SetColor(TColor v);

  // Marks the chart for painting. Every request marks the buffer dirty; only the first
  // one after a paint reaches the window, so a series may ask once per point.
  virtual void InvalidateChart();
  // Number of InvalidateChart calls so far (repaint requests, not paints).
  std::uint64_t InvalidateCount() const { return FInvalidateCount; }
  // True between a request that reached the window and the paint that answers it.
  bool RepaintRequested() const { return FRepaintRequested; }

  bool RepaintEnabled() const { return FRepaintEnabled; }
  // Switching repaints back on shows whatever changed while they were off.
  void SetRepaintEnabled(bool v);
  // Between these, changes ask for no paint: a paint that rearranges its own series' points
  // before drawing them (gathering pie slices) would otherwise ask for itself again.
  void BeginQuietChanges() { ++FQuietChanges; }
  void EndQuietChanges() { --FQuietChanges; }
  // True while the chart's destructor runs: its series ask for no more repaints.
  bool IsDestroying() const { return FDestroying; }

 protected:
  // The paint calls this first so that the next change asks the window again.
  void RepaintRequestHandled() { FRepaintRequested = false; }
  void SetDestroying() { FDestroying = true; }
  // Asks the window for a paint.
  virtual void InvalidateWindow();
  // The chart's fonts follow the platform of a newly attached host (its default font).
  virtual void HostAttached(TChartHost& host) { (void)host; }

  // --- the drawing panel: window, canvas, geometry and the paint entry ------------------
  // (ZelPanelProperties.cpp, ZelPanelPaint.cpp)
 public:
  // The window that shows the chart; the canvas draws on its surface between paints.
  // A new host is always asked for a paint, whatever an earlier host was asked.
  TChartHost* Host() const { return FHost; }
  void SetHost(TChartHost* host);
  TZelCanvas3D& Canvas() const { return *FCanvas; }
  TView3DOptions& View3DOptions() { return FView3DOptions; }
  // The 3D view was moved (horizontal: by HorizOffset) or is about to take a new zoom.
  std::function<void(TCustomZelPanel* sender, bool horizontal)> OnView3DScroll;
  std::function<void(TCustomZelPanel* sender, int zoom)> OnView3DZoom;

  int Width() const { return FWidth; }
  void SetWidth(int v);
  int Height() const { return FHeight; }
  void SetHeight(int v);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut v);
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut v);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int v);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int v);
  // Margins in percent of the drawing's width or height.
  int MarginLeft() const { return FMarginLeft; }
  void SetMarginLeft(int v);
  int MarginTop() const { return FMarginTop; }
  void SetMarginTop(int v);
  int MarginRight() const { return FMarginRight; }
  void SetMarginRight(int v);
  int MarginBottom() const { return FMarginBottom; }
  void SetMarginBottom(int v);
  bool View3D() const { return FView3D; }
  void SetView3D(bool v);
  int Chart3DPercent() const { return FChart3DPercent; }
  void SetChart3DPercent(int v);
  bool Monochrome() const { return FMonochrome; }
  void SetMonochrome(bool v);
  bool Printing() const { return FPrinting; }
  void SetPrinting(bool v) { FPrinting = v; }

  // The plotting area of the current paint and the figures derived from it.
  const TRect& ChartRect() const { return FChartRect; }
  void SetChartRect(const TRect& r) { FChartRect = r; RecalcWidthHeight(); }
  int ChartWidth() const { return FChartWidth; }
  int ChartHeight() const { return FChartHeight; }
  int ChartXCenter() const { return FChartXCenter; }
  int ChartYCenter() const { return FChartYCenter; }
  int Width3D() const { return FWidth3D; }
  int Height3D() const { return FHeight3D; }
  int SeriesWidth3D() const { return FSeriesWidth3D; }
  // The 3D depth of this paint (set by the layout; all 0 in a flat chart).
  void SetDepth3D(int width3D, int height3D, int seriesWidth3D) {
    FWidth3D = width3D;
    FHeight3D = height3D;
    FSeriesWidth3D = seriesWidth3D;
  }
  // The rectangle the canvas gave for this paint.
  const TRect& ChartBounds() const { return FChartBounds; }
  // The client rectangle: the host's, or (0, 0, Width, Height) without one.
  TRect PanelRect() const;

  // The window's paint event: a clean buffer is copied back, anything else redrawn.
  void Paint();
  virtual void DrawToCanvas(TDeviceSurface& surface, const TRect& rect);
  virtual void PaintChart(const TRect& bounds) { (void)bounds; }
  virtual void DrawBevels(const TRect& rect);
  // The canvas font becomes a copy of the font, which first takes the canvas resolution.
  virtual void ApplyFont(TFont& font);
  // Change handler of every pen, brush and font of the chart.
  virtual void AttributeChanged() { InvalidateChart(); }
  // Keeps the chart rectangle usable: inside the bounds, never inverted or empty.
  void NormalizeChartRect();
  void RecalcWidthHeight();

 private:
  TChartHost* FHost = nullptr;
  std::unique_ptr<TZelCanvas3D> FCanvas = std::make_unique<TZelCanvas3D>();
  TView3DOptions FView3DOptions{TView3DOptions::TOwnerLinks{
      [this] { InvalidateChart(); },
      [this](bool horizontal) { if (OnView3DScroll) OnView3DScroll(this, horizontal); },
      [this](int zoom) { if (OnView3DZoom) OnView3DZoom(this, zoom); }}};
  int FWidth = 400;
  int FHeight = 250;
  TBevelCut FBevelOuter = bvRaised;
  TBevelCut FBevelInner = bvNone;
  int FBevelWidth = 1;
  int FBorderWidth = 0;
  int FMarginLeft = 3;
  int FMarginTop = 4;
  int FMarginRight = 3;
  int FMarginBottom = 4;
  bool FView3D = true;
  int FChart3DPercent = 15;
  bool FMonochrome = false;
  bool FPrinting = false;
  TRect FChartRect;
  TRect FChartBounds;
  int FChartWidth = 0;
  int FChartHeight = 0;
  int FChartXCenter = 0;
  int FChartYCenter = 0;
  int FWidth3D = 0;
  int FHeight3D = 0;
  int FSeriesWidth3D = 0;

 private:
  std::uint64_t FInvalidateCount = 0;
  TColor FColor = clBtnFace;
  bool FRepaintEnabled = true;
  int FQuietChanges = 0;
  bool FRepaintRequested = false;
  // A change arrived while repaints were off.
  bool FChangedWhileDisabled = false;
  bool FDestroying = false;
};

}  // namespace chart
