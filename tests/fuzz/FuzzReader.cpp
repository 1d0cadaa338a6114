#include "fuzz/FuzzReader.h"

#include <array>
#include <bit>
#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>

namespace fuzz {

namespace {

constexpr std::array<int, 24> SpecialInts = {
    0, 1, -1, 2, 3, 10, 100, 359, 360, -360, 1000, 65535, 65536, 1000000, 50000000, 1000000000,
    -1000000000, INT_MAX, INT_MIN, INT_MAX - 1, INT_MIN + 1, INT_MAX / 2, INT_MIN / 2, 32767};

constexpr double Inf = std::numeric_limits<double>::infinity();
const std::array<double, 32> SpecialDoubles = {
    0.0, -0.0, 1.0, -1.0, 0.5, std::numeric_limits<double>::quiet_NaN(), Inf, -Inf,
    1e308, -1e308, DBL_MAX, -DBL_MAX, DBL_MIN, std::numeric_limits<double>::denorm_min(),
    -std::numeric_limits<double>::denorm_min(), 1e-300, 1e300, 1e306, 5e305, 1e17,
    2147483647.0, 2147483648.0, -2147483649.0, 1e10, 3e7, 36526.5, 0.1, 100.0, 1e-12,
    1000.0, -1e6, 9007199254740993.0};

const std::array<float, 16> SpecialFloats = {
    0.0f, -0.0f, 1.0f, -1.0f, std::numeric_limits<float>::quiet_NaN(),
    -std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::signaling_NaN(),
    std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(), FLT_MAX,
    -FLT_MAX, FLT_MIN, std::numeric_limits<float>::denorm_min(),
    -std::numeric_limits<float>::denorm_min(), 1e30f, 1e-30f};

// Pieces of text: plain, line breaks of both kinds, Cyrillic, CJK, an emoji, and bytes
// that are no valid UTF-8 (a lone continuation, a truncated sequence, 0xFF, NUL).
const std::array<std::string_view, 20> TextPieces = {
    "A", "label", " ", "0", "\r", "\n", "\r\n", "\t", "\xD0\x9D\xD0\xB0\xD1\x80\xD0\xB8\xD1\x81",
    "\xE6\x97\xA5\xE6\x9C\xAC", "\xF0\x9F\x98\x80", "\x80", "\xE6\x97", "\xFF", std::string_view("\0", 1),
    "%d", "%s", "W", "...", "\xC3\xA9"};

const std::array<std::string_view, 28> FormatPieces = {
    "#", "0", ",", ".", "E+", "E-", "e+", "%", ";", "'x'", "\"q\"", "\\", "dd", "mm", "yyyy",
    "hh", "nn", "ss", "am/pm", "ddd", "dddd", "mmmm", "c", "/", ":", " ", "z", "##0.###"};

}  // namespace

int TReader::Int() {
  const std::uint8_t sel = Byte();
  if (sel < 96) return SpecialInts[sel % SpecialInts.size()];
  if (sel < 224) return static_cast<int>(sel) - 160;  // -64 .. 63
  return static_cast<int>(U32());
}

int TReader::Size(int max) {
  const std::uint8_t sel = Byte();
  if (sel < 200) return std::min<int>(max, sel + (sel >= 150 ? Byte() : 0));
  return static_cast<int>(U32() % (static_cast<std::uint32_t>(max) + 1));
}

double TReader::Double() {
  const std::uint8_t sel = Byte();
  if (sel < 96) return SpecialDoubles[sel % SpecialDoubles.size()];
  if (sel < 200) return static_cast<double>(static_cast<std::int8_t>(Byte())) / 4.0;
  if (sel < 230) return static_cast<double>(static_cast<std::int16_t>(U16())) * 1000.0;
  return std::bit_cast<double>(U64());
}

float TReader::Float() {
  const std::uint8_t sel = Byte();
  if (sel < 64) return SpecialFloats[sel % SpecialFloats.size()];
  if (sel < 192) return static_cast<float>(static_cast<std::int8_t>(Byte())) / 8.0f;
  return std::bit_cast<float>(U32());
}

std::string TReader::Text(std::size_t maxBytes) {
  std::string out;
  const int pieces = Size(400);
  for (int i = 0; i < pieces && out.size() < maxBytes; ++i) {
    const std::uint8_t sel = Byte();
    if (sel < 200) {
      out += TextPieces[sel % TextPieces.size()];
    } else {
      // A long run of one character: titles and labels wider than any chart.
      out.append(std::min<std::size_t>(maxBytes - out.size(), static_cast<std::size_t>(Byte()) * 40), 'M');
    }
  }
  if (out.size() > maxBytes) out.resize(maxBytes);
  return out;
}

std::string TReader::Format() {
  std::string out;
  const int pieces = Byte() % 12;
  for (int i = 0; i < pieces; ++i) out += FormatPieces[Byte() % FormatPieces.size()];
  return out;
}

}  // namespace fuzz
