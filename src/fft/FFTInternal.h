#pragma once
// The engine's insides: tables, constants, kernels, pass routines and the hooks the tests
// use. Nothing here is meant for callers of ComplexFFT.

#include "fft/uFFTasm.h"

#include <array>
#include <bit>
#include <cstdint>
#include <span>

namespace uFFTasm {

inline constexpr int MinLog2 = 1;   // 2 points
inline constexpr int MaxLog2 = 16;  // 65536 points
inline constexpr int MaxSize = 1 << MaxLog2;
inline constexpr int FirstTwiddleLog2 = 5;     // the passes start at 32 points
inline constexpr int FirstLargePassLog2 = 10;  // from 1024 points the tables hold an eighth circle
inline constexpr std::size_t WorkBufferBytes = MaxSize * sizeof(TComplexSingle);  // 512 KiB

// Single-precision roundings of sqrt(1/2), cos(pi/8), sin(pi/8) and the two negatives.
inline constexpr float Sqrt1_2 = std::bit_cast<float>(0x3F3504F3u);
inline constexpr float CosPi8 = std::bit_cast<float>(0x3F6C835Eu);
inline constexpr float SinPi8 = std::bit_cast<float>(0x3EC3EF15u);
inline constexpr float NegCosPi8 = std::bit_cast<float>(0xBF6C835Eu);
inline constexpr float NegSinPi8 = std::bit_cast<float>(0xBEC3EF15u);
static_assert(Sqrt1_2 == 0.70710677f && CosPi8 == 0.9238795f && SinPi8 == 0.38268343f);
static_assert(NegCosPi8 == -CosPi8 && NegSinPi8 == -SinPi8);

// Number of entries in the twiddle table of 2^log2n points.
constexpr int TwiddleCount(int log2n) {
    const int n = 1 << log2n;
    return log2n < FirstLargePassLog2 ? (n >> 2) - 1 : (n >> 3) - 1;
}

// Tables, indexed by log2(N). OrderTable[k][f] is the position at which the forward kernel of
// 2^k points leaves frequency f. TwiddleTable[k][j - 1] = (cos, sin) of 2*pi*j/2^k, k >= 5.
// Both are filled by FFTInit and read-only afterwards.
extern std::array<std::span<const std::uint16_t>, MaxLog2 + 1> OrderTable;
extern std::array<std::span<const TComplexSingle>, MaxLog2 + 1> TwiddleTable;
// The factors of the vector passes, built by FFTInit from TwiddleTable: for each size N = 2^k,
// k >= 5, the factor w_n of every n < N/4 as the pass uses it (the table entry n - 1, from
// 1024 points on above N/8 the exchanged entry N/4 - n - 1), widened to double: N/4 real parts,
// then N/4 imaginary parts. n = 0 holds (1, 0) and n = N/8 of the large sizes (sqrt(1/2),
// sqrt(1/2)); the passes treat those two apart. A plain array of pointers (set by FFTInit),
// read by the vector engine files without a call (see CompositeKernels.h).
extern const double* PassFactors[MaxLog2 + 1];
// The inverse of OrderTable[log2n]: entry j is the frequency at kernel position j (P_N), built
// with the order tables.
const std::uint16_t* KernelOrderOf(int log2n);

using TKernel = void (*)(TComplexSingle*);
// For each size 2, 4, ..., 65536: the forward kernel, then the inverse kernel.
extern std::array<TKernel, 2 * MaxLog2> KernelTable;

// Scratch block of the reordering: the engine's own zero-filled 512 KiB block, or the
// caller's block once one has been passed. Null while the engine is not initialised.
extern void* WorkBuffer;

// Start-up steps of FFTInit, callable again (they only rewrite the same values).
void BuildOrderTables();
void FillTwiddleTable(int log2n);
void BuildTwiddleTables();  // also the pass factors
void InitKernelTable();

enum class TDirection { Forward, Inverse };

void ScaleComplex(TComplexSingle* Data, int N, float Factor);
void ReorderComplex(TComplexSingle* Data, int N, const std::uint16_t* Table, TDirection Direction,
                    void* WorkBuf);

// Split-radix passes over a whole block of N = 8 * N8 points (Twiddles: the table of N).
void ForwardPass(TComplexSingle* Data, const TComplexSingle* Twiddles, int N8);       // 32..512
void ForwardPassLarge(TComplexSingle* Data, const TComplexSingle* Twiddles, int N8);  // 1024..
void InversePass(TComplexSingle* Data, const TComplexSingle* Twiddles, int N8);
void InversePassLarge(TComplexSingle* Data, const TComplexSingle* Twiddles, int N8);

// The kernels. 2..16 are unrolled; from 32 on each one runs the composite of the code path
// chosen at FFTInit (pass, then the quarters and the half for the forward direction; the
// half, the quarters, then the pass for the inverse).
void ForwardFFT2(TComplexSingle*);
void ForwardFFT4(TComplexSingle*);
void ForwardFFT8(TComplexSingle*);
void ForwardFFT16(TComplexSingle*);
void ForwardFFT32(TComplexSingle*);
void ForwardFFT64(TComplexSingle*);
void ForwardFFT128(TComplexSingle*);
void ForwardFFT256(TComplexSingle*);
void ForwardFFT512(TComplexSingle*);
void ForwardFFT1024(TComplexSingle*);
void ForwardFFT2048(TComplexSingle*);
void ForwardFFT4096(TComplexSingle*);
void ForwardFFT8192(TComplexSingle*);
void ForwardFFT16384(TComplexSingle*);
void ForwardFFT32768(TComplexSingle*);
void ForwardFFT65536(TComplexSingle*);
void InverseFFT2(TComplexSingle*);
void InverseFFT4(TComplexSingle*);
void InverseFFT8(TComplexSingle*);
void InverseFFT16(TComplexSingle*);
void InverseFFT32(TComplexSingle*);
void InverseFFT64(TComplexSingle*);
void InverseFFT128(TComplexSingle*);
void InverseFFT256(TComplexSingle*);
void InverseFFT512(TComplexSingle*);
void InverseFFT1024(TComplexSingle*);
void InverseFFT2048(TComplexSingle*);
void InverseFFT4096(TComplexSingle*);
void InverseFFT8192(TComplexSingle*);
void InverseFFT16384(TComplexSingle*);
void InverseFFT32768(TComplexSingle*);
void InverseFFT65536(TComplexSingle*);

using TPass = void (*)(TComplexSingle* Data, const TComplexSingle* Twiddles, int N8);
// A kernel whose leaves store to Work (forward) or read from Work (inverse) instead of Data.
using TWorkKernel = void (*)(TComplexSingle* Data, TComplexSingle* Work);
// A whole transform with reordering, Work its scratch: forward, Data in natural order after it;
// inverse (scaled by Factor when Scale), Data in natural order before it.
// Keep: Work is a caller's block and must end up as the reordering leaves it.
using TNaturalForward = void (*)(TComplexSingle* Data, TComplexSingle* Work, bool Keep);
using TNaturalInverse = void (*)(TComplexSingle* Data, TComplexSingle* Work, bool Scale, float Factor, bool Keep);

// How a vector path reorders, by log2(N); a null entry leaves the size to the next way.
// Forward with reordering: ForwardNatural[log2(N)] (with a caller's block only where there is
// no ForwardToWork[log2(N)]); else ForwardToWork[log2(N)] leaves the
// kernel-order result in Work (the copy the reordering makes anyway), then Gather puts it into
// Data in natural order. Inverse with reordering: InverseNatural[log2(N)]; else CopyScaled
// copies Data into Work, scaled if asked (the copy the reordering makes), and
// InverseFromWork[log2(N)] transforms it into Data, its leaves reading their input straight
// from the natural order in Work.
struct TReorderKernels {
    std::array<TNaturalForward, MaxLog2 + 1> ForwardNatural{};
    std::array<TNaturalInverse, MaxLog2 + 1> InverseNatural{};
    std::array<TWorkKernel, MaxLog2 + 1> ForwardToWork{};
    std::array<TWorkKernel, MaxLog2 + 1> InverseFromWork{};
};

// One code path: the kernels by log2(N) (index 0 unused; 1..4 are the unrolled kernels on
// both paths), the reordering permutation (after WorkBuf has been resolved), the scaling, and
// the four pass routines the composite kernels are built on (for the tests).
struct TCodePath {
    std::array<TKernel, MaxLog2 + 1> Forward{};
    std::array<TKernel, MaxLog2 + 1> Inverse{};
    void (*Permute)(TComplexSingle* Data, int N, const std::uint16_t* Table, TDirection Direction,
                    TComplexSingle* Work) = nullptr;
    void (*Scale)(TComplexSingle* Data, int N, float Factor) = nullptr;
    TPass ForwardPass = nullptr;
    TPass ForwardPassLarge = nullptr;
    TPass InversePass = nullptr;
    TPass InversePassLarge = nullptr;
    // Optional (none: the kernel, then Scale and Permute, as above).
    TReorderKernels Reordering{};
    void (*Gather)(TComplexSingle* Data, int N, const std::uint16_t* Table, const TComplexSingle* Work) = nullptr;
    void (*CopyScaled)(const TComplexSingle* Data, int N, bool Scale, float Factor, TComplexSingle* Work) = nullptr;
};

namespace portable {
// Kernels by log2(N) (index 0 unused) and the two data movers of the reference path.
std::array<TKernel, MaxLog2 + 1> ForwardKernels();
std::array<TKernel, MaxLog2 + 1> InverseKernels();
void Permute(TComplexSingle* Data, int N, const std::uint16_t* Table, TDirection Direction,
             TComplexSingle* Work);
void Scale(TComplexSingle* Data, int N, float Factor);
}  // namespace portable

// The path the named kernels and ComplexFFT run on, chosen by FFTInit: the widest vector path
// the processor has (AVX-512, then AVX2), the portable one otherwise.
extern const TCodePath* CurrentPath;

// The portable reference path; always present.
const TCodePath& PortablePath();
// The vector paths, bit for bit the same results; null when the processor lacks the
// instructions.
const TCodePath* Avx2PathIfSupported();
const TCodePath* Avx512PathIfSupported();
// The widest supported vector path, or null.
const TCodePath* VectorPath();
// Test hooks: run on the given path (null: the automatic choice), or on the portable one.
void ForcePath(const TCodePath* path);
void ForcePortablePath(bool Force);
bool UsingVectorPath();

// The vector paths, each defined in its own engine file (Engine_avx2.cpp, Engine_avx512.cpp)
// from the one vector engine source; call only when the processor has the instructions.
const TCodePath& Avx2Path();
const TCodePath& Avx512Path();

}  // namespace uFFTasm
