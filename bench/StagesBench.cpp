// Timings of the costly stages of a run on the sample bank (data/luke): the
// index build, verse sectoring, quiz generation, the packet writer in its
// three layouts, and the specialty pattern draw. Stages that change the run
// state are timed by hand around the stage alone, on a context set up afresh
// (untimed) for each iteration, so every iteration does the same work.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>

#include <fcntl.h>
#include <unistd.h>

#include "Floor.h"
#include "SampleBank.h"
#include "core/Messages.h"
#include "core/StyleFile.h"
#include "material/ChapterSectoring.h"
#include "material/Counts.h"
#include "material/Interrogative.h"
#include "material/VerseSectoring.h"
#include "output/PacketWriter.h"
#include "selection/FtvTypes.h"
#include "selection/QuizAssembly.h"
#include "specc9/Patterns.h"

using namespace tess;
using namespace tess::bench;

namespace {

using Clock = std::chrono::steady_clock;

// Wall and CPU time of the timed stage alone, summed over its pieces. The
// wall time is the benchmark's time; the CPU time is reported beside it
// ("stage_cpu_ms"), since on a shared machine the wall time also holds the
// waits for a core.
//
// Reading the thread's CPU clock is a system call (about 0.66 us on the
// machine of docs/measurements.md), and a start and stop charge about one
// call's worth to the piece they time. The packet writer is timed in 136
// pieces per packet file, so that would be a tenth of its figure. What an
// empty piece measures is taken once, at the start, and taken off each
// piece ("timer_cpu_ms" says how much that was).
class StageTimer {
public:
    StageTimer() {
        constexpr int EMPTY_PIECES = 2000;
        for (int i = 0; i < EMPTY_PIECES; ++i) {
            start();
            stop();
        }
        cpuPerPiece_ = cpu_ / EMPTY_PIECES;
        wallPerPiece_ = wall_ / EMPTY_PIECES;
        wall_ = cpu_ = 0;
        pieces_ = 0;
    }
    void start() {
        wall0_ = Clock::now();
        cpu0_ = threadCpuSeconds();
    }
    void stop() {
        wall_ += std::chrono::duration<double>(Clock::now() - wall0_).count();
        cpu_ += threadCpuSeconds() - cpu0_;
        ++pieces_;
    }
    // The iteration's wall time.
    double endIteration() {
        const double n = static_cast<double>(pieces_);
        const double wall = std::max(0.0, wall_ - n * wallPerPiece_);
        cpuTotal_ += std::max(0.0, cpu_ - n * cpuPerPiece_);
        timerTotal_ += n * cpuPerPiece_;
        wall_ = cpu_ = 0;
        pieces_ = 0;
        return wall;
    }
    void report(benchmark::State& state) const {
        state.counters["stage_cpu_ms"] = benchmark::Counter(cpuTotal_ * 1e3, benchmark::Counter::kAvgIterations);
        state.counters["timer_cpu_ms"] = benchmark::Counter(timerTotal_ * 1e3, benchmark::Counter::kAvgIterations);
    }
    double cpuSeconds() const { return cpuTotal_; }

private:
    Clock::time_point wall0_;
    double cpu0_ = 0, wall_ = 0, cpu_ = 0, cpuTotal_ = 0, timerTotal_ = 0;
    double cpuPerPiece_ = 0, wallPerPiece_ = 0;  // what an empty piece measures
    long pieces_ = 0;                            // timed since the iteration began
};

// Runs one iteration's body; a stage that went back to the title (or waited
// for a key the script lacks) ends the benchmark with the screen's message.
bool guarded(benchmark::State& state, Session& s, const std::function<void()>& body) {
    try {
        body();
        return true;
    } catch (const RestartRun&) {
        state.SkipWithError(("the run restarted: " + s.con.screenText()).c_str());
    } catch (const ScriptExhausted&) {
        state.SkipWithError(("a key was awaited: " + s.con.screenText()).c_str());
    }
    return false;
}

// A workspace whose style `name` (INDX "N") finds its count file built.
void indexed(const Workspace& w, const std::string& name, char sectoring, int specialties = 0) {
    w.style(name, benchStyle(sectoring, 'Y', specialties));
    {
        Session s(w, name);
        prepareCounts(s.p);
    }
    w.style(name, benchStyle(sectoring, 'N', specialties));
}

// The counts and sectoring of a run on the count file already built: counts, range
// totals, and the sectoring (chapter sectoring accepts the initial deal).
void sectored(Session& s, char sectoring) {
    auto& r = s.p.run;
    prepareCounts(s.p);
    countRange(s.p);
    rangeSummary(s.p);
    if (sectoring == 'C') {
        s.con.enter().enter();  // accept the shares, then the sector table
        CHAPSEC(s.p);
    } else if (!VERSESEC(s.p)) {
        failRestart(s.p, "verse sectoring found no layout");
    }
    if (r.MINQZ < 1) failRestart(s.p, "a sector holds no regular question");
}

// What a run does from availability up to the quiz loop, with the list file and run log open;
// every quiz all regular, as SPEC2 draws it for a style without specialties.
void readyToGenerate(Session& s) {
    auto& r = s.p.run;
    for (int q = 1; q <= r.QZ; ++q) r.PAT[q] = std::string(QUESTIONS, 'n');
    r.approval = Approval::Automatic;  // run automatically
    r.runLog.create(s.p.file(RUN_LOG_FILE));
    r.listFile.create(s.p.file("bench.inf"));
}

// Generation without the packet writer: availability, the
// interrogative index, and the 135 quizzes. `afterQuiz` runs after each one.
void generate(Session& s, const std::function<void()>& afterQuiz = {}) {
    auto& r = s.p.run;
    markAllAvailable(s.p);
    if (r.IPC != 50) COUNTINT(s.p);
    r.MINQZ1 = r.MINQZ;
    r.RQUIZ1 = r.RQUIZ;
    r.FQUIZ1 = r.FQUIZ;
    r.SQUIZ1 = r.SQUIZ;
    r.OQUIZ1 = r.OQUIZ;
    FINTYPES(s.p);
    for (r.Q2 = 1; r.Q2 <= r.QZ; ++r.Q2) {
        CHOOSESPEC(s.p);
        if (afterQuiz) afterQuiz();
    }
}

// The index build of the whole bank (INDX "Y"), and its skip with the
// count file present (INDX "N"): found, read and checked.
void BM_IndexBuild(benchmark::State& state, char indx) {
    Workspace w;
    indexed(w, "index", 'V');
    w.style("index", benchStyle('V', indx));
    StageTimer timer;
    for (auto _ : state) {
        Session s(w, "index");
        timer.start();
        if (!guarded(state, s, [&] { prepareCounts(s.p); })) break;
        timer.stop();
        state.SetIterationTime(timer.endIteration());
        if (s.p.run.QCOUNT(1, 1) == 0) {
            state.SkipWithError("no regular question counted at 1:1");
            break;
        }
    }
    timer.report(state);
}
BENCHMARK_CAPTURE(BM_IndexBuild, build_INDX_Y, 'Y')->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_IndexBuild, skip_INDX_N, 'N')->UseManualTime()->Unit(benchmark::kMillisecond);

// Verse sectoring of the whole book into 30 sectors from the list A counts.
// VERSESEC lays the table out anew each call, so one context serves.
void BM_VerseSectoring(benchmark::State& state) {
    Workspace w;
    indexed(w, "verse", 'V');
    Session s(w, "verse");
    auto& r = s.p.run;
    if (!guarded(state, s, [&] {
            prepareCounts(s.p);
            countRange(s.p);
        }))
        return;
    bool laid = true;
    for (auto _ : state) {
        laid = VERSESEC(s.p) && laid;
        benchmark::DoNotOptimize(r.MINQZ);
    }
    if (!laid || r.SECTORS != QUESTIONS) state.SkipWithError("no layout of 30 sectors");
    state.counters["MINQZ"] = r.MINQZ;
    state.counters["TQUEST"] = r.TQUEST;
}
BENCHMARK(BM_VerseSectoring)->Unit(benchmark::kMicrosecond);

// The generation stage of a 135-quiz, 30-question all-regular run with
// IPC 40: availability, COUNTINT and 135 x CHOOSESPEC (automatic approval).
void BM_Generation(benchmark::State& state, char sectoring) {
    Workspace w;
    indexed(w, "gen", sectoring);
    int minqz = 0, itot = 0, abandonedAt = 0;
    StageTimer timer;
    for (auto _ : state) {
        Session s(w, "gen");
        auto& r = s.p.run;
        if (!guarded(state, s, [&] {
                sectored(s, sectoring);
                readyToGenerate(s);
            }))
            break;
        minqz = r.MINQZ;
        timer.start();
        if (!guarded(state, s, [&] { generate(s); })) break;
        timer.stop();
        state.SetIterationTime(timer.endIteration());
        itot = r.ITOT;
        abandonedAt = r.ABAND3 ? r.ABAND : 0;
    }
    timer.report(state);
    state.counters["MINQZ"] = minqz;
    state.counters["ITOT_last"] = itot;                    // interrogatives of quiz 135: 12 when IPC 40 was met
    state.counters["IPC_given_up_at_quiz"] = abandonedAt;  // 0: kept all run
}
BENCHMARK_CAPTURE(BM_Generation, verse_sectored, 'V')->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Generation, chapter_sectored, 'C')->UseManualTime()->Unit(benchmark::kMillisecond);

// OPUT writing 135 packets of 30 questions in layout c, p or t. The quizzes
// are generated once (untimed) as in BM_Generation; each iteration hands their assembled
// slots back to the writer one quiz after the other into a new packet file.
struct AssembledQuiz {
    FixedText<30> TYP;
    BySector<FixedText<LMAX>> ALL, ALL2;
    BySector<char> RLBK;
};

void BM_PacketWriter(benchmark::State& state, char layout) {
    Workspace w;
    indexed(w, "packet", 'V');
    Session s(w, "packet");
    auto& r = s.p.run;
    std::vector<AssembledQuiz> quizzes;
    if (!guarded(state, s, [&] {
            sectored(s, 'V');
            readyToGenerate(s);
            generate(s, [&] { quizzes.push_back({r.TYP, r.ALL, r.ALL2, r.RLBK}); });
        }))
        return;
    r.OUT = layout;
    const std::string packet = s.p.file("bench.qui");
    StageTimer timer;
    for (auto _ : state) {
        r.packetFile.create(packet);
        for (int q = 1; q <= static_cast<int>(quizzes.size()); ++q) {
            const AssembledQuiz& a = quizzes[static_cast<std::size_t>(q - 1)];
            r.Q2 = q;
            r.TYP = a.TYP;
            r.ALL = a.ALL;
            r.ALL2 = a.ALL2;
            r.RLBK = a.RLBK;
            timer.start();
            OPUT(s.p);
            timer.stop();
        }
        timer.start();
        r.packetFile.close();  // the last buffered bytes reach the file
        timer.stop();
        state.SetIterationTime(timer.endIteration());
    }
    timer.report(state);
    // The floor: the packet's bytes written as often as the writer made them,
    // timed as the writer is: from the first write to the close, the file
    // made (and the last one's pages let go) beforehand.
    const std::string bytes = readBytes(packet), floorFile = packet + ".floor";
    StageTimer floorTimer;
    for (benchmark::IterationCount i = 0; i < state.iterations(); ++i) {
        ::unlink(floorFile.c_str());
        const int fd = ::open(floorFile.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        floorTimer.start();
        const bool written = fd >= 0 && writeAll(fd, bytes);
        floorTimer.stop();
        floorTimer.endIteration();
        if (!written) return state.SkipWithError("the floor's file could not be written");
    }
    const double floor = floorTimer.cpuSeconds();
    state.counters["write_cpu_ms"] = benchmark::Counter(floor * 1e3, benchmark::Counter::kAvgIterations);
    state.counters["writer_per_write_x"] = floor > 0 ? timer.cpuSeconds() / floor : 0;
    state.counters["packets"] = static_cast<double>(quizzes.size());
    state.counters["packet_bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK_CAPTURE(BM_PacketWriter, layout_c, 'c')->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PacketWriter, layout_p, 'p')->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PacketWriter, layout_t, 't')->UseManualTime()->Unit(benchmark::kMillisecond);

// Checks every pattern of the run: 30 letters, exactly `want` specialties.
bool patternsHold(const Specc9& c, int want) {
    for (int q = 1; q <= c.QNUM; ++q) {
        const std::string pat = c.PAT[q].str();
        if (pat.size() != static_cast<std::size_t>(QUESTIONS)) return false;
        int n = 0;
        for (char ch : pat) n += ch != 'n';
        if (n != want) return false;
    }
    return true;
}

constexpr int SPECIALTIES = 20;

// The drawing alone: SPECPAT for 135 quizzes, 20 specialties in a
// 30-position window.
void BM_PatternDraw(benchmark::State& state) {
    Workspace w;
    w.style("special", benchStyle('V', 'Y', SPECIALTIES));
    Session s(w, "special");
    auto& c = s.p.cfg;
    if (const std::string why = patternConflicts(s.p); !why.empty()) {
        state.SkipWithError(why.c_str());
        return;
    }
    for (auto _ : state)
        for (int q = 1; q <= c.QNUM; ++q) {
            SPECPAT(s.p);
            c.PAT[q] = c.TYP;
        }
    if (!patternsHold(c, SPECIALTIES)) state.SkipWithError("a pattern lacks its 20 specialties");
}
BENCHMARK(BM_PatternDraw)->Unit(benchmark::kMillisecond);

// SPEC2 whole: the draw, the review screens (each accepted with Return)
// and "pat.txt".
void BM_Spec2(benchmark::State& state) {
    Workspace w;
    w.style("special", benchStyle('V', 'Y', SPECIALTIES));
    StageTimer timer;
    for (auto _ : state) {
        Session s(w, "special");
        for (int screen = 0; screen * QUESTIONS < QUIZZES; ++screen) s.con.enter();
        timer.start();
        if (!guarded(state, s, [&] { SPEC2(s.p); })) break;
        timer.stop();
        state.SetIterationTime(timer.endIteration());
        if (s.con.keysLeft() != 0 || !patternsHold(s.p.cfg, SPECIALTIES)) {
            state.SkipWithError("review screens or patterns not as expected");
            break;
        }
    }
    timer.report(state);
}
BENCHMARK(BM_Spec2)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
