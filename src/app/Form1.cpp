#include "app/Form1.h"

#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

#include <exception>

#include "app/core/DrawAction.h"
#include "platform/QtColor.h"
#include "platform/QtPlatformServices.h"

namespace demo {

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QStringLiteral("Form1"));
  const chart::TColor face = platform::QtPlatformServices().SystemColor(chart::SystemColorIndex(chart::clBtnFace));
  QPalette pal = palette();
  pal.setColor(QPalette::Window, platform::ToQColor(face));
  pal.setColor(QPalette::Button, platform::ToQColor(face));
  setPalette(pal);
  setAutoFillBackground(true);
  // The form's font: 11 pixels of the interface sans face (the toolkit substitutes).
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);
  font.setStyleHint(QFont::SansSerif);
  setFont(font);

  FChart1Widget = std::make_unique<platform::ChartWidget>(Chart1, this);
  FChart1Widget->setGeometry(Chart1Geometry);
  Chart1.Loaded();

  FSpeedButton1 = new QPushButton(QString::fromUtf8(SpeedButton1Caption), this);
  FSpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
  FSpeedButton1->setGeometry(SpeedButton1Geometry);
  FSpeedButton1->setFocusPolicy(Qt::NoFocus);  // a speed button never takes the focus
  connect(FSpeedButton1, &QPushButton::clicked, this, &TForm1::SpeedButton1Click);

  const QSize client = Form1OuterSize.shrunkBy(Form1DesignFrame);
  resize(client);
  // Centred on the screen, frame included.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.x() + (area.width() - Form1OuterSize.width()) / 2,
         area.y() + (area.height() - Form1OuterSize.height()) / 2);
  }
}

TForm1::~TForm1() = default;

void TForm1::SpeedButton1Click() {
  try {
    DrawAction(Series1, Series2, Series3);
  } catch (const std::exception& e) {
    // The event loop must go on; the series keep what was appended before the failure.
    qCritical("Draw failed: %s", e.what());
  }
}

}  // namespace demo
