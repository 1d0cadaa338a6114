#include "chart/canvas/ChartFont.h"

#include "chart/core/ChartHost.h"
#include "chart/core/Numeric.h"

#include <cstdlib>

namespace chart {

namespace {

bool Japanese(const TPlatformServices* services) {
  return services && services->PrimaryLanguage() == LANG_JAPANESE;
}

}  // namespace

std::string DefaultChartFontName(const TPlatformServices* services) {
  if (Japanese(services)) return services->DefaultFontName();
  return DefaultChartFontNameText;
}

int DefaultChartFontSize(const TPlatformServices* services) {
  const int size = std::atoi(DefaultChartFontSizeText);
  if (size == 8 && Japanese(services)) {
    const int ppi = services->ScreenPixelsPerInchY();
    if (ppi > 0) return MulDiv(-services->DefaultFontHeight(), 72, ppi);
  }
  return size;
}

void SetDefaultChartFont(TFont& font, const TPlatformServices* services) {
  font.SetName(DefaultChartFontName(services));
  font.SetSize(DefaultChartFontSize(services));
  font.SetColor(clBlack);
  font.SetStyle({});
}

bool IsDefaultChartFont(const TFont& font, const TPlatformServices* services) {
  return font.Size() == DefaultChartFontSize(services) && font.Name() == DefaultChartFontName(services) &&
         font.Color() == clBlack && font.Style().Empty() && font.Charset() == DEFAULT_CHARSET;
}

}  // namespace chart
