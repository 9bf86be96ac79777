// Each costly command against its floor (Floor.h), measured side by side in
// the same iteration so that the load of a shared machine weighs on both;
// the ratios are the counters ending in "_x".
#include <benchmark/benchmark.h>

#include "Floor.h"
#include "HeavyRun.h"

using namespace tess;
using namespace tess::bench;

namespace {

const std::string PROGRAM = TESS_PROGRAM;
const std::string EMPTY_PROGRAM = TESS_EMPTY_PROGRAM;

void ratio(benchmark::State& state, const std::string& name, double num, double den) {
    state.counters[name] = den > 0 ? num / den : 0;
}
void ms(benchmark::State& state, const std::string& name, double seconds) {
    state.counters[name] = benchmark::Counter(seconds * 1e3, benchmark::Counter::kAvgIterations);
}

// What the heavy run's floor does: its draws, its reads, its writes.
struct RunFloor {
    std::vector<int> draws;                                    // as RecordingRandom logs them
    std::vector<std::string> read;                             // paths
    std::vector<std::pair<std::string, std::string>> written;  // paths and bytes
    double drawCpu = 0, readCpu = 0, writeCpu = 0;
};

// The two sides apart, so that callgrind can count each (docs/measurements.md).
[[gnu::noinline]] std::string measuredRun(const Workspace& w, double& cpu) {
    Random rnd(SEED);
    return heavyRun(w, rnd, &cpu, nullptr, Front::Batch);
}
[[gnu::noinline]] void floorRun(RunFloor& f) {
    double t = threadCpuSeconds();
    benchmark::DoNotOptimize(replayDraws(f.draws));
    f.drawCpu += threadCpuSeconds() - t;
    t = threadCpuSeconds();
    for (const auto& path : f.read) benchmark::DoNotOptimize(readBytes(path));
    f.readCpu += threadCpuSeconds() - t;
    t = threadCpuSeconds();
    for (const auto& [path, bytes] : f.written) writeBytes(path, bytes);
    f.writeCpu += threadCpuSeconds() - t;
}

// The heavy run as `tessarin run` makes it (no screen; verse sectoring,
// layout p) against the same draws and
// re-seeds, the read of its files and the write of its files' bytes.
void BM_RunFloor(benchmark::State& state) {
    HeavyWorkspace w('V', 'P', 1);
    if (!w.failed.empty()) return state.SkipWithError(w.failed.c_str());
    RecordingRandom recorder(SEED);
    std::vector<std::string> readNames;
    const auto before = changeTimes(w.dir());
    if (const std::string why = heavyRun(w, recorder, nullptr, &readNames, Front::Batch); !why.empty())
        return state.SkipWithError(why.c_str());
    RunFloor f;
    f.draws = recorder.log;
    for (const auto& name : readNames) f.read.push_back(w.file(name));
    fs::create_directory(w.dir() / "floor");
    for (const auto& [name, when] : changeTimes(w.dir()))
        if (!before.count(name) || before.at(name) != when) f.written.emplace_back(w.file("floor/" + name), w.read(name));
    double run = 0;
    for (auto _ : state) {
        if (const std::string why = measuredRun(w, run); !why.empty()) return state.SkipWithError(why.c_str());
        floorRun(f);
    }
    const double floor = f.drawCpu + f.readCpu + f.writeCpu;
    ms(state, "run_cpu_ms", run);
    ms(state, "floor_cpu_ms", floor);
    ms(state, "floor_draws_ms", f.drawCpu);
    ms(state, "floor_read_ms", f.readCpu);
    ms(state, "floor_write_ms", f.writeCpu);
    ratio(state, "run_per_floor_x", run, floor);
    state.counters["draws"] = static_cast<double>(recorder.log.size() - recorder.reseeds());
    state.counters["reseeds"] = static_cast<double>(recorder.reseeds());
    state.counters["files_read"] = static_cast<double>(f.read.size());
    state.counters["files_written"] = static_cast<double>(f.written.size());
}
BENCHMARK(BM_RunFloor)->Unit(benchmark::kMillisecond);

// The heavy run on a bank of 64 times the sample against the sample's.
void BM_BankGrowth(benchmark::State& state) {
    HeavyWorkspace one('V', 'P', 1), many('V', 'P', 64);
    for (const auto* w : {&one, &many})
        if (!w->failed.empty()) return state.SkipWithError(w->failed.c_str());
    double cpu1 = 0, cpu64 = 0;
    for (auto _ : state) {
        Random r1(SEED), r64(SEED);
        std::string why = heavyRun(one, r1, &cpu1, nullptr, Front::Batch);
        if (why.empty()) why = heavyRun(many, r64, &cpu64, nullptr, Front::Batch);
        if (!why.empty()) return state.SkipWithError(why.c_str());
    }
    ms(state, "bank_1x_cpu_ms", cpu1);
    ms(state, "bank_64x_cpu_ms", cpu64);
    ratio(state, "bank_64x_per_1x_x", cpu64, cpu1);
}
BENCHMARK(BM_BankGrowth)->Iterations(6)->Unit(benchmark::kMillisecond);

// Starting the program (it prints its version, or a command's help) against
// an empty C++ program. The work of these benchmarks is in child processes,
// so their iterations are counted by the wall clock (this thread's CPU
// clock hardly moves).
void BM_StartUp(benchmark::State& state) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> commands = {
        {"version", {PROGRAM, "--version"}},
        {"run_help", {PROGRAM, "run", "--help"}},
        {"check_help", {PROGRAM, "check", "--help"}},
        {"pdf_help", {PROGRAM, "pdf", "--help"}},
    };
    std::vector<double> cpu(commands.size());
    double empty = 0;
    for (auto _ : state) {
        const double e = childCpuSeconds({EMPTY_PROGRAM});
        if (e < 0) return state.SkipWithError("the empty program failed");
        empty += e;
        for (std::size_t i = 0; i < commands.size(); ++i) {
            const double c = childCpuSeconds(commands[i].second);
            if (c < 0) return state.SkipWithError(("tessarin " + commands[i].first + " failed").c_str());
            cpu[i] += c;
        }
    }
    ms(state, "empty_cpu_ms", empty);
    for (std::size_t i = 0; i < commands.size(); ++i) {
        ms(state, commands[i].first + "_cpu_ms", cpu[i]);
        ratio(state, commands[i].first + "_per_empty_x", cpu[i], empty);
    }
}
BENCHMARK(BM_StartUp)->UseRealTime()->Unit(benchmark::kMillisecond);

// `tessarin check` (all findings, and --max 0) against cat of the same files,
// on the sample and on a tenfold bank (make_check_folders.py).
void BM_CheckFloor(benchmark::State& state, const std::string& folder) {
    Workspace w;
    const std::string script = TESS_SOURCE_DIR "/bench/make_check_folders.py";
    if (childCpuSeconds({"/usr/bin/python3", script, TESS_SOURCE_DIR "/data/luke", w.dir().string()}) < 0)
        return state.SkipWithError("make_check_folders.py failed");
    const std::string dir = w.file(folder);
    std::vector<std::string> cat = {"/bin/cat"};
    for (const auto& e : fs::directory_iterator(dir)) cat.push_back(e.path().string());
    constexpr int FINDINGS = 3;  // check's status when it found an error
    double all = 0, none = 0, catCpu = 0;
    for (auto _ : state) {
        const double a = childCpuSeconds({PROGRAM, "check"}, dir, "/dev/null", FINDINGS);
        const double n = childCpuSeconds({PROGRAM, "check", "--max", "0"}, dir, "/dev/null", FINDINGS);
        const double c = childCpuSeconds(cat);
        if (a < 0 || n < 0 || c < 0) return state.SkipWithError("check or cat failed");
        all += a;
        none += n;
        catCpu += c;
    }
    ms(state, "check_cpu_ms", all);
    ms(state, "check_max0_cpu_ms", none);
    ms(state, "cat_cpu_ms", catCpu);
    ratio(state, "check_per_cat_x", all, catCpu);
    ratio(state, "check_max0_per_cat_x", none, catCpu);
}
BENCHMARK_CAPTURE(BM_CheckFloor, sample, std::string("sample"))->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CheckFloor, tenfold, std::string("tenfold"))->UseRealTime()->Unit(benchmark::kMillisecond);

// Pages of a PDF as libharu writes them (a page object each, uncompressed).
int pdfPages(const std::string& bytes) {
    int n = 0;
    for (std::size_t at = 0; (at = bytes.find("/Type /Page", at)) != std::string::npos; at += 11)
        n += bytes.compare(at, 12, "/Type /Pages") != 0;
    return n;
}

// `tessarin pdf` of the heavy run's c-layout packet: a card a page against
// three cards a sheet, per page.
void BM_PdfCards(benchmark::State& state) {
    HeavyWorkspace w('V', 'C', 1);
    if (!w.failed.empty()) return state.SkipWithError(w.failed.c_str());
    double single = 0, sheet = 0;
    int singlePages = 0, sheetPages = 0;
    for (auto _ : state) {
        const double a = childCpuSeconds({PROGRAM, "pdf", "--cards", "single", "book20.qui"}, w.dir().string());
        singlePages = pdfPages(w.read("book20.pdf"));
        const double b = childCpuSeconds({PROGRAM, "pdf", "--cards", "sheet", "book20.qui"}, w.dir().string());
        sheetPages = pdfPages(w.read("book20.pdf"));
        if (a < 0 || b < 0 || singlePages == 0 || sheetPages == 0) return state.SkipWithError("tessarin pdf failed");
        single += a;
        sheet += b;
    }
    ms(state, "single_cpu_ms", single);
    ms(state, "sheet_cpu_ms", sheet);
    state.counters["single_pages"] = singlePages;
    state.counters["sheet_pages"] = sheetPages;
    ratio(state, "single_per_sheet_page_x", single / singlePages, sheet / sheetPages);
}
BENCHMARK(BM_PdfCards)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
