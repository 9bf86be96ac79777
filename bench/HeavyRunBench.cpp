// The heaviest realistic run, whole and in process: the whole book, 30
// questions, 135 quizzes, 5-10 specialties, IPC 40, REPEATPCT 10, automatic
// approval, every screen answered with Return, the count file already built.
// By sectoring mode and layout on the sample bank, and on banks of 1, 4 and
// 16 times the sample (every question repeated within its verse).
#include <benchmark/benchmark.h>

#include <fstream>
#include <stdexcept>

#include "SampleBank.h"
#include "core/StyleFile.h"

using namespace tess;
using namespace tess::bench;

namespace {

// Answers every key read with Return (the automatic approval is the menu's
// first choice) and keeps no snapshots, so the run alone is measured.
class ReturnConsole : public ScreenConsole {
public:
    bool keyPressed() override { return true; }
    void waitKey() override {}
    int reads = 0;

protected:
    int fetchKey() override {
        if (++reads > 100) throw std::runtime_error("the run keeps asking for keys: " + screenText());
        return key::Return;
    }
    void onKeyRead() override {}
};

// Book20 as the golden heavy run edits it, with the sectoring and layout asked.
std::vector<std::string> heavyStyle(char sectoring, char layout) {
    auto s = *readAllLines(std::string(TESS_SOURCE_DIR) + "/data/luke/Book20.spe");
    s[5] = std::string(1, layout);
    s[6] = "30";    // questions per quiz
    s[10] = "N";    // the count file is built once, before the timing
    s[11] = "135";  // quizzes
    s[12] = std::string(1, sectoring);
    s[13] = "10";  // REPEATPCT
    s[14] = "10";  // specialties at most
    s[15] = "5";   // and at least
    s[16] = "4";   // FTV
    s[18] = "3";   // CV references
    s[20] = "2";   // CO references
    s[22] = "2";   // situations
    s[26] = "28";  // the last position a specialty may take
    s[9] = "40";   // IPC
    return s;
}

// Every bank line (a line that starts with a reference) `times` times over.
void scaleBank(const Workspace& w, int times) {
    if (times == 1) return;
    for (const auto& e : fs::directory_iterator(w.dir())) {
        const std::string name = e.path().filename().string();
        if (name.find(".spe") != std::string::npos || name == "Specs.lst" || name == "Verses.txt") continue;
        TextReader in(e.path().string());
        TextWriter out(e.path().string() + ".scaled");
        while (auto line = in.readLine())
            for (int k = 0; k < (line->size() > 3 && (*line)[1] >= '0' && (*line)[1] <= '9' ? times : 1); ++k)
                out.writeln(*line);
        out.close();
        fs::rename(e.path().string() + ".scaled", e.path());
    }
}

// One whole run; false (with the reason given to the benchmark) when it did not end normally.
bool heavyRun(benchmark::State& state, const Workspace& w, double* cpu) {
    ReturnConsole con;
    Random rnd(SEED);
    ScreenAsk screen(con);
    Program p(rnd, w.dir());
    p.asker = &screen;
    p.configure = useStoredStyle;
    writeFileAtomic(w.file("temp2.txt"), {"heavy"});
    const double t0 = cpu ? threadCpuSeconds() : 0;
    try {
        runOnce(p);
    } catch (const RestartRun&) {
        state.SkipWithError(("the run went back to the title: " + con.screenText()).c_str());
        return false;
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return false;
    }
    if (cpu) *cpu += threadCpuSeconds() - t0;
    return true;
}

void BM_HeavyRun(benchmark::State& state, char sectoring, char layout, int times) {
    Workspace w;
    scaleBank(w, times);
    w.style("heavy", heavyStyle(sectoring, layout));
    if (!heavyRun(state, w, nullptr)) return;  // builds the count file
    double cpu = 0;
    for (auto _ : state)
        if (!heavyRun(state, w, &cpu)) return;
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
