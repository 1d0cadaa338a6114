// Conversions between the chart's colours (0x00BBGGRR) and Qt's (0xAARRGGBB).
#pragma once

#include "chart/core/Color.h"

#include <QColor>
#include <QRgb>

namespace platform {

inline QRgb ToQRgb(chart::TColor c) {
  return qRgb(chart::GetRValue(c), chart::GetGValue(c), chart::GetBValue(c));
}
inline QColor ToQColor(chart::TColor c) { return QColor::fromRgb(ToQRgb(c)); }
inline chart::TColor FromQRgb(QRgb c) {
  return chart::RGB(static_cast<std::uint8_t>(qRed(c)), static_cast<std::uint8_t>(qGreen(c)),
                    static_cast<std::uint8_t>(qBlue(c)));
}
inline chart::TColor FromQColor(const QColor& c) { return FromQRgb(c.rgb()); }

}  // namespace platform
