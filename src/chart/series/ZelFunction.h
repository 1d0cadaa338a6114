// A calculation that derives a series' points from its data sources. The series owns its
// function; the seven standard functions (src/chart/functions) derive from this and supply
// the value of a group of points (one source) or of one index across several sources.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace chart {

class TChartSeries;
class TChartValueList;

// How the source's points are grouped: groups of Period points, or X ranges Period wide.
enum TFunctionPeriodStyle : std::uint8_t { psNumPoints, psRange };
// Where a group's result goes on the X axis.
enum TFunctionPeriodAlign : std::uint8_t { paFirst, paCenter, paLast };

class TZelFunction {
 public:
  TZelFunction() = default;
  virtual ~TZelFunction() = default;
  TZelFunction(const TZelFunction&) = delete;
  TZelFunction& operator=(const TZelFunction&) = delete;

  TChartSeries* ParentSeries() const { return FParentSeries; }

  // 0: one result over the whole source. A period below 0 (or NaN) raises ChartException
  // and keeps the old one. With psNumPoints a period rounds to a group size of at least
  // one point (so that a period under 0.5 still steps through the source).
  double Period() const { return FPeriod; }
  void SetPeriod(double v);
  TFunctionPeriodStyle PeriodStyle() const { return FPeriodStyle; }
  void SetPeriodStyle(TFunctionPeriodStyle v);
  TFunctionPeriodAlign PeriodAlign() const { return FPeriodAlign; }
  void SetPeriodAlign(TFunctionPeriodAlign v);

  // Settings changed between BeginUpdate and EndUpdate rebuild the series once, at the end.
  void BeginUpdate() { ++FUpdating; }
  void EndUpdate();
  bool Updating() const { return FUpdating > 0; }

  // Adds the owning series' points computed from source (the series has been cleared).
  virtual void AddPoints(TChartSeries& source);

  // The value over values[first .. last] of one source, or over the whole list when first
  // is -1. The base has no rule of its own: 0.
  virtual double Calculate(const TChartValueList& values, int first, int last) const;
  // The value at index across several sources; sources without a point there are
  // skipped. The base: 0.
  virtual double CalculateMany(std::span<TChartSeries* const> sources, int index) const;

  // The list of a source that the function reads: the one named as the owning series'
  // mandatory list when the source has it, else the source's mandatory list.
  const TChartValueList& ValueListOf(const TChartSeries& source) const;

  // A walk by X range stops after this many ranges without a point: a period far smaller
  // than the data's X span would otherwise fill memory with zero results.
  static constexpr int MaxEmptyRanges = 1000000;

 protected:
  // Rebuilds the owning series, unless an update is running.
  void Recalculate();

 private:
  friend class TChartSeries;

  void AddOneResult(TChartSeries& source, const TChartValueList& values);
  void AddManySourceResults(TChartSeries& source);
  void AddGroupsOfPoints(TChartSeries& source, const TChartValueList& values);
  void AddGroupsOfRange(TChartSeries& source, const TChartValueList& values);
  // The X of a group of points placed by PeriodAlign.
  double GroupPosition(double first, double last) const;
  // Collected results, added to the series in one call.
  void Keep(double x, double y) {
    FXs.push_back(x);
    FYs.push_back(y);
  }
  void AddKept(const TChartSeries& source);

  TChartSeries* FParentSeries = nullptr;
  double FPeriod = 0;
  TFunctionPeriodStyle FPeriodStyle = psNumPoints;
  TFunctionPeriodAlign FPeriodAlign = paCenter;
  int FUpdating = 0;
  bool FChangedWhileUpdating = false;
  // Kept between rebuilds so that a rebuild after the first allocates nothing here.
  std::vector<double> FXs, FYs;
};

}  // namespace chart
