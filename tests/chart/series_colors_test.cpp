// The colour values series and charts are compared and drawn with: a wrong constant here
// would silently give series the wrong default colour or make a null point look drawn.
#include <gtest/gtest.h>

#include <limits>
#include <set>

#include "chart/core/Color.h"
#include "chart/core/Palette.h"

namespace chart {
namespace {

TEST(SeriesColors, NamedColoursHaveTheirBGRValues) {
  const std::pair<TColor, TColor> table[] = {
      {clBlack, 0x000000},        {clMaroon, 0x000080},       {clGreen, 0x008000},
      {clOlive, 0x008080},        {clNavy, 0x800000},         {clPurple, 0x800080},
      {clTeal, 0x808000},         {clGray, 0x808080},         {clSilver, 0xC0C0C0},
      {clRed, 0x0000FF},          {clLime, 0x00FF00},         {clYellow, 0x00FFFF},
      {clBlue, 0xFF0000},         {clFuchsia, 0xFF00FF},      {clAqua, 0xFFFF00},
      {clWhite, 0xFFFFFF},        {clMoneyGreen, 0xC0DCC0},   {clSkyBlue, 0xF0CAA6},
      {clCream, 0xF0FBFF},        {clMedGray, 0xA4A0A0},      {clBtnFace, 0xFF00000F},
      {clWindowText, 0xFF000008}, {clBtnShadow, 0xFF000010},  {clBtnHighlight, 0xFF000014},
      {clDefault, 0x20000000},    {clNone, 0x1FFFFFFF},       {clMenuBar, 0xFF00001E},
      {clScrollBar, 0xFF000000},  {clHotLight, 0xFF00001A},   {clInfoBk, 0xFF000018}};
  for (const auto& [named, value] : table) EXPECT_EQ(named, value);
  EXPECT_TRUE(IsSystemColor(clBtnFace));
  EXPECT_FALSE(IsSystemColor(clDefault));
  EXPECT_FALSE(IsSystemColor(clNone));
  EXPECT_EQ(SystemColorIndex(clWindowText), 8);
}

TEST(SeriesColors, DefaultPaletteOrderAndWrap) {
  const TColor expected[16] = {clRed,  clGreen,  clYellow, clBlue,  clWhite,  clGray,   clFuchsia, clTeal,
                               clNavy, clMaroon, clLime,   clOlive, clPurple, clSilver, clAqua,    clBlack};
  std::set<TColor> distinct;
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(PaletteColor(i), expected[i]) << i;
    EXPECT_EQ(PaletteColor(i + 16), expected[i]) << i;
    EXPECT_EQ(PaletteColor(i + 1600), expected[i]) << i;
    distinct.insert(PaletteColor(i));
  }
  EXPECT_EQ(distinct.size(), 16u);  // the free-colour search relies on 16 different colours
  EXPECT_EQ(PaletteColor(-16), clRed);
  EXPECT_EQ(PaletteColor(std::numeric_limits<int>::min()), clRed);
  EXPECT_EQ(PaletteColor(std::numeric_limits<int>::max()), clBlack);
}

}  // namespace
}  // namespace chart
