// The tables FFTInit builds: constants, order tables, twiddle tables, kernel table.

#include "fft/fft_support.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numbers>

namespace fft_test {
namespace {

using namespace uFFTasm;

TEST(Constants, AreTheFloatRoundingsOfTheirValues) {
    const long double pi8 = std::numbers::pi_v<long double> / 8;
    EXPECT_EQ(std::bit_cast<std::uint32_t>(Sqrt1_2), 0x3F3504F3u);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(CosPi8), 0x3F6C835Eu);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(SinPi8), 0x3EC3EF15u);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(NegCosPi8), 0xBF6C835Eu);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(NegSinPi8), 0xBEC3EF15u);
    EXPECT_EQ(Sqrt1_2, static_cast<float>(std::sqrt(0.5L)));
    EXPECT_EQ(CosPi8, static_cast<float>(std::cos(pi8)));
    EXPECT_EQ(SinPi8, static_cast<float>(std::sin(pi8)));
}

class OrderTableTest : public testing::TestWithParam<int> {};

TEST_P(OrderTableTest, IsTheInverseOfTheKernelOrder) {
    const int n = GetParam();
    const auto table = OrderTable.at(static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(n))));
    ASSERT_EQ(table.size(), static_cast<std::size_t>(n));
    const std::vector<int> order = KernelOrder(n);
    const std::uint16_t* kernelOrder = KernelOrderOf(std::countr_zero(static_cast<unsigned>(n)));
    for (int j = 0; j < n; ++j) {
        ASSERT_EQ(table[static_cast<std::size_t>(order[static_cast<std::size_t>(j)])], j) << "position " << j;
        ASSERT_EQ(kernelOrder[j], order[static_cast<std::size_t>(j)]) << "kernel order, position " << j;
    }
}

INSTANTIATE_TEST_SUITE_P(EverySize, OrderTableTest, testing::ValuesIn(AllSizes()), SizeName);

TEST(OrderTable, SmallTablesHaveTheirDocumentedValues) {
    auto asVector = [](int log2n) {
        const auto t = OrderTable[static_cast<std::size_t>(log2n)];
        return std::vector<int>(t.begin(), t.end());
    };
    EXPECT_EQ(asVector(1), (std::vector<int>{0, 1}));
    EXPECT_EQ(asVector(2), (std::vector<int>{0, 2, 1, 3}));  // bit reversal up to 4 points
    EXPECT_EQ(asVector(3), (std::vector<int>{0, 4, 2, 7, 1, 5, 3, 6}));
    EXPECT_EQ(asVector(4), (std::vector<int>{0, 8, 4, 14, 2, 10, 7, 13, 1, 9, 5, 15, 3, 11, 6, 12}));
}

// Sine and cosine by their series in quadruple precision: an evaluation that shares nothing
// with the engine's extended-precision library calls.
__float128 QuadCos(__float128 x) {
    __float128 term = 1, sum = 1;
    for (int k = 1; k < 40; ++k) {
        term = -term * x * x / ((2 * k - 1) * (2 * k));
        sum += term;
    }
    return sum;
}
__float128 QuadSin(__float128 x) {
    __float128 term = x, sum = x;
    for (int k = 1; k < 40; ++k) {
        term = -term * x * x / ((2 * k) * (2 * k + 1));
        sum += term;
    }
    return sum;
}

class TwiddleTableTest : public testing::TestWithParam<int> {};

TEST_P(TwiddleTableTest, MatchesAnIndependentEvaluation) {
    const int n = GetParam();
    const int log2n = std::countr_zero(static_cast<unsigned>(n));
    const auto table = TwiddleTable.at(static_cast<std::size_t>(log2n));
    const int expectedCount = n <= 512 ? n / 4 - 1 : n / 8 - 1;
    ASSERT_EQ(table.size(), static_cast<std::size_t>(expectedCount));

    // 2*pi rounded to the 64-bit mantissa of the extended format; the step rounded to double;
    // the angle j*step rounded to extended (the exact product has at most 66 bits).
    // 2*pi as a double-double (about 107 bits), rounded once to the extended format.
    const __float128 twoPiHi = std::bit_cast<double>(0x401921FB54442D18ull);
    const __float128 twoPiLo = std::bit_cast<double>(0x3CB1A62633145C07ull);
    const auto twoPi = static_cast<long double>(twoPiHi + twoPiLo);
    const auto step = static_cast<double>(twoPi / n);
    for (int j = 1; j <= expectedCount; ++j) {
        const auto theta = static_cast<long double>(static_cast<__float128>(j) * static_cast<__float128>(step));
        const auto q = static_cast<__float128>(theta);
        const TComplexSingle& entry = table[static_cast<std::size_t>(j - 1)];
        ASSERT_EQ(std::bit_cast<std::uint32_t>(entry.Re), std::bit_cast<std::uint32_t>(static_cast<float>(QuadCos(q))))
            << "cos, entry " << j - 1;
        ASSERT_EQ(std::bit_cast<std::uint32_t>(entry.Im), std::bit_cast<std::uint32_t>(static_cast<float>(QuadSin(q))))
            << "sin, entry " << j - 1;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTableSize, TwiddleTableTest,
                         testing::Values(32, 64, 128, 256, 512, 1024, 2048, 4096, 8192, 16384, 32768, 65536),
                         SizeName);

// Each slot must hold a kernel of the right size and direction: applied through the table,
// forward then inverse returns N times the input and nothing past N entries is touched.
TEST(KernelTable, HoldsForwardThenInverseKernelOfEachSize) {
    for (int log2n = 1; log2n <= MaxLog2; ++log2n) {
        const int n = 1 << log2n;
        const std::size_t slot = 2 * static_cast<std::size_t>(log2n - 1);
        Buffer data = RandomBuffer(n + 4, static_cast<std::uint32_t>(n));
        const Buffer input = data;
        KernelTable[slot](data.data());
        KernelTable[slot + 1](data.data());
        for (int k = 0; k < n; ++k) {
            ASSERT_NEAR(data[static_cast<std::size_t>(k)].Re, n * input[static_cast<std::size_t>(k)].Re, 2e-6 * n * log2n)
                << "N " << n << " index " << k;
            ASSERT_NEAR(data[static_cast<std::size_t>(k)].Im, n * input[static_cast<std::size_t>(k)].Im, 2e-6 * n * log2n)
                << "N " << n << " index " << k;
        }
        for (int k = n; k < n + 4; ++k) {
            ASSERT_EQ(std::memcmp(&data[static_cast<std::size_t>(k)], &input[static_cast<std::size_t>(k)], 8), 0) << "N " << n;
        }
    }
}

}  // namespace
}  // namespace fft_test
