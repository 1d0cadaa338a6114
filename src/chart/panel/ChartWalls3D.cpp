// The walls of a 3D view: the back wall at the far depth, the left wall along the left
// edge and the bottom wall under the floor, each a box of its Size (a plane at 0) in its
// own pen and brush, the sides shaded unless the wall says otherwise.
#include <algorithm>
#include <cstdint>

#include "chart/panel/CustomChart.h"

namespace chart {

namespace {
// As far as a wall may reach: beyond any drawing, with room to add a few of them.
constexpr int MaxWallSize = 1 << 24;
int WallSize(const TChartWall& wall) { return std::clamp(wall.Size(), 0, MaxWallSize); }
int Add(int a, std::int64_t b) { return ClampToInt(a + b); }
}  // namespace

void TCustomChart::PaintWalls3D() {
  TZelCanvas3D& c = Canvas();
  const TRect r = ChartRect();
  const int depth = Width3D();
  const bool walls = View3DWalls();
  auto prepare = [&c](const TChartWall& wall) {
    wall.PrepareCanvas(c);
    return wall.Dark3D();
  };
  const bool backDark = prepare(*FBackWall);
  const int back = walls ? WallSize(*FBackWall) : 0;
  if (back > 0) c.DrawCube(r, depth, Add(depth, back), backDark);
  else c.DrawRectangleAtDepth(r, depth);
  if (!walls) return;
  const int left = WallSize(*FLeftWall), bottom = WallSize(*FBottomWall);
  const bool leftDark = prepare(*FLeftWall);
  if (left > 0) c.DrawCube({Add(r.Left, -std::int64_t{left}), r.Top, r.Left, r.Bottom}, 0, depth, leftDark);
  else c.DrawSidePlane(r.Left, r.Top, r.Bottom, 0, depth);
  const bool bottomDark = prepare(*FBottomWall);
  // Under the left wall's foot as well, so the corner is closed.
  if (bottom > 0)
    c.DrawCube({Add(r.Left, -std::int64_t{left}), r.Bottom, r.Right, Add(r.Bottom, bottom)}, 0, depth, bottomDark);
  else c.DrawFloorPlane(r.Left, r.Bottom, r.Right, 0, depth);
}

}  // namespace chart
