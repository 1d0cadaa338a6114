// The entry point, the steps around the kernels (scaling, reordering) and the module's
// lifecycle.

#include "fft/FFTInternal.h"

#include <bit>
#include <cstring>
#include <memory>

namespace uFFTasm {

void* WorkBuffer = nullptr;
// Null until FFTInit: constant-initialised, so an FFTInit run from another file's static
// initialiser is never undone by this file's own initialisation.
const TCodePath* CurrentPath = nullptr;

namespace {

int InitCount = 0;
std::unique_ptr<TComplexSingle[]> OwnWorkBuffer;
const TCodePath* ForcedPath = nullptr;

// log2(n) for the sixteen supported sizes, -1 for anything else. (n & (n - 1)) rather than
// std::has_single_bit, which without the popcount instruction is a library call on every
// transform.
int SupportedLog2(std::int32_t n) {
    if (n < 2 || n > MaxSize || (n & (n - 1)) != 0) return -1;
    return std::countr_zero(static_cast<std::uint32_t>(n));
}

// A caller's block replaces the work buffer from now on.
TComplexSingle* TakeWorkBuffer(void* workBuf) {
    if (workBuf != nullptr) WorkBuffer = workBuf;
    return static_cast<TComplexSingle*>(WorkBuffer);
}

// A caller may look at its block after a call, so it must hold what the reordering leaves
// there; the engine's own block is scratch that nobody else sees.
bool CallersBlock(const TComplexSingle* work) { return work != OwnWorkBuffer.get(); }

const TCodePath* ChoosePath() {
    if (ForcedPath != nullptr) return ForcedPath;
    const TCodePath* vector = VectorPath();
    return vector != nullptr ? vector : &PortablePath();
}

}  // namespace

namespace portable {

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
    const double f = factor;
    for (int k = 0; k < n; ++k) {
        data[k].Re = static_cast<float>(data[k].Re * f);
        data[k].Im = static_cast<float>(data[k].Im * f);
    }
}

}  // namespace portable

const TCodePath& PortablePath() {
    static const TCodePath path{portable::ForwardKernels(), portable::InverseKernels(), portable::Permute,
                                portable::Scale,   ForwardPass,  ForwardPassLarge,  InversePass,
                                InversePassLarge};
    return path;
}

const TCodePath* Avx2PathIfSupported() {
#if defined(__x86_64__) || defined(__i386__)
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma")) return &Avx2Path();
#endif
    return nullptr;
}

const TCodePath* Avx512PathIfSupported() {
#if defined(__x86_64__) || defined(__i386__)
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx2") &&
        __builtin_cpu_supports("fma")) {
        return &Avx512Path();
    }
#endif
    return nullptr;
}

const TCodePath* VectorPath() {
    if (const TCodePath* path = Avx512PathIfSupported()) return path;
    return Avx2PathIfSupported();
}

void ForcePath(const TCodePath* path) {
    ForcedPath = path;
    if (InitCount > 0) CurrentPath = ChoosePath();
}

void ForcePortablePath(bool force) { ForcePath(force ? &PortablePath() : nullptr); }

bool UsingVectorPath() { return CurrentPath != nullptr && CurrentPath != &PortablePath(); }

void ScaleComplex(TComplexSingle* data, int n, float factor) { CurrentPath->Scale(data, n, factor); }

void ReorderComplex(TComplexSingle* data, int n, const std::uint16_t* table, TDirection direction,
                    void* workBuf) {
    CurrentPath->Permute(data, n, table, direction, TakeWorkBuffer(workBuf));
}

void ComplexFFT(TComplexSingle* Data, std::int32_t N, bool Inverse, bool Scale, bool Reorder,
                void* WorkBuf) {
    const int log2n = SupportedLog2(N);
    if (log2n < 0 || InitCount == 0) return;
    const std::size_t slot = 2 * static_cast<std::size_t>(log2n - 1);
    const std::uint16_t* table = OrderTable[static_cast<std::size_t>(log2n)].data();
    // 1/N is a power of two, 2^-log2n, so the scaling itself never rounds (short of underflow).
    const float factor = std::bit_cast<float>(static_cast<std::uint32_t>(127 - log2n) << 23);
    const TReorderKernels& reordering = CurrentPath->Reordering;
    const auto at = static_cast<std::size_t>(log2n);
    if (!Inverse) {
        const TNaturalForward natural = reordering.ForwardNatural[at];
        const TWorkKernel toWork = reordering.ForwardToWork[at];
        if (Reorder && (natural != nullptr || toWork != nullptr)) {
            TComplexSingle* work = TakeWorkBuffer(WorkBuf);
            const bool keep = CallersBlock(work);
            if (natural != nullptr && (!keep || toWork == nullptr)) {
                natural(Data, work, keep);
            } else {
                toWork(Data, work);
                CurrentPath->Gather(Data, N, table, work);
            }
            return;
        }
        KernelTable[slot](Data);
        if (Reorder) ReorderComplex(Data, N, table, TDirection::Forward, WorkBuf);
        return;
    }
    if (Reorder && reordering.InverseNatural[at] != nullptr) {
        TComplexSingle* work = TakeWorkBuffer(WorkBuf);
        reordering.InverseNatural[at](Data, work, Scale, factor, CallersBlock(work));
        return;
    }
    if (Reorder && reordering.InverseFromWork[at] != nullptr) {
        TComplexSingle* work = TakeWorkBuffer(WorkBuf);
        CurrentPath->CopyScaled(Data, N, Scale, factor, work);
        reordering.InverseFromWork[at](Data, work);
        return;
    }
    if (Scale) ScaleComplex(Data, N, factor);
    if (Reorder) ReorderComplex(Data, N, table, TDirection::Inverse, WorkBuf);
    KernelTable[slot + 1](Data);
}

void FFTInit() {
    if (InitCount > 0) {
        ++InitCount;
        return;
    }
    BuildOrderTables();
    BuildTwiddleTables();
    InitKernelTable();
    OwnWorkBuffer = std::make_unique<TComplexSingle[]>(MaxSize);  // value-initialised: zeros
    WorkBuffer = OwnWorkBuffer.get();
    CurrentPath = ChoosePath();
    InitCount = 1;
}

void FFTDone() {
    if (InitCount == 0 || --InitCount > 0) return;
    WorkBuffer = nullptr;
    OwnWorkBuffer.reset();
}

}  // namespace uFFTasm
