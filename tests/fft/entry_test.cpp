// ComplexFFT's contract around the kernels: unsupported sizes, the work buffer, the module
// lifecycle.

#include "fft/fft_support.h"

#include <algorithm>
#include <climits>

namespace fft_test {
namespace {

using namespace uFFTasm;

// Each test starts and ends with an engine that has just been initialised once, so a work
// block adopted by one test never outlives it.
class EntryTest : public testing::Test {
protected:
    void SetUp() override { Restart(); }
    void TearDown() override { Restart(); }
    static void Restart() {
        FFTDone();
        FFTInit();
    }
};

constexpr bool Flags[] = {false, true};

TEST_F(EntryTest, UnsupportedSizesTouchNothing) {
    const Buffer pattern = WideRangeBuffer(64, 7);
    Buffer block = RandomBuffer(64, 8);
    const Buffer blockBefore = block;
    for (std::int32_t n : {0, 1, 3, 6, 100, 131072, 65537, -1, -2, -1024, -65536, INT_MIN, INT_MAX}) {
        for (bool inverse : Flags) {
            for (bool scale : Flags) {
                for (bool reorder : Flags) {
                    Buffer data = pattern;
                    // A 64-entry buffer: reading or writing N entries would also trip the
                    // address sanitizer.
                    ComplexFFT(data.data(), n, inverse, scale, reorder, block.data());
                    ASSERT_TRUE(SameBits(data, pattern)) << "N " << n;
                }
            }
        }
    }
    // The block was not taken over: a later reordering leaves it alone.
    Buffer data = RandomBuffer(64, 9);
    ComplexFFT(data.data(), 64, false, false, true);
    EXPECT_TRUE(SameBits(block, blockBefore));
}

TEST_F(EntryTest, OwnWorkBufferStartsZeroFilled) {
    ASSERT_NE(WorkBuffer, nullptr);
    const auto* bytes = static_cast<const unsigned char*>(WorkBuffer);
    EXPECT_TRUE(std::all_of(bytes, bytes + WorkBufferBytes, [](unsigned char b) { return b == 0; }));
}

// The block receives the kernel-order data on every reordering, from the call that passes it
// on, also when later calls pass none, until another block is passed.
TEST_F(EntryTest, PassedWorkBufferIsUsedUntilAnotherIsPassed) {
    const int n = 256;
    Buffer first(n, TComplexSingle{}), second(n, TComplexSingle{});
    auto kernelOrderOf = [n](Buffer data) {
        ForwardFFT256(data.data());
        return data;
    };

    Buffer data = RandomBuffer(n, 1);
    const Buffer expected1 = kernelOrderOf(data);
    ComplexFFT(data.data(), n, false, false, true, first.data());
    EXPECT_TRUE(SameBits(first, expected1));

    data = RandomBuffer(n, 2);
    const Buffer expected2 = kernelOrderOf(data);
    ComplexFFT(data.data(), n, false, false, true);
    EXPECT_TRUE(SameBits(first, expected2)) << "a later call without a block keeps using it";

    data = RandomBuffer(n, 3);
    ComplexFFT(data.data(), n, true, false, true, second.data());
    data = RandomBuffer(n, 4);
    const Buffer input4 = data;
    ComplexFFT(data.data(), n, true, false, true);
    EXPECT_TRUE(SameBits(second, input4)) << "the newly passed block is in use";
    EXPECT_TRUE(SameBits(first, expected2)) << "a replaced block is no longer written";
}

// The inverse reordering copies its natural-order input into the block before scattering.
TEST_F(EntryTest, InverseReorderingUsesThePassedBlock) {
    const int n = 64;
    Buffer block(n, TComplexSingle{});
    Buffer data = RandomBuffer(n, 5);
    const Buffer input = data;
    ComplexFFT(data.data(), n, true, false, true, block.data());
    EXPECT_TRUE(SameBits(block, input));
}

TEST_F(EntryTest, WorkBufferIsIgnoredWithoutReordering) {
    const int n = 128;
    Buffer block = RandomBuffer(n, 6);
    const Buffer blockBefore = block;
    Buffer data = RandomBuffer(n, 7);
    ComplexFFT(data.data(), n, false, false, false, block.data());
    ComplexFFT(data.data(), n, true, true, false, block.data());
    ComplexFFT(data.data(), n, false, false, true);  // reorders through the engine's own block
    EXPECT_TRUE(SameBits(block, blockBefore));
}

TEST_F(EntryTest, CallsOutsideInitAndDoneDoNothing) {
    const Buffer input = RandomBuffer(32, 10);
    Buffer block = RandomBuffer(32, 11);
    const Buffer blockBefore = block;

    FFTDone();  // balanced: the engine is down now
    Buffer data = input;
    ComplexFFT(data.data(), 32, false, false, true, block.data());
    ComplexFFT(data.data(), 32, true, true, true, block.data());
    EXPECT_TRUE(SameBits(data, input));
    EXPECT_TRUE(SameBits(block, blockBefore));
    EXPECT_EQ(WorkBuffer, nullptr);
    FFTDone();  // an unbalanced extra request is harmless

    FFTInit();
    ComplexFFT(data.data(), 32, false, false, true);
    EXPECT_FALSE(SameBits(data, input));
}

TEST_F(EntryTest, InitAndDoneAreCounted) {
    FFTInit();  // second request: no new buffer
    const void* buffer = WorkBuffer;
    FFTInit();
    EXPECT_EQ(WorkBuffer, buffer);
    FFTDone();
    FFTDone();
    EXPECT_EQ(WorkBuffer, buffer) << "still one request open";

    const Buffer input = RandomBuffer(16, 12);
    Buffer data = input;
    ComplexFFT(data.data(), 16, false, false, true);
    EXPECT_FALSE(SameBits(data, input));
}

}  // namespace
}  // namespace fft_test
