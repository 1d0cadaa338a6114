// The platform-service half of a chart host over Qt: every host shown by Qt (a window or
// an image) answers palette, locale, font and screen questions the same way.
#pragma once

#include "chart/core/ChartHost.h"
#include "platform/QtPlatformServices.h"

namespace platform {

class QtChartHostBase : public chart::TChartHost {
 public:
  chart::TColor SystemColor(int index) const override { return FServices.SystemColor(index); }
  std::string ThousandSeparator() const override { return FServices.ThousandSeparator(); }
  std::string DecimalSeparator() const override { return FServices.DecimalSeparator(); }
  std::string ShortDateFormat() const override { return FServices.ShortDateFormat(); }
  std::string ShortTimeFormat() const override { return FServices.ShortTimeFormat(); }
  int PrimaryLanguage() const override { return FServices.PrimaryLanguage(); }
  std::string DefaultFontName() const override { return FServices.DefaultFontName(); }
  int DefaultFontHeight() const override { return FServices.DefaultFontHeight(); }
  int ScreenWidthPixels() const override { return FServices.ScreenWidthPixels(); }
  int ScreenHeightPixels() const override { return FServices.ScreenHeightPixels(); }
  int ScreenWidthMM() const override { return FServices.ScreenWidthMM(); }
  int ScreenHeightMM() const override { return FServices.ScreenHeightMM(); }
  int ScreenPixelsPerInchY() const override { return FServices.ScreenPixelsPerInchY(); }

 private:
  QtPlatformServices FServices;
};

}  // namespace platform
