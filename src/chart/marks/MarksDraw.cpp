// Drawing the marks of a series: one box per visible point, sized to its text, placed by
// the series, remembered, then drawn with its arrow, frame, fill and centred lines.
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "chart/axis/CustomChartAxis.h"
#include "chart/core/Numeric.h"
#include "chart/marks/SeriesMarks.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/panel/MultiLineText.h"
#include "chart/series/ChartSeries.h"

namespace chart {

namespace {

// Points beyond this are not drawn by their series either: the toolkit's coordinates end here.
constexpr int MaxDrawable = 32766;
constexpr bool OffDrawable(int x, int y) {
  return x < -MaxDrawable || x > MaxDrawable || y < -MaxDrawable || y > MaxDrawable;
}

// The lines of a text in order, without copying them.
template <class Each>
void ForEachLine(std::string_view text, Each&& each) {
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find(LineSeparator, start);
    if (end == std::string_view::npos) end = text.size();
    each(text.substr(start, end - start));
    start = end + 1;
  }
}

}  // namespace

void TSeriesMarks::DrawMarks() {
  TCustomAxisPanel* chart = FSeries.ParentChart();
  const TCustomChartAxis* horiz = FSeries.GetHorizAxis();
  const TCustomChartAxis* vert = FSeries.GetVertAxis();
  const int first = FSeries.FirstValueIndex();
  // A value list changed on its own may be shorter than the series.
  const int last = std::min({FSeries.LastValueIndex(), FSeries.XValues().Count() - 1, FSeries.YValues().Count() - 1,
                             FSeries.MandatoryValueList().Count() - 1});
  if (!chart || !horiz || !vert || first < 0 || last < first) return;

  TZelCanvas3D& c = chart->Canvas();
  // In depth the marks stand where their series does.
  FZPosition = FSeries.MarksDepth();
  chart->ApplyFont(FFont);
  const TView3DOptions& view = chart->View3DOptions();
  if (chart->View3D() && view.ZoomText() && view.Zoom() != 100)
    c.Font().SetSize(std::max(1, MulDiv(c.Font().Size(), view.Zoom(), 100)));
  // Measured once: every mark of this paint shares the font.
  FLineHeight = c.MeasureFontHeight();
  const std::int64_t padding = c.MeasureTextWidth("W");
  const std::int64_t frame = FFrame.Visible() ? 2 * std::int64_t{FFrame.Width()} : 0;
  const double total = StyleUsesTotal() ? FSeries.AbsTotal() : 0.0;
  auto measure = [&c](std::string_view line) { return c.MeasureTextWidth(line); };

  TSeriesMarkPosition position;
  for (int i = first; i <= last; ++i) {
    if (FSeries.IsNull(i)) continue;
    // A series drawn without axes places the box itself, from no point of its own.
    const bool onAxes = FSeries.UseAxis();
    const int x = onAxes ? horiz->ValueToXPixel(FSeries.XValue(i)) : 0;
    const int y = onAxes ? vert->ValueToYPixel(FSeries.YValue(i)) : 0;
    if (OffDrawable(x, y)) continue;
    const std::string text = MarkText(i, total);
    if (text.empty()) continue;
    const TTextExtent extent = MultiLineTextWidth(text, measure);
    const std::int64_t w = extent.Width + padding + frame;
    const std::int64_t h = std::int64_t{extent.Lines} * FLineHeight + frame;
    position.ArrowFrom = position.ArrowTo = {x, y};
    position.LeftTop = {ClampToPixel(x - w / 2), ClampToPixel(y - h + 1)};
    position.Width = ClampToPixel(w);
    position.Height = ClampToPixel(h);
    FSeries.DrawMark(i, text, position);
  }
  FLineHeight = -1;
}

void TSeriesMarks::DrawMark(int index, const std::string& text, TSeriesMarkPosition& position) {
  TCustomAxisPanel* chart = FSeries.ParentChart();
  if (!chart || index < 0 || index >= FSeries.Count()) return;
  TSeriesMarkPosition& remembered = FPositions.Ensure(index);
  if (remembered.Custom) position = remembered;
  else remembered.Assign(position);

  TZelCanvas3D& c = chart->Canvas();
  // Drawn on its own, outside the marks of a paint, it sets and measures its font itself.
  const bool alone = FLineHeight < 0;
  if (alone) {
    chart->ApplyFont(FFont);
    FLineHeight = c.MeasureFontHeight();
  }
  const bool is3D = chart->View3D();
  if (FArrow.Visible()) {
    c.ApplyChartPen(FArrow);
    c.Brush().SetStyle(bsClear);
    const TColor back = chart->Color();
    if (ArrowContrast && (FArrow.Color() == FSeries.ValueColor(index) || FArrow.Color() == back))
      c.Pen().SetColor(back == clBlack ? clWhite : clBlack);
    const TPoint a = position.ArrowFrom, b = position.ArrowTo;
    if (is3D) c.DrawLineAtDepth(a.X, a.Y, b.X, b.Y, FZPosition);
    else c.DrawSegment(a.X, a.Y, b.X, b.Y);
  }

  const TRect box = position.Bounds();
  std::int64_t top = box.Top;
  if (FFrame.Visible() || !FTransparent) {
    c.Brush().SetColor(FBackColor);
    c.Brush().SetStyle(FTransparent ? bsClear : bsSolid);
    c.ApplyChartPen(FFrame);
    if (is3D) c.DrawRectangleAtDepth(box, FZPosition);
    else c.DrawRectangle(box.Left, box.Top, box.Right, box.Bottom);
    if (FFrame.Visible()) top += FFrame.Width();
  }

  c.Brush().SetStyle(bsClear);
  c.SetTextBackMode(TRANSPARENT);
  c.SetTextAlignment(TA_CENTER | TA_TOP);
  const int x = ClampToPixel(std::int64_t{box.Left} + position.Width / 2);
  ForEachLine(text, [&](std::string_view line) {
    const int y = ClampToPixel(top);
    // The font is already zoomed: in 3D only the place is projected.
    if (is3D) {
      const TPoint p = c.ProjectToPoint(x, y, FZPosition);
      c.DrawText(p.X, p.Y, line);
    } else {
      c.DrawText(x, y, line);
    }
    top += FLineHeight;
  });
  c.SetTextAlignment(TA_LEFT | TA_TOP);
  if (alone) FLineHeight = -1;
}

}  // namespace chart
