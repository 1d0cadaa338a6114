// Drawing a title or foot: its box (only when something shows), its lines in order, and
// the room it takes from the chart rectangle.
#include "chart/title/ChartTitle.h"

#include <algorithm>

#include "chart/canvas/ChartFont.h"
#include "chart/panel/CustomAxisPanel.h"

namespace chart {

TChartTitle::TChartTitle(TCustomAxisPanel& chart)
    : TChartFontObject([&chart] { chart.InvalidateChart(); }, chart.Host()),
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
  const int fw = frameShown ? FFrame.Width() : 0;
  if (frameShown) c.ApplyChartPen(FFrame);
  else c.Pen().SetStyle(psClear);

  const TRect cr = FChart.ChartRect();
  const int fh = c.MeasureFontHeight();
  const int lines = static_cast<int>(FText.size());
  int left = cr.Left + fw, right = cr.Right - fw, top, bottom;
  if (onTop) {
    top = cr.Top + fw;
    bottom = top - TitleGap;
  } else {
    bottom = cr.Bottom - fw;
    top = bottom + TitleGap;
  }

  FTitleBounds = {left, top, right, bottom};
  if (onTop) FTitleBounds.Bottom = top + lines * fh;
  else FTitleBounds.Top = bottom - lines * fh;
  FTitleBounds = InflateRect(FTitleBounds, fw, fw);

  int widest = 0;
  for (const std::string& line : FText) widest = std::max(widest, c.MeasureTextWidth(line));
  const int w = c.MeasureTextWidth("W");
  if (frameShown || c.Brush().Style() != bsClear) {
    if (FAdjustFrame) {
      const int m = widest + w;
      switch (FAlignment) {
        case taLeftJustify: FTitleBounds.Right = FTitleBounds.Left + m; break;
        case taRightJustify: FTitleBounds.Left = FTitleBounds.Right - m; break;
        case taCenter: {
          const int mid = (FTitleBounds.Left + FTitleBounds.Right) / 2;
          FTitleBounds.Left = mid - m / 2;
          FTitleBounds.Right = mid + m / 2;
          break;
        }
      }
    }
    c.DrawRectangleOf(FTitleBounds);
  }
  c.SetTextBackMode(TRANSPARENT);

  auto drawLine = [&](const std::string& line, int y) {
    const int lw = c.MeasureTextWidth(line);
    int x;
    switch (FAlignment) {
      case taLeftJustify: x = left + w / 2; break;
      case taRightJustify: x = right - lw - w / 2; break;
      default: x = (left + right) / 2 - lw / 2; break;
    }
    if (c.RendersTrue3D()) c.DrawText3D(x, y, line, 0);
    else c.DrawText(x, y, line);
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
  if (onTop) r.Top = bottom + TitleGap;
  else r.Bottom = top - TitleGap;
  FChart.SetChartRect(r);
}

}  // namespace chart
