// ComplexFFT against FFTW (double and single precision, in place, FFTW_MEASURE) and KissFFT,
// for every size from 2 to 65536, in one run, and the forward transform on each code path
// this processor has (portable, AVX2, AVX-512). Each benchmark reports the median of five
// repetitions; a table at the end gives, per size, the times and the ratios to FFTW and
// between the code paths, and a second one the RMS relative error of the engine and of FFTW
// in single precision against FFTW in double precision on the same inputs. The engine keeps
// float data but computes every butterfly in double, so FFTW's double transform is the peer
// that does the same arithmetic. The tables use CPU time, which on a shared machine is less
// disturbed by other processes than wall time; the paired benchmarks also give the ratio to
// FFTW double measured in alternation within one loop.
//
// All of them transform the same data with the same exponent sign (our forward is
// e^{+2 pi i}, FFTW's BACKWARD, KissFFT's inverse flag). Unscaled transforms grow the data by
// sqrt(N) per call, so every library's buffer is refilled from the source every eighth call;
// the copy is inside the timing for all of them alike and small next to a transform.

#include "fft/FFTInternal.h"
#include "fft/uFFTasm.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#ifdef HAVE_FFTW
#include <fftw3.h>
#endif
#ifdef HAVE_KISSFFT
#include <kiss_fft.h>
#endif

namespace {

using uFFTasm::TComplexSingle;

constexpr int RefillEvery = 8;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};

// 64-byte aligned buffer of n complex values (8 bytes each).
template <class T>
std::unique_ptr<T[], FreeDeleter> AlignedBuffer(int n) {
    const std::size_t bytes = (static_cast<std::size_t>(n) * sizeof(T) + 63) / 64 * 64;
    return std::unique_ptr<T[], FreeDeleter>(static_cast<T*>(std::aligned_alloc(64, bytes)));
}

const std::vector<TComplexSingle>& Source() {
    static const std::vector<TComplexSingle> source = [] {
        std::mt19937 rng(42);
        std::uniform_real_distribution<float> value(-1.0f, 1.0f);
        std::vector<TComplexSingle> s(65536);
        for (auto& c : s) c = {value(rng), value(rng)};
        return s;
    }();
    return source;
}

void Refill(void* data, int n) { std::memcpy(data, Source().data(), static_cast<std::size_t>(n) * 8); }

// The same values widened to double, for FFTW's double transform.
void RefillDouble(double* data, int n) {
    for (int k = 0; k < n; ++k) {
        data[2 * k] = Source()[static_cast<std::size_t>(k)].Re;
        data[2 * k + 1] = Source()[static_cast<std::size_t>(k)].Im;
    }
}

void SetItems(benchmark::State& state, int n) { state.SetItemsProcessed(state.iterations() * n); }

// One engine call per iteration on data refilled now and then, so values stay bounded.
void RunEngine(benchmark::State& state, bool inverse) {
    const int n = static_cast<int>(state.range(0));
    auto data = AlignedBuffer<TComplexSingle>(n);
    Refill(data.get(), n);
    int count = 0;
    for (auto _ : state) {
        if (++count == RefillEvery) {
            Refill(data.get(), n);
            count = 0;
        }
        uFFTasm::ComplexFFT(data.get(), n, inverse, inverse, true);
        benchmark::ClobberMemory();
    }
    SetItems(state, n);
}

void BM_uFFTasm_forward(benchmark::State& state) { RunEngine(state, false); }
void BM_uFFTasm_inverse(benchmark::State& state) { RunEngine(state, true); }

// The forward transform with reordering on one code path (the engine's own choice is restored
// afterwards).
void ForwardOnPath(benchmark::State& state, const uFFTasm::TCodePath* path) {
    uFFTasm::ForcePath(path);
    BM_uFFTasm_forward(state);
    uFFTasm::ForcePath(nullptr);
}

#ifdef HAVE_FFTW
void BM_FFTW_float(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    auto* data = static_cast<fftwf_complex*>(fftwf_malloc(sizeof(fftwf_complex) * static_cast<std::size_t>(n)));
    // Planning with FFTW_MEASURE overwrites the array, so fill it afterwards.
    fftwf_plan plan = fftwf_plan_dft_1d(n, data, data, FFTW_BACKWARD, FFTW_MEASURE);
    Refill(data, n);
    int count = 0;
    for (auto _ : state) {
        if (++count == RefillEvery) {
            Refill(data, n);
            count = 0;
        }
        fftwf_execute(plan);
        benchmark::ClobberMemory();
    }
    fftwf_destroy_plan(plan);
    fftwf_free(data);
    SetItems(state, n);
}

void BM_FFTW_double(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    auto* data = static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * static_cast<std::size_t>(n)));
    fftw_plan plan = fftw_plan_dft_1d(n, data, data, FFTW_BACKWARD, FFTW_MEASURE);
    RefillDouble(&data[0][0], n);
    int count = 0;
    for (auto _ : state) {
        if (++count == RefillEvery) {
            RefillDouble(&data[0][0], n);
            count = 0;
        }
        fftw_execute(plan);
        benchmark::ClobberMemory();
    }
    fftw_destroy_plan(plan);
    fftw_free(data);
    SetItems(state, n);
}

// The engine and FFTW double in alternation, a block of calls each (about 20 us), the order
// swapped every iteration: both see the same machine from moment to moment, which separate
// benchmarks on a shared machine do not. The counter `ratio` is the median over the blocks
// of engine time / FFTW time (below 1: the engine is faster).
void Paired(benchmark::State& state, bool inverse) {
    const int n = static_cast<int>(state.range(0));
    const int calls = std::max(1, 32768 / n);
    auto ours = AlignedBuffer<TComplexSingle>(n);
    auto* theirs = static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * static_cast<std::size_t>(n)));
    fftw_plan plan = fftw_plan_dft_1d(n, theirs, theirs, FFTW_BACKWARD, FFTW_MEASURE);
    Refill(ours.get(), n);
    RefillDouble(&theirs[0][0], n);
    auto engineBlock = [&] {
        for (int c = 0; c < calls; ++c) {
            if (c % RefillEvery == RefillEvery - 1) Refill(ours.get(), n);
            uFFTasm::ComplexFFT(ours.get(), n, inverse, inverse, true);
            benchmark::ClobberMemory();
        }
    };
    auto fftwBlock = [&] {
        for (int c = 0; c < calls; ++c) {
            if (c % RefillEvery == RefillEvery - 1) RefillDouble(&theirs[0][0], n);
            fftw_execute(plan);
            benchmark::ClobberMemory();
        }
    };
    auto timed = [](auto&& block) {
        const auto start = std::chrono::steady_clock::now();
        block();
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    std::vector<double> ratios;
    bool engineFirst = true;
    for (auto _ : state) {
        double engine = 0, peer = 0;
        if (engineFirst) {
            engine = timed(engineBlock);
            peer = timed(fftwBlock);
        } else {
            peer = timed(fftwBlock);
            engine = timed(engineBlock);
        }
        engineFirst = !engineFirst;
        ratios.push_back(engine / peer);
    }
    std::nth_element(ratios.begin(), ratios.begin() + static_cast<std::ptrdiff_t>(ratios.size() / 2), ratios.end());
    state.counters["ratio"] = ratios.empty() ? 0.0 : ratios[ratios.size() / 2];
    fftw_destroy_plan(plan);
    fftw_free(theirs);
}

void BM_Paired_forward(benchmark::State& state) { Paired(state, false); }
void BM_Paired_inverse(benchmark::State& state) { Paired(state, true); }

// RMS relative error against FFTW's double transform of the same float inputs: the root of
// sum |x - ref|^2 / sum |ref|^2 over all N outputs.
struct Accuracy {
    double forward = 0;   // engine, forward with reordering
    double inverse = 0;   // engine, inverse with scaling and reordering
    double fftwFloat = 0; // FFTW in single precision, same direction as the engine's forward
};

double RmsRelative(const std::vector<std::complex<double>>& ref, const float* values, int n) {
    double num = 0, den = 0;
    for (int k = 0; k < n; ++k) {
        const std::complex<double> v(values[2 * k], values[2 * k + 1]);
        num += std::norm(v - ref[static_cast<std::size_t>(k)]);
        den += std::norm(ref[static_cast<std::size_t>(k)]);
    }
    return std::sqrt(num / den);
}

Accuracy MeasureAccuracy(int n) {
    std::vector<std::complex<double>> ref(static_cast<std::size_t>(n));
    auto* refData = reinterpret_cast<fftw_complex*>(ref.data());
    Accuracy result;
    for (int sign : {FFTW_BACKWARD, FFTW_FORWARD}) {
        RefillDouble(&refData[0][0], n);
        fftw_plan plan = fftw_plan_dft_1d(n, refData, refData, sign, FFTW_ESTIMATE);
        fftw_execute(plan);
        fftw_destroy_plan(plan);
        std::vector<TComplexSingle> ours(Source().begin(), Source().begin() + n);
        if (sign == FFTW_BACKWARD) {
            uFFTasm::ComplexFFT(ours.data(), n, false, false, true);
            result.forward = RmsRelative(ref, &ours[0].Re, n);
            std::vector<TComplexSingle> theirs(Source().begin(), Source().begin() + n);
            auto* f = reinterpret_cast<fftwf_complex*>(theirs.data());
            fftwf_plan fplan = fftwf_plan_dft_1d(n, f, f, FFTW_BACKWARD, FFTW_ESTIMATE);
            Refill(f, n);
            fftwf_execute(fplan);
            fftwf_destroy_plan(fplan);
            result.fftwFloat = RmsRelative(ref, &theirs[0].Re, n);
        } else {
            for (auto& r : ref) r /= n;
            uFFTasm::ComplexFFT(ours.data(), n, true, true, true);
            result.inverse = RmsRelative(ref, &ours[0].Re, n);
        }
    }
    return result;
}
#endif

#ifdef HAVE_KISSFFT
// KissFFT works out of place (in place it allocates a temporary on every call), so the two
// buffers take turns.
void BM_KissFFT(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    kiss_fft_cfg cfg = kiss_fft_alloc(n, 1, nullptr, nullptr);
    auto a = AlignedBuffer<kiss_fft_cpx>(n);
    auto b = AlignedBuffer<kiss_fft_cpx>(n);
    Refill(a.get(), n);
    kiss_fft_cpx* in = a.get();
    kiss_fft_cpx* out = b.get();
    int count = 0;
    for (auto _ : state) {
        if (++count == RefillEvery) {
            Refill(in, n);
            count = 0;
        }
        kiss_fft(cfg, in, out);
        std::swap(in, out);
        benchmark::ClobberMemory();
    }
    kiss_fft_free(cfg);
    SetItems(state, n);
}
#endif

// Collects each benchmark's median and prints the comparison table when the run ends.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (!median && !single) continue;
            const int n = std::atoi(run.run_name.args.c_str());
            const auto ratio = run.counters.find("ratio");
            times_[n][run.run_name.function_name] = ratio != run.counters.end() ? ratio->second.value : run.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nMedian CPU time per transform (ns); ratios below 1 mean uFFTasm is faster.\n");
        std::printf("The paired columns alternate the engine and FFTW double in one loop (median block ratio).\n");
        std::printf("%7s %11s %12s %11s %11s %11s %9s %9s %9s %9s %9s %9s\n", "N", "fwd+reord", "inv+sc+reord",
                    "FFTW dbl", "FFTW flt", "KissFFT", "fwd/dbl", "inv/dbl", "paired f", "paired i", "fwd/flt",
                    "Kiss/fwd");
        for (const auto& [n, t] : times_) {
            const double fwd = Get(t, "BM_uFFTasm_forward"), inv = Get(t, "BM_uFFTasm_inverse");
            const double dbl = Get(t, "BM_FFTW_double"), flt = Get(t, "BM_FFTW_float"), kiss = Get(t, "BM_KissFFT");
            const double pairedFwd = Get(t, "BM_Paired_forward"), pairedInv = Get(t, "BM_Paired_inverse");
            // A run of the paired benchmarks alone still gets its rows.
            if (fwd == 0 && inv == 0 && pairedFwd == 0 && pairedInv == 0) continue;
            std::printf("%7d %11.1f %12.1f %11.1f %11.1f %11.1f %9.3f %9.3f %9.3f %9.3f %9.3f %9.2f\n", n, fwd, inv, dbl,
                        flt, kiss, Ratio(fwd, dbl), Ratio(inv, dbl), pairedFwd, pairedInv, Ratio(fwd, flt),
                        Ratio(kiss, fwd));
        }
        std::printf("\nForward with reordering per code path (ns; 0: not available or not run).\n");
        std::printf("%7s %12s %12s %12s %12s %12s\n", "N", "portable", "AVX2", "AVX-512", "AVX2/port", "AVX-512/AVX2");
        for (const auto& [n, t] : times_) {
            const double portable = Get(t, "BM_uFFTasm_forward_portable"), avx2 = Get(t, "BM_uFFTasm_forward_avx2");
            const double avx512 = Get(t, "BM_uFFTasm_forward_avx512");
            if (portable == 0 && avx2 == 0 && avx512 == 0) continue;
            std::printf("%7d %12.1f %12.1f %12.1f %12.2f %12.2f\n", n, portable, avx2, avx512, Ratio(avx2, portable),
                        Ratio(avx512, avx2));
        }
#ifdef HAVE_FFTW
        std::printf("\nRMS relative error against FFTW double on the same inputs (values in [-1, 1]).\n");
        std::printf("%7s %14s %14s %14s\n", "N", "uFFTasm fwd", "uFFTasm inv", "FFTW float");
        for (const auto& [n, t] : times_) {
            const Accuracy a = MeasureAccuracy(n);
            std::printf("%7d %14.3e %14.3e %14.3e\n", n, a.forward, a.inverse, a.fftwFloat);
        }
#endif
        std::fflush(stdout);
    }

private:
    static double Ratio(double a, double b) { return b > 0 ? a / b : 0.0; }
    static double Get(const std::map<std::string, double>& t, const std::string& name) {
        const auto it = t.find(name);
        return it == t.end() ? 0.0 : it->second;
    }
    std::map<int, std::map<std::string, double>> times_;
};

void RegisterAll() {
    for (int n = 2; n <= 65536; n *= 2) {
        std::vector<benchmark::internal::Benchmark*> group;
#ifdef HAVE_FFTW
        group.push_back(benchmark::RegisterBenchmark("BM_FFTW_double", BM_FFTW_double));
        group.push_back(benchmark::RegisterBenchmark("BM_FFTW_float", BM_FFTW_float));
        group.push_back(benchmark::RegisterBenchmark("BM_Paired_forward", BM_Paired_forward));
        group.push_back(benchmark::RegisterBenchmark("BM_Paired_inverse", BM_Paired_inverse));
#endif
        group.push_back(benchmark::RegisterBenchmark("BM_uFFTasm_forward", BM_uFFTasm_forward));
        group.push_back(benchmark::RegisterBenchmark("BM_uFFTasm_inverse", BM_uFFTasm_inverse));
#ifdef HAVE_KISSFFT
        group.push_back(benchmark::RegisterBenchmark("BM_KissFFT", BM_KissFFT));
#endif
        group.push_back(benchmark::RegisterBenchmark("BM_uFFTasm_forward_portable", ForwardOnPath, &uFFTasm::PortablePath()));
        if (const auto* avx2 = uFFTasm::Avx2PathIfSupported()) {
            group.push_back(benchmark::RegisterBenchmark("BM_uFFTasm_forward_avx2", ForwardOnPath, avx2));
        }
        if (const auto* avx512 = uFFTasm::Avx512PathIfSupported()) {
            group.push_back(benchmark::RegisterBenchmark("BM_uFFTasm_forward_avx512", ForwardOnPath, avx512));
        }
        for (auto* b : group) {
            b->Arg(n)->Unit(benchmark::kNanosecond)->Repetitions(5)->ReportAggregatesOnly(true);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    uFFTasm::FFTInit();
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    uFFTasm::FFTDone();
    return 0;
}
