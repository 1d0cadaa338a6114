#include "platform/ChartExport.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>

#include "chart/canvas/NullDeviceSurface.h"
#include "platform/QtDeviceSurface.h"

namespace platform {

namespace {

// Pixels per inch of the chart's own pixels in vector pictures: the toolkit's default
// screen resolution, so that a chart pixel prints at the size it has on such a screen.
constexpr int VectorPixelsPerInch = 96;

QString Quoted(const QString& path) { return QStringLiteral("\"%1\"").arg(path); }

// The chart draws unbuffered on the device for once, then goes back to its window: the
// next paint there lays it out again for the window's size.
class TForeignPaint {
 public:
  explicit TForeignPaint(chart::TCustomChart& chart) : FChart(chart), FBuffered(chart.Canvas().Buffered()) {
    FChart.Canvas().SetBuffered(false);
  }
  ~TForeignPaint() {
    FChart.Canvas().SetBuffered(FBuffered);
    // Whether the paint ended or failed half-way, the canvas leaves the device: for the
    // window's surface, or for one that draws nothing.
    static chart::TNullDeviceSurface nowhere;
    chart::TChartHost* host = FChart.Host();
    FChart.Canvas().AttachDevice(host ? host->WindowSurface() : nowhere);
    FChart.InvalidateChart();
  }
  TForeignPaint(const TForeignPaint&) = delete;
  TForeignPaint& operator=(const TForeignPaint&) = delete;

 private:
  chart::TCustomChart& FChart;
  bool FBuffered;
};

QSize PictureSize(const chart::TCustomChart& chart, QSize size) {
  return size.isValid() ? size : QSize(chart.Width(), chart.Height());
}

void CheckSize(QSize size, double scale) {
  if (!(scale > 0) || !std::isfinite(scale))
    throw ExportException(QStringLiteral("the scale factor must be a positive number, not %1").arg(scale).toStdString());
  if (size.width() < 1 || size.height() < 1 || size.width() * scale > MaxExportSide ||
      size.height() * scale > MaxExportSide)
    throw ExportException(QStringLiteral("a picture of %1 x %2 pixels at scale %3 is out of range (1 to %4 pixels a side)")
                              .arg(size.width())
                              .arg(size.height())
                              .arg(scale)
                              .arg(MaxExportSide)
                              .toStdString());
}

void WritePng(chart::TCustomChart& chart, QSaveFile& file, QSize size, double scale) {
  const QImage image = ChartImage(chart, size, scale);
  if (!image.save(&file, "PNG")) throw ExportException("the PNG encoder failed");
}

void WriteSvg(chart::TCustomChart& chart, QSaveFile& file, QSize size) {
  QSvgGenerator svg;
  svg.setOutputDevice(&file);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setResolution(VectorPixelsPerInch);
  svg.setTitle(QStringLiteral("Chart"));
  DrawChart(chart, svg, size);
}

void WritePdf(chart::TCustomChart& chart, QSaveFile& file, QSize size) {
  QPdfWriter pdf(&file);
  pdf.setCreator(QStringLiteral("SpectrumChart"));
  // One page of the chart's size: at this resolution a device unit is a chart pixel.
  pdf.setResolution(VectorPixelsPerInch);
  const QSizeF points(size.width() * 72.0 / VectorPixelsPerInch, size.height() * 72.0 / VectorPixelsPerInch);
  pdf.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point, {}, QPageSize::ExactMatch),
                                QPageLayout::Portrait, QMarginsF()));
  DrawChart(chart, pdf, size);
}

}  // namespace

std::optional<TExportFormat> ExportFormatOf(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("png")) return TExportFormat::Png;
  if (suffix == QLatin1String("svg")) return TExportFormat::Svg;
  if (suffix == QLatin1String("pdf")) return TExportFormat::Pdf;
  return std::nullopt;
}

void DrawChart(chart::TCustomChart& chart, QPaintDevice& device, QSize size) {
  QtDeviceSurface surface(device, size);
  {
    TForeignPaint paint(chart);
    chart.DrawToCanvas(surface, {0, 0, size.width(), size.height()});
  }
  surface.Finish();
}

QImage ChartImage(chart::TCustomChart& chart, QSize size, double scale) {
  size = PictureSize(chart, size);
  CheckSize(size, scale);
  const QSize pixels(static_cast<int>(std::ceil(size.width() * scale)), static_cast<int>(std::ceil(size.height() * scale)));
  QImage image(pixels, QImage::Format_RGB32);
  if (image.isNull())
    throw ExportException(QStringLiteral("not enough memory for a picture of %1 x %2 pixels")
                              .arg(pixels.width())
                              .arg(pixels.height())
                              .toStdString());
  image.setDevicePixelRatio(scale);
  image.fill(Qt::white);
  if (scale == 1.0) {
    // One image pixel per chart pixel: exactly the screen's picture, direct pixels and all.
    QtDeviceSurface surface(image);
    TForeignPaint paint(chart);
    chart.DrawToCanvas(surface, {0, 0, size.width(), size.height()});
  } else {
    DrawChart(chart, image, size);
  }
  return image;
}

void ExportChart(chart::TCustomChart& chart, const QString& path, const TExportOptions& options) {
  const std::optional<TExportFormat> format = ExportFormatOf(path);
  if (!format)
    throw ExportException(QStringLiteral("cannot save the chart as %1: unknown file type (use .png, .svg or .pdf)")
                              .arg(Quoted(path))
                              .toStdString());
  const QSize size = PictureSize(chart, options.Size);
  CheckSize(size, *format == TExportFormat::Png ? options.Scale : 1.0);
  // Written beside the target under another name and renamed over it when complete.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    throw ExportException(
        QStringLiteral("cannot save the chart as %1: %2").arg(Quoted(path), file.errorString()).toStdString());
  switch (*format) {
    case TExportFormat::Png: WritePng(chart, file, size, options.Scale); break;
    case TExportFormat::Svg: WriteSvg(chart, file, size); break;
    case TExportFormat::Pdf: WritePdf(chart, file, size); break;
  }
  if (file.error() != QFileDevice::NoError || !file.commit())
    throw ExportException(
        QStringLiteral("cannot save the chart as %1: %2").arg(Quoted(path), file.errorString()).toStdString());
}

}  // namespace platform
