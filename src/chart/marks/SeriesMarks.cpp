// Settings, remembered positions and texts of a series' marks. Drawing is in MarksDraw.cpp.
#include "chart/marks/SeriesMarks.h"

#include <algorithm>

#include "chart/canvas/ChartFont.h"
#include "chart/core/Exceptions.h"
#include "chart/core/Numeric.h"
#include "chart/core/Store.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/panel/CustomChart.h"
#include "chart/series/ChartSeries.h"

namespace chart {

bool TSeriesMarks::ArrowContrast = true;

void TSeriesMarkPosition::Assign(const TSeriesMarkPosition& source) {
  const bool custom = Custom;
  *this = source;
  Custom = custom;
}

void TSeriesMarkPosition::LiftBy(int pixels) {
  LeftTop.Y = ClampToPixel(std::int64_t{LeftTop.Y} - pixels);
  ArrowTo.Y = ClampToPixel(std::int64_t{ArrowTo.Y} - pixels);
}

TRect TSeriesMarkPosition::Bounds() const {
  return {LeftTop.X, LeftTop.Y, ClampToInt(std::int64_t{LeftTop.X} + Width),
          ClampToInt(std::int64_t{LeftTop.Y} + Height)};
}

TSeriesMarkPosition* TSeriesMarksPositions::Position(int index) {
  if (index < 0 || index >= Count()) return nullptr;
  auto& entry = FItems[static_cast<std::size_t>(index)];
  return entry ? &*entry : nullptr;
}

const TSeriesMarkPosition* TSeriesMarksPositions::Position(int index) const {
  return const_cast<TSeriesMarksPositions*>(this)->Position(index);
}

TSeriesMarkPosition& TSeriesMarksPositions::Ensure(int index) {
  if (index >= Count()) FItems.resize(static_cast<std::size_t>(index) + 1);
  auto& entry = FItems[static_cast<std::size_t>(index)];
  if (!entry) entry.emplace();
  return *entry;
}

void TSeriesMarksPositions::Delete(int start, int quantity) {
  if (start < 0 || start >= Count() || quantity <= 0) return;
  FItems.erase(FItems.begin() + start, FItems.begin() + std::min(start + quantity, Count()));
}

// ---------------------------------------------------------------------------------------
// Settings

TSeriesMarks::TSeriesMarks(TChartSeries& series)
    : FSeries(series), FArrow([this] { Changed(); }), FFrame([this] { Changed(); }) {
  SetDefaultChartFont(FFont, nullptr);
  // Hooked after the defaults, so that making the marks repaints nothing.
  FFont.OnChange = [this] { Changed(); };
}

void TSeriesMarks::Changed() const { FSeries.RequestRepaint(); }

void TSeriesMarks::SetArrowLength(int v) { if (Store(FArrowLength, v)) Changed(); }
void TSeriesMarks::SetBackColor(TColor v) { if (Store(FBackColor, v)) Changed(); }
void TSeriesMarks::SetClip(bool v) { if (Store(FClip, v)) Changed(); }
void TSeriesMarks::SetStyle(TSeriesMarksStyle v) { if (Store(FStyle, v)) Changed(); }
void TSeriesMarks::SetTransparent(bool v) { if (Store(FTransparent, v)) Changed(); }
void TSeriesMarks::SetVisible(bool v) { if (Store(FVisible, v)) Changed(); }

bool TSeriesMarks::IsFontStored() const { return !IsDefaultChartFont(FFont, nullptr); }

TSeriesMarkPosition& TSeriesMarks::PositionOf(int index) {
  if (index < 0 || index >= FSeries.Count()) throw EListError(index);
  return FPositions.Ensure(index);
}

void TSeriesMarks::Assign(const TSeriesMarks& o) {
  if (&o == this) return;
  FArrow.Assign(o.FArrow);
  FFrame.Assign(o.FFrame);
  FFont.Assign(o.FFont);
  FArrowLength = o.FArrowLength;
  FZPosition = o.FZPosition;
  FBackColor = o.FBackColor;
  FStyle = o.FStyle;
  FClip = o.FClip;
  FTransparent = o.FTransparent;
  FVisible = o.FVisible;
  Changed();
}

// ---------------------------------------------------------------------------------------
// Texts

bool TSeriesMarks::StyleUsesTotal() const {
  return FStyle == smsPercent || FStyle == smsLabelPercent || FStyle == smsPercentTotal ||
         FStyle == smsLabelPercentTotal;
}

std::string TSeriesMarks::MarkText(int index) {
  return MarkText(index, StyleUsesTotal() ? FSeries.AbsTotal() : 0.0);
}

std::string TSeriesMarks::MarkText(int index, double absTotal) {
  const TChartSeries& s = FSeries;
  auto value = [&] { return s.FormatValue(s.MandatoryValueList().Value(index)); };
  auto percent = [&] { return s.FormatPercent(s.PercentOf(index, absTotal)); };
  auto percentTotal = [&] { return percent() + " of " + s.FormatValue(absTotal); };
  std::string text;
  switch (FStyle) {
    case smsValue: text = value(); break;
    case smsPercent: text = percent(); break;
    case smsLabel: text = s.LabelOrValue(index); break;
    case smsLabelPercent: text = s.LabelOrValue(index) + " " + percent(); break;
    case smsLabelValue: text = s.LabelOrValue(index) + " " + value(); break;
    case smsLegend: {
      // As the chart's legend words it; a chart without one words it by the legend's default.
      const auto* chart = dynamic_cast<const TCustomChart*>(s.ParentChart());
      text = s.LegendString(index, chart ? chart->Legend().TextStyle() : ltsLeftValue);
      break;
    }
    case smsPercentTotal: text = percentTotal(); break;
    case smsLabelPercentTotal: text = s.LabelOrValue(index) + " " + percentTotal(); break;
    case smsXValue: {
      TCustomAxisPanel* chart = s.ParentChart();
      const TCustomChartAxis* axis = s.GetHorizAxis();
      text = chart && axis ? chart->FormatAxisLabel(*axis, s.XValue(index), false) : s.FormatValue(s.XValue(index));
      break;
    }
  }
  if (FSeries.OnGetMarkText) FSeries.OnGetMarkText(&FSeries, index, text);
  return text;
}

}  // namespace chart
