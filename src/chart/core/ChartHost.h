// What the chart engine needs from the platform: services (palette, locale, fonts, screen)
// and, for a chart shown in a window, the window itself. Implemented over Qt in
// src/platform and by a fake in tests/support.
#pragma once

#include "chart/core/Color.h"
#include "chart/core/Geometry.h"

#include <string>

namespace chart {

class TDeviceSurface;

// Cursor shapes the chart switches between; the toolkit maps them to its own.
using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crSizeAll = -22;
inline constexpr TCursor crHandPoint = -21;
// The engine's hand, installed as a screen cursor at start-up (ScreenCursors.h).
inline constexpr TCursor crZelHand = 2020;

// The system's primary language identifier that changes the default chart font.
inline constexpr int LANG_JAPANESE = 17;

class TPlatformServices {
 public:
  virtual ~TPlatformServices() = default;

  // RGB (0x00BBGGRR) of the interface palette entry `index`, as the platform reports it now.
  virtual TColor SystemColor(int index) const = 0;

  // The user's locale.
  virtual std::string ThousandSeparator() const = 0;
  virtual std::string DecimalSeparator() const = 0;
  virtual std::string ShortDateFormat() const = 0;
  virtual std::string ShortTimeFormat() const = 0;
  // Primary language identifier of the system (LANG_JAPANESE, ...).
  virtual int PrimaryLanguage() const = 0;

  // The toolkit's default interface font: name and height in pixels (negative: character height).
  virtual std::string DefaultFontName() const = 0;
  virtual int DefaultFontHeight() const = 0;

  // The screen: size in pixels and in millimetres, vertical resolution in pixels per inch.
  virtual int ScreenWidthPixels() const = 0;
  virtual int ScreenHeightPixels() const = 0;
  virtual int ScreenWidthMM() const = 0;
  virtual int ScreenHeightMM() const = 0;
  virtual int ScreenPixelsPerInchY() const = 0;
};

// The window that shows a chart.
class TChartHost : public TPlatformServices {
 public:
  // The area the chart paints, in its own coordinates: (0, 0, width, height).
  virtual TRect ClientRect() const = 0;
  // Asks for a paint later; any number of requests before it give one paint.
  virtual void Invalidate() = 0;
  // Paints at once, before returning (scrolling, animated zoom).
  virtual void RepaintNow() = 0;
  virtual void SetCursor(TCursor cursor) = 0;
  // The window's drawing surface: what the window shows. Drawing on it between paints
  // (the zoom rectangle) is visible at once.
  virtual TDeviceSurface& WindowSurface() = 0;
  // Something was drawn on the window surface outside a paint and outside the host's own
  // event handling (a series drawing a new point at once): a host that shows a copy of
  // the surface brings the window up to date. Nothing to do for one that shows it as is.
  virtual void WindowSurfaceDrawn() {}
};

}  // namespace chart
