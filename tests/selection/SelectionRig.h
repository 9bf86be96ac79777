#pragma once
// A program context on the in-memory screen over a small hand-made regular
// bank in a temporary directory, with the sector table filled by hand.
#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include <cstdio>
#include <unistd.h>

#include "console/ScreenConsole.h"
#include "console/TextFile.h"
#include "run/Program.h"
#include "selection/QuizAssembly.h"

namespace tess::testing {

namespace fs = std::filesystem;

// Counts the regular picks: the picker re-seeds once per call.
class CountingRandom : public Random {
public:
    explicit CountingRandom(std::uint64_t seed) : Random(seed, StandIn{}) {}
    void standInReseed() override {
        ++reseeds;
        reseedGenerator();
    }
    long reseeds = 0;
};

inline std::string bankLine(int ch, int v, const std::string& text) {
    char ref[32];
    std::snprintf(ref, sizeof ref, "%2d:%2d\t", ch, v);
    return ref + text;
}

// Question n of sector s: interrogative or not, recognisable in the listing.
inline std::string plainText(int s, int n) { return "Jesus taught item " + std::to_string(s) + "." + std::to_string(n); }
inline std::string askText(int s, int n) { return "Who taught item " + std::to_string(s) + "." + std::to_string(n) + "?"; }

struct Rig {
    using TextFn = std::function<std::string(int s, int n)>;

    explicit Rig(std::unique_ptr<Random> r = nullptr)
        : dir(fs::temp_directory_path() / ("tess-sel-" + std::to_string(::getpid()) + "-" + std::to_string(counter()++))),
          rnd(r ? std::move(r) : std::make_unique<Random>(20261207)),
          p(con, *rnd, dir) {
        fs::create_directories(dir);
        run().REGFILE = "Luke.A";
        run().COUNTFILE = "count.00A";
        run().LG = ' ';
        for (int c = 1; c <= CHMAX; ++c) run().EVS[c] = VMAX;
        run().RSET = 4;
        run().IPC = 50;
        run().V = 2;
    }
    ~Rig() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    RunState& run() { return p.run; }

    // Writes the regular file: `before` questions ahead of the range, then the
    // sectors in order, `perVerse` questions to a verse, verses 1..80 of each
    // chapter; fills the sector table and marks everything available.
    void bank(const std::vector<int>& perSector, const TextFn& text = plainText, int before = 2, int perVerse = 1) {
        std::vector<std::string> lines;
        int ch = 1, v = 1;
        auto advance = [&] {
            if (++v > 80) {
                ++ch;
                v = 1;
            }
        };
        for (int i = 1; i <= before; ++i, advance()) lines.push_back(bankLine(ch, v, "Before the range " + std::to_string(i)));
        auto& r = run();
        r.BEFORE = before;
        r.QMAX = r.SECTORS = static_cast<int>(perSector.size());
        for (int s = 1; s <= r.SECTORS; ++s) {
            r.BC[s] = ch;
            r.BV[s] = v;
            for (int n = 1; n <= perSector[static_cast<std::size_t>(s - 1)]; ++n) {
                lines.push_back(bankLine(ch, v, text(s, n)));
                r.EC[s] = ch;
                r.EV[s] = v;
                if (n % perVerse == 0 || n == perSector[static_cast<std::size_t>(s - 1)]) advance();
            }
            r.QPS[s] = perSector[static_cast<std::size_t>(s - 1)];
        }
        writeFileAtomic(p.file(r.REGFILE), lines);
        markAllAvailable(p);
    }

    void pattern(const std::string& pat) {
        for (int q = 1; q <= QQZ; ++q) run().PAT[q] = pat;
    }

    void openOutputs() {
        run().listFile.create(p.file("quiz.inf"));
        run().runLog.create(p.file("temp.txt"));
    }
    std::vector<std::string> listLines() {
        run().listFile.close();
        return readAllLines(p.file("quiz.inf")).value_or(std::vector<std::string>{});
    }
    std::vector<std::string> logLines() {
        run().runLog.close();
        return readAllLines(p.file("temp.txt")).value_or(std::vector<std::string>{});
    }

    fs::path dir;
    ScreenConsole con;
    std::unique_ptr<Random> rnd;
    Program p;

private:
    static std::atomic<int>& counter() {
        static std::atomic<int> c{0};
        return c;
    }
};

}  // namespace tess::testing
