// Reordering and scaling on the AVX2 path.

#include "fft/Avx2Math.h"

#include <cstring>

namespace uFFTasm {

void PermuteAvx2(TComplexSingle* data, int n, const std::uint16_t* table, TDirection direction,
                 TComplexSingle* work) {
    std::memcpy(work, data, static_cast<std::size_t>(n) * sizeof(TComplexSingle));
    if (direction == TDirection::Forward) {
        for (int k = 0; k < n; ++k) data[k] = work[table[k]];
    } else {
        for (int k = 0; k < n; ++k) data[table[k]] = work[k];
    }
}

// Each float times the factor in double, rounded back: the scalar formula, four at a time.
void ScaleAvx2(TComplexSingle* data, int n, float factor) {
    float* p = &data[0].Re;
    const int count = 2 * n;
    const __m256d f = _mm256_set1_pd(factor);
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m256d v = _mm256_cvtps_pd(_mm_loadu_ps(p + i));
        _mm_storeu_ps(p + i, _mm256_cvtpd_ps(_mm256_mul_pd(v, f)));
    }
    for (; i < count; ++i) p[i] = static_cast<float>(static_cast<double>(p[i]) * static_cast<double>(factor));
}

}  // namespace uFFTasm
