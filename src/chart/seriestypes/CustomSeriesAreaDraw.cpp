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
#include "chart/seriestypes/DirectWalk.h"
#include "chart/seriestypes/DrawableRange.h"
#include "chart/seriestypes/PointColors.h"

namespace chart {

namespace {
// By value, so that the working state stays in registers.
constexpr int Lower(int a, int b) { return a < b ? a : b; }
constexpr int Higher(int a, int b) { return a < b ? b : a; }
}  // namespace

bool TCustomSeries::ListPixels(const TPointPixelMapper& map, int first, int n, TPoint* out, int reach) const {
  return map.MapPoints(XValues().Data() + first, XValues().Multiplier(), YValues().Data() + first,
                       YValues().Multiplier(), n, out, reach);
}

bool TCustomSeries::AreaPixels(const TPointPixelMapper& map, int first, int n, TPoint* tops, int* bases, int reach) {
  const bool drawable = ListPixels(map, first, n, tops, reach);
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

  TDirectWalk w{FPrevX, FPrevY, FPrevColor, false};
  int pb = FPrevBasePos;
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
    if (drawable && joinColumns && w.Valid && seriesColor != clNone && w.Color == seriesColor && start != first &&
        hasSeriesColorOnly(start, n)) {
      if (pending && columnColor != seriesColor) {
        DrawAreaColumn(cv, columnX, low, high, columnColor);
        pending = false;
      }
      columnColor = seriesColor;
      for (int k = 0; k < n;) {
        const int x = tops[k].X;
        if (x != w.X) {
          if (pending) {
            DrawAreaColumn(cv, columnX, low, high, columnColor);
            pending = false;
          }
          DrawAreaSegment(cv, w.X, w.Y, pb, x, tops[k].Y, bases[k], seriesColor);
          w.X = x;
          w.Y = tops[k].Y;
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
          if (yLow != w.Y || yHigh != w.Y) {
            const int lo = Lower(Lower(w.Y, yLow), pb), hi = Higher(Higher(w.Y, yHigh), pb);
            low = pending ? Lower(low, lo) : lo;
            high = pending ? Higher(high, hi) : hi;
            pending = true;
            columnX = x;
          }
          w.Y = tops[end - 1].Y;
        } else {
          for (int j = k; j < end; ++j) {
            const int y = tops[j].Y, b = bases[j];
            if (y != w.Y) {
              const int lo = Lower(Lower(w.Y, y), Lower(pb, b)), hi = Higher(Higher(w.Y, y), Higher(pb, b));
              low = pending ? Lower(low, lo) : lo;
              high = pending ? Higher(high, hi) : hi;
              pending = true;
              columnX = x;
            }
            w.Y = y;
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
      auto enter = [&] {
        w.X = XPixel(i - 1);
        w.Y = YPixel(i - 1);
        pb = OriginPixel(i - 1);
        return !IsNull(i - 1);
      };
      WalkTo(w, i, first, x, y, c, enter, [&](bool draw) {
        if (draw && (x != w.X || y != w.Y) && c != clNone) {
          if (w.X == x && joinColumns) {
            const int lo = Lower(Lower(w.Y, y), Lower(pb, b)), hi = Higher(Higher(w.Y, y), Higher(pb, b));
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
            DrawAreaSegment(cv, w.X, w.Y, pb, x, y, b, c);
          }
        }
        pb = b;
      });
    }
  }
  if (pending) DrawAreaColumn(cv, columnX, low, high, columnColor);
  FPrevBasePos = pb;
  FinishWalk(w);
}

}  // namespace chart
