#include "platform/QtPlatformServices.h"

#include "chart/core/Numeric.h"
#include "platform/QtSystemColors.h"

#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

#include <cmath>

namespace platform {

namespace {

struct TLanguageId {
  QLocale::Language Language;
  int Id;
};

// Primary language identifiers of the system's language numbering.
constexpr TLanguageId LanguageIds[] = {
    {QLocale::Arabic, 1},   {QLocale::Bulgarian, 2}, {QLocale::Catalan, 3},   {QLocale::Chinese, 4},
    {QLocale::Czech, 5},    {QLocale::Danish, 6},    {QLocale::German, 7},    {QLocale::Greek, 8},
    {QLocale::English, 9},  {QLocale::Spanish, 10},  {QLocale::Finnish, 11},  {QLocale::French, 12},
    {QLocale::Hebrew, 13},  {QLocale::Hungarian, 14}, {QLocale::Icelandic, 15}, {QLocale::Italian, 16},
    {QLocale::Japanese, 17}, {QLocale::Korean, 18},  {QLocale::Dutch, 19},    {QLocale::NorwegianBokmal, 20},
    {QLocale::Polish, 21},  {QLocale::Portuguese, 22}, {QLocale::Romanian, 24}, {QLocale::Russian, 25},
    {QLocale::Croatian, 26}, {QLocale::Slovak, 27},  {QLocale::Albanian, 28}, {QLocale::Swedish, 29},
    {QLocale::Thai, 30},    {QLocale::Turkish, 31},  {QLocale::Ukrainian, 34},
};

QScreen* Screen() { return QGuiApplication::primaryScreen(); }

}  // namespace

int PrimaryLanguageOf(int qtLanguage) {
  for (const auto& l : LanguageIds)
    if (l.Language == qtLanguage) return l.Id;
  return 0;
}

chart::TColor QtPlatformServices::SystemColor(int index) const { return QtSystemColor(index); }

std::string QtPlatformServices::ThousandSeparator() const { return QLocale().groupSeparator().toStdString(); }

std::string QtPlatformServices::DecimalSeparator() const { return QLocale().decimalPoint().toStdString(); }

std::string QtPlatformServices::ShortDateFormat() const {
  return QLocale().dateFormat(QLocale::ShortFormat).toStdString();
}

std::string QtPlatformServices::ShortTimeFormat() const {
  return QLocale().timeFormat(QLocale::ShortFormat).toStdString();
}

int QtPlatformServices::PrimaryLanguage() const { return PrimaryLanguageOf(QLocale::system().language()); }

std::string QtPlatformServices::DefaultFontName() const {
  return QFontInfo(QGuiApplication::font()).family().toStdString();
}

int QtPlatformServices::DefaultFontHeight() const {
  const QFont font = QGuiApplication::font();
  if (font.pixelSize() > 0) return -font.pixelSize();
  const double points = font.pointSizeF() > 0 ? font.pointSizeF() : 9.0;
  return -chart::RoundInt(points * ScreenPixelsPerInchY() / 72.0);
}

int QtPlatformServices::ScreenWidthPixels() const { return Screen() ? Screen()->size().width() : 0; }

int QtPlatformServices::ScreenHeightPixels() const { return Screen() ? Screen()->size().height() : 0; }

int QtPlatformServices::ScreenWidthMM() const {
  return Screen() ? chart::RoundInt(Screen()->physicalSize().width()) : 0;
}

int QtPlatformServices::ScreenHeightMM() const {
  return Screen() ? chart::RoundInt(Screen()->physicalSize().height()) : 0;
}

int QtPlatformServices::ScreenPixelsPerInchY() const {
  const int dpi = Screen() ? chart::RoundInt(Screen()->logicalDotsPerInchY()) : 0;
  return dpi > 0 ? dpi : 96;
}

}  // namespace platform
