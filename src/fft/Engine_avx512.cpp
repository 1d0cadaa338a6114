// The vector engine on AVX-512: eight butterflies or eight leaf blocks per step, and the AVX2
// layer (built here, for this file alone) for a last batch of four leaf blocks.

#include "fft/SimdAvx2.h"
#include "fft/SimdAvx512.h"
#include "fft/VectorEngine.h"

namespace uFFTasm {

const TCodePath& Avx512Path() { return vector::Engine<avx512::Simd8, avx2::Simd4>::Path(); }

}  // namespace uFFTasm
