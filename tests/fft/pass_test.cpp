// The four pass routines, portable, AVX2 and AVX-512, against the butterfly written out for every n:
// which factor each n uses (none at 0, the table entry, sqrt(1/2) with two multiplications at
// N/8 of the large passes, the exchanged entry walked backwards above it) and where the
// results are rounded. Compared bit for bit.

#include "fft/fft_support.h"

#include <bit>

namespace fft_test {
namespace {

using namespace uFFTasm;
using Pass = void (*)(TComplexSingle*, const TComplexSingle*, int);

enum class Kind { Forward, ForwardLarge, Inverse, InverseLarge };

struct PassCase {
    const char* name;
    Kind kind;
    const TCodePath* (*path)();  // null when the processor lacks the instructions
};

const TCodePath* Portable() { return &PortablePath(); }

Pass PassOf(const TCodePath& path, Kind kind) {
    switch (kind) {
        case Kind::Forward: return path.ForwardPass;
        case Kind::ForwardLarge: return path.ForwardPassLarge;
        case Kind::Inverse: return path.InversePass;
        case Kind::InverseLarge: return path.InversePassLarge;
    }
    return nullptr;
}

struct D {
    double re, im;
};
D Ld(const TComplexSingle& c) { return {c.Re, c.Im}; }
TComplexSingle Rounded(double re, double im) { return {static_cast<float>(re), static_cast<float>(im)}; }

enum class Factor { None, Table, SqrtHalf };

// The expected buffer after one pass over `in` (N = 8 * n8).
Buffer ExpectedPass(const Buffer& in, const TComplexSingle* table, int n8, bool inverse, bool large) {
    const int q = 2 * n8;
    Buffer out = in;
    for (int n = 0; n < q; ++n) {
        Factor factor = Factor::Table;
        double wr = 0, wi = 0;
        if (n == 0) {
            factor = Factor::None;
        } else if (!large || n < n8) {
            wr = table[n - 1].Re;
            wi = table[n - 1].Im;
        } else if (n == n8) {
            factor = Factor::SqrtHalf;
        } else {
            wr = table[q - n - 1].Im;
            wi = table[q - n - 1].Re;
        }
        const double s = Sqrt1_2;
        const D x0 = Ld(in[n]), x1 = Ld(in[n + q]), x2 = Ld(in[n + 2 * q]), x3 = Ld(in[n + 3 * q]);
        if (!inverse) {
            const D a{x0.re - x2.re, x0.im - x2.im}, b{x1.re - x3.re, x1.im - x3.im};
            const D z1{a.re - b.im, a.im + b.re}, z3{a.re + b.im, a.im - b.re};
            out[n] = Rounded(x0.re + x2.re, x0.im + x2.im);
            out[n + q] = Rounded(x1.re + x3.re, x1.im + x3.im);
            if (factor == Factor::None) {
                out[n + 2 * q] = Rounded(z1.re, z1.im);
                out[n + 3 * q] = Rounded(z3.re, z3.im);
            } else if (factor == Factor::SqrtHalf) {
                out[n + 2 * q] = Rounded((z1.re - z1.im) * s, (z1.re + z1.im) * s);
                out[n + 3 * q] = Rounded((z3.re + z3.im) * s, (z3.im - z3.re) * s);
            } else {
                out[n + 2 * q] = Rounded(z1.re * wr - z1.im * wi, z1.re * wi + z1.im * wr);
                out[n + 3 * q] = Rounded(z3.re * wr + z3.im * wi, z3.im * wr - z3.re * wi);
            }
        } else {
            D z1 = x2, z3 = x3;
            if (factor == Factor::SqrtHalf) {
                z1 = {(x2.re + x2.im) * s, (x2.im - x2.re) * s};
                z3 = {(x3.re - x3.im) * s, (x3.im + x3.re) * s};
            } else if (factor == Factor::Table) {
                z1 = {x2.re * wr + x2.im * wi, x2.im * wr - x2.re * wi};
                z3 = {x3.re * wr - x3.im * wi, x3.im * wr + x3.re * wi};
            }
            const D sum{z1.re + z3.re, z1.im + z3.im}, t{z1.re - z3.re, z1.im - z3.im};
            out[n + 2 * q] = Rounded(x0.re - sum.re, x0.im - sum.im);
            out[n] = Rounded(x0.re + sum.re, x0.im + sum.im);
            out[n + 3 * q] = Rounded(x1.re - t.im, x1.im + t.re);
            out[n + q] = Rounded(x1.re + t.im, x1.im - t.re);
        }
    }
    return out;
}

const PassCase Cases[] = {
    {"ForwardPass", Kind::Forward, Portable},
    {"ForwardPassLarge", Kind::ForwardLarge, Portable},
    {"InversePass", Kind::Inverse, Portable},
    {"InversePassLarge", Kind::InverseLarge, Portable},
    {"ForwardPassAvx2", Kind::Forward, Avx2PathIfSupported},
    {"ForwardPassLargeAvx2", Kind::ForwardLarge, Avx2PathIfSupported},
    {"InversePassAvx2", Kind::Inverse, Avx2PathIfSupported},
    {"InversePassLargeAvx2", Kind::InverseLarge, Avx2PathIfSupported},
    {"ForwardPassAvx512", Kind::Forward, Avx512PathIfSupported},
    {"ForwardPassLargeAvx512", Kind::ForwardLarge, Avx512PathIfSupported},
    {"InversePassAvx512", Kind::Inverse, Avx512PathIfSupported},
    {"InversePassLargeAvx512", Kind::InverseLarge, Avx512PathIfSupported},
};

class PassTest : public testing::TestWithParam<PassCase> {};

TEST_P(PassTest, EveryButterflyFollowsItsFormula) {
    const PassCase& c = GetParam();
    const TCodePath* path = c.path();
    if (path == nullptr) GTEST_SKIP() << "this processor lacks the instructions of " << c.name;
    const Pass pass = PassOf(*path, c.kind);
    const bool large = c.kind == Kind::ForwardLarge || c.kind == Kind::InverseLarge;
    const bool inverse = c.kind == Kind::Inverse || c.kind == Kind::InverseLarge;
    const std::vector<int> sizes = large ? std::vector<int>{1024, 2048, 65536} : std::vector<int>{32, 64, 512};
    for (int n : sizes) {
        const TComplexSingle* table = TwiddleTable.at(static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(n)))).data();
        for (const Buffer& input : {RandomBuffer(n, 7u * static_cast<unsigned>(n)), WideRangeBuffer(n, 9u * static_cast<unsigned>(n)),
                                    CoarseFineBuffer(n, 11u * static_cast<unsigned>(n))}) {
            Buffer data = input;
            pass(data.data(), table, n / 8);
            const Buffer expected = ExpectedPass(input, table, n / 8, inverse, large);
            const long at = FirstDifference(data, expected);
            ASSERT_EQ(at, -1) << "N " << n << ", first difference at index " << at;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllPasses, PassTest, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<PassCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fft_test
