// Zooming, undoing the zoom, panning and wheel scrolling: each turns pixels into new axis
// ranges through the axes' own range operations.
#include "chart/axis/CustomChartAxis.h"
#include "chart/panel/CustomChart.h"

namespace chart {

void TCustomChart::RepaintChartNow() {
  InvalidateChart();
  if (Host()) Host()->RepaintNow();
}

void TCustomChart::DrawZoomRectangle() {
  TZelCanvas3D& c = Canvas();
  TColor color = c.ResolveColor(Color());
  // NOT-XOR with white changes nothing: a white chart gets a black band.
  if (color == clWhite) color = clBlack;
  c.Pen().SetColor(color);
  c.Pen().SetMode(pmNotXor);
  c.Pen().SetStyle(psSolid);
  c.Pen().SetWidth(1);
  c.Brush().SetStyle(bsClear);
  c.DrawRectangle(FZoom.FromX, FZoom.FromY, FZoom.ToX, FZoom.ToY);
}

namespace {
TCustomChart::TAxisHomeScale HomeScaleOf(const TCustomChartAxis& a) {
  return {a.Automatic(), a.AutomaticMinimum(), a.AutomaticMaximum(), a.Minimum(), a.Maximum()};
}

void RestoreHomeScale(TCustomChartAxis& a, const TCustomChart::TAxisHomeScale& h) {
  // The range first: SetRange clears every automatic flag, and an axis automatic at one
  // end only must get that flag back.
  if (!h.Automatic) a.SetRange(h.Minimum, h.Maximum);
  a.SetAutomatic(h.Automatic);
  a.SetAutomaticMinimum(h.AutomaticMinimum);
  a.SetAutomaticMaximum(h.AutomaticMaximum);
}
}  // namespace

void TCustomChart::SaveHomeScales() {
  const TCustomChartAxis* axes[4] = {TopAxis(), LeftAxis(), RightAxis(), BottomAxis()};
  for (int i = 0; i < 4; ++i) FHomeScales[i] = HomeScaleOf(*axes[i]);
  FCustomHomeScales.clear();
  const auto& all = AxisList();
  for (std::size_t i = 5; i < all.size(); ++i) FCustomHomeScales.emplace_back(all[i], HomeScaleOf(*all[i]));
  FAtHomeScales = false;
}

void TCustomChart::CustomAxisRemoving(TCustomChartAxis& axis) {
  std::erase_if(FCustomHomeScales, [&axis](const auto& saved) { return saved.first == &axis; });
}

void TCustomChart::ZoomToRectangle() {
  FZoom.Normalize();
  auto v = [](const TCustomChartAxis* axis, int pixel) { return axis->PixelToValue(pixel); };
  // The band is drawn on the screen; its corners mean points of the front plane.
  TZoomPanningRecord z = FZoom;
  const TPoint from = FrontPlanePoint(z.FromX, z.FromY), to = FrontPlanePoint(z.ToX, z.ToY);
  z.FromX = from.X;
  z.FromY = from.Y;
  z.ToX = to.X;
  z.ToY = to.Y;
  // On the vertical axes the rectangle's lower edge is the minimum.
  ZoomAxes(v(TopAxis(), z.FromX), v(TopAxis(), z.ToX), v(BottomAxis(), z.FromX), v(BottomAxis(), z.ToX),
           v(LeftAxis(), z.ToY), v(LeftAxis(), z.FromY), v(RightAxis(), z.ToY), v(RightAxis(), z.FromY));
}

void TCustomChart::ZoomAxes(double topMin, double topMax, double bottomMin, double bottomMax, double leftMin,
                            double leftMax, double rightMin, double rightMax) {
  if (FAtHomeScales) SaveHomeScales();
  struct Target {
    TCustomChartAxis* Axis;
    double Min, Max;
  };
  const Target targets[4] = {{LeftAxis(), leftMin, leftMax},
                             {RightAxis(), rightMin, rightMax},
                             {TopAxis(), topMin, topMax},
                             {BottomAxis(), bottomMin, bottomMax}};
  if (AnimatedZoom()) {
    const double divisor = FMouseSettings.AnimationDivisor;
    for (int step = 1; step < AnimatedZoomSteps(); ++step) {
      for (const Target& t : targets) {
        TCustomChartAxis& a = *t.Axis;
        a.SetRange(a.Minimum() + (t.Min - a.Minimum()) / divisor, a.Maximum() - (a.Maximum() - t.Max) / divisor);
      }
      RepaintChartNow();
    }
  }
  for (const Target& t : targets) t.Axis->SetRange(t.Min, t.Max);
  FZoomedIn = true;
  if (OnZoom) OnZoom(this);
}

void TCustomChart::UndoZoom() {
  if (!FAtHomeScales) {
    TCustomChartAxis* axes[4] = {TopAxis(), LeftAxis(), RightAxis(), BottomAxis()};
    // Restored in the order top, bottom, left, right.
    for (int i : {0, 3, 1, 2}) RestoreHomeScale(*axes[i], FHomeScales[i]);
    // Then the custom axes, which panning moved.
    for (const auto& [axis, h] : FCustomHomeScales) RestoreHomeScale(*axis, h);
    FCustomHomeScales.clear();
  }
  FAtHomeScales = true;
  if (OnUndoZoom) OnUndoZoom(this);
  InvalidateChart();
  FZoomedIn = false;
}

bool TCustomChart::PanDirection(bool horizontal, int newPos, int previous) {
  if (newPos == previous) return false;
  const TPanningMode mode = horizontal ? pmHorizontal : pmVertical;
  if (AllowPanning() != mode && AllowPanning() != pmBoth) return false;
  for (TCustomChartAxis* axis : AxisList()) {
    if (axis->IsDepth() || axis->IsHorizontal() != horizontal) continue;
    const double delta = axis->PixelToValue(previous) - axis->PixelToValue(newPos);
    double aMin = axis->Minimum() + delta;
    double aMax = axis->Maximum() + delta;
    bool allow = true;
    if (OnAllowScroll) OnAllowScroll(axis, aMin, aMax, allow);
    if (allow) axis->SetRange(aMin, aMax);
  }
  return true;
}

void TCustomChart::WheelScroll(bool up) {
  for (TCustomChartAxis* axis : AxisList()) {
    if (axis->IsHorizontal()) continue;
    double offset = (axis->Maximum() - axis->Minimum()) * 3 * 0.01;
    if (!up) offset = -offset;
    axis->ShiftRange(offset, false);
  }
  RepaintChartNow();
}

}  // namespace chart
