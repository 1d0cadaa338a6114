// The vector engine on AVX2: four butterflies or four leaf blocks per step.

#include "fft/SimdAvx2.h"
#include "fft/VectorEngine.h"

namespace uFFTasm {

const TCodePath& Avx2Path() { return vector::Engine<avx2::Simd4, avx2::Simd4>::Path(); }

}  // namespace uFFTasm
