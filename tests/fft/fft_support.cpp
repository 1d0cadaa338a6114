#include "fft/fft_support.h"

#include <cmath>
#include <numbers>
#include <random>

namespace fft_test {

namespace {
// Initialises the engine once for the whole test program.
class EngineEnvironment : public testing::Environment {
public:
    void SetUp() override { uFFTasm::FFTInit(); }
    void TearDown() override { uFFTasm::FFTDone(); }
};
[[maybe_unused]] testing::Environment* const Engine = testing::AddGlobalTestEnvironment(new EngineEnvironment);
}  // namespace

std::vector<int> AllSizes() {
    std::vector<int> sizes;
    for (int n = 2; n <= uFFTasm::MaxSize; n *= 2) sizes.push_back(n);
    return sizes;
}

std::string SizeName(const testing::TestParamInfo<int>& info) { return "N" + std::to_string(info.param); }

Buffer RandomBuffer(int n, std::uint32_t seed) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> value(-1.0f, 1.0f);
    Buffer b(static_cast<std::size_t>(n));
    for (auto& c : b) c = {value(rng), value(rng)};
    return b;
}

Buffer WideRangeBuffer(int n, std::uint32_t seed) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> mantissa(1.0f, 2.0f);
    std::uniform_int_distribution<int> exponent(-140, 30);
    std::bernoulli_distribution negative(0.5);
    auto draw = [&] {
        const float v = std::ldexp(mantissa(rng), exponent(rng));
        return negative(rng) ? -v : v;
    };
    Buffer b(static_cast<std::size_t>(n));
    for (auto& c : b) c = {draw(), draw()};
    return b;
}

Buffer CoarseFineBuffer(int n, std::uint32_t seed) {
    std::mt19937 rng(seed);
    std::bernoulli_distribution coarse(0.5), negative(0.5);
    std::uniform_int_distribution<int> coarseIndex(0, 4), fineExponent(-50, -20);
    constexpr float CoarseValues[] = {-1.0f, -0.5f, 0.0f, 0.5f, 1.0f};
    auto draw = [&]() -> float {
        if (coarse(rng)) return CoarseValues[coarseIndex(rng)];
        const float v = std::ldexp(1.0f, fineExponent(rng));
        return negative(rng) ? -v : v;
    };
    Buffer b(static_cast<std::size_t>(n));
    for (auto& c : b) c = {draw(), draw()};
    return b;
}

bool SameBits(const Buffer& a, const Buffer& b) { return FirstDifference(a, b) < 0; }

long FirstDifference(const Buffer& a, const Buffer& b) {
    if (a.size() != b.size()) return 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::memcmp(&a[i], &b[i], sizeof(TComplexSingle)) != 0) return static_cast<long>(i);
    }
    return -1;
}

std::vector<int> KernelOrder(int n) {
    if (n == 1) return {0};
    if (n == 2) return {0, 1};
    const std::vector<int> half = KernelOrder(n / 2);
    const std::vector<int> quarter = KernelOrder(n / 4);
    std::vector<int> p;
    p.reserve(static_cast<std::size_t>(n));
    for (int f : half) p.push_back(2 * f);
    for (int f : quarter) p.push_back(4 * f + 1);
    for (int f : quarter) p.push_back(((4 * f - 1) % n + n) % n);
    return p;
}

ReferenceDft::ReferenceDft(int n) : n_(n), roots_(static_cast<std::size_t>(n)) {
    const long double step = 2 * std::numbers::pi_v<long double> / n;
    for (int m = 0; m < n; ++m) roots_[static_cast<std::size_t>(m)] = {std::cos(step * m), std::sin(step * m)};
}

LongComplex ReferenceDft::Bin(const Buffer& x, int k, int sign) const {
    LongComplex sum = 0;
    long long m = 0;  // j*k mod n, advanced without overflow
    const long long stride = ((static_cast<long long>(sign) * k) % n_ + n_) % n_;
    for (const auto& v : x) {
        sum += LongComplex(v.Re, v.Im) * roots_[static_cast<std::size_t>(m)];
        m += stride;
        if (m >= n_) m -= n_;
    }
    return sum;
}

std::vector<int> BinsToCheck(int n) {
    std::vector<int> bins;
    if (n <= 1024) {
        for (int k = 0; k < n; ++k) bins.push_back(k);
        return bins;
    }
    for (int k : {0, 1, 2, 3, n / 8 - 1, n / 8, n / 8 + 1, n / 4 - 1, n / 4, n / 4 + 1, n / 2 - 1, n / 2,
                  n / 2 + 1, 3 * n / 4, n - 2, n - 1}) {
        bins.push_back(k);
    }
    for (int i = 0; i < 48; ++i) bins.push_back(static_cast<int>((2654435761u * static_cast<unsigned>(i + 1)) % static_cast<unsigned>(n)));
    return bins;
}

}  // namespace fft_test
