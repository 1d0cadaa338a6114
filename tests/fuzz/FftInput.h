// One FFT fuzz input: a ComplexFFT call with any length, flags, work block and data.
// Checks that nothing outside the buffer and the work window is written, that an
// unsupported length leaves everything bit for bit as it was, and that the vector and the
// portable code give the same bits. Aborts on a broken invariant; returns 0 otherwise.
#pragma once

#include <cstddef>
#include <cstdint>

namespace fuzz {

int RunFftInput(const std::uint8_t* data, std::size_t size);

}  // namespace fuzz
