// Export of a chart to PNG, SVG and PDF: each file read back and compared with the chart's
// picture on the screen; failures that leave the folder as it was; and the painter path's
// one-pixel lines on exactly the pixels the direct path sets, at 1x and at 2x.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <cmath>
#include <functional>

#include "QtTestSupport.h"
#include "chart/panel/Chart.h"
#include "chart/seriestypes/BarSeries.h"
#include "chart/seriestypes/LineSeries.h"
#include "platform/ChartExport.h"

namespace platform {
namespace {

using namespace chart;

// A bar and a line series with a legend, the shape of chart people export.
struct TExportChart {
  TChart chart;
  TBarSeries bars;
  TLineSeries line;
  TExportChart() {
    testing::EnsureQtApp();
    chart.SetWidth(480);
    chart.SetHeight(300);
    chart.SetView3D(false);
    chart.Title().SetText({"Export"});
    chart.BackWall().Brush().SetColor(clWhite);
    bars.SetSeriesColor(clTeal);
    bars.SetTitle("Bars");
    bars.Marks().SetVisible(false);
    bars.SetParentChart(&chart);
    line.SetSeriesColor(clRed);
    line.SetTitle("Line");
    line.SetParentChart(&chart);
    for (int i = 0; i < 12; ++i) {
      bars.Add(10 + 8 * std::sin(i * 0.7));
      line.AddPoint(i, 12 + 6 * std::cos(i * 0.5));
    }
  }
};

QString Artifact(const QString& name) {
  const QString dir = QStringLiteral(TEST_ARTIFACTS_DIR);
  EXPECT_TRUE(QDir().mkpath(dir));
  return dir + "/" + name;
}

// Share of pixels that differ by more than `tolerance` in some channel.
double DifferentShare(const QImage& a, const QImage& b, int tolerance) {
  if (a.size() != b.size()) return 1.0;
  long long differ = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      if (std::abs(qRed(p) - qRed(q)) > tolerance || std::abs(qGreen(p) - qGreen(q)) > tolerance ||
          std::abs(qBlue(p) - qBlue(q)) > tolerance)
        ++differ;
    }
  return static_cast<double>(differ) / (a.width() * a.height());
}

QString RunTool(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  EXPECT_TRUE(p.waitForFinished(30000)) << program.toStdString();
  EXPECT_EQ(p.exitCode(), 0) << program.toStdString() << ": " << p.readAllStandardError().toStdString();
  return QString::fromUtf8(p.readAllStandardOutput());
}

QImage RenderSvg(const QString& path) {
  QSvgRenderer svg(path);
  EXPECT_TRUE(svg.isValid());
  // The drawing's own coordinates are the chart's pixels.
  QImage image(svg.viewBox().size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  svg.render(&painter);
  return image;
}

QImage RenderPdf(const QString& path) {
  // At 96 pixels per inch a chart pixel is a pixel again.
  RunTool(QStringLiteral("pdftoppm"), {"-r", "96", "-png", "-singlefile", path, path});
  return QImage(path + ".png");
}

TEST(ChartExport, EachFormatReadsBackAsThePictureOnTheScreen) {
  TExportChart c;
  const QImage screen = ChartImage(c.chart, {});
  ASSERT_EQ(screen.size(), QSize(480, 300));
  screen.save(Artifact("export_screen.png"));
  struct TCase {
    const char* File;
    std::function<QImage(const QString&)> ReadBack;
    // Vector renderers smooth edges and place glyphs on their own.
    double MaxDifferent;
  };
  const TCase cases[] = {
      {"export_chart.png", [](const QString& p) { return QImage(p).convertToFormat(QImage::Format_RGB32); }, 0.0},
      {"export_chart.svg", RenderSvg, 0.03},
      {"export_chart.pdf", RenderPdf, 0.03},
  };
  for (const TCase& t : cases) {
    const QString path = Artifact(t.File);
    QFile::remove(path);
    ExportChart(c.chart, path);
    const QImage back = t.ReadBack(path);
    back.save(path + ".png");
    EXPECT_EQ(back.size(), screen.size()) << t.File;
    EXPECT_LE(DifferentShare(back, screen, 48), t.MaxDifferent) << t.File;
  }

  // Vector pictures hold the drawing itself: text as text, lines as lines, no bitmap.
  QFile svgFile(Artifact("export_chart.svg"));
  ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
  const QByteArray svg = svgFile.readAll();
  EXPECT_TRUE(svg.contains(">Export<") && svg.contains(">Bars<") && svg.contains(">Line<"));
  EXPECT_TRUE(svg.contains("<polyline") || svg.contains("<path"));
  EXPECT_FALSE(svg.contains("<image"));
  const QString pdf = Artifact("export_chart.pdf");
  const QString info = RunTool(QStringLiteral("pdfinfo"), {pdf});
  EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
  EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+360 x 225 pts"))) << info.toStdString();
  const QString text = RunTool(QStringLiteral("pdftotext"), {pdf, "-"});
  EXPECT_TRUE(text.contains("Export") && text.contains("Bars")) << text.toStdString();
  EXPECT_EQ(RunTool(QStringLiteral("pdfimages"), {"-list", pdf}).count('\n'), 2);  // the header only
}

TEST(ChartExport, ScaledPicturesKeepTheLayoutAtTheirResolution) {
  TExportChart c;
  const QImage screen = ChartImage(c.chart, {});
  for (double scale : {2.0, 4.0}) {
    const QString path = Artifact(QStringLiteral("export_chart_x%1.png").arg(scale));
    ExportChart(c.chart, path, {{}, scale});
    const QImage big(path);
    ASSERT_EQ(big.size(), screen.size() * scale);
    // Brought back to the screen's size, the same picture (the text is drawn anew, finer).
    const QImage small = big.scaled(screen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LE(DifferentShare(small.convertToFormat(QImage::Format_RGB32), screen, 64), 0.02) << scale;
  }
  // Another size lays the chart out anew rather than stretching it.
  const int plotWidth = c.chart.ChartWidth(), plotHeight = c.chart.ChartHeight();
  const QImage wide = ChartImage(c.chart, {800, 300});
  EXPECT_EQ(wide.size(), QSize(800, 300));
  EXPECT_GT(c.chart.ChartWidth(), plotWidth + 250);
  EXPECT_EQ(c.chart.ChartHeight(), plotHeight);
}

TEST(ChartExport, FailuresSayWhyAndLeaveTheFolderAsItWas) {
  TExportChart c;
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString keep = dir.filePath("keep.png");
  ExportChart(c.chart, keep);
  QFile keepFile(keep);
  ASSERT_TRUE(keepFile.open(QIODevice::ReadOnly));
  const QByteArray kept = keepFile.readAll();
  keepFile.close();
  struct TCase {
    QString Path;
    TExportOptions Options;
    const char* Message;
  };
  const TCase cases[] = {
      {dir.filePath("chart.txt"), {}, "unknown file type"},
      {dir.filePath("chart"), {}, "unknown file type"},
      {dir.filePath("missing/chart.png"), {}, "No such file or directory"},
      {dir.path(), {}, "unknown file type"},
      {dir.filePath("keep.png"), {{0, 300}, 1.0}, "out of range"},
      {dir.filePath("keep.png"), {{20000, 300}, 2.0}, "out of range"},
      {dir.filePath("keep.png"), {{}, 0.0}, "positive number"},
      {dir.filePath("keep.png"), {{}, std::nan("")}, "positive number"},
  };
  for (const TCase& t : cases) {
    try {
      ExportChart(c.chart, t.Path, t.Options);
      ADD_FAILURE() << "no error for " << t.Path.toStdString();
    } catch (const ExportException& e) {
      EXPECT_NE(std::string(e.what()).find(t.Message), std::string::npos) << e.what();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"keep.png"})
        << t.Path.toStdString();
  }
  ASSERT_TRUE(keepFile.open(QIODevice::ReadOnly));
  EXPECT_EQ(keepFile.readAll(), kept);
}

// The painter path (vector devices, other resolutions) sets the pixels the direct path sets.
TEST(ChartExport, PainterPathLinesCoverThePixelsOfTheDirectPath) {
  struct TCase {
    const char* Name;
    std::function<void(TDeviceSurface&)> Draw;
  };
  const TCase cases[] = {
      {"rows both ways", [](TDeviceSurface& d) { d.Line(3, 4, 30, 4); d.Line(30, 9, 3, 9); }},
      {"columns both ways", [](TDeviceSurface& d) { d.Line(5, 2, 5, 28); d.Line(9, 28, 9, 2); }},
      {"steps in a run", [](TDeviceSurface& d) {
         const TPoint run[] = {{2, 2}, {20, 2}, {20, 15}, {6, 15}, {6, 25}};
         d.LineRun(run);
       }},
      {"framed box", [](TDeviceSurface& d) {
         d.Brush().SetColor(clYellow);
         d.Rectangle(4, 6, 28, 22);
       }},
      {"frame without fill", [](TDeviceSurface& d) {
         d.Brush().SetStyle(bsClear);
         d.Rectangle(1, 1, 31, 29);
       }},
      {"NOT-XOR frame twice erases itself", [](TDeviceSurface& d) {
         d.Brush().SetStyle(bsClear);
         d.Pen().SetMode(pmNotXor);
         d.Rectangle(3, 3, 25, 20);
         d.Rectangle(3, 3, 25, 20);
       }},
      {"pixels", [](TDeviceSurface& d) { d.SetPixel(7, 7, clRed); d.SetPixel(0, 29, clBlue); }},
  };
  for (const TCase& t : cases) {
    testing::TCanvasImage direct(32, 30);
    direct.Device->Pen().SetColor(clNavy);
    t.Draw(*direct.Device);
    const QImage expected = direct.Snapshot();
    for (double scale : {1.0, 2.0}) {
      QImage image(QSize(32, 30) * scale, QImage::Format_RGB32);
      image.fill(Qt::white);
      image.setDevicePixelRatio(scale);
      {
        QtDeviceSurface painted(static_cast<QPaintDevice&>(image));
        painted.Pen().SetColor(clNavy);
        t.Draw(painted);
      }
      int wrong = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          if (image.pixel(x, y) != expected.pixel(static_cast<int>(x / scale), static_cast<int>(y / scale))) ++wrong;
      EXPECT_EQ(wrong, 0) << t.Name << " at " << scale << "x";
    }
  }
}

}  // namespace
}  // namespace platform
