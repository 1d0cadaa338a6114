// Construction, settings and their checks, and copying of bar series. MultiBar and
// SideMargins belong to the whole group of same-class bars on a chart: a change on one
// series reaches them all.
#include "chart/core/Exceptions.h"
#include "chart/core/Store.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/seriestypes/BarSeries.h"
#include "chart/seriestypes/HorizBarSeries.h"

namespace chart {

TCustomBarSeries::TCustomBarSeries(bool horizontal)
    : FBarBrush([this] { RequestRepaint(); }), FBarPen([this] { RequestRepaint(); }), FHorizontal(horizontal) {
  // The bar length keeps the order the points came in; the other list stays as it was.
  TChartValueList& bar = horizontal ? XValues() : YValues();
  bar.SetName("Bar");
  bar.SetOrder(loNone);
  Marks().SetVisible(true);
  Marks().SetArrowLength(20);
}

TCustomBarSeries::~TCustomBarSeries() = default;

TBarSeries::TBarSeries() : TCustomBarSeries(false) {}

THorizBarSeries::THorizBarSeries() : TCustomBarSeries(true) {}

bool TCustomBarSeries::IsOfClassOf(const TChartSeries& other) const {
  const auto* bars = dynamic_cast<const TCustomBarSeries*>(&other);
  return bars && bars->IsOfMyClass(*this);
}

template <class Each>
void TCustomBarSeries::ForSameClass(Each&& each) {
  if (!ParentChart()) {
    each(*this);
    return;
  }
  for (TChartSeries* s : ParentChart()->SeriesList())
    if (s == this || SameClass(*s)) each(static_cast<TCustomBarSeries&>(*s));
}

void TCustomBarSeries::SetAutoBarSize(bool v) { if (Store(FAutoBarSize, v)) RequestRepaint(); }
void TCustomBarSeries::SetAutoMarkPosition(bool v) { if (Store(FAutoMarkPosition, v)) RequestRepaint(); }
void TCustomBarSeries::SetBarStyle(TBarStyle v) { if (Store(FBarStyle, v)) RequestRepaint(); }
void TCustomBarSeries::SetDark3D(bool v) { if (Store(FDark3D, v)) RequestRepaint(); }
void TCustomBarSeries::SetUseYOrigin(bool v) { if (Store(FUseYOrigin, v)) RequestRepaint(); }
void TCustomBarSeries::SetYOrigin(double v) { if (Store(FYOrigin, v)) RequestRepaint(); }
void TCustomBarSeries::SetCustomBarSize(int v) { if (Store(FCustomBarSize, v)) RequestRepaint(); }

void TCustomBarSeries::SetBarWidthPercent(int v) {
  if (v < 1 || v > 100) throw BarException("Bar Width Percent must be between 1 and 100");
  if (Store(FBarWidthPercent, v)) RequestRepaint();
}

void TCustomBarSeries::SetOffsetPercent(int v) {
  if (v < -100 || v > 100) throw BarException("Bar Offset Percent must be between -100% and 100%");
  if (Store(FOffsetPercent, v)) RequestRepaint();
}

void TCustomBarSeries::SetMultiBar(TMultiBar v) {
  if (v == FMultiBar) return;
  ForSameClass([v](TCustomBarSeries& s) { s.FMultiBar = v; });
  RequestRepaint();
}

void TCustomBarSeries::SetSideMargins(bool v) {
  if (v == FSideMargins) return;
  ForSameClass([v](TCustomBarSeries& s) { s.FSideMargins = v; });
  RequestRepaint();
}

void TCustomBarSeries::Assign(const TChartSeries& source) {
  if (&source == this) return;
  TChartSeries::Assign(source);
  const auto* o = dynamic_cast<const TCustomBarSeries*>(&source);
  if (!o) return;
  if (o->FHorizontal != FHorizontal) {
    // Between the two orientations the bar lengths lie in the other list: each list takes
    // the settings of the one that means the same (the lengths keep their own order).
    MandatoryValueList().Assign(o->MandatoryValueList());
    (FHorizontal ? YValues() : XValues()).Assign(o->FHorizontal ? o->YValues() : o->XValues());
  }
  FBarBrush.Assign(o->FBarBrush);
  FBarPen.Assign(o->FBarPen);
  FYOrigin = o->FYOrigin;
  FBarWidthPercent = o->FBarWidthPercent;
  FOffsetPercent = o->FOffsetPercent;
  FCustomBarSize = o->FCustomBarSize;
  FBarStyle = o->FBarStyle;
  FMultiBar = o->FMultiBar;
  FAutoBarSize = o->FAutoBarSize;
  FAutoMarkPosition = o->FAutoMarkPosition;
  FDark3D = o->FDark3D;
  FSideMargins = o->FSideMargins;
  FUseYOrigin = o->FUseYOrigin;
  RequestRepaint();
}

}  // namespace chart
