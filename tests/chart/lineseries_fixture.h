// A flat chart with line series on the recording device, and the segments each series
// drew (the lines between its clip and the clip's removal).
#pragma once

#include <vector>

#include "axisdraw_fixture.h"

namespace chart::testing {

struct TSegment {
  int X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
  TColor Color = clNone;
  friend bool operator==(const TSegment&, const TSegment&) = default;
};

inline void PrintTo(const TSegment& s, std::ostream* os) {
  *os << "(" << s.X0 << "," << s.Y0 << ")-(" << s.X1 << "," << s.Y1 << ") colour " << std::hex << s.Color << std::dec;
}

struct LineSeriesFixture : ChartFixture {
  LineSeriesFixture() { DemoLook(); }

  // The operations of each clipped stretch of the last paint, in paint order.
  std::vector<std::vector<TRecordedOp>> ClippedGroups() {
    std::vector<std::vector<TRecordedOp>> groups;
    bool inside = false;
    for (const TRecordedOp& op : Buffer().Ops()) {
      if (op.Op == TOp::IntersectClip) {
        groups.emplace_back();
        inside = true;
      } else if (op.Op == TOp::RemoveClip) {
        inside = false;
      } else if (inside) {
        groups.back().push_back(op);
      }
    }
    return groups;
  }
  static std::vector<TSegment> Segments(const std::vector<TRecordedOp>& ops) {
    std::vector<TSegment> out;
    for (const TRecordedOp& op : ops)
      if (op.Op == TOp::LineTo) out.push_back({op.Args[0], op.Args[1], op.Args[2], op.Args[3], op.Pen.Color()});
    return out;
  }
  // Paints and returns the segments of the only series drawn.
  std::vector<TSegment> PaintSegments() {
    if (chart.Canvas().Buffer()) Buffer().ClearOps();
    chart.InvalidateChart();
    chart.Paint();
    const auto groups = ClippedGroups();
    return groups.empty() ? std::vector<TSegment>{} : Segments(groups.back());
  }
  std::vector<TRecordedOp> PaintSeriesOps() {
    if (chart.Canvas().Buffer()) Buffer().ClearOps();
    chart.InvalidateChart();
    chart.Paint();
    const auto groups = ClippedGroups();
    return groups.empty() ? std::vector<TRecordedOp>{} : groups.back();
  }
};

}  // namespace chart::testing
