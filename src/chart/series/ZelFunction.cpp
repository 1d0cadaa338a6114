// A function's settings and how it turns its sources into the owning series' points: one
// result over the whole source, results per group of points or per X range, or one result
// per index across several sources.
#include "chart/series/ZelFunction.h"

#include <cmath>
#include <limits>
#include <numeric>
#include <utility>

#include "chart/axis/AxisDateTime.h"
#include "chart/core/Exceptions.h"
#include "chart/series/ChartSeries.h"

namespace chart {

namespace {

// The list that places the results: X for a source whose mandatory list is Y, else Y.
const TChartValueList& PositionList(const TChartSeries& source) {
  return source.YMandatory() ? source.XValues() : source.YValues();
}

// Halfway between two values, without overflowing for far-apart finite ones.
double Middle(double smallest, double largest) {
  const double m = (largest - smallest) * 0.5 + smallest;
  return std::isfinite(m) ? m : std::midpoint(smallest, largest);
}

// The end of an X range that starts at s: a date-time period of a month or more steps on
// the calendar, any other period adds. A range never ends where it starts.
double RangeEnd(double s, double period, bool dateTime) {
  const double calendar = dateTime ? CalendarStep(period, 0) : 0;
  const double e = calendar >= 30 ? CalendarStepForward(s, calendar) : s + period;
  return e > s ? e : std::nextafter(s, std::numeric_limits<double>::infinity());
}

}  // namespace

void TZelFunction::SetPeriod(double v) {
  if (!(v >= 0)) throw ChartException("Function Period should be >= 0");
  if (v == FPeriod) return;
  FPeriod = v;
  Recalculate();
}

void TZelFunction::SetPeriodStyle(TFunctionPeriodStyle v) {
  if (v == FPeriodStyle) return;
  FPeriodStyle = v;
  Recalculate();
}

void TZelFunction::SetPeriodAlign(TFunctionPeriodAlign v) {
  if (v == FPeriodAlign) return;
  FPeriodAlign = v;
  Recalculate();
}

void TZelFunction::EndUpdate() {
  if (FUpdating == 0 || --FUpdating > 0) return;
  if (std::exchange(FChangedWhileUpdating, false)) Recalculate();
}

void TZelFunction::Recalculate() {
  if (FUpdating > 0) {
    FChangedWhileUpdating = true;
    return;
  }
  if (FParentSeries) FParentSeries->CheckDataSource();
}

double TZelFunction::Calculate(const TChartValueList&, int, int) const { return 0; }

double TZelFunction::CalculateMany(std::span<TChartSeries* const>, int) const { return 0; }

const TChartValueList& TZelFunction::ValueListOf(const TChartSeries& source) const {
  if (FParentSeries) {
    const std::string& name = FParentSeries->MandatoryValueList().Name();
    if (!name.empty())
      for (const auto& list : source.ValuesLists())
        if (list->Name() == name) return *list;
  }
  return source.MandatoryValueList();
}

void TZelFunction::AddPoints(TChartSeries& source) {
  if (!FParentSeries) return;
  if (FParentSeries->DataSources().size() > 1) {
    AddManySourceResults(source);
    return;
  }
  if (source.Count() == 0) return;
  const TChartValueList& values = ValueListOf(source);
  FXs.clear();
  FYs.clear();
  if (FPeriod == 0) AddOneResult(source, values);
  else if (FPeriodStyle == psNumPoints) AddGroupsOfPoints(source, values);
  else AddGroupsOfRange(source, values);
  AddKept(source);
}

void TZelFunction::AddKept(const TChartSeries& source) {
  // A source whose mandatory list is X takes its results the other way round.
  if (source.YMandatory()) FParentSeries->AppendPoints(FXs, FYs);
  else FParentSeries->AppendPoints(FYs, FXs);
  FXs.clear();
  FYs.clear();
}

void TZelFunction::AddManySourceResults(TChartSeries& source) {
  const std::vector<TChartSeries*> sources = FParentSeries->DataSources();
  const TChartValueList& positions = PositionList(source);
  for (int i = 0; i < source.Count(); ++i) {
    const double r = CalculateMany(sources, i);
    const double x = positions.Value(i);
    const std::string label = source.XLabel(i);
    if (source.YMandatory()) FParentSeries->AddPoint(x, r, label);
    else FParentSeries->AddPoint(r, x, label);
  }
}

void TZelFunction::AddOneResult(TChartSeries& source, const TChartValueList& values) {
  const double v = Calculate(values, -1, -1);
  const TChartValueList& positions = PositionList(source);
  const double smallest = positions.Minimum(), largest = positions.Maximum();
  if (FParentSeries->AllowSinglePoint()) {
    Keep(Middle(smallest, largest), v);
  } else {
    Keep(smallest, v);
    Keep(largest, v);
  }
}

double TZelFunction::GroupPosition(double first, double last) const {
  switch (FPeriodAlign) {
    case paFirst: return first;
    case paLast: return last;
    default: {
      const double mean = (first + last) / 2;
      return std::isfinite(mean) || !std::isfinite(first) || !std::isfinite(last) ? mean : std::midpoint(first, last);
    }
  }
}

void TZelFunction::AddGroupsOfPoints(TChartSeries& source, const TChartValueList& values) {
  const int n = source.Count();
  // A final group short of the period adds nothing: a period beyond the count adds nothing.
  const double size = std::max(1.0, std::nearbyint(FPeriod));
  if (size > n) return;
  const int group = static_cast<int>(size);
  const TChartValueList& positions = PositionList(source);
  const double* at = positions.Data();
  const double m = positions.Multiplier();
  FXs.reserve(static_cast<std::size_t>(n / group));
  FYs.reserve(static_cast<std::size_t>(n / group));
  for (int d = 0; n - d >= group; d += group) {
    const int last = d + group - 1;
    Keep(GroupPosition(at[d] * m, at[last] * m), Calculate(values, d, last));
  }
}

void TZelFunction::AddGroupsOfRange(TChartSeries& source, const TChartValueList& values) {
  const int n = source.Count();
  const TChartValueList& positions = PositionList(source);
  const bool dateTime = positions.DateTime();
  double s = positions.Value(0);
  int empty = 0;
  for (int d = 0; d < n;) {
    const double e = RangeEnd(s, FPeriod, dateTime);
    const double end = e - FPeriod * 0.001;
    const double at = FPeriodAlign == paFirst ? s : FPeriodAlign == paLast ? end : GroupPosition(s, end);
    if (positions.Value(d) < e) {
      int last = d;
      while (last + 1 < n && positions.Value(last + 1) < e) ++last;
      Keep(at, Calculate(values, d, last));
      d = last + 1;
    } else {
      if (++empty > MaxEmptyRanges) return;
      Keep(at, 0);
    }
    s = e;
  }
}

}  // namespace chart
