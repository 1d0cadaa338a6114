// Each vector path (AVX2, AVX-512) against the portable reference: the same bits for every
// size and every combination of direction, scaling and reordering.

#include "fft/fft_support.h"

#include <limits>
#include <memory>
#include <new>
#include <string>
#include <tuple>

namespace fft_test {
namespace {

using namespace uFFTasm;

struct Operation {
    const char* name;
    bool inverse;
    bool scale;
    bool reorder;
};

constexpr Operation Operations[] = {
    {"forward", false, false, false},
    {"forward reordered", false, true, true},
    {"inverse", true, false, false},
    {"inverse scaled reordered", true, true, true},
    {"inverse reordered", true, false, true},
};

struct VectorPathCase {
    const char* name;
    const TCodePath* (*path)();
};

constexpr VectorPathCase VectorPaths[] = {{"AVX2", Avx2PathIfSupported}, {"AVX512", Avx512PathIfSupported}};

Buffer RunOn(const TCodePath* path, Buffer data, const Operation& op) {
    ForcePath(path);
    ComplexFFT(data.data(), static_cast<std::int32_t>(data.size()), op.inverse, op.scale, op.reorder);
    ForcePath(nullptr);
    return data;
}

class CodePathTest : public testing::TestWithParam<std::tuple<VectorPathCase, int>> {};

TEST_P(CodePathTest, VectorPathGivesTheSameBitsAsThePortablePath) {
    const auto [pathCase, n] = GetParam();
    const TCodePath* path = pathCase.path();
    if (path == nullptr) GTEST_SKIP() << "this processor has no " << pathCase.name;
    const Buffer inputs[] = {RandomBuffer(n, 11u * static_cast<unsigned>(n)),
                             WideRangeBuffer(n, 13u * static_cast<unsigned>(n)),
                             CoarseFineBuffer(n, 17u * static_cast<unsigned>(n))};
    for (const Buffer& input : inputs) {
        for (const Operation& op : Operations) {
            const Buffer portable = RunOn(&PortablePath(), input, op);
            const Buffer vector = RunOn(path, input, op);
            const long at = FirstDifference(portable, vector);
            EXPECT_EQ(at, -1) << op.name << ": first difference at index " << at;
        }
    }
}

// A caller's work block keeps the copy the reordering works from: after a forward call the
// kernel-order result, after an inverse call the scaled input in natural order. The data get
// the same bits as with the engine's own block, which is scratch.
TEST_P(CodePathTest, WorkBlockHoldsTheCopyOfTheReordering) {
    const auto [pathCase, n] = GetParam();
    const TCodePath* path = pathCase.path();
    if (path == nullptr) GTEST_SKIP() << "this processor has no " << pathCase.name;
    const Buffer input = WideRangeBuffer(n, 19u * static_cast<unsigned>(n));
    Buffer scaled = input;
    portable::Scale(scaled.data(), n, 1.0f / static_cast<float>(n));
    const Buffer kernelOrder = RunOn(&PortablePath(), input, Operations[0]);
    for (const bool inverse : {false, true}) {
        Buffer block(static_cast<std::size_t>(n), TComplexSingle{}), data = input;
        ForcePath(path);
        ComplexFFT(data.data(), n, inverse, true, true, block.data());
        ForcePath(nullptr);
        // Give the engine its own block back before ours goes away.
        FFTDone();
        FFTInit();
        const long at = FirstDifference(block, inverse ? scaled : kernelOrder);
        EXPECT_EQ(at, -1) << (inverse ? "inverse" : "forward") << ": first difference at index " << at;
        EXPECT_TRUE(SameBits(data, RunOn(&PortablePath(), input, Operations[inverse ? 3 : 1])));
    }
}

// The widest path the processor has is the one FFTInit picks.
TEST(CodePath, TheWidestSupportedPathIsChosen) {
    const TCodePath* expected = Avx512PathIfSupported() != nullptr ? Avx512PathIfSupported() : Avx2PathIfSupported();
    EXPECT_EQ(VectorPath(), expected);
    ForcePath(nullptr);
    EXPECT_EQ(CurrentPath, expected != nullptr ? expected : &PortablePath());
}

TEST(CodePath, TheTestHookSwitchesPaths) {
    if (VectorPath() == nullptr) GTEST_SKIP() << "this processor has no AVX2";
    ForcePortablePath(true);
    EXPECT_FALSE(UsingVectorPath());
    ForcePortablePath(false);
    EXPECT_TRUE(UsingVectorPath());
}

INSTANTIATE_TEST_SUITE_P(EverySize, CodePathTest, testing::Combine(testing::ValuesIn(VectorPaths), testing::ValuesIn(AllSizes())),
                         [](const testing::TestParamInfo<CodePathTest::ParamType>& info) {
                             return std::string(std::get<0>(info.param).name) + "_N" + std::to_string(std::get<1>(info.param));
                         });

// A caller's buffer need only be aligned like a float: data and work block placed 4 bytes
// past an 8-byte boundary give the same bits as aligned ones, on both paths.
TEST(CodePath, BuffersAlignedOnlyToFloatGiveTheSameBits) {
    for (int n : {16, 256, 1024, 16384}) {
        const Buffer input = RandomBuffer(n, 21u * static_cast<unsigned>(n));
        const std::size_t bytes = static_cast<std::size_t>(n) * sizeof(TComplexSingle) + 16;
        auto dataStorage = std::make_unique<std::byte[]>(bytes);
        auto workStorage = std::make_unique<std::byte[]>(bytes);
        auto* data = new (dataStorage.get() + 4) TComplexSingle[static_cast<std::size_t>(n)];
        auto* work = new (workStorage.get() + 4) TComplexSingle[static_cast<std::size_t>(n)];
        for (const TCodePath* path : {&PortablePath(), Avx2PathIfSupported(), Avx512PathIfSupported()}) {
            if (path == nullptr) continue;
            ForcePath(path);
            const bool portable = path == &PortablePath();
            for (bool inverse : {false, true}) {
                Buffer aligned = input;
                ComplexFFT(aligned.data(), n, inverse, true, true);
                std::copy(input.begin(), input.end(), data);
                ComplexFFT(data, n, inverse, true, true, work);
                EXPECT_TRUE(SameBits(aligned, Buffer(data, data + n))) << "N " << n << (portable ? " portable" : " vector");
            }
        }
        ForcePath(nullptr);
        // Give the engine its own block back before ours goes away.
        FFTDone();
        FFTInit();
    }
}

// The vector scaling multiplies in float: the same bits as the double formula for any factor,
// including products that overflow, underflow into subnormals or meet NaN and infinity, and
// for a length that leaves a tail shorter than a vector.
TEST(CodePath, VectorScalingMatchesTheDoubleFormulaForAnyFactor) {
    Buffer input = WideRangeBuffer(1027, 5);
    input[3] = {std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()};
    input[4] = {std::numeric_limits<float>::max(), -std::numeric_limits<float>::denorm_min()};
    int tested = 0;
    for (const VectorPathCase& pathCase : VectorPaths) {
        const TCodePath* path = pathCase.path();
        if (path == nullptr) continue;
        ++tested;
        for (float factor : {0.1f, 3.0f, 1e-30f, 7.5e37f, 1.0f / 65536, -std::numeric_limits<float>::denorm_min()}) {
            Buffer portable = input, vector = input;
            portable::Scale(portable.data(), static_cast<int>(portable.size()), factor);
            path->Scale(vector.data(), static_cast<int>(vector.size()), factor);
            const long at = FirstDifference(portable, vector);
            EXPECT_EQ(at, -1) << pathCase.name << ", factor " << factor << ": first difference at index " << at;
        }
    }
    if (tested == 0) GTEST_SKIP() << "this processor has no AVX2";
}

}  // namespace
}  // namespace fft_test
