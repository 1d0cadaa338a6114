#include "chart/registry/ScreenCursors.h"

#include <algorithm>

#include "chart/registry/ModuleState.h"

namespace chart {

namespace {

auto FindInstalled(TCursor number) {
  auto& cursors = ChartModuleState().ScreenCursors;
  return std::find_if(cursors.begin(), cursors.end(), [number](const auto& c) { return c.first == number; });
}

}  // namespace

void InstallScreenCursor(TCursor number, TCursor shape) {
  const auto it = FindInstalled(number);
  if (it != ChartModuleState().ScreenCursors.end()) it->second = shape;
  else ChartModuleState().ScreenCursors.emplace_back(number, shape);
}

void RemoveScreenCursor(TCursor number) {
  const auto it = FindInstalled(number);
  if (it != ChartModuleState().ScreenCursors.end()) ChartModuleState().ScreenCursors.erase(it);
}

TCursor ScreenCursor(TCursor cursor) {
  if (cursor <= crDefault) return cursor;
  const auto it = FindInstalled(cursor);
  return it != ChartModuleState().ScreenCursors.end() ? it->second : crDefault;
}

}  // namespace chart
