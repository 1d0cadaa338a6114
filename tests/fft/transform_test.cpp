// What ComplexFFT computes: every size against a direct DFT in long double, round trips, and
// the small cases whose exact values are known.

#include "fft/fft_support.h"

#include <cmath>

namespace fft_test {
namespace {

using namespace uFFTasm;

// Bound on the absolute error of an unscaled transform of N values in [-1, 1], about twice
// what the engine reaches (2e-4 at 65536 points): float epsilon times the typical output
// size sqrt(N) times the number of stages.
double ForwardTolerance(int n) { return 5e-8 * std::sqrt(static_cast<double>(n)) * std::log2(n) + 1e-6; }

void ExpectNear(const TComplexSingle& actual, const LongComplex& expected, double tolerance, const char* what, int k) {
    EXPECT_NEAR(actual.Re, static_cast<double>(expected.real()), tolerance) << what << ", bin " << k;
    EXPECT_NEAR(actual.Im, static_cast<double>(expected.imag()), tolerance) << what << ", bin " << k;
}

class TransformTest : public testing::TestWithParam<int> {
protected:
    int n = GetParam();
    ReferenceDft dft{GetParam()};
    std::vector<int> order = KernelOrder(GetParam());
};

// Positive exponent, unscaled; with Reorder in natural order, without it in kernel order.
TEST_P(TransformTest, ForwardMatchesTheDirectSum) {
    const Buffer input = RandomBuffer(n, 100u + static_cast<unsigned>(n));
    Buffer natural = input, kernel = input;
    ComplexFFT(natural.data(), n, false, false, true);
    ComplexFFT(kernel.data(), n, false, false, false);
    const std::vector<int> bins = BinsToCheck(n);
    const auto& table = OrderTable[static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(n)))];
    for (int k : bins) {
        const LongComplex expected = dft.Bin(input, k, +1);
        ExpectNear(natural[static_cast<std::size_t>(k)], expected, ForwardTolerance(n), "reordered", k);
        ExpectNear(kernel[table[static_cast<std::size_t>(k)]], expected, ForwardTolerance(n), "kernel order", k);
        if (HasFailure()) return;
    }
}

// Negative exponent; Scale divides by N; without Reorder the input is read in kernel order.
TEST_P(TransformTest, InverseMatchesTheDirectSum) {
    const Buffer spectrum = RandomBuffer(n, 200u + static_cast<unsigned>(n));
    Buffer kernelOrdered(spectrum.size());
    for (int j = 0; j < n; ++j) kernelOrdered[static_cast<std::size_t>(j)] = spectrum[static_cast<std::size_t>(order[static_cast<std::size_t>(j)])];

    Buffer scaled = spectrum, unscaled = spectrum, fromKernelOrder = kernelOrdered;
    ComplexFFT(scaled.data(), n, true, true, true);
    ComplexFFT(unscaled.data(), n, true, false, true);
    ComplexFFT(fromKernelOrder.data(), n, true, false, false);
    for (int k : BinsToCheck(n)) {
        const LongComplex expected = dft.Bin(spectrum, k, -1);
        ExpectNear(unscaled[static_cast<std::size_t>(k)], expected, ForwardTolerance(n), "unscaled", k);
        ExpectNear(fromKernelOrder[static_cast<std::size_t>(k)], expected, ForwardTolerance(n), "kernel-order input", k);
        ExpectNear(scaled[static_cast<std::size_t>(k)], expected / static_cast<long double>(n), ForwardTolerance(n) / n, "scaled", k);
        if (HasFailure()) return;
    }
}

TEST_P(TransformTest, ForwardThenScaledInverseRestoresTheData) {
    const Buffer input = RandomBuffer(n, 300u + static_cast<unsigned>(n));
    for (bool reorder : {true, false}) {
        Buffer data = input;
        ComplexFFT(data.data(), n, false, false, reorder);
        ComplexFFT(data.data(), n, true, true, reorder);
        for (int k = 0; k < n; ++k) {
            ASSERT_NEAR(data[static_cast<std::size_t>(k)].Re, input[static_cast<std::size_t>(k)].Re, 1e-6) << "reorder " << reorder << " index " << k;
            ASSERT_NEAR(data[static_cast<std::size_t>(k)].Im, input[static_cast<std::size_t>(k)].Im, 1e-6) << "reorder " << reorder << " index " << k;
        }
    }
}

TEST_P(TransformTest, UnscaledInverseAfterForwardGivesNTimesTheData) {
    const Buffer input = RandomBuffer(n, 400u + static_cast<unsigned>(n));
    Buffer data = input;
    ComplexFFT(data.data(), n, false, false, true);
    ComplexFFT(data.data(), n, true, false, true);
    const double tolerance = 1e-6 * n;
    for (int k = 0; k < n; ++k) {
        ASSERT_NEAR(data[static_cast<std::size_t>(k)].Re, n * input[static_cast<std::size_t>(k)].Re, tolerance) << k;
        ASSERT_NEAR(data[static_cast<std::size_t>(k)].Im, n * input[static_cast<std::size_t>(k)].Im, tolerance) << k;
    }
}

TEST_P(TransformTest, ScaleFlagDoesNotAffectTheForwardTransform) {
    Buffer scaled = RandomBuffer(n, 500u + static_cast<unsigned>(n));
    Buffer unscaled = scaled;
    ComplexFFT(scaled.data(), n, false, true, true);
    ComplexFFT(unscaled.data(), n, false, false, true);
    EXPECT_TRUE(SameBits(scaled, unscaled));
}

// All ones: N at frequency 0, exact zeros elsewhere; and back, N at every position, exactly.
TEST_P(TransformTest, ConstantAndImpulseAreExact) {
    Buffer data(static_cast<std::size_t>(n), TComplexSingle{1.0f, 0.0f});
    ComplexFFT(data.data(), n, false, false, false);
    EXPECT_EQ(data[0].Re, static_cast<float>(n));
    EXPECT_EQ(data[0].Im, 0.0f);
    for (int k = 1; k < n; ++k) {
        ASSERT_EQ(data[static_cast<std::size_t>(k)].Re, 0.0f) << k;
        ASSERT_EQ(data[static_cast<std::size_t>(k)].Im, 0.0f) << k;
    }
    ComplexFFT(data.data(), n, true, false, false);
    for (int k = 0; k < n; ++k) {
        ASSERT_EQ(data[static_cast<std::size_t>(k)].Re, static_cast<float>(n)) << k;
        ASSERT_EQ(data[static_cast<std::size_t>(k)].Im, 0.0f) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(EverySize, TransformTest, testing::ValuesIn(AllSizes()), SizeName);

// Small cases with known exact results (the 0.70710677 entries are products with Sqrt1_2).
void ExpectValues(const Buffer& actual, const std::vector<TComplexSingle>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_EQ(actual[k].Re, expected[k].Re) << "index " << k;
        EXPECT_EQ(actual[k].Im, expected[k].Im) << "index " << k;
    }
}

constexpr float R = 0.70710677f;

TEST(KnownValues, TwoPoints) {
    Buffer data{{3.0f, -1.0f}, {0.5f, 2.0f}};
    ComplexFFT(data.data(), 2, false, false, true);
    ExpectValues(data, {{3.5f, 1.0f}, {2.5f, -3.0f}});
    data = {{3.0f, -1.0f}, {0.5f, 2.0f}};
    ComplexFFT(data.data(), 2, true, true, true);
    ExpectValues(data, {{1.75f, 0.5f}, {1.25f, -1.5f}});
}

TEST(KnownValues, FourPointsShowThePositiveExponent) {
    Buffer data{{0, 0}, {1, 0}, {0, 0}, {0, 0}};
    ComplexFFT(data.data(), 4, false, false, true);
    ExpectValues(data, {{1, 0}, {0, 1}, {-1, 0}, {0, -1}});
    data = {{0, 0}, {1, 0}, {0, 0}, {0, 0}};
    ForwardFFT4(data.data());
    ExpectValues(data, {{1, 0}, {-1, 0}, {0, 1}, {0, -1}});
}

TEST(KnownValues, InverseFourPoints) {
    Buffer data{{1, 0}, {0, 0}, {0, 0}, {0, 0}};
    InverseFFT4(data.data());
    ExpectValues(data, {{1, 0}, {1, 0}, {1, 0}, {1, 0}});
    data = {{0, 0}, {0, 0}, {1, 0}, {0, 0}};  // frequency 1 in kernel order
    InverseFFT4(data.data());
    ExpectValues(data, {{1, 0}, {0, -1}, {-1, 0}, {0, 1}});
}

TEST(KnownValues, EightPointImpulseLeavesKernelOrder) {
    Buffer data(8, TComplexSingle{0, 0});
    data[1] = {1, 0};
    ForwardFFT8(data.data());
    ExpectValues(data, {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {R, R}, {-R, -R}, {R, -R}, {-R, R}});
}

TEST(KnownValues, EightPointInverseOfFrequencyOne) {
    Buffer data(8, TComplexSingle{0, 0});
    data[4] = {1, 0};  // frequency 1 in kernel order
    InverseFFT8(data.data());
    ExpectValues(data, {{1, 0}, {R, -R}, {0, -1}, {-R, -R}, {-1, 0}, {-R, R}, {0, 1}, {R, R}});
}

}  // namespace
}  // namespace fft_test
