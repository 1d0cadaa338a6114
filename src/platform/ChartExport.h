// Saving a chart as a picture file: PNG at any size and resolution, SVG and PDF as vector
// drawings (lines, polygons, ellipses and text as such, no embedded bitmap of the chart).
// The chart is laid out for the picture's size in its own pixels, exactly as a window of
// that size would show it; the window showing the chart, if any, repaints afterwards.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>
#include <stdexcept>

#include "chart/panel/CustomChart.h"

class QPaintDevice;

namespace platform {

// Why an export wrote nothing. The file named stays as it was (a new file is written
// beside it and takes its place only when complete).
class ExportException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class TExportFormat { Png, Svg, Pdf };

// The format a file name's extension asks for (".png", ".svg", ".pdf", any case).
std::optional<TExportFormat> ExportFormatOf(const QString& path);

struct TExportOptions {
  // The picture's size in the chart's pixels; invalid (the default): the chart's Width x Height.
  QSize Size;
  // Image pixels per chart pixel (PNG): 2 for a high-density screen, 4 for print. Vector
  // pictures have no pixels and ignore it.
  double Scale = 1.0;
};

// The largest picture side, in image pixels, that an export makes.
inline constexpr int MaxExportSide = 32767;

// Draws the chart on any paint device through QPainter, laid out for `size` chart pixels.
void DrawChart(chart::TCustomChart& chart, QPaintDevice& device, QSize size);

// The chart as an image of size x scale pixels whose device pixel ratio is `scale`.
// Throws ExportException for a size or scale out of range.
QImage ChartImage(chart::TCustomChart& chart, QSize size, double scale = 1.0);

// Writes the chart to `path` in the format its extension names. Throws ExportException.
void ExportChart(chart::TCustomChart& chart, const QString& path, const TExportOptions& options = {});

}  // namespace platform
