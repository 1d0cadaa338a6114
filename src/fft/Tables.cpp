// Order, twiddle and kernel tables, built once by FFTInit.

#include "fft/FFTInternal.h"

#include <cmath>

namespace uFFTasm {

namespace {

// All order tables back to back: sizes 2, 4, ..., 65536 need 2 * 65536 - 2 entries.
std::array<std::uint16_t, 2 * MaxSize - 2> OrderStorage{0, 1};
// Their inverses, the kernel orders P_N, laid out the same way.
std::array<std::uint16_t, 2 * MaxSize - 2> KernelOrderStorage{0, 1};

constexpr int TotalTwiddles() {
    int total = 0;
    for (int k = FirstTwiddleLog2; k <= MaxLog2; ++k) total += TwiddleCount(k);
    return total;
}
std::array<TComplexSingle, TotalTwiddles()> TwiddleStorage{};

// Sizes 32 .. 65536 need 2 * (8 + 16 + ... + 16384) doubles.
std::array<double, 2 * (MaxSize / 2 - 8)> PassFactorStorage{};

double* PassFactorsFor(int log2n) { return PassFactorStorage.data() + ((1 << (log2n - 1)) - 16); }

void FillPassFactors(int log2n) {
    const int q = (1 << log2n) / 4;
    const int n8 = q / 2;
    const TComplexSingle* table = TwiddleTable[static_cast<std::size_t>(log2n)].data();
    double* re = PassFactorsFor(log2n);
    double* im = re + q;
    PassFactors[log2n] = re;
    re[0] = 1;
    im[0] = 0;
    for (int n = 1; n < q; ++n) {
        TComplexSingle w;
        if (log2n < FirstLargePassLog2 || n < n8) {
            w = table[n - 1];
        } else if (n == n8) {
            w = {Sqrt1_2, Sqrt1_2};
        } else {
            w = {table[q - n - 1].Im, table[q - n - 1].Re};
        }
        re[n] = w.Re;
        im[n] = w.Im;
    }
}

// 2*pi to the 64 bits of the x87 extended format.
constexpr long double TwoPi = 6.283185307179586476925286766559005768L;

std::uint16_t* OrderFor(int log2n) { return OrderStorage.data() + ((1 << log2n) - 2); }

TComplexSingle* TwiddlesFor(int log2n) {
    int offset = 0;
    for (int k = FirstTwiddleLog2; k < log2n; ++k) offset += TwiddleCount(k);
    return TwiddleStorage.data() + offset;
}

}  // namespace

std::array<std::span<const std::uint16_t>, MaxLog2 + 1> OrderTable{};
std::array<std::span<const TComplexSingle>, MaxLog2 + 1> TwiddleTable{};
std::array<TKernel, 2 * MaxLog2> KernelTable{};

const double* PassFactors[MaxLog2 + 1]{};

const std::uint16_t* KernelOrderOf(int log2n) { return KernelOrderStorage.data() + ((1 << log2n) - 2); }

// Doubles the size-2 table fifteen times. After copying 2*T into both halves, one run of M
// consecutive entries starting at ceil(2M/3) gets the odd frequencies: that is where the
// split-radix recursion leaves the 4k+1 and 4k-1 quarters.
void BuildOrderTables() {
    OrderTable[MinLog2] = std::span<const std::uint16_t>(OrderFor(MinLog2), 2);
    int f = 1;
    int s = 1;
    for (int k = MinLog2; k < MaxLog2; ++k) {
        const int m = 1 << k;
        const std::uint16_t* t = OrderFor(k);
        std::uint16_t* next = OrderFor(k + 1);
        f = 1 - f;
        s = 2 * s - f;
        for (int i = 0; i < m; ++i) {
            const auto doubled = static_cast<std::uint16_t>(2 * t[i]);
            next[i] = doubled;
            next[i + m] = doubled;
        }
        for (int i = s; i < s + m; ++i) next[i] = static_cast<std::uint16_t>(next[i] + 1);
        OrderTable[k + 1] = std::span<const std::uint16_t>(next, 2 * m);
        std::uint16_t* inverse = KernelOrderStorage.data() + (next - OrderStorage.data());
        for (int i = 0; i < 2 * m; ++i) inverse[next[i]] = static_cast<std::uint16_t>(i);
    }
}

// The angles are j * delta with delta rounded to double, evaluated in extended precision and
// only then rounded to float, so each entry is the float nearest to the extended result.
void FillTwiddleTable(int log2n) {
    const int n = 1 << log2n;
    const int count = log2n < FirstLargePassLog2 ? (n >> 2) - 1 : (n >> 3) - 1;
    const double delta = static_cast<double>(TwoPi / static_cast<long double>(n));
    TComplexSingle* table = TwiddlesFor(log2n);
    for (int j = 1; j <= count; ++j) {
        const long double theta = static_cast<long double>(j) * static_cast<long double>(delta);
        table[j - 1] = {static_cast<float>(std::cos(theta)), static_cast<float>(std::sin(theta))};
    }
    TwiddleTable[log2n] = std::span<const TComplexSingle>(table, static_cast<std::size_t>(count));
}

void BuildTwiddleTables() {
    for (int k = FirstTwiddleLog2; k <= MaxLog2; ++k) FillTwiddleTable(k);
    for (int k = FirstTwiddleLog2; k <= MaxLog2; ++k) FillPassFactors(k);
}

void InitKernelTable() {
    KernelTable = {ForwardFFT2,     InverseFFT2,     ForwardFFT4,     InverseFFT4,
                   ForwardFFT8,     InverseFFT8,     ForwardFFT16,    InverseFFT16,
                   ForwardFFT32,    InverseFFT32,    ForwardFFT64,    InverseFFT64,
                   ForwardFFT128,   InverseFFT128,   ForwardFFT256,   InverseFFT256,
                   ForwardFFT512,   InverseFFT512,   ForwardFFT1024,  InverseFFT1024,
                   ForwardFFT2048,  InverseFFT2048,  ForwardFFT4096,  InverseFFT4096,
                   ForwardFFT8192,  InverseFFT8192,  ForwardFFT16384, InverseFFT16384,
                   ForwardFFT32768, InverseFFT32768, ForwardFFT65536, InverseFFT65536};
}

}  // namespace uFFTasm
