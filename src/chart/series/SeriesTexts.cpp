// The texts a series gives for its points: marks and legend entries build on these.
#include <cmath>

#include "chart/format/FormatFloat.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"

namespace chart {

namespace {

std::string Format(const TChartSeries& series, const std::string& format, double value) {
  const TChartHost* host = series.ParentChart() ? series.ParentChart()->Host() : nullptr;
  return FormatFloat(format, value, host ? host->ThousandSeparator() : ",",
                     host ? host->DecimalSeparator() : ".");
}

// Joins two parts with one space, leaving out an empty one.
std::string Join(const std::string& a, const std::string& b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  return a + " " + b;
}

}  // namespace

std::string TChartSeries::FormatValue(double value) const { return Format(*this, FValueFormat, value); }

std::string TChartSeries::FormatPercent(double percent) const {
  return Format(*this, FPercentFormat, percent);
}

// The list keeps this sum with its other statistics (NaN takes no part), so mark and
// legend texts of every point cost one pass together, not one each.
double TChartSeries::AbsTotal() const { return MandatoryValueList().TotalAbs(); }

double TChartSeries::PercentOf(int index, double absTotal) const {
  if (absTotal == 0) return 100;
  return std::fabs(MandatoryValueList().Value(index)) * 100 / absTotal;
}

std::string TChartSeries::LabelOrValue(int index) const {
  std::string label = XLabel(index);
  return label.empty() ? FormatValue(MandatoryValueList().Value(index)) : label;
}

std::string TChartSeries::LegendString(int valueIndex, TLegendTextStyle style) const {
  const std::string label = XLabel(valueIndex);
  const std::string value = FormatValue(MandatoryValueList().Value(valueIndex));
  std::string text;
  switch (style) {
    case ltsPlain: text = label.empty() ? value : label; break;
    case ltsLeftValue: text = Join(value, label); break;
    case ltsRightValue: text = Join(label, value); break;
    case ltsLeftPercent: text = Join(FormatPercent(PercentOf(valueIndex, AbsTotal())), label); break;
    case ltsRightPercent: text = Join(label, FormatPercent(PercentOf(valueIndex, AbsTotal()))); break;
    case ltsXValue: text = FormatValue(XValue(valueIndex)); break;
  }
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

}  // namespace chart
