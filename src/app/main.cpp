// The spectrum demo: module start-up in a fixed order, the main window and its message loop,
// then the finalisations in exactly the reverse order.
//
// Without a display (no DISPLAY or WAYLAND_DISPLAY) the demo runs on the offscreen platform:
// it presses Draw, saves the window's picture as a new PNG in the temp folder, prints its
// path and exits (non-zero, with the reason on stderr, when it cannot). `--output FILE`
// does the same for the chart alone, into FILE, without any display (see DemoOptions.h).
#include <QApplication>
#include <QImage>
#include <QPixmap>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "app/Form1.h"
#include "app/Modules.h"
#include "app/PictureFile.h"
#include "app/core/DemoOptions.h"
#include "app/core/ProgramModules.h"
#include "platform/ChartExport.h"

namespace {

bool HasDisplay() {
  const char* x = std::getenv("DISPLAY");
  const char* w = std::getenv("WAYLAND_DISPLAY");
  return (x && *x) || (w && *w);
}

// Presses Draw in a window nobody sees and keeps its picture.
int RunOffscreen(QApplication& app, demo::TForm1& form) {
  form.show();
  app.processEvents();
  form.SpeedButton1()->click();
  app.processEvents();
  const demo::TSavedPicture saved = demo::SaveNewPng(form.grab().toImage(), demo::TempFolder());
  if (saved.Path.isEmpty()) {
    std::fprintf(stderr, "spectrum_demo: %s\n", qPrintable(saved.Error));
    return 1;
  }
  std::printf("%s\n", qPrintable(saved.Path));
  return 0;
}

// Presses Draw and saves the chart alone as the options ask.
int RunExport(QApplication& app, demo::TForm1& form, const demo::TDemoOptions& options) {
  form.SpeedButton1()->click();
  app.processEvents();
  const QString path = QString::fromLocal8Bit(options.Output.c_str());
  platform::TExportOptions exportOptions;
  if (options.Width > 0) exportOptions.Size = QSize(options.Width, options.Height);
  exportOptions.Scale = options.Scale;
  try {
    platform::ExportChart(form.Chart1, path, exportOptions);
  } catch (const platform::ExportException& e) {
    std::fprintf(stderr, "spectrum_demo: %s\n", e.what());
    return 1;
  }
  std::printf("%s\n", qPrintable(path));
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::vector<std::string_view> args(argv + std::min(argc, 1), argv + argc);
  const demo::TParsedOptions parsed = demo::ParseDemoOptions(args);
  if (!parsed.Error.empty()) {
    std::fprintf(stderr, "spectrum_demo: %s\n\n%s", parsed.Error.c_str(), demo::DemoUsage().c_str());
    return 2;
  }
  if (parsed.Options.Help) {
    std::fputs(demo::DemoUsage().c_str(), stdout);
    return 0;
  }
  const bool exporting = !parsed.Options.Output.empty();
  // A file asked for needs no display at all.
  const bool offscreen = (exporting || !HasDisplay()) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
  if (offscreen) qputenv("QT_QPA_PLATFORM", "offscreen");

  demo::TModules modules;
  for (const demo::TProgramModule& m : demo::ProgramModules()) modules.Start(m.Init, m.Done);

  int result = 0;
  {
    QApplication app(argc, argv);
    demo::TForm1 form;
    if (exporting) {
      result = RunExport(app, form, parsed.Options);
    } else if (offscreen || QGuiApplication::platformName() == QLatin1String("offscreen")) {
      result = RunOffscreen(app, form);
    } else {
      form.show();
      result = app.exec();
    }
  }  // the window and the application object go before the modules finalise
  return result;
}
