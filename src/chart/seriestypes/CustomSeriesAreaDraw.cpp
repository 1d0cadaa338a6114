// The dense area: DrawPointAt's fills for a 2D series without markers or stairs, with the
// values mapped a block at a time. Where many points share a pixel column, the fills
// between them have no width: each is the column from its lowest to its highest corner in
// the outline's pen, and consecutive ones of one colour overlap, so together they are the
// column from the lowest to the highest of them, drawn as one line.
#include <algorithm>
#include <limits>

#include "chart/axis/CustomChartAxis.h"
#include "chart/axis/PointPixelMapper.h"
#include "chart/core/Palette.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/canvas/ColumnScan.h"
#include "chart/seriestypes/CustomSeries.h"
#include "chart/seriestypes/PointColors.h"
#include "chart/seriestypes/DrawableRange.h"

namespace chart {

namespace {
// By value, so that the working state stays in registers.
constexpr int Lower(int a, int b) { return a < b ? a : b; }
constexpr int Higher(int a, int b) { return a < b ? b : a; }
}  // namespace

bool TCustomSeries::AreaPixels(const TPointPixelMapper& map, int first, int n, TPoint* tops, int* bases, int reach) {
  const bool drawable = map.MapPoints(XValues().Data() + first, XValues().Multiplier(), YValues().Data() + first,
                                      YValues().Multiplier(), n, tops, reach);
  std::fill(bases, bases + n, GetVertAxis()->PixelEnd());
  return drawable;
}

bool TCustomSeries::CanDrawAreaDirectly() const {
  const TCustomAxisPanel* chart = ParentChart();
  return !chart->View3D() && FDrawArea && !FStairs && !FPointer->Visible() && ValuesFromLists() &&
         YValues().Count() >= Count();
}

void TCustomSeries::DrawAreaColumn(TCanvas3D& cv, int x, int low, int high, TColor color) {
  if (high == std::numeric_limits<int>::max()) {
    DrawAreaSegment(cv, x, high, low, x, high, low, color);
    return;
  }
  // A fill without width is its outline: the column from its lowest row to its highest.
  PrepareAreaCanvas(cv, color);
  cv.DrawSegment(x, low, x, high + 1);
}

void TCustomSeries::DrawVisibleAreaDirectly() {
  TZelCanvas3D& cv = ParentChart()->Canvas();
  const TPointPixelMapper toPixels(*GetHorizAxis(), *GetVertAxis());
  const int first = FirstValueIndex(), last = LastValueIndex();
  const TPointColors pointColors(*this);
  const TColor seriesColor = pointColors.SeriesColor();
  auto colorOf = [&](int i) { return pointColors.Of(i); };
  auto hasSeriesColorOnly = [&](int base, int n) { return pointColors.SeriesColorOnly(base, n); };
  // Fills without width join only where the outline sets exactly the pixels between its
  // corners, once each: a thin solid pen that copies its colour.
  const TChartPen& pen = FAreaLinesPen;
  const bool joinColumns = pen.Visible() && pen.Style() == psSolid && pen.Width() <= 1 && pen.Mode() == pmCopy;

  // Working state in locals that no lambda captures, so they stay in registers.
  int px = FPrevX, py = FPrevY, pb = FPrevBasePos;
  TColor pc = FPrevColor;
  bool valid = false;
  // The column waiting to be drawn: x, its lowest and highest row, its colour.
  bool pending = false;
  int columnX = 0, low = 0, high = 0;
  TColor columnColor = clNone;

  constexpr int Block = 256;
  TPoint tops[Block];
  int bases[Block];
  for (int start = first; start <= last; start += Block) {
    const int n = std::min(Block, last - start + 1);
    const bool drawable = AreaPixels(toPixels, start, n, tops, bases, MaxDrawable);
    // The usual block: the area is under way, every point has the series colour and lies
    // where it can be drawn.
    if (drawable && joinColumns && valid && seriesColor != clNone && pc == seriesColor && start != first &&
        hasSeriesColorOnly(start, n)) {
      if (pending && columnColor != seriesColor) {
        DrawAreaColumn(cv, columnX, low, high, columnColor);
        pending = false;
      }
      columnColor = seriesColor;
      for (int k = 0; k < n;) {
        const int x = tops[k].X;
        if (x != px) {
          if (pending) {
            DrawAreaColumn(cv, columnX, low, high, columnColor);
            pending = false;
          }
          DrawAreaSegment(cv, px, py, pb, x, tops[k].Y, bases[k], seriesColor);
          px = x;
          py = tops[k].Y;
          pb = bases[k];
          ++k;
          continue;
        }
        // The points that follow in the same column.
        int yLow = tops[k].Y, yHigh = yLow;
        const int end = ScanColumn(tops, k + 1, n, x, yLow, yHigh);
        int bLow = bases[k], bHigh = bLow;
        for (int j = k + 1; j < end; ++j) {
          bLow = Lower(bLow, bases[j]);
          bHigh = Higher(bHigh, bases[j]);
        }
        if (bLow == pb && bHigh == pb) {
          // On one base every row the chain passes is a corner of a fill drawn, unless it
          // never leaves the previous point's row.
          if (yLow != py || yHigh != py) {
            const int lo = Lower(Lower(py, yLow), pb), hi = Higher(Higher(py, yHigh), pb);
            low = pending ? Lower(low, lo) : lo;
            high = pending ? Higher(high, hi) : hi;
            pending = true;
            columnX = x;
          }
          py = tops[end - 1].Y;
        } else {
          for (int j = k; j < end; ++j) {
            const int y = tops[j].Y, b = bases[j];
            if (y != py) {
              const int lo = Lower(Lower(py, y), Lower(pb, b)), hi = Higher(Higher(py, y), Higher(pb, b));
              low = pending ? Lower(low, lo) : lo;
              high = pending ? Higher(high, hi) : hi;
              pending = true;
              columnX = x;
            }
            py = y;
            pb = b;
          }
        }
        k = end;
      }
      continue;
    }
    for (int k = 0; k < n; ++k) {
      const int i = start + k;
      const TColor c = colorOf(i);
      const int x = tops[k].X, y = tops[k].Y, b = bases[k];
      if (OffDrawable(x, y)) {
        pc = c;
        continue;
      }
      if (pc == clNone) {
        px = x;
        py = y;
      }
      bool draw;
      if (i == first) {
        draw = false;
        if (i > 0) {
          px = XPixel(i - 1);
          py = YPixel(i - 1);
          pb = OriginPixel(i - 1);
          valid = true;
          draw = !IsNull(i - 1);
        }
      } else {
        draw = valid;
      }
      if (draw && (x != px || y != py) && c != clNone) {
        if (px == x && joinColumns) {
          const int lo = Lower(Lower(py, y), Lower(pb, b)), hi = Higher(Higher(py, y), Higher(pb, b));
          if (pending && columnX == x && columnColor == c) {
            low = std::min(low, lo);
            high = std::max(high, hi);
          } else {
            if (pending) DrawAreaColumn(cv, columnX, low, high, columnColor);
            pending = true;
            columnX = x;
            low = lo;
            high = hi;
            columnColor = c;
          }
        } else {
          if (pending) DrawAreaColumn(cv, columnX, low, high, columnColor);
          pending = false;
          DrawAreaSegment(cv, px, py, pb, x, y, b, c);
        }
      }
      px = x;
      py = y;
      pb = b;
      valid = true;
      pc = c;
    }
  }
  if (pending) DrawAreaColumn(cv, columnX, low, high, columnColor);
  FPrevX = px;
  FPrevY = py;
  FPrevBasePos = pb;
  FPrevColor = pc;
  FPrevValid = valid;
}

}  // namespace chart
