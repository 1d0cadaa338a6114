// Placement of a label or title text at an axis: the alignment and the offsets that make
// the text stand off the axis the right way for each side and each right angle, one line
// after the other.
#include "chart/axis/CustomChartAxis.h"
#include "chart/canvas/Canvas3D.h"
#include "chart/panel/MultiLineText.h"

#include <algorithm>

namespace chart {

namespace {

int ClampInt(long long v) { return static_cast<int>(std::clamp<long long>(v, INT32_MIN, INT32_MAX)); }

// Indexed by IsHorizontal * 2 + IsOtherSide: left, right, bottom and top axis.
constexpr unsigned SideAlignment[4] = {TA_RIGHT | TA_TOP, TA_LEFT | TA_TOP, TA_CENTER | TA_TOP,
                                       TA_CENTER | TA_BOTTOM};

}  // namespace

void TCustomChartAxis::DrawLabel(int x, int y, std::string_view text, int angle) {
  TCanvas3D* canvas = FParent ? FParent->AxisCanvas() : nullptr;
  if (!canvas) return;
  TCanvas3D& c = *canvas;
  const int n = TextLineCount(text);
  if (n == 0) return;
  const int fh = c.MeasureFontHeight();
  const int h = fh / 2;
  const int side = (FIsHorizontal ? 2 : 0) + (FIsOtherSide ? 1 : 0);
  const bool bottom = FIsHorizontal && !FIsOtherSide;
  const bool top = FIsHorizontal && FIsOtherSide;
  const bool leftAxis = !FIsHorizontal && !FIsOtherSide;
  // Half a line per extra line: centres a block of n lines on the anchor.
  auto centred = [n](int l) { return Round(l * 0.5 * (n + 1)); };

  long long px = x, py = y;
  int dx = 0, dy = 0;
  unsigned align = TA_LEFT | TA_TOP;
  bool rotated = true;
  switch (angle) {
    case 0: {
      const int l = fh;
      align = SideAlignment[side];
      if (!FIsHorizontal) py -= h;
      if (bottom) py -= l;
      else if (top) py -= Round(static_cast<double>(n) * l);
      else py -= centred(l);
      dy = l;
      rotated = false;
      break;
    }
    case 90: {
      const int l = fh;
      if (FIsHorizontal) {
        align = bottom ? (TA_RIGHT | TA_TOP) : (TA_LEFT | TA_TOP);
        px -= h;
        px -= centred(l);
      } else {
        align = leftAxis ? (TA_CENTER | TA_BOTTOM) : (TA_CENTER | TA_TOP);
        px -= leftAxis ? Round(static_cast<double>(n) * l) : l;
      }
      dx = l;
      break;
    }
    case 180: {
      const int l = -fh;
      align = SideAlignment[side ^ 1];
      if (!FIsHorizontal) {
        py += h;
        py -= centred(l);
      } else if (bottom) {
        py -= Round(static_cast<double>(n) * l);
      } else {
        py -= l;
      }
      dy = l;
      break;
    }
    case 270: {
      const int l = -fh;
      if (FIsHorizontal) {
        align = bottom ? (TA_LEFT | TA_TOP) : (TA_RIGHT | TA_TOP);
        px += h;
        px -= centred(l);
      } else {
        align = leftAxis ? (TA_CENTER | TA_TOP) : (TA_CENTER | TA_BOTTOM);
        px -= leftAxis ? l : Round(static_cast<double>(n) * l);
      }
      dx = l;
      break;
    }
    default:
      break;  // every line at the same point, turned by the angle
  }

  const int depth = DrawDepth();
  c.SetTextAlignment(align);
  std::size_t start = 0;
  for (int line = 0; line < n; ++line) {
    std::size_t end = text.find(LineSeparator, start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view part = text.substr(start, end - start);
    start = end + 1;
    px += dx;
    py += dy;
    if (rotated) c.DrawRotatedText3D(ClampInt(px), ClampInt(py), depth, part, angle);
    else c.DrawText3D(ClampInt(px), ClampInt(py), part, depth);
  }
  c.SetTextAlignment(TA_LEFT | TA_TOP);
}

}  // namespace chart
