// Reordering and scaling on the AVX2 path.

#include "fft/Avx2Math.h"

#include <cstring>

namespace uFFTasm {

namespace {

// The kernel order keeps every frequency class of a 16-point leaf together: viewing the
// natural order as 16 rows of N/16 columns, each column's entries come from one leaf (or
// two 8-point leaves) of the kernel-order buffer. Walking column groups row by row reads
// whole leaves and writes whole cache lines, where the plain walk would touch a different
// leaf for every entry.
template <int Columns, bool Gather>
void PermuteByColumns(TComplexSingle* __restrict data, int n, const std::uint16_t* __restrict table,
                      const TComplexSingle* __restrict work) {
    const int rowLength = n / 16;
    for (int b = 0; b < rowLength; b += Columns) {
        for (int p = 0; p < 16; ++p) {
            const int k0 = p * rowLength + b;
            for (int c = 0; c < Columns; ++c) {
                if constexpr (Gather) {
                    data[k0 + c] = work[table[k0 + c]];
                } else {
                    data[table[k0 + c]] = work[k0 + c];
                }
            }
        }
    }
}

// The column walk pays from 256 points on (at 4096 it halves the inverse reordering, even
// with everything in the first two cache levels); below that the plain walk is as fast.
constexpr int ColumnWalkFrom = 256;

template <bool Gather>
void PermuteInOrder(TComplexSingle* __restrict data, int n, const std::uint16_t* __restrict table,
                    const TComplexSingle* __restrict work) {
    for (int k = 0; k < n; ++k) {
        if constexpr (Gather) {
            data[k] = work[table[k]];
        } else {
            data[table[k]] = work[k];
        }
    }
}

}  // namespace

void PermuteAvx2(TComplexSingle* data, int n, const std::uint16_t* table, TDirection direction,
                 TComplexSingle* work) {
    std::memcpy(work, data, static_cast<std::size_t>(n) * sizeof(TComplexSingle));
    // Whole 8-byte values are moved: their bits, never their arithmetic.
    TComplexSingle* d = data;
    const TComplexSingle* w = work;
    const bool gather = direction == TDirection::Forward;
    if (n >= ColumnWalkFrom) {
        gather ? PermuteByColumns<8, true>(d, n, table, w) : PermuteByColumns<8, false>(d, n, table, w);
    } else {
        gather ? PermuteInOrder<true>(d, n, table, w) : PermuteInOrder<false>(d, n, table, w);
    }
}

// Each float times the factor, rounded once to float. The product of two floats needs at most
// 48 bits and lies far inside the double range, so the scalar formula's double product is
// exact and its one rounding to float is exactly the float product: eight at a time, without
// conversions.
void ScaleAvx2(TComplexSingle* data, int n, float factor) {
    float* p = &data[0].Re;
    const int count = 2 * n;
    const __m256 f = _mm256_set1_ps(factor);
    int i = 0;
    for (; i + 8 <= count; i += 8) _mm256_storeu_ps(p + i, _mm256_mul_ps(_mm256_loadu_ps(p + i), f));
    for (; i < count; ++i) p[i] = static_cast<float>(static_cast<double>(p[i]) * static_cast<double>(factor));
}

}  // namespace uFFTasm
