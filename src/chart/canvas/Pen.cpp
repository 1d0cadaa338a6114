#include "chart/canvas/Pen.h"

namespace chart {

void TPen::Assign(const TPen& source) {
  if (&source == this || SameAttributes(source)) return;
  FColor = source.FColor;
  FMode = source.FMode;
  FStyle = source.FStyle;
  FWidth = source.FWidth;
  FAlternate = source.FAlternate;
  Changed();
}

}  // namespace chart
