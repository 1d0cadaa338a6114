// Minimum, maximum and totals of a value list, kept for the values they were taken over:
// values appended since are added in, and values deleted from the front (a scrolling
// stream) leave the extremes alone unless they were one of them. Each result is the one
// a single pass over the values in point order gives.
#include <algorithm>
#include <cmath>

#include "chart/series/ChartValueList.h"

namespace chart {

namespace {

// A value list in order, read at its ends: the first value is where the pass finds its
// extreme first; the last one is, unless it is a zero (a -0 and a 0 compare equal, and the
// pass keeps the one it meets first).
bool ExtremesAtEnds(const double* v, int n, double m, bool descending, double& mn, double& mx) {
  if (!(m > 0) || !std::isfinite(m)) return false;
  const double first = v[0] * m, last = v[n - 1] * m;
  if (last == 0) return false;
  mn = descending ? last : first;
  mx = descending ? first : last;
  return true;
}

}  // namespace

void TChartValueList::ValuesLeaving(int start, int quantity) {
  FDirty = true;
  const int end = start + quantity;
  // A sum cannot give a value back exactly: the totals start again.
  if (start < FTotalsOf) FTotalsOf = 0;
  if (start >= FExtremesOf) return;
  // The extremes stand while neither of them leaves (NaN takes no part).
  const int covered = std::min(end, FExtremesOf);
  for (int i = start; i < covered; ++i) {
    const double v = FValues[static_cast<std::size_t>(i)] * FMultiplier;
    if (FAnyExtreme && (v == FMinimum || v == FMaximum)) {
      FExtremesOf = 0;
      return;
    }
  }
  FExtremesOf -= covered - start;
  if (FExtremesOf == 0) FAnyExtreme = false;
}

void TChartValueList::UpdateExtremes() const {
  // NaN is no number: it would make the minimum and maximum depend on where it stands,
  // so it takes no part. Infinities do take part.
  const int n = static_cast<int>(FValues.size());
  const double* values = FValues.data();
  if (FExtremesOf == 0) {
    FAnyExtreme = false;
    // A whole list in order has its extremes at its ends.
    if (FOrder != loNone && FOrderedFrom == 0 && n > 0 &&
        ExtremesAtEnds(values, n, FMultiplier, FOrder == loDescending, FMinimum, FMaximum)) {
      FAnyExtreme = true;
      FExtremesOf = n;
    }
  }
  for (int i = FExtremesOf; i < n; ++i) {
    const double v = values[i] * FMultiplier;
    if (std::isnan(v)) continue;
    if (!FAnyExtreme) {
      FMinimum = FMaximum = v;
      FAnyExtreme = true;
    } else if (v < FMinimum) {
      FMinimum = v;
    } else if (v > FMaximum) {
      FMaximum = v;
    }
  }
  FExtremesOf = n;
  if (!FAnyExtreme) FMinimum = FMaximum = 0;
}

void TChartValueList::UpdateTotals() const {
  const int n = static_cast<int>(FValues.size());
  const double* values = FValues.data();
  if (FTotalsOf == 0) FAnyTotal = false;
  for (int i = FTotalsOf; i < n; ++i) {
    const double v = values[i] * FMultiplier;
    if (std::isnan(v)) continue;
    if (!FAnyTotal) {
      FTotal = v;
      FTotalAbs = std::fabs(v);
      FAnyTotal = true;
    } else {
      FTotal += v;
      FTotalAbs += std::fabs(v);
    }
  }
  FTotalsOf = n;
  if (!FAnyTotal) FTotal = FTotalAbs = 0;
}

// Each read brings only its own part up to date; any read clears the changed flag.
double TChartValueList::Minimum() const {
  Settle();
  if (FExtremesOf != Count() || FExtremesOf == 0) UpdateExtremes();
  FDirty = false;
  return FMinimum;
}

double TChartValueList::Maximum() const {
  Settle();
  if (FExtremesOf != Count() || FExtremesOf == 0) UpdateExtremes();
  FDirty = false;
  return FMaximum;
}

double TChartValueList::Total() const {
  Settle();
  if (FTotalsOf != Count() || FTotalsOf == 0) UpdateTotals();
  FDirty = false;
  return FTotal;
}

double TChartValueList::TotalAbs() const {
  Settle();
  if (FTotalsOf != Count() || FTotalsOf == 0) UpdateTotals();
  FDirty = false;
  return FTotalAbs;
}

}  // namespace chart
