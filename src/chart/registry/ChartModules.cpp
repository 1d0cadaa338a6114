#include "chart/registry/ChartModules.h"

#include <vector>

#include "chart/registry/ChartClasses.h"
#include "chart/registry/ChartTexts.h"
#include "chart/registry/ClassRegistry.h"
#include "chart/registry/ModuleState.h"
#include "chart/registry/ScreenCursors.h"
#include "chart/registry/SeriesTypes.h"

namespace chart {

namespace {

// The hand that chart elements show over something clickable, under its own number so an
// element can ask for it before the platform's cursors exist.
void InstallHandCursor() { InstallScreenCursor(crZelHand, crHandPoint); }

// The engine's own parts. The series marks class joins here.
void RegisterEngineClasses() {
  RegisterChartClass(ChartAxisTitleClass);
  RegisterChartClass(ChartAxisClass);
  RegisterChartClass(ChartDepthAxisClass);
}

// The chart's own parts, the legend first.
void RegisterChartPartClasses() {
  RegisterChartClass(ChartLegendClass);
  RegisterChartClass(ChartGradientClass);
  RegisterChartClass(ChartWallClass);
  RegisterChartClass(ChartTitleClass);
}

// The gallery's "Standard" page, in this order: Line, Bar, Horiz. Bar, Area, Point, Pie,
// Fast Line.
void RegisterStandardSeries() {
  const std::string_view page = ChartText(TChartText::GalleryStandard);
  RegisterSeriesType(LineSeriesClass, ChartText(TChartText::Line), page, 2);
  RegisterSeriesType(BarSeriesClass, ChartText(TChartText::Bar), page, 2);
  RegisterSeriesType(HorizBarSeriesClass, ChartText(TChartText::HorizBar), page, 2);
  RegisterSeriesType(AreaSeriesClass, ChartText(TChartText::Area), page, 2);
  RegisterSeriesType(PointSeriesClass, ChartText(TChartText::Point), page, 2);
  RegisterSeriesType(PieSeriesClass, ChartText(TChartText::Pie), page, 1);
  RegisterSeriesType(FastLineSeriesClass, ChartText(TChartText::FastLine), page, 2);
}

// The gallery's "Functions" page: Add, Subtract, Multiply, Divide, High, Low, Average.
void RegisterStandardFunctions() {
  RegisterStandardFunction(AddFunctionClass, ChartText(TChartText::Add));
  RegisterStandardFunction(SubtractFunctionClass, ChartText(TChartText::Subtract));
  RegisterStandardFunction(MultiplyFunctionClass, ChartText(TChartText::Multiply));
  RegisterStandardFunction(DivideFunctionClass, ChartText(TChartText::Divide));
  RegisterStandardFunction(HighFunctionClass, ChartText(TChartText::High));
  RegisterStandardFunction(LowFunctionClass, ChartText(TChartText::Low));
  RegisterStandardFunction(AverageFunctionClass, ChartText(TChartText::Average));
}

}  // namespace

void ChartModulesInit() {
  if (ChartModuleState().InitCount++ > 0) return;
  InstallHandCursor();
  RegisterEngineClasses();
  RegisterChartPartClasses();
  // Every chart's mouse settings start with the animated-zoom divisor at 3: nothing to set.
  RegisterStandardFunctions();
  RegisterStandardSeries();
}

void ChartModulesDone() {
  TChartModuleState& state = ChartModuleState();
  if (state.InitCount == 0 || --state.InitCount > 0) return;
  // Swapping with empty lists gives their memory back.
  std::vector<TZelSeriesType>().swap(state.SeriesTypes);
  std::vector<const TChartClass*>().swap(state.Classes);
  RemoveScreenCursor(crZelHand);
}

}  // namespace chart
