// Filling a series the way the Draw action does (AppendValues into an empty series on a
// chart, and Clear then AppendValues on a full one), and the first MinY after it, each
// against the plainest code doing the same amount of storing or scanning: two fresh
// std::vector<double> for X and Y, and a std::minmax_element pass. Run with several sizes to see that the cost per point stays
// flat (linear time). Then points added one by one in rising, falling and shuffled X.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "chart/panel/Chart.h"
#include "chart/series/ChartSeries.h"

namespace {

using namespace chart;

std::vector<double> Hann(int n) {
  std::vector<double> v(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) v[static_cast<std::size_t>(i)] = 0.5 - 0.5 * std::cos(2 * M_PI * i / n);
  return v;
}

void BM_AppendValues(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<double> values = Hann(n);
  TChart chart;
  std::size_t bytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto s = std::make_unique<TChartSeries>();
    s->SetParentChart(&chart);
    state.ResumeTiming();
    s->AppendValues(values);
    benchmark::DoNotOptimize(s->Count());
    state.PauseTiming();
    bytes = s->AllocatedBytes();
    s.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * n);
  state.SetComplexityN(n);
  state.counters["bytes/point"] = static_cast<double>(bytes) / n;
}

// Replacing every point of a series on a chart: Clear, then AppendValues.
void BM_ReplaceValues(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<double> values = Hann(n);
  TChart chart;
  TChartSeries s;
  s.SetParentChart(&chart);
  s.AppendValues(values);
  for (auto _ : state) {
    s.Clear();
    s.AppendValues(values);
    benchmark::DoNotOptimize(s.Count());
  }
  state.SetItemsProcessed(state.iterations() * n);
  state.counters["bytes/point"] = static_cast<double>(s.AllocatedBytes()) / n;
}

// The peer: the two fresh vectors a series needs, X counting up and Y copied from the
// values, with nothing else.
void BM_AppendPlainVectors(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<double> values = Hann(n);
  for (auto _ : state) {
    std::vector<double> x(values.size());
    for (std::size_t i = 0; i < x.size(); ++i) x[i] = static_cast<double>(i);
    std::vector<double> y(values.begin(), values.end());
    benchmark::DoNotOptimize(x.data());
    benchmark::DoNotOptimize(y.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * n);
  state.SetComplexityN(n);
}

void BM_FirstMinYAfterAppend(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<double> values = Hann(n);
  TChartSeries s;
  s.AppendValues(values);
  for (auto _ : state) {
    state.PauseTiming();
    s.YValues().SetValue(0, values[0]);  // marks the statistics dirty, as an append does
    state.ResumeTiming();
    benchmark::DoNotOptimize(s.MinY());
  }
  state.SetItemsProcessed(state.iterations() * n);
  state.SetComplexityN(n);
}

void BM_MinMaxElementPeer(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<double> values = Hann(n);
  for (auto _ : state) {
    auto mm = std::minmax_element(values.begin(), values.end());
    benchmark::DoNotOptimize(mm);
  }
  state.SetItemsProcessed(state.iterations() * n);
  state.SetComplexityN(n);
}

void BM_CachedMinY(benchmark::State& state) {
  TChartSeries s;
  s.AppendValues(Hann(1 << 20));
  (void)s.MinY();
  for (auto _ : state) benchmark::DoNotOptimize(s.MinY());
}

// Points added one by one with AddPoint into an ascending series: rising X (each one is
// appended) against falling X (each one goes in at the front), and a shuffled X for
// comparison. Falling X must cost about what rising X costs.
enum class Arrival { Rising, Falling, Shuffled };

template <Arrival A>
void BM_AddPoints(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::vector<double> xs(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) xs[static_cast<std::size_t>(i)] = A == Arrival::Falling ? n - i : i;
  if (A == Arrival::Shuffled) {
    std::uint64_t r = 88172645463325252ull;  // xorshift: the same order every run
    for (std::size_t i = xs.size(); i > 1; --i) {
      r ^= r << 13, r ^= r >> 7, r ^= r << 17;
      std::swap(xs[i - 1], xs[r % i]);
    }
  }
  TChart chart;
  for (auto _ : state) {
    state.PauseTiming();
    auto s = std::make_unique<TChartSeries>();
    s->SetParentChart(&chart);
    state.ResumeTiming();
    for (double x : xs) s->AddPoint(x, x);
    benchmark::DoNotOptimize(s->Count());
    state.PauseTiming();
    s.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * n);
}

constexpr int kLo = 1 << 14;
constexpr int kHi = 1000000;

BENCHMARK(BM_AppendValues)->RangeMultiplier(8)->Range(kLo, kHi)->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReplaceValues)->Arg(kHi)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AppendPlainVectors)->RangeMultiplier(8)->Range(kLo, kHi)->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FirstMinYAfterAppend)->RangeMultiplier(8)->Range(kLo, kHi)->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MinMaxElementPeer)->RangeMultiplier(8)->Range(kLo, kHi)->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CachedMinY);
BENCHMARK(BM_AddPoints<Arrival::Rising>)->Arg(40000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddPoints<Arrival::Falling>)->Arg(40000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddPoints<Arrival::Shuffled>)->Arg(40000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
