// Recalculating function series: an average by groups of 10 over 1,000,000 points against
// one plain pass summing the same values (the floor: the function must read every value
// once), and a chain of three functions rebuilt after one change of its source.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "chart/functions/StandardFunctions.h"
#include "chart/panel/Chart.h"
#include "chart/seriestypes/LineSeries.h"

namespace {

using namespace chart;

std::vector<double> Wave(int n) {
  std::vector<double> v(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) v[static_cast<std::size_t>(i)] = std::sin(i * 0.001) + 0.1 * std::sin(i * 1.3);
  return v;
}

std::unique_ptr<TZelFunction> AverageBy(double period) {
  auto f = std::make_unique<TAverageZelFunction>();
  f->SetPeriod(period);
  return f;
}

// The floor: one pass adding every value, as a function must at least read them.
void BM_SumPass(benchmark::State& state) {
  const std::vector<double> values = Wave(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    double sum = 0;
    for (double v : values) sum += v;
    benchmark::DoNotOptimize(sum);
  }
}

void BM_AverageByTen(benchmark::State& state) {
  TChart chart;
  TLineSeries source, average;
  source.SetParentChart(&chart);
  average.SetParentChart(&chart);
  source.AppendValues(Wave(static_cast<int>(state.range(0))));
  average.SetFunction(AverageBy(10));
  average.SetDataSource(&source);
  for (auto _ : state) {
    average.CheckDataSource();
    benchmark::DoNotOptimize(average.YValues().Data());
  }
  state.counters["points"] = average.Count();
}

// A -> B -> C -> D, three averages: one value of A changes, and every link is rebuilt once.
void BM_ChainAfterOneChange(benchmark::State& state) {
  TChart chart;
  TLineSeries s[4];
  for (auto& series : s) series.SetParentChart(&chart);
  s[0].AppendValues(Wave(static_cast<int>(state.range(0))));
  for (int k = 1; k < 4; ++k) {
    s[k].SetFunction(AverageBy(k == 1 ? 10 : 2));
    s[k].SetDataSource(&s[k - 1]);
  }
  double v = 0;
  for (auto _ : state) {
    s[0].YValues().SetValue(0, v += 1);
    benchmark::DoNotOptimize(s[3].YValues().Data());
  }
  state.counters["last"] = s[3].Count();
}

BENCHMARK(BM_SumPass)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AverageByTen)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChainAfterOneChange)->Arg(1000000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
