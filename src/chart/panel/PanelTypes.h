// Small types of the chart panel: bevel cuts, background-picture modes, panning modes
// and the plain notification event whose sender is the chart.
#pragma once

#include <cstdint>
#include <functional>

namespace chart {

class TCustomZelPanel;

enum TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
enum TZelBackImageMode : std::uint8_t { pbmStretch, pbmTile, pbmCenter };
enum TPanningMode : std::uint8_t { pmNone, pmHorizontal, pmVertical, pmBoth };

using TNotifyEvent = std::function<void(TCustomZelPanel* sender)>;

}  // namespace chart
