#include "chart/seriestypes/SeriesPointer.h"

#include "chart/canvas/Canvas3D.h"
#include "chart/core/Exceptions.h"
#include "chart/core/Store.h"

namespace chart {

namespace {
void CheckSize(int v) {
  if (v < 1) throw ChartException("Pointer size must be greater than zero");
}
}  // namespace

TSeriesPointer::TSeriesPointer(std::function<void()> repaint)
    : FRepaint(std::move(repaint)), FBrush([this] { Changed(); }), FPen([this] { Changed(); }) {}

void TSeriesPointer::SetDark3D(bool v) { if (Store(FDark3D, v)) Changed(); }
void TSeriesPointer::SetDraw3D(bool v) { if (Store(FDraw3D, v)) Changed(); }
void TSeriesPointer::SetInflateMargins(bool v) { if (Store(FInflateMargins, v)) Changed(); }
void TSeriesPointer::SetStyle(TSeriesPointerStyle v) { if (Store(FStyle, v)) Changed(); }
void TSeriesPointer::SetVisible(bool v) { if (Store(FVisible, v)) Changed(); }

void TSeriesPointer::SetHorizSize(int v) {
  CheckSize(v);
  if (Store(FHorizSize, v)) Changed();
}

void TSeriesPointer::SetVertSize(int v) {
  CheckSize(v);
  if (Store(FVertSize, v)) Changed();
}

void TSeriesPointer::Assign(const TSeriesPointer& o) {
  if (&o == this) return;
  FBrush.Assign(o.FBrush);
  FPen.Assign(o.FPen);
  FHorizSize = o.FHorizSize;
  FVertSize = o.FVertSize;
  FStyle = o.FStyle;
  FDark3D = o.FDark3D;
  FDraw3D = o.FDraw3D;
  FInflateMargins = o.FInflateMargins;
  FVisible = o.FVisible;
  Changed();
}

void TSeriesPointer::DrawMarker(TCanvas3D& c, TSeriesPointerStyle style, int x, int y, int hs, int vs) {
  // Boxes and line ends are exclusive on the right and bottom, so a marker covers
  // 2 * size + 1 pixels each way, centred on its point.
  const int l = x - hs, t = y - vs, r = x + hs + 1, b = y + vs + 1;
  switch (style) {
    case psRectangle: c.DrawRectangle(l, t, r, b); break;
    case psCircle: c.DrawEllipse(l, t, r, b); break;
    case psTriangle: {
      const TPoint p[3] = {{x - hs, y + vs}, {x + hs, y + vs}, {x, y - vs}};
      c.DrawPolygon(p, 2);
      break;
    }
    case psDownTriangle: {
      const TPoint p[3] = {{x - hs, y - vs}, {x + hs, y - vs}, {x, y + vs}};
      c.DrawPolygon(p, 2);
      break;
    }
    case psDiamond: {
      const TPoint p[4] = {{x, y - vs}, {x + hs, y}, {x, y + vs}, {x - hs, y}};
      c.DrawPolygon(p, 3);
      break;
    }
    case psCross:
      c.DrawSegment(l, y, r, y);
      c.DrawSegment(x, t, x, b);
      break;
    case psDiagCross:
      c.DrawSegment(l, t, r, b);
      c.DrawSegment(l, y + vs, r, t - 1);
      break;
    case psStar:
      c.DrawSegment(l, y, r, y);
      c.DrawSegment(x, t, x, b);
      c.DrawSegment(l, t, r, b);
      c.DrawSegment(l, y + vs, r, t - 1);
      break;
    case psSmallDot: c.PutPixel(x, y, c.Brush().Color()); break;
  }
}

}  // namespace chart
