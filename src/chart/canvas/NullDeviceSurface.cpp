#include "chart/canvas/NullDeviceSurface.h"

namespace chart {

namespace {

class TNullDeviceBitmap final : public TDeviceBitmap {
 public:
  TNullDeviceBitmap(int width, int height, bool monochrome)
      : FWidth(width > 0 ? width : 0), FHeight(height > 0 ? height : 0), FMonochrome(monochrome) {}
  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  bool Monochrome() const override { return FMonochrome; }
  TDeviceSurface& Surface() override { return FSurface; }

 private:
  int FWidth, FHeight;
  bool FMonochrome;
  TNullDeviceSurface FSurface;
};

}  // namespace

std::unique_ptr<TDeviceBitmap> TNullDeviceSurface::CreateBitmap(int width, int height, bool monochrome) {
  return std::make_unique<TNullDeviceBitmap>(width, height, monochrome);
}

}  // namespace chart
