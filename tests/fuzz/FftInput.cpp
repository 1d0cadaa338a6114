#include "fuzz/FftInput.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "fft/FFTInternal.h"
#include "fft/uFFTasm.h"
#include "fuzz/FuzzReader.h"

namespace fuzz {

namespace {

using uFFTasm::TComplexSingle;

constexpr std::size_t Guard = 16;          // entries of pattern on each side of a block
constexpr std::size_t MaxN = 65536;
constexpr std::uint8_t Pattern = 0xA5;

// A caller's work block with guard zones. The engine keeps using the last block it was given,
// so the block lives as long as the process; each call may only write the N entries of the
// window it was handed (or last handed).
struct TWorkBlock {
  std::vector<TComplexSingle> Storage = std::vector<TComplexSingle>(MaxN + 2 * Guard);
  TComplexSingle* Begin() { return Storage.data() + Guard; }
};

TWorkBlock& Work() {
  static TWorkBlock block;
  return block;
}
// A block only ever offered with an unsupported N: the engine must never take it over, so it
// must keep its pattern for the whole run.
TWorkBlock& Decoy() {
  static TWorkBlock block = [] {
    TWorkBlock b;
    std::memset(b.Storage.data(), Pattern, b.Storage.size() * sizeof(TComplexSingle));
    return b;
  }();
  return block;
}

// The window of the caller's block the engine reorders through: null while it uses its own.
TComplexSingle* WorkWindow = nullptr;
std::size_t WorkCapacity = MaxN;

bool Supported(std::int32_t n) { return n >= 2 && n <= static_cast<std::int32_t>(MaxN) && (n & (n - 1)) == 0; }

// memcmp against a block of pattern: a byte loop here would cost more than the transforms.
bool AllPattern(const void* p, std::size_t bytes) {
  static const std::vector<std::uint8_t> pattern(1 << 16, Pattern);
  const auto* b = static_cast<const std::uint8_t*>(p);
  for (std::size_t done = 0; done < bytes; done += pattern.size())
    if (std::memcmp(b + done, pattern.data(), std::min(pattern.size(), bytes - done)) != 0) return false;
  return true;
}

// Equal bits, except that any NaN matches any NaN: the vector units and the double-precision
// reference may carry a different NaN payload.
bool SameResult(const std::vector<TComplexSingle>& a, const std::vector<TComplexSingle>& b) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (const auto& [x, y] : {std::pair{a[i].Re, b[i].Re}, std::pair{a[i].Im, b[i].Im}}) {
      if (std::isnan(x) && std::isnan(y)) continue;
      if (std::memcmp(&x, &y, sizeof x) != 0) return false;
    }
  }
  return true;
}

struct TCall {
  std::int32_t N = 0;
  bool Inverse = false, Scale = false, Reorder = false;
  bool PassWork = false;  // hand the engine a window of the caller's block
};

// Runs one call on `data` (N entries between guards) and checks the guards and the work block.
void CheckedCall(const TCall& call, std::vector<TComplexSingle>& data) {
  const std::size_t n = data.size() - 2 * Guard;
  TWorkBlock& work = Work();
  void* workBuf = nullptr;
  if (call.PassWork) {
    // Tight against the trailing guard, so a reordering past 8*N bytes shows. The engine
    // takes the block over only when it reorders.
    workBuf = work.Begin() + (MaxN - n);
    if (call.Reorder) {
      WorkWindow = static_cast<TComplexSingle*>(workBuf);
      WorkCapacity = n;
    }
  }
  // Everything of the block outside the window in use is pattern before the call.
  std::memset(work.Storage.data(), Pattern, work.Storage.size() * sizeof(TComplexSingle));
  uFFTasm::ComplexFFT(data.data() + Guard, call.N, call.Inverse, call.Scale, call.Reorder, workBuf);
  if (!AllPattern(data.data(), Guard * sizeof(TComplexSingle)) ||
      !AllPattern(data.data() + Guard + n, Guard * sizeof(TComplexSingle)))
    Fail("ComplexFFT wrote outside the buffer, N=" + std::to_string(call.N));
  const TComplexSingle* used = WorkWindow != nullptr && call.Reorder ? WorkWindow : nullptr;
  const std::size_t usedBegin = used ? static_cast<std::size_t>(used - work.Storage.data()) : work.Storage.size();
  const std::size_t usedEnd = used ? usedBegin + n : work.Storage.size();
  if (!AllPattern(work.Storage.data(), usedBegin * sizeof(TComplexSingle)) ||
      !AllPattern(work.Storage.data() + usedEnd, (work.Storage.size() - usedEnd) * sizeof(TComplexSingle)))
    Fail("ComplexFFT wrote outside its work window, N=" + std::to_string(call.N));
}

// The portable path first: its result is the reference the vector paths must match.
void RunSupported(TCall call, const std::vector<TComplexSingle>& input) {
  const std::size_t n = static_cast<std::size_t>(call.N);
  // A window too small for this N would break the caller's side of the contract.
  if (WorkWindow != nullptr && call.Reorder && WorkCapacity < n) call.PassWork = true;

  const uFFTasm::TCodePath* paths[] = {&uFFTasm::PortablePath(), uFFTasm::Avx2PathIfSupported(),
                                       uFFTasm::Avx512PathIfSupported()};
  std::vector<TComplexSingle> reference;
  for (const uFFTasm::TCodePath* path : paths) {
    if (path == nullptr) continue;
    uFFTasm::ForcePath(path);
    std::vector<TComplexSingle> data = input;
    CheckedCall(call, data);
    call.PassWork = false;  // later paths reorder through the same window
    if (reference.empty()) reference = std::move(data);
    else if (!SameResult(reference, data))
      Fail("code paths disagree, N=" + std::to_string(call.N) + " inverse=" + std::to_string(call.Inverse));
  }
  uFFTasm::ForcePath(nullptr);
}

void RunUnsupported(TReader& in, const TCall& call) {
  // Nothing may be read, so a null buffer is fair.
  const bool nullData = in.Bool();
  const std::size_t n = std::min<std::size_t>(call.N > 0 ? static_cast<std::size_t>(call.N) : 8, 2 * MaxN);
  std::vector<TComplexSingle> data(n);
  for (std::size_t i = 0; i < n; ++i) data[i] = {static_cast<float>(i), -static_cast<float>(i)};
  const std::vector<TComplexSingle> before = data;
  std::memset(Work().Storage.data(), Pattern, Work().Storage.size() * sizeof(TComplexSingle));
  uFFTasm::ComplexFFT(nullData ? nullptr : data.data(), call.N, call.Inverse, call.Scale, call.Reorder,
                      call.PassWork ? Decoy().Begin() : nullptr);
  if (std::memcmp(before.data(), data.data(), n * sizeof(TComplexSingle)) != 0)
    Fail("an unsupported N changed the buffer, N=" + std::to_string(call.N));
  if (!AllPattern(Work().Storage.data(), Work().Storage.size() * sizeof(TComplexSingle)))
    Fail("an unsupported N touched the work block, N=" + std::to_string(call.N));
}

}  // namespace

int RunFftInput(const std::uint8_t* bytes, std::size_t size) {
  static const bool initialised = (uFFTasm::FFTInit(), true);
  (void)initialised;
  TReader in(bytes, size);

  TCall call;
  const std::uint8_t sel = in.Byte();
  if (sel < 220) call.N = std::int32_t{1} << (sel % 17);  // 1 .. 65536, mostly supported
  else call.N = static_cast<std::int32_t>(in.U32());
  const std::uint8_t flags = in.Byte();
  call.Inverse = flags & 1;
  call.Scale = flags & 2;
  call.Reorder = flags & 4;
  call.PassWork = flags & 8;
  // Now and then the engine is finalised: a call then does nothing, like an unsupported N,
  // and initialising again brings back the engine's own block.
  if (flags & 0x80 && (flags & 0x40)) {
    uFFTasm::FFTDone();
    std::vector<TComplexSingle> data(8, TComplexSingle{1.0f, 2.0f});
    const std::vector<TComplexSingle> before = data;
    uFFTasm::ComplexFFT(data.data(), 8, call.Inverse, call.Scale, call.Reorder, nullptr);
    if (std::memcmp(before.data(), data.data(), sizeof(TComplexSingle) * 8) != 0)
      Fail("a call after FFTDone changed the buffer");
    uFFTasm::FFTInit();
    WorkWindow = nullptr;
    WorkCapacity = MaxN;
  }

  if (!Supported(call.N)) {
    RunUnsupported(in, call);
  } else {
    const std::size_t n = static_cast<std::size_t>(call.N);
    std::vector<TComplexSingle> input(n + 2 * Guard);
    std::memset(input.data(), Pattern, input.size() * sizeof(TComplexSingle));
    // Data from the input while it lasts, then a fixed sequence, so that large N stay cheap
    // to reach without losing their contents.
    std::uint32_t state = static_cast<std::uint32_t>(size) * 2654435761u + 1;
    for (std::size_t i = 0; i < n; ++i) {
      TComplexSingle& v = input[Guard + i];
      if (!in.Empty()) {
        v = {in.Float(), in.Float()};
      } else {
        state ^= state << 13, state ^= state >> 17, state ^= state << 5;
        v = {static_cast<float>(static_cast<std::int32_t>(state)) * 4.6566e-10f,
             static_cast<float>(static_cast<std::int32_t>(state * 31u)) * 4.6566e-10f};
      }
    }
    RunSupported(call, input);
  }
  if (!AllPattern(Decoy().Storage.data(), Decoy().Storage.size() * sizeof(TComplexSingle)))
    Fail("the engine took over a work block offered with an unsupported N");
  return 0;
}

}  // namespace fuzz
