// The heavy run (HeavyRun.h) by sectoring mode and layout on the sample bank, and on banks of 1, 4 and
// 16 times the sample (every question repeated within its verse).
#include <benchmark/benchmark.h>

#include "HeavyRun.h"

using namespace tess;
using namespace tess::bench;

namespace {

void BM_HeavyRun(benchmark::State& state, char sectoring, char layout, int times) {
    HeavyWorkspace w(sectoring, layout, times);
    double cpu = 0;
    std::string failed = w.failed;
    for (auto _ : state) {
        if (!failed.empty()) break;
        Random rnd(SEED);
        failed = heavyRun(w, rnd, &cpu);
    }
    if (!failed.empty()) return state.SkipWithError(failed.c_str());
    state.counters["run_cpu_ms"] = benchmark::Counter(cpu * 1e3, benchmark::Counter::kAvgIterations);
    state.counters["packet_kB"] = static_cast<double>(fs::file_size(w.file("book20.qui"))) / 1024;
}

}  // namespace

BENCHMARK_CAPTURE(BM_HeavyRun, verse_layout_p, 'V', 'P', 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HeavyRun, verse_layout_c, 'V', 'C', 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HeavyRun, verse_layout_t, 'V', 'T', 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HeavyRun, chapter_layout_p, 'C', 'P', 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HeavyRun, question_layout_p, 'Q', 'P', 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HeavyRun, bank_4x_verse_layout_p, 'V', 'P', 4)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HeavyRun, bank_16x_verse_layout_p, 'V', 'P', 16)->Unit(benchmark::kMillisecond);
