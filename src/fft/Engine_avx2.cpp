// The AVX2 code path: the composite kernels over the vectorised passes, the reordering and
// the scaling. Same call order and offsets as the portable composites.

#include "fft/Avx2Math.h"

#include <cstring>
#include <utility>

namespace uFFTasm {

namespace {

template <int Log2>
void ForwardComposite(TComplexSingle* data);
template <int Log2>
void InverseComposite(TComplexSingle* data);

template <int Log2>
inline void ForwardBlock(TComplexSingle* data) {
    if constexpr (Log2 == 3) {
        ForwardFFT8(data);
    } else if constexpr (Log2 == 4) {
        ForwardFFT16(data);
    } else {
        ForwardComposite<Log2>(data);
    }
}

template <int Log2>
inline void InverseBlock(TComplexSingle* data) {
    if constexpr (Log2 == 3) {
        InverseFFT8(data);
    } else if constexpr (Log2 == 4) {
        InverseFFT16(data);
    } else {
        InverseComposite<Log2>(data);
    }
}

template <int Log2>
void ForwardComposite(TComplexSingle* data) {
    constexpr int n = 1 << Log2;
    const TComplexSingle* twiddles = TwiddleTable[Log2].data();
    if constexpr (Log2 < FirstLargePassLog2) {
        ForwardPassAvx2(data, twiddles, n / 8);
    } else {
        ForwardPassLargeAvx2(data, twiddles, n / 8);
    }
    if constexpr (Log2 < 9) {
        ForwardBlock<Log2 - 2>(data + n / 2);
        ForwardBlock<Log2 - 2>(data + 3 * n / 4);
    } else {
        ForwardBlock<Log2 - 2>(data + 3 * n / 4);
        ForwardBlock<Log2 - 2>(data + n / 2);
    }
    ForwardBlock<Log2 - 1>(data);
}

template <int Log2>
void InverseComposite(TComplexSingle* data) {
    constexpr int n = 1 << Log2;
    InverseBlock<Log2 - 1>(data);
    InverseBlock<Log2 - 2>(data + n / 2);
    InverseBlock<Log2 - 2>(data + 3 * n / 4);
    const TComplexSingle* twiddles = TwiddleTable[Log2].data();
    if constexpr (Log2 < FirstLargePassLog2) {
        InversePassAvx2(data, twiddles, n / 8);
    } else {
        InversePassLargeAvx2(data, twiddles, n / 8);
    }
}

void Permute(TComplexSingle* data, int n, const std::uint16_t* table, TDirection direction,
             TComplexSingle* work) {
    std::memcpy(work, data, static_cast<std::size_t>(n) * sizeof(TComplexSingle));
    if (direction == TDirection::Forward) {
        for (int k = 0; k < n; ++k) data[k] = work[table[k]];
    } else {
        for (int k = 0; k < n; ++k) data[table[k]] = work[k];
    }
}

void Scale(TComplexSingle* data, int n, float factor) {
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

template <int... Log2>
constexpr std::array<TKernel, MaxLog2 + 1> ForwardKernels(std::integer_sequence<int, Log2...>) {
    return {nullptr, ForwardFFT2, ForwardFFT4, ForwardFFT8, ForwardFFT16, ForwardComposite<Log2 + 5>...};
}
template <int... Log2>
constexpr std::array<TKernel, MaxLog2 + 1> InverseKernels(std::integer_sequence<int, Log2...>) {
    return {nullptr, InverseFFT2, InverseFFT4, InverseFFT8, InverseFFT16, InverseComposite<Log2 + 5>...};
}

}  // namespace

const TCodePath& Avx2Path() {
    static const TCodePath path{ForwardKernels(std::make_integer_sequence<int, 12>()),
                                InverseKernels(std::make_integer_sequence<int, 12>()), Permute, Scale,
                                nullptr};
    return path;
}

}  // namespace uFFTasm
