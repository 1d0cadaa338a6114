#pragma once
// uFFTasm: in-place single-precision complex FFT for every power of two from 2 to 65536.
//
// Conventions: the forward transform uses the positive exponent,
//   X[k] = sum_n x[n] * exp(+2*pi*i*n*k/N), unscaled;
// the inverse uses exp(-2*pi*i*n*k/N) and is scaled by 1/N only when asked. Data and tables
// are 32-bit floats; the arithmetic is carried in double and every stored value is rounded
// to float. The vector code paths (AVX-512 or AVX2, chosen by FFTInit where the processor
// has them) and the portable one give the same bits.
//
// Lifecycle: FFTInit builds the tables and the 512 KiB work buffer; FFTDone releases the
// buffer. Both are counted: only the first FFTInit and the FFTDone that balances it do work.
// A ComplexFFT call made before FFTInit or after the last FFTDone does nothing at all: it
// reads and writes no memory and takes over no work buffer, exactly like an unsupported N.
//
// Not thread-safe: the work buffer is shared by all calls, so transforms must not run
// concurrently.

#include <cstddef>
#include <cstdint>

namespace uFFTasm {

struct TComplexSingle {
    float Re;
    float Im;
};
static_assert(sizeof(TComplexSingle) == 8, "TComplexSingle is two packed floats");
static_assert(offsetof(TComplexSingle, Re) == 0 && offsetof(TComplexSingle, Im) == 4,
              "Re comes first, Im directly after it");

// Transforms the N values at Data in place. N must be one of 2, 4, ..., 65536; any other N
// (including zero and negative values) is ignored: nothing is read or written.
//
// Inverse: false for the forward transform, true for the inverse.
// Scale:   inverse only: multiplies the data by 1/N (an exact power of two) before the
//          butterflies. Ignored by the forward transform.
// Reorder: forward: return the result in natural frequency order; otherwise it stays in the
//          kernels' own order. Inverse: the input is in natural order; otherwise it must be
//          in the kernels' order (as a forward call without Reorder leaves it).
// WorkBuf: optional scratch block of at least 8*N bytes for the reordering. Looked at only
//          when a reordering takes place; once given, it replaces the engine's own block for
//          that and every later reordering until another block is passed. The caller keeps
//          ownership and must keep it valid, and large enough for every N it reorders, for
//          as long as the engine may use it (until the last FFTDone). After each reordering
//          the block holds the copy the reordering works from: the kernel-order result of a
//          forward call, the natural-order input (scaled if asked) of an inverse one. The
//          engine's own block is scratch and may hold anything.
void ComplexFFT(TComplexSingle* Data, std::int32_t N, bool Inverse, bool Scale, bool Reorder,
                void* WorkBuf = nullptr);

// Module initialisation and finalisation, counted (see above).
void FFTInit();
void FFTDone();

}  // namespace uFFTasm
