// The ellipse of a circled series: settings shared across the chart, the rectangle fitted
// into the chart rectangle, and the chart switched to a drawing without axes on attach.
#include "chart/seriestypes/CircledSeries.h"

#include <cmath>
#include <numbers>

#include "chart/axis/CustomChartAxis.h"
#include "chart/core/Exceptions.h"
#include "chart/core/Numeric.h"
#include "chart/core/Store.h"
#include "chart/panel/CustomChart.h"
#include "chart/panel/MultiLineText.h"

namespace chart {

TCircledSeries::TCircledSeries() = default;

template <class Each>
void TCircledSeries::ForEachOnChart(bool sameClassOnly, Each&& each) {
  if (!ParentChart()) {
    each(*this);
    return;
  }
  for (TChartSeries* s : ParentChart()->SeriesList()) {
    auto* circled = dynamic_cast<TCircledSeries*>(s);
    if (circled && (s == this || !sameClassOnly || IsSameClass(*s))) each(*circled);
  }
}

void TCircledSeries::SetCircled(bool v) {
  if (v == FCircled) return;
  ForEachOnChart(false, [v](TCircledSeries& s) { s.FCircled = v; });
  RequestRepaint();
}

void TCircledSeries::SetCustomXRadius(int v) {
  if (v == FCustomXRadius) return;
  ForEachOnChart(true, [v](TCircledSeries& s) { s.FCustomXRadius = v; });
  RequestRepaint();
}

void TCircledSeries::SetCustomYRadius(int v) {
  if (v == FCustomYRadius) return;
  ForEachOnChart(true, [v](TCircledSeries& s) { s.FCustomYRadius = v; });
  RequestRepaint();
}

void TCircledSeries::SetRotationAngle(int v) {
  if (v < 0) throw PieException("Rotation Angle must be between 0 and 359 degrees");
  if (Store(FRotationAngle, v % 360)) RequestRepaint();
}

void TCircledSeries::SetCircleBackColor(TColor v) {
  if (Store(FCircleBackColor, v)) RequestRepaint();
}

void TCircledSeries::Assign(const TChartSeries& source) {
  if (&source == this) return;
  TChartSeries::Assign(source);
  const auto* o = dynamic_cast<const TCircledSeries*>(&source);
  if (!o) return;
  FCircled = o->FCircled;
  FCustomXRadius = o->FCustomXRadius;
  FCustomYRadius = o->FCustomYRadius;
  FRotationAngle = o->FRotationAngle;
  FCircleBackColor = o->FCircleBackColor;
  RequestRepaint();
}

double TCircledSeries::MinX() const { return GetHorizAxis() ? GetHorizAxis()->Minimum() : 0; }
double TCircledSeries::MaxX() const { return GetHorizAxis() ? GetHorizAxis()->Maximum() : 0; }
double TCircledSeries::MinY() const { return GetVertAxis() ? GetVertAxis()->Minimum() : 0; }
double TCircledSeries::MaxY() const { return GetVertAxis() ? GetVertAxis()->Maximum() : 0; }

void TCircledSeries::AddedToChart() {
  TCustomAxisPanel& chart = *ParentChart();
  chart.SetAxisVisible(false);
  chart.SetClipPoints(false);
  chart.SetView3DWalls(false);
  if (auto* full = dynamic_cast<TCustomChart*>(&chart)) {
    full->Frame().SetVisible(false);
    full->BackWall().Brush().SetStyle(bsClear);
  }
  chart.SetAllowZoom(false);
  chart.SetAllowPanning(pmNone);
  if (!chart.Canvas().RendersTrue3D()) {
    TView3DOptions& view = chart.View3DOptions();
    view.SetOrthogonal(false);
    view.SetRotation(360);
    view.SetElevation(315);
    view.SetPerspective(0);
    view.SetTilt(0);
  }
}

TPoint TCircledSeries::PointAtAngle(double angle, std::int64_t rx, std::int64_t ry) const {
  const double a = angle + Rotation();
  return {ClampToPixel(FCenter.X + Round(std::cos(a) * static_cast<double>(rx))),
          ClampToPixel(FCenter.Y - Round(std::sin(a) * static_cast<double>(ry)))};
}

double TCircledSeries::ClickAngle(int x, int y) const {
  constexpr double twoPi = 2 * std::numbers::pi;
  if (FXRadius == 0 || FYRadius == 0) return 0;
  const double dx = (static_cast<double>(x) - FCenter.X) / FXRadius;
  const double dy = (static_cast<double>(FCenter.Y) - y) / FYRadius;
  double angle = std::atan2(dy, dx);
  if (angle < 0) angle += twoPi;
  angle -= Rotation();
  if (angle < 0) angle += twoPi;
  return angle;
}

void TCircledSeries::AdjustCircleRect() {
  TRect& r = FCircleRect;
  std::int64_t w = std::int64_t{r.Right} - r.Left, h = std::int64_t{r.Bottom} - r.Top;
  if (w % 2 != 0) --w;
  if (h % 2 != 0) --h;
  if (w < 4) w = 4;
  if (h < 4) h = 4;
  r.Right = ClampToPixel(r.Left + w);
  r.Bottom = ClampToPixel(r.Top + h);
  FCenter = {static_cast<int>((std::int64_t{r.Left} + r.Right) / 2), static_cast<int>((std::int64_t{r.Top} + r.Bottom) / 2)};
}

void TCircledSeries::CalcRadius() {
  FXRadius = FCustomXRadius > 0 ? FCustomXRadius : CircleWidth() / 2;
  FYRadius = FCustomYRadius > 0 ? FCustomYRadius : CircleHeight() / 2;
  FCircleRect = {ClampToPixel(std::int64_t{FCenter.X} - FXRadius), ClampToPixel(std::int64_t{FCenter.Y} - FYRadius),
                 ClampToPixel(std::int64_t{FCenter.X} + FXRadius), ClampToPixel(std::int64_t{FCenter.Y} + FYRadius)};
}

void TCircledSeries::MarksRoom(int& across, int& along) {
  across = along = 0;
  TCustomAxisPanel& chart = *ParentChart();
  TSeriesMarks& marks = Marks();
  chart.ApplyFont(marks.Font());
  const std::int64_t frame = marks.Frame().Visible() ? 2 * std::int64_t{marks.Frame().Width()} : 0;
  const std::int64_t arrow = marks.ArrowLength();
  along = ClampToPixel(arrow + frame + chart.MeasureFontHeight());
  // The widest mark of the series: every text is formatted and measured once a layout.
  std::int64_t widest = 0;
  const double total = marks.StyleUsesTotal() ? AbsTotal() : 0.0;
  auto measure = [&chart](std::string_view line) { return chart.MeasureTextWidth(line); };
  for (int i = 0; i < Count(); ++i) {
    if (IsNull(i)) continue;
    const std::string text = marks.MarkText(i, total);
    if (!text.empty()) widest = std::max<std::int64_t>(widest, MultiLineTextWidth(text, measure).Width);
  }
  across = ClampToPixel(chart.MeasureTextWidth("W") + widest + arrow + frame);
}

void TCircledSeries::MakeRound() {
  const TChartHost* host = ParentChart()->Host();
  if (!host || host->ScreenWidthPixels() <= 0 || host->ScreenHeightPixels() <= 0) return;
  double e = static_cast<double>(host->ScreenWidthPixels()) / host->ScreenHeightPixels();
  if (host->ScreenHeightMM() > 0 && host->ScreenWidthMM() > 0)
    e /= static_cast<double>(host->ScreenWidthMM()) / host->ScreenHeightMM();
  CalcRadius();
  TRect& r = FCircleRect;
  const std::int64_t rx = FXRadius, ry = FYRadius;
  const std::int64_t roundX = Round(static_cast<double>(ry) * e);
  if (rx > roundX) {
    r.Left = ClampToPixel(r.Left + (rx - roundX));
    r.Right = ClampToPixel(r.Right - (rx - roundX));
  } else {
    const std::int64_t d = ry - Round(static_cast<double>(rx) / e);
    r.Top = ClampToPixel(r.Top + d);
    r.Bottom = ClampToPixel(r.Bottom - d);
  }
  AdjustCircleRect();
}

void TCircledSeries::CalcCircleGeometry() {
  FCircleRect = ParentChart()->ChartRect();
  AdjustCircleRect();
  if (MarksVisible()) {
    int across = 0, along = 0;
    MarksRoom(across, along);
    TRect& r = FCircleRect;
    r = {ClampToPixel(std::int64_t{r.Left} + across), ClampToPixel(std::int64_t{r.Top} + along),
         ClampToPixel(std::int64_t{r.Right} - across), ClampToPixel(std::int64_t{r.Bottom} - along)};
    AdjustCircleRect();
  }
  if (FCircled) MakeRound();
  CalcRadius();
}

}  // namespace chart
