// A flat 640 x 400 chart painted by the Qt device, its picture kept in build/artifacts for a
// person to look at; and the Qt pixel of an engine colour.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "QtTestSupport.h"
#include "chart/panel/Chart.h"

namespace platform::testing {

inline QRgb Rgb(chart::TColor c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

struct TChartPicture {
  TImageHost host{640, 400, qRgb(0, 0, 0)};
  chart::TChart chart;
  explicit TChartPicture(const char* title) {
    chart.SetWidth(640);
    chart.SetHeight(400);
    chart.SetView3D(false);
    chart.Title().SetText({title});
    chart.BackWall().Brush().SetColor(chart::clWhite);
  }
  const QImage& Paint(const char* file) {
    chart.SetHost(&host);
    chart.Paint();
    const QString dir = QStringLiteral(TEST_ARTIFACTS_DIR);
    EXPECT_TRUE(QDir().mkpath(dir));
    EXPECT_TRUE(host.Image().save(dir + "/" + file));
    return host.Image();
  }
};

}  // namespace platform::testing
