#pragma once
// Shared helpers of the FFT engine tests: sizes, random data, an exact reference DFT and the
// kernel order computed straight from its recursive definition.

#include "fft/FFTInternal.h"

#include <gtest/gtest.h>

#include <complex>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace fft_test {

using uFFTasm::TComplexSingle;
using Buffer = std::vector<TComplexSingle>;
using LongComplex = std::complex<long double>;

// The sixteen supported sizes, 2 .. 65536.
std::vector<int> AllSizes();
std::string SizeName(const testing::TestParamInfo<int>& info);

// Values uniform in [-1, 1], reproducible per seed.
Buffer RandomBuffer(int n, std::uint32_t seed);
// Values of both signs spread over many binades (including subnormals), so a difference in
// the order or precision of any operation shows up in the rounded results.
Buffer WideRangeBuffer(int n, std::uint32_t seed);

// Half the values from {-1, -0.5, 0, 0.5, 1}, half tiny powers of two (2^-20 .. 2^-50) of
// either sign: sums and differences then cancel down to the tiny parts, so a change in the
// order of operations or in where a product is rounded survives the final rounding to float.
Buffer CoarseFineBuffer(int n, std::uint32_t seed);

bool SameBits(const Buffer& a, const Buffer& b);
// Index of the first entry whose bits differ, or -1.
long FirstDifference(const Buffer& a, const Buffer& b);

// Kernel order P_N(j): the frequency that the forward kernel leaves at position j.
std::vector<int> KernelOrder(int n);

// Evaluates sum_j x[j] * exp(sign * 2*pi*i * j*k / n) in long double for the given bins k.
class ReferenceDft {
public:
    explicit ReferenceDft(int n);
    LongComplex Bin(const Buffer& x, int k, int sign) const;

private:
    int n_;
    std::vector<LongComplex> roots_;  // exp(2*pi*i*m/n)
};

// All bins for small n; for large n a fixed spread of bins (edges, quarters and a scatter).
std::vector<int> BinsToCheck(int n);

}  // namespace fft_test
