// The demo's command line. With no options the demo shows its window (or, without a display,
// saves the window's picture in the temp folder); `--output FILE` presses Draw and saves the
// chart to FILE without any window, in the format the extension names.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace demo {

struct TDemoOptions {
  bool Help = false;
  // The file to write; empty: show the window.
  std::string Output;
  // The picture's size in chart pixels; 0 x 0: the chart's size on the form.
  int Width = 0;
  int Height = 0;
  // Image pixels per chart pixel of a PNG.
  double Scale = 1.0;
};

struct TParsedOptions {
  TDemoOptions Options;
  // Why the command line was refused; empty when it was taken.
  std::string Error;
};

// The arguments after the program's name.
TParsedOptions ParseDemoOptions(std::span<const std::string_view> args);

// What --help prints.
std::string DemoUsage();

}  // namespace demo
