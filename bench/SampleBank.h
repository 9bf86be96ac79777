#pragma once
// A copy of the sample bank in a scratch working directory, with the styles
// the benchmarks run, and a program context on the in-memory screen that has
// read its settings the way a run does (configuration, then the run files).
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "console/Random.h"
#include "console/ScreenConsole.h"
#include "console/TextFile.h"
#include "core/Program.h"
#include "run/Driver.h"
#include "run/ScreenAsk.h"
#include "specc9/Config.h"
#include "support/ScratchDir.h"

namespace tess::bench {

namespace fs = std::filesystem;

// CPU time of this thread: the steadier figure on a shared machine.
inline double threadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

inline constexpr std::uint64_t SEED = 20261207;
inline constexpr int QUIZZES = 135;
inline constexpr int QUESTIONS = 30;

// Whole book, list A, PRIMPCT 100, 135 quizzes of 30 questions, IPC 40.
// `specialties` > 0 asks for exactly that many in positions 1..30, split over
// the four kinds; 0 gives an all-regular style.
inline std::vector<std::string> benchStyle(char sectoring, char indx, int specialties = 0) {
    const std::string n = std::to_string(specialties);
    const bool some = specialties > 0;
    return {
        "A",
        "1 1",
        "24 53",
        "bench",
        "60",
        "C",
        std::to_string(QUESTIONS),
        "A",
        "20",
        "40",
        std::string(1, indx),
        std::to_string(QUIZZES),
        std::string(1, sectoring),
        "0",
        n,
        n,  // total max, min
        some ? "10" : "0",
        some ? "2" : "0",  // FTV
        some ? "6" : "0",
        some ? "2" : "0",  // CV references
        some ? "6" : "0",
        some ? "2" : "0",  // CO references
        some ? "6" : "0",
        some ? "2" : "0",  // situations
        "100",
        "1",
        "30",
        "N",
        std::string(30, some ? 'A' : 'n'),
    };
}

// A scratch copy of the sample bank, removed afterwards.
class Workspace : public tess::testing::ScratchDir {
public:
    Workspace() { copySampleBank(); }
    const fs::path& dir() const { return path(); }
    void style(const std::string& name, const std::vector<std::string>& lines) const {
        writeFileAtomic(file(name + ".spe"), lines);
    }
};

// A run context after the run files are read: the style named in "temp2.txt" loaded on
// both sides, the bank file names set, a fresh generator of the fixed seed.
struct Session {
    ScreenConsole con;
    ScreenAsk screen{con};
    Random rnd{SEED};
    Program p;

    Session(const Workspace& w, const std::string& styleName) : p(rnd, w.dir()) {
        p.asker = &screen;
        writeFileAtomic(w.file("temp2.txt"), {styleName});
        useStoredStyle(p);
        readRunFiles(p);
        p.run.QZ = p.run.QNUM;
        p.run.SECTORS = p.run.QMAX;
    }
};

}  // namespace tess::bench
