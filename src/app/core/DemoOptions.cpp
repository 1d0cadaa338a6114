#include "app/core/DemoOptions.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>

namespace demo {

namespace {

// The largest side and scale the command line takes; the export checks the product.
constexpr int MaxSide = 32767;
constexpr double MaxScale = 16.0;

std::optional<int> SizePart(std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < 1 || value > MaxSide) return std::nullopt;
  return value;
}

bool ParseSize(std::string_view text, TDemoOptions& options) {
  const std::size_t x = text.find('x');
  if (x == std::string_view::npos) return false;
  const auto w = SizePart(text.substr(0, x)), h = SizePart(text.substr(x + 1));
  if (!w || !h) return false;
  options.Width = *w;
  options.Height = *h;
  return true;
}

bool ParseScale(std::string_view text, TDemoOptions& options) {
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !(value > 0) || value > MaxScale) return false;
  options.Scale = value;
  return true;
}

bool KnownPictureType(std::string_view path) {
  const std::size_t dot = path.find_last_of("./");
  if (dot == std::string_view::npos || path[dot] != '.') return false;
  std::string suffix(path.substr(dot + 1));
  for (char& c : suffix) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return suffix == "png" || suffix == "svg" || suffix == "pdf";
}

}  // namespace

TParsedOptions ParseDemoOptions(std::span<const std::string_view> args) {
  TParsedOptions parsed;
  TDemoOptions& o = parsed.Options;
  bool sized = false, scaled = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view arg = args[i];
    if (arg == "--help" || arg == "-h") {
      o.Help = true;
      continue;
    }
    // --name=value or --name value.
    std::string_view name = arg, value;
    bool inlineValue = false;
    if (const std::size_t eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
      name = arg.substr(0, eq);
      value = arg.substr(eq + 1);
      inlineValue = true;
    }
    if (name != "--output" && name != "--size" && name != "--scale") {
      parsed.Error = "unknown option '" + std::string(arg) + "'";
      return parsed;
    }
    if (!inlineValue) {
      if (i + 1 == args.size()) {
        parsed.Error = "option '" + std::string(name) + "' needs a value";
        return parsed;
      }
      value = args[++i];
    }
    const std::string bad = "bad value '" + std::string(value) + "' for " + std::string(name);
    if (name == "--output") {
      if (!KnownPictureType(value)) {
        parsed.Error = bad + " (the file name must end in .png, .svg or .pdf)";
        return parsed;
      }
      o.Output = value;
    } else if (name == "--size") {
      if (!ParseSize(value, o)) {
        parsed.Error = bad + " (WIDTHxHEIGHT, each 1 to " + std::to_string(MaxSide) + ")";
        return parsed;
      }
      sized = true;
    } else {
      if (!ParseScale(value, o)) {
        parsed.Error = bad + " (a number above 0, at most 16)";
        return parsed;
      }
      scaled = true;
    }
  }
  if ((sized || scaled) && o.Output.empty() && !o.Help) parsed.Error = "--size and --scale need --output";
  return parsed;
}

std::string DemoUsage() {
  return "Usage: spectrum_demo [--output FILE.png|FILE.svg|FILE.pdf [--size WxH] [--scale N]]\n"
         "\n"
         "Without options, shows the window: press the button to draw the Hann window, its\n"
         "spectrum and the inverse transform. Without a display, presses the button itself,\n"
         "saves the window's picture in a new file in the temp folder and prints its path.\n"
         "\n"
         "  --output FILE  press the button and save the chart to FILE, without any window;\n"
         "                 the extension chooses PNG, SVG or PDF\n"
         "  --size WxH     the chart's size in pixels (default: its size in the window, 905x525)\n"
         "  --scale N      image pixels per chart pixel of a PNG, e.g. 2 or 4 (default 1)\n"
         "  --help         show this text\n"
         "\n"
         "Exit status: 0 done, 1 the file could not be written, 2 a bad command line.\n";
}

}  // namespace demo
