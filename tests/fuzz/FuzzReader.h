// Turns fuzz input bytes into call arguments. Past the end every read gives zero, so any
// input decodes to a complete call sequence. The pickers favour the values where faults
// hide (limits, NaN, infinities, denormals, int boundaries) over uniform raw bits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace fuzz {

// A broken invariant: report it and stop, so that libFuzzer and the corpus replay both
// see a crash.
[[noreturn]] inline void Fail(std::string_view what) {
  std::fprintf(stderr, "fuzz invariant broken: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

class TReader {
 public:
  TReader(const std::uint8_t* data, std::size_t size) : FData(data), FSize(size) {}

  bool Empty() const { return FPos >= FSize; }
  std::size_t Remaining() const { return Empty() ? 0 : FSize - FPos; }

  std::uint8_t Byte() { return Empty() ? 0 : FData[FPos++]; }
  bool Bool() { return (Byte() & 1) != 0; }
  // Little-endian; each read is its own statement so that every compiler decodes alike.
  std::uint16_t U16() {
    const unsigned lo = Byte();
    return static_cast<std::uint16_t>(lo | (Byte() << 8));
  }
  std::uint32_t U32() {
    const std::uint32_t lo = U16();
    return lo | (static_cast<std::uint32_t>(U16()) << 16);
  }
  std::uint64_t U64() {
    const std::uint64_t lo = U32();
    return lo | (static_cast<std::uint64_t>(U32()) << 32);
  }
  // 0 .. n-1 (n > 0).
  unsigned Below(unsigned n) { return n <= 256 ? Byte() % n : U32() % n; }

  // Any int, mostly the ones that break arithmetic.
  int Int();
  // A small count or size: mostly 0 .. 300, now and then up to `max`.
  int Size(int max);
  double Double();
  float Float();
  // Text of up to `maxBytes` bytes: ASCII, line breaks, multi-byte and broken UTF-8.
  std::string Text(std::size_t maxBytes);
  // A number or date format built from the tokens formats are made of.
  std::string Format();

 private:
  const std::uint8_t* FData;
  std::size_t FSize;
  std::size_t FPos = 0;
};

}  // namespace fuzz
