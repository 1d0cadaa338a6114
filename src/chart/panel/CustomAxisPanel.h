// The chart with series and axes: the series list and its colour rule, the standard
// axes that series bind to, and the checks for data-source links between series.
#pragma once

#include "chart/core/Color.h"
#include "chart/panel/CustomZelPanelExtended.h"
#include "chart/series/ChartSeriesList.h"

namespace chart {

class TChartComponent;
class TChartSeries;
class TCustomChartAxis;

class TCustomAxisPanel : public TCustomZelPanelExtended {
 public:
  TCustomAxisPanel() = default;
  // Detaches every series still attached (the series belong to their owner, not to the
  // chart) so that none keeps a pointer to a dead chart.
  ~TCustomAxisPanel() override;

  const TChartSeriesList& SeriesList() const { return FSeriesList; }
  int SeriesCount() const { return FSeriesList.Count(); }
  // The series at index in attachment order; EListError outside 0 .. SeriesCount-1.
  TChartSeries* Series(int index) const { return FSeriesList.Items(index); }

  void AddSeries(TChartSeries& series);
  void RemoveSeries(TChartSeries& series);
  int ActiveCount() const;

  // First palette colour that no series uses (and, with checkBackground, that differs
  // from the chart's and the back wall's colour); the palette's first colour when none.
  TColor FreeSeriesColor(bool checkBackground) const;
  bool IsColorFree(TColor color, bool checkBackground) const;

  // Whether component may feed series (it must be a series).
  virtual bool IsValidDataSource(const TChartSeries& series, const TChartComponent& component) const;

  // The standard axes series bind to; unset until the chart creates them.
  TCustomChartAxis* BottomAxis() const { return FBottomAxis; }
  TCustomChartAxis* TopAxis() const { return FTopAxis; }
  TCustomChartAxis* LeftAxis() const { return FLeftAxis; }
  TCustomChartAxis* RightAxis() const { return FRightAxis; }

 protected:
  // The back wall's colour, which a free series colour must differ from.
  virtual TColor BackWallColor() const { return clDefault; }
  // Installs the standard axes (not owned here) and rebinds the attached series.
  void SetStandardAxes(TCustomChartAxis* bottom, TCustomChartAxis* top, TCustomChartAxis* left,
                       TCustomChartAxis* right);

 private:
  TChartSeriesList FSeriesList;
  TCustomChartAxis* FBottomAxis = nullptr;
  TCustomChartAxis* FTopAxis = nullptr;
  TCustomChartAxis* FLeftAxis = nullptr;
  TCustomChartAxis* FRightAxis = nullptr;
};

}  // namespace chart
