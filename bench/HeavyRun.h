#pragma once
// The heaviest realistic run, whole and in process: the whole book, 30
// questions, 135 quizzes, 5-10 specialties, IPC 40, REPEATPCT 10, automatic
// approval, every screen answered with Return, the count file already built.
#include <stdexcept>
#include <string>
#include <vector>

#include "SampleBank.h"
#include "core/StyleFile.h"
#include "run/BatchRun.h"
#include "specc9/StyleLibrary.h"

namespace tess::bench {

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
inline std::vector<std::string> heavyStyle(char sectoring, char layout) {
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
inline void scaleBank(const Workspace& w, int times) {
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

// Who answers the run: the full-screen program's screens on the in-memory
// screen, every key Return, or `tessarin run`'s answers with no screen at all.
enum class Front { Screen, Batch };

// One whole run of the style "heavy" with the generator given; the reason
// when it did not end normally, else empty. `cpu` gains the run's CPU
// seconds; `read` gets the names of the files the run reads.
inline std::string heavyRun(const Workspace& w, Random& rnd, double* cpu = nullptr,
                            std::vector<std::string>* read = nullptr, Front front = Front::Screen) {
    ReturnConsole con;
    ScreenAsk screen(con);
    Program p(rnd, w.dir());
    std::string why;
    double t0 = 0;
    if (front == Front::Batch) {
        // Told events go nowhere: `tessarin run --quiet` prints none either.
        PressOnAsk pressOn;
        t0 = threadCpuSeconds();
        if (runStoredStyle(p, pressOn, "heavy") != BatchEnd::Done) why = "the batch run stopped";
    } else {
        p.asker = &screen;
        p.configure = useStoredStyle;
        writeFileAtomic(w.file("temp2.txt"), {"heavy"});
        t0 = threadCpuSeconds();
        try {
            runOnce(p);
        } catch (const RestartRun&) {
            why = "the run went back to the title: " + con.screenText();
        } catch (const std::exception& e) {
            why = e.what();
        }
    }
    if (!why.empty()) return why;
    if (cpu) *cpu += threadCpuSeconds() - t0;
    if (read) {
        const RunState& r = p.run;
        *read = {r.REGFILE, r.FTVFILE, r.CVFILE, r.COFILE, r.SITFILE, r.COUNTFILE,
                 VERSE_FILE, STYLE_LIST_FILE, "heavy.spe", "temp2.txt"};
    }
    return {};
}

// A workspace whose bank is `times` the sample, holding the heavy style in
// the sectoring and layout asked, its count file built by a first run.
struct HeavyWorkspace : Workspace {
    std::string failed;  // why the first run did not end normally
    HeavyWorkspace(char sectoring, char layout, int times) {
        scaleBank(*this, times);
        style("heavy", heavyStyle(sectoring, layout));
        Random rnd(SEED);
        failed = heavyRun(*this, rnd);
    }
};

}  // namespace tess::bench
