// A window with a chart: a month's rainfall as bars, its running mean as a line, and a
// legend that names both. `chart_example --save FILE` writes the chart to FILE (PNG, SVG or
// PDF by the extension) instead of showing the window.
#include <QApplication>

#include <cstdio>
#include <cstring>

#include "chart/panel/Chart.h"
#include "chart/registry/ChartModules.h"
#include "chart/seriestypes/BarSeries.h"
#include "chart/seriestypes/LineSeries.h"
#include "platform/ChartExport.h"
#include "platform/ChartWidget.h"

int main(int argc, char* argv[]) {
  const char* save = argc == 3 && std::strcmp(argv[1], "--save") == 0 ? argv[2] : nullptr;
  if (save && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  chart::ChartModulesInit();
  int result = 0;
  {
    QApplication app(argc, argv);

    // The chart outlives its series and the widget that shows it: declared first.
    chart::TChart chart;
    chart.SetWidth(640);  // the widget takes the chart's size
    chart.SetHeight(400);
    chart.SetView3D(false);
    chart.Title().SetText({"Rainfall, mm"});
    chart.BackWall().Brush().SetColor(chart::clWhite);

    chart::TBarSeries rain;
    rain.SetTitle("daily");
    rain.SetSeriesColor(chart::clTeal);
    rain.Marks().SetVisible(false);
    rain.SetParentChart(&chart);
    chart::TLineSeries mean;
    mean.SetTitle("running mean");
    mean.SetSeriesColor(chart::clRed);
    mean.SetParentChart(&chart);

    const double mm[] = {4, 0, 12, 7, 1, 0, 0, 22, 15, 3, 6, 9, 0, 2};
    double sum = 0;
    for (int day = 0; day < static_cast<int>(std::size(mm)); ++day) {
      sum += mm[day];
      rain.Add(mm[day]);
      mean.AddPoint(day, sum / (day + 1));
    }

    platform::ChartWidget widget(chart);
    if (save) {
      try {
        platform::ExportChart(chart, QString::fromLocal8Bit(save));
      } catch (const platform::ExportException& e) {
        std::fprintf(stderr, "chart_example: %s\n", e.what());
        result = 1;
      }
    } else {
      widget.setWindowTitle(QStringLiteral("Chart example"));
      widget.show();
      result = app.exec();
    }
  }
  chart::ChartModulesDone();
  return result;
}
