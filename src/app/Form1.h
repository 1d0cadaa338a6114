// The demo's main window: the chart with its three series and the Draw button, laid out as
// the form describes them.
#pragma once

#include <QPushButton>
#include <QWidget>

#include <memory>

#include "app/core/DemoChart.h"
#include "platform/ChartWidget.h"

namespace demo {

// The form's outer size, and the frame it was designed with (6-pixel borders, a 23-pixel
// caption): the client area is what remains. The real frame is the window manager's.
inline constexpr QSize Form1OuterSize{917, 612};
inline constexpr QMargins Form1DesignFrame{6, 29, 6, 6};
inline constexpr QRect Chart1Geometry{0, 0, 905, 525};
inline constexpr QRect SpeedButton1Geometry{352, 536, 189, 37};
inline constexpr const char* SpeedButton1Caption = "Нарисовать";

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // The chart and its series are created with the form and freed with it.
 private:
  TDemoChart FDemo;

 public:
  chart::TChart& Chart1 = FDemo.Chart1;
  chart::TLineSeries& Series1 = FDemo.Series1;
  chart::TLineSeries& Series2 = FDemo.Series2;
  chart::TLineSeries& Series3 = FDemo.Series3;

  QPushButton* SpeedButton1() const { return FSpeedButton1; }
  platform::ChartWidget& Chart1Widget() const { return *FChart1Widget; }

 public slots:
  // The Draw action.
  void SpeedButton1Click();

 private:
  // Freed before the chart it shows (Qt frees its other children only after the members).
  std::unique_ptr<platform::ChartWidget> FChart1Widget;
  QPushButton* FSpeedButton1 = nullptr;
};

}  // namespace demo
