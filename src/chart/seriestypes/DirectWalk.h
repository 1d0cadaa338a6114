// The walk the direct drawing loops take along the visible points, step for step as
// DrawPointAt takes it, so that they draw the same segments.
#pragma once

#include "chart/core/Color.h"
#include "chart/seriestypes/DrawableRange.h"

namespace chart {

// The last point's pixel and colour, and whether the line is under way. Kept in a local
// of the loop and handed only to inlined code, so it stays in registers.
struct TDirectWalk {
  int X = 0, Y = 0;
  TColor Color = clNone;
  bool Valid = false;
};

// Where a walk enters at the chart's edge, and whether the hidden point it comes from is
// drawn to.
struct TEdgeEntry {
  int X = 0, Y = 0;
  bool Drawn = false;
};

// Moves the walk to the entry; answers whether the hidden point is drawn to.
inline bool EnterAt(TDirectWalk& w, const TEdgeEntry& e) {
  w.X = e.X;
  w.Y = e.Y;
  return e.Drawn;
}

// Point i at (x, y) of colour c. A point outside the drawable range only passes its colour
// on. After a null point the line starts afresh at this one. The first visible point,
// when earlier ones are hidden, comes from where `enter` moves the walk (it answers
// whether the hidden point is drawn to). `step(draw)` then draws what leads into the
// point, and the walk moves onto it.
template <class Enter, class Step>
inline void WalkTo(TDirectWalk& w, int i, int first, int x, int y, TColor c, Enter&& enter, Step&& step) {
  if (OffDrawable(x, y)) {
    w.Color = c;
    return;
  }
  if (w.Color == clNone) {
    w.X = x;
    w.Y = y;
  }
  bool draw = w.Valid;
  if (i == first) {
    draw = false;
    if (i > 0) {
      draw = enter();
      w.Valid = true;
    }
  }
  step(draw);
  w.X = x;
  w.Y = y;
  w.Valid = true;
  w.Color = c;
}

}  // namespace chart
