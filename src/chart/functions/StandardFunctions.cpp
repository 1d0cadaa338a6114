#include "chart/functions/StandardFunctions.h"

#include <cmath>

#include "chart/series/ChartSeries.h"

namespace chart {

namespace {

// Calls visit(value, isFirstSource) for every source that has a point at index.
template <class Visit>
void ForEachValueAt(const TZelFunction& f, std::span<TChartSeries* const> sources, int index, Visit visit) {
  for (std::size_t k = 0; k < sources.size(); ++k) {
    const TChartValueList& values = f.ValueListOf(*sources[k]);
    if (index < values.Count()) visit(values.Value(index), k == 0);
  }
}

// Calls visit(value) for values first .. last as read (NaN values, which take no part in
// a list's statistics, are left out here too).
template <class Visit>
void ForEachInRange(const TChartValueList& values, int first, int last, Visit visit) {
  const double* raw = values.Data();
  const double m = values.Multiplier();
  for (int i = first; i <= last; ++i) {
    const double v = raw[i] * m;
    if (!std::isnan(v)) visit(v);
  }
}

double SumOf(const TChartValueList& values, int first, int last) {
  // Adding 0 for a NaN leaves the sum as skipping it would (a sum from +0 is never -0),
  // without a branch in the loop.
  const double* raw = values.Data();
  const double m = values.Multiplier();
  double sum = 0;
  for (int i = first; i <= last; ++i) {
    const double v = raw[i] * m;
    sum += v == v ? v : 0.0;
  }
  return sum;
}

// The largest (larger = true) or smallest value of a range, 0 when it holds no number.
double ExtremeOf(const TChartValueList& values, int first, int last, bool larger) {
  double r = 0;
  bool any = false;
  ForEachInRange(values, first, last, [&](double v) {
    if (!any || (larger ? v > r : v < r)) r = v;
    any = true;
  });
  return r;
}

// From 0, a value replaces the result when it comes from the first source or beats it.
double ExtremeAt(const TZelFunction& f, std::span<TChartSeries* const> sources, int index, bool larger) {
  double r = 0;
  ForEachValueAt(f, sources, index, [&](double v, bool first) {
    if (first || (larger ? v > r : v < r)) r = v;
  });
  return r;
}

// The first value met, then combine(result, v) for each further one; 0 when none.
template <class Combine>
double FoldAt(const TZelFunction& f, std::span<TChartSeries* const> sources, int index, Combine combine) {
  double r = 0;
  bool any = false;
  ForEachValueAt(f, sources, index, [&](double v, bool) {
    r = any ? combine(r, v) : v;
    any = true;
  });
  return r;
}

}  // namespace

double TAddZelFunction::Calculate(const TChartValueList& values, int first, int last) const {
  return first == -1 ? values.Total() : SumOf(values, first, last);
}

double TAddZelFunction::CalculateMany(std::span<TChartSeries* const> sources, int index) const {
  return FoldAt(*this, sources, index, [](double r, double v) { return r + v; });
}

double THighZelFunction::Calculate(const TChartValueList& values, int first, int last) const {
  return first == -1 ? values.Maximum() : ExtremeOf(values, first, last, true);
}

double THighZelFunction::CalculateMany(std::span<TChartSeries* const> sources, int index) const {
  return ExtremeAt(*this, sources, index, true);
}

double TLowZelFunction::Calculate(const TChartValueList& values, int first, int last) const {
  return first == -1 ? values.Minimum() : ExtremeOf(values, first, last, false);
}

double TLowZelFunction::CalculateMany(std::span<TChartSeries* const> sources, int index) const {
  return ExtremeAt(*this, sources, index, false);
}

double TAverageZelFunction::Calculate(const TChartValueList& values, int first, int last) const {
  if (first == -1) return values.Count() > 0 ? values.Total() / values.Count() : 0;
  return last < first ? 0 : SumOf(values, first, last) / (last - first + 1);
}

double TAverageZelFunction::CalculateMany(std::span<TChartSeries* const> sources, int index) const {
  double sum = 0;
  int count = 0;
  ForEachValueAt(*this, sources, index, [&](double v, bool) {
    sum += v;
    ++count;
  });
  return count > 0 ? sum / count : 0;
}

double TSubtractZelFunction::CalculateMany(std::span<TChartSeries* const> sources, int index) const {
  return FoldAt(*this, sources, index, [](double r, double v) { return r - v; });
}

double TMultiplyZelFunction::CalculateMany(std::span<TChartSeries* const> sources, int index) const {
  return FoldAt(*this, sources, index, [](double r, double v) { return r * v; });
}

double TDivideZelFunction::CalculateMany(std::span<TChartSeries* const> sources, int index) const {
  // A zero divisor is skipped: the running result stays.
  return FoldAt(*this, sources, index, [](double r, double v) { return v == 0 ? r : r / v; });
}

}  // namespace chart
