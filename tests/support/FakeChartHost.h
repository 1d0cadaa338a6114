// A chart host for tests: a recording window surface, counters for invalidation and
// repaint requests, and platform services whose answers the test sets.
#pragma once

#include "RecordingDevice.h"
#include "chart/core/ChartHost.h"

namespace chart::testing {

class TFakeChartHost : public TChartHost {
 public:
  TColor SystemColor(int index) const override { return FWindow.LookupSystemColor(index); }
  std::string ThousandSeparator() const override { return Thousands; }
  std::string DecimalSeparator() const override { return Decimal; }
  std::string ShortDateFormat() const override { return DateFormat; }
  std::string ShortTimeFormat() const override { return TimeFormat; }
  int PrimaryLanguage() const override { return Language; }
  std::string DefaultFontName() const override { return UiFontName; }
  int DefaultFontHeight() const override { return UiFontHeight; }
  int ScreenWidthPixels() const override { return ScreenWidth; }
  int ScreenHeightPixels() const override { return ScreenHeight; }
  int ScreenWidthMM() const override { return ScreenWidthMillimetres; }
  int ScreenHeightMM() const override { return ScreenHeightMillimetres; }
  int ScreenPixelsPerInchY() const override { return PixelsPerInchY; }

  TRect ClientRect() const override { return Client; }
  void Invalidate() override { ++Invalidations; }
  void RepaintNow() override { ++ImmediateRepaints; if (OnRepaintNow) OnRepaintNow(); }
  void SetCursor(TCursor cursor) override { Cursor = cursor; }
  TDeviceSurface& WindowSurface() override { return FWindow; }
  void WindowSurfaceDrawn() override { ++SurfaceDrawings; }
  TRecordingDevice& Window() { return FWindow; }

  TRect Client{0, 0, 905, 525};
  std::string Thousands = ",";
  std::string Decimal = ".";
  std::string DateFormat = "dd.MM.yyyy";
  std::string TimeFormat = "hh:mm";
  int Language = 9;  // English
  std::string UiFontName = "Interface Sans";
  int UiFontHeight = -12;
  int ScreenWidth = 1920, ScreenHeight = 1080;
  int ScreenWidthMillimetres = 508, ScreenHeightMillimetres = 286;
  int PixelsPerInchY = 96;

  int Invalidations = 0;
  int ImmediateRepaints = 0;
  int SurfaceDrawings = 0;
  TCursor Cursor = crDefault;
  std::function<void()> OnRepaintNow;

 private:
  TRecordingDevice FWindow;
};

}  // namespace chart::testing
