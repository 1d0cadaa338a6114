#include "chart/canvas/ColumnScan.h"

#include <algorithm>

#if defined(__GNUC__) && defined(__x86_64__)
#define CHART_AVX2_COLUMNS 1
#include <immintrin.h>
#endif

namespace chart {

namespace {

#if defined(CHART_AVX2_COLUMNS)
// Four points per step: all four in the column (X in the even lanes), then the lanes'
// minima and maxima, whose odd lanes are the rows'.
__attribute__((target("avx2"))) int ScanColumnAvx2(const TPoint* p, int from, int size, int x, int& low, int& high) {
  const __m256i columns = _mm256_set1_epi32(x);
  __m256i lo = _mm256_set1_epi32(low), hi = _mm256_set1_epi32(high);
  int end = from;
  for (; end + 4 <= size; end += 4) {
    const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + end));
    const int same = _mm256_movemask_ps(_mm256_castsi256_ps(_mm256_cmpeq_epi32(v, columns)));
    if ((same & 0x55) != 0x55) break;
    lo = _mm256_min_epi32(lo, v);
    hi = _mm256_max_epi32(hi, v);
  }
  alignas(32) int l[8], h[8];
  _mm256_store_si256(reinterpret_cast<__m256i*>(l), lo);
  _mm256_store_si256(reinterpret_cast<__m256i*>(h), hi);
  low = std::min(std::min(l[1], l[3]), std::min(l[5], l[7]));
  high = std::max(std::max(h[1], h[3]), std::max(h[5], h[7]));
  return end;
}
#endif

}  // namespace

int ScanColumn(const TPoint* p, int from, int size, int x, int& low, int& high) {
  int end = from;
#if defined(CHART_AVX2_COLUMNS)
  static const bool avx2 = __builtin_cpu_supports("avx2");
  if (avx2) end = ScanColumnAvx2(p, from, size, x, low, high);
#endif
  for (; end < size && p[end].X == x; ++end) {
    low = std::min(low, p[end].Y);
    high = std::max(high, p[end].Y);
  }
  return end;
}

}  // namespace chart
