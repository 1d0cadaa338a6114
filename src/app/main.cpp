// The spectrum demo: module start-up in a fixed order, the main window and its message loop,
// then the finalisations in exactly the reverse order.
//
// Without a display (no DISPLAY or WAYLAND_DISPLAY) the demo runs on the offscreen platform:
// it presses Draw, saves the window's picture as a new PNG in the temp folder, prints its
// path and exits (non-zero, with the reason on stderr, when it cannot).
#include <QApplication>
#include <QImage>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>

#include "app/Form1.h"
#include "app/Modules.h"
#include "app/PictureFile.h"
#include "app/core/ProgramModules.h"

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

}  // namespace

int main(int argc, char* argv[]) {
  const bool offscreen = !HasDisplay() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
  if (offscreen) qputenv("QT_QPA_PLATFORM", "offscreen");

  demo::TModules modules;
  for (const demo::TProgramModule& m : demo::ProgramModules()) modules.Start(m.Init, m.Done);

  int result = 0;
  {
    QApplication app(argc, argv);
    demo::TForm1 form;
    if (offscreen || QGuiApplication::platformName() == QLatin1String("offscreen")) {
      result = RunOffscreen(app, form);
    } else {
      form.show();
      result = app.exec();
    }
  }  // the window and the application object go before the modules finalise
  return result;
}
