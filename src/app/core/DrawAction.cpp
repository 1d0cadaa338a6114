#include "app/core/DrawAction.h"

#include <cmath>
#include <memory>
#include <vector>

#include "fft/uFFTasm.h"

namespace demo {

namespace {
// 2 pi in extended precision, so the angles come out as the window's definition has them.
constexpr long double TwoPi = 6.28318530717958647692528676655900577L;
}  // namespace

void DrawAction(chart::TChartSeries& series1, chart::TChartSeries& series2, chart::TChartSeries& series3) {
  series1.Clear();
  series2.Clear();
  series3.Clear();
  constexpr int N = DrawPoints;
  // Released on every way out, exceptions included.
  std::vector<double> window(N), spectrum(N), restored(N);

  for (int i = 0; i < N; ++i) {
    const long double angle = i * TwoPi / (N - 1);
    window[i] = static_cast<double>(0.5L - 0.5L * std::cos(angle));
  }
  series1.AppendValues(window.data(), N - 1);

  auto buffer = std::make_unique<uFFTasm::TComplexSingle[]>(FFTBufferEntries);
  for (int i = 0; i < N; ++i) buffer[i] = {static_cast<float>(window[i]), 0.0f};

  uFFTasm::ComplexFFT(buffer.get(), N, false, true, true);
  constexpr float Divisor = 500.0f;
  for (int i = 0; i < N; ++i) {
    const long double sum = std::fabs(static_cast<long double>(buffer[i].Re)) +
                            std::fabs(static_cast<long double>(buffer[i].Im));
    spectrum[i] = static_cast<double>(sum / Divisor);
  }
  series2.AppendValues(spectrum.data(), N - 1);

  uFFTasm::ComplexFFT(buffer.get(), N, true, true, true);
  constexpr float MinusOne = -1.0f;
  for (int i = 0; i < N; ++i) restored[i] = static_cast<double>(buffer[i].Re * MinusOne);
  series3.AppendValues(restored.data(), N - 1);
}

}  // namespace demo
