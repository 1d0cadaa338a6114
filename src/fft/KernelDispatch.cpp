// The named composite kernels: each runs the composite of the code path chosen at FFTInit.

#include "fft/FFTInternal.h"

namespace uFFTasm {

namespace {
template <int Log2>
void RunForward(TComplexSingle* data) {
    CurrentPath->Forward[Log2](data);
}
template <int Log2>
void RunInverse(TComplexSingle* data) {
    CurrentPath->Inverse[Log2](data);
}
}  // namespace

void ForwardFFT32(TComplexSingle* data) { RunForward<5>(data); }
void ForwardFFT64(TComplexSingle* data) { RunForward<6>(data); }
void ForwardFFT128(TComplexSingle* data) { RunForward<7>(data); }
void ForwardFFT256(TComplexSingle* data) { RunForward<8>(data); }
void ForwardFFT512(TComplexSingle* data) { RunForward<9>(data); }
void ForwardFFT1024(TComplexSingle* data) { RunForward<10>(data); }
void ForwardFFT2048(TComplexSingle* data) { RunForward<11>(data); }
void ForwardFFT4096(TComplexSingle* data) { RunForward<12>(data); }
void ForwardFFT8192(TComplexSingle* data) { RunForward<13>(data); }
void ForwardFFT16384(TComplexSingle* data) { RunForward<14>(data); }
void ForwardFFT32768(TComplexSingle* data) { RunForward<15>(data); }
void ForwardFFT65536(TComplexSingle* data) { RunForward<16>(data); }

void InverseFFT32(TComplexSingle* data) { RunInverse<5>(data); }
void InverseFFT64(TComplexSingle* data) { RunInverse<6>(data); }
void InverseFFT128(TComplexSingle* data) { RunInverse<7>(data); }
void InverseFFT256(TComplexSingle* data) { RunInverse<8>(data); }
void InverseFFT512(TComplexSingle* data) { RunInverse<9>(data); }
void InverseFFT1024(TComplexSingle* data) { RunInverse<10>(data); }
void InverseFFT2048(TComplexSingle* data) { RunInverse<11>(data); }
void InverseFFT4096(TComplexSingle* data) { RunInverse<12>(data); }
void InverseFFT8192(TComplexSingle* data) { RunInverse<13>(data); }
void InverseFFT16384(TComplexSingle* data) { RunInverse<14>(data); }
void InverseFFT32768(TComplexSingle* data) { RunInverse<15>(data); }
void InverseFFT65536(TComplexSingle* data) { RunInverse<16>(data); }

}  // namespace uFFTasm
