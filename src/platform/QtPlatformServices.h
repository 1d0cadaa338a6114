// Platform services from Qt: palette colours, the user's locale, the default interface font
// and the primary screen.
#pragma once

#include "chart/core/ChartHost.h"

namespace platform {

class QtPlatformServices : public chart::TPlatformServices {
 public:
  chart::TColor SystemColor(int index) const override;
  std::string ThousandSeparator() const override;
  std::string DecimalSeparator() const override;
  std::string ShortDateFormat() const override;
  std::string ShortTimeFormat() const override;
  int PrimaryLanguage() const override;
  std::string DefaultFontName() const override;
  int DefaultFontHeight() const override;
  int ScreenWidthPixels() const override;
  int ScreenHeightPixels() const override;
  int ScreenWidthMM() const override;
  int ScreenHeightMM() const override;
  int ScreenPixelsPerInchY() const override;
};

// The primary language identifier (chart::LANG_JAPANESE, ...) of a Qt language; 0 when
// the language has no identifier here.
int PrimaryLanguageOf(int qtLanguage);

}  // namespace platform
