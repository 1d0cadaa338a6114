// libFuzzer entry (and corpus replay entry) for the FFT engine.
#include <cstddef>
#include <cstdint>

#include "fuzz/FftInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzz::RunFftInput(data, size);
}
