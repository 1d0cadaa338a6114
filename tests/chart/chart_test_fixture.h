// A chart shown in a fake window with the recording device: fixed text metrics (8 pixels
// per character and 13 pixels per line in the default 8-point font) make every pixel of a
// layout predictable.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/FakeChartHost.h"
#include "support/RecordingDevice.h"
#include "chart/panel/Chart.h"
#include "chart/series/ChartSeries.h"

namespace chart::testing {

// A series whose drawing steps are recorded into a shared journal.
class TJournalSeries : public TChartSeries {
 public:
  explicit TJournalSeries(std::vector<std::string>* journal, std::string name = "s")
      : FJournal(journal), FName(std::move(name)) {}
  void DoBeforeDrawChart() override { Note("beforechart"); }
  void DrawVisiblePoints() override {
    Note("points");
    if (OnDrawPoints) OnDrawPoints();
  }
  bool MarksVisible() const override { return Marks; }
  bool MarksClip() const override { return ClipMarks; }
  void DrawMarks() override { Note("marks"); }
  void CalcHorizMargins(int& l, int& r) override { l = HorizMargins[0], r = HorizMargins[1]; }
  void CalcVerticalMargins(int& t, int& b) override { t = VertMargins[0], b = VertMargins[1]; }
  void Note(const std::string& what) {
    if (FJournal) FJournal->push_back(FName + ":" + what);
  }

  bool Marks = false;
  bool ClipMarks = false;
  int HorizMargins[2] = {0, 0};
  int VertMargins[2] = {0, 0};
  std::function<void()> OnDrawPoints;

 private:
  std::vector<std::string>* FJournal;
  std::string FName;
};

struct ChartFixture : ::testing::Test {
  TFakeChartHost host;
  TChart chart;

  ChartFixture() { Show(905, 525); }

  void Show(int width, int height) {
    host.Client = {0, 0, width, height};
    chart.SetWidth(width);
    chart.SetHeight(height);
    chart.SetHost(&host);
  }
  // The demo's chart: flat, lowered bevel, back wall white but clear, legend hidden.
  void DemoLook() {
    chart.Legend().SetVisible(false);
    chart.SetView3D(false);
    chart.SetBevelOuter(bvLowered);
    chart.BackWall().Brush().SetColor(clWhite);
    chart.BackWall().Brush().SetStyle(bsClear);
  }
  TRecordingDevice& Buffer() { return dynamic_cast<TRecordingDevice&>(chart.Canvas().Buffer()->Surface()); }
  TRecordingDevice& Window() { return host.Window(); }
  std::vector<TRecordedOp> BufferOps(TOp op) { return Buffer().OpsOf(op); }
};

}  // namespace chart::testing
