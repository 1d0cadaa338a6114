// Pens, brushes, fonts, gradient and view options: defaults and change handlers.
#include "support/FakeChartHost.h"
#include "chart/canvas/ChartBrush.h"
#include "chart/canvas/ChartFont.h"
#include "chart/canvas/ChartFontObject.h"
#include "chart/canvas/ChartGradient.h"
#include "chart/canvas/ChartPen.h"
#include "chart/canvas/View3DOptions.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace chart {
namespace {

struct PenDefaults {
  const char* Name;
  std::function<std::unique_ptr<TChartPen>(std::function<void()>)> Make;
  TColor Color;
  TPenStyle Style;
  int Width;
  bool Visible;
};

class ChartPenDefaults : public ::testing::TestWithParam<PenDefaults> {};

TEST_P(ChartPenDefaults, ConstructorDefaultsAndNoNotificationOnConstruction) {
  int changes = 0;
  auto pen = GetParam().Make([&] { ++changes; });
  EXPECT_EQ(pen->Color(), GetParam().Color);
  EXPECT_EQ(pen->Style(), GetParam().Style);
  EXPECT_EQ(pen->Width(), GetParam().Width);
  EXPECT_EQ(pen->Visible(), GetParam().Visible);
  EXPECT_EQ(pen->Mode(), pmCopy);
  EXPECT_FALSE(pen->SmallDots());
  EXPECT_EQ(changes, 0);
}

template <typename P>
std::function<std::unique_ptr<TChartPen>(std::function<void()>)> Maker() {
  return [](std::function<void()> f) { return std::make_unique<P>(std::move(f)); };
}

INSTANTIATE_TEST_SUITE_P(
    AllPens, ChartPenDefaults,
    ::testing::Values(PenDefaults{"TChartPen", Maker<TChartPen>(), clBlack, psSolid, 1, true},
                      PenDefaults{"TChartHiddenPen", Maker<TChartHiddenPen>(), clBlack, psSolid, 1, false},
                      PenDefaults{"TDottedGrayPen", Maker<TDottedGrayPen>(), clGray, psDot, 1, true},
                      PenDefaults{"TDarkGrayPen", Maker<TDarkGrayPen>(), clGray, psSolid, 1, true},
                      PenDefaults{"TChartAxisPen", Maker<TChartAxisPen>(), clBlack, psSolid, 2, true},
                      PenDefaults{"TChartArrowPen", Maker<TChartArrowPen>(), clWhite, psSolid, 1, true}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(ChartPen, EverySetterNotifiesOnlyOnARealChange) {
  int changes = 0;
  TChartPen pen([&] { ++changes; });
  pen.SetColor(clBlack);
  pen.SetWidth(1);
  pen.SetStyle(psSolid);
  pen.SetMode(pmCopy);
  pen.SetVisible(true);
  pen.SetSmallDots(false);
  EXPECT_EQ(changes, 0);
  pen.SetColor(clRed);
  pen.SetWidth(3);
  pen.SetStyle(psDash);
  pen.SetMode(pmXor);
  pen.SetVisible(false);
  pen.SetSmallDots(true);
  EXPECT_EQ(changes, 6);
}

TEST(ChartPen, AssignCopiesVisibilityFirstThenPlainAttributesButNotTheHandler) {
  std::vector<std::string> seen;
  TChartPen target;
  target.OnChange = [&] {
    seen.push_back(target.Visible() ? "visible" : "hidden");
    seen.back() += target.Color() == clRed ? "+red" : "+black";
  };
  int sourceChanges = 0;
  TChartPen source([&] { ++sourceChanges; });
  source.SetVisible(false);
  source.SetColor(clRed);
  source.SetWidth(4);
  sourceChanges = 0;
  target.Assign(source);
  // Visible arrives while the colour is still the old one; the plain attributes come after.
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.front(), "hidden+black");
  EXPECT_EQ(seen.back(), "hidden+red");
  EXPECT_EQ(target.Width(), 4);
  EXPECT_EQ(sourceChanges, 0);
  // A copy made through the plain pen type keeps the owner's handler untouched.
  TPen plain;
  plain.Assign(source);
  EXPECT_EQ(plain.Color(), clRed);
}

TEST(ChartBrush, DefaultsToClDefaultAndReportsOnlyNonEmptyBitmaps) {
  int changes = 0;
  TChartBrush brush([&] { ++changes; });
  EXPECT_EQ(brush.Color(), clDefault);
  EXPECT_EQ(brush.Style(), bsSolid);
  EXPECT_FALSE(brush.HasBitmap());
  brush.SetBitmap(std::make_shared<TPicture>());
  EXPECT_FALSE(brush.HasBitmap());
  brush.SetBitmap(std::make_shared<TPicture>(1, 1, std::vector<TColor>{clRed}));
  EXPECT_TRUE(brush.HasBitmap());
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(TBrush().Color(), clWhite);
}

TEST(Font, SizeAndHeightFollowTheResolution) {
  TFont font;
  font.SetSize(8);
  EXPECT_EQ(font.Height(), -11);  // MulDiv(8, 96, 72) = 10.67 -> 11
  EXPECT_EQ(font.Size(), 8);
  font.SetSize(10);
  EXPECT_EQ(font.Height(), -13);
  EXPECT_EQ(font.Size(), 10);

  TFont hiDpi;
  hiDpi.SetPixelsPerInch(144);
  hiDpi.Assign(font);  // across resolutions the point size is kept
  EXPECT_EQ(hiDpi.Size(), 10);
  EXPECT_EQ(hiDpi.Height(), -20);
  EXPECT_EQ(hiDpi.PixelsPerInch(), 144);
}

TEST(Font, AssignNotifiesOnceAndOnlyWhenDifferent) {
  int changes = 0;
  TFont a([&] { ++changes; });
  TFont b;
  b.SetName("Courier");
  b.SetSize(12);
  b.SetStyle({fsBold, fsItalic});
  a.Assign(b);
  EXPECT_EQ(changes, 1);
  a.Assign(b);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(a.Name(), "Courier");
  EXPECT_TRUE(a.Style().Contains(fsItalic));
  EXPECT_FALSE(a.Style().Contains(fsUnderline));
}

TEST(DefaultChartFont, IsArialEightBlackWithoutStyle) {
  testing::TFakeChartHost host;
  TFont font;
  SetDefaultChartFont(font, &host);
  EXPECT_EQ(font.Name(), "Arial");
  EXPECT_EQ(font.Size(), 8);
  EXPECT_EQ(font.Color(), clBlack);
  EXPECT_TRUE(font.Style().Empty());
  EXPECT_TRUE(IsDefaultChartFont(font, &host));
  EXPECT_TRUE(IsDefaultChartFont(font, nullptr));
}

TEST(DefaultChartFont, JapaneseUsesTheInterfaceFontConvertedToPoints) {
  testing::TFakeChartHost host;
  host.Language = LANG_JAPANESE;
  host.UiFontName = "Interface Gothic";
  host.UiFontHeight = -12;
  host.PixelsPerInchY = 96;
  TFont font;
  SetDefaultChartFont(font, &host);
  EXPECT_EQ(font.Name(), "Interface Gothic");
  EXPECT_EQ(font.Size(), 9);  // 12 * 72 / 96
  EXPECT_TRUE(IsDefaultChartFont(font, &host));
  host.UiFontHeight = -13;
  EXPECT_EQ(DefaultChartFontSize(&host), 10);  // 9.75 rounds up
  host.Language = 9;
  EXPECT_FALSE(IsDefaultChartFont(font, &host));
}

TEST(DefaultChartFont, AnyDifferenceMakesItNonDefault) {
  auto changed = [](auto change) {
    TFont f;
    SetDefaultChartFont(f, nullptr);
    change(f);
    return IsDefaultChartFont(f, nullptr);
  };
  EXPECT_FALSE(changed([](TFont& f) { f.SetSize(9); }));
  EXPECT_FALSE(changed([](TFont& f) { f.SetName("Times"); }));
  EXPECT_FALSE(changed([](TFont& f) { f.SetColor(clWindowText); }));
  EXPECT_FALSE(changed([](TFont& f) { f.SetStyle({fsUnderline}); }));
  EXPECT_FALSE(changed([](TFont& f) { f.SetCharset(ANSI_CHARSET); }));
}

TEST(ChartFontObject, StartsWithTheDefaultFontAndRepaintsTheParentOnChange) {
  int repaints = 0;
  TChartFontObject object([&] { ++repaints; });
  EXPECT_TRUE(IsDefaultChartFont(object.Font(), nullptr));
  EXPECT_EQ(repaints, 0);
  object.Font().SetColor(clBlue);
  EXPECT_EQ(repaints, 1);
  TFont other;
  other.SetName("Courier");
  object.SetFont(other);
  EXPECT_EQ(repaints, 2);
  EXPECT_EQ(object.Font().Name(), "Courier");
  object.SetFont(other);
  EXPECT_EQ(repaints, 2);
}

TEST(ChartGradient, DefaultsAndRepaintOnChange) {
  int changes = 0;
  TChartGradient g([&] { ++changes; });
  EXPECT_EQ(g.Direction(), gdTopBottom);
  EXPECT_EQ(g.StartColor(), clWhite);
  EXPECT_EQ(g.EndColor(), clYellow);
  EXPECT_FALSE(g.Visible());
  g.SetVisible(false);
  g.SetDirection(gdFromCenter);
  g.SetEndColor(clRed);
  EXPECT_EQ(changes, 2);
}

TEST(View3DOptions, DefaultsAndOwnerNotifications) {
  std::vector<std::string> events;
  TView3DOptions v({.Repaint = [&] { events.push_back("repaint"); },
                    .Scrolled = [&](bool h) { events.push_back(h ? "scrolled-h" : "scrolled-v"); },
                    .ZoomChanged = [&](int z) { events.push_back("zoom " + std::to_string(z)); }});
  EXPECT_EQ(v.Elevation(), 345);
  EXPECT_EQ(v.HorizOffset(), 0);
  EXPECT_TRUE(v.Orthogonal());
  EXPECT_EQ(v.Perspective(), 15);
  EXPECT_EQ(v.Rotation(), 345);
  EXPECT_EQ(v.Tilt(), 0);
  EXPECT_EQ(v.VertOffset(), 0);
  EXPECT_EQ(v.Zoom(), 100);
  EXPECT_TRUE(v.ZoomText());

  v.SetHorizOffset(5);
  v.SetVertOffset(-2);
  int zoomSeenBeforeStore = -1;
  v.SetOwnerLinks({.Repaint = [&] { events.push_back("repaint"); },
                   .Scrolled = {},
                   .ZoomChanged = [&](int z) { zoomSeenBeforeStore = v.Zoom(); events.push_back("zoom " + std::to_string(z)); }});
  v.SetZoom(150);
  v.SetZoom(150);
  v.SetTilt(0);
  EXPECT_EQ(events, (std::vector<std::string>{"repaint", "scrolled-h", "repaint", "scrolled-v", "zoom 150", "repaint"}));
  EXPECT_EQ(zoomSeenBeforeStore, 100);
  EXPECT_EQ(v.Zoom(), 150);
}

}  // namespace
}  // namespace chart
