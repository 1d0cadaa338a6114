// Drawing a title or foot: its box (only when something shows), its lines in order, and
// the room it takes from the chart rectangle.
#include "chart/title/ChartTitle.h"

#include <algorithm>
#include <cstdint>

#include "chart/canvas/ChartFont.h"
#include "chart/core/Numeric.h"
#include "chart/panel/CustomAxisPanel.h"

namespace chart {

TChartTitle::TChartTitle(TCustomAxisPanel& chart)
    : TChartFontObject([&chart] { chart.InvalidateChart(); }),
      FChart(chart),
      FBrush([&chart] { chart.InvalidateChart(); }),
      FFrame([&chart] { chart.InvalidateChart(); }) {
  auto handler = Font().OnChange;
  Font().OnChange = nullptr;
  Font().SetColor(FontDefaultColor);
  Font().OnChange = handler;
}

void TChartTitle::SetText(std::vector<std::string> lines) {
  if (lines == FText) return;
  FText = std::move(lines);
  Repaint();
}
void TChartTitle::SetAlignment(TAlignment v) { if (v != FAlignment) { FAlignment = v; Repaint(); } }
void TChartTitle::SetVisible(bool v) { if (v != FVisible) { FVisible = v; Repaint(); } }
void TChartTitle::SetColor(TColor v) { if (v != FColor) { FColor = v; Repaint(); } }
void TChartTitle::SetAdjustFrame(bool v) { if (v != FAdjustFrame) { FAdjustFrame = v; Repaint(); } }

bool TChartTitle::IsFontStored() const {
  const TFont& f = Font();
  return !(f.Name() == DefaultChartFontName(FChart.Host()) && f.Size() == DefaultChartFontSize(FChart.Host()) &&
           f.Color() == FontDefaultColor && f.Style() == TFontStyles{});
}

void TChartTitle::Assign(const TChartTitle& o) {
  SetFont(o.Font());
  FText = o.FText;
  FAlignment = o.FAlignment;
  FVisible = o.FVisible;
  FColor = o.FColor;
  FBrush.Assign(o.FBrush);
  FFrame.Assign(o.FFrame);
  FAdjustFrame = o.FAdjustFrame;
  Repaint();
}

bool TChartTitle::Clicked(int x, int y) const { return FVisible && FTitleBounds.Contains({x, y}); }

void TChartTitle::Draw(bool onTop) {
  TZelCanvas3D& c = FChart.Canvas();
  FChart.ApplyFont(Font());

  if (FColor == clDefault) {
    if (FBrush.Style() != bsSolid) {
      c.Brush().Assign(FBrush);
      c.SetTextBackMode(TRANSPARENT);
    } else if (FBrush.Color() == clDefault) {
      c.Brush().SetStyle(bsClear);
    } else {
      SetColor(FBrush.Color());  // the brush colour becomes the title's own
      c.Brush().SetStyle(bsSolid);
      c.Brush().SetColor(FColor);
    }
  } else if (FBrush.Style() != bsSolid) {
    c.Brush().Assign(FBrush);
    c.SetTextBackMode(OPAQUE);
    c.SetTextBackColor(FColor);
  } else {
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(FColor);
  }

  const bool frameShown = FFrame.Visible() && FFrame.Color() != clDefault;
  if (frameShown) c.ApplyChartPen(FFrame);
  else c.Pen().SetStyle(psClear);

  // The box arithmetic runs in 64 bits and saturates: a frame width or a font height
  // near the int limits must not wrap the chart rectangle or the box around.
  using i64 = std::int64_t;
  const i64 fw = frameShown ? FFrame.Width() : 0;
  const TRect cr = FChart.ChartRect();
  const i64 fh = c.MeasureFontHeight();
  const i64 lines = static_cast<i64>(FText.size());
  const i64 textHeight = lines * fh;
  const i64 left = cr.Left + fw, right = cr.Right - fw;
  i64 top, bottom;
  if (onTop) {
    top = cr.Top + fw;
    bottom = top - TitleGap;
  } else {
    bottom = cr.Bottom - fw;
    top = bottom + TitleGap;
  }

  i64 boundsLeft = left - fw, boundsRight = right + fw;
  const i64 boundsTop = (onTop ? top : bottom - textHeight) - fw;
  const i64 boundsBottom = (onTop ? top + textHeight : bottom) + fw;

  int widest = 0;
  for (const std::string& line : FText) widest = std::max(widest, c.MeasureTextWidth(line));
  const int w = c.MeasureTextWidth("W");
  const bool boxShown = frameShown || c.Brush().Style() != bsClear;
  if (boxShown && FAdjustFrame) {
    const i64 m = static_cast<i64>(widest) + w;
    switch (FAlignment) {
      case taLeftJustify: boundsRight = boundsLeft + m; break;
      case taRightJustify: boundsLeft = boundsRight - m; break;
      case taCenter: {
        const i64 mid = (boundsLeft + boundsRight) / 2;
        boundsLeft = mid - m / 2;
        boundsRight = mid + m / 2;
        break;
      }
    }
  }
  FTitleBounds = {ClampToPixel(boundsLeft), ClampToPixel(boundsTop), ClampToPixel(boundsRight),
                  ClampToPixel(boundsBottom)};
  if (boxShown) c.DrawRectangleOf(FTitleBounds);
  c.SetTextBackMode(TRANSPARENT);

  auto drawLine = [&](const std::string& line, i64 y) {
    const i64 lw = c.MeasureTextWidth(line);
    i64 x;
    switch (FAlignment) {
      case taLeftJustify: x = left + w / 2; break;
      case taRightJustify: x = right - lw - w / 2; break;
      default: x = (left + right) / 2 - lw / 2; break;
    }
    if (c.RendersTrue3D()) c.DrawText3D(ClampToPixel(x), ClampToPixel(y), line, 0);
    else c.DrawText(ClampToPixel(x), ClampToPixel(y), line);
  };
  if (onTop) {
    for (const std::string& line : FText) {
      drawLine(line, top);
      top += fh;
      bottom = top;
    }
  } else {
    for (auto it = FText.rbegin(); it != FText.rend(); ++it) {
      top = bottom - fh;
      drawLine(*it, top);
      bottom = top;
    }
  }
  if (frameShown) {
    if (onTop) bottom += fw;
    else top -= fw;
  }
  TRect r = FChart.ChartRect();
  if (onTop) r.Top = ClampToPixel(bottom + TitleGap);
  else r.Bottom = ClampToPixel(top - TitleGap);
  FChart.SetChartRect(r);
  // A tall title on a small chart must not leave an inverted rectangle behind.
  FChart.NormalizeChartRect();
}

}  // namespace chart
